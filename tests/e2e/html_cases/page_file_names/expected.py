# Frame layout. Page file names: ":" and "?" (reserved) and "/" become "_";
# the second "T" and the table named like the contents page get "_2". The contents links and the first frame use the mapped names
# (blanks kept); each page holds its own table.
{
    "settings": ["LayoutStyle=2"],
    "files": ["out.htm", "out_files/ContentsPage.htm", "out_files/ContentsPage_2.htm", "out_files/Q1_ Age_.htm",
              "out_files/T.htm", "out_files/T_2.htm", "out_files/a_b.htm"],
    "pages": {
        "out.htm": {
            "frameset": '<frameset COLS="20%,80%"><frame src="out_files/ContentsPage.htm"/>'
                        '<frame src="out_files/Q1_ Age_.htm" Name="Table"/></frameset>',
        },
        "out_files/ContentsPage.htm": {
            "links": [("Q1_ Age_.htm", "Table", "1"), ("Q1_ Age_.htm", "Table", "a"),
                      ("a_b.htm", "Table", "2"), ("a_b.htm", "Table", "b"),
                      ("T.htm", "Table", "3"), ("T.htm", "Table", "c"),
                      ("T_2.htm", "Table", "4"), ("T_2.htm", "Table", "d"),
                      ("ContentsPage_2.htm", "Table", "5"), ("ContentsPage_2.htm", "Table", "e")],
        },
        "out_files/Q1_ Age_.htm": {"grids": [[[("Axis AxisLabelTop", "V1")],
                                              [("Axis AxisElementTop AxisElementCategory", "X")]]]},
        "out_files/a_b.htm": {"grids": [[[("Axis AxisLabelTop", "V2")],
                                         [("Axis AxisElementTop AxisElementCategory", "X")]]]},
        "out_files/T.htm": {"grids": [[[("Axis AxisLabelTop", "V3")],
                                       [("Axis AxisElementTop AxisElementCategory", "X")]]]},
        "out_files/T_2.htm": {"grids": [[[("Axis AxisLabelTop", "V4")],
                                         [("Axis AxisElementTop AxisElementCategory", "X")]]]},
        "out_files/ContentsPage_2.htm": {"grids": [[[("Axis AxisLabelTop", "V5")],
                                                    [("Axis AxisElementTop AxisElementCategory", "X")]]]},
    },
}
