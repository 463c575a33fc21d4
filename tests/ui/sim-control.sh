# Starting and stopping simulators for the end-to-end scripts (sourced by their harnesses). The
# harness sets NAME, SIM (the simulator program), WORK, KIVRA_WINEPREFIX and SIM_LIFETIME (seconds
# a simulator may live at most) and calls stop_sims when it ends.
sims=""

# Stops every simulator this script started (by its own process id).
stop_sims() {
  for pid in $sims; do kill "$pid" 2>/dev/null; done
  for pid in $sims; do wait "$pid" 2>/dev/null; done
  sims=""
}

# start_sim NAME COM OPTIONS...: starts the simulator (it stops itself after SIM_LIFETIME s at
# the latest) with its sensor on COM (0: none, then it runs the relay server on a free port)
# and waits until it is reachable; RELAY then holds the relay address.
start_sim() {
  sim=$1 com=$2
  shift 2
  if [ "$com" = 0 ]; then
    set -- --no-serial --relay-port 0 "$@"
  else
    set -- --wine-prefix "$KIVRA_WINEPREFIX" --com "$com" "$@"
  fi
  # Created here, not by the background redirection, so no earlier content can be read meanwhile.
  : >"$WORK/$sim.sim"
  "$SIM" --exit-after "$SIM_LIFETIME" --log "$WORK/$sim.log" "$@" >>"$WORK/$sim.sim" 2>&1 &
  sims="$sims $!"
  i=0
  while [ $i -lt 100 ]; do
    if [ "$com" = 0 ]; then
      grep -q '^relay: ' "$WORK/$sim.sim" && break
    else
      grep -q '^serial: ' "$WORK/$sim.sim" && [ -e "$KIVRA_WINEPREFIX/dosdevices/com$com" ] && break
    fi
    sleep 0.1
    i=$((i + 1))
  done
  RELAY=$(sed -n 's/^relay: //p' "$WORK/$sim.sim" | head -n 1)
  [ $i -lt 100 ] || echo "$NAME: the simulator $sim did not come up: $(cat "$WORK/$sim.sim")"
}

