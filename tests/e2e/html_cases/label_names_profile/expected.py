# Element labels off, variable labels on: elements show their names, except
# the profile element, which follows the variable setting and shows its label.
{
    "settings": ["UseElementLabels=0"],
    "pages": {"out.htm": {"grids": [[
        [("Axis AxisLabelTop", "gender", {"cs": 3}), ("Axis AxisLabelTop", "Age")],
        [("Axis AxisElementTop AxisElementCategory", "m"),
         ("Axis AxisElementTop AxisElementCategory", "f"),
         ("Axis AxisElementTop AxisElementProfile", "Prof"),
         ("Axis AxisElementTop AxisElementCategory", "y")],
    ]]}},
}
