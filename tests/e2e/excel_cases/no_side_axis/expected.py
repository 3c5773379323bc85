# Side depth 0, one implicit row, top depth 2, 2 columns, K = 2; Y = 1.
# Top (worksheet offset = side depth 0): Gender A2:B2, Male A3, Female B3.
# Values (the mend: the implicit row still gets its values): count row 4
# (A4 = c1, B4 = c3), percentage row 5 (A5 = c2, B5 = c4), italic, format
# "0%" (Decimals 0); "50%" taken as typed input into a "0%" cell -> 0.5.
# Print titles: rows 2:3 only (no side columns).
# Chart: no side blocks, so one "Frequency" series over Male, Female; the
# series label is the text "Frequency"; values at row default Y (3) + 0 * 2
# + 1 + 1 = 5. Title "Frequency", category axis "Gender", value axis
# "ColPercent"; value cells "0%".
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A2": {"v": "Gender", "b": True, "sz": 10},
                "A3": {"v": "Male", "sz": 8}, "B3": "Female",
                "A4": {"v": 25, "i": False, "sz": 8}, "B4": 75,
                "A5": {"v": 0.5, "nf": "0%", "i": True}, "B5": {"v": 0.5, "nf": "0%", "i": True},
            },
            "merged": ["A2:B2"],
            "print": {"orientation": "landscape", "titles": ["2:3"], "fit": None},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!A3", "v": "Male"}, "C1": {"f": "T1!B3", "v": "Female"},
                "A2": "Frequency",
                "B2": {"f": "T1!A5", "v": 0.5, "nf": "0%"}, "C2": {"f": "T1!B5", "v": 0.5, "nf": "0%"},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Frequency", "x_title": "Gender",
                 "y_title": "ColPercent", "legend": "r",
                 "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2")]},
            ],
        },
    },
}
