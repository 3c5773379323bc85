# TableName "t2" finds T2 (names compare without letter case): no contents,
# no separator, no title block (switched off), only T2 under its own name.
{
    "settings": ["TableName=t2", "IncludeTitleBlock=0"],
    "pages": {"out.htm": {"body": [
        '<A NAME="Top"></A>',
        '<A NAME="T2"></A>',
        "<br/>",
        ("grid", [[("Axis AxisLabelTop", "B")], [("Axis AxisElementTop AxisElementCategory", "X2")]]),
        "<br/>",
        '<A class="TopLink" HREF="#Top">Top</A>',
    ]}},
}
