# Geometry: side depth 2 and top depth 2 (one variable level each), no column
# headings; 2 rows x 2 columns, K = 2 cell items.
# Annotations on but none given: nothing written, then one blank row, so the
# table starts at Y = 1 (row 2). Top variable in row 2 (Y + d + 1), top
# elements in row 3; side variable in column A, side elements in column B;
# the value area is C4:D7 (rows Y + top depth + 1 .. Y + top depth + 2 * 2).
# Count row: no decimals anywhere, format left at General, the text "20" is
# taken as typed input -> number 20. ColPercent row: Decimals 1 -> italic,
# format "0.0%"; the format holds "." so the text is converted as a number
# in the export locale (default 2048 = 1033): "40.0%" -> 0.4.
# Labels lie in ranges given text format "@".
# Borders: side range B2:B7 right edge; top range A3:D3 bottom edge; side
# variable top edge over A4:D4; top variable left edge over C2:C7.
# Every row is 12.75 points high.
# Chart sheet T1_Ch: per variable (default), series = side (Age), categories
# = top (Gender); ColPercent is the chart cell item (index 1).
# Label cells: top element -> column default X (2) + index + 1, row table Y
# (1) + (2 Axis ancestors - 1) * 2 = 3 -> C3, D3; side element -> column
# table X + 2 = B, row default Y (3) + index * 2 + 1 -> B4, B6.
# Values: column 2 + c + 1, row 3 + s * 2 + 1 + 1 -> C5, D5, C7, D7.
# Value cells formatted for ColPercent with 1 decimal: "0.0%".
# Title = series axis name "Age"; category axis "Gender"; value axis
# labelled with the formatting type "ColPercent"; legend on the right.
# Chart at left 20, top 20, 400 x 230 points. Source rows 1..3, columns
# 1..3, series in rows.
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": {"v": "Age", "font": "Arial", "b": True, "i": False, "sz": 10, "rot": 90,
                       "h": "center", "vert": "center", "wrap": True, "nf": "@",
                       "border": {"top": "thin", "right": None}},
                "B4": {"v": "Young", "font": "Arial", "b": False, "i": False, "sz": 8, "h": "left",
                       "vert": "center", "wrap": True, "nf": "@", "border": {"right": "thin", "top": "thin"}},
                "B6": {"v": "Old", "font": "Arial", "sz": 8, "h": "left", "nf": "@",
                       "border": {"right": "thin", "top": None}},
                "C2": {"v": "Gender", "font": "Arial", "b": True, "sz": 10, "h": "center", "vert": "center",
                       "wrap": True, "rot": 0, "nf": "@", "border": {"left": "thin", "bottom": None}},
                "C3": {"v": "Male", "font": "Arial", "b": False, "sz": 8, "h": "center", "vert": "center",
                       "nf": "@", "border": {"left": "thin", "bottom": "thin"}},
                "D3": {"v": "Female", "sz": 8, "h": "center", "nf": "@",
                       "border": {"left": None, "bottom": "thin"}},
                "C4": {"v": 20, "nf": "General", "font": "Arial", "sz": 8, "b": False, "i": False,
                       "h": "right", "vert": "bottom", "border": {"top": "thin", "left": "thin"}},
                "D4": {"v": 30, "nf": "General", "i": False, "h": "right",
                       "border": {"top": "thin", "left": None, "right": None, "bottom": None}},
                "C5": {"v": 0.4, "nf": "0.0%", "i": True, "sz": 8, "h": "right",
                       "border": {"left": "thin", "top": None}},
                "D5": {"v": 0.6, "nf": "0.0%", "i": True,
                       "border": {"left": None, "top": None, "right": None, "bottom": None}},
                "C6": {"v": 30, "i": False}, "D6": {"v": 20, "i": False},
                "C7": {"v": 0.6, "nf": "0.0%", "i": True}, "D7": {"v": 0.4, "nf": "0.0%", "i": True},
            },
            "merged": ["A4:A7", "B4:B5", "B6:B7", "C2:D2"],
            "row_height": 12.75,
            "print": {"orientation": "landscape", "titles": ["A:B", "2:3"], "fit": None},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Male"},
                "C1": {"f": "T1!D3", "v": "Female"},
                "A2": {"f": "T1!B4", "v": "Young"},
                "A3": {"f": "T1!B6", "v": "Old"},
                "B2": {"f": "T1!C5", "v": 0.4, "nf": "0.0%"},
                "C2": {"f": "T1!D5", "v": 0.6, "nf": "0.0%"},
                "B3": {"f": "T1!C7", "v": 0.6, "nf": "0.0%"},
                "C3": {"f": "T1!D7", "v": 0.4, "nf": "0.0%"},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender", "y_title": "ColPercent",
                 "legend": "r", "anchor": (20, 20, 400, 230),
                 "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                            ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]},
            ],
        },
    },
}
