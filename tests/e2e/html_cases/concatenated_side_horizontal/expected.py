# Each of the two side variables gets its own full-width label row (width 2
# side + 2 top columns) and an indent cell beside its two rows. The mean row
# carries the top type (Category) and then its own type (Mean).
{
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "Male"), ("Axis AxisElementTop AxisElementCategory", "Female")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelHorizontalSide", "Region", {"cs": 4})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 2}), ("Axis AxisElementSide AxisElementCategory", "North"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "1"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "2")],
        [("Axis AxisElementSide AxisElementCategory", "South"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "3"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "4")],
        [("Axis AxisLabelHorizontalSide", "Size", {"cs": 4})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 2}), ("Axis AxisElementSide AxisElementCategory", "Small"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "5"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "6")],
        [("Axis AxisElementSide AxisElementMean", "Average"),
         ("Cell CellTopBottom CellItemCount CellElementCategory CellElementMean", "7.5"),
         ("Cell CellTopBottom CellItemCount CellElementCategory CellElementMean", "8.5")],
    ]]}},
}
