# Body only with the frame layout: no frameset and no contents page; the
# output holds the frame-layout contents, and the table page is still written.
{
    "settings": ["OutputBodyOnly=-1", "LayoutStyle=2"],
    "files": ["out.htm", "out_files/T1.htm"],
    "pages": {
        "out.htm": {"kind": "fragment", "body": [("frame", [[(None,
            '<H1 class="SurveyDescription">Only</H1>'
            '<table><tr><td class="Annotation">Table of Contents:</td></tr></table>'
            '<table cellpadding="0" cellspacing="0">'
            '<tr><td class="TableOfContentsTitle"></td><td class="TableOfContentsTitle">Table Description</td>'
            '<td class="TableOfContentsTitle">Filter Description</td><td class="TableOfContentsTitle">Base</td></tr>'
            '<tr><td class="TableOfContents"><A HREF="T1.htm" TARGET="Table">1</A></td>'
            '<td class="TableOfContents"><A HREF="T1.htm" TARGET="Table">One</A></td>'
            '<td class="TableOfContents"></td><td class="TableOfContents">-</td></tr>'
            '</table>',
            {"attrs": {"align": "left", "valign": "top"}})]])]},
        "out_files/T1.htm": {"html": ["head", "body"], "body": [
            ("title", [[(None, '<img align="right" class="TableLogo" src="../logo.png"/>')]]),
            "<br/>",
            ("grid", [[("Axis AxisLabelTop", "Gender")], [("Axis AxisElementTop AxisElementCategory", "Male")]]),
            "<br/>",
        ]},
    },
}
