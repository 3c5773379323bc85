# Side, vertical labels: North and South span 2 rows each (no label row),
# Region 4; 4 side levels; the vertical spacer covers 2 heading rows, the
# spacer row and 4 side rows.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 4, "rs": 2}), ("VerticalSpacer", "", {"rs": 7}),
         ("Axis AxisLabelTop", "Total")],
        [("Axis AxisElementTop AxisElementCategory", "All")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Region", {"rs": 4}),
         ("Axis AxisElementSide AxisElementCategory", "North", {"rs": 2}),
         ("Axis AxisLabelSide", "Gender", {"rs": 2}),
         ("Axis AxisElementSide AxisElementCategory", "M"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "11")],
        [("Axis AxisElementSide AxisElementCategory", "F"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "12")],
        [("Axis AxisElementSide AxisElementCategory", "South", {"rs": 2}),
         ("Axis AxisLabelSide", "Gender", {"rs": 2}),
         ("Axis AxisElementSide AxisElementCategory", "M"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "13")],
        [("Axis AxisElementSide AxisElementCategory", "F"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "14")],
    ]]}},
}
