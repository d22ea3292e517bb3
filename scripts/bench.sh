#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-bench -j"${DUDODE_JOBS:-2}"
for b in build-bench/bench/bench_*; do
  [ -x "$b" ] && "$b" "$@"
done
