# Categories off: the heading lists hold the variables only, every variable
# spans 1 and is a leaf; no values are written. One top level, one side
# level: a 1x1 corner, the Gender label, the spacer row, the Age label.
{
    "settings": ["HorizontalSideAxis=0", "IncludeCategories=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0"), ("VerticalSpacer", "", {"rs": 3}), ("Axis AxisLabelTop", "Gender")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Age")],
    ]]}},
}
