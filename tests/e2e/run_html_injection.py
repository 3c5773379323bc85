#!/usr/bin/python3
"""Feeds the classic injection strings through every text that the HTML
export writes into a page, in every layout, with formatted labels on and
off, and checks each page twice: as XML (it must stay well-formed) and as a
browser's HTML tokenizer sees it (no active element, no event attribute, no
script URL, no injected text breaking out of its place)."""

import argparse
import html
import html.parser
import itertools
import os
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET

PAYLOADS = [
    '<script>alert(1)</script>',
    '<img src="x" onerror="alert(1)"/>',
    '<img src=x onerror=alert(1)>',
    '"><script>alert(1)</script>',
    "'><svg onload=alert(1)>",
    '<a href="javascript:alert(1)">link</a>',
    '<a href=" JaVa&#x09;ScRiPt:alert(1)">tab</a>',
    '<iframe src="javascript:alert(1)"></iframe>',
    '<svg onload="alert(1)"><circle r="1"/></svg>',
    '<b style="background:url(javascript:alert(1))">styled</b>',
    '<div><object data="x.swf"></object><embed src="x.swf"/></div>',
    '<form action="http://evil.example/"><input name="q"/></form>',
    '<p><![CDATA[<script>alert(1)</script>]]></p>',
    '<meta http-equiv="refresh" content="0;url=javascript:alert(1)"/>',
    '<link rel="stylesheet" href="javascript:alert(1)"/>',
    '<style>body{background:red}</style>',
    '<base href="javascript:alert(1)//"/>',
    '<i onmouseover="alert(1)">hover</i>',
    '&lt;script&gt;alert(1)&lt;/script&gt;',
    '</td></tr></table><script>alert(1)</script>',
    '--><script>alert(1)</script><!--',
    ']]><script>alert(1)</script>',
    'javascript:alert(1)',
]

ACTIVE_TAGS = {"script", "iframe", "object", "embed", "form", "input", "svg", "math", "applet", "base",
               "button", "textarea", "select", "noscript", "template", "audio", "video", "portal"}
URL_ATTRIBUTES = {"href", "src", "action", "formaction", "background", "data", "poster", "codebase", "srcset"}


def attr(text):
    return html.escape(text, quote=True)


def document(payload, image, image_location):
    """A document with the payload in every text the page can show."""
    p = attr(payload)
    annotations = "".join(f'<Annotation Position="{position}" Text="{p}"/>' for position in (
        "TitleHeader", "LeftHeader", "CenterHeader", "RightHeader",
        "TitleFooter", "LeftFooter", "CenterFooter", "RightFooter"))
    element_style = f'<Style Image="{attr(image)}" ImagePosition="Left"/>'
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<Document Description="{p}" ImageLocation="{attr(image_location)}">
  <DataSet Description="{p}"/>
  <Tables>
    <Table Name="{p}" Description="{p}" Base="{p}" IsPopulated="true">
      <Axes>
        <Axis Name="Top">
          <SubAxes><Axis Name="{p}" Label="{p}">
            <Elements>
              <Element Name="{p}" Label="{p}">{element_style}</Element>
              <Element Name="b" Label="{p}"/>
            </Elements>
            <ElementHeadings><Heading Name="{p}" HeadingId="{p}"/><Heading Name="b" HeadingId="B"/></ElementHeadings>
          </Axis></SubAxes>
          <AxisHeadings><Heading Name="{p}"/></AxisHeadings>
        </Axis>
        <Axis Name="Side">
          <SubAxes><Axis Name="s" Label="{p}">
            <Elements><Element Name="x" Label="{p}">{element_style}</Element></Elements>
            <ElementHeadings><Heading Name="x"/></ElementHeadings>
          </Axis></SubAxes>
          <AxisHeadings><Heading Name="s"/></AxisHeadings>
        </Axis>
      </Axes>
      <CellItems><CellItem Type="Count"/></CellItems>
      <Annotations>{annotations}</Annotations>
      <CellValues><Layer><row x="0" c1="{p}" c2="7"/></Layer></CellValues>
      <Filters><Filter Name="{p}" Description="{p}" Expression="{p}" Level="{p}"/></Filters>
    </Table>
    <Table Name="second" Description="{p}" IsPopulated="false"/>
  </Tables>
</Document>
"""


class Tokens(html.parser.HTMLParser):
    """What a browser's tokenizer finds: start tags with their attributes."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tags = []

    def handle_starttag(self, tag, attrs):
        self.tags.append((tag.lower(), [(name.lower(), value or "") for name, value in attrs]))

    handle_startendtag = handle_starttag


