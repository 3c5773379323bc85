#!/usr/bin/python3
"""End-to-end cases of the Excel export: for each folder under excel_cases/
runs `tabulo export excel` with the case's settings, reads the workbook back
with openpyxl (once for formulas, once with data_only=True for the cached
values) and with the standard library's zip and XML readers (rich text,
print titles), and compares what it finds with expectations written by hand.
Every workbook must also pass `unzip -t`, validate part by part against the
transitional schemas (tests/ooxml/check_package.sh), pass our own package
lint (--lint), and, where LibreOffice is installed, convert to PDF.

A case is a folder holding tables.xml and expected.py, a Python literal dict:
  settings  list of "NAME=VALUE" strings, each given with -s
  error     {"exit": code, "stderr": [texts the error output must contain]};
            without it the export must exit 0 and print the destination
  order     the sheet names of the workbook, in order
  sheets    {sheet name: sheet expectation}

A sheet expectation may hold:
  cells     {"B4": cell expectation}
  complete  True: the sheet holds a value in exactly the cells listed
  refs      the cells that the sheet's formulas refer to, as a sorted list
            of SHEET!A1 (one entry per formula)
  merged    every merged range of the sheet (order does not matter)
  row_height  the height in points of every row up to the last one used
  print     {"orientation": "landscape", "titles": ["A:B", "2:3"] (the print
            titles, [] for none), "fit": [wide, tall] or None}
  charts    list of chart expectations in the order of the drawing, or []
  styles    the named styles the workbook must define (checked on any sheet)

A cell expectation is a value (a str for text, an int or float for a number,
None for an empty cell) or a dict with any of:
  v         the value (as above); for a formula cell the cached value
  f         a formula referring to one cell, written SHEET!A1 (quotes and
            dollar signs of the file's formula are dropped before comparing);
            without "f" a formula cell is judged by its cached value
  nf        number format ("General" for none)
  b, i      bold, italic (True/False)
  sz, font  font size and name
  h, vert   horizontal and vertical alignment ("general"/"bottom" when unset)
  rot       text rotation in degrees; wrap: wrap text; indent: indent level
  style     the named style of the cell
  border    {"left"|"right"|"top"|"bottom": "thin" or None}
  runs      rich text: list of (text, {"b", "i", "sz", "font"}) with the
            effective run font (the run's own, else the cell's)

A chart expectation may hold:
  kind      "barChart/col/clustered", "pieChart", "lineChart/standard", ...
  title, x_title, y_title   the title texts (paragraphs joined with "\n"),
            None for none
  legend    "r", "b" or None
  series    list of (name ref, categories ref, values ref), refs written
            SHEET!A1 or SHEET!A1:B2
  anchor    (left, top, width, height) of the frame in points (cell anchors are
            converted with the sheet's column widths and row heights; 2 points
            tolerance)
"""

import argparse
import ast
import glob
import math
import os
import re
import shutil
import subprocess
import sys
import time
import warnings
import zipfile
import xml.etree.ElementTree as ET

import openpyxl
from openpyxl.utils.cell import range_boundaries

HERE = os.path.dirname(os.path.abspath(__file__))
CASES = os.path.join(HERE, "excel_cases")
TIMEOUT = 60
SOFFICE_TIMEOUT = 150
MAIN_NS = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL_NS = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG_REL_NS = "http://schemas.openxmlformats.org/package/2006/relationships"
EMU_PER_POINT = 12700


class CaseFailure(Exception):
    pass


# --- reading the package directly -----------------------------------------------------------

def q(tag):
    return "{%s}%s" % (MAIN_NS, tag)


