#!/usr/bin/env bash
# Builds the Debian package of the program into a folder (default
# build/package/) and prints its file name. The package installs under /usr:
# the program directory in /usr/lib/prefig, prefig and prefig-host on the
# PATH, the desktop entry, MIME types, icon and manual page.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out=$(realpath -m "${1:-build/package}")
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${PREFIG_JOBS:-2}"
mkdir -p "$out"
cpack --config build/CPackConfig.cmake -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
ls "$out"/*.deb
