# Side depth 2, top depth 2; 4 rows, 4 columns, one cell item; Y = 1.
# Side (worksheet offset 2): Age A4:A5 (Young B4, Old B5), then Region A6:A7
# (North B6, South B7). Top (worksheet offset 2): Gender C2:D2 (Male C3,
# Female D3), then Answer E2:F2 (Yes E3, No F3). Values C4:F7 in leaf order.
# Region's top edge starts at row 6 in column A; Answer's left edge at E.
# Chart "Per Table": series blocks Age, Region (side), category blocks
# Gender, Answer (top). Categories 4, series 4; category depth 2 (several
# blocks), series depth 1 (no block has an element path).
# Row 1 holds each category block's axis name above its first category
# (B1, D1); row 2 the category labels from column 2; series labels in
# column 1 from row 3; values B3:E6. Chart cell item Count, no decimals.
# Title = the table's Description; no category axis title (several blocks);
# value axis "Count"; legend right. Source A1:E6 by rows.
# Label cells: top row 3, column default X (2) + i + 1; side column B, row
# default Y (3) + i + 1. Values: row 3 + s + 1, column 2 + c + 1.
{
    "settings": ["ChartCategoryElements=Per Table"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": {"v": "Age", "rot": 90, "b": True, "border": {"top": "thin"}},
                "A6": {"v": "Region", "rot": 90, "b": True, "border": {"top": "thin"}},
                "B4": "Young", "B5": {"v": "Old", "border": {"top": None}},
                "B6": {"v": "North", "border": {"top": "thin"}}, "B7": "South",
                "C2": {"v": "Gender", "b": True, "border": {"left": "thin"}},
                "E2": {"v": "Answer", "b": True, "border": {"left": "thin"}},
                "C3": "Male", "D3": {"v": "Female", "border": {"left": None}},
                "E3": {"v": "Yes", "border": {"left": "thin"}}, "F3": "No",
                "C4": 1, "D4": 2, "E4": {"v": 3, "border": {"left": "thin"}}, "F4": 4,
                "C5": 5, "D5": 6, "E5": 7, "F5": 8,
                "C6": {"v": 9, "border": {"top": "thin"}}, "D6": 10, "E6": 11,
                "F6": {"v": 12, "border": {"top": "thin", "left": None}},
                "C7": 13, "D7": 14, "E7": 15, "F7": {"v": 16, "border": {"top": None}},
            },
            "merged": ["A4:A5", "A6:A7", "C2:D2", "E2:F2"],
            "print": {"orientation": "landscape", "titles": ["A:B", "2:3"], "fit": None},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": "Gender", "D1": "Answer",
                "B2": {"f": "T1!C3", "v": "Male"}, "C2": {"f": "T1!D3", "v": "Female"},
                "D2": {"f": "T1!E3", "v": "Yes"}, "E2": {"f": "T1!F3", "v": "No"},
                "A3": {"f": "T1!B4", "v": "Young"}, "A4": {"f": "T1!B5", "v": "Old"},
                "A5": {"f": "T1!B6", "v": "North"}, "A6": {"f": "T1!B7", "v": "South"},
                "B3": {"f": "T1!C4", "v": 1}, "C3": {"f": "T1!D4", "v": 2},
                "D3": {"f": "T1!E4", "v": 3}, "E3": {"f": "T1!F4", "v": 4},
                "B4": {"f": "T1!C5", "v": 5}, "C4": {"f": "T1!D5", "v": 6},
                "D4": {"f": "T1!E5", "v": 7}, "E4": {"f": "T1!F5", "v": 8},
                "B5": {"f": "T1!C6", "v": 9}, "C5": {"f": "T1!D6", "v": 10},
                "D5": {"f": "T1!E6", "v": 11}, "E5": {"f": "T1!F6", "v": 12},
                "B6": {"f": "T1!C7", "v": 13}, "C6": {"f": "T1!D7", "v": 14},
                "D6": {"f": "T1!E7", "v": 15}, "E6": {"f": "T1!F7", "v": 16},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Concatenated axes", "x_title": None,
                 "y_title": "Count", "legend": "r", "anchor": (20, 20, 400, 230),
                 "series": [("T1_Ch!A3", "T1_Ch!B1:E2", "T1_Ch!B3:E3"),
                            ("T1_Ch!A4", "T1_Ch!B1:E2", "T1_Ch!B4:E4"),
                            ("T1_Ch!A5", "T1_Ch!B1:E2", "T1_Ch!B5:E5"),
                            ("T1_Ch!A6", "T1_Ch!B1:E2", "T1_Ch!B6:E6")]},
            ],
        },
    },
}
