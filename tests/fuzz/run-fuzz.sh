#!/bin/sh
# Runs every fuzz target of the fuzz build for a bounded time, starting from its seed corpus.
# New inputs go to a working corpus under the build folder; a crash leaves its input in
# findings/. Usage: run-fuzz.sh BUILD-DIR SECONDS-PER-TARGET
build=$1 seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
work="$build/fuzz-work"
mkdir -p "$work/findings"
targets=0 findings=0 executions=0
for seeds in "$here"/corpus/*/; do
  name=$(basename "$seeds")
  program="$build/tests/fuzz/${name}_fuzz"
  [ -x "$program" ] || { echo "$name: not built"; findings=$((findings + 1)); continue; }
  mkdir -p "$work/$name"
  log="$work/$name.log"
  "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/findings/$name-" "$work/$name" "$seeds" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  line=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
  cov=$(echo "$line" | sed -n 's/.*cov: \([0-9]*\).*/\1/p')
  ft=$(echo "$line" | sed -n 's/.*ft: \([0-9]*\).*/\1/p')
  corpus=$(ls "$work/$name" | wc -l)
  targets=$((targets + 1))
  executions=$((executions + ${runs:-0}))
  if [ "$status" = 0 ]; then
    echo "$name: ${runs:-0} executions, coverage ${cov:-?} edges, ${ft:-?} features, corpus $corpus"
  else
    findings=$((findings + 1))
    echo "$name: FINDING after ${runs:-?} executions (status $status); input in $work/findings/, log $log"
    grep -E 'ERROR|SUMMARY|runtime error' "$log" | head -n 5 | sed 's/^/    | /'
  fi
done
echo "fuzz: $targets targets, $executions executions, $findings findings, ${seconds} s each"
test "$findings" = 0