class Package:
    """The parts of the workbook that openpyxl 3.0 does not show: rich text
    runs and the raw defined names."""

    def __init__(self, path):
        self.zip = zipfile.ZipFile(path)
        workbook = ET.fromstring(self.zip.read("xl/workbook.xml"))
        rels = ET.fromstring(self.zip.read("xl/_rels/workbook.xml.rels"))
        targets = {r.get("Id"): r.get("Target") for r in rels.iter("{%s}Relationship" % PKG_REL_NS)}
        self.sheet_parts = {}
        self.sheet_index = {}
        for index, sheet in enumerate(workbook.iter(q("sheet"))):
            target = targets[sheet.get("{%s}id" % REL_NS)]
            part = target.lstrip("/") if target.startswith("/") else "xl/" + target
            self.sheet_parts[sheet.get("name")] = os.path.normpath(part)
            self.sheet_index[sheet.get("name")] = index
        self.defined_names = [(d.get("name"), d.get("localSheetId"), d.text or "")
                              for d in workbook.iter(q("definedName"))]
        self.shared = []
        if "xl/sharedStrings.xml" in self.zip.namelist():
            sst = ET.fromstring(self.zip.read("xl/sharedStrings.xml"))
            self.shared = list(sst.findall(q("si")))
        self._sheets = {}

    def sheet(self, name):
        if name not in self._sheets:
            self._sheets[name] = ET.fromstring(self.zip.read(self.sheet_parts[name]))
        return self._sheets[name]

    def string_item(self, sheet, ref):
        for cell in self.sheet(sheet).iter(q("c")):
            if cell.get("r") == ref:
                if cell.get("t") == "s":
                    return self.shared[int(cell.find(q("v")).text)]
                if cell.get("t") == "inlineStr":
                    return cell.find(q("is"))
                return None
        return None

    def print_titles(self, sheet):
        index = str(self.sheet_index[sheet])
        found = []
        for name, local, text in self.defined_names:
            if name == "_xlnm.Print_Titles" and local == index:
                for part in text.split(","):
                    found.append(part.split("!")[-1].replace("$", ""))
        return sorted(found)


def runs_of(item):
    """(text, rPr element or None) for each run of a string item."""
    if item is None:
        return None
    runs = item.findall(q("r"))
    if not runs:
        t = item.find(q("t"))
        return [((t.text or "") if t is not None else "", None)]
    return [("".join(t.text or "" for t in r.findall(q("t"))), r.find(q("rPr"))) for r in runs]


def run_font(rpr, cell):
    font = {"b": bool(cell.font.b), "i": bool(cell.font.i), "sz": cell.font.sz, "font": cell.font.name}
    if rpr is None:
        return font
    for child in rpr:
        tag = child.tag.split("}")[1]
        val = child.get("val")
        if tag in ("b", "i"):
            font[tag] = val not in ("0", "false")
        elif tag == "sz":
            font["sz"] = float(val)
        elif tag == "rFont":
            font["font"] = val
    return font


# --- comparing ------------------------------------------------------------------------------

def same_value(got, want):
    if want is None:
        return got is None or got == ""
    if isinstance(want, str):
        return isinstance(got, str) and got == want
    if isinstance(want, bool) or isinstance(got, bool) or not isinstance(got, (int, float)):
        return False
    return math.isclose(got, want, rel_tol=1e-12, abs_tol=1e-12)


def show(value):
    if isinstance(value, str):
        return "text %r" % value
    if value is None:
        return "empty"
    return "number %r" % value


def normal_ref(text):
    """SHEET!A1 from "='Sheet'!$A$1" and the like."""
    text = text.lstrip("=").replace("$", "")
    if "!" in text:
        sheet, cell = text.rsplit("!", 1)
        if sheet.startswith("'") and sheet.endswith("'"):
            sheet = sheet[1:-1].replace("''", "'")
        return sheet + "!" + cell
    return text


