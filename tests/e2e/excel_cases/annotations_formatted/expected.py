# UseFormattedAnnotations on, UseExcelStyles off: the text is wrapped in
# <FONT FACE = "Arial"SIZE = 3> ... </FONT> and pasted as HTML: one cell of
# rich text at row Y + 1 whose runs are Arial, HTML size 3 = 12 points;
# "bold" is bold, "italic" italic, the rest neither. The paste selects one
# row, so Y = 1; one blank row -> Y = 2.
# Table: Gender C3, Male C4, Age A5, Young B5, C5 = 5; Y = 5.
# Footer after one blank row: A7 "Plain footer", Arial 12.
{
    "settings": ["DisplayCharts=0"],
    "order": ["T1"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A1": {"v": "Report bold and italic",
                       "runs": [("Report ", {"b": False, "i": False, "font": "Arial", "sz": 12}),
                                ("bold", {"b": True, "i": False, "font": "Arial", "sz": 12}),
                                (" and ", {"b": False, "i": False, "font": "Arial", "sz": 12}),
                                ("italic", {"b": False, "i": True, "font": "Arial", "sz": 12})]},
                "C3": "Gender", "C4": "Male", "A5": "Age", "B5": "Young", "C5": 5,
                "A7": {"v": "Plain footer", "runs": [("Plain footer", {"b": False, "i": False, "font": "Arial",
                                                                       "sz": 12})]},
            },
            "print": {"titles": ["A:B", "3:4"]},
        },
    },
}
