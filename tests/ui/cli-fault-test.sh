#!/bin/sh
# kivra-cli under Wine against the simulator on a bad line: dropped answers, damaged bytes,
# stray bytes, frames in pieces, a cut in a firmware download and a terminal that closes its
# port; every run must end with the right result or a clear failure, never hang.
# usage: cli-fault-test.sh --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
NAME=cli-fault-test
SIM_LIFETIME=200
. "$(dirname "$0")/cli-harness.sh"

make_image "$WORK/drops.fw" 2000 12
make_image "$WORK/damage.fw" 2000 13
make_image "$WORK/cut.fw" 3000 14

# --- live values through every kind of line fault, at 19200 baud
# live_case NAME COM TIMEOUT SIM-OPTIONS...
live_case() {
  name=$1 com=$2 wait=$3
  shift 3
  start_sim "$name" "$com" "$@"
  check "$name" 0 "^t=" live --count 20 --fast --port "COM$com" --baud 19200 --timeout "$wait"
  expect "$name-values" "20 lines of sane values in time order" sane_live "$WORK/$name.out" 20
  stop_sims
}
# At 2 % damaged bytes most of the 103-byte settings answers and half the 35-byte data answers
# are lost, each costing a 2 s resend: about 90 s, so this case runs beside all the others,
# with a time-out that allows a run of damaged answers.
(
  passed=0 failed=0 sims=""
  trap stop_sims EXIT INT TERM
  live_case live-corrupt 12 40 --corrupt 0.02 --seed 1
  echo "$passed $failed" >"$WORK/live-corrupt.counts"
) &
corrupt_case=$!
live_case live-drops 11 5 --drop-every 3
live_case live-garbage 13 5 --garbage 5
live_case live-split 14 5 --split 4 --split-gap 20

# --- settings under drops: the written value is read back and the verdict says so
start_sim settings-drops 15 --drop-every 3
P="--port COM15 --baud 19200 --timeout 5"
check settings-get-drops 0 "^angle_threshold = [0-9]+" settings get $P
check settings-set-drops 0 "Settings are written into sensor" settings set angle_threshold=37 output_interval=6 $P
check settings-readback-drops 0 "^angle_threshold = 37" settings get $P
expect settings-readback-interval "output_interval read back as written" \
  grep -q "^output_interval = 6" "$WORK/settings-readback-drops.out"
stop_sims
# A sensor that keeps its block: a lost answer must not turn the refusal into a success.
start_sim rejecting-drops 19 --drop-every 3 --reject-writes
check settings-rejected-drops 9 "SETTINGS ARE REJECTED BY SENSOR!" settings set angle_threshold=38 --port COM19 --baud 19200 --timeout 5
stop_sims

# --- firmware through drops and through damaged bytes: the sensor's image is the file's
start_sim fw-drops 16 --drop-every 5 --save-image "$WORK/drops-received.fw"
check firmware-drops 0 "Firmware update is completed" firmware "$WORK/drops.fw" --port COM16 --baud 19200 --timeout 5
expect firmware-drops-image "the image received through drops equals the file" \
  cmp -s "$WORK/drops.fw" "$WORK/drops-received.fw"
stop_sims
start_sim fw-corrupt 17 --corrupt 0.01 --seed 1 --save-image "$WORK/damage-received.fw"
check firmware-corrupt 0 "Firmware update is completed" firmware "$WORK/damage.fw" --port COM17 --baud 19200 --timeout 5
expect firmware-corrupt-image "the image received through damaged bytes equals the file" \
  cmp -s "$WORK/damage.fw" "$WORK/damage-received.fw"
stop_sims

# --- a cut in the middle of the download; the second run resumes and completes
start_sim fw-cut 18 --cut-after-block 10 --cut-for 2 --save-image "$WORK/cut-received.fw"
check firmware-cut 6 "NO ANSWER FROM SENSOR!" firmware "$WORK/cut.fw" --port COM18 --baud 19200 --timeout 1
expect firmware-cut-partial "the cut run left no complete image" test ! -e "$WORK/cut-received.fw"
sleep 2
check firmware-cut-resume 0 "Firmware update is completed" firmware "$WORK/cut.fw" --port COM18 --baud 19200 --timeout 5
expect firmware-cut-resumed "the second run did not start from byte 0" \
  sh -c "! grep -q '^firmware:   0%' '$WORK/firmware-cut-resume.out'"
expect firmware-cut-image "the resumed image equals the file byte for byte" cmp -s "$WORK/cut.fw" "$WORK/cut-received.fw"
stop_sims

# --- the relay: the line cut under live values, and the terminal closing its port
start_sim relay-cut 0 --cut-at 4 --drop-every 4
check relay-cut 12 "Connection via .+ is lost\." live --fast --relay "$RELAY" --terminal 1 --timeout 10
expect relay-cut-values "sane live values came before the cut, and none after it" sane_live "$WORK/relay-cut.out"
stop_sims
for marker in "#CLOSED" "#MON:IDLE"; do
  name=relay-closed-$(echo "$marker" | tr -dc 'A-Z')
  start_sim "$name" 0 --close-port-after 4 --close-marker "$marker"
  check "$name" 12 "Connection via .+ is lost\." live --fast --relay "$RELAY" --terminal 1 --timeout 10
  expect "$name-values" "sane live values came before the port closed, and none after it" sane_live "$WORK/$name.out"
  stop_sims
