# Formatted labels off (the default): every label is written as plain text,
# its markup characters escaped, so the markup shows as text. Values are still
# treated as markup-safe text (markup kept, scripts removed).
{
    "settings": ["HorizontalSideAxis=0"],
    "pages": {"out.htm": {
        "absent": ["<script", "<b>Gender", "<i ", "alert(4)", "alert(5)"],
        "grids": [[
            [("None", "\xa0", {"cs": 2, "rs": 2}), ("VerticalSpacer", "", {"rs": 5}),
             ("Axis AxisLabelTop", "&lt;b&gt;Gender&lt;/b&gt;", {"cs": 3})],
            [("Axis AxisElementTop AxisElementCategory", "R&amp;D"),
             ("Axis AxisElementTop AxisElementCategory",
              '&lt;i onclick="alert(1)"&gt;Female&lt;/i&gt;&lt;script&gt;alert(2)&lt;/script&gt;'),
             ("Axis AxisElementTop AxisElementCategory",
              '&lt;a href="javascript:alert(3)"&gt;Other&lt;/a&gt; &lt;a href="http://x.example/"&gt;Link&lt;/a&gt;')],
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
