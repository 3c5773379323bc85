# Formatted labels on: a label that is well-formed markup is written as
# markup, with scripts, event handlers and javascript: addresses removed; a
# label that is not well-formed is written escaped ("R&D", "a < b", and
# "Ä & b", whose umlaut becomes a numeric reference); a label without any
# markup character stays as it is (UTF-8). Values are always treated so; an
# empty value shows a no-break space.
{
    "settings": ["HorizontalSideAxis=0", "UseFormattedLabels=-1"],
    "pages": {"out.htm": {
        "contains": ["&#x00C4; &amp; b", "J\u00fcng", "R&amp;D"],
        "absent": ["alert(", "javascript:", "onclick", "<script"],
        "grids": [[
            [("None", "\xa0", {"cs": 2, "rs": 2}), ("VerticalSpacer", "", {"rs": 5}),
             ("Axis AxisLabelTop", "<b>Gender</b>", {"cs": 3})],
            [("Axis AxisElementTop AxisElementCategory", "R&amp;D"),
             ("Axis AxisElementTop AxisElementCategory", "<i>Female</i>"),
             ("Axis AxisElementTop AxisElementCategory", '<a>Other</a> <a href="http://x.example/">Link</a>')],
            [("HorizontalSpacer", "")],
            [("Axis AxisLabelSide", "a &lt; b", {"rs": 2}), ("Axis AxisElementSide AxisElementCategory", "J\u00fcng"),
             ("Cell CellTopBottom CellItemCount CellElementCategory", "<b>5</b>"),
             ("Cell CellTopBottom CellItemCount CellElementCategory", "&lt;5"),
             ("Cell CellTopBottom CellItemCount CellElementCategory", "x &amp; y")],
            [("Axis AxisElementSide AxisElementCategory", "\u00c4 &amp; b"),
             ("Cell CellTopBottom CellItemCount CellElementCategory", "7"),
             ("Cell CellTopBottom CellItemCount CellElementCategory", "<img/>"),
             ("Cell CellTopBottom CellItemCount CellElementCategory", "\xa0")],
        ]]}},
}
