#!/usr/bin/env bash
# Every benchmark of the project on this machine, written up in bench/RESULTS.md:
#   1. builds the release preset (vormak-batch and the benchmark programs),
#   2. generates the shared workloads (../shared/tools/gen_programs.py, or $VORMAK_GEN),
#   3. times vormak-batch plot on them RUNS times each (wall time and peak resident memory),
#   4. runs every bench/bench_* program with RUNS repetitions,
#   5. writes the table (median, min, max, peak RSS) with the machine and the date.
# Usage: bench/run_all.sh [RUNS]   (default 5)
# Environment: SKIP_BUILD=1 uses the existing release build; BENCH_FILTER=REGEX limits the
# Google Benchmark programs' cases; VORMAK_WORK=DIR keeps the workloads there.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-5}
gen=${VORMAK_GEN:-$root/../shared/tools/gen_programs.py}
build=build/release
results=bench/RESULTS.md

if [ -z "${SKIP_BUILD:-}" ]; then
  [ -f "$build/build.ninja" ] || cmake --preset release >/dev/null
  cmake --build "$build" -j"$(nproc)"
fi
batch=$build/vormak-batch
[ -x "$batch" ] || { echo "run_all.sh: no $batch (build the release preset)" >&2; exit 1; }

work=${VORMAK_WORK:-$(mktemp -d)}
[ -n "${VORMAK_WORK:-}" ] || trap 'rm -rf "$work"' EXIT
mkdir -p "$work"
if [ -f "$gen" ]; then
  python3 "$gen" "$work" --only mill_1m.nc macro_loop_fanuc.nc >/dev/null
else
  echo "run_all.sh: workload generator $gen not found" >&2
  exit 1
fi

rows=$work/rows.tsv  # name, unit, median, min, max, peak RSS in kB, CPU median, note
: >"$rows"

# summarise NAME UNIT NOTE < "wall rss user system" per line
summarise() {
  python3 -c '
import statistics, sys
name, unit, note = sys.argv[1:4]
runs = [l.split() for l in sys.stdin if l.strip()]
v = sorted(float(r[0]) for r in runs)
rss = max(int(r[1]) for r in runs)
cpu = statistics.median(float(r[2]) + float(r[3]) for r in runs)
print("\t".join([name, unit, "%.3f" % statistics.median(v), "%.3f" % v[0], "%.3f" % v[-1],
                 str(rss), "%.3f" % cpu, note]))' "$@"
}

# time_batch NAME NOTE ARGS...: vormak-batch ARGS, RUNS times.
time_batch() {
  local name=$1 note=$2
  shift 2
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f "%e %M %U %S" -o "$work/time" "$batch" "$@" >"$work/out" 2>"$work/err" || {
      echo "run_all.sh: '$batch $*' failed:" >&2
      cat "$work/err" >&2
      exit 1
    }
    cat "$work/time"
  done | summarise "$name" s "$note" >>"$rows"
}

mill=$work/mill_1m.nc
macro=$work/macro_loop_fanuc.nc
time_batch "plot mill_1m.nc (no picture)" "target <= 0.5 s" plot "$mill" --machine mill
time_batch "plot mill_1m.nc --png (1600x1000)" "target <= 1.0 s" \
  plot "$mill" --machine mill --png "$work/mill.png" --size 1600x1000
time_batch "plot macro_loop_fanuc.nc" "target <= 0.7 s" plot "$macro" --machine mill
size_kb=$(($(stat -c %s "$mill") / 1024))

# Google Benchmark programs: RUNS repetitions each, every case its own row (real time).
programs=0
for program in "$build"/bench/bench_*; do
  [ -x "$program" ] || continue
  programs=$((programs + 1))
  name=$(basename "$program")
  json=$work/$name.json
  QT_QPA_PLATFORM=offscreen VORMAK_MILL_1M="$mill" /usr/bin/time -f "%M" -o "$work/rss" "$program" \
    --benchmark_repetitions="$runs" --benchmark_format=json \
    ${BENCH_FILTER:+--benchmark_filter="$BENCH_FILTER"} >"$json" 2>"$work/err" || {
    echo "run_all.sh: $name failed (see below); its rows are left out" >&2
    tail -5 "$work/err" >&2
    continue
  }
  # A program none of whose cases BENCH_FILTER names writes nothing.
  grep -q '"benchmarks"' "$json" || continue
  python3 - "$json" "$name" "$(cat "$work/rss")" >>"$rows" <<'PY'
