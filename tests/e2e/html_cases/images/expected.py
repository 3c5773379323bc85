# Side only, not populated: one row per element heading. Image sources are
# the image location + name, or an "http:" name as it stands; blanks become
# %20 in both; alt is empty except for an image shown alone.
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {"grids": [[
        [("Axis AxisLabelSide", "Brand", {"rs": 7}),
         ("Axis AxisElementSide AxisElementCategory",
          '<img src="http://img.example/pics/my%20logo.png" alt=""/>Left brand')],
        [("Axis AxisElementSide AxisElementCategory", 'Right brand<img src="http://img.example/pics/r.png" alt=""/>')],
        [("Axis AxisElementSide AxisElementCategory",
          '<div><img src="http://img.example/pics/t.png" alt=""/></div><div>Top brand</div>')],
        [("Axis AxisElementSide AxisElementCategory",
          '<div>Bottom brand</div><div><img src="http://img.example/pics/b.png" alt=""/></div>')],
        [("Axis AxisElementSide AxisElementCategory", '<img src="http://img.example/pics/o.png" alt="Only brand"/>')],
        [("Axis AxisElementSide AxisElementCategory", '<img src="HTTP://other.example/x%20y.png" alt=""/>Web')],
        [("Axis AxisElementSide AxisElementCategory", "Plain")],
    ]]}},
}
