#!/bin/sh
# make bench: how close the programs run to what the serial line allows, what they cost in
# processor time and memory, how big they ship, and how fast the frame scanner reads.
#
# Every line figure is taken against kivra-sim on a virtual COM port of a Wine prefix of its
# own, at the simulator's paced line speed, and set against its floor computed from the same
# line settings: the wire time of every byte at the baud rate (ten bit times a byte), the
# sensor's turnaround, the read-interval gap after which a serial read ends (ten character
# times at the baud rate), and the session's poll pause. The firmware update and the connect
# figures are also set against their floors with the old fixed gap of 50 ms. Times on the line come from the simulator's frame log (the moment a
# request's last byte arrived, the moment an answer's last byte was out); the connection's
# start comes from the program's own diagnostic log.
#
# Ends with one table: figure, measured, floor, ratio, goal, verdict; exit status 0 even when
# a figure misses (the table says so), 1 when a measurement could not be taken.
#
# BENCH_ONLY="firmware poll fast connect fleet window scanner chart" (any of them) takes only those figures,
# e.g. to repeat one after a change; BENCH_FW_LIMITS="243 128" the firmware block limits.
set -u
# Other work on the machine (compiles) delays every wake-up of the simulator, Wine and the
# program, and so every figure on the line; the bench raises its priority when it may
# (BENCH_NICE=0 leaves it as it is). Processor time is not affected by this.
: "${BENCH_NICE:=-10}"
if [ "$BENCH_NICE" != 0 ] && [ "$(nice)" = 0 ] && [ "$(nice -n "$BENCH_NICE" nice 2>/dev/null)" = "$BENCH_NICE" ]; then
  exec nice -n "$BENCH_NICE" sh "$0" "$@"
fi
cd "$(dirname "$0")/../.."
root=$(pwd)

: "${BENCH_BUILD:=build/bench}"
SIM=${KIVRA_SIM:-$BENCH_BUILD/tools/kivra-sim/kivra-sim}
SCANNER=${KIVRA_SCANNER_BENCH:-$BENCH_BUILD/tools/bench/kivra-scanner-bench}
CLI=${KIVRA_CLI:-build/win64/ui/cli/kivra-cli.exe}
WINDOW_BENCH=${KIVRA_WINDOW_BENCH:-build/win64/tools/bench/kivra-window-bench.exe}
KIVRA=${KIVRA_EXE:-build/win64/ui/main/kivra.exe}
[ -f "$KIVRA" ] || KIVRA=""
WORK=$root/$BENCH_BUILD/run
WINE_RUN="sh $root/cmake/wine-run.sh"

# The line and the session's pace.
BAUD=19200
TURNAROUND_MS=5
# Ten character times at the baud rate, to the nearest millisecond, as the program sizes it.
GAP_MS=$(awk -v baud=$BAUD 'BEGIN { printf "%d", (100000 + baud / 2) / baud }')
OLD_GAP_MS=50
PAUSE_MS=500
FAST_PAUSE_MS=100
IMAGE_BYTES=65536
POLL_SECONDS=${BENCH_POLL_SECONDS:-60}
CONNECT_RUNS=5
IDLE_SECONDS=${BENCH_IDLE_SECONDS:-30}
FW_LIMITS=${BENCH_FW_LIMITS:-243 128}
# chosen PART: whether BENCH_ONLY (empty: every part) names PART.
chosen() { case " ${BENCH_ONLY:-$1} " in *" $1 "*) return 0 ;; esac; return 1; }

for program in "$SIM" "$SCANNER" "$CLI"; do
  if [ ! -x "$program" ]; then
    echo "bench: $program is missing; run make bench" >&2
    exit 1
  fi
