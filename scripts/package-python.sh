#!/usr/bin/env bash
# Makes python3-ubic_<version>_<arch>.deb from a finished build folder: the module "ubic" and its
# type stubs under Debian's Python path, depending on the Python it was built for.
#   scripts/package-python.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=$(realpath "$1") out=$(realpath "$2")
source_dir=$(realpath "$(dirname "$0")/..")

module=$(ls "$build"/python/ubic.cpython-*.so)
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
arch=$(dpkg --print-architecture)
# cpython-311-... is Python 3.11: the module works with that version only.
tag=$(basename "$module" | sed -n 's/^ubic\.cpython-\([0-9]\)\([0-9]*\)-.*/\1.\2/p')
next="${tag%.*}.$((${tag#*.} + 1))"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
site=$root/usr/lib/python3/dist-packages
mkdir -p "$site" "$root/usr/share/doc/python3-ubic" "$root/DEBIAN" "$work/debian"
install -m 644 "$module" "$site/"
strip --strip-unneeded "$site/$(basename "$module")"
install -m 644 "$build/python/ubic.pyi" "$site/"
install -m 644 "$source_dir/packaging/copyright" "$root/usr/share/doc/python3-ubic/"
install -m 644 "$source_dir/docs/python.md" "$root/usr/share/doc/python3-ubic/"

# The libraries the module needs, as Debian's tools find them.
echo "Source: ubic" >"$work/debian/control"
libraries=$(cd "$work" && dpkg-shlibdeps -O "$site/$(basename "$module")" 2>/dev/null |
  sed -n 's/^shlibs:Depends=//p')
size=$(du -sk "$root/usr" | cut -f1)
cat >"$root/DEBIAN/control" <<CONTROL
Package: python3-ubic
Version: $version
Architecture: $arch
Maintainer: The Ubic developers <ubic@example.org>
Installed-Size: $size
Depends: python3 (>= $tag), python3 (<< $next), python3-numpy, $libraries
Recommends: ubic (= $version), python3-pandas, python3-dask, python3-distributed
Section: python
Priority: optional
Description: Python module for qualitative multi-attribute decision models
 The module ubic reads, writes, builds and evaluates the decision models of
 Ubic with the same code as the desktop program and ubic-cli.
CONTROL
dpkg-deb --root-owner-group --build "$root" "$out/python3-ubic_${version}_${arch}.deb" >/dev/null
echo "$out/python3-ubic_${version}_${arch}.deb"
