#!/bin/bash
# kivra.exe under Wine against the simulator, driven only through its windows as a person would:
# keys, clicks and texts, read back from the controls, the simulator's log and the files the
# program writes. Each check prints one line; the suite ends with its "N passed, M failed" line.
# usage: main-window-test.sh --driver kivra-ui-driver.exe --program kivra.exe --sim kivra-sim
#                            --wine wine-run.sh --work DIR
NAME=main-window-test
SIM_LIFETIME=400
. "$(dirname "$0")/../ui/window-harness.sh"
. "$(dirname "$0")/../ui/firmware-images.sh"

install_program
SETTINGS_KEY='HKCU\SOFTWARE\Vextora\KIVRA'
# A value of the settings key as "reg query" prints it (its last word), empty when absent.
reg_value() { sh "$WINE_RUN" reg query "$SETTINGS_KEY" /v "$1" 2>/dev/null | tr -d '\r' | awk -v v="$1" 'index($0, v) { print $NF }'; }
# Requests of one code the simulator has logged so far.
requests() { grep -c "\"kind\":\"request\",.*\"code\":$2," "$WORK/$1.log"; }

make_image "$WORK/good.fw" 6000 12
make_image "$WORK/other-type.fw" 500 15 3001

window_setup
start_sim sensor 5 --save-image "$WORK/updated.fw" --cut-after-block 20 --cut-for 3
# The first start: no settings key yet.
sh "$WINE_RUN" reg delete "$SETTINGS_KEY" /f >/dev/null 2>&1

start_program kivra "$KIVRA" /eng
step start 'wait-window "Vextora KIVRA*" 30000' || finish
check caption-version 'expect text window = "Vextora KIVRA 2.6"'
check tabs-at-start "expect tab-items 1001 = '\"RS-485 protocol\" \"Discrete outputs\" \"Additional settings\" \"Additional data\" \"Chart\"'"
check only-connect-usable 'expect enabled 1010 = 0'
check disconnect-hidden 'expect visible 1008 = 0'
check address-common 'expect text 1087 = "Common (255)"'
# The indicators show the sensor, not clicks: a clicked one stays as it was.
step indicator-click 'click 1265' 'click 1266' 'sleep 300' || finish
check indicator-1-unchanged 'expect checked 1265 = 0'
check indicator-2-unchanged 'expect checked 1266 = 0'
step zoom 'zoom 150' 'sleep 1500' || finish
screenshot main-en-unconnected

# The serial dialog: the simulator's port, 19200.
step serial-dialog 'click 1009' 'wait-window "Sensor connection parameters"' || finish
check serial-port-listed 'expect combo-items 1169 ~ "*COM5*"'
screenshot serial-dialog
step serial-choose 'select 1169 COM5' 'select 1088 19200' 'click 1' 'wait-closed' || finish
check connection-parameters 'expect text 1003 = "COM5 : 19200"'
check connect-enabled 'expect enabled 1006 = 1'

# F4 connects; the sensor identifies itself and its live values come.
step connect 'key F4' || finish
check disconnect-shown 'expect visible 1008 = 1 5000'
check connect-hidden 'expect visible 1006 = 0'
check modify-locked 'expect enabled 1009 = 0'
# "Modify..." had the focus: it goes on to "Disconnect sensor", so keys still reach the window.
check focus-kept 'expect focused = 1008'
check link-connected 'expect text 1002 = "Connected to sensor" 15000'
check ready 'expect enabled 1010 = 1 15000'
check model 'expect text 1159 = "TQS 25-07"'
check firmware-version 'expect text 1160 ~ "9*"'
check serial-number 'expect text 1123 = "12345"'
check network-address 'expect text 1076 = "1"'
check angle-shown 'expect text 1161 ~ "*.*"'
check temperature-shown 'expect text 1162 ~ "*2?.?"'
check magnets-usable 'expect enabled 1263 = 1'
expect_shell com-port-stored '"COM Port" is not COM5 after connecting' test "$(reg_value 'COM Port')" = COM5

# The gauge stands at the shown angle, rounded to whole degrees, and follows it as it swings: each
# position lies between the degrees of the angle texts read just before and just after it.
degrees_shown() {
  ui 'text 1161' || return 1
  awk -v a="$(printf '%s' "$UI_VALUE" | tr -d '"')" 'BEGIN { d = int((a * 100 + 50) / 100); if (d < 0) d = 0; if (d > 180) d = 180; print d }'
}
gauge_follows() {
  positions=""
  for _ in 1 2 3 4 5 6; do
    before=$(degrees_shown) || return 1
    ui 'gauge-pos 1025' || return 1
    pos=$UI_VALUE
    after=$(degrees_shown) || return 1
    low=$before high=$after
    [ "$low" -le "$high" ] || { low=$after; high=$before; }
    if [ "$pos" -lt $((low - 1)) ] || [ "$pos" -gt $((high + 1)) ]; then
      echo "    gauge at $pos for angles of $before and $after degrees"
      return 1
    fi
    positions="$positions $pos"
    sleep 1.5
  done
  [ "$(printf '%s\n' $positions | sort -u | wc -l)" -gt 1 ] || { echo "    the gauge stayed at$positions"; return 1; }
}
expect_shell gauge-follows-angle "the gauge does not follow the shown angle" gauge_follows
screenshot main-en-connected

