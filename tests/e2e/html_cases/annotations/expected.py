# T1 header: the title (markup kept) across 3 columns, then a lone right text
# in one cell; T1 footer: left with right gives two cells ("L & R" escaped).
# T2 header: center with right gives all three cells, the empty left one a
# no-break space; T2 footer: left with center gives three cells, the right
# one (its place missing) a no-break space. No contents: a separator (page
# break, rule) only before the second table.
{
    "settings": ["IncludeTOC=0", "DisplayLogo=0", "DisplayTitle=0"],
    "pages": {"out.htm": {"body": [
        '<A NAME="Top"></A>',
        ("title", [[(None, "")]]),
        '<A NAME="T1"></A>',
        ("annotations", [[("Annotation TitleHeader", "<b>Title</b>", {"cs": 3})],
                         [("Annotation RightHeader", "Right only")]]),
        "<br/>",
        ("grid", [[("Axis AxisLabelTop", "Gender")], [("Axis AxisElementTop AxisElementCategory", "Male")]]),
        "<br/>",
        ("annotations", [[("Annotation LeftFooter", "L &amp; R"), ("Annotation RightFooter", "R")]]),
        '<A class="TopLink" HREF="#Top">Top</A>',
        "<P style=\"page-break-before='always'\"></P>",
        '<HR align="left" width="100%" size="2"/>',
        '<A NAME="T2"></A>',
        ("annotations", [[("Annotation LeftHeader", "\xa0"), ("Annotation CenterHeader", "C"),
                          ("Annotation RightHeader", "R")]]),
        "<br/>",
        ("grid", [[("Axis AxisLabelTop", "Gender")], [("Axis AxisElementTop AxisElementCategory", "Male")]]),
        "<br/>",
        ("annotations", [[("Annotation LeftFooter", "FL"), ("Annotation CenterFooter", "FC"),
                          ("Annotation RightFooter", "\xa0")]]),
        '<A class="TopLink" HREF="#Top">Top</A>',
    ]}},
}
