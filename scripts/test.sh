#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: once in an
# optimised build (build/) and once under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
jobs=${PREFIG_JOBS:-2}

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest -j"$jobs" --output-on-failure --timeout 300)
}

echo "== build and test (build/)"
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== build and test under sanitizers (build-asan/)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DPREFIG_SANITIZE=ON
