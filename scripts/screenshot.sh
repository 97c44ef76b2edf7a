#!/usr/bin/env bash
# Starts the configurator under Xvfb, as a person would see it, and writes a PNG
# of the screen holding its window. Usage: scripts/screenshot.sh [out.png] [program args...]
set -euo pipefail
cd "$(dirname "$0")/.."

out="${1:-shots/window.png}"
shift || true
scripts/deps.sh xvfb xauth imagemagick
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target zq22lite -j"$(nproc)" >/dev/null
mkdir -p "$(dirname "$out")"

# Each shot runs with a lock folder of its own, so a running copy does not refuse it.
export TMPDIR="$(mktemp -d)"
xvfb-run -a -s "-screen 0 600x640x24" bash -c '
  program="$1"; out="$2"; shift 2
  "$program" "$@" &
  pid=$!
  sleep 3
  import -window root -crop 582x600+0+0 "$out"
  kill "$pid"
' _ build/release/bin/zq22lite "$out" "$@"
rm -rf "$TMPDIR"
echo "$out"
