#include "office/chart/plot_chart_type.h"

#include <libxml/tree.h>

#include <string>
#include <string_view>

#include "office/chart/chart_names.h"

namespace tabulo::office {
namespace {

std::string_view Text(const xmlChar* text) {
  return text == nullptr ? std::string_view() : std::string_view(reinterpret_cast<const char*>(text));
}

bool IsChartElement(const xmlNode* node, std::string_view name) {
  return node->type == XML_ELEMENT_NODE && node->ns != nullptr &&
         Text(node->ns->href) == dml_chart::kNamespace && Text(node->name) == name;
}

const xmlNode* Child(const xmlNode* node, std::string_view name) {
  for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (IsChartElement(child, name)) return child;
  }
  return nullptr;
}

// The val attribute of a property child; `absent` when the child is missing
// and the schema's default when the child has no val.
std::string Val(const xmlNode* node, std::string_view name, std::string_view absent,
                std::string_view default_val) {
  const xmlNode* child = Child(node, name);
  if (child == nullptr) return std::string(absent);
  xmlChar* value = xmlGetNoNsProp(child, reinterpret_cast<const xmlChar*>("val"));
  std::string text(value == nullptr ? default_val : Text(value));
  xmlFree(value);
  return text;
}

// A boolean property: absent is false, present without val is true.
bool Flag(const xmlNode* node, std::string_view name) {
  const std::string value = Val(node, name, "0", "1");
  return value == "1" || value == "true";
}

template <typename Test>
bool AnySeries(const xmlNode* plot, Test test) {
  for (const xmlNode* child = plot->children; child != nullptr; child = child->next) {
    if (IsChartElement(child, "ser") && test(child)) return true;
  }
  return false;
}

bool HasSeries(const xmlNode* plot) {
  return AnySeries(plot, [](const xmlNode*) { return true; });
}

// A series shows markers unless its marker symbol is none.
bool SeriesShowsMarkers(const xmlNode* series) {
  const xmlNode* marker = Child(series, "marker");
  return marker == nullptr || Val(marker, "symbol", "auto", "auto") != "none";
}

// A series draws lines unless its outline has no fill.
bool SeriesDrawsLines(const xmlNode* series) {
  const xmlNode* properties = Child(series, "spPr");
  if (properties == nullptr) return true;
  for (const xmlNode* line = properties->children; line != nullptr; line = line->next) {
    if (line->type != XML_ELEMENT_NODE || Text(line->name) != "ln") continue;
    for (const xmlNode* fill = line->children; fill != nullptr; fill = fill->next) {
      if (fill->type == XML_ELEMENT_NODE && Text(fill->name) == "noFill") return false;
    }
  }
  return true;
}

bool Exploded(const xmlNode* plot) {
  return AnySeries(plot, [](const xmlNode* series) { return Val(series, "explosion", "0", "0") != "0"; });
}

template <typename T>
T ByGrouping(std::string_view grouping, T standard, T stacked, T percent) {
  if (grouping == "stacked") return stacked;
  if (grouping == "percentStacked") return percent;
  return standard;
}

ChartType BarType(const xmlNode* plot, bool three_d) {
  using enum ChartType;
  const bool bars = Val(plot, "barDir", "col", "col") == "bar";
  const std::string grouping = Val(plot, "grouping", "clustered", "clustered");
  if (three_d && !bars && grouping == "standard") return k3DColumn;
  if (bars) {
    return three_d ? ByGrouping(grouping, k3DBarClustered, k3DBarStacked, k3DBarStacked100)
                   : ByGrouping(grouping, kBarClustered, kBarStacked, kBarStacked100);
  }
  return three_d ? ByGrouping(grouping, k3DColumnClustered, k3DColumnStacked, k3DColumnStacked100)
                 : ByGrouping(grouping, kColumnClustered, kColumnStacked, kColumnStacked100);
}

ChartType LineType(const xmlNode* plot) {
  using enum ChartType;
  // The series' symbols decide unless the plot switches markers off; without
  // series the plot's own switch decides.
  const std::string plot_markers = Val(plot, "marker", HasSeries(plot) ? "1" : "0", "1");
  const bool switched_on = plot_markers == "1" || plot_markers == "true";
  const bool markers = switched_on && (!HasSeries(plot) || AnySeries(plot, SeriesShowsMarkers));
  const std::string grouping = Val(plot, "grouping", "standard", "standard");
  return markers ? ByGrouping(grouping, kLineMarkers, kLineMarkersStacked, kLineMarkersStacked100)
                 : ByGrouping(grouping, kLine, kLineStacked, kLineStacked100);
}

ChartType ScatterType(const xmlNode* plot) {
  using enum ChartType;
  const std::string style = Val(plot, "scatterStyle", "marker", "marker");
  if (style == "smoothMarker") return kXYScatterSmooth;
  if (style == "smooth") return kXYScatterSmoothNoMarkers;
  if (style == "line") return kXYScatterLinesNoMarkers;
  if (style == "lineMarker" && AnySeries(plot, SeriesDrawsLines)) {
    return AnySeries(plot, SeriesShowsMarkers) ? kXYScatterLines : kXYScatterLinesNoMarkers;
  }
  return kXYScatter;
}

ChartType RadarType(const xmlNode* plot) {
  using enum ChartType;
  const std::string style = Val(plot, "radarStyle", "standard", "marker");
  if (style == "filled") return kRadarFilled;
  if (style == "marker" && AnySeries(plot, SeriesShowsMarkers)) return kRadarMarkers;
  return kRadar;
}

}  // namespace

std::optional<ChartType> PlotChartType(const xmlNode* plot) {
  using enum ChartType;
  if (plot == nullptr || plot->type != XML_ELEMENT_NODE || plot->ns == nullptr ||
      Text(plot->ns->href) != dml_chart::kNamespace) {
    return std::nullopt;
  }
  const std::string_view name = Text(plot->name);
  if (name == "barChart") return BarType(plot, false);
  if (name == "bar3DChart") return BarType(plot, true);
  if (name == "lineChart") return LineType(plot);
  if (name == "line3DChart") return k3DLine;
  if (name == "pieChart") return Exploded(plot) ? kPieExploded : kPie;
  if (name == "pie3DChart") return Exploded(plot) ? k3DPieExploded : k3DPie;
  if (name == "ofPieChart") return Val(plot, "ofPieType", "pie", "pie") == "bar" ? kBarOfPie : kPieOfPie;
  if (name == "doughnutChart") return Exploded(plot) ? kDoughnutExploded : kDoughnut;
  if (name == "areaChart")
    return ByGrouping(Val(plot, "grouping", "standard", "standard"), kArea, kAreaStacked, kAreaStacked100);
  if (name == "area3DChart")
    return ByGrouping(Val(plot, "grouping", "standard", "standard"), k3DArea, k3DAreaStacked,
                      k3DAreaStacked100);
  if (name == "radarChart") return RadarType(plot);
  if (name == "scatterChart") return ScatterType(plot);
  if (name == "surfaceChart") return Flag(plot, "wireframe") ? kSurfaceTopViewWireframe : kSurfaceTopView;
  if (name == "surface3DChart") return Flag(plot, "wireframe") ? kSurfaceWireframe : kSurface;
  if (name == "bubbleChart") return Flag(plot, "bubble3D") ? kBubble3DEffect : kBubble;
  if (name == "stockChart") return kStockHLC;
  return std::nullopt;
}

}  // namespace tabulo::office
