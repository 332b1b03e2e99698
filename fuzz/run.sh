#!/usr/bin/env bash
# Runs libFuzzer targets for the given number of seconds each.
#   fuzz/run.sh [SECONDS] [TARGET...]   (default 60 s, every target)
#   FUZZ_JOBS=2 fuzz/run.sh 1800        two targets at a time
# Builds with clang into build-fuzz/; the seeds in fuzz/corpus/<target>/ are
# read, new inputs go to build-fuzz/corpus/<target>/, crashes to
# build-fuzz/crashes/ (turn each into a seed and a regression test), each
# run's output to build-fuzz/logs/<target>.log. Ends with one line per
# target: executions, executions a second, coverage, features, crash files.
set -euo pipefail
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
jobs=${FUZZ_JOBS:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
if ! command -v clang++ >/dev/null || ! dpkg -s libclang-rt-14-dev >/dev/null 2>&1; then
  echo "fuzz: needs clang and libclang-rt-14-dev (apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPREFIG_FUZZ=ON -DPREFIG_TESTS=OFF >/dev/null
if (($# > 0)); then
  targets="$*"
else
  targets=$(cd "$root/fuzz" && ls *_fuzz.cpp | sed "s/_fuzz.cpp$//")
fi
cmake --build "$build" -j2 --target $(printf 'fuzz_%s ' $targets)
mkdir -p "$build/crashes" "$build/logs"

run_one() {
  local target=$1
  mkdir -p "$build/corpus/$target"
  # Crash files of this run only: the count before is subtracted.
  ls "$build/crashes" | grep -c "^$target-" >"$build/logs/$target.before" || true
  # Inputs stay below FUZZ_MAX_LEN bytes (default 4096; longer seeds are
  # cut): a reader's work grows with its input, and the largest seeds made
  # a run a second.
  # An input that runs longer than FUZZ_TIMEOUT seconds (default 20) is
  # kept as a timeout file: libFuzzer's own bound is twenty minutes.
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="${FUZZ_MAX_LEN:-4096}" \
    -timeout="${FUZZ_TIMEOUT:-20}" -print_final_stats=1 \
    -artifact_prefix="$build/crashes/$target-" "$build/corpus/$target" "$root/fuzz/corpus/$target" \
    >"$build/logs/$target.log" 2>&1
}

# The figures of one target's log.
summary() {
  local target=$1 log=$build/logs/$1.log
  local runs rate last cov ft before after
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  last=$(grep -a ' cov: ' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  before=$(cat "$build/logs/$target.before" 2>/dev/null || echo 0)
  after=$(ls "$build/crashes" | grep -c "^$target-" || true)
  printf '%-22s %12s %8s %7s %7s %8s\n' "$target" "${runs:-?}" "${rate:-?}" "${cov:-?}" "${ft:-?}" $((after - before))
}

status=0
running=0
for target in $targets; do
  if ((running >= jobs)); then
    wait -n || status=1
    running=$((running - 1))
  fi
  echo "== fuzz_$target for ${seconds}s"
  run_one "$target" &
  running=$((running + 1))
done
while ((running > 0)); do
  wait -n || status=1
  running=$((running - 1))
done

printf '%-22s %12s %8s %7s %7s %8s\n' target executions exec/s cov ft crashes
for target in $targets; do summary "$target"; done
exit $status
