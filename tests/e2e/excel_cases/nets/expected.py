# Every element, nets included, is a leaf of its own: side leaves Any, A,
# Inner, C, D (5 rows), top leaves All, Male, Female (3 columns); Y = 1.
# Net level = number of SubElements ancestors: Any, D, All 0 (size 8,
# upright); A, Inner, Male, Female 1 (size 8 - 1/2 = 7.5, italic; on the side
# indent 1); C 2 (size 7, upright, indent 2). No indent on the top axis.
# Values C4:E8, row elements in leaf order.
# Charts: nets are neither category nor special elements, so the per-variable
# chart has series A, C, D (element indexes 1, 3, 4 among the side leaves)
# over categories Male, Female (indexes 1, 2 among the top leaves).
# Label cells: top row 3, column default X (2) + i + 1 -> D3, E3; side
# column B, row default Y (3) + i + 1 -> B5, B7, B8.
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": {"v": "Brand", "b": True, "sz": 10, "rot": 90},
                "B4": {"v": "Any", "sz": 8, "i": False, "indent": 0},
                "B5": {"v": "A", "sz": 7.5, "i": True, "b": False, "indent": 1, "h": "left"},
                "B6": {"v": "Inner", "sz": 7.5, "i": True, "indent": 1},
                "B7": {"v": "C", "sz": 7, "i": False, "indent": 2},
                "B8": {"v": "D", "sz": 8, "i": False, "indent": 0},
                "C2": {"v": "Gender", "b": True, "sz": 10},
                "C3": {"v": "All", "sz": 8, "i": False},
                "D3": {"v": "Male", "sz": 7.5, "i": True, "indent": 0, "h": "center"},
                "E3": {"v": "Female", "sz": 7.5, "i": True, "indent": 0},
                "C4": {"v": 100, "sz": 8, "i": False}, "D4": 40, "E4": 60,
                "C5": {"v": 50, "sz": 8, "i": False}, "D5": 20, "E5": 30,
                "C6": 31, "D6": 11, "E6": 20,
                "C7": {"v": 30, "sz": 8, "i": False}, "D7": 10, "E7": 21,
                "C8": 70, "D8": 25, "E8": 45,
            },
            "merged": ["A4:A8", "C2:E2"],
            "print": {"orientation": "landscape", "titles": ["A:B", "2:3"], "fit": None},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!D3", "v": "Male"}, "C1": {"f": "T1!E3", "v": "Female"},
                "A2": {"f": "T1!B5", "v": "A"}, "A3": {"f": "T1!B7", "v": "C"}, "A4": {"f": "T1!B8", "v": "D"},
                "B2": {"f": "T1!D5", "v": 20}, "C2": {"f": "T1!E5", "v": 30},
                "B3": {"f": "T1!D7", "v": 10}, "C3": {"f": "T1!E7", "v": 21},
                "B4": {"f": "T1!D8", "v": 25}, "C4": {"f": "T1!E8", "v": 45},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Brand", "x_title": "Gender", "y_title": "Count",
                 "legend": "r",
                 "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                            ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3"),
                            ("T1_Ch!A4", "T1_Ch!B1:C1", "T1_Ch!B4:C4")]},
            ],
        },
    },
}
