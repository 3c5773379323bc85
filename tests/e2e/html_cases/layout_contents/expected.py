# Table-of-contents layout: the main page holds the (empty, title block off)
# frame table and the contents, linking to out_files/<name>.htm; each table
# goes to its own page with the logo, the grid and no anchor or "Top" link.
# The linked stylesheet is the custom one, "../" from inside the folder.
{
    "settings": ["LayoutStyle=1", "IncludeTitleBlock=0", "EmbedCss=0", "CustomCss=my style.css"],
    "files": ["out.htm", "out_files/T1.htm", "out_files/T2.htm"],
    "pages": {
        "out.htm": {
            "html": ["head", "body"],
            "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>',
                     '<link rel="stylesheet" href="my%20style.css" type="text/css"/>'],
            "body": [
                ("title", [[(None, "")]]),
                ("toc-head", [[("Annotation", "Table of Contents:")]]),
                ("toc", [
                    [("TableOfContentsTitle", ""), ("TableOfContentsTitle", "Table Description"),
                     ("TableOfContentsTitle", "Filter Description"), ("TableOfContentsTitle", "Base")],
                    [("TableOfContents", '<A HREF="out_files/T1.htm">1</A>'),
                     ("TableOfContents", '<A HREF="out_files/T1.htm">One</A>'),
                     ("TableOfContents", ""), ("TableOfContents", "-")],
                    [("TableOfContents", '<A HREF="out_files/T2.htm">2</A>'),
                     ("TableOfContents", '<A HREF="out_files/T2.htm">Two</A>'),
                     ("TableOfContents", "F"), ("TableOfContents", "B")],
                ]),
            ]},
        "out_files/T1.htm": {
            "html": ["head", "body"],
            "head": ['<meta http-equiv="Content-Type" content="text/html; charset=utf-8"/>',
                     '<link rel="stylesheet" href="../my%20style.css" type="text/css"/>'],
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
