# What the window end-to-end suites share: a display, a Wine prefix whose programs all run in one
# virtual desktop, kivra-ui-driver running beside the program under test, simulators, the checks
# and their tally, screenshots, and cleaning all of it up however the suite ends. A suite (a
# bash script) sets NAME (for its messages) and SIM_LIFETIME, sources this file, calls
# window_setup, runs its steps and checks, and ends with finish.
# usage of a suite: SUITE --driver kivra-ui-driver.exe --wine wine-run.sh --work DIR
#                         [--program EXE] [--cli kivra-cli.exe] [--sim kivra-sim]
set -u

harness_args=("$@")
DRIVER="" WINE_RUN="" WORK="" PROGRAM="" CLI="" SIM=""
while [ $# -gt 0 ]; do
  case "$1" in
    --driver) DRIVER=$2; shift 2 ;;
    --wine) WINE_RUN=$2; shift 2 ;;
    --work) WORK=$2; shift 2 ;;
    --program) PROGRAM=$2; shift 2 ;;
    --cli) CLI=$2; shift 2 ;;
    --sim) SIM=$2; shift 2 ;;
    *) echo "$NAME: unknown argument $1" >&2; exit 2 ;;
  esac
done
if [ -z "$DRIVER" ] || [ -z "$WINE_RUN" ] || [ -z "$WORK" ]; then
  echo "usage: $0 --driver kivra-ui-driver.exe --wine wine-run.sh --work DIR [--program EXE] [--sim kivra-sim]" >&2
  exit 2
