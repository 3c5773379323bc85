# Rows Base, Young, Old (2 rows each), columns Total, Male, Female; Y = 1.
# Age A4:A9, Base B4:B5 (bold), Young B6:B7, Old B8:B9; Gender C2:E2,
# Total C3 (bold), Male D3, Female E3. Values C4:E9: the Base rows 4-5 and
# the Total column C are bold; percentage rows italic, "0%". C8 (Old's
# count under Total) is empty.
# Chart (per variable, DisplaySeriesBase): series Young, Old over Male,
# Female (bases are no categories). Base category = Total (top index 0),
# base cell item = Count (0). Young: value at (Young, Total, 0) = table cell
# row default Y (3) + 1 * 2 + 0 + 1 = 6, column 3 -> C6 = "50": the label is
# the text "Young (50)". Old: C8 is empty, so no base is appended and its
# label stays a formula. Values: ColPercent (k = 1), rows 7 and 9, columns
# D, E; value cells "0%".
{
    "settings": ["DisplaySeriesBase=-1"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": "Age", "B4": {"v": "Base", "b": True}, "B6": {"v": "Young", "b": False},
                "B8": {"v": "Old", "b": False},
                "C2": "Gender", "C3": {"v": "Total", "b": True}, "D3": {"v": "Male", "b": False}, "E3": "Female",
                "C4": {"v": 100, "b": True}, "D4": {"v": 40, "b": True}, "E4": {"v": 60, "b": True},
                "C5": {"v": 1, "b": True, "i": True, "nf": "0%"}, "D5": {"v": 1, "b": True},
                "E5": {"v": 1, "b": True},
                "C6": {"v": 50, "b": True}, "D6": {"v": 10, "b": False}, "E6": {"v": 40, "b": False},
                "C7": {"v": 0.5, "b": True}, "D7": {"v": 0.25, "b": False, "i": True, "nf": "0%"},
                "E7": 0.67,
                "C8": {"v": None}, "D8": 30, "E8": 20,
                "C9": 0.5, "D9": 0.75, "E9": {"v": 0.33, "b": False, "i": True},
            },
            "merged": ["A4:A9", "B4:B5", "B6:B7", "B8:B9", "C2:E2"],
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!D3", "v": "Male"}, "C1": {"f": "T1!E3", "v": "Female"},
                "A2": "Young (50)",
                "A3": {"f": "T1!B8", "v": "Old"},
                "B2": {"f": "T1!D7", "v": 0.25, "nf": "0%"}, "C2": {"f": "T1!E7", "v": 0.67, "nf": "0%"},
                "B3": {"f": "T1!D9", "v": 0.75, "nf": "0%"}, "C3": {"f": "T1!E9", "v": 0.33, "nf": "0%"},
            },
            "charts": [{"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender",
                        "y_title": "ColPercent", "legend": "r",
                        "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                                   ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]}],
        },
    },
}
