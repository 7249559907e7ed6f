#!/usr/bin/env bash
# End-to-end speed and peak memory of "ubic-cli evaluate --options --csv" on 100,000 options of a
# model with 20 basic and 10 aggregate attributes. Run after building (scripts/test.sh or
# scripts/run-example.sh): bench/cli_evaluate.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target ubic-cli make-cli-inputs >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
options=100000
"$build/bench/make-cli-inputs" "$work/model.ubm" "$work/options.csv" "$options"
start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$work/rss" \
  "$build/src/cli/ubic-cli" evaluate "$work/model.ubm" --options "$work/options.csv" --csv \
  >"$work/out.csv"
end=$(date +%s.%N)
seconds=$(echo "$end - $start" | bc -l)
printf 'options: %d\nseconds: %.3f\noptions per second: %.0f\npeak memory: %d MB\n' \
  "$options" "$seconds" "$(echo "$options / $seconds" | bc -l)" "$(( $(cat "$work/rss") / 1024 ))"
