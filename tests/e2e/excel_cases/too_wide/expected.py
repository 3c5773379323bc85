# T1: X (0) + columns (255) + side depth (2) = 257 > 256: the table's first
# cell (row Y + 1 = 2, column 1) reads "Table Error Column > 256" and
# nothing else is laid out; the table counts as not rendered, so it gets no
# chart sheet. T2 starts on a new worksheet as usual and is charted.
{
    "order": ["T1", "T2", "T2_Ch"],
    "sheets": {
        "T1": {"complete": True, "cells": {"A2": "Table Error Column > 256"}, "merged": []},
        "T2": {"complete": True, "cells": {"C2": "Gender", "C3": "Male", "A4": "Age", "B4": "Young", "C4": 8}},
        "T2_Ch": {"cells": {"B2": {"f": "T2!C4", "v": 8}}},
    },
}
