# The empty variable spans nothing and is not written; reaching it after the
# last value row is no failure. Side: 2 rows, 2 levels.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("VerticalSpacer", "", {"rs": 5}), ("Axis AxisLabelTop", "Gender")],
        [("Axis AxisElementTop AxisElementCategory", "M")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Age", {"rs": 2}), ("Axis AxisElementSide AxisElementCategory", "Young"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "1")],
        [("Axis AxisElementSide AxisElementCategory", "Old"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "2")],
    ]]}},
}
