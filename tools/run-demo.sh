#!/bin/sh
# The demonstration behind `make run` (which has built everything already): the window program
# against the simulated sensor on a virtual COM port of the Windows build's Wine prefix, stored
# as the last used port so that "Connect sensor" (or F4) shows a live sensor. On the user's
# display the window stays until it is closed. Without a display it runs on a virtual one, is
# connected through its own keys, and a screenshot of the connected window is saved
# (tools/run-demo-headless.sh); then the console front end shows the same sensor. Last, the
# frame decoder reads the example trace.
set -e
cd "$(dirname "$0")/.."
root=$(pwd)
sim=build/native/tools/kivra-sim/kivra-sim
program=build/win64/ui/main/kivra.exe
driver=build/win64/tools/ui-driver/kivra-ui-driver.exe
cli=build/win64/ui/cli/kivra-cli.exe
decoder=build/native/tools/kivra-decode/kivra-decode
trace=tools/kivra-decode/example-trace.txt
for file in "$sim" "$program" "$driver" "$cli" "$decoder"; do
  if [ ! -e "$file" ]; then
    echo "run-demo: $file is missing; build first (make build)" >&2
    exit 2
  fi
done

export KIVRA_WINEPREFIX="$root/build/win64/wineprefix"
port=20
work=$(mktemp -d)
sim_pid=""
stop_all() {
  [ -z "$sim_pid" ] || kill "$sim_pid" 2>/dev/null || true
  [ -z "$sim_pid" ] || wait "$sim_pid" 2>/dev/null || true
  sim_pid=""
  rm -rf "$work"
}
trap stop_all EXIT INT TERM

start_sim() {
  "$sim" --wine-prefix "$KIVRA_WINEPREFIX" --com $port --exit-after "$1" --log "$work/sim.log" >"$work/sim.out" 2>&1 &
  sim_pid=$!
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
}

if [ -n "${DISPLAY:-}" ]; then
  start_sim 3600
  # The last used port, as the window stores it after a connection.
  sh cmake/wine-run.sh reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v "COM Port" /d COM$port /f >/dev/null
  echo "=== kivra.exe on $DISPLAY: the simulated sensor is on COM$port; press F4 or click \"Connect sensor\""
  sh cmake/wine-run.sh "$program"
else
  # No display: the same on a virtual one, in a prefix of the demo's own (its programs share one
  # virtual desktop, so the driver can press the keys).
  stop_all
  trap - EXIT INT TERM
  bash tools/run-demo-headless.sh --driver "$driver" --program "$program" --sim "$sim" \
    --wine cmake/wine-run.sh --work build/run-demo
  work=$(mktemp -d)
  trap stop_all EXIT INT TERM
  export KIVRA_WINEPREFIX="$root/build/win64/wineprefix"
  start_sim 120
  echo "=== kivra-cli info --port COM$port"
  sh cmake/wine-run.sh "$cli" info --port COM$port
  echo "=== kivra-cli live --count 10 --port COM$port"
  sh cmake/wine-run.sh "$cli" live --count 10 --port COM$port
fi
stop_all
trap - EXIT INT TERM

echo "=== kivra-decode $trace"
"$decoder" "$trace"
echo "=== kivra-decode --json $trace"
"$decoder" --json "$trace"
