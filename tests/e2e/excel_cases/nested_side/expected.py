# Side depth 4 (Age has two Axis ancestors), top depth 2; side leaves 2 x 2 =
# 4 rows; one cell item. Table at Y = 1 (blank row for the annotations).
# Side: Region in column A over rows 4..7 (worksheet offset = top depth 2);
# North/South in column B, two rows each (element depth 1 since Region has
# sub-axes); Age (d = 2) in column C once per region; Young/Old in column D
# (element depth = 4 - 3 = 1). Top: Gender over E2:F2, Male E3, Female F3.
# Values E4:F7, one row element per side leaf in leaf order.
# Side variable top edges: Region from column A at row 4; each Age instance
# (d = 2 > 0) from column X + d = B at its own first row, so rows 4 and 6
# get a top edge from column B on, row 6 not in column A.
# Charts: ColPercent is not a cell item, so Count (index 0) is the chart cell
# item. Side blocks: Age under North (path "Region: North", indexes 0, 1) and
# Age under South (indexes 2, 3); top block Gender (0, 1). Per variable: one
# chart per side block. Title = "Age" (the category block has no path);
# category axis label = "Gender: (" + series path + ")". Count with no
# decimals: chart cells keep General. Second chart at R = 0 + 2 + 2 = 4 and
# top 20 + 250.
# Label cells: top elements row table Y + 2 = 3, column default X (4) + i + 1;
# side elements column table X + (3 - 1) * 2 = D, row default Y (3) + i + 1.
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "A4": {"v": "Region", "b": True, "sz": 10, "rot": 90, "border": {"top": "thin"}},
                "B4": {"v": "North", "b": False, "sz": 8, "rot": 0, "h": "left", "border": {"top": "thin"}},
                "B6": {"v": "South", "sz": 8, "border": {"top": "thin"}},
                "C4": {"v": "Age", "b": True, "sz": 10, "rot": 90, "h": "center"},
                "C6": {"v": "Age", "b": True, "sz": 10, "rot": 90},
                "D4": {"v": "Young", "sz": 8, "h": "left", "border": {"right": "thin", "top": "thin"}},
                "D5": {"v": "Old", "sz": 8, "border": {"right": "thin", "top": None}},
                "D6": {"v": "Young", "border": {"top": "thin"}},
                "D7": "Old",
                "E2": {"v": "Gender", "b": True, "sz": 10, "h": "center"},
                "E3": {"v": "Male", "sz": 8, "border": {"bottom": "thin", "left": "thin"}},
                "F3": "Female",
                "E4": {"v": 10, "sz": 8, "h": "right", "border": {"top": "thin", "left": "thin"}},
                "F4": 20,
                "E5": {"v": 30, "border": {"top": None}}, "F5": 40,
                "E6": {"v": 50, "border": {"top": "thin"}}, "F6": {"v": 60, "border": {"top": "thin"}},
                "E7": 70, "F7": 80,
            },
            "merged": ["A4:A7", "B4:B5", "B6:B7", "C4:C5", "C6:C7", "E2:F2"],
            "print": {"orientation": "landscape", "titles": ["A:D", "2:3"], "fit": None},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!E3", "v": "Male"}, "C1": {"f": "T1!F3", "v": "Female"},
                "A2": {"f": "T1!D4", "v": "Young"}, "A3": {"f": "T1!D5", "v": "Old"},
                "B2": {"f": "T1!E4", "v": 10, "nf": "General"}, "C2": {"f": "T1!F4", "v": 20},
                "B3": {"f": "T1!E5", "v": 30}, "C3": {"f": "T1!F5", "v": 40},
                "B5": {"f": "T1!E3", "v": "Male"}, "C5": {"f": "T1!F3", "v": "Female"},
                "A6": {"f": "T1!D6", "v": "Young"}, "A7": {"f": "T1!D7", "v": "Old"},
                "B6": {"f": "T1!E6", "v": 50}, "C6": {"f": "T1!F6", "v": 60},
                "B7": {"f": "T1!E7", "v": 70}, "C7": {"f": "T1!F7", "v": 80},
            },
            "charts": [
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender: (Region: North)",
                 "y_title": "Count", "legend": "r", "anchor": (20, 20, 400, 230),
                 "series": [("T1_Ch!A2", "T1_Ch!B1:C1", "T1_Ch!B2:C2"),
                            ("T1_Ch!A3", "T1_Ch!B1:C1", "T1_Ch!B3:C3")]},
                {"kind": "barChart/col/clustered", "title": "Age", "x_title": "Gender: (Region: South)",
                 "y_title": "Count", "legend": "r", "anchor": (20, 270, 400, 230),
                 "series": [("T1_Ch!A6", "T1_Ch!B5:C5", "T1_Ch!B6:C6"),
                            ("T1_Ch!A7", "T1_Ch!B5:C5", "T1_Ch!B7:C7")]},
            ],
        },
    },
}
