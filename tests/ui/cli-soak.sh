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
. "$(dirname "$0")/resource-verdict.sh"
verdict=ok
[ "$status" = 13 ] || verdict="status $status (wanted 13, interrupted)"
[ "$rows" = "$answered" ] && [ "$rows" = "${reported:-x}" ] || verdict="rows $rows, reported ${reported:-none}, answered polls $answered"
resource_verdict "$WORK/resources.txt" || verdict="resources grew"
echo "soak: kivra-cli $MINUTES min, $answered answered polls, $rows data-log rows, $RESOURCE_SAMPLES samples;" \
  "$RESOURCE_SUMMARY; $verdict"
test "$verdict" = ok
