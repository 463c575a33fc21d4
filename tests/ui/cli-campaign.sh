#!/bin/sh
# A fault campaign of kivra-cli under Wine against the simulator: firmware updates cut off in
# the middle, with damaged and dropped answers, resumed until done, each ending with the
# sensor's image equal to the file byte for byte and the sensor identified; then settings
# writes on a bad line, each either written (and read back as sent) or reported as not
# written, never reported written when it was not. Ends with the counts and the slowest case.
# usage: cli-campaign.sh --cli kivra-cli.exe --sim kivra-sim --wine wine-run.sh --work DIR
# CAMPAIGN_UPDATES (100), CAMPAIGN_WRITES (50), CAMPAIGN_SEED (1) and CAMPAIGN_COM (30) change the campaign;
# CAMPAIGN_FIRST (1) starts the updates at that case, to run one case of a campaign again.
NAME=cli-campaign
SIM_LIFETIME=600
. "$(dirname "$0")/cli-harness.sh"

UPDATES=${CAMPAIGN_UPDATES:-100}
WRITES=${CAMPAIGN_WRITES:-50}
SEED=${CAMPAIGN_SEED:-1}
FIRST=${CAMPAIGN_FIRST:-1}
COM=${CAMPAIGN_COM:-30}
# Runs one case may take before it counts as failed (a run ends at each cut).
ATTEMPTS=8

slowest_case="" slowest_ms=0
now_ms() { date +%s%3N; }
note_time() {
  ms=$(($(now_ms) - $2))
  [ "$ms" -gt "$slowest_ms" ] && slowest_ms=$ms slowest_case=$1
  return 0
}
# draw CASE: the case's random numbers as shell assignments (awk's generator, seeded per case).
draw() {
  awk -v seed="$SEED" -v n="$1" 'BEGIN {
    srand(seed * 100003 + n)
    size = 300 + int(rand() * 2200); blocks = int((size + 127) / 128)
    printf "size=%d cut=%d corrupt=0.00%d drop=%d version=%d fault_seed=%d threshold=%d approx=%d pulse=%d motion=%d reject=%d\n",
      size, 1 + int(rand() * (blocks - 1 > 0 ? blocks - 1 : 1)), 1 + int(rand() * 8), 4 + int(rand() * 12),
      10 + int(rand() * 200), 1 + int(rand() * 1000000), 1 + int(rand() * 90), 10 + int(rand() * 491),
      int(rand() * 65536), int(rand() * 65536), rand() < 0.2
  }'
}
# run NAME ARGUMENTS...: one kivra-cli run under Wine; its status in $status.
run() {
  out=$1
  shift
  timeout -k 5 180 sh "$WINE_RUN" "$CLI" "$@" >"$WORK/$out.out" 2>"$WORK/$out.err"
  status=$?
}

# The counts so far: at the end, or when the campaign is stopped early (Ctrl+C, kill).
summary() {
  failed=$((fw_bad + set_false + set_unread))
  echo "campaign: firmware $fw_ok of $((fw_ok + fw_bad)) updates byte-identical and identified ($fw_runs runs," \
    "$fw_resumed resumed after a cut); settings writes: $set_written written and read back as sent," \
    "$set_rejected rejected, $set_failed failed, $set_false reported written when not, $set_unread unverified;" \
    "slowest case $slowest_case ($((slowest_ms / 1000)).$((slowest_ms % 1000 / 100)) s); $failed failed"
}
trap 'stop_sims; echo "stopped early"; summary; exit 1' INT TERM

