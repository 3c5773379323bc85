# Annotations off: the block is the grid and one line break; no annotation
# tables and no line break before the grid.
{
    "settings": ["DisplayAnnotations=0", "TableName=T1", "IncludeTitleBlock=0"],
    "pages": {"out.htm": {"body": [
        '<A NAME="Top"></A>',
        '<A NAME="T1"></A>',
        ("grid", [[("Axis AxisLabelTop", "Gender")], [("Axis AxisElementTop AxisElementCategory", "Male")]]),
        "<br/>",
        '<A class="TopLink" HREF="#Top">Top</A>',
    ]}},
}
