# Per-variable category chart: the category block (Score) has no category
# element -> no chart. Special charts per element: the series block is the
# side (Age), which has no special element -> none. No chart was counted:
# the chart sheet holds only the text in A1 (shown, font colour automatic).
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {"A4": "Age", "B4": "Young", "B5": "Old", "C2": "Score", "C3": {"v": "Base", "b": True},
                      "D3": "Mean", "C4": {"v": 40, "b": True}, "D4": {"v": 3, "b": False}, "C5": 60, "D5": 4},
        },
        "T1_Ch": {
            "complete": True,
            "cells": {"A1": "A chart cannot be produced for this table"},
            "charts": [],
        },
    },
}
