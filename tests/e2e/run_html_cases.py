#!/usr/bin/python3
"""End-to-end cases of the HTML export: for each document under html_cases/
runs `tabulo render` or `tabulo export html` with the case's settings, parses
every page it expects with xml.etree.ElementTree and compares the page
structure and the grid cells with expectations written by hand.

A case is a folder holding tables.xml and expected.py, a Python literal dict:
  command   "render" (default) or "export"
  settings  list of "NAME=VALUE" strings ("{work}" is the case's work folder)
  output    file name of the main page in the work folder (default "out.htm");
            "-" renders to standard output
  pages     {relative path: page expectation}
  files     every file the case folder must hold afterwards (sorted, relative)
  texts     {relative path: texts the file must contain} for files that are no pages
  error     {"exit": code, "stderr": text the error output must contain}

A page expectation may hold any of:
  kind      "html" (default) or "fragment" (body content only)
  html      tags of the children of "html", in order
  head      canonical forms of the children of "head"
  body      the top-level items of "body" (or of the fragment)
  grids     the grid tables of the page, in order
  frameset, noframes   canonical forms of those elements
  contains  texts the raw page must contain
  absent    texts the raw page must not contain
  links     every "A" with an HREF, in page order: (HREF, TARGET or None, content)

An item of a body is the canonical form of an element (a string), or
(kind, rows) for a table: kind is "grid", "annotations", "title", "toc-head",
"toc" or "frame", found from the table's own attributes and cells; a bare
kind string checks the kind only. A row is a list of cells; a cell is
(class, content) or (class, content, extras) with extras "cs" (colspan),
"rs" (rowspan), "id", "tag", "attrs" (any other attributes); content is the canonical inner markup of the
cell. Canonical markup: attributes in document order, text escaped for &, <,
>, empty void elements as <x/>, comments as <!--...-->, indentation dropped.
"""

import argparse
import ast
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
CASES = os.path.join(HERE, "html_cases")
TIMEOUT = 60
NBSP = "\u00a0"
VOID = {"area", "base", "br", "col", "embed", "frame", "hr", "img", "input", "link", "meta", "param",
        "source", "track", "wbr"}
INDENT = " \t\r\n"


class CaseFailure(Exception):
    pass


# --- canonical markup -----------------------------------------------------------------------

