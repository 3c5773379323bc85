# Id paths use names: variable "age", element "age{a1}", nested variable
# "age{a1}>gender", leaf "age{a1}>gender{m}". Side headings get "*" in front;
# the net member's path uses the net's variable heading ("region{north}").
# Value cells: top path * side path * item type name. The corner, spacers and
# the indent cell carry no id.
{
    "settings": ["IncludeElementIDs=-1"],
    "pages": {"out.htm": {"grids": [[
        [("None", "\xa0", {"cs": 2, "rs": 4}), ("Axis AxisLabelTop", "Age", {"cs": 2, "id": "age"})],
        [("Axis AxisElementTop AxisElementCategory", "18-34", {"id": "age{a1}"}),
         ("Axis AxisElementTop AxisElementCategory", "35+", {"id": "age{a2}"})],
        [("Axis AxisLabelTop", "Gender", {"id": "age{a1}>gender"}),
         ("Axis AxisLabelTop", "Gender", {"id": "age{a2}>gender"})],
        [("Axis AxisElementTop AxisElementCategory", "M", {"id": "age{a1}>gender{m}"}),
         ("Axis AxisElementTop AxisElementCategory", "M", {"id": "age{a2}>gender{m}"})],
        [("HorizontalSpacer", "")],
        [("Axis AxisLabelHorizontalSide", "Region", {"cs": 4, "id": "*region"})],
        [("Axis AxisLabelIndentSide", "\xa0", {"rs": 4}),
         ("Axis AxisElementSide AxisElementNet", "Any", {"rs": 2, "id": "*region{anyr}"}),
         ("Cell CellTop CellItemCount CellElementCategory CellElementNet", "1",
          {"id": "age{a1}>gender{m}*region{anyr}*Count"}),
         ("Cell CellTop CellItemCount CellElementCategory CellElementNet", "2",
          {"id": "age{a2}>gender{m}*region{anyr}*Count"})],
        [("Cell CellBottom CellItemColPercent CellElementCategory CellElementNet", "1%",
          {"id": "age{a1}>gender{m}*region{anyr}*ColPercent"}),
         ("Cell CellBottom CellItemColPercent CellElementCategory CellElementNet", "2%",
          {"id": "age{a2}>gender{m}*region{anyr}*ColPercent"})],
        [("Axis AxisSubElementLevel1Side AxisElementCategory", "North", {"rs": 2, "id": "*region{north}"}),
         ("Cell CellTop CellItemCount CellElementCategory", "3", {"id": "age{a1}>gender{m}*region{north}*Count"}),
         ("Cell CellTop CellItemCount CellElementCategory", "4", {"id": "age{a2}>gender{m}*region{north}*Count"})],
        [("Cell CellBottom CellItemColPercent CellElementCategory", "3%",
          {"id": "age{a1}>gender{m}*region{north}*ColPercent"}),
         ("Cell CellBottom CellItemColPercent CellElementCategory", "4%",
          {"id": "age{a2}>gender{m}*region{north}*ColPercent"})],
    ]]}},
}