fi
mkdir -p "$WORK"
WORK=$(cd "$WORK" && pwd)
rm -f "$WORK"/*.png "$WORK"/*.out "$WORK"/*.err "$WORK"/*.log "$WORK"/*.sim "$WORK"/driver.*
# A prefix of its own: the suite sets its desktop, registers COM ports and kills its server.
export KIVRA_WINEPREFIX="$WORK/wineprefix"
# Without a display the suite runs again on a virtual display of its own, which goes when it
# ends (cmake/with-display.sh, beside the Wine runner).
if [ -z "${DISPLAY:-}" ]; then
  exec sh "$(dirname "$WINE_RUN")/with-display.sh" bash "$0" "${harness_args[@]}"
fi
# Size of the virtual desktop every program of the prefix shares.
WINDOW_DESKTOP_SIZE=${WINDOW_DESKTOP_SIZE:-1280x900}
# Longest wait for one answer of the driver, in seconds; its own waits are much shorter.
UI_ANSWER_LIMIT=${UI_ANSWER_LIMIT:-60}

passed=0
failed=0
driver_pid=""
driver_alive=0
programs=""
shot_count=0
. "$(dirname "${BASH_SOURCE[0]}")/sim-control.sh"

# Ends everything this suite started, whichever way it ends: the driver (end of its input), the
# programs and every other process of the prefix (its server), the simulators.
window_cleanup() {
  if [ "$driver_alive" = 1 ]; then exec 7>&- 8<&-; fi
  driver_alive=0
  for pid in $programs $driver_pid; do kill "$pid" 2>/dev/null; done
  WINEPREFIX=$KIVRA_WINEPREFIX wineserver -k >/dev/null 2>&1
  for pid in $programs $driver_pid; do wait "$pid" 2>/dev/null; done
  programs="" driver_pid=""
  stop_sims
}
trap window_cleanup EXIT
trap 'exit 130' INT TERM
# A driver that died must fail the next command, not end the suite with SIGPIPE.
trap '' PIPE

# window_setup: the prefix (created on first use) with a virtual desktop as every
# program's default desktop, so that the driver sees the windows of the program under test (a
# program in another desktop cannot see them) and windows get frames, then the driver.
window_setup() {
  # A server left from an interrupted run would still serve its dead display.
  WINEPREFIX=$KIVRA_WINEPREFIX wineserver -k >/dev/null 2>&1
  # (The Wine runner creates the prefix before the first program it runs there.)
  if ! grep -q "^\"Default\"=\"$WINDOW_DESKTOP_SIZE\"" "$KIVRA_WINEPREFIX/user.reg" 2>/dev/null; then
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="%s"\r\n' \
      "$WINDOW_DESKTOP_SIZE" >"$WORK/desktop.reg"
    sh "$WINE_RUN" regedit /S "$WORK/desktop.reg" >/dev/null 2>&1
    WINEPREFIX=$KIVRA_WINEPREFIX wineserver -w
  fi
  # One server for the whole suite; window_cleanup ends it.
  WINEPREFIX=$KIVRA_WINEPREFIX wineserver -p >/dev/null 2>&1
  rm -f "$WORK/driver.in" "$WORK/driver.out"
  mkfifo "$WORK/driver.in" "$WORK/driver.out"
  sh "$WINE_RUN" "$DRIVER" <"$WORK/driver.in" >"$WORK/driver.out" 2>"$WORK/driver.err" &
  driver_pid=$!
  exec 7>"$WORK/driver.in" 8<"$WORK/driver.out"
  driver_alive=1
}

# start_program NAME EXE ARGUMENTS...: runs a Windows program in the prefix, in the background;
# its output goes to NAME.out and NAME.err.
start_program() {
  run=$1
  shift
  sh "$WINE_RUN" "$@" >"$WORK/$run.out" 2>"$WORK/$run.err" &
  programs="$programs $!"
}

# install_program: for the suites of kivra.exe against the simulator (both must be given). The
# program runs from a folder of the suite's own, $WORK/bin/kivra.exe (KIVRA): its data log files
# land next to it, and its file dialogs open there.
install_program() {
  if [ -z "$PROGRAM" ] || [ -z "$SIM" ]; then
    echo "$NAME: --program and --sim are needed" >&2
    exit 2
  fi
  mkdir -p "$WORK/bin"
  cp "$PROGRAM" "$WORK/bin/kivra.exe"
  KIVRA="$WORK/bin/kivra.exe"
}

# winpath PATH: a Linux path as the programs of the prefix see it (on drive Z:).
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }

# ui COMMAND: one driver command (a line as in a driver script). UI_RESULT holds the result
# line, UI_VALUE what follows "ok "; the status tells whether it succeeded.
ui() {
  UI_VALUE=""
  if [ "$driver_alive" != 1 ]; then
    UI_RESULT="FAILED $1: the driver is not running"
    return 1
  fi
  printf '%s\n' "$1" >&7
  if ! IFS= read -r -t "$UI_ANSWER_LIMIT" UI_RESULT <&8; then
    # No answer: the driver is gone or stuck, and later answers would belong to other commands.
    UI_RESULT="FAILED $1: no answer from the driver within $UI_ANSWER_LIMIT s; $(cat "$WORK/driver.err" 2>/dev/null)"
    exec 7>&- 8<&-
    driver_alive=0
    return 1
  fi
  case "$UI_RESULT" in
    ok) return 0 ;;
    "ok "*) UI_VALUE=${UI_RESULT#ok }; return 0 ;;
  esac
  return 1
}

# screenshot NAME: the whole display as NAME.png in the work folder.
screenshot() {
  import -display "$DISPLAY" -window root "$WORK/$1.png" 2>/dev/null
}

# A failed step or check is counted, printed with what the driver said, and pictured.
record_failure() {
  failed=$((failed + 1))
  shot_count=$((shot_count + 1))
  screenshot "failed-$shot_count-$1"
  echo "FAILED $1: $UI_RESULT (screenshot failed-$shot_count-$1.png)"
}

# check NAME COMMAND: a driver command as a named check (usually an expect); one line each.
check() {
  if ui "$2"; then
    passed=$((passed + 1))
    echo "pass $1"
  else
    record_failure "$1"
  fi
}

# step NAME COMMAND...: driver commands that must all succeed for the suite to go on; stops at
# the first failure, which counts as a failed check. Returns 1 then.
step() {
  what=$1
  shift
  for command in "$@"; do
    if ! ui "$command"; then
      record_failure "$what"
      return 1
    fi
  done
  return 0
}

# expect_shell NAME DESCRIPTION COMMAND...: a plain shell check (a simulator log, a file).
expect_shell() {
  what=$2
  if (shift 2; "$@"); then
    passed=$((passed + 1))
    echo "pass $1"
  else
    failed=$((failed + 1))
    echo "FAILED $1: $what"
  fi
}

# no_message_box MS: true when no message box of the program opens within MS milliseconds; one
# that does is answered, so that the suite can go on.
no_message_box() {
  ui "timeout $1" || return 1
  if ui 'message-box'; then
    echo "    a message box: $UI_VALUE"
    ui 'answer OK'
    ui 'timeout 5000'
    return 1
  fi
  ui 'timeout 5000'
}

# finish: the tally line; the exit status tells whether every check passed.
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" = 0 ] && [ "$passed" -gt 0 ]
  exit $?
}
