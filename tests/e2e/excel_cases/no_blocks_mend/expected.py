# Side depth 4, 2 rows (Young, Old under North), no side leaf has values, so
# no row element is read and no value written. Y = 1: Region A4:A5, North
# B4:B5, Age C4:C5, Young D4, Old D5; Gender E2:F2, Male E3, Female F3.
# Chart blocks of the side axis: Region has one shown element and none with
# values, so the block count is 0. The mend: such an axis gives the no-chart
# text instead of failing the export.
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {"A4": "Region", "B4": "North", "C4": "Age", "D4": "Young", "D5": "Old",
                      "E2": "Gender", "E3": "Male", "F3": "Female"},
            "merged": ["A4:A5", "B4:B5", "C4:C5", "E2:F2"],
        },
        "T1_Ch": {
            "complete": True,
            "cells": {"A1": "A chart cannot be produced for this table"},
            "charts": [],
        },
    },
}
