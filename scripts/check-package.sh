#!/usr/bin/env bash
# Checks a built zq22lite .deb: every file at its standard path, the desktop
# entry, the AppStream metainfo and the MIME type valid, the libraries found
# by the package tools, and the unpacked command line running.
#   Usage: scripts/check-package.sh zq22lite_<version>_amd64.deb
set -euo pipefail
deb="$(realpath "$1")"
cd "$(dirname "$0")/.."

scripts/deps.sh desktop-file-utils appstream libxml2-utils shared-mime-info

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch/root"
root="$scratch/root"
app_id=org.zq22lite.zq22lite
version="$(dpkg-deb -f "$deb" Version)"

fail() { echo "check-package: $*" >&2; exit 1; }

expected=(
  usr/bin/zq22lite usr/bin/zq22 usr/bin/zq22-panel-sim
  "usr/share/applications/$app_id.desktop"
  usr/share/icons/hicolor/scalable/apps/zq22lite.svg
  usr/share/mime/packages/zq22lite.xml
  "usr/share/metainfo/$app_id.metainfo.xml"
  usr/share/man/man1/zq22lite.1.gz usr/share/man/man1/zq22.1.gz usr/share/man/man1/zq22-panel-sim.1.gz
  usr/share/doc/zq22lite/copyright usr/share/doc/zq22lite/changelog.gz usr/share/doc/zq22lite/README.Debian
  usr/share/doc/zq22lite/library.md
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/zq22lite.png")
done
for path in "${expected[@]}"; do
  [ -f "$root/$path" ] || fail "missing /$path"
done
for program in zq22lite zq22 zq22-panel-sim; do
  [ -x "$root/usr/bin/$program" ] || fail "/usr/bin/$program is not executable"
done

desktop="$root/usr/share/applications/$app_id.desktop"
desktop-file-validate "$desktop"
grep -qx 'Exec=zq22lite %f' "$desktop" || fail "the desktop entry does not pass the file it opens"
grep -qx 'MimeType=application/x-zq22lite-config;' "$desktop" || fail "the desktop entry does not take .q22 files"
for language in ru uk; do
  grep -q "^Name\[$language\]=" "$desktop" && grep -q "^Comment\[$language\]=" "$desktop" \
    || fail "the desktop entry has no name and comment in the language $language"
done

# The metainfo, and how it meets the desktop entry it launches.
appstreamcli validate-tree --no-net --pedantic "$root"

# The MIME type is well-formed, and shared-mime-info takes its globs (matched
# whatever the case, as it keeps them) and its magic.
mime="$root/usr/share/mime/packages/zq22lite.xml"
xmllint --noout "$mime"
mkdir -p "$scratch/mime/packages"
cp "$mime" "$scratch/mime/packages/"
update-mime-database "$scratch/mime" 2>/dev/null
grep -qF 'application/x-zq22lite-config:*.q22' "$scratch/mime/globs2" || fail "no glob *.q22"
grep -qF 'ZQ.32U' "$scratch/mime/magic" || fail "no magic ZQ.32U"

depends="$(dpkg-deb -f "$deb" Depends)"
for library in libqt6core6 libqt6widgets6 libqt6serialport6 libqt6network6 libqt6sql6; do
  [[ "$depends" == *"$library "* ]] || fail "Depends lacks $library: $depends"
done
# Qt loads the panel library's SQLite driver; nothing links it.
[[ ", $depends," == *", libqt6sql6-sqlite,"* ]] || fail "Depends lacks libqt6sql6-sqlite: $depends"

[ "$("$root/usr/bin/zq22" --version)" = "zq22 $version" ] || fail "the unpacked zq22 does not report version $version"
# The command line runs where there is no display: it needs none of Qt's window libraries.
if readelf -d "$root/usr/bin/zq22" | grep -E 'NEEDED.*libQt6(Gui|Widgets|PrintSupport)'; then
  fail "zq22 links a Qt library of the window"
fi
echo "check-package: $(basename "$deb") is complete"
