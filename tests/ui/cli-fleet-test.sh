#!/bin/sh
# kivra-cli's fleet commands under Wine against a simulated fleet behind one relay server: a
# profile applied to FLEET_SIZE vehicles (default 50) of which five fail in different ways, checked
# in what the simulated sensors hold, then resumed once the faults are lifted; a fleet firmware
# update cut by Ctrl+C and resumed to images equal to the file; the progress line on a console.
NAME=cli-fleet-test
SIM_LIFETIME=900
. "$(dirname "$0")/cli-harness.sh"

size=${FLEET_SIZE:-50}

# field FILE TERMINAL KEY: a value of the simulator's description of a terminal's sensor.
field() { sed -n "s/^{\"terminal\":$2,.*\"$3\":\"\{0,1\}\([^\",]*\).*/\1/p" "$1"; }
# report_field FILE TERMINAL COLUMN-NUMBER: a field of a CSV report whose fields hold no commas.
report_field() { grep "^$2," "$1" | cut -d, -f"$3"; }

# --- apply: five vehicles fail, each its own way; the rest are done and hold the profile.
step=$((size / 5))
offline=$((1000 + step)) refused=$((1000 + 2 * step)) silent=$((1000 + 3 * step)) cut=$((1000 + 4 * step))
foreign=$((1000 + 5 * step)) reference=1999
{
  echo "terminal,label"
  i=1
  while [ $i -le "$size" ]; do echo "$((1000 + i)),Bus $i"; i=$((i + 1)); done
} >"$WORK/fleet.csv"
{
  i=1
  while [ $i -le "$size" ]; do
    t=$((1000 + i))
    case $t in
      $offline) f=",fault=offline" ;;
      $refused) f=",fault=refused" ;;
      $silent) f=",fault=silent" ;;
      $cut) f=",fault=cut-write" ;;
      $foreign) f=",device-type=3102" ;;
      *) f="" ;;
    esac
    echo "vehicle $t,address=$((i % 200 + 1))$f"
    i=$((i + 1))
  done
  echo "vehicle $reference,address=9"
} >"$WORK/fleet.scenario"
printf '{\n  "angle_threshold": "37",\n  "approximation_interval": "25",\n  "angular_motion_timeout": "41"\n}\n' \
  >"$WORK/profile.json"
