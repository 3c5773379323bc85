# One table with contents wanted: no contents, no separator; without a data
# set only the description heading.
{
    "pages": {"out.htm": {"body": [
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