def check_cell(ref, want, cell, cached, package, sheet_name, problems):
    if not isinstance(want, dict):
        want = {"v": want}
    note = []
    got_value = cell.value
    is_formula = isinstance(got_value, str) and got_value.startswith("=")
    if "f" in want:
        if not is_formula:
            note.append("holds %s, expected the formula =%s" % (show(got_value), want["f"]))
        elif normal_ref(got_value) != want["f"]:
            note.append("formula %s, expected =%s" % (got_value, want["f"]))
    if is_formula:
        # Without "f" the cell may hold the value or a formula giving it.
        got_value = cached.value
    if "v" in want and not same_value(got_value, want["v"]):
        note.append("%s%s, expected %s" % ("cached " if is_formula else "", show(got_value), show(want["v"])))
    checks = {
        "nf": lambda: cell.number_format,
        "b": lambda: bool(cell.font.b),
        "i": lambda: bool(cell.font.i),
        "sz": lambda: cell.font.sz,
        "font": lambda: cell.font.name,
        "h": lambda: cell.alignment.horizontal or "general",
        "vert": lambda: cell.alignment.vertical or "bottom",
        "rot": lambda: cell.alignment.textRotation or 0,
        "wrap": lambda: bool(cell.alignment.wrap_text),
        "indent": lambda: cell.alignment.indent or 0,
        "style": lambda: cell.style,
    }
    for key, read in checks.items():
        if key in want:
            got = read()
            if got != want[key] and not (isinstance(got, float) and isinstance(want[key], (int, float))
                                         and math.isclose(got, want[key])):
                note.append("%s %r, expected %r" % (key, got, want[key]))
    for edge, style in want.get("border", {}).items():
        got = getattr(cell.border, edge).style
        if got != style:
            note.append("%s border %r, expected %r" % (edge, got, style))
    if "runs" in want:
        runs = runs_of(package.string_item(sheet_name, ref))
        if runs is None:
            note.append("is no text cell, expected rich text")
        else:
            got_runs = [(text, run_font(rpr, cell)) for text, rpr in runs]
            got_texts = [text for text, _ in got_runs]
            want_texts = [text for text, _ in want["runs"]]
            if got_texts != want_texts:
                note.append("runs %r, expected %r" % (got_texts, want_texts))
            else:
                for (text, font), (_, expect) in zip(got_runs, want["runs"]):
                    for key, value in expect.items():
                        if font[key] != value:
                            note.append("run %r: %s %r, expected %r" % (text, key, font[key], value))
    if note:
        problems.append("%s!%s: %s" % (sheet_name, ref, "; ".join(note)))


def title_text(title):
    if title is None:
        return None
    tx = getattr(title, "tx", None)
    if tx is None or tx.rich is None:
        if tx is not None and tx.strRef is not None:
            return "=" + tx.strRef.f
        return ""
    paragraphs = []
    for p in tx.rich.p:
        paragraphs.append("".join((r.t or "") for r in (p.r or [])))
    return "\n".join(paragraphs).replace("\r\n", "\n").replace("\r", "\n")


def chart_kind(chart):
    kind = chart.tagname
    if kind in ("barChart", "bar3DChart"):
        kind += "/%s/%s" % (chart.barDir, chart.grouping)
    elif kind in ("lineChart", "line3DChart"):
        kind += "/%s" % chart.grouping
    return kind


def series_refs(series):
    def ref(part):
        if part is None:
            return None
        for name in ("strRef", "numRef", "multiLvlStrRef"):
            holder = getattr(part, name, None)
            if holder is not None and holder.f:
                return normal_ref(holder.f)
        return None
    return (ref(series.tx), ref(series.cat), ref(series.val))


MAX_DIGIT_PIXELS = 7  # Calibri 11 and Arial 10 alike


def column_points(ws, index):
    """Width in points of the 0-based column `index`, as Office lays it out."""
    width = None
    for dim in ws.column_dimensions.values():
        if dim.min and dim.max and dim.min <= index + 1 <= dim.max and dim.customWidth and dim.width:
            width = dim.width
    if width is None:
        width = ws.sheet_format.defaultColWidth
    if width is None:
        base = ws.sheet_format.baseColWidth or 8
        pixels = base * MAX_DIGIT_PIXELS + 5
        pixels += (8 - pixels % 8) % 8
    else:
        pixels = int(((256 * width + int(128 / MAX_DIGIT_PIXELS)) / 256) * MAX_DIGIT_PIXELS)
    return pixels * 0.75


