#!/usr/bin/env bash
# Builds the benchmarks (build-bench/, optimised) and runs each, printing the
# ratios to the peers measured in the same run and the figures against their
# targets. A first argument that names a benchmark program (dialog_bench)
# builds and runs that one alone. Extra arguments go to every benchmark
# program (e.g. --benchmark_filter=Ours). dialog_bench opens the setup dialog
# on Qt's offscreen platform, so no display is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPREFIG_BENCH=ON -DPREFIG_TESTS=OFF >/dev/null
only=()
if [ $# -gt 0 ] && [[ "$1" != -* ]]; then
  only=("$1")
  shift
fi
if [ ${#only[@]} -gt 0 ]; then
  cmake --build build-bench -j"${PREFIG_JOBS:-2}" --target "${only[0]}"
  programs=("build-bench/bench/${only[0]}")
else
  cmake --build build-bench -j"${PREFIG_JOBS:-2}"
  programs=(build-bench/bench/*_bench)
fi
for program in "${programs[@]}"; do
  echo "== $(basename "$program")"
  "$program" "$@"
done
