# Side labels laid out vertically. Side: Age spans 2 leaves x 2 items = 4
# rows on 2 levels; top: Gender spans 2 columns on 2 levels. The corner covers
# the 2 side columns and the 2 heading rows; the vertical spacer runs down the
# 2 heading rows, the spacer row and the 4 side rows.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("VerticalSpacer", "", {"rs": 7}),
         ("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "Male"),
         ("Axis AxisElementTop AxisElementCategory", "Female")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Age", {"rs": 4}),
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