def row_points(ws, index):
    dim = ws.row_dimensions.get(index + 1)
    if dim is not None and dim.ht:
        return dim.ht
    return ws.sheet_format.defaultRowHeight or 15


def marker_points(ws, marker):
    x = sum(column_points(ws, i) for i in range(marker.col)) + marker.colOff / EMU_PER_POINT
    y = sum(row_points(ws, i) for i in range(marker.row)) + marker.rowOff / EMU_PER_POINT
    return x, y


def anchor_points(ws, chart):
    """(left, top, width, height) in points of the chart's frame."""
    anchor = chart.anchor
    kind = getattr(anchor, "tagname", "")
    if kind == "absoluteAnchor":
        return (anchor.pos.x / EMU_PER_POINT, anchor.pos.y / EMU_PER_POINT,
                anchor.ext.width / EMU_PER_POINT, anchor.ext.height / EMU_PER_POINT)
    if kind == "oneCellAnchor":
        x, y = marker_points(ws, anchor._from)
        return (x, y, anchor.ext.width / EMU_PER_POINT, anchor.ext.height / EMU_PER_POINT)
    if kind == "twoCellAnchor":
        x, y = marker_points(ws, anchor._from)
        x2, y2 = marker_points(ws, anchor.to)
        return (x, y, x2 - x, y2 - y)
    return "a %s anchor" % (kind or type(anchor).__name__)


def check_charts(sheet_name, ws, wanted, problems):
    charts = list(ws._charts)
    if len(charts) != len(wanted):
        problems.append("%s: %d chart(s), expected %d" % (sheet_name, len(charts), len(wanted)))
        return
    for number, (chart, want) in enumerate(zip(charts, wanted), 1):
        label = "%s chart %d" % (sheet_name, number)
        got = {
            "kind": lambda: chart_kind(chart),
            "title": lambda: title_text(chart.title),
            "x_title": lambda: title_text(chart.x_axis.title),
            "y_title": lambda: title_text(chart.y_axis.title),
            "legend": lambda: None if chart.legend is None else (chart.legend.position or "r"),
            "series": lambda: [series_refs(s) for s in chart.series],
        }
        for key, read in got.items():
            if key in want:
                value = read()
                expect = want[key]
                if key == "series":
                    expect = [tuple(s) for s in expect]
                if value != expect:
                    problems.append("%s: %s %r, expected %r" % (label, key, value, expect))
        if "anchor" in want:
            value = anchor_points(ws, chart)
            if isinstance(value, str) or any(not math.isclose(a, b, abs_tol=2)
                                             for a, b in zip(value, want["anchor"])):
                problems.append("%s: anchor %r, expected %r" % (label, value, want["anchor"]))