import json, statistics, sys
path, program, rss = sys.argv[1:4]
data = json.load(open(path))
scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
# Targets of the cases that have one; the display list's size where a case reports it.
targets = {"BM_RepaintFromList": "target <= 0.3 s"}
cases, cpu, notes = {}, {}, {}
# Cases that report only their aggregates (the utilities' fixed repeats) give their median.
aggregates = {}
for b in data.get("benchmarks", []):
    if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "median":
        aggregates[b["run_name"]] = b
for b in data.get("benchmarks", []):
    if b.get("run_type") != "iteration" or b.get("error_occurred"):
        continue
    unit = scale[b.get("time_unit", "ns")]
    cases.setdefault(b["run_name"], []).append(b["real_time"] * unit)
    cpu.setdefault(b["run_name"], []).append(b["cpu_time"] * unit)
    note = [t for k, t in targets.items() if b["run_name"].startswith(k)]
    if "bytes_per_move" in b:
        note.append("%.1f bytes a move" % b["bytes_per_move"])
    notes[b["run_name"]] = "; ".join(note)
for case, b in aggregates.items():
    if case in cases:
        continue
    unit = scale[b.get("time_unit", "ns")]
    median = "%.4f" % (b["real_time"] * unit)
    print("\t".join([program + ": " + case, "s", median, "-", "-", rss,
                     "%.4f" % (b["cpu_time"] * unit), "median of the case's own repeats"]))
for case, times in cases.items():
    times.sort()
    print("\t".join([program + ": " + case, "s", "%.4f" % statistics.median(times),
                     "%.4f" % times[0], "%.4f" % times[-1], rss,
                     "%.4f" % statistics.median(cpu[case]), notes[case]]))
PY
done

# Sections written by hand below the table (figures from other benchmarks, fuzz runs) are kept.
kept=$work/kept.md
if [ -f "$results" ]; then sed -n '/^## /,$p' "$results" >"$kept"; else : >"$kept"; fi

{
  echo "# Benchmark results"
  echo
  echo "Written by \`bench/run_all.sh $runs\` on $(date -u '+%Y-%m-%d %H:%M UTC'): $(uname -srm),"
  echo "$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(nproc) cores, load average"
  echo "$(cut -d' ' -f1-3 /proc/loadavg) when it finished (the machine is shared), commit"
  echo "$(git rev-parse --short HEAD 2>/dev/null || echo unknown). Workloads from gen_programs.py;"
  echo "mill_1m.nc is ${size_kb} kB. Times are wall seconds over $runs runs; peak RSS is the"
  echo "largest resident set of those runs (for a Google Benchmark program, of the whole program)."
  echo "CPU is the median user + system time of a vormak-batch run (for a benchmark case, its"
  echo "median CPU time): on a busy machine it says more than the wall time."
  echo "Benchmark programs run: $programs (from $build/bench)."
  echo
  echo "| workload | median | min | max | peak RSS | CPU | note |"
  echo "|---|---:|---:|---:|---:|---:|---|"
  awk -F'\t' '{ printf "| %s | %s %s | %s | %s | %.1f MB | %s | %s |\n", $1, $3, $2, $4, $5, $6 / 1024, $7, $8 }' "$rows"
  echo
  # The 2x target is the plotted program: its text, line index, display list and interpreter.
  # The picture run adds the GUI libraries and the 1600x1000 picture on top.
  awk -F'\t' -v file="$size_kb" '
    NR == 1 { printf "Peak memory of %s: %.2fx the file size (target <= 2x).\n", $1, $6 / file }
    NR == 2 { printf "Peak memory of %s: %.2fx the file size (the GUI libraries and the picture added).\n", $1, $6 / file }' "$rows"
  if [ -s "$kept" ]; then
    echo
    cat "$kept"
  fi
} >"$results"
echo "wrote $results"