def escape_text(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def escape_attribute(text):
    return escape_text(text).replace('"', "&quot;")


def is_indentation(text):
    return text is not None and "\n" in text and text.strip(INDENT) == ""


def canonical_inner(element):
    parts = []
    if element.text and not is_indentation(element.text):
        parts.append(escape_text(element.text))
    for child in element:
        parts.append(canonical(child))
        if child.tail and not is_indentation(child.tail):
            parts.append(escape_text(child.tail))
    return "".join(parts)


def canonical(element):
    if element.tag is ET.Comment:
        return "<!--...-->"
    if element.tag is ET.ProcessingInstruction:
        return ""
    attributes = "".join(' %s="%s"' % (name, escape_attribute(value)) for name, value in element.attrib.items())
    inner = canonical_inner(element)
    if inner == "" and element.tag.lower() in VOID:
        return "<%s%s/>" % (element.tag, attributes)
    return "<%s%s>%s</%s>" % (element.tag, attributes, inner, element.tag)


# --- tables and cells -----------------------------------------------------------------------

def table_rows(table):
    rows = []
    for row in table:
        if row.tag is ET.Comment:
            continue
        if row.tag != "tr":
            raise CaseFailure("a table holds <%s> where rows are expected" % row.tag)
        cells = []
        for cell in row:
            if cell.tag is ET.Comment:
                continue
            cells.append({"tag": cell.tag, "attrs": dict(cell.attrib), "content": canonical_inner(cell)})
        rows.append(cells)
    return rows


def table_kind(table, rows):
    attrs = list(table.attrib.items())
    classes = [cell["attrs"].get("class") for row in rows for cell in row]
    grid_attrs = [("cellpadding", "0"), ("cellspacing", "0")]
    if attrs == grid_attrs:
        return "toc" if "TableOfContentsTitle" in classes else "grid"
    if attrs == [("width", "100%")] + grid_attrs:
        return "annotations"
    if attrs == [("width", "100%")]:
        return "title"
    if attrs == [] and classes == ["Annotation"]:
        return "toc-head"
    if attrs == [("width", "1024"), ("height", "100%"), ("align", "left"), ("valign", "top"), ("border", "0")] + \
            grid_attrs:
        return "frame"
    return "table" + "".join(' %s="%s"' % pair for pair in attrs)


def expected_cell(cell):
    if not isinstance(cell, tuple) or len(cell) not in (2, 3):
        raise CaseFailure("bad expected cell %r" % (cell,))
    extras = cell[2] if len(cell) == 3 else {}
    attrs = {}
    if extras.get("cs", 1) != 1:
        attrs["colspan"] = str(extras["cs"])
    if extras.get("rs", 1) != 1:
        attrs["rowspan"] = str(extras["rs"])
    if cell[0] is not None:
        attrs["class"] = cell[0]
    if "id" in extras:
        attrs["id"] = extras["id"]
    attrs.update(extras.get("attrs", {}))
    return {"tag": extras.get("tag", "td"), "attrs": attrs, "content": cell[1]}


def show_cell(cell):
    attrs = cell["attrs"]
    extras = ["%s=%s" % (name, value) for name, value in attrs.items() if name != "class"]
    return "%s[%s%s]%r" % (cell["tag"], attrs.get("class", ""), "".join("|" + e for e in extras), cell["content"])


def compare_rows(label, actual, expected, problems):
    expected = [[expected_cell(cell) for cell in row] for row in expected]
    if actual == expected:
        return
    lines = ["%s differs (%d rows, expected %d):" % (label, len(actual), len(expected))]
    for index in range(max(len(actual), len(expected))):
        got = actual[index] if index < len(actual) else None
        want = expected[index] if index < len(expected) else None
        if got == want:
            continue
        lines.append("  row %d" % index)
        lines.append("    got      " + ("(none)" if got is None else "  ".join(show_cell(c) for c in got)))
        lines.append("    expected " + ("(none)" if want is None else "  ".join(show_cell(c) for c in want)))
    problems.append("\n".join(lines))


# --- pages ----------------------------------------------------------------------------------

def body_items(container):
    items = []
    if container.text and container.text.strip(INDENT):
        items.append(escape_text(container.text))
    for child in container:
        if child.tag is ET.Comment or child.tag is ET.ProcessingInstruction:
            pass
        elif child.tag == "table":
            rows = table_rows(child)
            items.append((table_kind(child, rows), rows))
        else:
            items.append(canonical(child))
        if child.tail and child.tail.strip(INDENT):
            items.append(escape_text(child.tail))
    return items


def parse_page(data, fragment):
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError as error:
        raise CaseFailure("the page is not UTF-8: %s" % error)
    for match in re.finditer(r"<([A-Za-z][A-Za-z0-9]*)\b[^<>]*/>", text):
        if match.group(1).lower() not in VOID:
            raise CaseFailure("element <%s> without content written as an empty-element tag" % match.group(1))
    if fragment:
        if re.search(r"<(html|head|body)\b", text, re.IGNORECASE):
            raise CaseFailure("a body-only page holds html, head or body")
        text = "<fragment>" + text + "</fragment>"
    parser = ET.XMLParser(target=ET.TreeBuilder(insert_comments=True))
    try:
        parser.feed(text)
        return parser.close(), text
    except ET.ParseError as error:
        raise CaseFailure("the page is not well-formed XML: %s" % error)


def check_page(path, expected, problems):
    with open(path, "rb") as stream:
        root, text = parse_page(stream.read(), expected.get("kind") == "fragment")
    for needle in expected.get("contains", []):
        if needle not in text:
            problems.append("the page does not contain %r" % needle)
    for needle in expected.get("absent", []):
        if needle in text:
            problems.append("the page contains %r" % needle)
    if "links" in expected:
        got = [(a.get("HREF"), a.get("TARGET"), canonical_inner(a)) for a in root.iter("A") if "HREF" in a.attrib]
        if got != expected["links"]:
            problems.append("links differ:\n  got      %s\n  expected %s" % (got, expected["links"]))
    if expected.get("kind") == "fragment":
        body = root
    else:
        if root.tag != "html":
            raise CaseFailure("the root element is <%s>, expected <html>" % root.tag)
        tags = [child.tag for child in root if child.tag is not ET.Comment]
        if "html" in expected and tags != expected["html"]:
            problems.append("html children %s, expected %s" % (tags, expected["html"]))
        head = root.find("head")
        if "head" in expected:
            got = [] if head is None else [canonical(child) for child in head]
            if got != expected["head"]:
                problems.append("head differs:\n  got      %s\n  expected %s" % (got, expected["head"]))
        for name in ("frameset", "noframes"):
            if name in expected:
                element = root.find(name)
                got = None if element is None else canonical(element)
                if got != expected[name]:
                    problems.append("%s differs:\n  got      %s\n  expected %s" % (name, got, expected[name]))
        body = root.find("body")
        if body is None:
            if "body" in expected or "grids" in expected:
                problems.append("the page has no body")
            return
    items = body_items(body)
    if "body" in expected:
        check_body(items, expected["body"], problems)
    if "grids" in expected:
        grids = [rows for kind, rows in (i for i in items if isinstance(i, tuple)) if kind == "grid"]
        if len(grids) != len(expected["grids"]):
            problems.append("%d grid(s) in the page, expected %d" % (len(grids), len(expected["grids"])))
        for number, (got, want) in enumerate(zip(grids, expected["grids"]), 1):
            compare_rows("grid %d" % number, got, want, problems)


def show_item(item):
    return item[0] if isinstance(item, tuple) else item


def check_body(items, expected, problems):
    got_outline = [show_item(i) for i in items]
    want_outline = [show_item(i) for i in expected]
    if got_outline != want_outline:
        problems.append("body outline differs:\n  got      %s\n  expected %s" % (got_outline, want_outline))
        return
    for number, (got, want) in enumerate(zip(items, expected), 1):
        if isinstance(want, tuple):
            compare_rows("body item %d (%s)" % (number, want[0]), got[1], want[1], problems)


# --- running --------------------------------------------------------------------------------

def list_files(folder):
    found = []
    for base, _, names in os.walk(folder):
        for name in names:
            found.append(os.path.relpath(os.path.join(base, name), folder))
    return sorted(found)


def run_case(tabulo, case_dir, work):
    with open(os.path.join(case_dir, "expected.py"), encoding="utf-8") as stream:
        expected = ast.literal_eval(stream.read())
    case_work = os.path.join(work, os.path.basename(case_dir))
    os.makedirs(case_work)
    tables = os.path.join(case_dir, "tables.xml")
    output = expected.get("output", "out.htm")
    settings = [s.replace("{work}", case_work) for s in expected.get("settings", [])]
    if expected.get("command", "render") == "render":
        args = ["render", tables, "-s", "DisplayOption=0"]
        if output != "-":
            args += ["-s", "Destination=" + os.path.join(case_work, output)]
        for setting in settings:
            args += ["-s", setting]
        if output != "-":
            args += ["-o", os.path.join(case_work, output)]
    else:
        args = ["export", "html", tables, "-s", "DisplayOption=Table Only"]
        for setting in settings:
            args += ["-s", setting]
        args += ["-o", os.path.join(case_work, output)]
    try:
        result = subprocess.run([tabulo, *args], capture_output=True, timeout=TIMEOUT, cwd=case_work,
                                start_new_session=True)
    except subprocess.TimeoutExpired:
        return ["timed out"]
    stderr = result.stderr.decode("utf-8", "replace").strip()
    problems = []
    if "error" in expected:
        if result.returncode != expected["error"]["exit"]:
            problems.append("exit %d, expected %d: %s" % (result.returncode, expected["error"]["exit"], stderr))
        elif expected["error"].get("stderr", "") not in stderr:
            problems.append("error output %r does not contain %r" % (stderr, expected["error"]["stderr"]))
    elif result.returncode != 0:
        return ["exit %d: %s" % (result.returncode, stderr)]
    if output == "-":
        with open(os.path.join(case_work, "stdout.htm"), "wb") as stream:
            stream.write(result.stdout)
    for relative, page in expected.get("pages", {}).items():
        path = os.path.join(case_work, "stdout.htm" if relative == "-" else relative)
        if not os.path.exists(path):
            problems.append("page %s was not written" % relative)
            continue
        page_problems = []
        try:
            check_page(path, page, page_problems)
        except CaseFailure as failure:
            page_problems.append(str(failure))
        problems += ["%s: %s" % (relative, p) for p in page_problems]
    for relative, needles in expected.get("texts", {}).items():
        path = os.path.join(case_work, relative)
        if not os.path.exists(path):
            problems.append("file %s was not written" % relative)
            continue
        with open(path, "rb") as stream:
            content = stream.read().decode("utf-8", "replace")
        problems += ["%s does not contain %r" % (relative, n) for n in needles if n not in content]
    if "files" in expected:
        got = [f for f in list_files(case_work) if not (output == "-" and f == "stdout.htm")]
        if got != sorted(expected["files"]):
            problems.append("files %s, expected %s" % (got, sorted(expected["files"])))
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tabulo", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("cases", nargs="*", help="run only these cases")
    options = parser.parse_args()
    tabulo = os.path.abspath(options.tabulo)
    shutil.rmtree(options.work, ignore_errors=True)
    os.makedirs(options.work)

    names = options.cases or sorted(os.listdir(CASES))
    failures = 0
    for name in names:
        try:
            problems = run_case(tabulo, os.path.join(CASES, name), options.work)
        except (CaseFailure, ValueError, SyntaxError, OSError) as error:
            problems = ["cannot run the case: %s" % error]
        print(("ok   " if not problems else "FAIL ") + name)
        for problem in problems:
            print("     " + problem.replace("\n", "\n     "))
        failures += bool(problems)
    print("%d case(s), %d failure(s)" % (len(names), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
