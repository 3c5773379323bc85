# SplitCells: table cell items = 1. Counts table at Y = 1: Gender C2:D2,
# Male C3, Female D3, Age A4:A5, Young B4, Old B5, values C4:D5 (c1, c3).
# Then Y + top depth + rows = 5, one blank row -> Y = 6: the percentage
# table: Gender C7:D7, elements row 8, Age A9:A10, values C9:D10 (c2, c4),
# italic, "0%". No blank row after the last one.
# Print titles from the table offsets (Y = 1): rows 2:3, columns A:B.
# Chart: ColPercent is cell item 1; with SplitCells its table cell row is
# default Y (3) + row index + (top depth 2 + rows 2 + 1) * 1 + 1 -> 9, 10.
# Labels: side rows default Y + i * 1 + 1 -> B4, B5 (the first table).
{
    "settings": ["SplitCells=true"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "C2": "Gender", "C3": "Male", "D3": "Female",
                "A4": {"v": "Age", "rot": 90}, "B4": "Young", "B5": "Old",
                "C4": {"v": 20, "i": False}, "D4": 30, "C5": 30, "D5": {"v": 20, "i": False},
                "C7": {"v": "Gender", "b": True, "sz": 10}, "C8": {"v": "Male", "sz": 8}, "D8": "Female",
                "A9": {"v": "Age", "rot": 90, "b": True}, "B9": "Young", "B10": "Old",
                "C9": {"v": 0.4, "nf": "0%", "i": True}, "D9": {"v": 0.6, "nf": "0%", "i": True},
                "C10": {"v": 0.6, "nf": "0%", "i": True}, "D10": {"v": 0.4, "nf": "0%", "i": True},
            },
            "merged": ["C2:D2", "A4:A5", "C7:D7", "A9:A10"],
            "print": {"orientation": "landscape", "titles": ["A:B", "2:3"], "fit": None},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Male"}, "C1": {"f": "T1!D3", "v": "Female"},
                "A2": {"f": "T1!B4", "v": "Young"}, "A3": {"f": "T1!B5", "v": "Old"},
                "B2": {"f": "T1!C9", "v": 0.4, "nf": "0%"}, "C2": {"f": "T1!D9", "v": 0.6, "nf": "0%"},
                "B3": {"f": "T1!C10", "v": 0.6, "nf": "0%"}, "C3": {"f": "T1!D10", "v": 0.4, "nf": "0%"},
            },
            "charts": [{"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender",
                        "y_title": "ColPercent", "legend": "r"}],
        },
    },
}
