#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number
# of seconds (default 60). Not part of the test suite.
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_provider_reader fuzz_record_reader)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DDUDODE_FUZZ=ON -DDUDODE_WITH_GUI=OFF -DDUDODE_WITH_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"${DUDODE_JOBS:-2}" --target "${targets[@]}"

for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  # Seeds: the hand-written fixtures of the tests and the sample data.
  case "$target" in
    fuzz_provider_reader) cp -n tests/data/providers/*.ini data/Provider.ini "$corpus"/ 2>/dev/null || true ;;
    fuzz_record_reader) cp -n tests/data/templates/*.dat "$corpus"/ ;;
  esac
  echo "== $target for ${seconds}s =="
  ASAN_OPTIONS=detect_leaks=1 "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
done
