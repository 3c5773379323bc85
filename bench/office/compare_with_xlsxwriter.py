#!/usr/bin/python3
"""Times writing 1,000,000 numeric cells (100,000 rows of 10 columns) with
tabulo's workbook writer (tabulo_office_bench, Google Benchmark) and with
python3-xlsxwriter, the same values in both, and checks the target: ours at
most a third of xlsxwriter's time. Prints both medians and the ratio; exits 1
when the target is missed.

Usage: compare_with_xlsxwriter.py --bench build/bin/tabulo_office_bench [--repetitions 3]
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time

import xlsxwriter

ROWS = 100000
COLUMNS = 10


def xlsxwriter_seconds(path):
    start = time.perf_counter()
    workbook = xlsxwriter.Workbook(path)
    sheet = workbook.add_worksheet("Sheet1")
    for row in range(ROWS):
        for column in range(COLUMNS):
            sheet.write_number(row, column, row * 0.5 + column)
    workbook.close()
    return time.perf_counter() - start


def ours_seconds(bench, repetitions, folder):
    result = subprocess.run(
        [bench, "--benchmark_filter=BM_WriteMillionCells", f"--benchmark_repetitions={repetitions}",
         "--benchmark_format=json"],
        check=True, capture_output=True, text=True, env=dict(os.environ, TABULO_BENCH_OUTPUT_DIR=folder))
    runs = [b for b in json.loads(result.stdout)["benchmarks"] if b.get("run_type") == "iteration"]
    return statistics.median(b["real_time"] / 1000.0 for b in runs)  # reported in milliseconds


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bench", required=True)
    parser.add_argument("--repetitions", type=int, default=3)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        ours = ours_seconds(args.bench, args.repetitions, folder)
        theirs = statistics.median(
            xlsxwriter_seconds(os.path.join(folder, f"xlsxwriter{i}.xlsx")) for i in range(args.repetitions))
    ratio = ours / theirs
    print(f"tabulo {ours:.3f} s, xlsxwriter {theirs:.3f} s, ratio {ratio:.3f} (target at most 0.333)")
    return 0 if ratio <= 1 / 3 else 1


if __name__ == "__main__":
    sys.exit(main())
