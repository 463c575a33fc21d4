#!/bin/bash
# kivra-ui-driver against its target dialog under Wine on a virtual display: every command once,
# each with a check of what the dialog received, and the driver's own failure reports.
# usage: ui-driver-test.sh --driver kivra-ui-driver.exe --program kivra-ui-driver-target.exe
#                          --wine wine-run.sh --work DIR
NAME=ui-driver-test
SIM_LIFETIME=60
. "$(dirname "$0")/../../ui/window-harness.sh"

now_ms() { echo $(($(date +%s%N) / 1000000)); }

window_setup
start_program target "$PROGRAM"
step start 'wait-window "Driver target" 30000' || finish

# --- reading controls
check text 'expect text 106 = "changes: 0"'
check text-of-page 'expect text page:106 = "page one"'
check enabled 'expect enabled 116 = 0'
check visible 'expect visible 117 = 0'
check checked 'expect checked 115 = 1'
check gauge 'expect gauge-pos 113 = 42'
check combo-items 'expect combo-items 108 = "\"red\" \"green\" \"blue\""'
check tab-items 'expect tab-items 110 = "\"First\" \"Second\" \"Third\""'
check list-items 'expect list-items 112 = "\"alpha\\t1\" \"beta\\t2\""'
check class-and-id 'expect text 113@msctls_progress32 = ""'
# Window-relative rectangles: "Open..." stands below "Ask..." with the same left edge and width.
ui 'rect 101' && ask=$UI_VALUE
ui 'rect 103' && open=$UI_VALUE
read -r ax ay aw ah <<<"${ask//\"/}"
read -r ox oy ow oh <<<"${open//\"/}"
expect_shell rect "Ask $ask and Open $open are not one above the other" \
  test "$ax" = "$ox" -a "$aw" = "$ow" -a "$oy" -gt $((ay + ah - 1)) -a "$aw" -gt 0 -a "$ah" -gt 0
check rect-window 'expect rect window ~ "* * * *"'
# Moving a window, partly off the screen too, and the screen's work area (the desktop less its task bar).
wx=0 wy=0 left="" top="" width="" height=""
ui 'rect window' && read -r wx wy _ <<<"${UI_VALUE//\"/}"
ui 'work-area' && read -r left top width height <<<"${UI_VALUE//\"/}"
expect_shell work-area "work area $UI_VALUE is not within the $WINDOW_DESKTOP_SIZE desktop" \
  test "$left" -ge 0 -a "$top" -ge 0 -a "$width" -gt 0 -a "$height" -gt 0 \
  -a $((left + width)) -le "${WINDOW_DESKTOP_SIZE%x*}" -a $((top + height)) -le "${WINDOW_DESKTOP_SIZE#*x}"
check move 'move 30 40'
check moved 'expect rect window ~ "30 40 * *"'
check move-off 'move -50 -60'
check moved-off 'expect rect window ~ "-50 -60 * *"'
check move-back "move $wx $wy"

# --- a modal message box: its text, each answer, and the program going on afterwards
step ask 'click 101' || finish
check modal-disables 'expect enabled window = 0'
ui 'click 114'
expect_shell refuses-under-modal "click while a message box is open: $UI_RESULT" \
  test "$UI_RESULT" = 'FAILED click 114: the window "Driver target" is disabled: a modal window of it is open'
check message-box 'message-box "Driver target"'
check message-text 'expect message-text = "Really ask?\r\nSecond line."'
check answer-yes 'answer Yes'
check after-yes 'expect text 102 = yes'
step ask-again 'click 101' 'message-box'
check answer-no 'answer No'
check after-no 'expect text 102 = no'

# --- keys: a plain one, and Ctrl held until the dialog sampled it
check key 'key F4'
check key-seen 'expect text 118 = F4'
check key-ctrl 'key ctrl+F4'
check key-ctrl-seen 'expect text 118 = ctrl+F4'
step hold 'hold ctrl+alt+shift' 'click 119'
check hold-seen 'expect text 120 = "ctrl alt shift"'
step release 'release' 'click 119'
check release-seen 'expect text 120 = none'

