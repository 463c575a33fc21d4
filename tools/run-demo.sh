#!/bin/sh
# The demonstration behind `make run` (which has built everything already): the tool's main job
# against the simulated sensor on a virtual COM port of the Windows build's Wine prefix
# (kivra-cli info, then ten lines of live values), then the frame decoder on the example trace.
set -e
cd "$(dirname "$0")/.."
root=$(pwd)
sim=build/native/tools/kivra-sim/kivra-sim
cli=build/win64/ui/cli/kivra-cli.exe
decoder=build/native/tools/kivra-decode/kivra-decode
trace=tools/kivra-decode/example-trace.txt
for program in "$sim" "$cli" "$decoder"; do
  if [ ! -e "$program" ]; then
    echo "run-demo: $program is missing; build first (make build)" >&2
    exit 2
  fi
done

export KIVRA_WINEPREFIX="$root/build/win64/wineprefix"
port=20
work=$(mktemp -d)
"$sim" --wine-prefix "$KIVRA_WINEPREFIX" --com $port --exit-after 120 --log "$work/sim.log" >"$work/sim.out" 2>&1 &
sim_pid=$!
stop_sim() {
  kill "$sim_pid" 2>/dev/null || true
  wait "$sim_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap stop_sim EXIT INT TERM
# The simulator prints its device and links it into the prefix as COM20.
i=0
until grep -q '^serial: ' "$work/sim.out" && [ -e "$KIVRA_WINEPREFIX/dosdevices/com$port" ]; do
  i=$((i + 1))
  if [ $i -gt 100 ] || ! kill -0 "$sim_pid" 2>/dev/null; then
    echo "run-demo: the simulator did not start:" >&2
    cat "$work/sim.out" >&2
    exit 1
  fi
  sleep 0.1
done

echo "=== kivra-cli info --port COM$port"
sh cmake/wine-run.sh "$cli" info --port COM$port
echo "=== kivra-cli live --count 10 --port COM$port"
sh cmake/wine-run.sh "$cli" live --count 10 --port COM$port
stop_sim
trap - EXIT INT TERM

echo "=== kivra-decode $trace"
"$decoder" "$trace"
echo "=== kivra-decode --json $trace"
"$decoder" --json "$trace"
