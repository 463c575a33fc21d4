#!/bin/sh
# kivra-cli chart under Wine: data-log files of both row forms drawn as PNG pictures. Two logs
# that agree for their first half and differ after it give pictures that agree and differ the
# same way; lines that are no rows are named; a file without rows, a missing file and a picture
# that cannot be written say why and leave no picture.
# usage: cli-chart-test.sh --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
NAME=cli-chart-test
SIM_LIFETIME=10
. "$(dirname "$0")/cli-harness.sh"
rm -f "$WORK"/*.png

# step_log FILE LATE-ANGLE: 60 s of short rows, a row every 200 ms, the angle 20 degrees for the
# first 30 s and LATE-ANGLE after, the temperature and LLS parameters steady; CR LF as written.
step_log() {
  awk -v late="$2" 'BEGIN {
    for (t = 0; t <= 60000; t += 200)
      printf "%d, %5.1f, %5.1f, %d, %d\r\n", t, 21.5, (t < 30000 ? 20 : late), 100, 10
  }' >"$1"
}
step_log "$WORK/a.txt" 20
step_log "$WORK/b.txt" 150

check picture-a 0 "chart of 301 rows written" chart "$WORK/a.txt" --out "$WORK/a.png" --series angle
check picture-b 0 "" chart "$WORK/b.txt" --out "$WORK/b.png" --series angle
expect picture-is-png "a PNG of the default size" [ "$(identify -format '%m %w %h' "$WORK/a.png")" = 'PNG 1000 600' ]

# pixels_differ A B X W: how many pixels of the columns X..X+W-1 (the whole height) differ.
pixels_differ() {
  convert "$1" -crop "$4x600+$3+0" +repage "$WORK/crop1.png"
  convert "$2" -crop "$4x600+$3+0" +repage "$WORK/crop2.png"
  compare -metric AE "$WORK/crop1.png" "$WORK/crop2.png" null: 2>&1 | cut -d' ' -f1
}
# The plot spans the middle of the picture; 30 s lies about half way across it.
expect pictures-agree-first-half "the first 25 s of both logs draw alike" \
  [ "$(pixels_differ "$WORK/a.png" "$WORK/b.png" 80 330)" = 0 ]
expect pictures-differ-second-half "the last 25 s draw differently" \
  [ "$(pixels_differ "$WORK/a.png" "$WORK/b.png" 600 330)" -gt 300 ]
# The angle's colour (0, 70, 200) is on the picture, in the plot's upper part for 150 degrees.
angle_pixels() {
  convert "$1" -crop "$2" +repage -fill black +opaque 'rgb(0,70,200)' -fill white -opaque 'rgb(0,70,200)' \
    -format '%[fx:round(mean*w*h)]' info:
}
expect angle-drawn-low "20 degrees drawn in the lower part of the plot" [ "$(angle_pixels "$WORK/a.png" 330x200+80+340)" -gt 100 ]
expect angle-drawn-high "150 degrees drawn in the upper part of the plot" [ "$(angle_pixels "$WORK/b.png" 330x150+600+40)" -gt 100 ]
expect angle-not-high-in-a "nothing of the angle up there in the first log" [ "$(angle_pixels "$WORK/a.png" 330x150+600+40)" = 0 ]

# Long rows (vector and auxiliary, also a vector without text), a stretch of the log, a size,
# and lines that are no rows: counted, the first ones named with their numbers.
{
  printf '0,  21.0,  45.0, 100, 10, 0.100000, 0.200000, 0.900000,   1.5\r\n'
  printf 'pasted by hand\r\n'
  printf '200,  21.0,  46.0, 100, 10, ,   1.6\r\n'
  printf '400;21.0;47.0\r\n'
  printf '600,  21.1,  47.0, 101, 11, 0.100000, 0.200000, 0.900000,   1.7\r\n'
} >"$WORK/long.txt"
check long-rows 0 "chart of 3 rows written" \
  chart "$WORK/long.txt" --out "$WORK/long.png" --from 0 --to 0.6 --size 640x400
expect skipped-counted "the skipped lines are counted" grep -q "^kivra-cli: 2 lines are not data-log rows" "$WORK/long-rows.err"
expect skipped-named "the skipped lines are named with their numbers" \
  sh -c "grep -q '^kivra-cli: line 2: pasted by hand' '$WORK/long-rows.err' && grep -q '^kivra-cli: line 4: 400;21.0;47.0' '$WORK/long-rows.err'"
expect long-size "the picture has the size asked for" [ "$(identify -format '%w %h' "$WORK/long.png")" = '640 400' ]
check long-rows-ru 0 "Строк, не являющихся строками журнала данных, пропущено: 2" \
  chart "$WORK/long.txt" --out "$WORK/long-ru.png" --lang ru

# Refusals: nothing is written.
printf 'not a data log\r\n' >"$WORK/none.txt"
check no-rows 11 "none\.txt holds no data-log row" chart "$WORK/none.txt" --out "$WORK/none.png"
check no-rows-ru 11 "нет ни одной строки журнала данных" chart "$WORK/none.txt" --out "$WORK/none.png" --lang ru
check missing-log 11 "cannot read .*missing\.txt: .+" chart "$WORK/missing.txt" --out "$WORK/missing.png"
check unwritable 11 "cannot write .*no-such-folder.*: .+" chart "$WORK/a.txt" --out "$WORK/no-such-folder/a.png"
check bad-size 2 "200\.\.4000" chart "$WORK/a.txt" --out "$WORK/bad.png" --size 10x10
check bad-series 2 "angle, temperature" chart "$WORK/a.txt" --out "$WORK/bad.png" --series speed
expect nothing-written "no picture for a refused run" sh -c "! ls '$WORK'/none.png '$WORK'/missing.png '$WORK'/bad.png 2>/dev/null"

# The file read is left as it was.
cp "$WORK/long.txt" "$WORK/long.copy"
check reread 0 "" chart "$WORK/long.txt" --out "$WORK/long2.png"
expect log-unchanged "the log is not changed by drawing it" cmp -s "$WORK/long.txt" "$WORK/long.copy"

echo "cli-chart-test: $passed passed, $failed failed"
[ "$failed" = 0 ]
