#!/bin/bash
# The paths of kivra.exe's window that the main suite does not take, driven through the window
# against the simulator: the sensor address chosen in the list, a connection lost while
# connected (the serial line and the relay server), the network dialog's service mode, the
# tooltips of the output indicators and markers, the RS-485 page's unsolicited output, the
# magnetic indicators by firmware version, Enter and Esc, and output 1 in frequency mode.
# usage: window-paths-test.sh --driver kivra-ui-driver.exe --program kivra.exe --sim kivra-sim
#                             --wine wine-run.sh --work DIR
NAME=window-paths-test
SIM_LIFETIME=400
. "$(dirname "$0")/../ui/window-harness.sh"

install_program
SETTINGS_KEY='HKCU\SOFTWARE\Vextora\KIVRA'
# Requests the simulator has logged so far: all of them, or those to one address.
requests_to() { grep -c "\"kind\":\"request\",\"addr\":$2," "$WORK/$1.log"; }
# only_to LOG ADDRESS AFTER: more than AFTER requests went to ADDRESS, and none anywhere else.
only_to() {
  [ "$(requests_to "$1" "$2")" -gt "$3" ] && [ "$(grep '"kind":"request"' "$WORK/$1.log" | grep -vc "\"addr\":$2,")" = 0 ]
}
now_ms() { date +%s%3N; }

window_setup
sh "$WINE_RUN" reg add "$SETTINGS_KEY" /v 'COM Port' /d COM5 /f >/dev/null 2>&1

# start_connected RUN: the program started and connected to the simulator on COM5, the sensor's
# settings read (edits made before they come would be overwritten by them).
start_connected() {
  start_program "$1" "$KIVRA" /eng
  step "$1-start" 'wait-window "Vextora KIVRA*" 30000' 'key F4' || return 1
  check "$1-ready" 'expect text 1007 = "Settings are read from sensor" 20000'
}

# --- Firmware 7: no magnetic detectors, their indicators are grey; Enter and Esc.
firmware_7() {
  start_sim fw7 5 --fw-version 7
  start_connected fw7 || return
  check magnets-grey-fw7 'expect enabled 1263 = 0'
  check magnet2-grey-fw7 'expect enabled 1264 = 0'
  # Enter does nothing: no question, the window stays connected.
  step enter 'focus 1001' 'key enter' || return
  expect_shell enter-does-nothing "Enter brought a message box" no_message_box 1500
  check enter-keeps-window 'expect visible 1008 = 1'
  # Esc asks before closing while connected; Cancel keeps the window.
  step esc 'key esc' 'message-box' || return
  check esc-asks 'expect message-text = "Disconnect sensor and exit application?"'
  step esc-cancel 'answer Cancel' || return
  check esc-cancel-keeps 'expect visible 1008 = 1'
  # The line goes away while connected: the window says so at once and can connect again.
  stop_sims
  pulled=$(now_ms)
  step line-lost 'timeout 3000' 'message-box' 'timeout 5000' || return
  told_ms=$(($(now_ms) - pulled))
  check line-lost-words 'expect message-text ~ "Connection via COM5 is lost.*?*"'
  expect_shell line-lost-quick "the loss was told $told_ms ms after the line went" test "$told_ms" -lt 1000
  sleep 0.5
  screenshot connection-lost
  step line-lost-ok 'answer OK' || return
  check line-lost-connect-again 'expect enabled 1006 = 1'
  check line-lost-modify-again 'expect enabled 1009 = 1'
  check line-lost-address-again 'expect enabled 1087 = 1'
  # Firmware 8 on the same line: the indicators come alive.
  start_sim fw8 5 --fw-version 8
  step fw8-connect 'key F4' || return
  check fw8-ready 'expect enabled 1010 = 1 20000'
  check magnets-usable-fw8 'expect enabled 1263 = 1'
  check magnet2-usable-fw8 'expect enabled 1264 = 1'
  step fw8-close 'close' 'message-box' 'answer OK' 'wait-closed 10000'
  stop_sims
}
firmware_7

# --- The sensor address chosen in the list: the requests go there, and the choice survives
# reconnecting. The sensor takes only its own address.
address_choice() {
  start_sim address 5 --address 7 --no-common-address
  start_program address "$KIVRA" /eng
  step address-start 'wait-window "Vextora KIVRA*" 30000' 'select 1087 7' 'key F4' || return
  check address-ready 'expect enabled 1010 = 1 20000'
  expect_shell address-requests "requests went to another address than 7" only_to address 7 0
  step address-reconnect 'key F4' 'expect visible 1006 = 1 5000' 'key F4' || return
  check address-kept 'expect text 1087 = "7"'
  check address-ready-again 'expect enabled 1010 = 1 20000'
  before=$(requests_to address 7)
  sleep 2
  expect_shell address-requests-again "no more requests to 7 after reconnecting, or some elsewhere" \
    only_to address 7 "$before"
  step address-close 'close' 'message-box' 'answer OK' 'wait-closed 10000'
  stop_sims
}
address_choice

