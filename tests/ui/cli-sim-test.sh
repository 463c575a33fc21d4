#!/bin/sh
# kivra-cli under Wine against the simulator: every command and every failure exit, over a
# virtual COM port and over the relay server, checked by exit status and output.
# usage: cli-sim-test.sh --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
NAME=cli-sim-test
SIM_LIFETIME=150
. "$(dirname "$0")/cli-harness.sh"

lines() { grep -c "$2" "$1"; }
# Settings writes (request code 44) the simulator has received so far.
writes() { grep -c '"kind":"request",.*"code":44,' "$WORK/$1.log"; }

make_image "$WORK/good.fw" 3000 12
make_image "$WORK/small.fw" 700 13
make_image "$WORK/console.fw" 1200 14
head -c 100 "$WORK/good.fw" >"$WORK/bad.fw"
make_image "$WORK/other-type.fw" 500 15 3001
# Every kind of bad image file: too short for a header, no header, a size the file does not
# have, a trailer that is not the header's check value.
head -c 20 "$WORK/good.fw" >"$WORK/bad-short.fw"
head -c 3028 /dev/zero >"$WORK/bad-header.fw"
cp "$WORK/bad.fw" "$WORK/bad-size.fw"
{ head -c 3024 "$WORK/good.fw"; u32 1234; } >"$WORK/bad-trailer.fw"

# --- the command line alone
check usage 2 "19200, 9600 or 4800" info --baud 1234
check help 0 "settings set KEY=VALUE" --help
check bad-firmware-file 10 "bad.fw" firmware "$WORK/bad.fw" --port COM5
# The loader's two-line message on one line, one blank between its sentences and none at the end.
check bad-firmware-short 10 "image\. The file is too short to hold a firmware image\.$" firmware "$WORK/bad-short.fw"
check bad-firmware-header 10 "image\. The file does not begin with a firmware image header\.$" \
  firmware "$WORK/bad-header.fw"
check bad-firmware-size 10 "image\. The image size in the file header differs from the size of the file\.$" \
  firmware "$WORK/bad-size.fw"
check bad-firmware-trailer 10 "image\. The check value at the end of the file differs" firmware "$WORK/bad-trailer.fw"
check bad-firmware-missing 10 "missing\.fw: [^ ].*[^ ]$" firmware "$WORK/missing.fw"

# --- the port list: the setup API's ports class, numbered order, the adapter marked
PORTS='HKLM\System\CurrentControlSet\Enum\Root\PORTS'
add_port() {
  WINEPREFIX=$KIVRA_WINEPREFIX WINEDEBUG=-all wine reg add "$PORTS\\$1" /v ClassGUID /t REG_SZ \
    /d "{4D36E978-E325-11CE-BFC1-08002BE10318}" /f >/dev/null 2>&1
  WINEPREFIX=$KIVRA_WINEPREFIX WINEDEBUG=-all wine reg add "$PORTS\\$1" /v FriendlyName /t REG_SZ \
    /d "$2" /f >/dev/null 2>&1
}
add_port 0000 "Vextora RUV USB Serial (COM12)"
add_port 0001 "Simulated sensor port (COM5)"
add_port 0002 "Communications Port (COM3)"
# A port Wine maps by hand has no device in the ports class; the serial device map names it.
WINEPREFIX=$KIVRA_WINEPREFIX WINEDEBUG=-all wine reg add 'HKLM\Software\Wine\Ports' /v COM7 /d /dev/null /f \
  >/dev/null 2>&1
WINEPREFIX=$KIVRA_WINEPREFIX wineserver -k >/dev/null 2>&1
check ports 0 "" ports
# COM1 is Wine's own /dev/ttyS0 where the machine has one, also named by the device map only.
expect ports-order "numbered order, the adapter marked, the device map's ports added" \
  sh -c "tr -d '\r' <'$WORK/ports.out' | tr '\n' '|' | grep -Eq '^(COM1\|)?COM3\|COM5\|COM7\|COM12 : Vextora RUV USB\|$'"
WINEPREFIX=$KIVRA_WINEPREFIX WINEDEBUG=-all wine reg delete 'HKLM\Software\Wine\Ports' /v COM7 /f >/dev/null 2>&1
WINEPREFIX=$KIVRA_WINEPREFIX wineserver -k >/dev/null 2>&1
rm -f "$KIVRA_WINEPREFIX/dosdevices/com7"
WINEPREFIX=$KIVRA_WINEPREFIX wineserver -p30 >/dev/null 2>&1

