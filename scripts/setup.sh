#!/usr/bin/env bash
# Installs every build and test dependency from Debian's packages. Safe to run again: it only
# touches the system when something is missing, and says nothing when all is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  libgtest-dev libgmock-dev libbenchmark-dev
  locales time bc
  # The desktop program and its tests, which run offscreen or under a virtual X server.
  qt6-base-dev qt6-svg-dev libgl-dev xvfb xauth fonts-dejavu-core fonts-liberation2
  # lupdate and lrelease for the translations, and Qt's own translations of its dialogs.
  qt6-l10n-tools qt6-translations-l10n
  # The report tests read the words' boxes back from PDF files.
  poppler-utils
  # The Debian package and its checks.
  dpkg-dev file desktop-file-utils libxml2-utils groff-base
  # The Python module and its tests.
  pybind11-dev python3-dev python3-numpy python3-pytest python3-pandas
  # Models evaluated on a cluster of processes, as the module's guide shows.
  python3-dask python3-distributed
  # The fuzz targets: clang with libFuzzer and the sanitizer runtimes.
  clang libclang-rt-14-dev
)
# Tests of number texts run under a locale whose decimal separator is a comma.
test_locale=de_DE.UTF-8

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  echo "setup: generating locale $test_locale"
  as_root localedef -i de_DE -f UTF-8 "$test_locale"
fi
