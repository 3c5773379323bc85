# The simple table (Age Young/Old by Gender Male/Female, Count and ColPercent
# with 1 decimal) charted as "Pie": the category structure "Per Variable"
# becomes per element, so one pie per side element. Chart data as per
# element: categories in row R + 1, series label in A(R + 2), values from
# B(R + 2); R + 3 for the next chart.
# Pie titles: category title "Gender" (no series path), series title
# "Age: " + series label; chart title = category title, line break, series
# title. Legend on the right.
{
    "settings": ["ChartType=Pie"],
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Male"}, "C1": {"f": "T1!D3", "v": "Female"},
                "A2": "Young",
                "B2": {"f": "T1!C5", "v": 0.4, "nf": "0.0%"}, "C2": {"f": "T1!D5", "v": 0.6, "nf": "0.0%"},
                "B4": {"f": "T1!C3", "v": "Male"}, "C4": {"f": "T1!D3", "v": "Female"},
                "A5": "Old",
                "B5": {"f": "T1!C7", "v": 0.6, "nf": "0.0%"}, "C5": {"f": "T1!D7", "v": 0.4, "nf": "0.0%"},
            },
            "charts": [
                {"kind": "pieChart", "title": "Gender\nAge: Young", "legend": "r",
                 "anchor": (20, 20, 400, 230), "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2")]},
                {"kind": "pieChart", "title": "Gender\nAge: Old", "legend": "r",
                 "anchor": (20, 270, 400, 230), "series": [("T1_Ch!A5", "T1_Ch!B4:C4", "T1_Ch!B5:C5")]},
            ],
        },
    },
}
