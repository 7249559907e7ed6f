#!/usr/bin/env bash
# Builds the Debian package ubic_<version>_<arch>.deb from a clean build folder (build-package)
# and copies it to the top of the tree, with python3-ubic_<version>_<arch>.deb beside it when the
# Python module is built. Install them with: apt-get install ./ubic_*.deb ./python3-ubic_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
rm -rf build-package
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DUBIC_TESTS=OFF \
  -DUBIC_BENCHMARKS=OFF >/dev/null
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
cp build-package/ubic_*.deb .
ls ubic_*.deb
# The Python module, when the build made it, is a package of its own.
if ls build-package/python/ubic.cpython-*.so >/dev/null 2>&1; then
  scripts/package-python.sh build-package .
fi
