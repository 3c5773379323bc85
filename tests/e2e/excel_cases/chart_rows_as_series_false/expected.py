# The simple table with ChartRowsAsSeries off: the series are the top
# elements (Male, Female) and the categories the side elements (Young, Old).
# Category labels: side label cells B4, B6; series labels: top label cells
# C3, D3. Values: row index = category index, column index = series index:
# row default Y (3) + c * 2 + 1 + 1, column default X (2) + s + 1.
# Title = series axis name "Gender"; category axis "Age".
{
    "settings": ["ChartRowsAsSeries=0"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!B4", "v": "Young"}, "C1": {"f": "T1!B6", "v": "Old"},
                "A2": {"f": "T1!C3", "v": "Male"}, "A3": {"f": "T1!D3", "v": "Female"},
                "B2": {"f": "T1!C5", "v": 0.4, "nf": "0.0%"}, "C2": {"f": "T1!C7", "v": 0.6, "nf": "0.0%"},
                "B3": {"f": "T1!D5", "v": 0.6, "nf": "0.0%"}, "C3": {"f": "T1!D7", "v": 0.4, "nf": "0.0%"},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Gender", "x_title": "Age", "y_title": "ColPercent",
                 "legend": "r", "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                                           ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]},
            ],
        },
    },
}
