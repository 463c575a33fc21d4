#!/bin/sh
# Installs the Debian packages the build and the tests need, if any is missing; with "fuzz",
# those of the fuzz build (clang and its libFuzzer), which make test does without.
set -e
if [ "${1:-}" = fuzz ]; then
  packages="clang libclang-rt-14-dev"
else
  packages="make cmake g++ googletest g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine64 xvfb xauth imagemagick util-linux zip unzip msitools wixl"
fi
missing=
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
command="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y$missing"
if [ "$(id -u)" != 0 ]; then
  echo "Missing packages:$missing"
  echo "Run as root:  $command"
  exit 1
fi
echo "Installing:$missing"
sh -c "$command"