# --- a sensor on COM5 at 19200 baud
start_sim direct 5 --save-image "$WORK/received.fw"
P="--port COM5 --timeout 5"
check info 0 "model: TQS 25-07" info $P
check info-ru 0 "Связь с датчиком установлена" info $P --lang ru
# Without a connection option: the port the last connection stored, as the window takes it.
check stored-port 0 "model: TQS 25-07" info --timeout 5
check info-json 0 '"serial_number": "12345"' info $P --json
check settings-get 0 "^angle_threshold = [0-9]+" settings get $P
check settings-get-json 0 '"approximation_interval": "[0-9]+"' settings get --json $P
check settings-set 0 "Settings are written into sensor" settings set angle_threshold=33 output_interval=7 $P
check settings-after-set 0 "^angle_threshold = 33" settings get $P
before=$(writes direct)
check settings-invalid 8 'angle_threshold = "91": a whole number of degrees 1..90' settings set angle_threshold=91 $P
check settings-unknown 8 'unknown setting "colour"' settings set colour=red $P
expect invalid-sends-nothing "no settings write reached the sensor (after the earlier ones did)" \
  test "$before" -gt 0 -a "$(writes direct)" = "$before"
check settings-export 0 "" settings export "$WORK/backup.json" $P
expect export-content "the backup holds the written value" grep -q '"angle_threshold": "33"' "$WORK/backup.json"
check settings-change 0 "Settings are written" settings set angle_threshold=20 $P
# Another sensor's backup: its serial number and address stay out unless asked for.
sed -e 's/"serial_number": "[0-9]*"/"serial_number": "777"/' "$WORK/backup.json" >"$WORK/other.json"
check settings-import 0 "Settings are written" settings import "$WORK/other.json" $P
check settings-after-import 0 "^angle_threshold = 33" settings get $P
expect import-kept-serial "the serial number was kept" grep -q "^serial_number = 12345" "$WORK/settings-after-import.out"
printf '# edits\nangle_threshold = 44\npulse_sensor_timeout=9\n' >"$WORK/edits.txt"
check settings-from 0 "Settings are written" settings set --from "$WORK/edits.txt" $P
check settings-unchanged 0 "nothing to write" settings set angle_threshold=44 $P
# A "Unicode" file as Windows editors and shell redirection write it: UTF-16 after its byte-order mark.
{ printf '\377\376'; printf 'pulse_sensor_timeout = 11\r\n' | iconv -f UTF-8 -t UTF-16LE; } >"$WORK/edits-utf16.txt"
check settings-from-utf16 0 "Settings are written" settings set --from "$WORK/edits-utf16.txt" $P
# What is wrong with a file as a whole comes in the interface language, the file's own words unchanged.
printf 'angle_threshold 45\n' >"$WORK/edits-bad.txt"
check settings-from-bad-ru 8 '^kivra-cli: недопустимое значение: "angle_threshold 45" — не запись вида KEY=VALUE' \
  settings set --from "$WORK/edits-bad.txt" $P --lang ru
# A file that is no text, and one that is not there: refused as such, the system's reason given.
printf 'KV\000\001\002\377\376\375\n' >"$WORK/binary.bin"
check settings-import-not-text 8 'invalid value: not UTF-8 or UTF-16 text' settings import "$WORK/binary.bin" $P
check settings-import-missing 11 'cannot read .*nothing\.json: .+' settings import "$WORK/nothing.json" $P
printf '{"angle_threshold": "45",\n "colour": "red"}\n' >"$WORK/unknown.json"
check settings-import-unknown-ru 8 '^kivra-cli: недопустимое значение: неизвестная настройка "colour" \(список настроек выводит settings get\)' \
  settings import "$WORK/unknown.json" $P --lang ru
check live 0 "^t=0.0s temperature=" live --count 3 $P
expect live-lines "three lines" test "$(lines "$WORK/live.out" '^t=')" = 3
check live-json 0 '^\{"t_ms": 0, "temperature"' live --count 2 --fast --json $P
check log 0 "3 rows appended" log "$WORK/rows.txt" --count 3 $P
check log-full 0 "3 rows appended" log "$WORK/rows.txt" --count 3 --full $P
# Firmware 9 polls subcode 7: long rows whose empty vector text is one empty column; full data
# polls subcode 5, whose vector spans three columns.
expect log-rows "3 rows of 7 fields, then full rows of 9 (after one answer to a poll sent before)" \
  sh -c "tr -d '\r' <'$WORK/rows.txt' | awk -F', ' '{ print NF }' | tr '\n' ' ' | grep -q '^7 7 7 [79] 9 9 $'"
