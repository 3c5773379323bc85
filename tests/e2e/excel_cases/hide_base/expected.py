# HideBaseElements hides the two Base elements before the layout; the
# UnweightedBase stays. Side rows: Young (row element 1), Old (2),
# Unweighted (3); top columns: Male (c2), Female (c3); the bases' values
# (row element 0, c1) are skipped. Y = 1: Age A4:A6, Young B4, Old B5,
# Unweighted B6 (bold label, bold value row); Gender C2:D2, Male C3, Female D3.
# Chart: unweighted bases are no categories or series: Young, Old over Male,
# Female (indexes among the shown leaves 0, 1).
{
    "settings": ["HideBaseElements=-1"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": "Age", "B4": {"v": "Young", "b": False}, "B5": "Old",
                "B6": {"v": "Unweighted", "b": True},
                "C2": "Gender", "C3": "Male", "D3": "Female",
                "C4": {"v": 21, "b": False}, "D4": 29, "C5": 19, "D5": {"v": 31, "b": False},
                "C6": {"v": 39, "b": True}, "D6": {"v": 59, "b": True},
            },
            "merged": ["A4:A6", "C2:D2"],
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Male"}, "C1": {"f": "T1!D3", "v": "Female"},
                "A2": {"f": "T1!B4", "v": "Young"}, "A3": {"f": "T1!B5", "v": "Old"},
                "B2": {"f": "T1!C4", "v": 21}, "C2": {"f": "T1!D4", "v": 29},
                "B3": {"f": "T1!C5", "v": 19}, "C3": {"f": "T1!D5", "v": 31},
            },
            "charts": [{"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender",
                        "y_title": "Count", "legend": "r",
                        "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                                   ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]}],
        },
    },
}
