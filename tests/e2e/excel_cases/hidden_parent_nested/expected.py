# Side depth 4; shown side leaves: South/Young, South/Old (2 rows); Y = 1.
# North is hidden: its data offset advances by Region's valued leaves (4)
# over its valued elements (2) = 2, so South/Young reads row element 2 and
# South/Old row element 3 (never the 9x values of North's rows).
# Side: Region A4:A5, South B4:B5, Age C4:C5, Young D4, Old D5; top Gender
# E2:F2, Male E3, Female F3; values E4:F5.
# Chart: the one side block is Age under South (path "Region: South",
# indexes 0, 1 among the shown leaves).
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": "Region", "B4": "South", "C4": "Age", "D4": "Young", "D5": "Old",
                "E2": "Gender", "E3": "Male", "F3": "Female",
                "E4": 10, "F4": 20, "E5": 30, "F5": 40,
            },
            "merged": ["A4:A5", "B4:B5", "C4:C5", "E2:F2"],
            "print": {"titles": ["A:D", "2:3"]},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!E3", "v": "Male"}, "C1": {"f": "T1!F3", "v": "Female"},
                "A2": {"f": "T1!D4", "v": "Young"}, "A3": {"f": "T1!D5", "v": "Old"},
                "B2": {"f": "T1!E4", "v": 10}, "C2": {"f": "T1!F4", "v": 20},
                "B3": {"f": "T1!E5", "v": 30}, "C3": {"f": "T1!F5", "v": 40},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender: (Region: South)",
                 "y_title": "Count", "legend": "r"},
            ],
        },
    },
}