def check_sheet(name, want, wb, wb_cached, package, problems):
    ws = wb[name]
    cached = wb_cached[name]
    for ref, cell_want in want.get("cells", {}).items():
        check_cell(ref, cell_want, ws[ref], cached[ref], package, name, problems)
    if want.get("complete"):
        listed = set(want.get("cells", {}))
        filled = {c.coordinate for row in ws.iter_rows() for c in row if c.value not in (None, "")}
        extra = sorted(filled - listed, key=cell_order)
        if extra:
            problems.append("%s: unexpected values in %s" % (
                name, ", ".join("%s=%s" % (r, show(ws[r].value)) for r in extra)))
    if "refs" in want:
        got = sorted(normal_ref(c.value) for row in ws.iter_rows() for c in row
                     if isinstance(c.value, str) and c.value.startswith("="))
        if got != sorted(want["refs"]):
            problems.append("%s: formulas refer to %s, expected %s" % (name, got, sorted(want["refs"])))
    if "row_height" in want:
        heights = sorted({row_points(ws, i) for i in range(ws.max_row)})
        if heights != [want["row_height"]]:
            problems.append("%s: row heights %s, expected all %r" % (name, heights, want["row_height"]))
    if "merged" in want:
        got = sorted(str(r) for r in ws.merged_cells.ranges)
        expect = sorted(want["merged"])
        if got != expect:
            problems.append("%s: merged ranges %s, expected %s" % (name, got, expect))
    if "print" in want:
        page = want["print"]
        if "orientation" in page and ws.page_setup.orientation != page["orientation"]:
            problems.append("%s: orientation %r, expected %r" % (name, ws.page_setup.orientation,
                                                                page["orientation"]))
        if "titles" in page:
            got = package.print_titles(name)
            if got != sorted(page["titles"]):
                problems.append("%s: print titles %s, expected %s" % (name, got, sorted(page["titles"])))
        if "fit" in page:
            fit_on = bool(ws.sheet_properties.pageSetUpPr and ws.sheet_properties.pageSetUpPr.fitToPage)
            got = [ws.page_setup.fitToWidth, ws.page_setup.fitToHeight] if fit_on else None
            if got is not None:
                # An absent attribute means 1 page.
                got = [1 if v is None else int(v) for v in got]
            if got != page["fit"]:
                problems.append("%s: fit to pages %r, expected %r" % (name, got, page["fit"]))
    if "charts" in want:
        check_charts(name, ws, want["charts"], problems)
    if "styles" in want:
        names = set(wb.named_styles)
        missing = [s for s in want["styles"] if s not in names]
        if missing:
            problems.append("named styles %s missing (the workbook has %s)" % (missing, sorted(names)))


def cell_order(ref):
    match = re.match(r"([A-Z]+)(\d+)", ref)
    return (int(match.group(2)), len(match.group(1)), match.group(1))


# --- running --------------------------------------------------------------------------------

def export(tabulo, case_dir, case_work, expected):
    output = os.path.join(case_work, "out.xlsx")
    args = ["export", "excel", os.path.join(case_dir, "tables.xml")]
    for setting in expected.get("settings", []):
        args += ["-s", setting]
    args += ["-o", output]
    try:
        result = subprocess.run([tabulo, *args], capture_output=True, timeout=TIMEOUT, cwd=case_work,
                                start_new_session=True)
    except subprocess.TimeoutExpired:
        raise CaseFailure("timed out")
    stderr = result.stderr.decode("utf-8", "replace").strip()
    problems = []
    if "error" in expected:
        if result.returncode != expected["error"]["exit"]:
            problems.append("exit %d, expected %d: %s" % (result.returncode, expected["error"]["exit"], stderr))
        for needle in expected["error"].get("stderr", []):
            if needle not in stderr:
                problems.append("error output %r does not contain %r" % (stderr, needle))
    elif result.returncode != 0:
        raise CaseFailure("exit %d: %s" % (result.returncode, stderr))
    elif result.stdout.decode("utf-8", "replace").strip() != output:
        problems.append("printed %r, expected the destination %r" % (result.stdout.decode(), output))
    return output, problems


def check_workbook(path, expected, problems):
    if not os.path.exists(path):
        problems.append("no workbook was written")
        return False
    test = subprocess.run(["unzip", "-tq", path], capture_output=True, timeout=TIMEOUT)
    if test.returncode != 0:
        problems.append("unzip -t failed: %s" % test.stdout.decode("utf-8", "replace").strip())
        return False
    with warnings.catch_warnings():
        warnings.simplefilter("ignore")
        wb = openpyxl.load_workbook(path)
        wb_cached = openpyxl.load_workbook(path, data_only=True)
    package = Package(path)
    if "order" in expected and wb.sheetnames != expected["order"]:
        problems.append("sheets %s, expected %s" % (wb.sheetnames, expected["order"]))
    for name, sheet in expected.get("sheets", {}).items():
        if name not in wb.sheetnames:
            problems.append("no sheet %r" % name)
            continue
        check_sheet(name, sheet, wb, wb_cached, package, problems)
    return True