mkdir -p "$WORK/state"
rm -f "$WORK"/state/*
start_sim fleet 0 --scenario "$WORK/fleet.scenario" --state-dir "$WORK/state"
simpid=${sims##* }
link="--relay $RELAY --timeout 10 --retries 1"

# The single command writes the same profile to a vehicle of its own: what every done sensor must hold.
check reference-import 0 "Settings are written into sensor" settings import "$WORK/profile.json" --relay "$RELAY" --terminal $reference
profile=$(field "$WORK/state/sensors.jsonl" $reference profile)
factory=$(field "$WORK/state/sensors.jsonl" 1001 profile)
expect profile-differs "the profile changes the factory settings" test -n "$profile" -a "$profile" != "$factory"

started=$(date +%s)
check apply 15 "fleet apply: $((size - 5)) done, 5 failed, 0 skipped of $size vehicles" \
  fleet apply "$WORK/fleet.csv" "$WORK/profile.json" $link --report "$WORK/apply.csv"
echo "$NAME: fleet apply of $size vehicles took $(($(date +%s) - started)) s"
expect report-counts "the report has $((size - 5)) done and 5 failed" \
  sh -c "test \$(grep -c ',done,' '$WORK/apply.csv') = $((size - 5)) && test \$(grep -c ',failed,' '$WORK/apply.csv') = 5"
for pair in "$offline:terminal $offline: Connecting" "$refused:terminal $refused: Connection is not set" \
  "$silent:NO ANSWER FROM SENSOR" "$cut:is lost" "$foreign:3102"; do
  t=${pair%%:*}
  expect "reason-$t" "terminal $t failed with its reason (${pair#*:})" \
    sh -c "grep '^$t,' '$WORK/apply.csv' | grep ',failed,' | grep -Eq '${pair#*:}'"
done
for t in $(grep ',done,' "$WORK/apply.csv" | cut -d, -f1); do
  expect "holds-$t" "terminal $t, reported done, holds the profile" test "$(field "$WORK/state/sensors.jsonl" "$t" profile)" = "$profile"
done
for t in $offline $refused $silent $cut $foreign; do
  expect "untouched-$t" "terminal $t holds its factory settings" test "$(field "$WORK/state/sensors.jsonl" "$t" profile)" = "$factory"
done

# --- resume after the faults are lifted (the foreign sensor stays foreign: it is left out of the list).
kill -USR1 "$simpid"
grep -v "^$foreign," "$WORK/fleet.csv" >"$WORK/fleet-resume.csv"
lifted=$(wc -l <"$WORK/fleet.log")
check resume 0 "fleet apply: 4 done, 0 failed, $((size - 5)) skipped of $((size - 1)) vehicles" \
  fleet apply "$WORK/fleet-resume.csv" "$WORK/profile.json" $link --resume "$WORK/apply.csv" --report "$WORK/resumed.json"
for t in $offline $refused $silent $cut; do
  expect "resumed-$t" "terminal $t now holds the profile" test "$(field "$WORK/state/sensors.jsonl" "$t" profile)" = "$profile"
done
expect resume-touches-none "no vehicle done before was asked for again" \
  sh -c "tail -n +$lifted '$WORK/fleet.log' | grep -o '@CON=[0-9]*' | sort -u | tr '\n' ' ' | grep -Eqx '(@CON=($offline|$refused|$silent|$cut) )+'"
expect resume-report "the resumed report keeps the earlier records as skipped" \
  sh -c "test \$(grep -c '\"outcome\": \"skipped\"' '$WORK/resumed.json') = $((size - 5))"
stop_sims

# --- firmware: one vehicle's line drops at block request 8 and the next try resumes it; Ctrl+C
# stops the others between blocks, and the next run resumes every one to an image equal to the file.
make_image "$WORK/update.fw" 20000 10
rm -f "$WORK"/state/*
printf 'terminal\n2001\n2002\n2003\n' >"$WORK/update.csv"
start_sim update 0 --block-limit 128 --vehicle 2001,fw-version=9 --vehicle 2002,fw-version=9,fault=cut-update:8 \
  --vehicle 2003,fw-version=9 --state-dir "$WORK/state"
link="--relay $RELAY --timeout 10 --retries 1"
interrupt fw-interrupted 13 "update stopped between blocks at byte [0-9]+ of 20028" 9 \
  fleet firmware "$WORK/update.csv" "$WORK/update.fw" $link --report "$WORK/update-1.csv"
expect fw-partial "Ctrl+C left at least one sensor part-way" \
  sh -c "grep -o '\"image_received\":[0-9]*' '$WORK/state/sensors.jsonl' | cut -d: -f2 | awk '\$1 > 0 && \$1 < 20028' | grep -q ."
check fw-resumed 0 "fleet firmware: [0-9] done, 0 failed" \
  fleet firmware "$WORK/update.csv" "$WORK/update.fw" $link --resume "$WORK/update-1.csv" --report "$WORK/update-2.csv"
expect fw-tries "the vehicle whose line dropped was tried again" grep -Eq '^2002,.*,(failed|done),2,' "$WORK/update-1.csv"
# The first block its second link sent: the offset (request bytes 9 to 12, little-endian) is not 0.
second=$(grep '"text":"@CON=2002"' "$WORK/update.log" | sed -n '2s/.*"link":"\([a-z0-9]*\)".*/\1/p')
offset=$(grep "\"link\":\"$second\",\"dir\":\"rx\",\"kind\":\"request\",\"addr\":255,\"code\":3," "$WORK/update.log" |
  head -n 1 | sed 's/.*"bytes":"\([^"]*\)".*/\1/' | cut -d' ' -f9-12)
expect fw-resumed-count "the second try went on from the sensor's count, not from 0 (offset: $offset)" \
  sh -c "test -n '$offset' && test '$offset' != '00 00 00 00'"
for t in 2001 2002 2003; do
  expect "fw-image-$t" "terminal $t holds an image equal to the file" cmp -s "$WORK/update.fw" "$WORK/state/image-$t.fw"
  expect "fw-installed-$t" "terminal $t runs the image's version 10" test "$(field "$WORK/state/sensors.jsonl" $t firmware_version)" = 10
done
stop_sims

# --- the progress line on a console, and a list refused before anything starts.
start_sim console 0 --vehicle 3001 --vehicle 3002
printf 'terminal\n3001\n3002\n' >"$WORK/console.csv"
check_console console 0 "done 2, failed 0, running 0, left 0" fleet info "$WORK/console.csv" --relay "$RELAY"
rm -rf "$WORK/backup"
check backup 0 "fleet backup: 2 done" fleet backup "$WORK/console.csv" "$WORK/backup" --relay "$RELAY"
for t in 3001 3002; do
  expect "backup-$t" "terminal $t's settings are in backup/$t-10$t.json" grep -q "\"serial_number\": \"10$t\"" "$WORK/backup/$t-10$t.json"
done
printf 'terminal,address\n3001,1\n3001,2\n3002,300\n' >"$WORK/bad.csv"
asked=$(grep -c '@CON=' "$WORK/console.log")
check bad-list 8 "line 3: terminal 3001 is on line 2 already" fleet info "$WORK/bad.csv" --relay "$RELAY"
expect bad-list-line4 "the second bad row is named too" grep -q 'line 4: address "300"' "$WORK/bad-list.err"
expect bad-list-nothing "nothing was started" test "$(grep -c '@CON=' "$WORK/console.log")" = "$asked"
stop_sims

echo "$NAME: $passed passed, $failed failed"
[ "$failed" = 0 ]
