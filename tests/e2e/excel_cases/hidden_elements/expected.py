# Shown side leaves Young, Old (rows 4, 5); Mid is hidden but owns row
# element 1, so Old reads row element 2. On the top, Answer shows nothing:
# no label, and its two values (c1, c2) are skipped; Male reads c3, Female
# is hidden and owns c4, Other reads c5. None of the 9x values may appear.
# Top: Gender over C2:D2 (two shown leaves), Male C3, Other D3.
# Charts: Answer is a top block without elements (no chart); Age x Gender
# gives the one chart: element indexes count shown leaves only (Young 0,
# Old 1; Male 0, Other 1), which are their rows and columns in the table.
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": "Age", "B4": "Young", "B5": "Old",
                "C2": "Gender", "C3": "Male", "D3": "Other",
                "C4": 10, "D4": 20, "C5": 30, "D5": 40,
            },
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Male"}, "C1": {"f": "T1!D3", "v": "Other"},
                "A2": {"f": "T1!B4", "v": "Young"}, "A3": {"f": "T1!B5", "v": "Old"},
                "B2": {"f": "T1!C4", "v": 10}, "C2": {"f": "T1!D4", "v": 20},
                "B3": {"f": "T1!C5", "v": 30}, "C3": {"f": "T1!D5", "v": 40},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender", "y_title": "Count",
                 "legend": "r", "anchor": (20, 20, 400, 230),
                 "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                            ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]},
            ],
        },
    },
}
