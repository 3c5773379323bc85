# Top depth 4, side depth 2; 4 columns, 2 rows, one cell item; Y = 1.
# Top (worksheet offset = side depth 2): Gender over C2:F2; Male C3:D3 and
# Female E3:F3 (element width 4 / 2, depth 1 because of the sub-axis); Age
# (d = 2) in row 4 under each gender; Young/Old in row 5 (depth 4 - 3 = 1).
# Side (worksheet offset = top depth 4): Answer A6:A7, Yes B6, No B7.
# Top variable left edges: Gender from row Y + 1 = 2 at column C; each Age
# (d = 2 > 0) from row Y + d = 3 at its first column (C and E) down to row 7.
# So E3, E5 and E6 have a left edge, D6 and F6 none.
# Top axis bottom edge on row 5; side axis right edge on column B.
# Charts: side block Answer (0, 1); top blocks Age under Male (path "Gender:
# Male", indexes 0, 1) and Age under Female (indexes 2, 3). Two per-variable
# charts; title "Answer: (" + category block path + ")"; category axis "Age".
# Label cells: top elements row table Y + (3 - 1) * 2 = 5, column default X
# (2) + i + 1; side elements column B, row default Y (5) + i + 1.
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "C2": {"v": "Gender", "b": True, "sz": 10, "h": "center", "border": {"left": "thin"}},
                "C3": {"v": "Male", "b": False, "sz": 8, "h": "center", "border": {"left": "thin", "bottom": None}},
                "E3": {"v": "Female", "sz": 8, "border": {"left": "thin"}},
                "C4": {"v": "Age", "b": True, "sz": 10, "rot": 0, "border": {"left": "thin"}},
                "E4": {"v": "Age", "b": True, "sz": 10, "border": {"left": "thin"}},
                "C5": {"v": "Young", "sz": 8, "border": {"bottom": "thin", "left": "thin"}},
                "D5": {"v": "Old", "border": {"bottom": "thin", "left": None}},
                "E5": {"v": "Young", "border": {"bottom": "thin", "left": "thin"}},
                "F5": {"v": "Old", "border": {"bottom": "thin", "left": None}},
                "A6": {"v": "Answer", "b": True, "rot": 90},
                "B6": {"v": "Yes", "h": "left", "border": {"right": "thin", "top": "thin"}},
                "B7": {"v": "No", "border": {"right": "thin", "top": None}},
                "C6": {"v": 1, "border": {"left": "thin", "top": "thin"}},
                "D6": {"v": 2, "border": {"left": None, "top": "thin"}},
                "E6": {"v": 3, "border": {"left": "thin"}},
                "F6": {"v": 4, "border": {"left": None}},
                "C7": 5, "D7": 6, "E7": {"v": 7, "border": {"left": "thin", "top": None}}, "F7": 8,
            },
            "merged": ["A6:A7", "C2:F2", "C3:D3", "E3:F3", "C4:D4", "E4:F4"],
            "print": {"orientation": "landscape", "titles": ["A:B", "2:5"], "fit": None},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C5", "v": "Young"}, "C1": {"f": "T1!D5", "v": "Old"},
                "A2": {"f": "T1!B6", "v": "Yes"}, "A3": {"f": "T1!B7", "v": "No"},
                "B2": {"f": "T1!C6", "v": 1}, "C2": {"f": "T1!D6", "v": 2},
                "B3": {"f": "T1!C7", "v": 5}, "C3": {"f": "T1!D7", "v": 6},
                "B5": {"f": "T1!E5", "v": "Young"}, "C5": {"f": "T1!F5", "v": "Old"},
                "A6": {"f": "T1!B6", "v": "Yes"}, "A7": {"f": "T1!B7", "v": "No"},
                "B6": {"f": "T1!E6", "v": 3}, "C6": {"f": "T1!F6", "v": 4},
                "B7": {"f": "T1!E7", "v": 7}, "C7": {"f": "T1!F7", "v": 8},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Answer: (Gender: Male)", "x_title": "Age",
                 "y_title": "Count", "legend": "r",
                 "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                            ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]},
                {"kind": "barChart/col/clustered", "title": "Answer: (Gender: Female)", "x_title": "Age",
                 "y_title": "Count", "legend": "r",
                 "series": [("T1_Ch!A6", "T1_Ch!B5:C5", "T1_Ch!B6:C6"),
                            ("T1_Ch!A7", "T1_Ch!B5:C5", "T1_Ch!B7:C7")]},
            ],
        },
    },
}
