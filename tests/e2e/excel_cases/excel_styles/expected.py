# UseExcelStyles: the seven named styles exist and each cell carries its
# style, whose font and alignment it shows. Plain annotations (no markup):
# A1 "Survey 2024" (Header), then a blank row, Y = 2. Table: Gender C3:D3,
# Male C4, Female D4, Age A5:A6, Young B5, Old B6, values C5:D6; Y = 6;
# footer after a blank row: A8 "Source: panel" (Footer).
# WrapLabelText off: the label styles do not wrap.
{
    "settings": ["UseExcelStyles=-1", "UseFormattedAnnotations=0", "WrapLabelText=0", "DisplayCharts=0"],
    "order": ["T1"],
    "sheets": {
        "T1": {
            "styles": ["Header", "Footer", "VariableTextTop", "VariableTextSide", "ElementTextTop",
                       "ElementTextSide", "Value"],
            "complete": True,
            "cells": {
                "A1": {"v": "Survey 2024", "style": "Header", "font": "Arial", "sz": 12, "b": False, "h": "left"},
                "C3": {"v": "Gender", "style": "VariableTextTop", "font": "Arial", "sz": 10, "b": True,
                       "h": "center", "vert": "center", "wrap": False, "rot": 0},
                "C4": {"v": "Male", "style": "ElementTextTop", "sz": 8, "b": False, "h": "center", "wrap": False},
                "D4": {"v": "Female", "style": "ElementTextTop"},
                "A5": {"v": "Age", "style": "VariableTextSide", "sz": 10, "b": True, "rot": 90, "h": "center",
                       "wrap": False},
                "B5": {"v": "Young", "style": "ElementTextSide", "sz": 8, "h": "left", "vert": "center",
                       "wrap": False},
                "B6": {"v": "Old", "style": "ElementTextSide"},
                "C5": {"v": 1, "style": "Value", "font": "Arial", "sz": 8, "h": "right"},
                "D5": {"v": 2, "style": "Value"}, "C6": {"v": 3, "style": "Value"}, "D6": {"v": 4, "style": "Value"},
                "A8": {"v": "Source: panel", "style": "Footer", "sz": 12, "h": "left"},
            },
            "merged": ["C3:D3", "A5:A6"],
        },
    },
}
