# Side, horizontal labels: leaves M, F at depth 3 (4 side levels); Gender
# spans 2 rows, North and South each 2 + 1 for the Gender label row; Region
# spans 6. Width = 1 top column + 4 side columns. The rows come from two
# layers, joined in document order.
{
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 4, "rs": 2}), ("Axis AxisLabelTop", "Total")],
        [("Axis AxisElementTop AxisElementCategory", "All")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelHorizontalSide", "Region", {"cs": 5})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 6}),
         ("Axis AxisElementSide AxisElementCategory", "North", {"rs": 3}),
         ("Axis AxisLabelHorizontalSide", "Gender", {"cs": 3})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 2}),
         ("Axis AxisElementSide AxisElementCategory", "M"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "11")],
        [("Axis AxisElementSide AxisElementCategory", "F"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "12")],
        [("Axis AxisElementSide AxisElementCategory", "South", {"rs": 3}),
         ("Axis AxisLabelHorizontalSide", "Gender", {"cs": 3})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 2}),
         ("Axis AxisElementSide AxisElementCategory", "M"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "13")],
        [("Axis AxisElementSide AxisElementCategory", "F"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "14")],
    ]]}},
}
