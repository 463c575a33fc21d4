#!/bin/sh
# The layer check over a small tree of its own: the includes that run up are named with their
# file and line, the ones that run down or stay in their layer are not, and the run fails.
here=$(dirname "$0")
expected="layer check: 9 includes read, 3 running up the layers
protocol/UpInclude.cpp:3: includes remote/Channel.h, which is in layer remote, above this file's layer protocol
tests/runtime/ClockTest.cpp:3: includes protocol/Frame.h, which is in layer protocol, above this file's layer runtime
ui/Window.cpp:3: includes tools/sim/Sim.h, which is in layer tools, above this file's layer ui"
failed=0
if output=$(sh "$here/check-layers.sh" "$here/fixture"); then
  echo "FAILED: the check passed a tree with includes that run up"; failed=1
fi
actual=$(printf '%s\n' "$output" | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  printf 'FAILED: the check said\n%s\nexpected\n%s\n' "$actual" "$expected"; failed=1
fi
if [ $failed = 0 ]; then echo "layer check test: passed"; else echo "layer check test: FAILED"; fi
exit $failed