# The tooltips of the output indicators and markers: the open-collector note, 500 pixels wide,
# shown for 32767 ms, on the main window and on the "Discrete outputs" page.
TIP='500 32767 Output type is open collector\r\n○ State 0: gate is closed, output is connected to VCC via 3300 Ohm pullup resistor.\r\n● State 1: gate is open, output is connected to VDD.'
tooltips() {
  for id in 1265 1266 1268 1269; do
    check "tooltip-$id" "expect tooltip $id = \"$TIP\""
  done
  step outputs-page 'tab-select 1001 "Discrete outputs"' || return
  for id in 1268 1269 1271 1273; do
    check "page-tooltip-$id" "expect tooltip page:$id = \"$TIP\""
  done
}

# --- The network dialog's service mode: with Ctrl+Alt+Shift held as it opens, the serial
# number is shown; Write refuses 0, and a new serial number is written and read back.
service_mode() {
  start_sim service 5
  start_connected service || return
  step service-open 'hold ctrl+alt+shift' 'click 1013' 'wait-window "Network address setup"' 'release' || return
  check service-serial-shown 'expect visible 1077 = 1'
  check service-serial-preset 'expect text 1077 = "12345"'
  step service-zero 'set-text 1077 "0"' || return
  check service-zero-refused 'expect enabled 1094 = 0'
  step service-write 'set-text 1077 "4242"' 'click 1094' 'wait-closed 15000' || return
  check service-serial-read-back 'expect text 1123 = "4242" 15000'
  step service-plain 'click 1013' 'wait-window "Network address setup"' || return
  check plain-serial-hidden 'expect visible 1077 = 0'
  step service-plain-cancel 'click 2' 'wait-closed' || return
  tooltips
  # Output 1 in frequency mode, set on the "Discrete outputs" page and written.
  step frequency-on 'tab-select 1001 "Discrete outputs"' 'click page:1259' 'expect enabled 1012 = 1 3000' 'click 1012' || return
  check frequency-written 'expect text 1007 = "Settings are written into sensor" 15000'
  check frequency-label 'expect text 1260 = "Frequency output 1:" 5000'
  check frequency-number-shown 'expect visible 1256 = 1'
  check frequency-number 'expect text 1256 ~ "?*" 5000'
  check frequency-indicator-hidden 'expect visible 1265 = 0'
  check frequency-marker1-hidden 'expect visible 1269 = 0'
  check frequency-marker2-shown 'expect visible 1268 = 1'
  check frequency-indicator2-shown 'expect visible 1266 = 1'
  sleep 1
  screenshot frequency-mode
  step service-close 'close' 'message-box' 'answer OK' 'wait-closed 10000'
  stop_sims
}
service_mode

# --- The RS-485 page's unsolicited output: the radios and the interval, written and read back.
rs485_page() {
  start_sim rs485 5
  start_connected rs485 || return
  step rs485-edit 'tab-select 1001 "RS-485 protocol"' 'click page:1164' 'set-text page:1074 "17"' \
    'expect enabled 1012 = 1 3000' 'click 1012' || return
  check rs485-written 'expect text 1007 = "Settings are written into sensor" 15000'
  # Read back from a new connection, not from what the page still holds.
  step rs485-reconnect 'key F4' 'expect visible 1006 = 1 5000' 'key F4' || return
  check rs485-read-again 'expect text 1007 = "Settings are read from sensor" 20000'
  check rs485-lls-read-back 'expect checked page:1164 = 1'
  check rs485-off-read-back 'expect checked page:1163 = 0'
  check rs485-interval-read-back 'expect text page:1074 = "17"'
  step rs485-off 'click page:1163' 'expect enabled 1012 = 1 3000' 'click 1012' || return
  check rs485-off-written 'expect text 1007 = "Settings are written into sensor" 15000'
  step rs485-read 'click 1010' || return
  check rs485-off-read 'expect checked page:1163 = 1 10000'
  step rs485-close 'close' 'message-box' 'answer OK' 'wait-closed 10000'
  stop_sims
}
rs485_page

# --- The relay server goes away while connected: said at once, and the window can connect again.
relay_lost() {
  start_sim relay 0
  start_program relay "$KIVRA" /eng
  step relay-start 'wait-window "Vextora KIVRA*" 30000' 'key ctrl+F4' 'wait-window "IP connection"' \
    "set-text 1197 \"$RELAY\"" 'set-text 1198 "1"' 'click 1' 'wait-closed 60000' || return
  check relay-ready 'expect enabled 1010 = 1 30000'
  stop_sims
  gone=$(now_ms)
  step relay-lost 'timeout 3000' 'message-box' 'timeout 5000' || return
  told_ms=$(($(now_ms) - gone))
  # The server closed its end: there is no system's reason to add.
  check relay-lost-words "expect message-text = \"Connection via $RELAY is lost.\""
  expect_shell relay-lost-quick "the loss was told $told_ms ms after the server went" test "$told_ms" -lt 1000
  step relay-lost-ok 'answer OK' || return
  check relay-connect-again 'expect enabled 1006 = 1'
  step relay-close 'close' 'wait-closed 10000'
}
relay_lost

finish
