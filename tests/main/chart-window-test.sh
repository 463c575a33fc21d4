#!/bin/bash
# The "Chart" page of kivra.exe, driven through its windows against the simulator with a
# swinging angle: the tab between "Additional data" and the hidden "Log" page, the chart's newest
# angle equal to the one the window shows, an output's band moving with an edit before it is
# written, pause keeping the picture while values still arrive; English and Russian, zoomed.
# Ends with its "N passed, M failed" line.
# usage: chart-window-test.sh --driver kivra-ui-driver.exe --program kivra.exe --sim kivra-sim
#                             --wine wine-run.sh --work DIR
NAME=chart-window-test
SIM_LIFETIME=400
. "$(dirname "$0")/../ui/window-harness.sh"

install_program

# The main window's client area lies this far inside its frame in Wine's virtual desktop (the
# driver gives controls in client pixels, the screenshot is in screen pixels).
FRAME_X=4
FRAME_Y=23
# chart_shot NAME: a screenshot, and the chart view's part of it as NAME-view.png (VIEW_W by
# VIEW_H pixels).
chart_shot() {
  screenshot "$1"
  ui 'rect window' || return 1
  read -r wx wy _ _ <<<"${UI_VALUE//\"/}"
  ui 'rect page:1300' || return 1
  read -r x y VIEW_W VIEW_H <<<"${UI_VALUE//\"/}"
  convert "$WORK/$1.png" -crop "${VIEW_W}x${VIEW_H}+$((wx + FRAME_X + x))+$((wy + FRAME_Y + y))" +repage "$WORK/$1-view.png"
}
# colour_pixels PICTURE COLOUR [CROP]: how many pixels of the colour the picture has.
colour_pixels() {
  convert "$1" ${3:+-crop "$3" +repage} -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:round(mean*w*h)]' info:
}
# same_angle: the chart's newest angle is the angle the window shows (read a few times, as a
# poll may come between the two reads).
same_angle() {
  for _ in 1 2 3 4 5 6; do
    ui 'text page:1300' || return 1
    chart=$(sed -n 's/.*Angle, °: \(-\?[0-9.]*\).*/\1/p' <<<"$UI_VALUE")
    ui 'text 1161' || return 1
    shown=$(tr -d ' "' <<<"$UI_VALUE")
    [ -n "$chart" ] && [ "$chart" = "$shown" ] && return 0
    sleep 0.3
  done
  echo "chart's angle '$chart', the window's '$shown'"
  return 1
}
# Bands of output 1 as edited and not yet written: amber.
UNWRITTEN_ACTIVE='rgb(255,226,170)'

window_setup
start_sim sensor 5 --swing 30 --swing-period 20
sh "$WINE_RUN" reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v 'COM Port' /d COM5 /f >/dev/null 2>&1
start_program kivra "$KIVRA" /eng
step start 'wait-window "Vextora KIVRA*" 30000' 'move 20 20' || finish
step connect 'key F4' || finish
check connected 'expect text 1002 = "Connected to sensor" 20000'
check chart-tab "expect tab-items 1001 = '\"RS-485 protocol\" \"Discrete outputs\" \"Additional settings\" \"Additional data\" \"Chart\"'"
step log-tab 'key ctrl+F12' || finish
check log-tab-last "expect tab-items 1001 = '\"RS-485 protocol\" \"Discrete outputs\" \"Additional settings\" \"Additional data\" \"Chart\" \"Log\"'"
step log-tab-off 'key ctrl+F12' || finish

step chart-page 'tab-select 1001 Chart' || finish
check chart-values 'expect text page:1300 ~ "*Angle, °: *" 10000'
expect_shell newest-angle "the chart's newest angle is not the window's" same_angle
sleep 4
chart_shot chart-en
# The crop is the view: its top-left pixel is its border (grey under Wine).
expect_shell view-cropped "the chart view is not where its rectangle says" \
  test "$(convert "$WORK/chart-en-view.png" -crop 1x1+0+0 -format "%[hex:p{0,0}]" info:)" = A6A6A6
step span-5 'select page:1305 "5 min"' || finish
sleep 1
chart_shot chart-en-5min

