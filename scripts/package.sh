#!/usr/bin/env bash
# Builds the Debian package zq22lite_<version>_amd64.deb in Release from a clean
# clone of the committed sources (HEAD), and leaves it in OUT_DIR (default:
# the top of the tree).   Usage: scripts/package.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-shlibdeps finds the libraries the programs need, file tells it which
# files are programs, rsvg-convert draws the icon's bitmaps.
scripts/deps.sh dpkg-dev file librsvg2-bin

out="$(realpath -m "${1:-.}")"
work="$PWD/build/package"
rm -rf "$work"
mkdir -p "$work" "$out"
git clone --quiet --no-local . "$work/src"
# The package is dated by the commit it is made of.
SOURCE_DATE_EPOCH="$(git -C "$work/src" log -1 --format=%ct)"
export SOURCE_DATE_EPOCH

# Debian's hardening, as its own packages are built; the debugging data would
# only be stripped.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
# Only the packaged programs are built: installing must not wait for the tests.
cmake -S "$work/src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DZQ_PACKAGE=ON \
      -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
cmake --build "$work/build" -j"$(nproc)" --target zq22lite zq22 zq22-panel-sim zq_package_files
(cd "$work/build" && cpack -G DEB >/dev/null)
cp "$work/build"/zq22lite_*_amd64.deb "$out/"
ls "$out"/zq22lite_*_amd64.deb
