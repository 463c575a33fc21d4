#!/bin/sh
# The table of make bench from its results file (tools/bench/bench.sh writes it): one row per
# figure with its floor, the ratio, the goal and the verdict. "name pairs measured floor" rows
# are line figures (seconds), the others plain values; a fifth field is the floor with the old
# fixed read gap of 50 ms, against which the shorter gap is judged.
# usage: report.sh RESULTS [--kivra]   (--kivra: kivra.exe exists, so its rows must be there)
set -u
results=$1
kivra=${2:-}
awk -v kivra="$kivra" '
  { v[$1] = $0; split($0, f, " "); a[$1] = f[2]; b[$1] = f[3]; c[$1] = f[4]; f5[$1] = f[5] }
  function row(figure, measured, floor, ratio, goal, verdict) {
    printf "%-40s %13s %13s %7s %12s  %s\n", figure, measured, floor, ratio, goal, verdict
    if (verdict == "MISS") missed = missed (missed == "" ? "" : "; ") figure
    if (verdict == "PASS" || verdict == "MISS") judged++
  }
  function judge(ok) { return ok ? "PASS" : "MISS" }
  # A line figure: per pair (unit scale) or in all.
  function line(figure, key, perPair, scale, unit, limit,   m, fl, r) {
    if (!(key in v) || a[key] == 0) { row(figure, "-", "-", "-", "<= " limit, "NOT MEASURED"); return }
    m = perPair ? b[key] / a[key] : b[key]
    fl = perPair ? c[key] / a[key] : c[key]
    r = b[key] / c[key]
    row(figure, sprintf("%.3f %s", m * scale, unit), sprintf("%.3f %s", fl * scale, unit), sprintf("%.3f", r),
        "<= " limit, judge(r <= limit))
  }
  # A line figure against its floor with the old 50 ms read gap: what the shorter gap gained.
  function old(figure, key, scale, unit, limit,   r) {
    if (!(key in v) || a[key] == 0 || f5[key] == "") { row(figure, "-", "-", "-", "<= " limit, "NOT MEASURED"); return }
    r = b[key] / f5[key]
    row(figure, sprintf("%.3f %s", b[key] * scale, unit), sprintf("%.3f %s", f5[key] * scale, unit), sprintf("%.3f", r),
        "<= " limit, judge(r <= limit))
  }
  END {
    row("figure", "measured", "floor", "ratio", "goal", "verdict")
    line("firmware 64 KiB, limit 243: per block", "fw243_block", 1, 1000, "ms", 1.02)
    line("firmware 64 KiB, limit 243: update", "fw243_update", 0, 1, "s", 1.02)
    line("firmware 64 KiB, limit 128: per block", "fw128_block", 1, 1000, "ms", 1.02)
    line("firmware 64 KiB, limit 128: update", "fw128_update", 0, 1, "s", 1.02)
    old("  limit 243 update, against 50 ms gap floor", "fw243_update", 1, "s", 0.80)
    old("  limit 128 update, against 50 ms gap floor", "fw128_update", 1, "s", 0.80)
    line("poll period, normal", "poll_normal", 1, 1000, "ms", 1.02)
    line("poll period, fast", "poll_fast", 1, 1000, "ms", 1.02)
    line("connect to first live value", "connect", 0, 1000, "ms", 1.05)
    old("  connect, against 50 ms gap floor", "connect", 1000, "ms", 0.60)
    line("fleet apply, 50 vehicles, 8 jobs", "fleet_apply", 0, 1, "s", 1.25)
    if ("fleet_peak_kib" in v)
      row("fleet apply peak memory", sprintf("%.1f MiB", a["fleet_peak_kib"] / 1024), "-", "-", "<= 64 MiB",
          judge(a["fleet_peak_kib"] <= 64 * 1024))
    if ("poll_cpu" in v) {
      share = 100 * a["poll_cpu"] / b["poll_cpu"]
      row("kivra-cli CPU while polling", sprintf("%.2f %%", share), "-", "-", "< 0.5 %", judge(share < 0.5))
      row("  wineserver meanwhile", sprintf("%.2f %%", 100 * a["poll_server_cpu"] / b["poll_server_cpu"]), "-", "-",
          "-", "info")
      row("kivra-cli peak memory", sprintf("%.1f MiB", a["poll_peak_kib"] / 1024), "-", "-", "-", "info")
    } else
      row("kivra-cli CPU while polling", "-", "-", "-", "< 0.5 %", "NOT MEASURED")
    if ("kivra_window" in v) {
      row("kivra.exe start to main window", sprintf("%.0f ms", 1000 * a["kivra_window"]), "-", "-", "-", "info")
      share = 100 * a["kivra_idle_cpu"] / b["kivra_idle_cpu"]
      row("kivra.exe CPU connected, idle", sprintf("%.2f %%", share), "-", "-", "< 0.5 %", judge(share < 0.5))
    } else if (kivra != "")
      row("kivra.exe start to main window", "-", "-", "-", "-", "NOT MEASURED")
    else
      row("kivra.exe figures", "-", "-", "-", "-", "ABSENT (not built)")
    row("kivra-cli.exe size", sprintf("%.2f MB", a["size_cli"] / 1e6), "-", "-", "<= 2 MB", judge(a["size_cli"] <= 2e6))
    if ("size_kivra" in v)
      row("kivra.exe size", sprintf("%.2f MB", a["size_kivra"] / 1e6), "-", "-", "<= 2 MB", judge(a["size_kivra"] <= 2e6))
    if ("chart_million" in v)
      row("1,000,000-row log to PNG (kivra-cli)", sprintf("%.2f s", a["chart_million"]), "-", "-", "<= 5 s",
          judge(a["chart_million"] <= 5))
    if ("scanner" in v)
      row("frame scanner (native)", sprintf("%.0f MB/s", a["scanner"]), "-", "-", ">= 100 MB/s", judge(a["scanner"] >= 100))
    print ""
    printf "load (1, 5, 15 min): %s %s %s at start, %s %s %s at the end; run at nice %s\n", a["load_start"],
      b["load_start"], c["load_start"], a["load_end"], b["load_end"], c["load_end"], f5["load_start"]
    if (missed == "") printf "verdict: all %d judged figures meet their goals\n", judged
    else printf "verdict: missed: %s\n", missed
  }' "$results"
