#!/bin/sh
# A long run of kivra-cli under Wine against the simulator: fast polling with the data log
# and the communication trace on, for SOAK_MINUTES (30 by default). Memory, handles and GDI
# objects are sampled once a minute (--resources) and must stay flat; the data log must hold
# exactly one row per answered poll of the trace. Ends with a summary line.
# usage: cli-soak.sh --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
NAME=cli-soak
MINUTES=${SOAK_MINUTES:-30}
SIM_LIFETIME=$((MINUTES * 60 + 300))
. "$(dirname "$0")/cli-harness.sh"
DECODE="$(dirname "$SIM")/../kivra-decode/kivra-decode"
COM=31

rm -f "$WORK/rows.txt" "$WORK/trace.txt" "$WORK/resources.txt"
start_sim soak "$COM"
sh "$WINE_RUN" "$CLI" log "$WORK/rows.txt" --count 2000000000 --fast --port "COM$COM" \
  --trace "$WORK/trace.txt" --resources "$WORK/resources.txt" >"$WORK/soak.out" 2>"$WORK/soak.err" &
pid=$!
sleep $((MINUTES * 60))
kill -INT "$pid"
wait "$pid"
status=$?
stop_sims

rows=$(grep -c . "$WORK/rows.txt" 2>/dev/null || echo 0)
reported=$(sed -n 's/^\([0-9]*\) rows appended.*/\1/p' "$WORK/soak.out" | tr -d '\r')
# Answered polls: data answers (code 40) with a sound checksum, the diagnostics answer (subcode 3) aside.
answered=$("$DECODE" --json "$WORK/trace.txt" |
  grep '"dir":"rx","family":"response",.*"code":40,.*"crc_ok":true' | grep -vc '"subcode":3[,}]')
first=$(head -n 1 "$WORK/resources.txt")
last=$(tail -n 1 "$WORK/resources.txt")
samples=$(grep -c . "$WORK/resources.txt")
field() { echo "$2" | sed -n "s/.*$1=\([0-9]*\).*/\1/p"; }
# Flat: the last sample at most 10 % (and 1 MiB) above the one after the first minute, when
# the run has settled; handles and GDI objects not above it at all.
settled=$(sed -n 2p "$WORK/resources.txt")
[ -n "$settled" ] || settled=$first
mem0=$(field memory "$settled") mem1=$(field memory "$last")
h0=$(field handles "$settled") h1=$(field handles "$last")
g0=$(field gdi "$settled") g1=$(field gdi "$last")
verdict=ok
[ "$status" = 13 ] || verdict="status $status (wanted 13, interrupted)"
[ "$rows" = "$answered" ] && [ "$rows" = "${reported:-x}" ] || verdict="rows $rows, reported ${reported:-none}, answered polls $answered"
[ "$mem1" -le $((mem0 + mem0 / 10 + 1048576)) ] && [ "$h1" -le "$h0" ] && [ "$g1" -le "$g0" ] ||
  verdict="resources grew: $settled -> $last"
echo "soak: $MINUTES min, $answered answered polls, $rows data-log rows, $samples samples;" \
  "memory $(field memory "$first") -> $mem0 (after 1 min) -> $mem1 bytes, handles $(field handles "$first") -> $h0 -> $h1," \
  "GDI objects $(field gdi "$first") -> $g0 -> $g1; $verdict"
test "$verdict" = ok
