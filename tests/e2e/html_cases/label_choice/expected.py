# Labels on: a variable with an empty label shows its name; an element with
# an empty label shows an empty heading (a no-break space).
{
    "pages": {"out.htm": {"grids": [[
        [("Axis AxisLabelTop", "gender", {"cs": 3}), ("Axis AxisLabelTop", "Age")],
        [("Axis AxisElementTop AxisElementCategory", "\xa0"),
         ("Axis AxisElementTop AxisElementCategory", "Female"),
         ("Axis AxisElementTop AxisElementProfile", "Prof"),
         ("Axis AxisElementTop AxisElementCategory", "Young")],
    ]]}},
}
