#!/bin/sh
# Runs a command on an X display: as it is when DISPLAY is set, otherwise on a
# virtual display of its own (Xvfb, numbered by Xvfb itself, so that runs side by
# side never meet) which goes when the command ends. The exit status is the command's.
#
# Under Wine the desktop process of a prefix stays on the display it started on, so a
# run on a virtual display uses a prefix of its own (KIVRA_WINEPREFIX, by default
# wineprefix-display beside the usual one), one run at a time, and stops that prefix's
# processes before its display goes.
#
#   sh cmake/with-display.sh cmake/wine-run.sh build/win64/tests/window_tests.exe
if [ -n "$DISPLAY" ]; then
  exec "$@"
fi

: "${KIVRA_WINEPREFIX:=$(pwd)/wineprefix-display}"
case "$KIVRA_WINEPREFIX" in /*) ;; *) KIVRA_WINEPREFIX=$(pwd)/$KIVRA_WINEPREFIX ;; esac
export KIVRA_WINEPREFIX
mkdir -p "$(dirname "$KIVRA_WINEPREFIX")"

exec 8>"$KIVRA_WINEPREFIX.display.lock"
flock 8

number_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
xvfb=$!
tries=0
while [ ! -s "$number_file" ]; do
  tries=$((tries + 1))
  if [ $tries -gt 100 ] || ! kill -0 $xvfb 2>/dev/null; then
    echo "with-display: Xvfb did not start" >&2
    rm -f "$number_file"
    exit 1
  fi
  sleep 0.1
done
DISPLAY=:$(cat "$number_file")
export DISPLAY
rm -f "$number_file"

"$@"
status=$?

WINEPREFIX=$KIVRA_WINEPREFIX wineserver -k >/dev/null 2>&1
WINEPREFIX=$KIVRA_WINEPREFIX wineserver -w >/dev/null 2>&1
kill $xvfb 2>/dev/null
wait $xvfb 2>/dev/null
exit $status
