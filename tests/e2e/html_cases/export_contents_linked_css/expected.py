# Export with a linked stylesheet and the table-of-contents layout into a
# destination with a blank in its name: the component writes the stylesheet
# file "Tabulo Default.css" and logo.png beside the page; the pages link the
# stylesheet with the blank as %20 ("../" from the files folder), while the
# contents link keeps the blank.
{
    "command": "export",
    "settings": ["EmbedCss=0", "LayoutStyle=Table of Contents"],
    "output": "my report.htm",
    "files": ["Tabulo Default.css", "logo.png", "my report.htm", "my report_files/T1.htm"],
    "texts": {"Tabulo Default.css": ["TD.AxisLabelTop"]},
    "pages": {
        "my report.htm": {
            "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>',
                     '<link rel="stylesheet" href="Tabulo%20Default.css" type="text/css"/>'],
            "body": [
                ("title", [[(None, '<img align="right" class="TableLogo" src="logo.png"/>'
                                   '<H1 class="SurveyDescription">D</H1>')]]),
                ("toc-head", [[("Annotation", "Table of Contents:")]]),
                ("toc", [
                    [("TableOfContentsTitle", ""), ("TableOfContentsTitle", "Table Description"),
                     ("TableOfContentsTitle", "Filter Description"), ("TableOfContentsTitle", "Base")],
                    [("TableOfContents", '<A HREF="my report_files/T1.htm">1</A>'),
                     ("TableOfContents", '<A HREF="my report_files/T1.htm">One</A>'),
                     ("TableOfContents", ""), ("TableOfContents", "All")],
                ]),
            ]},
        "my report_files/T1.htm": {
            "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>',
                     '<link rel="stylesheet" href="../Tabulo%20Default.css" type="text/css"/>'],
            "body": [
                ("title", [[(None, '<img align="right" class="TableLogo" src="../logo.png"/>')]]),
                "<br/>",
                ("grid", [[("Axis AxisLabelTop", "A")], [("Axis AxisElementTop AxisElementCategory", "X1")]]),
                "<br/>",
            ]},
    },
}
