#!/usr/bin/python3
"""Exports the bundled example as HTML, lets headless Chromium build the page
and checks from the browser's DOM that every grid has the intended rows and
cells, that nothing was swallowed or left as stray text, and that the logo
loaded. Saves a screenshot for a person to look at."""

import argparse
import html.parser
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLE = os.path.join(HERE, "..", "..", "examples", "survey_tables.xml")

# Cells per row of each grid of the example, worked out from its axes: top
# heading rows, the spacer row, the side variable rows, and per leaf one row
# per cell item (the first row of a variable's first leaf also holds the
# indent cell).
EXPECTED_GRIDS = [
    [2, 2, 1, 1, 4, 2, 3, 2, 3, 2, 3, 2],
    [2, 2, 2, 4, 4, 1, 1, 6, 5, 5, 5, 5, 5],
    [2, 2, 1, 1, 4, 3, 1, 4, 3, 3],
    [2, 2, 1, 1, 2, 1, 1],
]
EXPECTED_VALUES = [
    ["480", "520", "100.0%", "100.0%", "150", "170", "31.3%", "32.7%"],
    ["75", "85", "80", "90", "40", "45", "30", "55"],
    ["300", "180", "350", "170", "200", "120"],
    [],
]


class Dom(html.parser.HTMLParser):
    """The grid tables of the page (rows of cells with class and text) and the
    text that stands outside any table."""

    def __init__(self):
        super().__init__()
        self.tables = []
        self.stack = []
        self.stray = []
        self.images = []
        self.in_style = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.in_style = tag == "style"
        if tag == "table":
            self.stack.append({"attrs": attrs, "rows": []})
        elif tag == "tr" and self.stack:
            self.stack[-1]["rows"].append([])
        elif tag == "td" and self.stack and self.stack[-1]["rows"]:
            self.stack[-1]["rows"][-1].append({"class": attrs.get("class", ""), "text": ""})
        elif tag == "img":
            self.images.append(attrs)

    def handle_endtag(self, tag):
        self.in_style = False
        if tag == "table" and self.stack:
            self.tables.append(self.stack.pop())

    def handle_data(self, data):
        if self.in_style:
            return
        if self.stack and self.stack[-1]["rows"] and self.stack[-1]["rows"][-1]:
            self.stack[-1]["rows"][-1][-1]["text"] += data
        elif not self.stack and data.strip():
            self.stray.append(data.strip())


def is_grid(table):
    classes = [cell["class"] for row in table["rows"] for cell in row]
    return any(c == "None" or c.startswith("Axis") for c in classes) and table["attrs"].get("width") != "100%"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tabulo", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--browser", default=shutil.which("chromium") or "chromium")
    options = parser.parse_args()
    shutil.rmtree(options.work, ignore_errors=True)
    os.makedirs(options.work)
    page = os.path.join(options.work, "survey.htm")
    subprocess.run([options.tabulo, "export", "html", EXAMPLE, "-o", page], check=True, timeout=60,
                   capture_output=True, start_new_session=True)

    browser = [options.browser, "--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
               "--allow-file-access-from-files", "--virtual-time-budget=2000"]
    dom_text = subprocess.run(browser + ["--dump-dom", "file://" + page], check=True, timeout=120,
                              capture_output=True, text=True).stdout
    subprocess.run(browser + ["--window-size=1000,1400", "--screenshot=" + os.path.join(options.work, "survey.png"),
                              "file://" + page], check=True, timeout=120, capture_output=True)

    dom = Dom()
    dom.feed(dom_text)
    failures = []
    grids = [t for t in dom.tables if is_grid(t)]
    if len(grids) != len(EXPECTED_GRIDS):
        failures.append("%d grids in the browser's page, expected %d" % (len(grids), len(EXPECTED_GRIDS)))
    for number, (grid, expected, values) in enumerate(zip(grids, EXPECTED_GRIDS, EXPECTED_VALUES), 1):
        shape = [len(row) for row in grid["rows"]]
        if shape != expected:
            failures.append("grid %d has cells per row %s, expected %s" % (number, shape, expected))
        texts = [cell["text"].strip() for row in grid["rows"] for cell in row if cell["class"].startswith("Cell")]
        if texts[:len(values)] != values:
            failures.append("grid %d starts with values %s, expected %s" % (number, texts[:len(values)], values))
    allowed_stray = {"Top"}
    stray = [text for text in dom.stray if text not in allowed_stray]
    if stray:
        failures.append("text outside any table: %s" % stray)
    if not any(image.get("src") == "logo.png" for image in dom.images):
        failures.append("the logo is missing from the page")
    for failure in failures:
        print("FAIL " + failure)
    print("%d grid(s) checked, %d failure(s); screenshot in %s" % (len(grids), len(failures),
                                                                     os.path.join(options.work, "survey.png")))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