# --- firmware updates
fw_ok=0 fw_bad=0 fw_runs=0 fw_resumed=0
set_written=0 set_rejected=0 set_failed=0 set_false=0 set_unread=0
# (start_sim counts its waits in i, so the cases are counted in n.)
n=$FIRST
while [ "$n" -le "$UPDATES" ]; do
  eval "$(draw "$n")"
  name=fw-$n
  make_image "$WORK/$name.fw" "$size" "$version"
  rm -f "$WORK/$name-received.fw"
  start=$(now_ms)
  start_sim "$name" "$COM" --cut-after-block "$cut" --cut-for 1 --corrupt "$corrupt" --seed "$fault_seed" \
    --drop-every "$drop" --save-image "$WORK/$name-received.fw"
  done_run=0 attempt=1
  while [ "$attempt" -le "$ATTEMPTS" ]; do
    # Long enough for a dropped answer (the session resends after 2 s), short enough for a cut.
    run "$name-$attempt" firmware "$WORK/$name.fw" --port "COM$COM" --timeout 5
    fw_runs=$((fw_runs + 1))
    if [ "$status" = 0 ]; then done_run=1; break; fi
    attempt=$((attempt + 1))
    sleep 1
  done
  [ "$attempt" -gt 1 ] && fw_resumed=$((fw_resumed + 1))
  # Identified: the line keeps damaging answers, so a few in a row may fail within one run's
  # time-out; the sensor must answer with its new version within three runs.
  identified=0
  if [ "$done_run" = 1 ]; then
    for try in 1 2 3; do
      run "$name-info" info --port "COM$COM" --timeout 8
      grep -q "^firmware version: $version\$" "$WORK/$name-info.out" && grep -q "^model: TQS 25-07" "$WORK/$name-info.out" &&
        identified=1 && break
    done
  fi
  stop_sims
  note_time "$name" "$start"
  if [ "$done_run" = 1 ] && [ "$identified" = 1 ] && cmp -s "$WORK/$name.fw" "$WORK/$name-received.fw"; then
    fw_ok=$((fw_ok + 1))
    rm -f "$WORK/$name"-*.out "$WORK/$name"-*.err "$WORK/$name.log" "$WORK/$name.sim" "$WORK/$name.fw" "$WORK/$name-received.fw"
  else
    fw_bad=$((fw_bad + 1))
    echo "FAILED $name: size $size, cut after block $cut, corrupt $corrupt, drop every $drop:" \
      "completed $done_run after $((attempt > ATTEMPTS ? ATTEMPTS : attempt)) runs, identified $identified," \
      "image $(cmp -s "$WORK/$name.fw" "$WORK/$name-received.fw" && echo equal || echo DIFFERENT)"
  fi
  n=$((n + 1))
done

# --- settings writes on a bad line
# value KEY FILE: the value of KEY in a `settings get` output.
value() { tr -d '\r' <"$2" | sed -n "s/^$1 = //p"; }
# read_back NAME: `settings get` until it succeeds (the line stays bad); 1 when it never does.
read_back() {
  for try in 1 2 3 4; do
    run "$1-get-$try" settings get --port "COM$COM" --timeout 4
    if [ "$status" = 0 ]; then cp "$WORK/$1-get-$try.out" "$WORK/$1-get.out"; return 0; fi
  done
  return 1
}
n=1
while [ "$n" -le "$WRITES" ]; do
  eval "$(draw "$((1000 + n))")"
  name=set-$n
  start=$(now_ms)
  rejecting=
  [ "$reject" = 1 ] && rejecting=--reject-writes
  start_sim "$name" "$COM" --corrupt "$corrupt" --seed "$fault_seed" --drop-every "$drop" $rejecting
  if ! read_back "$name-before"; then
    set_unread=$((set_unread + 1))
    echo "FAILED $name: the settings could not be read before the write"
    stop_sims; n=$((n + 1)); continue
  fi
  before="$(value angle_threshold "$WORK/$name-before-get.out") $(value approximation_interval "$WORK/$name-before-get.out") $(value pulse_sensor_timeout "$WORK/$name-before-get.out") $(value angular_motion_timeout "$WORK/$name-before-get.out")"
  sent="$threshold $approx $pulse $motion"
  run "$name" settings set angle_threshold="$threshold" approximation_interval="$approx" \
    pulse_sensor_timeout="$pulse" angular_motion_timeout="$motion" --port "COM$COM" --timeout 4
  verdict=$status
  if read_back "$name-after"; then
    after="$(value angle_threshold "$WORK/$name-after-get.out") $(value approximation_interval "$WORK/$name-after-get.out") $(value pulse_sensor_timeout "$WORK/$name-after-get.out") $(value angular_motion_timeout "$WORK/$name-after-get.out")"
  else
    after=unread
  fi
  case "$verdict" in
    0)
      if [ "$after" = "$sent" ] && grep -q "Settings are written into sensor" "$WORK/$name.out" "$WORK/$name.err"; then
        set_written=$((set_written + 1))
      elif [ "$after" = unread ]; then
        set_unread=$((set_unread + 1))
        echo "FAILED $name: reported written, the read-back never came"
      else
        set_false=$((set_false + 1))
        echo "FAILED $name: REPORTED WRITTEN BUT NOT: sent '$sent', sensor holds '$after'"
      fi ;;
    9)
      set_rejected=$((set_rejected + 1))
      [ "$after" = "$before" ] || echo "NOTE $name: reported rejected; sensor holds '$after' (before '$before', sent '$sent')" ;;
    *)
      set_failed=$((set_failed + 1))
      echo "NOTE $name: status $verdict ($(tr -d '\r' <"$WORK/$name.err" | tail -n 1)); sensor holds '$after'" ;;
  esac
  stop_sims
  note_time "$name" "$start"
  n=$((n + 1))
done

summary
test "$failed" = 0
