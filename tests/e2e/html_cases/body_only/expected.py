# Body only: the content of the single-document body without html, head and
# body elements.
{
    "settings": ["OutputBodyOnly=-1"],
    "pages": {"out.htm": {"kind": "fragment", "body": [
        '<A NAME="Top"></A>',
        ("title", [[(None, '<img align="right" class="TableLogo" src="logo.png"/>'
                           '<H1 class="SurveyDescription">Only</H1>')]]),
        '<A NAME="T1"></A>',
        "<br/>",
        ("grid", [[("Axis AxisLabelTop", "Gender")], [("Axis AxisElementTop AxisElementCategory", "Male")]]),
        "<br/>",
        '<A class="TopLink" HREF="#Top">Top</A>',
    ]}},
}
