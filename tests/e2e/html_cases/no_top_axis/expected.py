# No top axis: no heading rows, no spacer row. Each line k takes the values
# k, k + 2, ... of its row, so the three-value row gives "a" and "c" on the
# count line and "b" on the percentage line; the cells carry the side type.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("Axis AxisLabelSide", "Age", {"rs": 4}), ("Axis AxisElementSide AxisElementCategory", "Young", {"rs": 2}),
         ("Cell CellTop CellItemCount CellElementCategory", "10")],
        [("Cell CellBottom CellItemColPercent CellElementCategory", "50%")],
        [("Axis AxisElementSide AxisElementCategory", "Old", {"rs": 2}),
         ("Cell CellTop CellItemCount CellElementCategory", "a"),
         ("Cell CellTop CellItemCount CellElementCategory", "c")],
        [("Cell CellBottom CellItemColPercent CellElementCategory", "b")],
    ]]}},
}
