# Single document, defaults: title block with the logo and both survey
# headings (escaped), the contents (anchors "#name"; the description written
# as markup; filters joined by the bold AND; "-" for the base "-1"), then each
# table after a page break and a rule, with its anchor and "Top" link. The
# stylesheet is embedded as a comment.
{
    "pages": {"out.htm": {
        "html": ["head", "body"],
        "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>',
                 '<style type="text/css"><!--...--></style>'],
        "contains": ["TD.AxisLabelTop"],
        "body": [
            '<A NAME="Top"></A>',
            ("title", [[(None, '<img align="right" class="TableLogo" src="logo.png"/>'
                               '<H1 class="SurveyName">Panel</H1>'
                               '<H1 class="SurveyDescription">Survey &amp; Co</H1>')]]),
            ("toc-head", [[("Annotation", "Table of Contents:")]]),
            ("toc", [
                [("TableOfContentsTitle", ""), ("TableOfContentsTitle", "Table Description"),
                 ("TableOfContentsTitle", "Filter Description"), ("TableOfContentsTitle", "Base")],
                [("TableOfContents", '<A HREF="#T1">1</A>'),
                 ("TableOfContents", '<A HREF="#T1">First <b>bold</b></A>'),
                 ("TableOfContents", "Men<B> AND</B><BR/>age &gt; 30"),
                 ("TableOfContents", "All")],
                [("TableOfContents", '<A HREF="#T2">2</A>'),
                 ("TableOfContents", '<A HREF="#T2">Second</A>'),
                 ("TableOfContents", ""),
                 ("TableOfContents", "-")],
            ]),
            "<P style=\"page-break-before='always'\"></P>",
            '<HR align="left" width="100%" size="2"/>',
            '<A NAME="T1"></A>',
            "<br/>",
            ("grid", [[("Axis AxisLabelTop", "Gender")], [("Axis AxisElementTop AxisElementCategory", "Male")]]),
            "<br/>",
            '<A class="TopLink" HREF="#Top">Top</A>',
            "<P style=\"page-break-before='always'\"></P>",
            '<HR align="left" width="100%" size="2"/>',
            '<A NAME="T2"></A>',
            "<br/>",
            ("grid", [[("Axis AxisLabelTop", "Q")], [("Axis AxisElementTop AxisElementCategory", "Yes")]]),
            "<br/>",
            '<A class="TopLink" HREF="#Top">Top</A>',
        ]}},
}
