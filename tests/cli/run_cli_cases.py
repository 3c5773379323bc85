#!/usr/bin/python3
"""End-to-end checks of the tabulo command line: settings, exit codes,
messages and the destination rules, read back with independent tools."""

import argparse
import fcntl
import json
import os
import shutil
import subprocess
import sys
import time
import xml.dom.minidom
import zipfile

MINIMAL_TABLES = """<?xml version="1.0"?>
<Document Description="Demo">
  <DataSet Description="Set"/>
  <Tables>
    <Table Name="T1" Description="One" IsPopulated="true">
      <Axes>
        <Axis Name="Side">
          <SubAxes><Axis Name="Gender" Label="Gender">
            <Elements><Element Name="M" Label="Male"/><Element Name="F" Label="Female"/></Elements>
            <ElementHeadings><Heading Name="M"/><Heading Name="F"/></ElementHeadings>
          </Axis></SubAxes>
          <AxisHeadings><Heading Name="Gender"/></AxisHeadings>
        </Axis>
      </Axes>
      <CellItems><CellItem Type="Count"/></CellItems>
      <CellValues><Layer><row x="0" c1="10"/><row x="1" c1="12"/></Layer></CellValues>
    </Table>
  </Tables>
</Document>
"""


class Runner:
    def __init__(self, tabulo, work):
        self.tabulo = tabulo
        self.work = work
        self.failures = 0

    def run(self, *args, stdin=None):
        # A new session has no controlling terminal: questions get the safe answer.
        return subprocess.run([self.tabulo, *args], input=stdin, capture_output=True, text=True,
                              timeout=60, start_new_session=True)

    def path(self, name):
        return os.path.join(self.work, name)

    def write(self, name, text):
        with open(self.path(name), "w", encoding="utf-8") as stream:
            stream.write(text)
        return self.path(name)

    def check(self, name, condition, detail=""):
        print(("ok   " if condition else "FAIL ") + name + ("" if condition else ": " + detail))
        if not condition:
            self.failures += 1


def property_value(xml_text, name):
    document = xml.dom.minidom.parseString(xml_text)
    for prop in document.getElementsByTagName("property"):
        if prop.getElementsByTagName("name")[0].firstChild.data == name:
            value = prop.getElementsByTagName("value")[0]
            return "".join(node.data for node in value.childNodes)
    return None


