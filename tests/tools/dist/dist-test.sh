#!/bin/bash
# The release package as a Windows user gets it: made by tools/dist/make-dist.sh into this
# suite's own folder (make dist alone writes the real one), unpacked, its parts checked, and
# both programs started from the unpacked folder under Wine. Ends with "N passed, M failed".
# usage: dist-test.sh --driver kivra-ui-driver.exe --program kivra.exe --cli kivra-cli.exe
#                     --wine wine-run.sh --work DIR
NAME=dist-test
SIM_LIFETIME=0
. "$(dirname "$0")/../../ui/window-harness.sh"

if [ -z "$PROGRAM" ] || [ -z "$CLI" ]; then
  echo "$NAME: --program and --cli are needed" >&2
  exit 2
fi
SOURCE=$(cd "$(dirname "$0")/../../.." && pwd)
rm -rf "$WORK/package" "$WORK/unpacked"

sh "$SOURCE/tools/dist/make-dist.sh" "$WORK/package" "$PROGRAM" "$CLI" >"$WORK/make-dist.out" 2>&1
made=$?
zip=$(ls "$WORK"/package/kivra-*-win64.zip 2>/dev/null)
version=$(basename "$zip" | sed -n 's/^kivra-\([0-9]*\.[0-9]*\)-win64\.zip$/\1/p')
expect_shell packaged "make-dist.sh made kivra-<version>-win64.zip: $(cat "$WORK/make-dist.out")" \
  test "$made" = 0 -a -n "$version"
[ -n "$version" ] || finish
folder=kivra-$version-win64

unzip -q "$zip" -d "$WORK/unpacked"
expect_shell entries "the package holds $folder/ with the programs, the registry file and the read-me" \
  test "$(unzip -Z1 "$zip" | grep -v '/$' | sort | tr '\n' ' ')" = \
  "$folder/README.txt $folder/enable-diagnostic-log.reg $folder/kivra-cli.exe $folder/kivra.exe "
UNPACKED=$WORK/unpacked/$folder
expect_shell kivra-as-built "kivra.exe is the built one" cmp -s "$PROGRAM" "$UNPACKED/kivra.exe"
expect_shell cli-as-built "kivra-cli.exe is the built one" cmp -s "$CLI" "$UNPACKED/kivra-cli.exe"
stripped() { [ -z "$(${KIVRA_NM:-x86_64-w64-mingw32-nm} "$1" 2>/dev/null)" ]; }
expect_shell kivra-stripped "kivra.exe carries no symbols" stripped "$UNPACKED/kivra.exe"
expect_shell cli-stripped "kivra-cli.exe carries no symbols" stripped "$UNPACKED/kivra-cli.exe"
expect_shell registry-file "the registry file is tools/enable-diagnostic-log.reg" \
  cmp -s "$SOURCE/tools/enable-diagnostic-log.reg" "$UNPACKED/enable-diagnostic-log.reg"
# Notepad of older Windows shows a text with bare line feeds as one line.
expect_shell readme-crlf "every line of README.txt ends with CR LF" \
  test "$(grep -c $'\r$' "$UNPACKED/README.txt")" = "$(wc -l <"$UNPACKED/README.txt")"
expect_shell readme-utf8 "README.txt starts with the UTF-8 byte-order mark and names version $version" \
  sh -c "head -c 3 '$UNPACKED/README.txt' | od -An -tx1 | grep -q 'ef bb bf' && grep -q 'KIVRA $version for Windows' '$UNPACKED/README.txt'"
expect_shell readme-msi "README.txt names the installer package $folder.msi in English and in Russian" \
  sh -c "grep -q '$folder.msi installs' '$UNPACKED/README.txt' && sed -n '/По-русски/,\$p' '$UNPACKED/README.txt' | grep -q '$folder.msi'"

# A program that still carries symbols is not packed.
unstripped=$WORK/unstripped.exe
${KIVRA_OBJCOPY:-x86_64-w64-mingw32-objcopy} --add-symbol kivra_marker=.text:0 "$CLI" "$unstripped" 2>/dev/null
expect_shell refuses-symbols "make-dist.sh refuses a program with symbols" \
  sh -c "! sh '$SOURCE/tools/dist/make-dist.sh' '$WORK/refused' '$PROGRAM' '$unstripped' 2>'$WORK/refused.err' &&
         grep -q 'carries symbols' '$WORK/refused.err' && [ ! -e '$WORK/refused/$folder.zip' ]"

window_setup
sh "$WINE_RUN" "$UNPACKED/kivra-cli.exe" --help >"$WORK/help.out" 2>&1
status=$?
expect_shell cli-help "kivra-cli.exe --help from the package (status $status): $(head -c 300 "$WORK/help.out")" \
  sh -c "[ $status = 0 ] && grep -q 'firmware' '$WORK/help.out'"
sh "$WINE_RUN" "$UNPACKED/kivra-cli.exe" ports >"$WORK/ports.out" 2>"$WORK/ports.err"
status=$?
expect_shell cli-ports "kivra-cli.exe ports from the package (status $status): $(cat "$WORK/ports.err")" \
  test "$status" = 0

start_program kivra "$UNPACKED/kivra.exe" /eng
step window 'wait-window "Vextora KIVRA*" 30000' || finish
check caption-version "expect text window = \"Vextora KIVRA $version\""
check connect-button 'expect text 1006 = "Connect sensor"'
finish
