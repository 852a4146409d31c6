# Sourced by the comparison scripts: the median of a file of microsecond
# times, one a line, in milliseconds with one decimal.
median_ms() {
  sort -n "$1" | awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.1f", m / 1000}'
}
