# 35+ is hidden: it, its Sex heading and both leaves under it have span 0 and
# are not written; Age spans 2. The hidden leaves still count for the depth
# (4 top levels) and still own values 3 and 4, which are skipped.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 4}), ("VerticalSpacer", "", {"rs": 6}),
         ("Axis AxisLabelTop", "Age", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "18-34", {"cs": 2})],
        [("Axis AxisLabelTop", "Sex", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "M"), ("Axis AxisElementTop AxisElementCategory", "F")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelSide", "Q"), ("Axis AxisElementSide AxisElementCategory", "Yes"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "1"),
         ("Cell CellTopBottom CellItemCount CellElementCategory", "2")],
    ]]}},
}
