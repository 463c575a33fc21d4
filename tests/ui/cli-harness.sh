# What the kivra-cli end-to-end scripts share: the command line, the Wine prefix, starting and
# stopping simulators, the checks and their tally, and firmware images. A script sets NAME (for
# its messages) and SIM_LIFETIME (seconds a simulator may live at most), then sources this file.
# usage of a script: SCRIPT --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
set -u

while [ $# -gt 0 ]; do
  case "$1" in
    --cli) CLI=$2; shift 2 ;;
    --sim) SIM=$2; shift 2 ;;
    --wine) WINE_RUN=$2; shift 2 ;;
    --work) WORK=$2; shift 2 ;;
    *) echo "$NAME: unknown argument $1" >&2; exit 2 ;;
  esac
done
if [ ! -x "$SIM" ]; then
  echo "$NAME: the simulator $SIM is missing; build the host build first (or set KIVRA_SIM)" >&2
  exit 1
fi
mkdir -p "$WORK"
WORK=$(cd "$WORK" && pwd)
rm -f "$WORK"/*.out "$WORK"/*.err "$WORK"/*.log "$WORK"/*.sim "$WORK"/*.json "$WORK"/*.txt "$WORK"/*.fw
# A prefix of its own: the scripts register COM ports and port devices in it.
export KIVRA_WINEPREFIX="$WORK/wineprefix"
sh "$WINE_RUN" cmd /c exit 0 >/dev/null 2>&1
# One server for all the runs (it ends 30 s after the last), rather than one per pause between them.
WINEPREFIX=$KIVRA_WINEPREFIX wineserver -p30 >/dev/null 2>&1

passed=0
failed=0
. "$(dirname "$0")/sim-control.sh"
trap stop_sims EXIT INT TERM

# check NAME STATUS PATTERN CLI-ARGUMENTS...: passes when kivra-cli ends with STATUS within
# 120 s (a hang is a failure of its own) and its output (stdout and stderr together) holds
# PATTERN (a grep -E expression; "" for none).
check() {
  run=$1 want=$2 pattern=$3
  shift 3
  timeout -k 5 120 sh "$WINE_RUN" "$CLI" "$@" >"$WORK/$run.out" 2>"$WORK/$run.err"
  got=$?
  if [ "$got" = "$want" ] && { [ -z "$pattern" ] || cat "$WORK/$run.out" "$WORK/$run.err" | grep -Eq -- "$pattern"; }; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    [ "$got" = 124 ] && echo "FAILED $run: still running after 120 s"
    echo "FAILED $run: status $got (wanted $want), pattern '$pattern'; kivra-cli $*"
    sed 's/^/    | /' "$WORK/$run.out" "$WORK/$run.err"
  fi
}

# check_console: as check, with kivra-cli's output on a console (Wine's console on a pseudo
# terminal that script(1) provides, in a UTF-8 locale) instead of files.
check_console() {
  name=$1 want=$2 pattern=$3
  shift 3
  LC_ALL=C.UTF-8 script -qec "sh '$WINE_RUN' '$CLI' $*" /dev/null >"$WORK/$name.out" 2>&1 </dev/null
  got=$?
  if [ "$got" = "$want" ] && grep -Eq -- "$pattern" "$WORK/$name.out"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED $name (console): status $got (wanted $want), pattern '$pattern'; kivra-cli $*"
    sed 's/^/    | /' "$WORK/$name.out"
  fi
}

# interrupt NAME STATUS PATTERN SECONDS CLI-ARGUMENTS...: as check, with Ctrl+C (SIGINT, which
# Wine hands to the program as a console control event) SECONDS after the start.
interrupt() {
  name=$1 want=$2 pattern=$3 after=$4
  shift 4
  sh "$WINE_RUN" "$CLI" "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" &
  pid=$!
  sleep "$after"
  kill -INT "$pid"
  wait "$pid"
  got=$?
  if [ "$got" = "$want" ] && cat "$WORK/$name.out" "$WORK/$name.err" | grep -Eq -- "$pattern"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED $name (Ctrl+C after $after s): status $got (wanted $want), pattern '$pattern'; kivra-cli $*"
    sed 's/^/    | /' "$WORK/$name.out" "$WORK/$name.err"
  fi
}

# expect NAME CONDITION-DESCRIPTION COMMAND...: a plain shell check of what a run left behind.
expect() {
  what=$2
  if (shift 2; "$@"); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED $1: $what"
  fi
}

# sane_live FILE [COUNT]: COUNT live lines (without COUNT: at least one), time rising, every
# temperature near the simulated 21.5 degrees and every angle inside the simulated swing of
# 45 +- 30 degrees (a damaged frame taken for an answer shows up as a wild value, a line
# without an answer behind it as empty fields).
sane_live() {
  tr -d '\r' <"$1" | awk -v want="${2:-}" '
    /^t=/ {
      n++
      t = $1; sub(/^t=/, "", t); sub(/s$/, "", t)
      temp = $2; sub(/^temperature=/, "", temp)
      angle = $3; sub(/^angle=/, "", angle)
      if ($2 !~ /^temperature=-?[0-9]+(\.[0-9]+)?$/ || $3 !~ /^angle=-?[0-9]+(\.[0-9]+)?$/) bad++
      else if (temp + 0 < 15 || temp + 0 > 28 || angle + 0 < 5 || angle + 0 > 85) bad++
      if (n > 1 && t + 0 < last) bad++
      last = t + 0
    }
    END { exit !((want == "" ? n > 0 : n == want) && bad == 0) }'
}

. "$(dirname "$0")/firmware-images.sh"
