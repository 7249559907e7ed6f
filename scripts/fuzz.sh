#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz and runs one of them.
#
#   scripts/fuzz.sh TARGET [SECONDS]   fuzz TARGET for SECONDS (600 by default); new inputs go to
#                                      build-fuzz/work/TARGET, findings and the log to
#                                      build-fuzz/findings/TARGET
#   scripts/fuzz.sh --merge TARGET     add the inputs of build-fuzz/work/TARGET that reach code the
#                                      corpus does not to fuzz/corpus/TARGET
#
# Targets: xml ubm subtree jkiv kvx options. A finding is fixed where the fault is, and its input
# goes to fuzz/corpus/TARGET/regress under a name that says what it holds.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

merge=0
if [ "${1:-}" = "--merge" ]; then merge=1; shift; fi
target=${1:?usage: scripts/fuzz.sh [--merge] TARGET [SECONDS]}
seconds=${2:-600}

# The parts of each target's dictionary: every XML format shares the XML syntax.
case $target in
  xml) parts=(xml) ;;
  ubm | subtree) parts=(xml ubm) ;;
  jkiv) parts=(xml jkiv) ;;
  kvx | options) parts=("$target") ;;
  *) echo "unknown target \"$target\"" >&2; exit 2 ;;
esac

scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DUBIC_FUZZ=ON -DUBIC_BENCHMARKS=OFF -DUBIC_DESKTOP=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "fuzz_$target"

fuzzer=$root/build-fuzz/fuzz/fuzz_$target
corpus=$root/fuzz/corpus/$target
work=$root/build-fuzz/work/$target
findings=$root/build-fuzz/findings/$target
mkdir -p "$work" "$findings"

if [ $merge -eq 1 ]; then
  "$fuzzer" -merge=1 -rss_limit_mb=2048 -timeout=10 "$corpus" "$work"
  exit 0
fi

dict=$findings/$target.dict
for part in "${parts[@]}"; do cat "fuzz/dict/$part.dict"; done >"$dict"
# One job in one worker: the machine is shared. The job's output goes to fuzz-0.log.
cd "$findings"
"$fuzzer" -dict="$dict" -rss_limit_mb=2048 -timeout=10 -max_total_time="$seconds" \
  -max_len=16384 -jobs=1 -workers=1 -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$corpus"
