# An empty item list becomes one Count item: one row per leaf, one value per
# top leaf.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("VerticalSpacer", "", {"rs": 4}),
         ("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "M"), ("Axis AxisElementTop AxisElementCategory", "F")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Q"), ("Axis AxisElementSide AxisElementCategory", "Yes"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "7"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "8")],
    ]]}},
}
