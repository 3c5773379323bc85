#include "office/chart/chart_series_writer.h"

#include <algorithm>

#include "office/chart/chart_data_labels_writer.h"
#include "office/chart/chart_data_source_writer.h"
#include "office/chart/chart_palette.h"
#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

// How far the slices of an exploded pie stand out, in percent of the radius.
constexpr int kExplosion = 25;
// A series line 2.25 points wide, in EMU.
constexpr int kSeriesLineWidth = 28575;

std::size_t PointCount(const ChartSeries& series) {
  return std::max(series.values.numbers.size(), series.categories.PointCount());
}

// A pie colours each slice; every other kind colours the series.
void WriteSliceColours(XmlWriter& xml, const ChartSeries& series) {
  for (std::size_t point = 0; point < PointCount(series); ++point) {
    xml.Start("c:dPt");
    xml.ValElement("c:idx", point);
    WriteFillProperties(xml, SeriesColour(point));
    xml.End();
  }
}

void WriteMarker(XmlWriter& xml, bool shown, std::uint32_t colour) {
  xml.Start("c:marker");
  if (shown) {
    xml.Start("c:spPr");
    WriteSolidFill(xml, colour);
    xml.Start("a:ln");
    WriteSolidFill(xml, colour);
    xml.End();
    xml.End();
  } else {
    xml.ValElement("c:symbol", "none");
  }
  xml.End();
}

}  // namespace

void WriteChartSeries(XmlWriter& xml, const ChartTypeShape& shape, const ChartSeries& series,
                      std::size_t index) {
  xml.Start("c:ser");
  xml.ValElement("c:idx", index);
  xml.ValElement("c:order", index);
  WriteSeriesName(xml, series.name);
  const std::uint32_t colour = SeriesColour(index);
  if (shape.kind == PlotKind::kLine) {
    WriteLineProperties(xml, colour, kSeriesLineWidth);
    WriteMarker(xml, shape.markers, colour);
  } else if (shape.IsBar()) {
    WriteFillProperties(xml, colour);
    xml.ValElement("c:invertIfNegative", "0");
  } else {
    if (shape.exploded) xml.ValElement("c:explosion", kExplosion);
    WriteSliceColours(xml, series);
  }
  WriteSeriesDataLabels(xml, shape, series);
  WriteCategories(xml, series.categories);
  WriteValues(xml, series.values);
  if (shape.kind == PlotKind::kLine) xml.ValElement("c:smooth", "0");
  xml.End();
}

}  // namespace tabulo::office
