#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (60 unless given), one after the
# other and niced, under AddressSanitizer and UndefinedBehaviorSanitizer, in
# the clang build build/fuzz. Each run starts from the target's corpus in
# fuzz/corpus and keeps what it finds in build/fuzz/corpus; with --merge the
# inputs that reach edges the corpus does not are added to fuzz/corpus (to be
# committed), edges only, not hit counts, so that it stays small.
# Reports each target's coverage and every crash with the input that caused it;
# fails when there was a crash.
#
#   scripts/fuzz.sh [SECONDS] [--merge] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
merge=0
targets=()
for argument in "$@"; do
  case "$argument" in
    --merge) merge=1 ;;
    ''|*[!0-9]*) targets+=("$argument") ;;
    *) seconds="$argument" ;;
  esac
done

scripts/deps.sh clang-14 libfuzzer-14-dev

if ((${#targets[@]} == 0)); then
  for source in fuzz/*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZQ_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 \
  "${launcher[@]}" >/dev/null
nice cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
crashes=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  artifacts="$build/crashes/$target"
  mkdir -p "$corpus" "$artifacts"
  log="$build/$target.log"
  echo "== $target: $seconds s"
  status=0
  nice "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true
  if ((status != 0)); then
    tail -40 "$log"
  fi
  for input in "$artifacts"/*; do
    [ -e "$input" ] && crashes+=("$target: $input")
  done
  if ((merge)); then
    nice "$build/bin/fuzz_$target" -merge=1 -use_counters=0 "fuzz/corpus/$target" "$corpus" >>"$log" 2>&1
    echo "   corpus: $(ls "fuzz/corpus/$target" | wc -l) files in fuzz/corpus/$target"
  fi
done

if ((${#crashes[@]})); then
  echo "== crashes (replay one with $build/bin/fuzz_TARGET INPUT; the logs are $build/TARGET.log)"
  printf '%s\n' "${crashes[@]}"
  exit 1
fi
echo "== no crash"
