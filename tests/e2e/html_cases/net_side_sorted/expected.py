# Side leaves in order: Any (net), A and "B or C" (level 1), B and C (level
# 2), each one row; Brand spans 5 rows under its full-width label (3 columns:
# 2 side + 1 top). A is sorted on. Net rows' cells: Category (top) then Net.
{
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("Axis AxisLabelTop", "Total")],
        [("Axis AxisElementTop AxisElementCategory", "All")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelHorizontalSide", "Brand", {"cs": 3})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 5}), ("Axis AxisElementSide AxisElementNet", "Any"),
         ("Cell CellTopBottom CellItemCount CellElementCategory CellElementNet", "90")],
        [("Axis AxisSubElementLevel1Side AxisElementCategory AxisElementSortedOn", "A"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "50")],
        [("Axis AxisSubElementLevel1Side AxisElementNet", "B or C"),
         ("Cell CellTopBottom CellItemCount CellElementCategory CellElementNet", "40")],
        [("Axis AxisSubElementLevel2Side AxisElementCategory", "B"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "25")],
        [("Axis AxisSubElementLevel2Side AxisElementCategory", "C"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "15")],
    ]]}},
}
