#!/bin/bash
# Settings profiles in kivra.exe, driven through its windows against the simulator: the system
# menu's "Export settings..." on one sensor, "Import settings..." on another (the pages show the
# profile, the status says modified, "Write settings" sends it), and a profile with one bad value
# that changes nothing and is named; a profile saved as UTF-16 reads too. Ends with its
# "N passed, M failed" line.
# usage: settings-profile-test.sh --driver kivra-ui-driver.exe --program kivra.exe --sim kivra-sim
#                                 --wine wine-run.sh --work DIR
NAME=settings-profile-test
SIM_LIFETIME=300
. "$(dirname "$0")/../ui/window-harness.sh"

install_program
rm -f "$WORK"/*.json
# The system menu commands the main window adds.
EXPORT=272
IMPORT=288
# Settings writes (request code 44) the simulator has logged so far.
writes() { grep -c '"kind":"request",.*"code":44,' "$WORK/$1.log"; }
# The page values a profile carries: the angle threshold and the approximation interval.
THRESHOLD='page:1234'
APPROX='page:1079'
MODIFIED='Settings are modified. Writing is demanded!'
WRITTEN='Settings are written into sensor'

window_setup
start_sim first 5
sh "$WINE_RUN" reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v 'COM Port' /d COM5 /f >/dev/null 2>&1
start_program kivra "$KIVRA" /eng
step start 'wait-window "Vextora KIVRA*" 30000' || finish

# Without a sensor there are no settings to save: the command does nothing (no file dialog).
step export-unconnected "system-command $EXPORT" 'sleep 1500' || finish
check no-dialog-unconnected 'expect enabled window = 1'
step menu-unconnected 'key alt+space' 'sleep 1000' || finish
screenshot menu-en-unconnected
step menu-unconnected-close 'key esc' 'key esc' || finish

# The first sensor: two values edited on the angle page and written, then the profile saved.
step connect 'key F4' || finish
check first-ready 'expect enabled 1010 = 1 20000'
check first-serial 'expect text 1123 = "12345"'
check first-read 'expect text 1007 = "Settings are read from sensor" 15000'
step first-edit 'tab-select 1001 "Additional settings"' "set-text $THRESHOLD 20" "set-text $APPROX 75" || finish
check first-modified "expect text 1007 = '$MODIFIED' 3000"
step first-write 'click 1012' || finish
check first-written "expect text 1007 = '$WRITTEN' 15000"
step menu-connected 'key alt+space' 'sleep 1000' || finish
screenshot menu-en-connected
step menu-connected-close 'key esc' 'key esc' || finish
step export "system-command $EXPORT" "file-dialog '$(winpath "$WORK/first")' 30000" || finish
expect_shell profile-saved "no first.json with the written values: $(cat "$WORK/first.json" 2>/dev/null | head -c 400)" \
  grep -q '"angle_threshold": "20"' "$WORK/first.json"
expect_shell profile-approx "first.json has not approximation_interval 75" grep -q '"approximation_interval": "75"' "$WORK/first.json"
expect_shell profile-origin "first.json does not say where it came from" grep -q '"info": {"model": "TQS 25-07"' "$WORK/first.json"
expect_shell profile-serial "first.json has not the first sensor's serial number" grep -q '"serial_number": "12345"' "$WORK/first.json"
step disconnect 'key F4' || finish
check disconnected 'expect visible 1006 = 1 10000'
stop_sims

# The second sensor: another serial number and address, factory settings.
start_sim second 5 --serial 777 --address 3
step reconnect 'key F4' || finish
check second-ready 'expect enabled 1010 = 1 20000'
check second-serial 'expect text 1123 = "777" 15000'
check second-read 'expect text 1007 = "Settings are read from sensor" 15000'
check second-own-threshold "expect text $THRESHOLD != 20"
step import "system-command $IMPORT" "file-dialog '$(winpath "$WORK/first.json")' 30000" || finish
check imported-threshold "expect text $THRESHOLD = 20 5000"
check imported-approx "expect text $APPROX = 75"
check imported-modified "expect text 1007 = '$MODIFIED'"
check imported-writable 'expect enabled 1012 = 1'
check keeps-serial 'expect text 1123 = "777"'
check keeps-address 'expect text 1076 = "3"'
writes_before=$(writes second)
step write-imported 'click 1012' || finish
check imported-written "expect text 1007 = '$WRITTEN' 15000"
expect_shell sim-got-profile "the second simulator logged no settings write" \
  sh -c "[ $(writes second) -gt $writes_before ]"
# Read back from the sensor: it holds the profile, and still its own serial number and address.
step read-back 'click 1010' || finish
check read-back-status 'expect text 1007 = "Settings are read from sensor" 15000'
check read-back-threshold "expect text $THRESHOLD = 20"
check read-back-approx "expect text $APPROX = 75"
check read-back-serial 'expect text 1123 = "777"'
check read-back-address 'expect text 1076 = "3"'

# A profile with one value out of its range and another one valid: nothing of it is taken.
sed -e 's/"angle_threshold": "20"/"angle_threshold": "95"/' -e 's/"approximation_interval": "75"/"approximation_interval": "80"/' \
  "$WORK/first.json" >"$WORK/bad.json"
step import-bad "system-command $IMPORT" "file-dialog '$(winpath "$WORK/bad.json")' 30000" 'message-box' || finish
check bad-named "expect message-text ~ '*bad.json were not imported, nothing was changed:*angle_threshold = \"95\": a whole number of degrees 1..90*'"
check bad-only-named "expect message-text !~ '*approximation_interval*'"
screenshot bad-value-en
step bad-ok 'answer OK' || finish
check bad-kept-threshold "expect text $THRESHOLD = 20"
check bad-kept-approx "expect text $APPROX = 75"
check bad-kept-status "expect text 1007 = 'Settings are read from sensor'"

# A profile saved as UTF-16 (as Windows editors save "Unicode" text) reads as well.
sed -e 's/"angle_threshold": "20"/"angle_threshold": "25"/' "$WORK/first.json" | iconv -f UTF-8 -t UTF-16 >"$WORK/utf16.json"
step import-utf16 "system-command $IMPORT" "file-dialog '$(winpath "$WORK/utf16.json")' 30000" || finish
check utf16-threshold "expect text $THRESHOLD = 25 5000"
check utf16-modified "expect text 1007 = '$MODIFIED'"
step close 'close' 'message-box' 'answer OK' 'wait-closed 10000' || finish

# Russian: the menu items in Russian, and the messages for a bad value and a broken document.
start_program kivra-ru "$KIVRA" /rus
step russian 'wait-window "Vextora KIVRA*" 30000' || finish
step russian-connect 'key F4' || finish
check russian-ready 'expect enabled 1010 = 1 20000'
check russian-read 'expect text 1007 = "Настройки прочитаны из датчика" 15000'
step russian-menu 'tab-select 1001 #2' 'focus page:1234' 'key alt+space' 'sleep 1000' || finish
screenshot menu-ru-connected
step russian-menu-close 'key esc' 'key esc' || finish
step russian-bad "system-command $IMPORT" "file-dialog '$(winpath "$WORK/bad.json")' 30000" 'message-box' || finish
check russian-bad-named "expect message-text ~ 'Настройки из файла *bad.json не загружены, ничего не изменено:*angle_threshold = \"95\": целое число градусов 1..90*'"
screenshot bad-value-ru
step russian-bad-ok 'answer OK' || finish
# A document that breaks off: what is wrong with it as a whole is told in Russian too.
sed '$d' "$WORK/first.json" >"$WORK/cut.json"
step russian-cut "system-command $IMPORT" "file-dialog '$(winpath "$WORK/cut.json")' 30000" 'message-box' || finish
check russian-cut-named "expect message-text ~ 'Настройки из файла *cut.json не загружены, ничего не изменено:?*это не документ настроек: строка *: ожидается \"}\"'"
screenshot cut-document-ru
step russian-cut-ok 'answer OK' || finish
check russian-cut-kept "expect text $THRESHOLD = 20"
# A file that is no text at all (a firmware image chosen by mistake): one line says so.
printf 'KV\000\001\002\377\376\375\n' >"$WORK/binary.json"
step russian-binary "system-command $IMPORT" "file-dialog '$(winpath "$WORK/binary.json")' 30000" 'message-box' || finish
check russian-binary-named "expect message-text ~ 'Настройки из файла *binary.json не загружены, ничего не изменено:?*это не текст в кодировке UTF-8 или UTF-16 (другая кодировка или вовсе не текст)'"
step russian-binary-ok 'answer OK' || finish
step russian-close 'close' 'message-box' 'answer OK' 'wait-closed 10000' || finish
sleep 2

finish
