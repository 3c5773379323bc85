# Styles off: the element headings show their text only.
{
    "settings": ["HorizontalSideAxis=0", "UseStyles=0"],
    "pages": {"out.htm": {"grids": [[
        [("Axis AxisLabelSide", "Brand", {"rs": 7}), ("Axis AxisElementSide AxisElementCategory", "Left brand")],
        [("Axis AxisElementSide AxisElementCategory", "Right brand")],
        [("Axis AxisElementSide AxisElementCategory", "Top brand")],
        [("Axis AxisElementSide AxisElementCategory", "Bottom brand")],
        [("Axis AxisElementSide AxisElementCategory", "Only brand")],
        [("Axis AxisElementSide AxisElementCategory", "Web")],
        [("Axis AxisElementSide AxisElementCategory", "Plain")],
    ]]}},
}
