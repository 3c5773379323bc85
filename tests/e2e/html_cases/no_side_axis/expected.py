# No side axis: no corner, no vertical spacer; the spacer row is there because
# the table has values; then one line per cell item (top, middle, bottom).
{
    "pages": {"out.htm": {"grids": [[
        [("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "Male"), ("Axis AxisElementTop AxisElementCategory", "Female")],
        [("HorizontalSpacer", "")],
        [("Cell CellTop CellItemCount CellElementCategory", "10"),
         ("Cell CellTop CellItemCount CellElementCategory", "15")],
        [("Cell CellMiddle CellItemColPercent CellElementCategory", "40%"),
         ("Cell CellMiddle CellItemColPercent CellElementCategory", "60%")],
        [("Cell CellBottom CellItemMean CellElementCategory", "2.5"),
         ("Cell CellBottom CellItemMean CellElementCategory", "3.5")],
    ]]}},
}
