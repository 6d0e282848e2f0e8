#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them; arguments go to each program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DVELUMBRA_BUILD_TESTS=OFF \
    -DVELUMBRA_BUILD_GUI=ON -DVELUMBRA_BUILD_BENCH=ON >/dev/null
cmake --build build/bench -j"$(nproc)"
for program in build/bench/bin/bench_*; do
    "$program" "$@"
done
