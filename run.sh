#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the configurator.
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release --target zq22lite -j"$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show the window on: run it as  xvfb-run ./run.sh  or from a desktop session." >&2
  exit 1
fi
exec build/release/bin/zq22lite
