#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for the given number of
# seconds, 60 unless told. Not part of the test suite.
#   scripts/fuzz.sh [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_tarif_reader fuzz_provider_reader fuzz_record_reader fuzz_ini_text)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DDUDODE_WITH_FUZZ=ON -DDUDODE_SANITIZE=ON -DDUDODE_WITH_GUI=OFF -DDUDODE_WITH_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"${DUDODE_JOBS:-2}" --target "${targets[@]}"

for target in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  # Seeds: the hand-written fixtures of the tests.
  seeds=()
  extra=()
  case "$target" in
    fuzz_tarif_reader) seeds=(tests/data/tarif); extra=(-dict=tests/fuzz/tarif.dict) ;;
    fuzz_provider_reader) seeds=(tests/data/providers); extra=(-dict=tests/fuzz/provider.dict) ;;
    fuzz_record_reader) seeds=(tests/data/templates) ;;
  esac
  echo "== $target for ${seconds}s =="
  ASAN_OPTIONS=detect_leaks=1 "build-fuzz/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 "${extra[@]}" "$corpus" "${seeds[@]}"
done
