# A shown leaf has a heading id, so a heading-id row follows the 2 heading
# rows: the corner covers 3 rows, the vertical spacer 1 side row + 3 + 1.
# The id row has a cell per shown leaf (A, B, and a no-break space for O);
# the hidden H and its id and value are left out.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 3}), ("VerticalSpacer", "", {"rs": 5}),
         ("Axis AxisLabelTop", "Gender", {"cs": 3})],
        [("Axis AxisElementTop AxisElementCategory", "M"),
         ("Axis AxisElementTop AxisElementCategory AxisElementSortedOn", "F"),
         ("Axis AxisElementTop AxisElementCategory", "O")],
        [("Axis AxisColumnHeading", "A"), ("Axis AxisColumnHeading", "B"), ("Axis AxisColumnHeading", "\xa0")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Age"), ("Axis AxisElementSide AxisElementCategory", "Young"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "1"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "2"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "4")],
    ]]}},
}