def xmllint_accepts(text, work):
    path = os.path.join(work, "lint.xml")
    with open(path, "w", encoding="utf-8") as stream:
        stream.write(text)
    return subprocess.run(["xmllint", "--noout", path], capture_output=True).returncode == 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tabulo", required=True)
    parser.add_argument("--work", required=True)
    options = parser.parse_args()
    shutil.rmtree(options.work, ignore_errors=True)
    os.makedirs(options.work)
    r = Runner(options.tabulo, options.work)
    tables = r.write("tables.xml", MINIMAL_TABLES)

    result = r.run("--help")
    r.check("help exits 0 and lists the commands", result.returncode == 0 and "export" in result.stdout
            and "properties" in result.stdout, result.stdout + result.stderr)
    result = r.run()
    r.check("no command is a usage error", result.returncode == 2, str(result.returncode))
    result = r.run("export", "spreadsheet", tables)
    r.check("unknown component is a usage error",
            result.returncode == 2 and "unknown component 'spreadsheet'" in result.stderr, result.stderr)
    result = r.run("properties", "text", "-s", "Interactive")
    r.check("setting without = is a usage error", result.returncode == 2, result.stderr)

    result = r.run("properties", "text")
    r.check("properties text prints the defaults",
            result.returncode == 0 and xmllint_accepts(result.stdout, r.work)
            and property_value(result.stdout, "FieldDelimiter") == "9"
            and property_value(result.stdout, "TableDelimiter") == "12"
            and property_value(result.stdout, "Destination") == "", result.stdout)
    result = r.run("properties", "Textline.Export.1", "-s", "Interactive=True", "-s", "Unknown=1",
                   "-s", "FieldDelimiter=44")
    r.check("settings are converted to the property's type and unknown names ignored",
            result.returncode == 0 and property_value(result.stdout, "Interactive") == "-1"
            and property_value(result.stdout, "FieldDelimiter") == "44"
            and "Unknown" not in result.stdout, result.stdout + result.stderr)
    result = r.run("properties", "text", "-s", "Interactive=abc")
    r.check("a word that is no Boolean is refused with its value",
            result.returncode == 1 and result.stderr ==
            "tabulo: Invalid value abc: Error setting XML property Interactive: Type mismatch.\n", result.stderr)
    props = r.write("props.xml", "<properties><property><name>FieldDelimiter</name><type>3</type>"
                    "<value><![CDATA[44]]></value></property><property><name>ShowHelp</name><type>11</type>"
                    "<value><![CDATA[abc]]></value></property></properties>")
    result = r.run("properties", "text", "-p", props)
    r.check("a properties file with a bad Boolean fails with message 2002",
            result.returncode == 1 and result.stderr == "tabulo: Invalid value abc: Type mismatch.\n", result.stderr)
    result = r.run("properties", "html", "-s", "LayoutStyle=Grid")
    r.check("html validates its vocabularies",
            result.returncode == 1 and "Grid is an invalid setting for the property LayoutStyle" in result.stderr,
            result.stderr)

    out = r.path("out.csv")
    result = r.run("export", "text", tables, "-o", out)
    r.check("export prints the destination and stays silent without a terminal",
            result.returncode == 0 and result.stdout == out + "\n" and result.stderr == "",
            result.stdout + result.stderr)
    with open(out, "rb") as stream:
        data = stream.read()
    r.check("the text file is UTF-16 with a byte-order mark", data[:2] == b"\xff\xfe" and
            '"Male"' in data[2:].decode("utf-16-le"), repr(data[:40]))

    before = os.stat(out).st_mtime_ns
    result = r.run("export", "text", tables, "-o", out)
    r.check("an existing destination is kept without OverwriteOutput",
            result.returncode == 1 and result.stderr == "tabulo: The file 'out.csv' already exists\n"
            and os.stat(out).st_mtime_ns == before and open(out, "rb").read() == data, result.stderr)
    result = r.run("export", "text", tables, "-o", out, "--interactive")
    r.check("interactive export without a terminal declines to replace",
            result.returncode == 0 and open(out, "rb").read() == data, result.stderr)
    result = r.run("export", "text", "-", "-o", out, "-s", "OverwriteOutput=true", "-s", "FieldDelimiter=44",
                   stdin=MINIMAL_TABLES)
    replaced = open(out, "rb").read()
    r.check("standard input and OverwriteOutput replace the file",
            result.returncode == 0 and replaced != data and '"Male",' in replaced.decode("utf-16"),
            result.stderr)

    os.makedirs(r.path("sub"))
    result = subprocess.run([os.path.abspath(options.tabulo), "export", "text", tables, "-o", "rel"],
                            cwd=r.path("sub"), capture_output=True, text=True, timeout=60, start_new_session=True)
    r.check("a relative destination is expanded and gets the default extension",
            result.returncode == 0 and result.stdout == r.path("sub/rel.csv") + "\n"
            and os.path.exists(r.path("sub/rel.csv")), result.stdout + result.stderr)

    result = r.run("export", "text", tables, "-o", r.path("missing/out.csv"))
    r.check("a missing folder is reported before any output",
            result.returncode == 1 and result.stderr ==
            "tabulo: The folder '" + r.path("missing") + "' does not exist or is not accessible\n", result.stderr)

    page = r.path("page.htm")
    result = r.run("export", "html", tables, "-o", page)
    r.check("the html export writes a well-formed page and the logo beside it",
            result.returncode == 0 and result.stdout == page + "\n" and xmllint_accepts(open(page).read(), r.work)
            and open(r.path("logo.png"), "rb").read(8) == b"\x89PNG\r\n\x1a\n", result.stderr)
    result = r.run("export", "html", tables, "-o", r.path("charts.htm"), "-s", "DisplayOption=Chart Only")
    gif = r.path("charts_files/T1_1.gif")
    header = open(gif, "rb").read(10) if os.path.exists(gif) else b""
    charts_page = open(r.path("charts.htm")).read() if os.path.exists(r.path("charts.htm")) else ""
    r.check("chart only shows the chart image instead of the grid",
            result.returncode == 0 and header[:6] == b"GIF89a"
            and int.from_bytes(header[6:8], "little") == 600 and int.from_bytes(header[8:10], "little") == 300
            and '<img class="TableImage" src="charts_files/T1_1.gif" />' in charts_page
            and 'class="Cell ' not in charts_page, result.stderr)
    broken = r.write("broken.xml", "<Document><Tables><Table Name='T'><Axes></Tables></Document>")
    result = r.run("export", "html", broken, "-o", r.path("broken.htm"))
    r.check("a Tables XML that does not parse writes no page",
            result.returncode == 1 and "An error occurred while parsing the Tables XML: " in result.stderr
            and not os.path.exists(r.path("broken.htm")), result.stderr)

    for component, name in (("word", "Microsoft Word"), ("powerpoint", "Microsoft PowerPoint")):
        target = r.path("not-written-" + component)
        result = r.run("export", component, tables, "-o", target)
        r.check(component + " export is reported as not available",
                result.returncode == 1 and result.stderr ==
                "tabulo: The " + name + " export is not available in this build\n"
                and not any(f.startswith("not-written-" + component) for f in os.listdir(r.work)), result.stderr)

    workbook = r.path("survey.xlsx")
    result = r.run("export", "excel", tables, "-o", workbook)
    with open(workbook, "rb") as stream:
        signature = stream.read(4)
    r.check("excel export writes a workbook and prints where",
            result.returncode == 0 and result.stdout.strip() == workbook and signature == b"PK\x03\x04",
            result.stderr)
    with zipfile.ZipFile(workbook) as package:
        names = package.namelist()
    r.check("the workbook leads with its content types, then the package relationships",
            names[:2] == ["[Content_Types].xml", "_rels/.rels"], str(names[:3]))

    no_temp = dict(os.environ, TMPDIR=r.path("no-such-temp"))
    kept = r.path("kept.xlsx")
    result = subprocess.run([options.tabulo, "export", "excel", tables, "-o", kept], capture_output=True,
                            text=True, timeout=60, env=no_temp, start_new_session=True)
    r.check("an excel export without a usable temporary folder reports the failed save and leaves nothing",
            result.returncode == 1 and "Unable to save the export to '" + kept + "'" in result.stderr
            and not any(name.startswith(".kept") or name == "kept.xlsx" for name in os.listdir(r.work)),
            result.stderr)

    result = r.run("export", "text", r.path("nothing-here.xml"), "-o", r.path("x.csv"))
    r.check("an unreadable input file fails", result.returncode == 1 and "cannot read" in result.stderr,
            result.stderr)

    env = dict(os.environ, TMPDIR=r.path("tmp"))
    os.makedirs(r.path("tmp"))
    result = subprocess.run([options.tabulo, "export", "text", tables], capture_output=True, text=True,
                            timeout=60, env=env, start_new_session=True)
    r.check("without a destination the text export writes Tables.csv in the temporary folder",
            result.returncode == 0 and result.stdout == r.path("tmp/Tables.csv") + "\n", result.stdout + result.stderr)

    with open(r.path("tmp/Tables.csv"), "rb") as held:
        fcntl.flock(held, fcntl.LOCK_EX)
        result = subprocess.run([options.tabulo, "export", "text", tables], capture_output=True, text=True,
                                timeout=60, env=env, start_new_session=True)
    r.check("a Tables.csv that another process holds locked is passed over for Tables01.csv",
            result.returncode == 0 and result.stdout == r.path("tmp/Tables01.csv") + "\n",
            result.stdout + result.stderr)

    opener = r.write("opener.sh", "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$1\")/opened.txt\"\n")
    os.chmod(opener, 0o755)
    launched = r.path("launched.csv")
    result = subprocess.run([options.tabulo, "export", "text", tables, "-o", launched, "-s", "LaunchApplication=-1"],
                            capture_output=True, text=True, timeout=60, start_new_session=True,
                            env=dict(os.environ, TABULO_OPENER=opener))
    opened = r.path("opened.txt")
    for _ in range(100):
        if os.path.exists(opened) and os.path.getsize(opened) > 0:
            break
        time.sleep(0.05)
    r.check("LaunchApplication opens the written file with the desktop opener",
            result.returncode == 0 and os.path.exists(opened) and open(opened).read() == launched,
            result.stderr)

    # The side variable gives the series (ChartRowsAsSeries is on by default)
    # over one blank category, since the table has no top variable; the
    # chart cell item falls back to Count, which sets no decimals.
    result = r.run("chart-plan", tables, "-s", "PrintingPageBreak=false", "-s", "ChartImageFormat=png",
                   "-s", "Destination=" + r.path("report.htm"))
    expected = [{"name": "T1", "position": "after", "items": [{
        "number": 1, "file": "T1_1.png", "src": "report_files/T1_1.png", "type": 0, "title": "Gender",
        "category_axis_title": "Frequency", "value_axis_title": "Count", "number_format": "general",
        "percentage": False, "fixed_scale": False, "legend": {"shown": True, "position": 4},
        "width": 600, "height": 300, "categories": [" "],
        "series": [{"name": "Male", "values": [10]}, {"name": "Female", "values": [12]}]}]}]
    r.check("chart-plan prints the planned charts as JSON",
            result.returncode == 0 and json.loads(result.stdout) == expected, result.stdout + result.stderr)
    result = r.run("chart-plan", tables, "-s", "ChartImageFormat=bmp")
    r.check("chart-plan refuses an unknown image format",
            result.returncode == 1 and "bmp is an invalid setting for the property ChartImageFormat" in result.stderr,
            result.stderr)

    print("%d failure(s)" % r.failures)
    return 1 if r.failures else 0


if __name__ == "__main__":
    sys.exit(main())