done
mkdir -p "$WORK"
rm -f "$WORK"/*.log "$WORK"/*.out "$WORK"/*.sim "$WORK"/*.fw "$WORK"/results
RESULTS=$WORK/results
export KIVRA_WINEPREFIX="$root/$BENCH_BUILD/wineprefix"
prefix=$KIVRA_WINEPREFIX
# A server left from an earlier run may run at another priority.
WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
$WINE_RUN cmd /c exit 0 >/dev/null 2>&1
# One server for the whole run, so that no run pays for starting it.
WINEPREFIX=$prefix wineserver -p120 >/dev/null 2>&1

load() { cut -d' ' -f1-3 /proc/loadavg; }
result() { echo "$*" >>"$RESULTS"; }
fail() {
  echo "bench: $*" >&2
  exit 1
}

sims=""
stop_sims() {
  for pid in $sims; do kill "$pid" 2>/dev/null; done
  for pid in $sims; do wait "$pid" 2>/dev/null; done
  sims=""
}
trap stop_sims EXIT INT TERM

# start_sim NAME COM OPTIONS...: the simulated sensor on COM of the prefix, logging its frames
# to NAME.log.
start_sim() {
  name=$1 com=$2
  shift 2
  : >"$WORK/$name.sim"
  "$SIM" --wine-prefix "$prefix" --com "$com" --baud $BAUD --turnaround $TURNAROUND_MS --exit-after 900 \
    --log "$WORK/$name.log" "$@" >>"$WORK/$name.sim" 2>&1 &
  sims="$sims $!"
  i=0
  until grep -q '^serial: ' "$WORK/$name.sim" && [ -e "$prefix/dosdevices/com$com" ]; do
    i=$((i + 1))
    [ $i -gt 300 ] && fail "the simulator did not come up: $(cat "$WORK/$name.sim")"
    sleep 0.1
  done
}

# The Windows process of a program started under Wine in this prefix: its Linux process.
windows_pid() {
  for p in /proc/[0-9]*; do
    [ "$(cat "$p/comm" 2>/dev/null)" = "$1" ] || continue
    tr '\0' '\n' <"$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$prefix" && echo "${p#/proc/}" && return
  done
}
# user + system time of a process, in clock ticks.
hz=$(getconf CLK_TCK)
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null; }
wineserver_pid() { windows_pid wineserver64 || windows_pid wineserver; }
now_s() { date +%s.%N; }
calc() { awk "BEGIN { printf \"%.9f\", $1 }"; }

# Consecutive request intervals in a simulator log, set against their floors. For every pair
# of requests k, k+1 whose codes pass the filter (both from the list, or every pair from the
# first request of code FROM on to the request of code UNTIL), the measured time between
# their arrivals and the floor: the answer to k on the wire, the turnaround, the read gap,
# request k+1 on the wire, plus PAUSE. Prints "pairs measured floor old-floor" in seconds, the
# old floor with the fixed 50 ms gap.
intervals() {
  awk -v bt="$(calc "10 / $BAUD")" -v turn="$TURNAROUND_MS" -v gap="$GAP_MS" -v old="$OLD_GAP_MS" -v pause="$2" \
      -v codes="${3:-}" -v from="${4:-}" -v until="${5:-}" '
    function field(key,   i, s) {
      i = index($0, "\"" key "\":")
      if (!i) return ""
      s = substr($0, i + length(key) + 3)
      if (substr(s, 1, 1) == "\"") { s = substr(s, 2); sub(/".*/, "", s) } else sub(/[,}].*/, "", s)
      return s
    }
    function wanted(code) { return index(" " codes " ", " " code " ") > 0 }
    field("kind") == "request" { n++; t[n] = field("t"); code[n] = field("code"); len[n] = (length(field("bytes")) + 1) / 3 }
    field("kind") == "answer" && n { answer[n] = (length(field("bytes")) + 1) / 3 }
    END {
      first = 0; last = n
      if (from != "") {
        for (k = 1; k <= n && first == 0; k++) if (code[k] == from) first = k
        for (k = n; k > first && code[k] != until; k--) ;
        last = k
      }
      for (k = 1; k < n; k++) {
        if (from != "" && (k < first || k >= last)) continue
        if (from == "" && !(wanted(code[k]) && wanted(code[k + 1]))) continue
        if (!(k in answer)) continue
        pairs++
        measured += t[k + 1] - t[k]
        floor += (answer[k] + len[k + 1]) * bt + (turn + gap + pause) / 1000
      }
      printf "%d %.6f %.6f %.6f\n", pairs, measured, floor, floor + pairs * (old - gap) / 1000
    }' "$1"
}

