#!/usr/bin/env bash
# Builds python3-ubic from a finished build folder and checks what a user's machine would get:
# the control fields, and a module that imports from Debian's Python path and evaluates a model.
#   python_package_test.sh BUILD_DIR EXAMPLES_DIR
set -euo pipefail
build=$1 examples=$2
source_dir=$(realpath "$(dirname "$0")/../..")
if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
  echo "skipped: dpkg-deb or dpkg-shlibdeps is missing"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
deb=$("$source_dir/scripts/package-python.sh" "$build" "$work")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = python3-ubic ] || fail "Package is '$(field Package)'"
python=$(/usr/bin/python3 -c 'import sys; print(f"{sys.version_info[0]}.{sys.version_info[1]}")')
case "$(field Recommends)" in
  *"ubic (= $(field Version))"*python3-pandas*python3-dask*python3-distributed*) ;;
  *) fail "Recommends is '$(field Recommends)'" ;;
esac
case "$(field Depends)" in
  *"python3 (>= $python)"*python3-numpy*libstdc++6*) ;;
  *) fail "Depends is '$(field Depends)'" ;;
esac

dpkg-deb -x "$deb" "$work/root"
site=$work/root/usr/lib/python3/dist-packages
[ -f "$site/ubic.pyi" ] || fail "no type stubs"
PYTHONPATH=$site /usr/bin/python3 -c "
import ubic, sys
assert ubic.__file__.startswith('$site'), ubic.__file__
model = ubic.load('$examples/car.ubm')
assert model.evaluate()[0]['CAR'] == 'good'
" || fail "the installed module does not evaluate the example"

# The guide's blocks, with the examples where the program's package puts them beside the module.
mkdir -p "$work/root/usr/share/ubic"
cp -r "$examples" "$work/root/usr/share/ubic/examples"
PYTHONDONTWRITEBYTECODE=1 PYTHONPATH=$site /usr/bin/python3 -c "
import sys, ubic
assert ubic.examples.resolve() == __import__('pathlib').Path('$work/root/usr/share/ubic/examples').resolve(), ubic.examples
sys.path.insert(0, '$source_dir/tests/python')
from tutorial import run_guide
run_guide('$work/root/usr/share/doc/python3-ubic/python.md')
" || fail "the guide's blocks do not run with the installed module"

[ "$failures" -eq 0 ] || exit 1
echo "python3-ubic: all checks passed"
