# LocaleId 1031 becomes the export locale. Count row: Decimals 1 -> format
# "0.0", which holds "." so the texts are converted in the German locale:
# "12,5" -> 12.5, "1.234,5" -> 1234.5 (grouping dot). ColPercent row: "0.0%",
# italic; "45,5%" -> 0.455, "54,5%" -> 0.545.
# Y = 1: Geschlecht C2:D2, Männlich C3, Weiblich D3, Alter A4:A5, Jung B4:B5.
# Chart: ColPercent with 1 decimal -> chart cells "0.0%".
{
    "order": ["T1", "T1_Ch"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {
                "C2": "Geschlecht", "C3": "Männlich", "D3": "Weiblich", "A4": "Alter", "B4": "Jung",
                "C4": {"v": 12.5, "nf": "0.0"}, "D4": {"v": 1234.5, "nf": "0.0"},
                "C5": {"v": 0.455, "nf": "0.0%", "i": True}, "D5": {"v": 0.545, "nf": "0.0%", "i": True},
            },
        },
        "T1_Ch": {
            "complete": True,
            "cells": {
                "B1": {"f": "T1!C3", "v": "Männlich"}, "C1": {"f": "T1!D3", "v": "Weiblich"},
                "A2": {"f": "T1!B4", "v": "Jung"},
                "B2": {"f": "T1!C5", "v": 0.455, "nf": "0.0%"}, "C2": {"f": "T1!D5", "v": 0.545, "nf": "0.0%"},
            },
            "charts": [{"kind": "barChart/col/clustered", "title": "Alter", "x_title": "Geschlecht",
                        "y_title": "ColPercent"}],
        },
    },
}
