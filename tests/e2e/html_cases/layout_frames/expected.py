# Frame layout: the destination holds the frameset only (head with the meta
# element alone); the contents page and the table pages are in out_files.
# The contents page: the fixed-width frame table whose cell holds the survey
# headings (no logo) and the contents, linking bare page names into the
# "Table" frame.
{
    "settings": ["LayoutStyle=2"],
    "files": ["out.htm", "out_files/ContentsPage.htm", "out_files/T1.htm", "out_files/T2.htm"],
    "pages": {
        "out.htm": {
            "html": ["head", "noframes", "frameset"],
            "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>'],
            "noframes": '<noframes>You are not using a frames-aware browser.<br/>Click '
                        '<A HREF="out_files/ContentsPage.htm">here</A> for a table of contents.</noframes>',
            "frameset": '<frameset COLS="20%,80%"><frame src="out_files/ContentsPage.htm"/>'
                        '<frame src="out_files/T1.htm" Name="Table"/></frameset>',
        },
        "out_files/ContentsPage.htm": {
            "html": ["head", "body"],
            "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>',
                     '<style type="text/css"><!--...--></style>'],
            "links": [("T1.htm", "Table", "1"), ("T1.htm", "Table", "One"),
                      ("T2.htm", "Table", "2"), ("T2.htm", "Table", "Two")],
            "body": [("frame", [[(None,
                '<H1 class="SurveyName">DS</H1><H1 class="SurveyDescription">Desc</H1>'
                '<table><tr><td class="Annotation">Table of Contents:</td></tr></table>'
                '<table cellpadding="0" cellspacing="0">'
                '<tr><td class="TableOfContentsTitle"></td><td class="TableOfContentsTitle">Table Description</td>'
                '<td class="TableOfContentsTitle">Filter Description</td><td class="TableOfContentsTitle">Base</td></tr>'
                '<tr><td class="TableOfContents"><A HREF="T1.htm" TARGET="Table">1</A></td>'
                '<td class="TableOfContents"><A HREF="T1.htm" TARGET="Table">One</A></td>'
                '<td class="TableOfContents"></td><td class="TableOfContents">-</td></tr>'
                '<tr><td class="TableOfContents"><A HREF="T2.htm" TARGET="Table">2</A></td>'
                '<td class="TableOfContents"><A HREF="T2.htm" TARGET="Table">Two</A></td>'
                '<td class="TableOfContents"></td><td class="TableOfContents">-</td></tr>'
                '</table>',
                {"attrs": {"align": "left", "valign": "top"}})]])],
        },
        "out_files/T1.htm": {
            "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>',
                     '<style type="text/css"><!--...--></style>'],
            "body": [
                ("title", [[(None, '<img align="right" class="TableLogo" src="../logo.png"/>')]]),
                "<br/>",
                ("grid", [[("Axis AxisLabelTop", "A")], [("Axis AxisElementTop AxisElementCategory", "X1")]]),
                "<br/>",
            ]},
        "out_files/T2.htm": {
            "body": [
                ("title", [[(None, '<img align="right" class="TableLogo" src="../logo.png"/>')]]),
                "<br/>",
                ("grid", [[("Axis AxisLabelTop", "B")], [("Axis AxisElementTop AxisElementCategory", "X2")]]),
                "<br/>",
            ]},
    },
}
