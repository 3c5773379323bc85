# "None": landscape only; neither print titles nor fitting to pages.
{
    "settings": ["PrintingOption=None", "DisplayCharts=0"],
    "order": ["T1"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {"C2": "Gender", "C3": "Male", "A4": "Age", "B4": "Young", "C4": 7},
            "print": {"orientation": "landscape", "titles": [], "fit": None},
        },
    },
}
