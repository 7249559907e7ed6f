#!/usr/bin/env bash
# Builds the Debian package from a finished build folder into a temporary folder and checks what
# a user's machine would get: the file list, the control fields, the desktop entry and the type of
# model files.
#   package_test.sh BUILD_DIR VERSION DESKTOP(ON|OFF)
set -euo pipefail
build=$1 version=$2 desktop=$3

if ! command -v dpkg-deb >/dev/null; then
  echo "skipped: dpkg-deb is missing"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/ubic_${version}_${arch}.deb
[ -f "$deb" ] || { fail "no package named $(basename "$deb")"; ls "$work"; exit 1; }

# Control fields: name, version, computed dependencies.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = ubic ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for library in libc6 libstdc++6; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library: $depends"
done
if [ "$desktop" = ON ]; then
  grep -q libqt6widgets6 <<<"$depends" || fail "Depends lacks libqt6widgets6: $depends"
fi

# The file list.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/files"
expected=(
  /usr/bin/ubic-cli
  /usr/share/applications/ubic.desktop
  /usr/share/mime/packages/ubic.xml
  /usr/share/icons/hicolor/scalable/apps/ubic.svg
  /usr/share/man/man1/ubic.1.gz
  /usr/share/man/man1/ubic-cli.1.gz
  /usr/share/doc/ubic/ubic-cli.md
  /usr/share/doc/ubic/copyright
  /usr/share/ubic/examples/car.ubm
  /usr/share/ubic/examples/applicant.ubm
  /usr/share/ubic/examples/home.ubm
)
for size in 16 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/ubic.png")
done
if [ "$desktop" = ON ]; then
  expected+=(/usr/bin/ubic /usr/share/doc/ubic/manual/index.html)
fi
for path in "${expected[@]}"; do
  grep -qx "$path" "$work/files" || fail "package lacks $path"
done
if grep -E '^/usr/(include|lib)/|\.a$' "$work/files"; then fail "package holds build leftovers"; fi

# What the desktop and the file manager read.
dpkg-deb -x "$deb" "$work/root"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$work/root/usr/share/applications/ubic.desktop" \
    || fail "desktop-file-validate refuses the desktop entry"
else
  echo "note: desktop-file-validate is missing; the desktop entry is not validated"
fi
mime=$work/root/usr/share/mime/packages/ubic.xml
xmllint --noout "$mime" || fail "the MIME type file is not well-formed XML"
grep -q 'pattern="\*\.ubm"' "$mime" || fail "the MIME type does not name *.ubm"
grep -q 'MimeType=application/x-ubic-model;' "$work/root/usr/share/applications/ubic.desktop" \
  || fail "the desktop entry does not open model files"

# The copyright file is in the machine-readable format: a header paragraph, then one for all
# files, each licence named.
copyright=$work/root/usr/share/doc/ubic/copyright
head -n1 "$copyright" \
  | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  || fail "the copyright file does not name its format"
grep -qx 'Files: \*' "$copyright" || fail "the copyright file does not cover all files"
grep -q '^Copyright: ' "$copyright" || fail "the copyright file names no copyright holder"
grep -q '^License: ' "$copyright" || fail "the copyright file names no licence"

# The manual pages are well-formed.
for page in ubic ubic-cli; do
  warnings=$(zcat "$work/root/usr/share/man/man1/$page.1.gz" | groff -man -ww -z 2>&1 || true)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done

# The installed tool runs from the package's files.
"$work/root/usr/bin/ubic-cli" --version | grep -qx "ubic-cli $version" || fail "ubic-cli --version"
"$work/root/usr/bin/ubic-cli" stats "$work/root/usr/share/ubic/examples/car.ubm" >/dev/null \
  || fail "ubic-cli cannot read the installed example"

if [ "$desktop" = ON ]; then
  "$work/root/usr/bin/ubic" --version | grep -qx "ubic $version" || fail "ubic --version"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures failures"
  exit 1
fi
echo "package $(basename "$deb") checked"
