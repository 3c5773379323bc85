# Headings only: a single Count item, so each side leaf is one row and its
# row ends after the heading; the spacer row stays (there is a side axis).
{
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 2}), ("Axis AxisLabelTop", "Gender", {"cs": 2})],
        [("Axis AxisElementTop AxisElementCategory", "Male"), ("Axis AxisElementTop AxisElementCategory", "Female")],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelHorizontalSide", "Age", {"cs": 4})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 2}), ("Axis AxisElementSide AxisElementCategory", "Young")],
        [("Axis AxisElementSide AxisElementCategory", "Old")],
    ]]}},
}
