# The default horizontal side labels: no vertical spacer; the Age label stands
# on a row of its own across the whole width (2 side columns + 2 top columns),
# and an indent cell beside the 4 rows of its elements.
{
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "Male"),
         ("Axis AxisElementTop AxisElementCategory", "Female")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelHorizontalSide", "Age", {"cs": 4})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 4}),
         ("Axis AxisElementSide AxisElementCategory", "Young", {"rs": 2}),
         ("Cell CellTop CellItemCount CellElementCategory", "10"),
         ("Cell CellTop CellItemCount CellElementCategory", "20")],
        [("Cell CellBottom CellItemColPercent CellElementCategory", "50%"),
         ("Cell CellBottom CellItemColPercent CellElementCategory", "40%")],
        [("Axis AxisElementSide AxisElementCategory", "Old", {"rs": 2}),
         ("Cell CellTop CellItemCount CellElementCategory", "11"),
         ("Cell CellTop CellItemCount CellElementCategory", "30")],
        [("Cell CellBottom CellItemColPercent CellElementCategory", "51%"),
         ("Cell CellBottom CellItemColPercent CellElementCategory", "60%")],
    ]]}},
}
