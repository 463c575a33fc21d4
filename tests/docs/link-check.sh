#!/bin/sh
# Every relative link and picture in README.md and docs/*.md must lead somewhere: the file or
# folder exists, and a #anchor names a heading of the target (as the repository's web view
# makes them: lower case, punctuation dropped, spaces as hyphens, repeats numbered -1, -2).
# Links to other sites are not fetched. Ends with "links: N checked, M broken".
# usage: link-check.sh SOURCE-ROOT
set -u
if [ $# -ne 1 ]; then
  echo "usage: $0 SOURCE-ROOT" >&2
  exit 2
fi
cd "$1" || exit 2

# Headings and links outside code blocks, one record a line: "H FILE SLUG" or "L FILE LINE TARGET".
scan() {
  awk '
    FNR == 1 { fenced = 0; delete seen }
    /^```/ { fenced = !fenced; next }
    fenced || /^(    |\t)/ { next }
    /^#+ / {
      slug = tolower($0)
      sub(/^#+ +/, "", slug)
      gsub(/[]!"#$%&'\''()*+,.\/:;<=>?@[\\^`{|}~]/, "", slug)
      gsub(/ /, "-", slug)
      n = seen[slug]++
      print "H", FILENAME, (n ? slug "-" n : slug)
    }
    {
      line = $0
      gsub(/`[^`]*`/, "", line)
      while (match(line, /\]\([^) ]+\)/)) {
        print "L", FILENAME, FNR, substr(line, RSTART + 2, RLENGTH - 3)
        line = substr(line, RSTART + RLENGTH)
      }
    }' README.md docs/*.md
}

records=$(mktemp)
trap 'rm -f "$records"' EXIT
scan >"$records" || exit 2

checked=0 broken=0
while read -r kind file line target; do
  [ "$kind" = L ] || continue
  case $target in *://*|mailto:*) continue ;; esac
  checked=$((checked + 1))
  path=${target%%#*}
  anchor=
  case $target in *#*) anchor=${target#*#} ;; esac
  if [ -z "$path" ]; then
    resolved=$file
  else
    resolved=$(realpath -m --relative-to=. "$(dirname "$file")/$path")
  fi
  reason=
  if [ ! -e "$resolved" ]; then
    reason="no such file or folder: $resolved"
  elif [ -n "$anchor" ] && ! grep -qxF "H $resolved $anchor" "$records"; then
    reason="no heading in $resolved makes the anchor #$anchor"
  fi
  if [ -n "$reason" ]; then
    broken=$((broken + 1))
    echo "$file:$line: ($target) $reason"
  fi
done <"$records"

echo "links: $checked checked, $broken broken"
[ "$broken" = 0 ]