# --- edits: set-text notifies one change, typing one per character, leaving notifies the text
check set-text 'set-text 105 hello'
check set-text-change 'expect text 106 = "changes: 1"'
check type 'type 105 "Привет 42"'
check type-text 'expect text 105 = "Привет 42"'
check type-changes 'expect text 106 = "changes: 10"'
check focused 'expect focused = 105'
check key-tab 'key tab'
check kill-focus 'expect text 107 = "left: Привет 42"'
step focus-edit 'focus 105' || true
check focus 'expect focused = 105'
step focus-combo 'focus 108' || true
check focus-moved 'expect focused = 108'

# --- choices: by text, by index, with the owner notified
check select 'select 108 green'
check select-seen 'expect text 109 = green'
check select-index 'select 108 #2'
check selection 'expect selection 108 = 2'
check select-index-seen 'expect text 109 = blue'
check tab-select 'tab-select 110 Th*'
check tab-select-seen 'expect text 111 = "tab: 2"'
check tab-page 'expect text page:106 = "page two"'
check tab-selection 'expect selection 110 = 2'
check tab-select-index 'tab-select 110 #0'
check tab-page-back 'expect text page:106 = "page one"'
check type-on-page 'type page:121 "12.5"'
check focused-on-page 'expect focused = 121'
check text-on-page 'expect text page:121 = "12.5"'

# --- buttons
check click 'click 114'
check click-seen 'expect gauge-pos 113 = 100'
check click-check 'click 115'
check click-check-seen 'expect checked 115 = 0'

# --- the file dialog
: >"$WORK/image.fw"
image="Z:${WORK//\//\\}\\image.fw"
step open 'click 103' || finish
# The first file dialog of a prefix takes its time (shell folders), the more so on a busy machine.
check file-dialog "file-dialog '$image' 30000"
check file-dialog-seen "expect text 104 = '$image'"

# --- an item of the system menu opening the "Save As" dialog; a name without extension gets one
step save-as 'system-command 272' || finish
check file-dialog-save "file-dialog 'Z:${WORK//\//\\}\\saved' 30000"
check file-dialog-save-seen "expect text 104 = 'saved Z:${WORK//\//\\}\\saved.json'"

# --- what the driver reports as failures (each must fail, with its reason)
ui 'click 116'
expect_shell refuses-disabled "click on a disabled button: $UI_RESULT" \
  test "$UI_RESULT" = 'FAILED click 116: control 116 "Never" is disabled'
ui 'select 108 purple'
expect_shell refuses-missing-item "select of a missing item: $UI_RESULT" \
  grep -q '^FAILED select 108 purple: control 108 has no item "purple"; it holds "red" "green" "blue"$' <<<"$UI_RESULT"
ui 'frobnicate 1'
expect_shell refuses-unknown "an unknown command: $UI_RESULT" grep -q '^FAILED frobnicate 1: unknown command' <<<"$UI_RESULT"
ui 'text 999'
expect_shell refuses-missing-control "a missing control: $UI_RESULT" \
  test "$UI_RESULT" = 'FAILED text 999: the window "Driver target" has no control 999'
check timeout 'timeout 300'
start=$(now_ms)
ui 'expect text 102 = never'
took=$(($(now_ms) - start))
expect_shell expect-times-out "a wrong expectation after $took ms: $UI_RESULT" \
  test "$UI_RESULT" = 'FAILED expect text 102 = never: still "no" after 300 ms' -a "$took" -lt 3000
check timeout-back 'timeout 5000'
start=$(now_ms)
check sleep 'sleep 400'
took=$(($(now_ms) - start))
expect_shell sleep-took "sleep 400 took $took ms" test "$took" -ge 400

# --- closing: refused once, then confirmed
check close 'close'
check close-asks 'message-box'
check close-cancel 'answer Cancel'
check still-open 'expect visible window = 1'
step close-again 'close' 'message-box' 'answer OK' || finish
check wait-closed 'wait-closed'
screenshot end
finish
