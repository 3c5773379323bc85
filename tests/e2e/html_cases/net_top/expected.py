# The net and each member are leaves on one heading level, the net first:
# columns Any brand, A, B, None of these; Brand spans all 4. Members carry the
# sub-element level 1 class. The net column's cells carry Net (top) and then
# Category (side).
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("VerticalSpacer", "", {"rs": 4}),
         ("Axis AxisLabelTop", "Brand", {"cs": 4})],
        [("Axis AxisElementTop AxisElementNet", "Any brand"),
         ("Axis AxisSubElementLevel1Top AxisElementCategory", "A"),
         ("Axis AxisSubElementLevel1Top AxisElementCategory", "B"),
         ("Axis AxisElementTop AxisElementCategory", "None of these")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Q"), ("Axis AxisElementSide AxisElementCategory", "Yes"),
         ("Cell CellTopBottom CellItemCount CellElementNet CellElementCategory", "40"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "25"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "30"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "60")],
    ]]}},
}
