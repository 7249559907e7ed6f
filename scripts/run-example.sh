#!/usr/bin/env bash
# Builds the command-line tool and runs its main job on a bundled example: the evaluation of the
# options of examples/car.ubm, then the model's report as text.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target ubic-cli
./build/src/cli/ubic-cli evaluate examples/car.ubm
echo
./build/src/cli/ubic-cli report examples/car.ubm --width 120
