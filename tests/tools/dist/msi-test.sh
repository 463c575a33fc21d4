#!/bin/bash
# The Windows Installer package as a user gets it, in a fresh Wine prefix: installed silently for
# the user, the program started from the installed folder against the simulator, upgraded by a
# package of the next version, older and same versions refused, uninstalled (data log and settings
# stay), and installed for all users with ALLUSERS=1. Ends with "N passed, M failed".
# usage: msi-test.sh --driver kivra-ui-driver.exe --program kivra.exe --cli kivra-cli.exe
#                    --sim kivra-sim --wine wine-run.sh --work DIR
NAME=msi-test
SIM_LIFETIME=300
. "$(dirname "$0")/../../ui/window-harness.sh"

if [ -z "$PROGRAM" ] || [ -z "$CLI" ] || [ -z "$SIM" ]; then
  echo "$NAME: --program, --cli and --sim are needed" >&2
  exit 2
fi
SOURCE=$(cd "$(dirname "$0")/../../.." && pwd)
rm -rf "$WORK/package" "$WORK/next" "$WORK/same" "$KIVRA_WINEPREFIX"

# The packages: this version, and the next one twice (two builds of one version) with a kivra.exe
# that can be told apart (bytes after its image, which Windows does not load).
full=$(sed -n 's/^#define KIVRA_VERSION_TEXT "\(.*\)"/\1/p' "$SOURCE/ui/resources/version.rc")
next_full=$(echo "$full" | awk -F. '{ print $1 "." $2 + 1 ".0.0" }')
version=${full%.*} next=${next_full%.*}
cp "$PROGRAM" "$WORK/next-kivra.exe"
printf 'next version' >>"$WORK/next-kivra.exe"
make_packages() {
  sh "$SOURCE/tools/dist/make-dist.sh" "$@" >"$WORK/make-dist.out" 2>&1 || cat "$WORK/make-dist.out"
}
make_packages "$WORK/package" "$PROGRAM" "$CLI"
make_packages "$WORK/next" "$WORK/next-kivra.exe" "$CLI" "$next_full"
make_packages "$WORK/same" "$WORK/next-kivra.exe" "$CLI" "$next_full"
MSI=$WORK/package/kivra-${version%.*}-win64.msi
NEXT_MSI=$WORK/next/kivra-${next%.*}-win64.msi
SAME_MSI=$WORK/same/kivra-${next%.*}-win64.msi
expect_shell packaged "make-dist.sh made $MSI, $NEXT_MSI and $SAME_MSI" test -f "$MSI" -a -f "$NEXT_MSI" -a -f "$SAME_MSI"
[ -f "$MSI" ] && [ -f "$NEXT_MSI" ] && [ -f "$SAME_MSI" ] || finish
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
expect_shell upgrade-code-fixed "the packages share one upgrade code and have product codes of their own" \
  sh -c "[ -n \"$(property "$MSI" UpgradeCode)\" ] && [ \"$(property "$MSI" UpgradeCode)\" = \"$(property "$NEXT_MSI" UpgradeCode)\" ] &&
         [ \"$(property "$NEXT_MSI" ProductCode)\" != \"$(property "$SAME_MSI" ProductCode)\" ]"

window_setup
# msiexec PACKAGE-OR-SWITCHES...: runs msiexec in the prefix; its log goes to msiexec-N.log.
runs=0
msiexec() {
  runs=$((runs + 1))
  sh "$WINE_RUN" msiexec "$@" /l*v "$(winpath "$WORK/msiexec-$runs.log")" >/dev/null 2>&1
}
users=$KIVRA_WINEPREFIX/drive_c/users/$(id -un)
INSTALLED=$users/AppData/Local/Programs/KIVRA
SHORTCUT="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/KIVRA.lnk"
UNINSTALL='Software\Microsoft\Windows\CurrentVersion\Uninstall'
# entries: "NAME|PUBLISHER|VERSION" of every uninstall entry named KIVRA, for the user and the
# machine (Wine writes a user's entries under the machine's key too).
entries() {
  for root in HKCU HKLM; do
    sh "$WINE_RUN" reg query "$root\\$UNINSTALL" /s 2>/dev/null | tr -d '\r'
  done | awk '/^HKEY_/ { if (name == "KIVRA") print name "|" publisher "|" version; name = publisher = version = "" }
              $1 == "DisplayName" { name = $3 } $1 == "Publisher" { publisher = $3 } $1 == "DisplayVersion" { version = $3 }
              END { if (name == "KIVRA") print name "|" publisher "|" version }'
}
# The installed-apps icon: the file the product's "ProductIcon" names.
product_icon() {
  sh "$WINE_RUN" reg query 'HKCU\Software\Microsoft\Installer\Products' /s 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *ProductIcon *REG_SZ *//p' | while IFS= read -r path; do sh "$WINE_RUN" winepath -u "$path" 2>/dev/null; done
}
# shortcut_names PATTERN: whether the shortcut's file names it (its paths are held in UTF-16 or
# in the local code page).
shortcut_names() { { strings -a "$SHORTCUT"; strings -a -e l "$SHORTCUT"; } | grep -qi "$1"; }
settings_kept() { sh "$WINE_RUN" reg query 'HKCU\SOFTWARE\Vextora\KIVRA' /v 'COM Port' 2>/dev/null | grep -q COM5; }

# A silent install for the current user.
msiexec /i "$(winpath "$MSI")" /qn
status=$?
expect_shell installed "msiexec /i $(basename "$MSI") /qn ended with status $status" test "$status" = 0
expect_shell programs "the built kivra.exe and kivra-cli.exe in $INSTALLED" \
  sh -c "cmp -s '$PROGRAM' '$INSTALLED/kivra.exe' && cmp -s '$CLI' '$INSTALLED/kivra-cli.exe'"
expect_shell readme "README.txt of version $version and the registry file in $INSTALLED" \
  sh -c "grep -q 'KIVRA ${version%.*} for Windows' '$INSTALLED/README.txt' && [ -f '$INSTALLED/enable-diagnostic-log.reg' ]"
expect_shell shortcut "the Start-menu shortcut KIVRA leads to the installed kivra.exe" \
  shortcut_names 'AppData.Local.Programs.KIVRA.kivra\.exe'
expect_shell shortcut-icon "the shortcut carries the program's icon" shortcut_names 'kivra\.ico'
seen=$(entries)
expect_shell entry "one installed-apps entry KIVRA, publisher Vextora, version $version: $seen" \
  test "$seen" = "KIVRA|Vextora|$version"
icon=$(product_icon)
expect_shell entry-icon "the entry's icon $icon is the program's" cmp -s "$SOURCE/ui/resources/kivra.ico" "$icon"

# The installed program, started as its shortcut starts it, connects to the simulator and writes
# a data log beside itself.
start_sim sensor 5
sh "$WINE_RUN" reg add 'HKCU\SOFTWARE\Vextora\KIVRA' /v "COM Port" /d COM5 /f >/dev/null 2>&1
start_program kivra "$INSTALLED/kivra.exe" /eng
if step window 'wait-window "Vextora KIVRA*" 30000'; then
  check caption "expect text window = \"Vextora KIVRA ${version%.*}\""
  step connect 'key F4' && check connected 'expect text 1002 = "Connected to sensor" 20000' &&
    check identified 'expect text 1123 = "12345" 15000' &&
    step data-log 'key ctrl+F12' 'tab-select 1001 Log' 'click page:1208' 'sleep 3000' 'click page:1208'
  step close 'close' 'message-box' 'answer OK' 'wait-closed 10000'
fi
DATA_LOG=$INSTALLED/GearLog_12345.txt
expect_shell data-log "rows in $DATA_LOG" sh -c "[ \$(wc -l <'$DATA_LOG') -ge 2 ]"
cp "$DATA_LOG" "$WORK/data-log-before.txt" 2>/dev/null
stop_sims

# The next version replaces this one: one entry, the new program, the data log kept.
msiexec /i "$(winpath "$NEXT_MSI")" /qn
status=$?
expect_shell upgraded "msiexec /i $(basename "$NEXT_MSI") /qn ended with status $status" test "$status" = 0
seen=$(entries)
expect_shell upgrade-one-entry "one entry, version $next: $seen" test "$seen" = "KIVRA|Vextora|$next"
expect_shell upgrade-new-program "the next version's kivra.exe is installed" cmp -s "$WORK/next-kivra.exe" "$INSTALLED/kivra.exe"
expect_shell upgrade-keeps-data-log "the data log is as it was" cmp -s "$WORK/data-log-before.txt" "$DATA_LOG"

# An older version is refused with a message a person can act on; so is another build of the
# installed version (it would install beside it).
sh "$WINE_RUN" msiexec /i "$(winpath "$MSI")" /qb >/dev/null 2>&1 &
older=$!
if step older-refused 'message-box' ; then
  check older-message "expect message-text ~ \"KIVRA $version cannot be installed: the same or a newer version of KIVRA is already installed.*uninstall KIVRA first*\""
  step older-ok 'answer OK'
fi
wait $older
status=$?
expect_shell older-status "the older package is refused (msiexec status $status)" test "$status" != 0
msiexec /i "$(winpath "$SAME_MSI")" /qn
status=$?
expect_shell same-refused "another package of version $next is refused (msiexec status $status)" test "$status" != 0
seen=$(entries)
expect_shell refusals-leave-entry "still one entry, version $next: $seen" test "$seen" = "KIVRA|Vextora|$next"

# Uninstall removes what it installed and keeps what the user made.
msiexec /x "$(winpath "$NEXT_MSI")" /qn
status=$?
expect_shell uninstalled "msiexec /x /qn ended with status $status" test "$status" = 0
expect_shell programs-removed "no programs, read-me or registry file left in $INSTALLED" \
  sh -c "! ls '$INSTALLED' | grep -qv '^GearLog_'"
expect_shell shortcut-removed "the shortcut is gone" test ! -e "$SHORTCUT"
expect_shell entry-removed "no entry left: $(entries)" test -z "$(entries)"
expect_shell uninstall-keeps-data-log "the data log is as it was" cmp -s "$WORK/data-log-before.txt" "$DATA_LOG"
expect_shell uninstall-keeps-settings "the settings key keeps COM Port" settings_kept

# For all users: into Program Files. Windows puts the shortcut into the common Start menu, Wine
# into the installing user's.
msiexec /i "$(winpath "$MSI")" ALLUSERS=1 /qn
status=$?
machine=$KIVRA_WINEPREFIX/drive_c/Program\ Files/KIVRA
COMMON_SHORTCUT="$KIVRA_WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/KIVRA.lnk"
expect_shell all-users "msiexec /i ALLUSERS=1 /qn (status $status) put kivra.exe into Program Files" \
  sh -c "[ $status = 0 ] && cmp -s '$PROGRAM' '$machine/kivra.exe' && [ ! -e '$INSTALLED/kivra.exe' ]"
expect_shell all-users-shortcut "a Start-menu shortcut KIVRA" test -e "$COMMON_SHORTCUT" -o -e "$SHORTCUT"
msiexec /x "$(winpath "$MSI")" /qn
status=$?
expect_shell all-users-uninstalled "msiexec /x (status $status) removed the programs from Program Files" \
  sh -c "[ $status = 0 ] && [ ! -e '$machine/kivra.exe' ] && [ ! -e '$machine/kivra-cli.exe' ]"
expect_shell all-users-shortcut-removed "no shortcut left" test ! -e "$COMMON_SHORTCUT" -a ! -e "$SHORTCUT"
expect_shell all-users-entry-removed "no entry left: $(entries)" test -z "$(entries)"
finish
