#!/usr/bin/env bash
# Installs what is missing, builds, runs every test with ctest, builds the
# Debian package from the committed sources and checks it, then runs the tests
# all once more in an AddressSanitizer + UndefinedBehaviorSanitizer build. The
# library's tests run on SQLite and on a PostgreSQL server started for each
# ctest run and stopped after it; without one they fail, not skip.
set -euo pipefail
cd "$(dirname "$0")"

scripts/deps.sh
jobs="$(nproc)"
with_postgres="$PWD/scripts/with-postgres.sh"

run_suite() {
  local dir="$1"; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ZQ22_TEST_PG_REQUIRED=1 QT_QPA_PLATFORM=offscreen \
     "$with_postgres" ctest --output-on-failure -j"$jobs")
}

echo "== tests =="
run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== Debian package =="
scripts/package.sh build/deb
scripts/check-package.sh build/deb/zq22lite_*_amd64.deb
echo "== tests under AddressSanitizer + UndefinedBehaviorSanitizer =="
run_suite build/asan -DCMAKE_BUILD_TYPE=Debug -DZQ_SANITIZE=ON
