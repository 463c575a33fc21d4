#!/bin/sh
# The wall time of each stage of a make run, so that a slow one shows.
#   stage-time.sh FILE RUN NAME COMMAND...  runs COMMAND, appends "RUN NAME SECONDS" to FILE and
#                                           ends with COMMAND's status
#   stage-time.sh --report FILE RUN         prints the stages of run RUN and their sum
if [ "$1" = --report ]; then
  [ -f "$2" ] || exit 0
  awk -v run="$3" '
    $1 == run { n++; name[n] = $2; s[n] = $3; total += $3 }
    END {
      if (!n) exit
      print "=== time of each stage"
      for (i = 1; i <= n; i++) printf "%-24s %4d min %02d s\n", name[i], s[i] / 60, s[i] % 60
      printf "%-24s %4d min %02d s\n", "all stages", total / 60, total % 60
    }' "$2"
  exit 0
fi
file=$1 run=$2 name=$3
shift 3
mkdir -p "$(dirname "$file")"
start=$(date +%s)
"$@"
status=$?
echo "$run $name $(($(date +%s) - start))" >>"$file"
exit $status
