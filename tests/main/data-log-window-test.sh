#!/bin/bash
# kivra.exe's data log where it cannot be written, on real file systems, driven through the
# window against the simulator: a program folder that fills while logging (the rows before stay
# whole, the window says once that logging stopped, with the file, the rows and the system's
# reason, and "Save data" clears), a program folder that cannot be written (the log goes to the
# documents folder and the log page names the file), and a file name taken by a folder in both
# places (said once, with each place and its reason); in English and Russian.
# usage: data-log-window-test.sh --driver kivra-ui-driver.exe --program kivra.exe --sim kivra-sim
#                                --wine wine-run.sh --work DIR
NAME=data-log-window-test
SIM_LIFETIME=400
. "$(dirname "$0")/../ui/window-harness.sh"
. "$(dirname "$0")/../ui/data-log-places.sh"

install_program
trap 'window_cleanup; unmount_places' EXIT
LOG_NAME=GearLog_12345.txt

window_setup
DOCS=$(documents_folder)
rm -rf "${DOCS:?}/KIVRA"
start_sim sensor 5
sh "$WINE_RUN" reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v 'COM Port' /d COM5 /f >/dev/null 2>&1

# start_logging RUN EXE LANGUAGE: the program started from EXE, connected to the simulator on
# COM5, the log page shown with fast polling and "Save data" clicked.
start_logging() {
  start_program "$1" "$2" "$3"
  step "$1-start" 'wait-window "Vextora KIVRA*" 30000' 'key F4' 'expect enabled 1010 = 1 20000' 'key ctrl+F12' \
    'tab-select 1001 #5' 'click page:1217' 'click page:1208' || return 1
}

# close_program RUN: closes the window while connected, answering its question.
close_program() {
  step "$1-close" 'close' 'message-box' 'answer OK' 'wait-closed 10000'
}

# Rows of the message "... Rows written: N." (English) or "... Записано строк: N." (Russian).
rows_told() { printf '%s' "$1" | sed -n 's/.*\(Rows written\|Записано строк\): \([0-9]*\)\..*/\2/p'; }

# The program's folder fills while it logs: the earlier rows and every row written before the
# disk was full stay whole, the window tells it once and clears "Save data".
disk_fills() {
  run=$1 language=$2 stopped=$3
  dir="$WORK/$run"
  program_on_tmpfs "$dir" "$PROGRAM" 8192 || return
  fill_leaving "$dir/$LOG_NAME" 1200
  cp "$dir/$LOG_NAME" "$WORK/$run-earlier.txt"
  earlier=$(stat -c %s "$dir/$LOG_NAME")
  start_logging "$run" "$dir/kivra.exe" "$language" || return
  check "$run-file-shown" "expect text page:1205 ~ '*: $(winpath "$dir/$LOG_NAME")'"
  step "$run-stopped" 'timeout 50000' 'message-box' 'timeout 5000' || return
  check "$run-told" "expect message-text ~ '$stopped'"
  screenshot "$run-stopped"
  ui 'message-text'
  told=$UI_VALUE
  step "$run-told-ok" 'answer OK' || return
  check "$run-box-cleared" 'expect checked page:1208 = 0'
  check "$run-file-cleared" 'expect text page:1205 = ""'
  rows=$(rows_told "$told")
  tail -c +$((earlier + 1)) "$dir/$LOG_NAME" >"$WORK/$run-rows.txt"
  expect_shell "$run-earlier-intact" "the earlier rows changed" cmp -s -n "$earlier" "$WORK/$run-earlier.txt" "$dir/$LOG_NAME"
  expect_shell "$run-rows-whole" "not $rows whole rows after the earlier ones: $(tail -n 2 "$dir/$LOG_NAME" | od -c | tail -n 3)" \
    sh -c "[ -n '$rows' ] && [ \$(wc -l <'$WORK/$run-rows.txt') = '$rows' ] && [ '$rows' -gt 0 ]"
  expect_shell "$run-rows-fields" "a row is cut" whole_rows "$WORK/$run-rows.txt" 7
  # Said once: no second message follows while polling goes on.
  expect_shell "$run-said-once" "a second message came" no_message_box 3000
  close_program "$run"
}
disk_fills full-en /eng \
  'Data logging has stopped: Z:*\full-en\GearLog_12345.txt cannot be written. Rows written: *.*?*'
disk_fills full-ru /rus \
  'Запись журнала данных остановлена: не удаётся записать файл Z:*\full-ru\GearLog_12345.txt. Записано строк: *.*?*'

# A program folder that cannot be written: the log goes to the documents folder and the log page
# names the file in use.
read_only_folder() {
  dir="$WORK/read-only"
  program_on_tmpfs "$dir" "$PROGRAM" 4096 || return
  make_read_only "$dir" || return
  start_logging read-only "$dir/kivra.exe" /eng || return
  check read-only-file-shown "expect text page:1205 ~ 'Data log: C:\\users\\*\\Documents\\KIVRA\\GearLog_12345.txt'"
  check read-only-box-kept 'expect checked page:1208 = 1'
  sleep 3
  expect_shell read-only-rows "no whole rows in $DOCS/KIVRA/$LOG_NAME" whole_rows "$DOCS/KIVRA/$LOG_NAME" 7
  screenshot data-log-documents
  close_program read-only
}
read_only_folder

# The file name taken by a folder, beside the program and in the documents folder: nothing opens,
# the window says so once with both places and their reasons, and "Save data" is clear.
folder_in_the_way() {
  run=$1 language=$2 told=$3
  mkdir -p "$WORK/bin/$LOG_NAME" "$DOCS/KIVRA/$LOG_NAME"
  start_logging "$run" "$KIVRA" "$language" || return
  step "$run-box" 'message-box' || return
  check "$run-told" "expect message-text ~ '$told'"
  screenshot "$run-not-opened"
  step "$run-ok" 'answer OK' || return
  check "$run-box-clear" 'expect checked page:1208 = 0'
  check "$run-no-file" 'expect text page:1205 = ""'
  close_program "$run"
}
rm -rf "${DOCS:?}/KIVRA"
folder_in_the_way folder-en /eng \
  'Data are not saved: the data log file cannot be opened.*Z:*\bin\GearLog_12345.txt: ?*C:\users\*\Documents\KIVRA\GearLog_12345.txt: ?*'
folder_in_the_way folder-ru /rus \
  'Данные не сохраняются: не удаётся открыть файл журнала данных.*Z:*\bin\GearLog_12345.txt: ?*C:\users\*\Documents\KIVRA\GearLog_12345.txt: ?*'
rm -rf "$WORK/bin/$LOG_NAME" "${DOCS:?}/KIVRA"

finish
