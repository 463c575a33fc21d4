#!/bin/sh
# Runs a Windows program under Wine in a prefix kept inside the build folder,
# creating the prefix on first use. KIVRA_WINEPREFIX overrides the location.
set -e
: "${KIVRA_WINEPREFIX:=$(pwd)/wineprefix}"
case "$KIVRA_WINEPREFIX" in /*) ;; *) KIVRA_WINEPREFIX=$(pwd)/$KIVRA_WINEPREFIX ;; esac
# Without the menu builder: a shortcut an installer makes in the prefix's Start menu would
# otherwise land in the Linux desktop's menus as well.
export WINEPREFIX="$KIVRA_WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Several test programs may start at once; only one may create the prefix.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
) 9>"$WINEPREFIX.lock"
exec wine "$@"
