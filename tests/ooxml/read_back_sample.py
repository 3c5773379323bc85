#!/usr/bin/python3
"""Reads the sample workbook of the office unit tests back with openpyxl, an
independent reader, and checks values, styles, merges, widths and page setup
against what the test wrote. Exit status 0 when everything matches; each
mismatch is printed."""
import datetime
import sys

import openpyxl

problems = []


def expect(what, actual, wanted):
    if actual != wanted:
        problems.append(f"{what}: {actual!r}, expected {wanted!r}")


def main(path):
    workbook = openpyxl.load_workbook(path)
    expect("sheet names", workbook.sheetnames, ["T1", "T1_Ch"])
    expect("active sheet", workbook.active.title, "T1")
    expect("title", workbook.properties.title, "Tables")
    expect("creator", workbook.properties.creator, "tabulo")
    expect("created", workbook.properties.created, datetime.datetime(2024, 5, 1, 10, 0))

    table = workbook["T1"]
    expect("A1", table["A1"].value, "Table 1: Age by gender & region <all>")
    expect("A1 style", table["A1"].style, "Header")
    expect("A1 size", table["A1"].font.sz, 12)
    expect("merges", sorted(str(r) for r in table.merged_cells.ranges), ["A5:A7", "C3:D3"])
    expect("C3", table["C3"].value, "Gender")
    expect("C4", table["C4"].value, "Male")
    expect("D4", table["D4"].value, "Female")
    age = table["A5"]
    expect("A5", age.value, "Age")
    expect("A5 style", age.style, "VariableTextSide")
    expect("A5 bold", age.font.b, True)
    expect("A5 rotation", age.alignment.textRotation, 90)
    expect("A5 horizontal", age.alignment.horizontal, "center")
    expect("A5 vertical", age.alignment.vertical, "center")
    expect("A5 wrap", age.alignment.wrap_text, True)
    for row, label, share, count in ((5, "10-15", 0.125, 250), (6, "16-24", 0.25, 251), (7, "25+", 0.375, 252)):
        expect(f"B{row}", table.cell(row, 2).value, label)
        expect(f"B{row} italic", table.cell(row, 2).font.i, True)
        expect(f"B{row} indent", table.cell(row, 2).alignment.indent, 1)
        expect(f"C{row}", table.cell(row, 3).value, share)
        expect(f"C{row} format", table.cell(row, 3).number_format, "0.0%")
        expect(f"D{row}", table.cell(row, 4).value, count)
        expect(f"C{row} left border", table.cell(row, 3).border.left.style, "thin")
        expect(f"D{row} left border", table.cell(row, 4).border.left.style, None)
    expect("C4 left border", table["C4"].border.left.style, "thin")
    expect("C4 bottom border", table["C4"].border.bottom.style, "thin")
    expect("D4 bottom border", table["D4"].border.bottom.style, "thin")
    expect("C3 bottom border", table["C3"].border.bottom.style, None)
    expect("A9", table["A9"].value, "Note: figures _x0041_ are weighted\r\n")
    # 8.43 characters are stored as 9.140625; column B was fitted to "10-15"
    # in italic with one indent: 58 pixels of text and air, 63 with padding, 63 / 7 = 9.
    expect("width A", table.column_dimensions["A"].width, 9.140625)
    expect("width B", table.column_dimensions["B"].width, 9)
    expect("default row height", table.sheet_format.defaultRowHeight, 12.75)
    expect("row 9 height", table.row_dimensions[9].height, 12.75)
    expect("orientation", table.page_setup.orientation, "landscape")
    expect("title columns", table.print_title_cols, "$A:$B")
    expect("title rows", table.print_title_rows, "$3:$4")

    charts = workbook["T1_Ch"]
    expect("B1", charts["B1"].value, "='T1'!$C$4")
    expect("B1 colour", charts["B1"].font.color.rgb, "FFFFFFFF")
    expect("A2", charts["A2"].value, "Frequency")
    expect("A2 colour", charts["A2"].font.color.rgb, "FFFFFFFF")
    expect("B2 format", charts["B2"].number_format, "0%")
    expect("fit to page", charts.sheet_properties.pageSetUpPr.fitToPage, True)
    expect("fit wide", charts.page_setup.fitToWidth, 1)
    expect("fit tall", charts.page_setup.fitToHeight, 1)

    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
