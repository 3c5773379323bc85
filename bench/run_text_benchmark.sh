#!/usr/bin/env bash
# Text export of a generated ~50 MB Tables XML: time against a libxml2 DOM
# load of the same file (target: at most 3x), and the peak memory of
# `tabulo export text` (target: at most 4x the input size).
# Usage: bench/run_text_benchmark.sh --build DIR [--target-mb N]
set -euo pipefail

build=build
target_mb=50
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --target-mb) target_mb=$2; shift 2 ;;
    *) echo "usage: $0 --build DIR [--target-mb N]" >&2; exit 2 ;;
  esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/tables.xml

"$build/bin/tabulo-gen-tables" --variables 2 --nesting 2 --elements 5 --cell-items 2 \
  --target-mb "$target_mb" -o "$input"

TABULO_BENCH_INPUT=$input "$build/bin/tabulo_text_bench" \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$work/bench.json"

/usr/bin/time -f %M -o "$work/peak_kb" \
  "$build/bin/tabulo" export text "$input" -o "$work/out.csv" >/dev/null

/usr/bin/python3 - "$input" "$work/bench.json" "$work/peak_kb" <<'PY'
import json, os, sys
input_path, bench_path, peak_path = sys.argv[1:]
size_mb = os.path.getsize(input_path) / 2**20
medians = {b["run_name"].split("/")[0]: b["real_time"] for b in json.load(open(bench_path))["benchmarks"]
           if b.get("aggregate_name") == "median"}
dom_ms, export_ms = medians["BM_DomLoad"], medians["BM_TextExport"]
peak_mb = int(open(peak_path).read().split()[-1]) / 1024
time_ratio, memory_ratio = export_ms / dom_ms, peak_mb / size_mb
print("input MB  DOM ms  export ms  ratio  peak MB  memory ratio")
print("%8.1f  %6.0f  %9.0f  %5.2f  %7.1f  %12.2f" % (size_mb, dom_ms, export_ms, time_ratio, peak_mb, memory_ratio))
missed = []
if time_ratio > 3: missed.append("export takes more than 3x the DOM load")
if memory_ratio > 4: missed.append("peak memory is more than 4x the input")
for line in missed: print("MISSED: " + line)
sys.exit(1 if missed else 0)
PY