check zero 0 "zero_reference = " zero $P
check diag 0 "^C=[01],T=[01],A=[01],Sw=[0-9]+" diag $P
check test-command 0 "accepted the test command" test 7 $P
check address 0 "network address: 9" address 9 --secondary on $P
check address-after 0 "network address: 9" info --address 9 $P
check address-back 0 "network address: 1" address 1 --address 9 --secondary off $P
check trace 0 "" info $P --trace "$WORK/trace.txt"
expect trace-content "request and answer frames in hex" grep -q '^Rx;' "$WORK/trace.txt"
# Every file a run writes, in a folder that is not there: one line naming the file and giving
# the system's reason, and the file-error status. The side files are refused before the link opens.
check trace-no-folder 11 '^kivra-cli: cannot write the trace file .*no-folder.trace\.txt: Path not found\.$' \
  info $P --trace "$WORK/no-folder/trace.txt"
check resources-no-folder 11 '^kivra-cli: cannot write the resources file .*no-folder.samples\.txt: Path not found\.$' \
  info $P --resources "$WORK/no-folder/samples.txt"
check log-no-folder 11 '^kivra-cli: cannot write .*no-folder.rows\.txt: Path not found\.$' \
  log "$WORK/no-folder/rows.txt" --count 1 $P
check trace-no-folder-ru 11 '^kivra-cli: не удалось записать файл трассировки .*no-folder.trace\.txt: Путь не найден\.$' \
  info $P --trace "$WORK/no-folder/trace.txt" --lang ru
# A trace that stops taking frames during the run (a full disk): said once, the command goes on.
check trace-disk-full 0 '^kivra-cli: cannot write the trace file /dev/full: Disk full\.$' info $P --trace /dev/full
expect trace-disk-full-once "the failure said once" test "$(grep -c 'trace file' "$WORK/trace-disk-full.err")" = 1
# An image for another device type is not sent: the sensor would no longer be one this tool can update.
check firmware-other-type 10 "device type 3001, the sensor is of type 3201; nothing was sent" \
  firmware "$WORK/other-type.fw" $P
check firmware-other-type-after 0 "model: TQS 25-07" info $P
expect firmware-other-type-sent "no firmware block reached the sensor" \
  sh -c "! grep -q '\"kind\":\"request\",.*\"code\":3,' '$WORK/direct.log'"
check firmware 0 "Firmware update is completed" firmware "$WORK/good.fw" --port COM5 --baud 19200 --timeout 8
expect firmware-image "the simulator received the file byte for byte" cmp -s "$WORK/good.fw" "$WORK/received.fw"
expect firmware-progress "plain progress lines up to 100%" grep -q "^firmware: 100%  3028/3028 bytes" "$WORK/firmware.out"
check firmware-again 0 "Firmware is up-to-date" firmware "$WORK/good.fw" $P --timeout 8
check missing-port 3 "Connection via COM77 failed! Port may be unavailable or busy\. [^ ].+" info --port COM77
check missing-port-ru 3 "Соединение через COM77 не может быть установлено! .+ [^ ].+" info --port COM77 --lang ru
# Ctrl+C ends the command cleanly: the rows logged so far reach their file, and live without
# a count ends that way with success.
rm -f "$WORK/interrupted-rows.txt"
interrupt log-interrupted 13 "[1-9][0-9]* rows appended" 6 log "$WORK/interrupted-rows.txt" --count 1000 $P
expect log-interrupted-rows "the rows before Ctrl+C are in the file" test -s "$WORK/interrupted-rows.txt"
interrupt live-interrupted 0 "^t=" 6 live $P
# On a console: the same texts in Russian through the console, and the progress as a redrawn bar.
check_console console-ru 0 "Связь с датчиком установлена" info $P --lang ru
check_console console-firmware 0 "$(printf '\r')\\[#{20}\\] 100%  1228/1228 bytes" firmware "$WORK/console.fw" $P --timeout 8
stop_sims

