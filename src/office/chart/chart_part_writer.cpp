#include "office/chart/chart_part_writer.h"

#include "office/chart/chart_axes_writer.h"
#include "office/chart/chart_names.h"
#include "office/chart/chart_series_writer.h"
#include "office/chart/chart_title_writer.h"
#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kDrawingMainNamespace = "http://schemas.openxmlformats.org/drawingml/2006/main";
constexpr std::string_view kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

// Gap between bar groups, in percent of a bar's width.
constexpr int kGapWidth = 150;

// The 3D view of each 3D kind: columns and bars at right angles, the 3D
// column (with its depth axis) and pies in perspective.
void WriteView3D(XmlWriter& xml, const ChartTypeShape& shape) {
  if (!shape.Is3D()) return;
  xml.Start("c:view3D");
  if (shape.IsPie()) {
    xml.ValElement("c:rotX", 30);
    xml.ValElement("c:rotY", 0);
    xml.ValElement("c:rAngAx", "0");
    xml.ValElement("c:perspective", 30);
  } else if (shape.series_axis) {
    xml.ValElement("c:rotX", 15);
    xml.ValElement("c:rotY", 20);
    xml.ValElement("c:depthPercent", 100);
    xml.ValElement("c:rAngAx", "0");
    xml.ValElement("c:perspective", 30);
  } else {
    xml.ValElement("c:rotX", 15);
    xml.ValElement("c:rotY", 20);
    xml.ValElement("c:rAngAx", "1");
  }
  xml.End();
}

std::string_view GroupingValue(Grouping grouping) {
  switch (grouping) {
    case Grouping::kStandard:
      return "standard";
    case Grouping::kClustered:
      return "clustered";
    case Grouping::kStacked:
      return "stacked";
    case Grouping::kPercentStacked:
      return "percentStacked";
  }
  return "standard";
}

const char* PlotElement(PlotKind kind) {
  switch (kind) {
    case PlotKind::kBar:
      return "c:barChart";
    case PlotKind::kBar3D:
      return "c:bar3DChart";
    case PlotKind::kLine:
      return "c:lineChart";
    case PlotKind::kPie:
      return "c:pieChart";
    case PlotKind::kPie3D:
      return "c:pie3DChart";
  }
  return "c:barChart";
}

void WriteAllSeries(XmlWriter& xml, const Chart& chart) {
  for (std::size_t index = 0; index < chart.Series().size(); ++index)
    WriteChartSeries(xml, chart.Shape(), chart.Series()[index], index);
}

void WritePlot(XmlWriter& xml, const Chart& chart) {
  const ChartTypeShape& shape = chart.Shape();
  xml.Start(PlotElement(shape.kind));
  if (shape.IsBar()) xml.ValElement("c:barDir", shape.direction == BarDirection::kBar ? "bar" : "col");
  if (!shape.IsPie()) xml.ValElement("c:grouping", GroupingValue(shape.grouping));
  xml.ValElement("c:varyColors", shape.IsPie() ? "1" : "0");
  WriteAllSeries(xml, chart);
  if (shape.IsBar()) xml.ValElement("c:gapWidth", kGapWidth);
  const bool stacked = shape.grouping == Grouping::kStacked || shape.grouping == Grouping::kPercentStacked;
  if (shape.kind == PlotKind::kBar && stacked) xml.ValElement("c:overlap", 100);
  if (shape.kind == PlotKind::kBar3D) xml.ValElement("c:shape", "box");
  if (shape.kind == PlotKind::kLine) xml.ValElement("c:marker", "1");
  if (shape.kind == PlotKind::kPie) xml.ValElement("c:firstSliceAng", 0);
  WritePlotAxisIds(xml, shape);
  xml.End();
}

std::string_view LegendPositionValue(LegendPosition position) {
  return position == LegendPosition::kBottom ? "b" : "r";
}

void WriteChart(XmlWriter& xml, const Chart& chart) {
  xml.Start("c:chart");
  if (chart.HasTitle()) WriteChartTitle(xml, chart.Title());
  xml.ValElement("c:autoTitleDeleted", chart.HasTitle() ? "0" : "1");
  WriteView3D(xml, chart.Shape());
  xml.Start("c:plotArea");
  xml.Start("c:layout");
  xml.End();
  WritePlot(xml, chart);
  WriteChartAxes(xml, chart);
  xml.End();
  if (chart.HasLegend()) {
    xml.Start("c:legend");
    xml.ValElement("c:legendPos", LegendPositionValue(chart.GetLegendPosition()));
    xml.ValElement("c:overlay", "0");
    xml.End();
  }
  xml.ValElement("c:plotVisOnly", "1");
  xml.ValElement("c:dispBlanksAs", "gap");
  xml.End();
}

}  // namespace

std::string WriteChartPart(const Chart& chart) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Start("c:chartSpace");
  xml.Attribute("xmlns:c", dml_chart::kNamespace);
  xml.Attribute("xmlns:a", kDrawingMainNamespace);
  xml.Attribute("xmlns:r", kRelationshipsNamespace);
  xml.ValElement("c:date1904", "0");
  // Absent, the corners would be rounded.
  xml.ValElement("c:roundedCorners", "0");
  WriteChart(xml, chart);
  xml.End();
  return out;
}

}  // namespace tabulo::office
