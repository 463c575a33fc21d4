#!/bin/sh
# The release packages for Windows users: kivra-<version>-win64.zip with the two programs as
# they ship, the diagnostic log's registry file and the read-me, in one folder of that name, and
# kivra-<version>-win64.msi, the Windows Installer package of the same files (tools/dist/kivra.wxs).
# usage: make-dist.sh OUTPUT-FOLDER KIVRA.EXE KIVRA-CLI.EXE [VERSION]
# VERSION (four numbers, as "2.6.0.0") stands in for the one of ui/resources/version.rc.
# Prints the packages' paths and sizes and the entries. Refuses programs that still carry
# symbols (a debug build), so that only the release build can ship.
set -eu
if [ $# -ne 3 ] && [ $# -ne 4 ]; then
  echo "usage: $0 OUTPUT-FOLDER KIVRA.EXE KIVRA-CLI.EXE [VERSION]" >&2
  exit 2
fi
out=$1 kivra=$2 cli=$3
tools=$(cd "$(dirname "$0")/.." && pwd)
nm=${KIVRA_NM:-x86_64-w64-mingw32-nm}

if [ $# = 4 ]; then
  full=$4 from="the command line"
else
  full=$(sed -n 's/^#define KIVRA_VERSION_TEXT "\(.*\)"/\1/p' "$tools/../ui/resources/version.rc")
  from=ui/resources/version.rc
fi
# The packages are named by major and minor ("2.6.0.0" makes 2.6); Windows Installer compares
# the first three numbers.
version=$(echo "$full" | sed -n 's/^\([0-9]*\.[0-9]*\)\.[0-9]*\.[0-9]*$/\1/p')
installer_version=$(echo "$full" | sed -n 's/^\([0-9]*\.[0-9]*\.[0-9]*\)\.[0-9]*$/\1/p')
[ -n "$version" ] || { echo "make-dist: the version from $from is not four numbers: \"$full\"" >&2; exit 1; }
name=kivra-$version-win64

for program in "$kivra" "$cli"; do
  [ -f "$program" ] || { echo "make-dist: $program is missing" >&2; exit 1; }
  # A stripped program makes nm say "no symbols" (and list none).
  if "$nm" "$program" 2>/dev/null | grep -q .; then
    echo "make-dist: $program carries symbols; only the release build (make dist) ships" >&2
    exit 1
  fi
done

mkdir -p "$out"
out=$(cd "$out" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp "$kivra" "$stage/$name/kivra.exe"
cp "$cli" "$stage/$name/kivra-cli.exe"
cp "$tools/enable-diagnostic-log.reg" "$stage/$name/"
# Windows line ends, and a byte-order mark so that every Notepad reads the Russian part as UTF-8.
{
  printf '\357\273\277'
  sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$tools/dist/README.txt"
} >"$stage/$name/README.txt"

rm -f "$out/$name.zip" "$out/$name.msi"
(cd "$stage" && zip -q -X -r "$out/$name.zip" "$name")
echo "dist: $out/$name.zip, $(stat -c %s "$out/$name.zip") bytes"
# wixl takes the files' paths relative to the current folder only.
cp "$tools/../ui/resources/kivra.ico" "$stage/"
(cd "$stage" && wixl -a x64 -D Version="$installer_version" -D Folder="$name" -D Icon=kivra.ico \
  -o "$out/$name.msi" "$tools/dist/kivra.wxs")
echo "dist: $out/$name.msi, $(stat -c %s "$out/$name.msi") bytes, version $installer_version"
(cd "$stage" && find "$name" -type f -printf '  %p  %s bytes\n' | sort)
