# Y = 1; Age A4:A9, Young B4:B5, Old B6:B7, Mean B8:B9; values C4:D9.
# The Mean heading is single-valued: its first row takes the empty type with
# the side decimals (1) -> format "0.0", not italic; "1.5" is converted ->
# 1.5. Its second row has no values (empty texts write nothing).
# Charts: per variable (category): Young, Old over Male, Female, rows 1-3,
# then R = 4. Special per element: one chart for Mean (special elements are
# drawn as series over the category elements): single-valued -> cell item 0,
# empty type, decimals 1: values at table row default Y (3) + 2 * 2 + 0 + 1
# = 8; chart cells "0.0". No legend (empty type, no base); value axis
# labelled with the series label "Mean". Second chart at top 270.
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": "Age", "B4": "Young", "B6": "Old", "B8": {"v": "Mean", "b": False},
                "C2": "Gender", "C3": "Male", "D3": "Female",
                "C4": 20, "D4": 30, "C5": {"v": 0.4, "nf": "0%", "i": True}, "D5": 0.6,
                "C6": 30, "D6": 20, "C7": 0.6, "D7": 0.4,
                "C8": {"v": 1.5, "nf": "0.0", "i": False}, "D8": {"v": 2.5, "nf": "0.0", "i": False},
            },
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Male"}, "C1": {"f": "T1!D3", "v": "Female"},
                "A2": {"f": "T1!B4", "v": "Young"}, "A3": {"f": "T1!B6", "v": "Old"},
                "B2": {"f": "T1!C5", "v": 0.4, "nf": "0%"}, "C2": {"f": "T1!D5", "v": 0.6, "nf": "0%"},
                "B3": {"f": "T1!C7", "v": 0.6, "nf": "0%"}, "C3": {"f": "T1!D7", "v": 0.4, "nf": "0%"},
                "B5": {"f": "T1!C3", "v": "Male"}, "C5": {"f": "T1!D3", "v": "Female"},
                "A6": "Mean",
                "B6": {"f": "T1!C8", "v": 1.5, "nf": "0.0"}, "C6": {"f": "T1!D8", "v": 2.5, "nf": "0.0"},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender", "y_title": "ColPercent",
                 "legend": "r", "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                                           ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]},
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender", "y_title": "Mean",
                 "legend": None, "anchor": (20, 270, 400, 230),
                 "series": [("T1_Ch!A6", "T1_Ch!B5:C5", "T1_Ch!B6:C6")]},
            ],
        },
    },
}
