# UseFormattedAnnotations off: each annotation is written as text (format
# "@", style Header/Footer: Arial 12, not bold, left, bottom) at row Y + 1,
# split at every <br> (any case, blanks and slash allowed); each piece
# before a break takes a row, and after the last break the rest of the text
# takes one (the mend: the rest, not the whole annotation again).
# Headers are taken by position, in the order TitleHeader, LeftHeader,
# CenterHeader, RightHeader, whatever their order in the document:
# A1 "Title text"; A2 "Line A", A3 "Line B", A4 "Line C"; the empty
# CenterHeader writes nothing; A5 "<b>x</b>" (other markup stays as it is).
# One blank row: Y = 6. Table: Gender C7, Male C8, Age A9, Young B9, C9 = 5.
# Y = 6 + 2 + 1 = 9; footers start after one blank row: A11 "Footer 1";
# RightFooter "Ends with a break<br />": the piece before the break in A12,
# nothing remains after it, so no further row.
# DisplayCharts off: no chart sheet.
{
    "settings": ["UseFormattedAnnotations=0", "DisplayCharts=0"],
    "order": ["T1"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A1": {"v": "Title text", "font": "Arial", "sz": 12, "b": False, "i": False, "h": "left",
                       "vert": "bottom", "nf": "@"},
                "A2": {"v": "Line A", "sz": 12, "nf": "@"},
                "A3": {"v": "Line B", "sz": 12, "nf": "@"},
                "A4": {"v": "Line C", "sz": 12, "h": "left"},
                "A5": {"v": "<b>x</b>", "sz": 12, "b": False},
                "C7": "Gender", "C8": "Male", "A9": "Age", "B9": "Young", "C9": 5,
                "A11": {"v": "Footer 1", "font": "Arial", "sz": 12, "h": "left", "nf": "@"},
                "A12": {"v": "Ends with a break", "sz": 12},
            },
            "print": {"titles": ["A:B", "7:8"]},
        },
    },
}