def url_is_safe(value):
    """As a browser reads a URL: blanks and controls are ignored, and only a
    well-formed scheme before the first colon makes it absolute."""
    compact = "".join(c for c in html.unescape(value) if ord(c) > 0x20).lower()
    scheme = re.match(r"([a-z][a-z0-9+.-]*):", compact)
    return scheme is None or scheme.group(1) in ("http", "https", "mailto")


def check_page(path, problems):
    with open(path, encoding="utf-8") as stream:
        text = stream.read()
    try:
        ET.fromstring(text)
    except ET.ParseError as error:
        problems.append(f"{path}: not well-formed: {error}")
    tokens = Tokens()
    tokens.feed(text)
    styles = 0
    for tag, attributes in tokens.tags:
        if tag in ACTIVE_TAGS:
            problems.append(f"{path}: active element <{tag}>")
        if tag == "style":
            styles += 1
        if tag in ("meta", "link") and any(n == "http-equiv" and v.lower() == "refresh" for n, v in attributes):
            problems.append(f"{path}: refresh meta element")
        for name, value in attributes:
            if name.startswith("on"):
                problems.append(f"{path}: event attribute {name} on <{tag}>")
            if name in URL_ATTRIBUTES and not url_is_safe(value):
                problems.append(f"{path}: unsafe URL {name}={value!r} on <{tag}>")
            if name == "style" and "javascript" in value.lower():
                problems.append(f"{path}: script in a style attribute on <{tag}>")
    if styles > 1:
        problems.append(f"{path}: {styles} style elements (one is the page's own)")
    if "alert(1)" in text and "<script" in text.lower():
        problems.append(f"{path}: script text next to a script tag")


def check_texts_arrive(index, layout, formatted, page, problems):
    """The formatting payload must reach the page in its many places: kept as
    markup without its handler when labels are formatted, as text when not."""
    if PAYLOADS[index] != '<i onmouseover="alert(1)">hover</i>' or layout != "Single Document":
        return
    with open(page, encoding="utf-8") as stream:
        text = stream.read()
    marker = "<i>hover</i>" if formatted == "true" else "hover&lt;/i&gt;"
    if text.count(marker) < 10:
        problems.append(f"{page}: {marker!r} appears {text.count(marker)} times, expected in at least 10 places")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tabulo", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)

    layouts = ["Single Document", "Table of Contents", "Frame Table of Contents"]
    problems = []
    runs = 0
    for index, payload in enumerate(PAYLOADS):
        image = payload if index % 2 == 0 else "javascript:alert(1)"
        image_location = "javascript:" if index % 3 == 0 else ""
        source = os.path.join(args.work, f"doc{index}.xml")
        with open(source, "w", encoding="utf-8") as stream:
            stream.write(document(payload, image, image_location))
        for layout, formatted, ids in itertools.product(layouts, ("true", "false"), ("true", "false")):
            folder = os.path.join(args.work, f"out{index}-{layouts.index(layout)}-{formatted}-{ids}")
            os.makedirs(folder)
            destination = os.path.join(folder, "page.htm")
            result = subprocess.run(
                [args.tabulo, "export", "html", source, "-o", destination, "-s", f"LayoutStyle={layout}",
                 "-s", f"UseFormattedLabels={formatted}", "-s", f"IncludeElementIDs={ids}",
                 "-s", "DisplayOption=Table Only", "-s", "LaunchApplication=false"],
                capture_output=True, text=True, timeout=60, start_new_session=True)
            runs += 1
            if result.returncode != 0:
                problems.append(f"payload {index} {layout}: export failed: {result.stderr.strip()}")
                continue
            pages = [os.path.join(root, name) for root, _, names in os.walk(folder) for name in names
                     if name.endswith((".htm", ".html"))]
            if not pages:
                problems.append(f"payload {index} {layout}: no page written")
            for page in pages:
                if os.path.commonpath([os.path.realpath(page), folder]) != folder:
                    problems.append(f"{page}: written outside the output folder")
                check_page(page, problems)
            check_texts_arrive(index, layout, formatted, destination, problems)
            for root, _, names in os.walk(args.work):
                for name in names:
                    if os.path.commonpath([os.path.realpath(os.path.join(root, name)), args.work]) != args.work:
                        problems.append(f"{name}: outside the work folder")

    for problem in problems:
        print("FAIL", problem)
    print(f"{runs} exports of {len(PAYLOADS)} payloads, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
