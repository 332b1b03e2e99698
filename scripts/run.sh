#!/usr/bin/env bash
# Builds the program directory (build/stage/) and shows the command line at work
# on a sample settings file.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${PREFIG_JOBS:-2}" --target prefig Prefig
prefig=build/stage/prefig
sample=build/sample/VELMO.INI
mkdir -p build/sample
"$prefig" ini open "$sample"
"$prefig" ini set-int "$sample" SYSTEM TABCHARS 4
"$prefig" ini set "$sample" EDITOR FONTFACENAME "Courier New"
echo "SYSTEM/TABCHARS = $("$prefig" ini get-int "$sample" SYSTEM TABCHARS 4 1 16)"
echo "--- $sample"
cat "$sample"
echo "---"
"$prefig" --help
