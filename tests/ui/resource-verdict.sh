# The verdict on a file of resource samples ("t=..s memory=.. handles=.. gdi=..", one a minute)
# for the soak suites: flat means the last sample at most 10 % (and 1 MiB) of memory above the one
# after the first minute, when the run has settled, and handles and GDI objects not above it at all.
# resource_verdict FILE: prints the summary ("memory A -> B -> C bytes, handles ..., GDI objects ...")
# into RESOURCE_SUMMARY and returns 1 when a counter grew.
resource_field() { echo "$2" | sed -n "s/.*$1=\([0-9]*\).*/\1/p"; }
resource_verdict() {
  first=$(head -n 1 "$1") last=$(tail -n 1 "$1")
  RESOURCE_SAMPLES=$(grep -c . "$1")
  settled=$(sed -n 2p "$1")
  [ -n "$settled" ] || settled=$first
  mem0=$(resource_field memory "$settled") mem1=$(resource_field memory "$last")
  h0=$(resource_field handles "$settled") h1=$(resource_field handles "$last")
  g0=$(resource_field gdi "$settled") g1=$(resource_field gdi "$last")
  RESOURCE_SUMMARY="memory $(resource_field memory "$first") -> $mem0 (after 1 min) -> $mem1 bytes,"
  RESOURCE_SUMMARY="$RESOURCE_SUMMARY handles $(resource_field handles "$first") -> $h0 -> $h1,"
  RESOURCE_SUMMARY="$RESOURCE_SUMMARY GDI objects $(resource_field gdi "$first") -> $g0 -> $g1"
  [ -n "$mem1" ] && [ "$mem1" -le $((mem0 + mem0 / 10 + 1048576)) ] && [ "$h1" -le "$h0" ] && [ "$g1" -le "$g0" ]
}
