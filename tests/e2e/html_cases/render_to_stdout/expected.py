# Rendering to standard output with the table-of-contents layout: the page
# comes back as text and nothing is written at the destination, but the table
# pages go into the files folder derived from the destination.
{
    "output": "-",
    "settings": ["LayoutStyle=1", "Destination={work}/dest.htm"],
    "files": ["dest_files/T1.htm", "dest_files/T2.htm"],
    "pages": {
        "-": {"links": [("dest_files/T1.htm", None, "1"), ("dest_files/T1.htm", None, "One"),
                        ("dest_files/T2.htm", None, "2"), ("dest_files/T2.htm", None, "Two")]},
        "dest_files/T2.htm": {"grids": [[[("Axis AxisLabelTop", "B")],
                                         [("Axis AxisElementTop AxisElementCategory", "X2")]]]},
    },
}
