#!/usr/bin/env bash
# Takes a PNG of one page of the main window under Xvfb, also a page whose tab
# is hidden or a page inside another (SheetGSM, ArmedMesSheet), in the language chosen as "Сервис" → "Язык" would keep it (ru, uk
# or en; Russian when left out).
# Usage: scripts/page-screenshot.sh <page objectName> [out.png] [language]
set -euo pipefail
cd "$(dirname "$0")/.."

page="${1:?usage: scripts/page-screenshot.sh <page objectName> [out.png] [ru|uk|en]}"
out="${2:-shots/${page}.png}"
language="${3:-ru}"
scripts/deps.sh xvfb xauth imagemagick
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target zq22-page-shot -j"$(nproc)" >/dev/null
mkdir -p "$(dirname "$out")"

# The shot's own preferences, so the user's are neither read nor changed.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
mkdir -p "$config/zq22lite"
printf '[ui]\nlanguage=%s\n' "$language" >"$config/zq22lite/zq22lite.ini"

XDG_CONFIG_HOME="$config" xvfb-run -a -s "-screen 0 600x640x24" bash -c '
  program="$1"; page="$2"; out="$3"
  "$program" "$page" &
  pid=$!
  sleep 3
  import -window root -crop 582x600+0+0 "$out"
  kill "$pid"
' _ build/release/bin/zq22-page-shot "$page" "$out"
echo "$out"
