#!/usr/bin/env bash
# Shows what the Сервис menu gives a person: PNGs under Xvfb of the menu open,
# of the compare dialog over the window (on a file, and on a template, its
# rows ticked) and of the open dialog of "Загрузить",
# the first page of a report's PDF as a PNG, and the reports of the factory
# configuration and of a site's, every page as a PNG.
# Usage: scripts/service-screenshots.sh [out folder]   (default: shots)
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-shots}"
scripts/deps.sh xvfb xauth imagemagick poppler-utils
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target zq22-command-shot -j"$(nproc)" >/dev/null
mkdir -p "$out"
out="$(cd "$out" && pwd)"
tool="$PWD/build/release/bin/zq22-command-shot"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Each run has a lock folder of its own, so a running copy does not refuse it.
export TMPDIR="$work"
mkdir "$work/files"
sample="$work/files/AB12.q22"
QT_QPA_PLATFORM=offscreen "$tool" sample "$sample"
# The company's monitoring phones and texts, as README's example of a template.
template="$work/files/company.json"
cat > "$template" <<'JSON'
{
    "format": "zq22-config",
    "version": 1,
    "sms": {
        "phones": { "1": "+380441234567", "2": "+380442345678" },
        "balance_request": "*101#"
    },
    "texts": {
        "alarm": { "1": "Тревога: вход" },
        "system": { "3": "Нет сети 220 В" }
    }
}
JSON

# shot OUT ARGS...: the tool run with ARGS under Xvfb, the screen taken once it has settled.
shot() {
  xvfb-run -a -s "-screen 0 800x640x24" bash -c '
    shot="$1"; shift
    "$@" &
    pid=$!
    sleep 4
    import -window root "$shot"
    kill "$pid"
  ' _ "$@"
}
shot "$out/service.png" "$tool" service
shot "$out/compare.png" "$tool" compare "$sample"
shot "$out/template.png" "$tool" template "$template"
# The open dialog starts in the current folder, the sample's.
(cd "$work/files" && shot "$out/load.png" "$tool" load)

QT_QPA_PLATFORM=offscreen "$tool" report "$sample" "$out/report.pdf"
pdftoppm -f 1 -l 1 -r 80 -png -singlefile "$out/report.pdf" "$out/report-page1"
echo "$out/service.png"
echo "$out/compare.png"
echo "$out/template.png"
echo "$out/load.png"
echo "$out/report.pdf"
echo "$out/report-page1.png"

# The reports of the factory configuration and of a site's (six zones, three
# groups, ten users), every page as a PNG.
site="$work/5C31.q22"
QT_QPA_PLATFORM=offscreen "$tool" site "$site"
QT_QPA_PLATFORM=offscreen "$tool" report "$out/report-factory.pdf"
QT_QPA_PLATFORM=offscreen "$tool" report "$site" "$out/report-site.pdf"
for report in report-factory report-site; do
  pdftoppm -r 80 -png "$out/$report.pdf" "$out/$report"
  echo "$out/$report.pdf: $(pdfinfo "$out/$report.pdf" | awk '/^Pages:/ {print $2}') pages"
done