done

# --- the adapter pulled out under live values: the port goes away with the simulator; the lost
# connection is reported at once, in plain words, and the port works again once it is back
start_sim pulled 21
sh "$WINE_RUN" "$CLI" live --fast --port COM21 --timeout 10 >"$WORK/pulled.out" 2>"$WORK/pulled.err" &
cli=$!
i=0
while [ $i -lt 300 ] && ! grep -q '^t=' "$WORK/pulled.out"; do sleep 0.1; i=$((i + 1)); done
stop_sims
pulled_at=$(date +%s%3N)
i=0
while [ $i -lt 100 ] && ! grep -q 'is lost' "$WORK/pulled.err"; do sleep 0.05; i=$((i + 1)); done
told_ms=$(($(date +%s%3N) - pulled_at))
wait "$cli"
got=$?
expect pulled-words "status 12, the port and the loss named (status $got: $(tr -d '\r' <"$WORK/pulled.err"))" \
  sh -c "[ $got = 12 ] && grep -q '^kivra-cli: Connection via COM21 is lost\.' '$WORK/pulled.err'"
expect pulled-quick "the loss is told within a second of the pull (took $told_ms ms)" test "$told_ms" -lt 1000
start_sim back 21
check pulled-back 0 "model: TQS 25-07" info --port COM21 --timeout 5
stop_sims

# --- the data log where it cannot be written, on real file systems: the program folder fills
# while logging, cannot be written, or has a folder where the log file goes
. "$(dirname "$0")/data-log-places.sh"
trap 'stop_sims; unmount_places' EXIT INT TERM
DOCS=$(documents_folder)
rm -rf "${DOCS:?}/KIVRA"
LOG_NAME=GearLog_12345.txt
# check_from DIR CHECK-ARGUMENTS...: check with the copy of kivra-cli in DIR.
check_from() {
  from=$1 built=$CLI
  shift
  CLI="$from/$(basename "$built")"
  check "$@"
  CLI=$built
}
start_sim data-log 22
P="--port COM22 --baud 19200 --timeout 5"
if program_on_tmpfs "$WORK/full" "$CLI" 8192; then
  fill_leaving "$WORK/full/$LOG_NAME" 1200
  cp "$WORK/full/$LOG_NAME" "$WORK/full-earlier.txt"
  check_from "$WORK/full" log-disk-full 11 \
    '^kivra-cli: Data logging has stopped: Z:.*\\full\\GearLog_12345\.txt cannot be written\. Rows written: [1-9][0-9]*\. [^ ]' \
    log "$WORK/full-rows.txt" --count 1000 --fast $P
  told=$(sed -n 's/.*Rows written: \([0-9]*\)\..*/\1/p' "$WORK/log-disk-full.err")
  expect log-disk-full-rows "the $told rows told, whole, in FILE" \
    sh -c "[ -n '$told' ] && [ \$(wc -l <'$WORK/full-rows.txt') = '$told' ]"
  expect log-disk-full-fields "a row in FILE is cut" whole_rows "$WORK/full-rows.txt" 7
  expect log-disk-full-own-kept "the log beside the program is not as it was" cmp -s "$WORK/full-earlier.txt" "$WORK/full/$LOG_NAME"
else
  failed=$((failed + 1))
fi
if program_on_tmpfs "$WORK/read-only" "$CLI" 4096 && make_read_only "$WORK/read-only"; then
  check_from "$WORK/read-only" log-read-only 0 "3 rows appended" log "$WORK/read-only-rows.txt" --count 3 $P
  expect log-read-only-rows "no 3 whole rows in FILE" sh -c "[ \$(wc -l <'$WORK/read-only-rows.txt') = 3 ]"
  expect log-read-only-documents "the documents folder's log is left behind" test ! -e "$DOCS/KIVRA/$LOG_NAME"
else
  failed=$((failed + 1))
fi
mkdir -p "$WORK/folder-in-the-way" "$DOCS/KIVRA/$LOG_NAME"
cp "$CLI" "$WORK/folder-in-the-way/"
mkdir -p "$WORK/folder-in-the-way/$LOG_NAME"
check_from "$WORK/folder-in-the-way" log-folder-in-the-way 11 \
  '^kivra-cli: Data are not saved: the data log file cannot be opened\. Z:.*\\folder-in-the-way\\GearLog_12345\.txt: [^ ].* C:\\users\\.*\\Documents\\KIVRA\\GearLog_12345\.txt: [^ ]' \
  log "$WORK/no-rows.txt" --count 3 $P
check_from "$WORK/folder-in-the-way" log-folder-in-the-way-ru 11 \
  '^kivra-cli: Данные не сохраняются: не удаётся открыть файл журнала данных\. Z:.*GearLog_12345\.txt: [^ ].* C:.*KIVRA\\GearLog_12345\.txt: [^ ]' \
  log "$WORK/no-rows.txt" --count 3 --lang ru $P
stop_sims
rm -rf "${DOCS:?}/KIVRA"

wait "$corrupt_case"
if read -r p f <"$WORK/live-corrupt.counts"; then
  passed=$((passed + p))
  failed=$((failed + f))
else
  failed=$((failed + 1))
  echo "FAILED live-corrupt: the case ended without a result"
fi
echo "cli-fault-test: $passed passed, $failed failed"
[ "$failed" = 0 ]
