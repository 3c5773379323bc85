# Mid has span 0: no row, and its value row (2) is skipped; Age spans 2.
{
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("Axis AxisLabelTop", "Gender")],
        [("Axis AxisElementTop AxisElementCategory", "M")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelHorizontalSide", "Age", {"cs": 3})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 2}), ("Axis AxisElementSide AxisElementCategory", "Young"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "1")],
        [("Axis AxisElementSide AxisElementCategory", "Old"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "3")],
    ]]}},
}
