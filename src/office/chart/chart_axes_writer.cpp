#include "office/chart/chart_axes_writer.h"

#include <cstdint>

#include "office/chart/chart_palette.h"
#include "office/chart/chart_title_writer.h"
#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

// Any numbers unique within the chart part serve as axis ids.
constexpr std::uint32_t kCategoryAxisId = 100000001;
constexpr std::uint32_t kValueAxisId = 100000002;
constexpr std::uint32_t kSeriesAxisId = 100000003;

// Thin grey lines (0.75 point, in EMU): axes darker than gridlines.
constexpr int kThinLine = 9525;
constexpr std::uint32_t kAxisLineColour = 0x868686;
constexpr std::uint32_t kGridlineColour = 0xD9D9D9;

// Horizontal bars lay the categories along the left edge.
bool CategoriesRunUp(const ChartTypeShape& shape) {
  return shape.IsBar() && shape.direction == BarDirection::kBar;
}

TextDirection TitleDirection(bool vertical_axis) {
  return vertical_axis ? TextDirection::kVertical : TextDirection::kHorizontal;
}

// The children every axis opens with, up to and including its title.
void WriteAxisStart(XmlWriter& xml, std::uint32_t id, std::string_view position,
                    const ValueAxisSettings* scale) {
  xml.ValElement("c:axId", id);
  xml.Start("c:scaling");
  xml.ValElement("c:orientation", "minMax");
  if (scale != nullptr && scale->maximum) xml.ValElementNumber("c:max", *scale->maximum);
  if (scale != nullptr && scale->minimum) xml.ValElementNumber("c:min", *scale->minimum);
  xml.End();
  xml.ValElement("c:delete", "0");
  xml.ValElement("c:axPos", position);
}

void WriteTitleIfShown(XmlWriter& xml, const ChartTitle& title, bool vertical_axis) {
  if (title.shown) WriteChartTitle(xml, title, TitleDirection(vertical_axis));
}

void WriteTicksAndCrossing(XmlWriter& xml, bool major_tick_marks, std::uint32_t crosses_axis) {
  xml.ValElement("c:majorTickMark", major_tick_marks ? "out" : "none");
  xml.ValElement("c:minorTickMark", "none");
  xml.ValElement("c:tickLblPos", "nextTo");
  WriteLineProperties(xml, kAxisLineColour, kThinLine);
  xml.ValElement("c:crossAx", crosses_axis);
  xml.ValElement("c:crosses", "autoZero");
}

void WriteCategoryAxis(XmlWriter& xml, const Chart& chart) {
  const CategoryAxisSettings& axis = chart.CategoryAxis();
  const bool vertical = CategoriesRunUp(chart.Shape());
  xml.Start("c:catAx");
  WriteAxisStart(xml, kCategoryAxisId, vertical ? "l" : "b", nullptr);
  WriteTitleIfShown(xml, axis.title, vertical);
  xml.Start("c:numFmt");
  xml.Attribute("formatCode", "General");
  xml.Attribute("sourceLinked", "1");
  xml.End();
  WriteTicksAndCrossing(xml, axis.major_tick_marks, kValueAxisId);
  xml.ValElement("c:auto", "1");
  xml.ValElement("c:lblAlgn", "ctr");
  xml.ValElement("c:lblOffset", 100);
  if (axis.tick_label_spacing) xml.ValElement("c:tickLblSkip", *axis.tick_label_spacing);
  if (axis.tick_mark_spacing) xml.ValElement("c:tickMarkSkip", *axis.tick_mark_spacing);
  xml.ValElement("c:noMultiLvlLbl", "0");
  xml.End();
}

void WriteValueAxis(XmlWriter& xml, const Chart& chart) {
  const ValueAxisSettings& axis = chart.ValueAxis();
  const bool vertical = !CategoriesRunUp(chart.Shape());
  xml.Start("c:valAx");
  WriteAxisStart(xml, kValueAxisId, vertical ? "l" : "b", &axis);
  xml.Start("c:majorGridlines");
  WriteLineProperties(xml, kGridlineColour, kThinLine);
  xml.End();
  WriteTitleIfShown(xml, axis.title, vertical);
  xml.Start("c:numFmt");
  xml.Attribute("formatCode", axis.number_format.value_or("General"));
  xml.Attribute("sourceLinked", axis.number_format ? "0" : "1");
  xml.End();
  WriteTicksAndCrossing(xml, true, kCategoryAxisId);
  xml.ValElement("c:crossBetween", "between");
  if (axis.major_unit) xml.ValElementNumber("c:majorUnit", *axis.major_unit);
  xml.End();
}

void WriteSeriesAxis(XmlWriter& xml) {
  xml.Start("c:serAx");
  WriteAxisStart(xml, kSeriesAxisId, "b", nullptr);
  WriteTicksAndCrossing(xml, true, kValueAxisId);
  xml.End();
}

}  // namespace

void WritePlotAxisIds(XmlWriter& xml, const ChartTypeShape& shape) {
  if (!shape.HasAxes()) return;
  xml.ValElement("c:axId", kCategoryAxisId);
  xml.ValElement("c:axId", kValueAxisId);
  if (shape.series_axis) xml.ValElement("c:axId", kSeriesAxisId);
}

void WriteChartAxes(XmlWriter& xml, const Chart& chart) {
  if (!chart.Shape().HasAxes()) return;
  WriteCategoryAxis(xml, chart);
  WriteValueAxis(xml, chart);
  if (chart.Shape().series_axis) WriteSeriesAxis(xml);
}

}  // namespace tabulo::office
