#!/usr/bin/env bash
# Builds the desktop program and opens the bundled example examples/car.ubm in it. Without a
# display it builds the command-line tool instead and prints the example's evaluation and report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cmake --build build -j "$(nproc)" --target ubic
  exec ./build/src/ui/ubic examples/car.ubm
fi
echo "No display (DISPLAY and WAYLAND_DISPLAY are unset): showing the command-line report instead."
cmake --build build -j "$(nproc)" --target ubic-cli
./build/src/cli/ubic-cli evaluate examples/car.ubm
echo
./build/src/cli/ubic-cli report examples/car.ubm