def check_package(path, lint, problems):
    """Schema validation of every part, and the lint of what Office rejects."""
    checks = [["sh", os.path.join(HERE, "..", "ooxml", "check_package.sh"), path]]
    if lint:
        checks.append([lint, path])
    for command in checks:
        result = subprocess.run(command, capture_output=True, timeout=TIMEOUT)
        if result.returncode != 0:
            problems.append("%s: %s" % (os.path.basename(command[-2]), (result.stdout + result.stderr).decode(
                "utf-8", "replace").strip()))


def run_case(tabulo, lint, case_dir, work):
    with open(os.path.join(case_dir, "expected.py"), encoding="utf-8") as stream:
        expected = ast.literal_eval(stream.read())
    case_work = os.path.join(work, os.path.basename(case_dir))
    os.makedirs(case_work)
    output, problems = export(tabulo, case_dir, case_work, expected)
    written = check_workbook(output, expected, problems)
    if written:
        check_package(output, lint, problems)
    return problems, (output if written else None)


def convert_to_pdf(workbooks, work):
    """Converts every workbook with LibreOffice in one run; returns
    {workbook: problem or None}."""
    soffice = shutil.which("soffice")
    if soffice is None or not workbooks:
        return {}
    pdf_dir = os.path.join(work, "pdf")
    os.makedirs(pdf_dir, exist_ok=True)
    # One copy per case under a distinct name: every workbook is called out.xlsx.
    sources = {}
    for case, path in workbooks.items():
        copy = os.path.join(pdf_dir, case + ".xlsx")
        shutil.copyfile(path, copy)
        sources[case] = copy
    profile = "file://" + os.path.abspath(os.path.join(work, "lo-profile"))
    command = [soffice, "-env:UserInstallation=" + profile, "--headless", "--norestore",
               "--convert-to", "pdf", "--outdir", pdf_dir, *sources.values()]
    try:
        result = subprocess.run(command, capture_output=True, timeout=SOFFICE_TIMEOUT, start_new_session=True)
        failure = None if result.returncode == 0 else "soffice exited %d: %s" % (
            result.returncode, result.stderr.decode("utf-8", "replace").strip())
    except subprocess.TimeoutExpired:
        failure = "soffice timed out"
    outcome = {}
    for case, copy in sources.items():
        pdf = os.path.splitext(copy)[0] + ".pdf"
        if os.path.exists(pdf) and os.path.getsize(pdf) > 0:
            with open(pdf, "rb") as stream:
                head = stream.read(5)
            outcome[case] = None if head == b"%PDF-" else "the PDF does not begin with %PDF-"
        else:
            outcome[case] = failure or "LibreOffice produced no PDF"
    return outcome


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tabulo", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--lint", help="the package lint program (tabulo-lint-package)")
    parser.add_argument("--no-pdf", action="store_true", help="skip the LibreOffice conversion")
    parser.add_argument("cases", nargs="*", help="run only these cases")
    options = parser.parse_args()
    tabulo = os.path.abspath(options.tabulo)
    work = os.path.abspath(options.work)
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)

    names = options.cases or sorted(n for n in os.listdir(CASES) if os.path.isdir(os.path.join(CASES, n)))
    results = {}
    workbooks = {}
    for name in names:
        try:
            problems, workbook = run_case(tabulo, options.lint, os.path.join(CASES, name), work)
            if workbook:
                workbooks[name] = workbook
        except (CaseFailure, ValueError, SyntaxError, OSError, KeyError, zipfile.BadZipFile) as error:
            problems = ["cannot run the case: %s" % error]
        results[name] = problems
    if not options.no_pdf:
        started = time.monotonic()
        for name, problem in convert_to_pdf(workbooks, work).items():
            if problem:
                results[name].append("PDF conversion: " + problem)
        if shutil.which("soffice"):
            print("LibreOffice converted %d workbook(s) in %.0f s" % (len(workbooks), time.monotonic() - started))
        else:
            print("soffice not found: PDF conversion skipped")
    failures = 0
    for name in names:
        problems = results[name]
        print(("ok   " if not problems else "FAIL ") + name)
        for problem in problems:
            print("     " + problem.replace("\n", "\n     "))
        failures += bool(problems)
    print("%d passed, %d failed" % (len(names) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
