#!/bin/sh
# kivra-cli scan under Wine against the simulator: several sensors on one line with a collision
# at the common address, damaged answers, an empty line, Ctrl+C, the progress line on a console.
# usage: cli-scan-test.sh --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
NAME=cli-scan-test
SIM_LIFETIME=150
. "$(dirname "$0")/cli-harness.sh"

# Identification (code 0) and settings reads (code 43) the simulator has received.
requests() { grep -c "\"kind\":\"request\",\"addr\":$2,\"code\":$3," "$WORK/$1.log"; }

# --- the command line
check scan-relay 2 "no --relay, no --address" scan --relay localhost:50010 --terminal 1
check scan-address 2 "no --relay, no --address" scan --address 3 --port COM31
check scan-range 2 "FIRST-LAST, each 0..255" scan --addresses 30-20 --port COM31
check baud-all-elsewhere 2 "belong to scan" info --baud all --port COM31

# --- three sensors on one line: 3 and 77 both take the common address, 200 refuses it
start_sim line 31 --address 3 --serial 1003 --neighbour 77,7077 --neighbour 200,2200,no-common
check scan-three 0 "^sensors found: 3 \(in [0-9.]+ s\)" scan --port COM31
sed 's/^/    scan-three | /' "$WORK/scan-three.out"
expect scan-three-order "the collision at 255 first, then addresses 3, 77 and 200 with their serial numbers" \
  sh -c "tr -d '\r' <'$WORK/scan-three.out' | grep -v '^Scanning\|^sensors' | sed 's/: more than one.*//; s/: .*firmware version 9, serial number /=/' >'$WORK/three.txt' &&
    printf '%s\n' 'COM31, 19200 baud: answers collided at address 255' 'COM31, 19200 baud, address 3=1003' \
      'COM31, 19200 baud, address 77=7077' 'COM31, 19200 baud, address 200=2200' | diff - '$WORK/three.txt'"
expect scan-three-models "each found sensor named by its model" test "$(grep -c 'TQS 25-07' "$WORK/scan-three.out")" = 3
expect scan-three-settings "one settings read for each sensor found" \
  test "$(requests line 3 43)$(requests line 77 43)$(requests line 200 43)" = 111
expect scan-three-every-address "every address asked once, the common one first" \
  sh -c "[ \$(grep -c '\"kind\":\"request\",\"addr\":[0-9]*,\"code\":0,' '$WORK/line.log') = 256 ] &&
    grep -m1 '\"code\":0,' '$WORK/line.log' | grep -q '\"addr\":255,'"
full=$(sed -n 's/^sensors found: 3 (in \([0-9.]*\) s)/\1/p' "$WORK/scan-three.out" | tr -d '\r')
echo "cli-scan-test: a full scan at 19200 baud (256 addresses, 3 sensors) took ${full:-?} s"
expect scan-three-time "a full scan at 19200 baud within a minute" awk "BEGIN { exit !(${full:-999} < 60) }"

# 200-255: the common address, then 200 to 254.
check scan-json 0 '"problem": "collision"' scan --port COM31 --addresses 200-255 --json
cat >"$WORK/scan-json.txt" <<'END'
{"port": "COM31", "baud": 19200, "address": 255, "problem": "collision"}
{"port": "COM31", "baud": 19200, "address": 200, "model": "TQS 25-07", "firmware_version": "9", "device_type": 3201, "serial_number": 2200}
END
expect scan-json-lines "the collision and the sensor at 200 as JSON lines, nothing else on standard output" \
  sh -c "tr -d '\r' <'$WORK/scan-json.out' | diff '$WORK/scan-json.txt' -"

# Russian, into files as UTF-8: the scan's lines, a usage error and info's labels.
check scan-russian 0 "" scan --port COM31 --addresses 200-255 --lang ru
cat >"$WORK/scan-russian.txt" <<'END'
Поиск датчиков на COM31, скорость 19200 бод, адреса 255, 200-254
COM31, 19200 бод: коллизия ответов на адресе 255: общий адрес принимают несколько датчиков
COM31, 19200 бод, адрес 200: TQS 25-07, версия прошивки 9, серийный номер 2200
найдено датчиков: 1 (за N с)
END
expect scan-russian-text "the Russian scan lines in UTF-8, as written" \
  sh -c "tr -d '\r' <'$WORK/scan-russian.out' | sed 's/за [0-9.]* с)/за N с)/' | diff '$WORK/scan-russian.txt' -"
check usage-russian 2 "" info --baud 1234 --lang ru
printf '%s\n' 'kivra-cli: --baud 1234: скорость: 19200, 9600 или 4800 бод (список команд и параметров: kivra-cli --help)' \
  >"$WORK/usage-russian.txt"
expect usage-russian-text "the Russian usage error in UTF-8 on standard error" \
  sh -c "tr -d '\r' <'$WORK/usage-russian.err' | diff '$WORK/usage-russian.txt' -"
check info-russian 0 "^серийный номер: 7077$" info --port COM31 --address 77 --lang ru
expect info-russian-json "JSON keys stay as they are in Russian" \
  sh -c "sh '$WINE_RUN' '$CLI' info --port COM31 --address 77 --lang ru --json | grep -q '\"serial_number\": \"7077\", \"network_address\": \"77\"'"

interrupt scan-ctrl-c 13 "scan interrupted at 19200 baud, address [0-9]+; sensors found so far: [12]" 7 \
  scan --port COM31
expect scan-ctrl-c-kept "the sensor found before Ctrl+C is listed" grep -q "address 3: TQS 25-07" "$WORK/scan-ctrl-c.out"
check_console scan-console 0 "19200 baud, address [0-9]+, found [0-9]+, 0:0[0-9] left" scan --port COM31 --addresses 0-20
stop_sims

# --- a sensor whose every answer is damaged, and an empty line
start_sim noisy 32 --address 9 --corrupt 1 --seed 3
check scan-damaged 14 "COM32, 19200 baud, address 9: the answer fails its checksum" scan --port COM32 --addresses 5-12
stop_sims
start_sim empty 33 --no-answer
check scan-empty 14 "^kivra-cli: no sensor found \(in [0-9.]+ s\)" scan --port COM33 --addresses 0-30
check scan-missing-port 3 "Connection via COM34 failed" scan --port COM34
stop_sims

echo "cli-scan-test: $passed passed, $failed failed"
[ "$failed" = 0 ]
