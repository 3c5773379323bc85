# Not populated: one cell item for the geometry (the two listed are not
# used), so each side leaf takes one row: Age A4:A5, Young B4, Old B5;
# Gender C2:D2, Male C3, Female D3. No values. Charts are made only for
# populated tables, so there is no chart sheet at all.
{
    "order": ["T1"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {"A4": "Age", "B4": "Young", "B5": "Old", "C2": "Gender", "C3": "Male", "D3": "Female"},
            "merged": ["A4:A5", "C2:D2"],
            "print": {"orientation": "landscape", "titles": ["A:B", "2:3"], "fit": None},
        },
    },
}
