#!/bin/sh
# kivra-cli under Wine against a sensor whose answers come in pieces: a gap inside every answer
# and an adapter that hands bytes over in packets. Reads end at the short gap sized to the line,
# so answers arrive in several reads; live values, settings and a firmware update must still
# come through whole at every baud rate. The stored gap and --read-gap bring the old 50 ms back.
# usage: cli-gap-test.sh --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
NAME=cli-gap-test
SIM_LIFETIME=200
. "$(dirname "$0")/cli-harness.sh"

SETTINGS='HKCU\SOFTWARE\Vextora\KIVRA'
LOG_KEY='HKLM\SOFTWARE\K5W\Log\kivra-cli.exe'
# Pieces of 5 bytes, 30 ms apart, through an adapter with a 16 ms latency timer.
PIECES=5
IN_PIECES="--split $PIECES --split-gap 30 --adapter-latency 16"

# diag_log RUN: the next kivra-cli run writes its diagnostic log (byte dumps included) to RUN.diag.
diag_log() {
  rm -f "$WORK/$1.diag"
  path="Z:$(printf '%s' "$WORK/$1.diag" | tr / '\\')"
  sh "$WINE_RUN" reg add "$LOG_KEY" /v Path /t REG_SZ /d "$path" /f >/dev/null 2>&1
  sh "$WINE_RUN" reg add "$LOG_KEY" /v Level /t REG_DWORD /d 2 /f >/dev/null 2>&1
  sh "$WINE_RUN" reg add "$LOG_KEY" /v Limit /t REG_DWORD /d 4096 /f >/dev/null 2>&1
  sh "$WINE_RUN" reg add "$LOG_KEY" /v Flags /t REG_DWORD /d 1 /f >/dev/null 2>&1
}
# logged RUN TEXT: the run's diagnostic log holds TEXT.
logged() { grep -aqF -- "$2" "$WORK/$1.diag"; }
# reads_of RUN: the byte count of every read the run logged, one a line.
reads_of() { grep -ao 'Rx\[[0-9]*\]' "$WORK/$1.diag" | tr -dc '0-9\n'; }
# split_reads RUN: at least 10 reads held no more than one piece of an answer.
split_reads() { [ "$(reads_of "$1" | awk -v p=$PIECES '$1 <= p' | wc -l)" -ge 10 ]; }
# whole_reads RUN: some read held a whole answer (35 bytes and more).
whole_reads() { [ "$(reads_of "$1" | awk '$1 >= 35' | wc -l)" -ge 1 ]; }

com=31
for baud in 19200 9600 4800; do
  case $baud in 19200) gap=5 ;; 9600) gap=10 ;; 4800) gap=21 ;; esac
  make_image "$WORK/gap-$baud.fw" 1500 "$com"
  start_sim gap-$baud $com --baud $baud $IN_PIECES --save-image "$WORK/gap-$baud-received.fw"
  P="--port COM$com --baud $baud --timeout 10"

  diag_log live-$baud
  check live-$baud 0 "^t=" live --count 10 --fast $P
  expect live-$baud-values "10 lines of sane values at $baud baud" sane_live "$WORK/live-$baud.out" 10
  expect live-$baud-gap "the log names the $gap ms gap sized to $baud baud" \
    logged live-$baud "read gap $gap ms (sized to the baud rate)"
  expect live-$baud-split "the answers came in pieces, one read each ($(reads_of live-$baud | sort -n | uniq -c | tr -s ' \n' ' '))" \
    split_reads live-$baud

  check settings-$baud 0 "^angle_threshold = [0-9]+" settings get $P
  check firmware-$baud 0 "Firmware update is completed" firmware "$WORK/gap-$baud.fw" $P
  expect firmware-$baud-image "the image received in pieces at $baud baud equals the file" \
    cmp -s "$WORK/gap-$baud.fw" "$WORK/gap-$baud-received.fw"
  stop_sims
  com=$((com + 1))
done

# --- the old gap: stored under the settings key, or given for one run
start_sim gap-setting $com $IN_PIECES
P="--port COM$com --baud 19200 --timeout 10"
sh "$WINE_RUN" reg add "$SETTINGS" /v "Serial Read Gap" /t REG_DWORD /d 50 /f >/dev/null 2>&1
diag_log stored
check stored 0 "^t=" live --count 10 --fast $P
expect stored-gap "the stored setting gives the 50 ms gap" logged stored "read gap 50 ms (setting)"
expect stored-whole "with the 50 ms gap a read holds a whole answer ($(reads_of stored | sort -n | uniq -c | tr -s ' \n' ' '))" \
  whole_reads stored
diag_log option-line
check option-line 0 "model: TQS 25-07" info $P --read-gap line
expect option-line-gap "--read-gap line wins over the stored setting" \
  logged option-line "read gap 5 ms (sized to the baud rate)"
sh "$WINE_RUN" reg delete "$SETTINGS" /v "Serial Read Gap" /f >/dev/null 2>&1
diag_log option-50
check option-50 0 "model: TQS 25-07" info $P --read-gap 50
expect option-50-gap "--read-gap 50 gives the 50 ms gap" logged option-50 "read gap 50 ms (setting)"
diag_log unset
check unset 0 "model: TQS 25-07" info $P
expect unset-gap "without setting or option the gap is sized to the line" \
  logged unset "read gap 5 ms (sized to the baud rate)"
stop_sims
sh "$WINE_RUN" reg delete "$LOG_KEY" /f >/dev/null 2>&1

echo "cli-gap-test: $passed passed, $failed failed"
[ "$failed" = 0 ]
