# "Fit to page" (matched without regard to case): landscape, zoom off, one
# page wide and one tall, and no print titles.
{
    "settings": ["PrintingOption=FIT TO PAGE", "DisplayCharts=0"],
    "order": ["T1"],
    "sheets": {
        "T1": {
            "complete": True,
            "cells": {"C2": "Gender", "C3": "Male", "A4": "Age", "B4": "Young", "C4": 7},
            "print": {"orientation": "landscape", "titles": [], "fit": [1, 1]},
        },
    },
}
