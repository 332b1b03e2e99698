#!/usr/bin/env bash
# Runs every libFuzzer target for the given number of seconds each.
#   fuzz/run.sh [SECONDS]      (default 60)
# Builds with clang into build-fuzz/; the seeds in fuzz/corpus/<target>/ are
# read, new inputs go to build-fuzz/corpus/<target>/, crashes to
# build-fuzz/crashes/ (turn each into a seed and a regression test).
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
if ! command -v clang++ >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
  echo "fuzz: needs clang and libclang-rt-14-dev (apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPREFIG_FUZZ=ON -DPREFIG_TESTS=OFF >/dev/null
targets=$(cd "$root/fuzz" && ls *_fuzz.cpp | sed "s/_fuzz.cpp$//")
cmake --build "$build" -j2 --target $(printf 'fuzz_%s ' $targets)
mkdir -p "$build/crashes"
status=0
for target in $targets; do
  echo "== fuzz_$target for ${seconds}s"
  mkdir -p "$build/corpus/$target"
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -artifact_prefix="$build/crashes/$target-" \
    "$build/corpus/$target" "$root/fuzz/corpus/$target" || status=1
done
exit $status
