# Column headings (HeadingId on the top leaves): top depth 2 + 1 = 3.
# MergeColPropResults with Count, ColPercent, ColPropResults: the letters
# (index 2) are appended to the first cell item; table cell items = 2.
# Y = 1. Top: Gender C2:D2, Male C3, Female D3 (element depth 3 - 1 - 1 =
# 1), ids in row 4 (d + element depth + 1 = 2): "A", "B", bold, size 8.
# Side (worksheet offset 3): Age A5:A8, Young B5:B6, Old B7:B8.
# Values: count row = c(3 * top index + 1) followed by c(3 * top index + 3):
# "20B" and "20A" stay texts, "30" + "" and "30" + "" are numbers.
# Percentage row = c(3 * top index + 2), "0%", italic.
# No charts: the table has a merged column-proportion item.
{
    "settings": ["MergeColPropResults=-1"],
    "order": ["T1"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "C2": "Gender", "C3": {"v": "Male", "b": False}, "D3": "Female",
                "C4": {"v": "A", "b": True, "sz": 8, "h": "center", "font": "Arial"},
                "D4": {"v": "B", "b": True, "sz": 8},
                "A5": {"v": "Age", "rot": 90}, "B5": "Young", "B7": "Old",
                "C5": "20B", "D5": 30,
                "C6": {"v": 0.4, "nf": "0%", "i": True}, "D6": {"v": 0.6, "nf": "0%", "i": True},
                "C7": 30, "D7": "20A",
                "C8": {"v": 0.6, "nf": "0%"}, "D8": {"v": 0.4, "nf": "0%"},
            },
            "merged": ["C2:D2", "A5:A8", "B5:B6", "B7:B8"],
            "print": {"orientation": "landscape", "titles": ["A:B", "2:4"], "fit": None},
        },
    },
}