# An edit of output 1 (fed by the angle, active in 100..150) shows as a band before it is written.
step outputs-page 'tab-select 1001 "Discrete outputs"' 'select page:1220 #1' 'select page:1253 #1' \
  'set-text page:1222 "100..150"' 'select page:1242 #0' 'set-text page:1247 "0..0"' || finish
step back-to-chart 'tab-select 1001 Chart' 'sleep 1500' || finish
chart_shot band-high
top_half="${VIEW_W}x$((VIEW_H * 2 / 5))+0+0"
bottom_half="${VIEW_W}x$((VIEW_H * 2 / 5))+0+$((VIEW_H * 2 / 5))"
expect_shell band-high-drawn "no unwritten band in the upper part of the plot" \
  test "$(colour_pixels "$WORK/band-high-view.png" "$UNWRITTEN_ACTIVE" "$top_half")" -gt 1000
step edit-range 'tab-select 1001 "Discrete outputs"' 'set-text page:1222 "10..40"' 'tab-select 1001 Chart' 'sleep 1500' || finish
chart_shot band-low
expect_shell band-moved-down "the band did not move down with the edit" \
  test "$(colour_pixels "$WORK/band-low-view.png" "$UNWRITTEN_ACTIVE" "$top_half")" -lt 100 -a \
       "$(colour_pixels "$WORK/band-low-view.png" "$UNWRITTEN_ACTIVE" "$bottom_half")" -gt 1000

# Following, the picture moves on; paused, it stays while values keep coming.
chart_shot follow-1
sleep 2
chart_shot follow-2
expect_shell following-moves "the chart did not move on while following" \
  test "$(compare -metric AE "$WORK/follow-1-view.png" "$WORK/follow-2-view.png" null: 2>&1 | cut -d' ' -f1)" -gt 0
step pause 'click page:1306' || finish
check pause-says-resume 'expect text page:1306 = "Resume"'
sleep 1
ui 'text page:1300'
before=$UI_VALUE
chart_shot paused-1
sleep 3
chart_shot paused-2
ui 'text page:1300'
expect_shell paused-keeps-picture "the picture changed while paused" \
  test "$(compare -metric AE "$WORK/paused-1-view.png" "$WORK/paused-2-view.png" null: 2>&1 | cut -d' ' -f1)" = 0
expect_shell paused-values-arrive "no new values while paused" test "$UI_VALUE" != "$before"
step resume 'click page:1306' || finish
check resume-says-pause 'expect text page:1306 = "Pause"'

# "Save chart as picture...": what is shown, as large as it is shown, as a PNG file.
step save-picture 'click page:1307' "file-dialog $(winpath "$WORK/saved.png")" 'sleep 1500' || finish
expect_shell saved-picture "no PNG picture of the chart was saved" \
  test "$(identify -format '%m' "$WORK/saved.png" 2>/dev/null)" = PNG
expect_shell saved-picture-size "the saved picture is not the chart's size" \
  test "$(identify -format '%w' "$WORK/saved.png" 2>/dev/null)" -ge $((VIEW_W - 4)) -a \
       "$(identify -format '%w' "$WORK/saved.png" 2>/dev/null)" -le "$VIEW_W"

step zoom 'zoom 150' 'sleep 2500' || finish
chart_shot chart-en-zoom150
expect_shell zoomed-larger "the chart did not grow with the window" \
  test "$(identify -format '%w' "$WORK/chart-en-zoom150-view.png")" -gt "$(identify -format '%w' "$WORK/chart-en-view.png")"
step close 'close' 'message-box' 'answer OK' 'wait-closed 10000' || finish

# Russian: the tab, the texts, zoomed.
start_program kivra-ru "$KIVRA" /rus
step russian 'wait-window "Vextora KIVRA*" 30000' 'move 20 20' 'key F4' || finish
check russian-tab 'expect tab-items 1001 ~ "*\"График\"*" 5000'
step russian-chart 'tab-select 1001 "График"' || finish
check russian-values 'expect text page:1300 ~ "*Угол наклона, °: *" 10000'
check russian-pause 'expect text page:1306 = "Пауза"'
sleep 4
chart_shot chart-ru
step russian-zoom 'zoom 150' 'sleep 2500' || finish
chart_shot chart-ru-zoom150
step russian-close 'close' 'message-box' 'answer OK' 'wait-closed 10000' || finish
sleep 1
finish
