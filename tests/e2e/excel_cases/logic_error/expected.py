# T1's top axis heading "bogus" names no sub-axis: the layout raises
# "CRenderTable.PopulateAxes: Failed to find sub axis bogus". The error
# abandons T1's step, the export goes on with T2, and the pending error is
# raised at the end. The mend: the export fails ("Export script failed",
# exit 1) but the workbook laid out so far is saved.
# T1 got its side axis (laid out before the top axis): Age A4, Young B4, and
# the top variable before the bad heading: Gender C2, Male C3.
# T2 is complete: Gender C2, Male C3, Age A4, Young B4, C4 = 8.
{
    "error": {"exit": 1, "stderr": ["Export script failed", "Failed to find sub axis bogus"]},
    "sheets": {
        "T1": {"cells": {"A4": "Age", "B4": "Young", "C2": "Gender", "C3": "Male"}},
        "T2": {"cells": {"C2": "Gender", "C3": "Male", "A4": "Age", "B4": "Young", "C4": 8}},
        "T2_Ch": {"cells": {"B1": {"f": "T2!C3", "v": "Male"}, "A2": {"f": "T2!B4", "v": "Young"},
                            "B2": {"f": "T2!C4", "v": 8}}},
    },
}
