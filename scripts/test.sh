#!/usr/bin/env bash
# Sets everything up, builds and runs every test; exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh

jobs="${DUDODE_JOBS:-2}"

echo "== Format check (clang-format) =="
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror

echo "== Build and test (g++) =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDUDODE_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Core tests with AddressSanitizer and UndefinedBehaviorSanitizer (clang) =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DDUDODE_WITH_GUI=OFF -DDUDODE_WITH_BENCH=OFF -DDUDODE_SANITIZE=ON -DDUDODE_WERROR=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
