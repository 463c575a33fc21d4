#!/bin/bash
# A long run of kivra.exe under Wine against the simulator, driven through its window: connected,
# the log page open with its trace, fast polling and the data log on, for SOAK_MINUTES (30 by
# default). kivra.exe samples its own memory, handles and GDI objects once a minute (/resources),
# which must stay flat; the data log must hold exactly one row per data answer the simulator sent
# while logging was on, each row at its answer's time. Ends with a summary line.
# usage: window-soak.sh --driver kivra-ui-driver.exe --program kivra.exe --sim kivra-sim
#                       --wine wine-run.sh --work DIR
NAME=window-soak
MINUTES=${SOAK_MINUTES:-30}
SIM_LIFETIME=$((MINUTES * 60 + 600))
# The soak's own waits are minutes long; the driver answers each command long before.
. "$(dirname "$0")/../ui/window-harness.sh"
. "$(dirname "$0")/../ui/resource-verdict.sh"
COM=32

install_program
ROWS="$WORK/bin/GearLog_12345.txt"
rm -f "$ROWS" "$WORK/resources.txt"
# Data answers the simulator has sent so far: its log lines of them, with their times.
data_answers() { grep '"dir":"tx","kind":"answer",.*"code":40[,}]' "$WORK/soak.log"; }

window_setup
start_sim soak "$COM"
start_program kivra "$KIVRA" /resources "$(winpath "$WORK/resources.txt")"
step start 'wait-window "Vextora KIVRA*" 30000' || finish
step connect 'click 1009' 'wait-window "Sensor connection parameters"' "select 1169 COM$COM" 'select 1088 19200' \
  'click 1' 'wait-closed' 'key F4' || finish
check ready 'expect enabled 1010 = 1 30000'
step log-tab 'key ctrl+F12' || finish
check log-tab-shown 'expect tab-items 1001 ~ "*Log*" 5000'
step log-page 'tab-select 1001 Log' 'click page:1217' || finish
check fast-polling 'expect checked page:1217 = 1'
step data-log-on 'click page:1208' || finish
on_at=$(data_answers | wc -l)
check data-log-checked 'expect checked page:1208 = 1'
echo "$NAME: polling fast with the trace and the data log for $MINUTES min"
sleep $((MINUTES * 60))
check trace-still-shown 'expect text page:1075 ~ "*Rx;42 *"'
step data-log-off 'click page:1208' || finish
off_at=$(data_answers | wc -l)
screenshot soak-end
step close 'close' 'message-box' 'answer OK' 'wait-closed 20000' || finish
# The program's last sample is written as it ends.
for _ in 1 2 3 4 5 6 7 8 9 10; do
  kill -0 ${programs##* } 2>/dev/null || break
  sleep 1
done

# One row per data answer. The session writes an answer's row before it pauses and polls again,
# so row i (its time since the first row in its first field) falls after answer first+i was sent
# and before answer first+i+1 was, on the simulator's clock counted from answer first; both
# programs read the same monotonic clock. A row lost, doubled or written for no answer puts every
# later row a whole poll period outside its slot. The first row's own delay is allowed for below
# the slot (SLACK_MS); above it the bound is exact. The first row belongs to one of the answers
# sent around the moment logging was switched on.
SLACK_MS=60
rows_match() {
  data_answers | sed -n 's/^{"t":\([0-9.]*\),.*/\1/p' >"$WORK/answer-times.txt"
  tr -d '\r' <"$ROWS" | cut -d, -f1 >"$WORK/row-times.txt"
  awk -v on="$on_at" -v off="$off_at" -v slack="$SLACK_MS" '
    FNR == NR { answer[NR] = $1 * 1000; answers = NR; next }
    { row[FNR - 1] = $1; rows = FNR }
    END {
      worst = ""
      for (first = on - 1; first <= on + 2; ++first) {
        if (first < 1) continue
        good = 1
        for (i = 0; i < rows && good; ++i) {
          a = first + i
          if (a > answers) { good = 0; worst = "more rows than answers"; break }
          if (row[i] < answer[a] - answer[first] - slack ||
              (a < answers && row[i] >= answer[a + 1] - answer[first])) {
            good = 0
            worst = sprintf("row %d at %d ms is outside the slot of answer %d (%.0f..%.0f ms)", i + 1, row[i],
                            a, answer[a] - answer[first], answer[a + 1] - answer[first])
          }
        }
        last = first + rows - 1
        # Logging ended between the last row'"'"'s answer and the next.
        if (good && last >= off - 2 && last <= off + 1) {
          printf "%d rows, one in the slot of each of answers %d..%d (%d sent while logging)\n",
                 rows, first, last, off - on
          exit 0
        }
      }
      printf "%d rows for %d answers sent while logging (%d..%d): %s\n", rows, off - on, on + 1, off, worst
      exit 1
    }' "$WORK/answer-times.txt" "$WORK/row-times.txt"
}
rows_line=$(rows_match)
rows_ok=$?
expect_shell one-row-per-answer "$rows_line" test "$rows_ok" = 0
resource_verdict "$WORK/resources.txt"
resources_ok=$?
expect_shell resources-flat "resources grew: $(head -n 2 "$WORK/resources.txt" | tail -n 1) -> $(tail -n 1 "$WORK/resources.txt")" \
  test "$resources_ok" = 0
echo "soak: kivra.exe $MINUTES min, $rows_line; $RESOURCE_SAMPLES samples; $RESOURCE_SUMMARY"
finish
