# Top depth 0, one implicit column, side depth 2, K = 2; Y = 1.
# Side (worksheet offset = top depth 0): Age A2:A5, Young B2:B3, Old B4:B5.
# Values in column C (side depth + 1): C2 = 30, C3 = 0.3 ("0%", italic),
# C4 = 70, C5 = 0.7. Print titles: columns A:B only.
# Chart: one per-variable chart. Which elements become series is told two
# ways (series = the side block over one category, or one "Frequency" series
# over the side categories); both refer to the same table cells: the labels
# B2, B4 and the percentages C3, C5 (row default Y (1) + i * 2 + 1 + 1,
# column default X (2) + 0 + 1).
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A2": {"v": "Age", "rot": 90, "b": True},
                "B2": "Young", "B4": "Old",
                "C2": {"v": 30, "i": False}, "C3": {"v": 0.3, "nf": "0%", "i": True},
                "C4": 70, "C5": {"v": 0.7, "nf": "0%", "i": True},
            },
            "merged": ["A2:A5", "B2:B3", "B4:B5"],
            "print": {"orientation": "landscape", "titles": ["A:B"], "fit": None},
        },
        "T1_Ch": {
            "refs": ["T1!B2", "T1!B4", "T1!C3", "T1!C5"],
            "charts": [{"kind": "barChart/col/clustered", "legend": "r", "y_title": "ColPercent"}],
        },
    },
}
