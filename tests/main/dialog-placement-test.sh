#!/bin/bash
# Where kivra.exe's modal dialogs open, driven through its windows against the simulator: the
# serial, IP and network address dialogs stand centred over the main window at its own size and
# zoomed, and inside the screen's work area when the main window has been dragged partly off the
# screen; in English and in Russian. (Message boxes, such as the zero setup question, stand where
# the system puts them.) Ends with its "N passed, M failed" line.
# usage: dialog-placement-test.sh --driver kivra-ui-driver.exe --program kivra.exe --sim kivra-sim
#                                 --wine wine-run.sh --work DIR
NAME=dialog-placement-test
SIM_LIFETIME=300
. "$(dirname "$0")/../ui/window-harness.sh"

install_program
# How far a dialog may stand from the centre of the main window (integer halves, frames).
SLACK=2

# rect_of QUERY: "left top width height" of the current window (rect window) or of its screen's
# work area (work-area), in RECT; false when the driver cannot tell.
rect_of() {
  RECT=""
  ui "$1" || return 1
  RECT=${UI_VALUE//\"/}
}

# placed NAME: the current window (a dialog) is where a dialog opened over the main window
# ($MAIN) belongs: its centre on the main window's centre, moved the least it takes to lie
# inside the work area ($AREA), within SLACK pixels; and wholly inside the work area.
placed() {
  if ! rect_of 'rect window'; then
    record_failure "$1"
    return
  fi
  read -r mx my mw mh <<<"$MAIN"
  read -r wx wy ww wh <<<"$AREA"
  read -r dx dy dw dh <<<"$RECT"
  ex=$((mx + (mw - dw) / 2)) ey=$((my + (mh - dh) / 2))
  [ $((ex + dw)) -gt $((wx + ww)) ] && ex=$((wx + ww - dw))
  [ "$ex" -lt "$wx" ] && ex=$wx
  [ $((ey + dh)) -gt $((wy + wh)) ] && ey=$((wy + wh - dh))
  [ "$ey" -lt "$wy" ] && ey=$wy
  expect_shell "$1" "the dialog stands at $RECT, not at $ex $ey (main window $MAIN, work area $AREA)" \
    test $((dx - ex)) -le "$SLACK" -a $((ex - dx)) -le "$SLACK" -a $((dy - ey)) -le "$SLACK" -a $((ey - dy)) -le "$SLACK" \
    -a "$dx" -ge "$wx" -a "$dy" -ge "$wy" -a $((dx + dw)) -le $((wx + ww)) -a $((dy + dh)) -le $((wy + wh))
}

# main_window NAME: reads the main window's rectangle into MAIN and its screen's work area into AREA.
main_window() {
  rect_of 'rect window' && MAIN=$RECT && rect_of 'work-area' && AREA=$RECT && return 0
  record_failure "$1"
  return 1
}

# connection_dialogs PREFIX SERIAL-CAPTION IP-CAPTION: the two dialogs of an unconnected main
# window, each checked where it opens and closed again.
connection_dialogs() {
  step "$1-serial-open" 'click 1009' "wait-window \"$2\"" || return
  placed "$1-serial-placed"
  screenshot "$1-serial"
  step "$1-serial-close" 'close' 'wait-closed' || return
  step "$1-ip-open" 'key ctrl+F4' "wait-window \"$3\"" || return
  placed "$1-ip-placed"
  screenshot "$1-ip"
  step "$1-ip-close" 'close' 'wait-closed' || return
}

# network_dialog PREFIX CAPTION: connects (F4), then checks the network address dialog and the
# zero setup question.
network_dialog() {
  step "$1-connect" 'key F4' || return
  check "$1-ready" 'expect enabled 1010 = 1 20000'
  step "$1-network-open" 'click 1013' "wait-window \"$2\"" || return
  placed "$1-network-placed"
  screenshot "$1-network"
  step "$1-network-close" 'close' 'wait-closed' || return
  # A message box too: the zero setup question.
  step "$1-zero-ask" 'click 1238' 'message-box' || return
  placed "$1-zero-placed"
  screenshot "$1-zero"
  step "$1-zero-cancel" 'answer Cancel' || return
}
window_setup
start_sim sensor 5
sh "$WINE_RUN" reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v 'COM Port' /d COM5 /f >/dev/null 2>&1
start_program kivra "$KIVRA" /eng
step start 'wait-window "Vextora KIVRA*" 30000' || finish

# At its own size, where the program put it.
main_window plain || finish
connection_dialogs plain "Sensor connection parameters" "IP connection"

# Dragged over the bottom-right corner of the screen, then over the top-left one: the dialogs
# stay wholly on the screen.
read -r wx wy ww wh <<<"$AREA"
read -r _ _ mw mh <<<"$MAIN"
step off-bottom-right "move $((wx + ww - mw / 3)) $((wy + wh - mh / 4))" || finish
main_window off-bottom-right || finish
connection_dialogs off-bottom-right "Sensor connection parameters" "IP connection"
step off-top-left "move $((wx - mw * 2 / 3)) $((wy - mh / 2))" || finish
main_window off-top-left || finish
connection_dialogs off-top-left "Sensor connection parameters" "IP connection"

# Zoomed: the dialogs open enlarged as much, still centred.
step zoom 'move 20 20' 'zoom 150' 'sleep 1500' || finish
main_window zoomed || finish
connection_dialogs zoomed "Sensor connection parameters" "IP connection"

# Connected: the network address dialog.
network_dialog zoomed "Network address setup"
step close 'close' 'message-box' 'answer OK' 'wait-closed 10000' || finish

# Russian, at its own size and zoomed, connected at the end.
start_program kivra-ru "$KIVRA" /rus
step russian 'wait-window "Vextora KIVRA*" 30000' || finish
main_window russian || finish
connection_dialogs russian "Настройки связи с датчиком" "IP соединение"
step russian-zoom 'move 20 20' 'zoom 150' 'sleep 1500' || finish
main_window russian-zoomed || finish
connection_dialogs russian-zoomed "Настройки связи с датчиком" "IP соединение"
network_dialog russian-zoomed "Сетевой адрес"
step russian-close 'close' 'message-box' 'answer OK' 'wait-closed 10000' || finish
sleep 2

finish
