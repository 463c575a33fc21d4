#!/bin/sh
# Fails when a source file includes a header from a layer above its own, naming the file, the line
# and both layers. The layers, lowest first: runtime, protocol, remote, ui, then tools on top; a
# test folder sits in the layer it tests.
# Usage: check-layers.sh SOURCE_ROOT
root=${1:?usage: check-layers.sh SOURCE_ROOT}
cd "$root" || exit 2
folders=
for f in runtime protocol remote ui tools tests; do
  [ -d "$f" ] && folders="$folders $f"
done
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' \
  --include='*.h' --include='*.cpp' --include='*.rc' $folders |
awk '
# The layer of a path: its longest listed prefix. tests/common holds frame builders over the
# protocol and helpers of the window tests, so it sits with the protocol.
function layer(path,    best, n, p) {
  best = ""; n = 0
  for (p in rank)
    if ((path == p || index(path, p "/") == 1) && length(p) > n) { best = p; n = length(p) }
  return best
}
BEGIN {
  split("runtime protocol remote ui tools", names, " ")
  for (i = 1; i <= 5; i++) rank[names[i]] = i
  rank["tests/runtime"] = 1; rank["tests/common"] = 2; rank["tests/protocol"] = 2
  rank["tests/remote"] = 3; rank["tests"] = 4; rank["tests/tools"] = 5; rank["tests/fuzz"] = 5
  bad = 0; checked = 0
}
{
  file = $0; sub(/:.*/, "", file)
  rest = substr($0, length(file) + 2)
  line = rest; sub(/:.*/, "", line)
  text = substr(rest, length(line) + 2)
  target = text; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
  # The test tree of this check is wrong on purpose.
  if (index(file, "tests/layers/fixture/") == 1) next
  checked++
  from = layer(file); to = layer(target)
  if (from == "" || to == "") next
  if (rank[to] > rank[from]) {
    printf "%s:%s: includes %s, which is in layer %s, above this file'"'"'s layer %s\n", file, line, target, names[rank[to]], names[rank[from]]
    bad++
  }
}
END {
  printf "layer check: %d includes read, %d running up the layers\n", checked, bad
  exit bad != 0
}'
