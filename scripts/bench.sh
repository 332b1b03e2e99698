#!/usr/bin/env bash
# Builds the benchmarks (build-bench/, optimised) and runs each, printing the
# ratios to the peers measured in the same run. Extra arguments go to every
# benchmark program (e.g. --benchmark_filter=Ours).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPREFIG_BENCH=ON -DPREFIG_TESTS=OFF >/dev/null
cmake --build build-bench -j"${PREFIG_JOBS:-2}"
for program in build-bench/bench/*_bench; do
  echo "== $(basename "$program")"
  "$program" "$@"
done
