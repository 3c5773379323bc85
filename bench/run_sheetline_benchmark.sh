#!/usr/bin/env bash
# Excel export of a generated ~20 MB Tables XML: time against a libxml2 DOM
# load of the same file (target: at most 5x) and peak memory of
# `tabulo export excel` (target: at most 6x the input size).
# Usage: bench/run_sheetline_benchmark.sh --build DIR [--target-mb N] [--runs N]
set -euo pipefail

build=build
target_mb=20
runs=3
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --target-mb) target_mb=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    *) echo "usage: $0 --build DIR [--target-mb N] [--runs N]" >&2; exit 2 ;;
  esac
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/tables.xml

"$build/bin/tabulo-gen-tables" --variables 2 --nesting 2 --elements 5 --cell-items 2 \
  --target-mb "$target_mb" -o "$input"

TABULO_BENCH_INPUT=$input "$build/bin/tabulo_text_bench" --benchmark_filter=BM_DomLoad \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$work/bench.json"

for run in $(seq "$runs"); do
  rm -f "$work/out.xlsx"
  /usr/bin/time -f "%e %M" -a -o "$work/export_runs" \
    "$build/bin/tabulo" export excel "$input" -o "$work/out.xlsx" >/dev/null
done

/usr/bin/python3 - "$input" "$work/bench.json" "$work/export_runs" "$work/out.xlsx" <<'PY'
import json, os, statistics, sys
input_path, bench_path, runs_path, output_path = sys.argv[1:]
size_mb = os.path.getsize(input_path) / 2**20
dom_ms = next(b["real_time"] for b in json.load(open(bench_path))["benchmarks"]
              if b.get("aggregate_name") == "median")
runs = [line.split() for line in open(runs_path) if line.strip()]
export_ms = statistics.median(float(seconds) * 1000 for seconds, _ in runs)
peak_mb = max(int(kb) for _, kb in runs) / 1024
time_ratio, memory_ratio = export_ms / dom_ms, peak_mb / size_mb
print("input MB  DOM ms  export ms  ratio  peak MB  memory ratio  workbook MB")
print("%8.1f  %6.0f  %9.0f  %5.2f  %7.1f  %12.2f  %11.1f" % (
    size_mb, dom_ms, export_ms, time_ratio, peak_mb, memory_ratio, os.path.getsize(output_path) / 2**20))
missed = []
if time_ratio > 5: missed.append("export takes more than 5x the DOM load")
if memory_ratio > 6: missed.append("peak memory is more than 6x the input")
for line in missed: print("MISSED: " + line)
sys.exit(1 if missed else 0)
PY
