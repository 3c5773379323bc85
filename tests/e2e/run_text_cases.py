#!/usr/bin/python3
"""End-to-end cases of the text export: runs `tabulo export text` on the
documents under text_cases/ and text_errors/ and checks the bytes written
(or the failure) against expectations written by hand."""

import argparse
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TIMEOUT = 30


def read_args(case_dir):
    path = os.path.join(case_dir, "args")
    if not os.path.exists(path):
        return []
    with open(path, encoding="utf-8") as stream:
        return [line.rstrip("\n") for line in stream if line.strip()]


def expected_bytes(case_dir):
    # expected.txt holds the file as UTF-8 with "\n" line ends; the file
    # itself is UTF-16LE with a byte-order mark and CR LF line ends.
    with open(os.path.join(case_dir, "expected.txt"), encoding="utf-8", newline="") as stream:
        text = stream.read()
    return b"\xff\xfe" + text.replace("\n", "\r\n").encode("utf-16-le")


def run(tabulo, args, work):
    try:
        return subprocess.run([tabulo, *args], capture_output=True, timeout=TIMEOUT, cwd=work,
                              start_new_session=True)
    except subprocess.TimeoutExpired:
        return None


def first_difference(actual, expected):
    for index, (a, b) in enumerate(zip(actual, expected)):
        if a != b:
            return index
    return min(len(actual), len(expected))


def run_output_case(tabulo, case_dir, work):
    name = os.path.basename(case_dir)
    output = os.path.join(work, name + ".csv")
    # A case may bring a file that already stands at the destination.
    existing = os.path.join(case_dir, "existing")
    if os.path.exists(existing):
        shutil.copyfile(existing, output)
    result = run(tabulo, ["export", "text", os.path.join(case_dir, "tables.xml"), "-o", output,
                          *read_args(case_dir)], work)
    if result is None:
        return "timed out"
    if result.returncode != 0:
        return "exit %d: %s" % (result.returncode, result.stderr.decode("utf-8", "replace").strip())
    if result.stdout.decode("utf-8").strip() != output:
        return "printed destination %r" % result.stdout
    with open(output, "rb") as stream:
        actual = stream.read()
    expected = expected_bytes(case_dir)
    if actual != expected:
        at = first_difference(actual, expected)
        shown_actual = actual[max(at - 40, 2):at + 40].decode("utf-16-le", "replace")
        shown_expected = expected[max(at - 40, 2):at + 40].decode("utf-16-le", "replace")
        return "differs at byte %d:\n  got      %r\n  expected %r" % (at, shown_actual, shown_expected)
    return None


def run_error_case(tabulo, case_dir, work):
    name = os.path.basename(case_dir)
    case_work = os.path.join(work, name)
    os.makedirs(case_work)
    with open(os.path.join(case_dir, "expect"), encoding="utf-8") as stream:
        code_line, message = stream.read().split("\n", 1)
    message = message.strip().replace("{work}", case_work)
    # The sentinel is what an external entity would pull in; it must never
    # reach any output or message.
    sentinel = "SENTINEL-" + name
    with open(os.path.join(case_work, "secret.txt"), "w", encoding="utf-8") as stream:
        stream.write(sentinel)
    with open(os.path.join(case_dir, "tables.xml"), encoding="utf-8") as stream:
        tables = stream.read().replace("{work}", case_work)
    tables_path = os.path.join(case_work, "tables.xml")
    with open(tables_path, "w", encoding="utf-8") as stream:
        stream.write(tables)
    existing = os.path.join(case_work, "existing.csv")
    with open(existing, "wb") as stream:
        stream.write(b"keep me")
    args = [a.replace("{work}", case_work) for a in read_args(case_dir)]
    if "-o" not in args:
        args += ["-o", os.path.join(case_work, "out.csv")]
    before = sorted(os.listdir(case_work))

    result = run(tabulo, ["export", "text", tables_path, *args], case_work)
    if result is None:
        return "timed out"
    stderr = result.stderr.decode("utf-8", "replace")
    if result.returncode != int(code_line):
        return "exit %d, expected %s: %s" % (result.returncode, code_line, stderr.strip())
    if message not in stderr:
        return "message %r not in %r" % (message, stderr.strip())
    if sentinel in stderr or sentinel in result.stdout.decode("utf-8", "replace"):
        return "the external entity was read"
    after = sorted(os.listdir(case_work))
    if after != before:
        return "files changed: %s -> %s" % (before, after)
    with open(existing, "rb") as stream:
        if stream.read() != b"keep me":
            return "the existing file was changed"
    return None


def run_generated_case(tabulo, generator, work, shape):
    """A generated document must be exactly consistent: the export reads every
    value it needs, and writes one table-delimiter line per table."""
    tables_path = os.path.join(work, "generated.xml")
    output = os.path.join(work, "generated.csv")
    args = ["--tables", "9", "--seed", "7", *shape, "-o", tables_path]
    subprocess.run([generator, *args], check=True, timeout=TIMEOUT)
    result = run(tabulo, ["export", "text", tables_path, "-o", output, "-s", "OverwriteOutput=-1"], work)
    if result is None:
        return "timed out"
    if result.returncode != 0:
        return "exit %d: %s" % (result.returncode, result.stderr.decode("utf-8", "replace").strip())
    with open(output, "rb") as stream:
        lines = stream.read()[2:].decode("utf-16-le").split("\r\n")
    delimiters = lines.count("\f")
    return None if delimiters == 9 else "%d table delimiters for 9 tables" % delimiters


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tabulo", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--generator", help="tabulo-gen-tables, to check the documents it writes")
    options = parser.parse_args()
    tabulo = os.path.abspath(options.tabulo)
    shutil.rmtree(options.work, ignore_errors=True)
    os.makedirs(options.work)

    failures = 0
    cases = 0
    for kind, runner in (("text_cases", run_output_case), ("text_errors", run_error_case)):
        root = os.path.join(HERE, kind)
        for name in sorted(os.listdir(root)):
            cases += 1
            problem = runner(tabulo, os.path.join(root, name), options.work)
            print(("ok   " if problem is None else "FAIL ") + kind + "/" + name +
                  ("" if problem is None else ": " + problem))
            failures += problem is not None
    shapes = (["--variables", "1", "--nesting", "1", "--elements", "2", "--cell-items", "1"],
              ["--variables", "3", "--nesting", "2", "--elements", "3", "--cell-items", "2"],
              ["--variables", "2", "--nesting", "3", "--elements", "2", "--cell-items", "3"])
    for shape in shapes if options.generator else ():
        cases += 1
        problem = run_generated_case(tabulo, options.generator, options.work, shape)
        print(("ok   " if problem is None else "FAIL ") + "generated " + " ".join(shape) +
              ("" if problem is None else ": " + problem))
        failures += problem is not None
    print("%d case(s), %d failure(s)" % (cases, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
