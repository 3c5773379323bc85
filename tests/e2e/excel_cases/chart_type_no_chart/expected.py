# ChartType "No Chart" (code 0): no charts and no chart sheet; the table
# itself is laid out as usual.
{
    "settings": ["ChartType=No Chart"],
    "order": ["T1"],
    "sheets": {"T1": {"cells": {"A4": "Age", "C2": "Gender", "C4": 20, "C5": {"v": 0.4, "nf": "0.0%"}}}},
}