u32() { printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"; }
# A firmware image of the supported device type, SIZE bytes in all.
make_image() {
  {
    printf 'FW01'; u32 "$2"; u32 2882400018; u32 99; u32 3201; u32 24
    head -c $(($2 - 28)) /dev/urandom
    u32 2882400018
  } >"$1"
}

echo "=== bench: $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -n 1)"
echo "=== load at start: $(load); priority: nice $(nice)"
result "load_start $(load) $(nice)"

# --- Firmware update: 64 KiB at 19200 baud, block limits 243 and 128.
com=41
chosen firmware && for limit in $FW_LIMITS; do
  echo "--- firmware update, block limit $limit"
  image=$WORK/image$limit.fw
  make_image "$image" $IMAGE_BYTES
  start_sim fw$limit $com --block-limit $limit --save-image "$WORK/received$limit.fw"
  start=$(now_s)
  timeout -k 5 600 $WINE_RUN "$CLI" firmware "$image" --port COM$com --baud $BAUD >"$WORK/fw$limit.out" 2>&1 ||
    fail "the firmware update with block limit $limit failed: $(tail -n 3 "$WORK/fw$limit.out")"
  wall=$(calc "$(now_s) - $start")
  stop_sims
  # A faster line is worth nothing if the sensor holds another image than the file.
  cmp -s "$image" "$WORK/received$limit.fw" || fail "the image the sensor received with block limit $limit differs from the file"
  set -- $(intervals "$WORK/fw$limit.log" 0 3)
  result "fw${limit}_block $1 $2 $3"
  set -- $(intervals "$WORK/fw$limit.log" 0 "" 2 1)
  result "fw${limit}_update $1 $2 $3 $4"
  echo "    done in $(printf %.1f "$wall") s of wall time (program start included)"
  com=$((com + 1))
done

# --- Polling: the period, and the program's processor share and memory over a minute.
com=43
chosen poll && {
echo "--- polling for $POLL_SECONDS s"
start_sim poll $com
# Enough polls to outlast the measured minute by some seconds.
count=$(((POLL_SECONDS + 8) * 1000 / (PAUSE_MS + GAP_MS)))
$WINE_RUN "$CLI" live --count $count --port COM$com >"$WORK/poll.out" 2>&1 &
runner=$!
# Polling has begun when the simulator sees the first data request (the program's own output
# may wait in a buffer).
i=0
until grep -q '"code":40,' "$WORK/poll.log"; do
  i=$((i + 1))
  [ $i -gt 600 ] && fail "no data request within 60 s: $(cat "$WORK/poll.out")"
  sleep 0.1
done
pid=$(windows_pid kivra-cli.exe)
server=$(wineserver_pid)
[ -n "$pid" ] || fail "the kivra-cli process was not found"
ticks0=$(cpu_ticks "$pid"); server0=$(cpu_ticks "$server"); t0=$(now_s)
sleep "$POLL_SECONDS"
ticks1=$(cpu_ticks "$pid"); server1=$(cpu_ticks "$server"); t1=$(now_s)
peak=$(sed -n 's/^VmHWM:[^0-9]*\([0-9]*\).*/\1/p' "/proc/$pid/status")
[ -n "$ticks1" ] && [ -n "$peak" ] || fail "kivra-cli ended before the minute of polling was over"
wait $runner || fail "polling failed: $(tail -n 3 "$WORK/poll.out")"
stop_sims
result "poll_cpu $(calc "($ticks1 - $ticks0) / $hz") $(calc "$t1 - $t0")"
result "poll_server_cpu $(calc "($server1 - $server0) / $hz") $(calc "$t1 - $t0")"
result "poll_peak_kib $peak"
set -- $(intervals "$WORK/poll.log" $PAUSE_MS 40)
result "poll_normal $1 $2 $3"
}
com=44

chosen fast && {
echo "--- fast polling"
start_sim fast $com
$WINE_RUN "$CLI" live --fast --count 120 --port COM$com >"$WORK/fast.out" 2>&1 || fail "fast polling failed"
stop_sims
set -- $(intervals "$WORK/fast.log" $FAST_PAUSE_MS 40)
result "poll_fast $1 $2 $3"
}
com=45

# --- Connect to the first live value: from the channel's opening (the first line of the
# diagnostic log's connection, "Create" of its worker thread) to the read that brought the
# first data answer, against the three exchanges it takes (identification, settings, data).
chosen connect && {
echo "--- connect to first live value, $CONNECT_RUNS runs"
key='HKLM\SOFTWARE\K5W\Log\kivra-cli.exe'
start_sim connect $com
for run in $(seq 1 $CONNECT_RUNS); do
  folder=$prefix/drive_c/bench-diag/run$run
  rm -rf "$folder" && mkdir -p "$folder"
  $WINE_RUN reg add "$key" /v Path /t REG_SZ /d "C:\\bench-diag\\run$run\\kivra-cli.log" /f >/dev/null 2>&1
  $WINE_RUN reg add "$key" /v Level /t REG_DWORD /d 3 /f >/dev/null 2>&1
  $WINE_RUN reg add "$key" /v Limit /t REG_DWORD /d 1024 /f >/dev/null 2>&1
  $WINE_RUN reg add "$key" /v Type /t REG_DWORD /d 1 /f >/dev/null 2>&1
  $WINE_RUN "$CLI" live --count 1 --port COM$com >"$WORK/connect$run.out" 2>&1 || fail "connecting failed"
  cat "$folder"/* | tr -d '\0\r' | awk -v bt="$(calc "10 / $BAUD")" -v turn="$TURNAROUND_MS" -v gap="$GAP_MS" \
      -v old="$OLD_GAP_MS" '
    function seconds(stamp,   p) { split(substr(stamp, 12), p, ":"); return p[1] * 3600 + p[2] * 60 + p[3] }
    function count(text) { sub(/^[RT]x\[/, "", text); sub(/\].*/, "", text); return text + 0 }
    { split($0, f, ";") }
    start == "" && f[2] == "TRACE" && f[3] == "" && f[4] == "Create" { start = seconds(f[1]) }
    start != "" && done == "" && f[4] ~ /^Tx\[/ { floor += count(f[4]) * bt + (turn + gap) / 1000; sent++ }
    start != "" && done == "" && f[4] ~ /^Rx\[/ {
      floor += count(f[4]) * bt
      if (substr(f[4], index(f[4], ":") + 10, 2) == "28") done = seconds(f[1])
    }
    END { if (done != "") printf "connect %.3f %.6f %.6f\n", done - start, floor, floor + sent * (old - gap) / 1000 }' \
    >>"$WORK/connect.runs"
done
$WINE_RUN reg delete "$key" /f >/dev/null 2>&1
stop_sims
[ -s "$WORK/connect.runs" ] || fail "no connection time in the diagnostic logs"
# The median run.
result "connect $(sort -k2 -n "$WORK/connect.runs" | awk '{ a[NR] = $2 " " $3 " " $4 } END { print NR, a[int((NR + 1) / 2)] }')"
}
com=46

# --- kivra.exe: start to the main window shown, then connected by its button and left alone:
# its processor share while it polls. On a virtual display of its own when there is none.
# A failure here costs only these figures (the table shows them as not measured).
[ -n "$KIVRA" ] && chosen window && (
  echo "--- kivra.exe: start, then connected and idle for $IDLE_SECONDS s"
  [ -x "$WINDOW_BENCH" ] || fail "$WINDOW_BENCH is missing; run make bench"
  xvfb=""
  trap 'stop_sims; [ -n "$xvfb" ] && kill "$xvfb"' EXIT
  if [ -z "${DISPLAY:-}" ]; then
    : >"$WORK/xvfb.display"
    Xvfb -displayfd 5 -screen 0 1280x1024x24 5>"$WORK/xvfb.display" >/dev/null 2>&1 &
    xvfb=$!
    i=0
    until [ -s "$WORK/xvfb.display" ]; do
      i=$((i + 1))
      [ $i -gt 100 ] && fail "Xvfb did not start"
      sleep 0.1
    done
    export DISPLAY=":$(cat "$WORK/xvfb.display")"
    # The server's desktop process came up without a display; kivra.exe's windows would go
    # there and never be shown. A server started now brings one up on this display.
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1
    WINEPREFIX=$prefix wineserver -p120 >/dev/null 2>&1
  fi
  start_sim window $com
  $WINE_RUN reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v "COM Port" /t REG_SZ /d COM$com /f >/dev/null 2>&1
  $WINE_RUN "$WINDOW_BENCH" $((IDLE_SECONDS + 15)) "$KIVRA" /eng >"$WORK/window.out" 2>&1 &
  runner=$!
  i=0
  until grep -q '"code":40,' "$WORK/window.log"; do
    i=$((i + 1))
    if [ $i -gt 900 ] || ! kill -0 $runner 2>/dev/null; then
      fail "kivra.exe did not start polling: $(cat "$WORK/window.out")"
    fi
    sleep 0.1
  done
  pid=$(windows_pid kivra.exe)
  [ -n "$pid" ] || fail "the kivra.exe process was not found"
  sleep 2  # the first values drawn
  ticks0=$(cpu_ticks "$pid"); t0=$(now_s)
  sleep "$IDLE_SECONDS"
  ticks1=$(cpu_ticks "$pid"); t1=$(now_s)
  wait $runner || fail "kivra-window-bench: $(cat "$WORK/window.out")"
  result "kivra_window $(calc "$(sed -n 's/^window_ms //p' "$WORK/window.out") / 1000")"
  result "kivra_idle_cpu $(calc "($ticks1 - $ticks0) / $hz") $(calc "$t1 - $t0")"
)

# --- Fleet apply: one vehicle's apply, then FLEET_VEHICLES with FLEET_JOBS links at a time, in
# one run against one simulated relay server; the many against ceil(vehicles / jobs) times the
# one, and the program's peak memory over the whole run. The program's start under Wine (kivra-cli
# --help) is taken out of the one vehicle's time and counted once in the floor, as the many pay it once.
FLEET_VEHICLES=${BENCH_FLEET_VEHICLES:-50}
FLEET_JOBS=8
chosen fleet && {
echo "--- fleet apply: one vehicle, then $FLEET_VEHICLES with $FLEET_JOBS jobs"
{ echo terminal; i=1; while [ $i -le "$FLEET_VEHICLES" ]; do echo $((5000 + i)); i=$((i + 1)); done; } >"$WORK/fleet.csv"
printf 'terminal\n4999\n' >"$WORK/fleet-one.csv"
{ echo "vehicle 4999"; i=1; while [ $i -le "$FLEET_VEHICLES" ]; do echo "vehicle $((5000 + i)),address=$((i % 200 + 1))"; i=$((i + 1)); done; } \
  >"$WORK/fleet.scenario"
printf '{\n  "angle_threshold": "37",\n  "approximation_interval": "25"\n}\n' >"$WORK/fleet-profile.json"
: >"$WORK/fleet.sim"
"$SIM" --no-serial --relay-port 0 --baud $BAUD --turnaround $TURNAROUND_MS --exit-after 900 --log "$WORK/fleet.log" \
  --scenario "$WORK/fleet.scenario" >>"$WORK/fleet.sim" 2>&1 &
sims="$sims $!"
i=0
until grep -q '^relay: ' "$WORK/fleet.sim"; do
  i=$((i + 1))
  [ $i -gt 100 ] && fail "the fleet simulator did not come up: $(cat "$WORK/fleet.sim")"
  sleep 0.1
done
relay=$(sed -n 's/^relay: //p' "$WORK/fleet.sim")
ts=$(now_s)
$WINE_RUN "$CLI" --help >/dev/null 2>&1 || fail "kivra-cli --help failed"
t0=$(now_s)
$WINE_RUN "$CLI" fleet apply "$WORK/fleet-one.csv" "$WORK/fleet-profile.json" --relay "$relay" >"$WORK/fleet-one.out" 2>&1 ||
  fail "one vehicle's apply failed: $(tail -n 3 "$WORK/fleet-one.out")"
t1=$(now_s)
$WINE_RUN "$CLI" fleet apply "$WORK/fleet.csv" "$WORK/fleet-profile.json" --relay "$relay" --jobs $FLEET_JOBS \
  >"$WORK/fleet-many.out" 2>&1 &
runner=$!
peak=0
# The high-water mark only grows: its last reading before the end is the run's peak.
while kill -0 $runner 2>/dev/null; do
  pid=$(windows_pid kivra-cli.exe)
  [ -n "$pid" ] && seen=$(sed -n 's/^VmHWM:[^0-9]*\([0-9]*\).*/\1/p' "/proc/$pid/status" 2>/dev/null) &&
    [ -n "$seen" ] && [ "$seen" -gt "$peak" ] && peak=$seen
  sleep 0.2
done
wait $runner || fail "the fleet's apply failed: $(tail -n 3 "$WORK/fleet-many.out")"
t2=$(now_s)
stop_sims
rounds=$(((FLEET_VEHICLES + FLEET_JOBS - 1) / FLEET_JOBS))
result "fleet_apply 1 $(calc "$t2 - $t1") $(calc "($t0 - $ts) + ($t1 - $t0 - ($t0 - $ts)) * $rounds")"
result "fleet_peak_kib $peak"
}

# --- Sizes as shipped.
result "size_cli $(stat -c %s "$CLI")"
[ -n "$KIVRA" ] && result "size_kivra $(stat -c %s "$KIVRA")"

# --- The frame scanner, natively.
chosen scanner && {
echo "--- frame scanner"
"$SCANNER" >"$WORK/scanner.out" || fail "the scanner benchmark failed: $(cat "$WORK/scanner.out")"
result "scanner $(sed 's/.*MB\/s=\([0-9.]*\).*/\1/' "$WORK/scanner.out")"
}

# A day of fast polling's data log, 1,000,000 long rows (some 70 MB), read and drawn to a PNG by
# kivra-cli chart: the whole road of a picture for a report. Best of three.
chosen chart && {
echo "--- kivra-cli chart: a 1,000,000-row data log to a PNG picture"
awk 'BEGIN { for (i = 0; i < 1000000; i++) { t = i * 180
  printf "%d, %5.1f, %5.1f, %d, %d, %f, %f, %f, %5.1f\r\n", t, 21.5 + sin(t / 5e6), 45 + 30 * sin(t / 20000),
    100 + i % 50, 10, 0.1, 0.2, 0.9, 1.5 } }' >"$WORK/million.txt"
best=""
for run in 1 2 3; do
  start=$(date +%s.%N)
  $WINE_RUN "$CLI" chart "$WORK/million.txt" --out "$WORK/million.png" >"$WORK/chart$run.out" 2>&1 ||
    fail "kivra-cli chart failed: $(cat "$WORK/chart$run.out")"
  took=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }')
  best=$(awk -v a="${best:-$took}" -v b="$took" 'BEGIN { print (b < a ? b : a) }')
done
result "chart_million $best"
rm -f "$WORK/million.txt"
}

result "load_end $(load)"
echo
sh "$root/tools/bench/report.sh" "$RESULTS" ${KIVRA:+--kivra}
