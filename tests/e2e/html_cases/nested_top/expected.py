# Top: Age (depth 0, 4 columns), 18-34 and 35+ (depth 1, 2 each), a Gender
# heading under each (depth 2, 2 each), leaves M F M F (depth 3): 4 levels.
# Side: Region with North and South, one item: 2 rows on 2 levels. One cell
# item: every value cell is CellTopBottom. Vertical spacer: 2 side rows +
# 4 heading rows + the spacer row.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 4}), ("VerticalSpacer", "", {"rs": 7}),
         ("Axis AxisLabelTop", "Age", {"cs": 4})],
        [("Axis AxisElementTop AxisElementCategory", "18-34", {"cs": 2}),
         ("Axis AxisElementTop AxisElementCategory", "35+", {"cs": 2})],
        [("Axis AxisLabelTop", "Gender", {"cs": 2}), ("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "M"), ("Axis AxisElementTop AxisElementCategory", "F"),
         ("Axis AxisElementTop AxisElementCategory", "M"), ("Axis AxisElementTop AxisElementCategory", "F")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Region", {"rs": 2}),
         ("Axis AxisElementSide AxisElementCategory", "North"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "1"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "2"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "3"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "4")],
        [("Axis AxisElementSide AxisElementCategory", "South"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "5"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "6"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "7"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "8")],
    ]]}},
}