# A setting edited on a page and written.
settings_write() {
  step angle-page 'tab-select 1001 "Additional settings"' || return
  writes_before=$(requests sensor 44)
  step edit-threshold 'set-text page:1234 "20"' || return
  check write-enabled 'expect enabled 1012 = 1 3000'
  check settings-modified 'expect text 1007 = "Settings are modified. Writing is demanded!"'
  step write 'click 1012' || return
  check settings-written 'expect text 1007 = "Settings are written into sensor" 10000'
  expect_shell sim-got-write "the simulator logged no settings write" sh -c "[ $(requests sensor 44) -gt $writes_before ]"

  # An invalid edit: "Write settings" goes grey, and comes back with a valid value.
  step invalid-threshold 'set-text page:1234 "95"' || return
  check invalid-disables-write 'expect enabled 1012 = 0 3000'
  check invalid-status 'expect text 1007 = "Settings modification is invalid. Writing is impossible!"'
  # The address goes to the sensor with the whole block: with a setting invalid nothing can go
  # out, and the dialog says so instead of closing as if written; the window keeps the address.
  step network-with-invalid 'click 1013' 'wait-window "Network address setup"' 'set-text 1076 "9"' 'click 1094' 'message-box' || return
  check address-not-written 'expect message-text ~ "The network address is not written*not valid*"'
  screenshot network-not-written
  step address-not-written-ok 'answer OK' || return
  check network-dialog-stays 'expect text 1076 = "9"'
  step network-cancel 'click 2' 'wait-closed' || return
  check address-kept 'expect text 1076 = "1"'
  step valid-again 'set-text page:1234 "21"' || return
  check valid-enables-write 'expect enabled 1012 = 1 3000'
}
settings_write

# Zero setup asks first; OK sets it and shows the angle page.
zero_setup() {
  step rs485-page 'tab-select 1001 "RS-485 protocol"' || return
  step zero 'click 1238' 'message-box' || return
  check zero-question 'expect message-text = "Continue with zero angle setup?"'
  step zero-ok 'answer OK' || return
  check zero-shows-angle-page 'expect selection 1001 = 2'
}
zero_setup

# The network dialog changes the address.
network_dialog() {
  step network-dialog 'click 1013' 'wait-window "Network address setup"' || return
  check network-address-preset 'expect text 1076 = "1"'
  screenshot network-dialog
  step network-write 'set-text 1076 "7"' 'click 1094' 'wait-closed' || return
  check address-changed 'expect text 1076 = "7" 15000'
}
network_dialog

# Keys: F6 and Ctrl+F6 walk the tabs, Ctrl+F12 shows and hides the log page.
keys_and_log_page() {
  step select-first 'tab-select 1001 #0' 'key F6' || return
  check f6-next-tab 'expect selection 1001 = 1'
  step ctrl-f6 'key ctrl+F6' 'key ctrl+F6' || return
  check ctrl-f6-wraps 'expect selection 1001 = 4'
  step show-log 'key ctrl+F12' || return
  check log-tab-shown "expect tab-items 1001 = '\"RS-485 protocol\" \"Discrete outputs\" \"Additional settings\" \"Additional data\" \"Chart\" \"Log\"'"
  step log-page 'tab-select 1001 Log' || return
  check trace-on-log-page 'expect text page:1075 ~ "*Tx;41 *Rx;42 *" 5000'
  # Data logging: rows of live values in GearLog_<serial>.txt beside the program.
  step data-log-on 'click page:1208' || return
  sleep 3
  step data-log-off 'click page:1208' || return
  expect_shell data-log-rows "no rows in $WORK/bin/GearLog_12345.txt" sh -c "[ \$(wc -l <'$WORK/bin/GearLog_12345.txt') -ge 2 ]"
}
keys_and_log_page

