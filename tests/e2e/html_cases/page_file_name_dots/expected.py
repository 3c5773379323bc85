# Table-of-contents layout. Each dot of ".." and the "/" become "_": the page of
# "../up" is out_files/___up.htm, nothing is written beside the main page, and
# the contents link names that page.
{
    "settings": ["LayoutStyle=1"],
    "files": ["out.htm", "out_files/___up.htm"],
    "pages": {
        "out.htm": {"links": [("out_files/___up.htm", None, "1"), ("out_files/___up.htm", None, "f")]},
        "out_files/___up.htm": {"grids": [[[("Axis AxisLabelTop", "V")],
                                          [("Axis AxisElementTop AxisElementCategory", "X")]]]},
    },
}
