#!/bin/sh
# The demonstration behind `make run` (which has built everything already): the frame decoder
# on the example trace of one sensor session, first as text, then as JSON lines.
set -e
cd "$(dirname "$0")/.."
decoder=build/native/tools/kivra-decode/kivra-decode
trace=tools/kivra-decode/example-trace.txt
if [ ! -x "$decoder" ]; then
  echo "run-demo: $decoder is missing; build first (make build)" >&2
  exit 2
fi
echo "=== $trace"
"$decoder" "$trace"
echo "=== $trace as JSON"
"$decoder" --json "$trace"
