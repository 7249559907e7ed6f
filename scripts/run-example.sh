#!/usr/bin/env bash
# Builds the program and runs its main job on a bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target ubic-demo
./build/src/cli/ubic-demo examples/car.ubm