# Firmware: an image of another device type is refused before anything is sent.
firmware_update() {
  step firmware-other 'click 1126' "file-dialog '$(winpath "$WORK/other-type.fw")'" 'message-box' || return
  check other-type-refused 'expect message-text ~ "*device type 3001*3201*nothing was sent*"'
  step other-type-ok 'answer OK' || return
  # The update with its progress bar, cut in the middle by the line, and resumed when it is back.
  step firmware 'click 1126' "file-dialog '$(winpath "$WORK/good.fw")'" || return
  check progress-shown 'expect visible 1187 = 1 10000'
  check downloading-text 'expect text 1186 ~ "Downloading firmware*" 10000'
  sleep 1
  screenshot firmware-update
  check firmware-completed 'expect text 1186 = "Firmware update is completed" 120000'
  expect_shell firmware-resumed "the sensor's image differs from the file" cmp -s "$WORK/good.fw" "$WORK/updated.fw"
}
firmware_update

# Closing while connected asks first; Cancel keeps the window.
step close-ask 'close' 'message-box' || finish
check close-question 'expect message-text = "Disconnect sensor and exit application?"'
step close-cancel 'answer Cancel' || finish
check still-open 'expect visible 1008 = 1'
step close-ok 'close' 'message-box' 'answer OK' 'wait-closed 10000' || finish
stop_sims

# A refused settings write, and the relay path through the IP dialog (Ctrl+F4).
relay_path() {
  start_sim relay 0 --reject-writes
  start_program kivra2 "$KIVRA"
  step restart 'wait-window "Vextora KIVRA*" 30000' || return
  step ip-dialog 'key ctrl+F4' 'wait-window "IP connection"' || return
  screenshot ip-dialog
  step ip-connect "set-text 1197 \"$RELAY\"" 'set-text 1198 "1"' 'click 1' 'wait-closed 60000' || return
  check relay-connected 'expect text 1002 = "Connected to sensor" 30000'
  check relay-ready 'expect enabled 1010 = 1 30000'
  step relay-edit 'tab-select 1001 "Additional settings"' 'set-text page:1234 "33"' 'click 1012' || return
  check write-rejected 'expect text 1007 = "SETTINGS ARE REJECTED BY SENSOR!" 60000'
  check rejected-still-writable 'expect enabled 1012 = 1'
  step relay-close 'close' 'message-box' 'answer OK' 'wait-closed 10000' || return
  stop_sims
}
relay_path

# Russian: the switch chooses it and stores "Lang"; a start without a switch stays Russian.
start_sim russian 5
start_program kivra-ru "$KIVRA" /RUS
step russian 'wait-window "Vextora KIVRA*" 30000' || finish
check russian-connect 'expect text 1006 = "Установить соединение"'
check russian-address 'expect text 1087 = "Общий (255)"'
step russian-zoom 'zoom 150' 'sleep 1500' || finish
screenshot main-ru-unconnected
russian_connected() {
  step russian-connect-key 'click 1009' 'wait-window "Настройки связи с датчиком"' 'select 1169 COM5' 'click 1' 'wait-closed' 'key F4' || return
  check russian-link 'expect text 1002 = "Связь с датчиком установлена" 15000'
  sleep 2
  screenshot main-ru-connected
  step russian-close-ask 'close' 'message-box' || return
  check russian-close-question 'expect message-text = "Разорвать соединение и закрыть приложение?"'
  step russian-close 'answer OK' 'wait-closed 10000'
}
russian_connected
expect_shell lang-stored '"Lang" is not 1 after /rus' test "$(reg_value Lang)" = 0x1
start_program kivra-ru2 "$KIVRA"
step russian-again 'wait-window "Vextora KIVRA*" 30000' || finish
check lang-honoured 'expect text 1009 = "Изменить..."'
step russian-again-close 'close' 'wait-closed 10000' || finish

# A port that will not open (its adapter gone after it was chosen) is named with the system's reason.
port_failure() {
  start_sim gone 6
  start_program kivra3 "$KIVRA" /eng
  step failure-start 'wait-window "Vextora KIVRA*" 30000' || return
  step choose-gone 'click 1009' 'wait-window "Sensor connection parameters"' 'select 1169 COM6' 'click 1' 'wait-closed' || return
  stop_sims
  step connect-gone 'key F4' 'message-box' || return
  check open-failure-named 'expect message-text ~ "Connection via COM6 failed!*Port may be unavailable or busy.*?*"'
  step open-failure-ok 'answer OK' || return
  check failure-unconnected 'expect visible 1006 = 1'
}
port_failure
step failure-close 'close' 'wait-closed 10000'

# A resources file that cannot be written is named with the system's reason; the program goes on.
resources_failure() {
  start_program kivra4 "$KIVRA" /resources 'Z:\no\such\folder\r.txt'
  step resources-box 'message-box' || return
  check resources-failure-named 'expect message-text ~ "The resources file Z:*r.txt cannot be written; no samples are taken.*Path not found."'
  step resources-go-on 'answer OK' 'wait-window "Vextora KIVRA*" 30000' 'close' 'wait-closed 10000'
}
resources_failure
# The program is gone before the next one starts.
sleep 3

finish
