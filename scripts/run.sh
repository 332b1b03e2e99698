#!/usr/bin/env bash
# Builds the program directory (build/stage/) and starts the editor stand-in
# prefig-host on a sample configuration (build/sample-config/, made on first
# use). Without a display it writes a picture of every settings page instead
# and names the folder. Extra arguments go to prefig-host (e.g. --page 1).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${PREFIG_JOBS:-2}" --target prefig prefig-host
host=build/stage/prefig-host
config=build/sample-config

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$host" --config "$config" "$@"
fi

shots=build/screenshots
echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so prefig-host cannot open its window."
echo "Writing a picture of every settings page into $root/$shots instead:"
rm -rf "$shots"
QT_QPA_PLATFORM=offscreen "$host" --config "$config" --screenshots "$shots" 2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$host" --config "$config" --screenshots "$shots/200-percent" \
  2> >(grep -v -e XDG_RUNTIME_DIR -e propagateSizeHints >&2)
ls "$shots" "$shots/200-percent"