# --- failures of the sensor itself
start_sim silent 6 --no-answer
check silent-sensor 6 "NO ANSWER FROM SENSOR!" info --port COM6 --timeout 2
check silent-sensor-short 6 "NO ANSWER FROM SENSOR! \(no answer within 0\.5 s\)" info --port COM6 --timeout 0.5
check silent-sensor-ru 6 "НЕТ ОТВЕТА ОТ ДАТЧИКА!" info --port COM6 --timeout 2 --lang ru
interrupt silent-interrupted 13 "kivra-cli: interrupted" 4 info --port COM6 --timeout 60
# A sensor that falls silent while live values come in: the lines so far, then its verdict.
printf 'at 5 no-answer on\n' >"$WORK/falls-silent.txt"
start_sim falls-silent 10 --scenario "$WORK/falls-silent.txt"
check live-falls-silent 6 "NO ANSWER FROM SENSOR!" live --port COM10 --timeout 3
expect live-falls-silent-lines "live lines before the silence" grep -q '^t=' "$WORK/live-falls-silent.out"
start_sim other-model 7 --device-type 3001
check unsupported-model 7 "unsupported sensor model Vextora T3" info --port COM7 --timeout 5
start_sim rejecting 8 --reject-writes --zero-candidate 0.5,0.25,0.75
check rejected-write 9 "SETTINGS ARE REJECTED BY SENSOR!" settings set angle_threshold=40 --port COM8 --timeout 5
check rejected-zero 9 "SETTINGS ARE REJECTED BY SENSOR!" zero --port COM8 --timeout 5
stop_sims

# --- a firmware update cut in the middle, then run again: it resumes where the sensor stopped
start_sim cut 9 --cut-after-block 12 --cut-for 2 \
  --save-image "$WORK/resumed.fw"
check firmware-cut 6 "NO ANSWER FROM SENSOR!" firmware "$WORK/good.fw" --port COM9 --timeout 1
sleep 2
check firmware-resume 0 "Firmware update is completed" firmware "$WORK/good.fw" --port COM9 --timeout 8
expect firmware-resume-start "the second run did not start from byte 0" \
  sh -c "! grep -q '^firmware:   0%' '$WORK/firmware-resume.out'"
expect firmware-resume-image "the resumed image equals the file byte for byte" cmp -s "$WORK/good.fw" "$WORK/resumed.fw"
stop_sims

# --- the relay path: relay server, on-board terminal 1, the sensor behind it
start_sim relay 0 --save-image "$WORK/relayed.fw"
R="--relay $RELAY --terminal 1 --timeout 10"
check relay-info 0 "model: TQS 25-07" info $R
check relay-settings-get 0 "^angle_threshold = " settings get $R
check relay-settings-set 0 "Settings are written into sensor" settings set angle_threshold=25 $R
check relay-invalid 8 'approximation_interval = "5"' settings set approximation_interval=5 $R
check relay-export 0 "" settings export "$WORK/relay.json" $R
check relay-import 0 "Settings are written|nothing to write" settings import "$WORK/relay.json" $R
check relay-live 0 "^t=" live --count 2 --fast $R
check relay-log 0 "2 rows appended" log "$WORK/relay-rows.txt" --count 2 $R
check relay-zero 0 "zero_reference = " zero $R
check relay-diag 0 "^C=" diag $R
check relay-test 0 "accepted the test command" test 3 $R
check relay-address 0 "network address: 4" address 4 $R
check relay-address-back 0 "network address: 1" address 1 --address 4 $R
check relay-firmware 0 "Firmware update is completed" firmware "$WORK/small.fw" $R
expect relay-firmware-image "the relayed image equals the file" cmp -s "$WORK/small.fw" "$WORK/relayed.fw"
check refused-terminal 5 "relay server refused the link to terminal 7" info --relay "$RELAY" --terminal 7 --timeout 5
# A server that refuses or cannot be found: the product's message, then the system's reason.
check server-unreachable 4 "Connection to the server 127\.0\.0\.1:1 failed! [^ ].+" info --relay 127.0.0.1:1 --terminal 1 --timeout 5
check server-unreachable-ru 4 "Соединение с сервером 127\.0\.0\.1:1 не может быть установлено! [^ ].+" \
  info --relay 127.0.0.1:1 --terminal 1 --timeout 5 --lang ru
check server-unresolved 4 "Connection to the server no-such-relay\.invalid:50010 failed! [^ ].+" \
  info --relay no-such-relay.invalid:50010 --terminal 1 --timeout 5
stop_sims
start_sim old-terminal 0 --terminal-version 110
check old-terminal 5 "terminal 1 refused to open its port" info --relay "$RELAY" --terminal 1 --timeout 10
start_sim relay-error 0 --relay-error 2
check relay-error 5 "relay server refused the link to terminal 1" info --relay "$RELAY" --terminal 1 --timeout 10
stop_sims

echo "cli-sim-test: $passed passed, $failed failed"
[ "$failed" = 0 ]
