#!/usr/bin/env bash
# Plot throughput through vormak-batch plot (release build): a million plain milling blocks,
# the same with machining time counted (--time), and a WHILE loop of 200,000 turns. Each run is
# repeated; the median wall time, the lines per second and the peak resident memory are printed.
#   bench/bench_plot.sh [RUNS]        (default 5; builds the release vormak-batch first)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
[ -n "${SKIP_BUILD:-}" ] || scripts/build release vormak-batch >/dev/null
batch=build/release/vormak-batch
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One million blocks as a machine shop sends them: modal G01 moves with a feed.
awk 'BEGIN { print "%"; print "G90 G17 G00 X0 Y0 Z0 M03 M08";
  for (n = 1; n < 1000000; n++)
    printf "N%d G01 X%.3f Y%.3f F%d\n", n, (n % 5000) * 0.013, (n % 3700) * -0.021, 100 + (n % 9) * 50;
  print "M30" }' >"$work/million.nc"
# A macro loop: each turn is four lines (move, count, test, end).
cat >"$work/while.nc" <<'NC'
G90 G17 G00 X0 Y0 Z0 M03 M08
#1=0
WHILE [#1 LT 200000] DO1
G01 X[#1*0.001] Y[SIN[#1]*10.] F100.
#1=#1+1
END1
M30
NC

measure() {  # name file [plot options]
  local name=$1 file=$2 times=() rss=() summary=""
  shift 2
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f "%e %M" -o "$work/time" "$batch" plot "$file" --machine mill "$@" >"$work/out" 2>/dev/null
    read -r t m <"$work/time"
    times+=("$t"); rss+=("$m"); summary=$(head -1 "$work/out")
  done
  local med_t med_m lines
  med_t=$(printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  med_m=$(printf '%s\n' "${rss[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  lines=$(sed -E 's/^lines run ([0-9]+),.*/\1/' <<<"$summary")
  awk -v n="$name" -v t="$med_t" -v m="$med_m" -v l="$lines" -v s="$summary" 'BEGIN {
    printf "%-22s median %6.2f s  %10.0f lines/s  peak RSS %6.1f MB  (%s)\n", n, t, (t > 0 ? l / t : 0), m / 1024, s }'
}

echo "vormak-batch plot, median of $runs runs"
measure "1M plain blocks" "$work/million.nc"
measure "1M blocks, --time" "$work/million.nc" --time
measure "WHILE x 200000" "$work/while.nc"
