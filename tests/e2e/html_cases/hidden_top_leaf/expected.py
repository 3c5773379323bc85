# F is hidden: no heading, no cells, span 0, so Gender spans 2. Line 0 takes
# values 1 and 5 (positions 0 and 4, position 2 belongs to F); line 1 takes
# values 2 and 6.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("VerticalSpacer", "", {"rs": 5}),
         ("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "M"), ("Axis AxisElementTop AxisElementCategory", "O")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Age", {"rs": 2}), ("Axis AxisElementSide AxisElementCategory", "Young", {"rs": 2}),
         ("Cell CellTop CellItemCount CellElementCategory", "10"),
         ("Cell CellTop CellItemCount CellElementCategory", "30")],
        [("Cell CellBottom CellItemColPercent CellElementCategory", "10%"),
         ("Cell CellBottom CellItemColPercent CellElementCategory", "30%")],
    ]]}},
}
