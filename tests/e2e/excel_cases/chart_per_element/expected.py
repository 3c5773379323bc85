# Y = 1; Age A4:A9, Base B4:B5, Young B6:B7, Old B8:B9; Gender C2:D2,
# Male C3, Female D3; values C4:D9.
# Per element: one chart per series element that takes part (Young, Old;
# the base is no series). Each chart: categories Male, Female in row R + 1
# from column 2, series label in A(R + 2), values from B(R + 2).
# DisplayLastCategoryBase: base series = Base (index 0), base cell item
# Count, last category Female: value at (Base, Female, 0) = table row
# default Y (3) + 0 + 0 + 1 = 4, column D -> "60", so each series label is
# the text label + " (Female : 60)" and the legend goes to the bottom.
# Values (ColPercent, k = 1): Young row 3 + 1 * 2 + 2 = 7, Old row 9.
# Title "Age" (no category path); category axis "Gender"; value axis
# "ColPercent". Second chart at R = 3, top 20 + 250.
{
    "settings": ["ChartCategoryElements=Per Element", "DisplayLastCategoryBase=-1"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": "Age", "B4": {"v": "Base", "b": True}, "B6": "Young", "B8": "Old",
                "C2": "Gender", "C3": "Male", "D3": "Female",
                "C4": {"v": 40, "b": True}, "D4": {"v": 60, "b": True},
                "C5": {"v": 1, "b": True, "nf": "0%"}, "D5": {"v": 1, "b": True},
                "C6": {"v": 10, "b": False}, "D6": 45, "C7": {"v": 0.25, "nf": "0%"}, "D7": 0.75,
                "C8": 30, "D8": 15, "C9": 0.75, "D9": {"v": 0.25, "nf": "0%", "i": True},
            },
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Male"}, "C1": {"f": "T1!D3", "v": "Female"},
                "A2": "Young (Female : 60)",
                "B2": {"f": "T1!C7", "v": 0.25, "nf": "0%"}, "C2": {"f": "T1!D7", "v": 0.75, "nf": "0%"},
                "B4": {"f": "T1!C3", "v": "Male"}, "C4": {"f": "T1!D3", "v": "Female"},
                "A5": "Old (Female : 60)",
                "B5": {"f": "T1!C9", "v": 0.75, "nf": "0%"}, "C5": {"f": "T1!D9", "v": 0.25, "nf": "0%"},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender", "y_title": "ColPercent",
                 "legend": "b", "anchor": (20, 20, 400, 230),
                 "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2")]},
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender", "y_title": "ColPercent",
                 "legend": "b", "anchor": (20, 270, 400, 230),
                 "series": [("T1_Ch!A5", "T1_Ch!B4:C4", "T1_Ch!B5:C5")]},
            ],
        },
    },
}
