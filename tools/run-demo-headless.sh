#!/bin/bash
# kivra.exe on a virtual display against the simulated sensor, connected with F4 as a person
# would; the screenshot of the connected window is saved and its path printed. Part of `make run`.
# usage: run-demo-headless.sh --driver D.exe --program kivra.exe --sim kivra-sim --wine wine-run.sh --work DIR
NAME=run-demo
SIM_LIFETIME=300
. "$(dirname "$0")/../tests/ui/window-harness.sh"

port=20
window_setup
start_sim sensor $port
# The last used port, as the window stores it after a connection.
sh "$WINE_RUN" reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v "COM Port" /d COM$port /f >/dev/null
echo "=== kivra.exe on the virtual display $DISPLAY; the simulated sensor is on COM$port"
start_program kivra "$PROGRAM"
step start 'wait-window "Vextora KIVRA*" 60000' || finish
check port-remembered "expect text 1003 = \"COM$port : 19200\""
step connect 'key F4' || finish
check connected 'expect text 1002 = "Connected to sensor" 20000'
check live-values 'expect text 1161 ~ "*.*" 10000'
sleep 2
for id in 1159 1123 1161 1162; do ui "text $id" && echo "control $id: $UI_VALUE"; done
screenshot kivra-connected
echo "=== the connected window: $WORK/kivra-connected.png"
step close 'close' 'message-box' 'answer OK' 'wait-closed 10000'
finish
