#!/usr/bin/env bash
# Builds the soak in build and runs it with fresh seeds for MINUTES (10 by default): random
# commands on the desktop program, each followed by a check of the document window. A failure
# names its step, seed and command; run it again with
#   build/tests/soak/ui_soak --steps STEPS --seed SEED
#
#   scripts/soak.sh [MINUTES]
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-10}

scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target ui_soak
QT_QPA_PLATFORM=offscreen build/tests/soak/ui_soak --steps 2000 --minutes "$minutes"
