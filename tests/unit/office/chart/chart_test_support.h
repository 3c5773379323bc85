#pragma once

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "office/chart/chart.h"

namespace tabulo::office::testing {

// A chart part parsed back for XPath queries with the prefixes c, a and r.
class ChartXml {
 public:
  explicit ChartXml(std::string_view xml)
      : document_(
            xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr, XML_PARSE_NONET)) {
    if (!document_) throw std::runtime_error("the chart part is not well-formed");
  }

  // The string value of each node the expression selects.
  std::vector<std::string> Strings(const std::string& xpath) const {
    std::vector<std::string> values;
    Evaluate(xpath, [&](xmlXPathObjectPtr result) {
      if (result->nodesetval == nullptr) return;
      for (int i = 0; i < result->nodesetval->nodeNr; ++i) {
        xmlChar* text = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
        values.emplace_back(text == nullptr ? "" : reinterpret_cast<const char*>(text));
        xmlFree(text);
      }
    });
    return values;
  }

  std::size_t Count(const std::string& xpath) const { return Strings(xpath).size(); }

  // The value of the only node selected; nullopt when none or several are.
  std::optional<std::string> Value(const std::string& xpath) const {
    std::vector<std::string> values = Strings(xpath);
    if (values.size() != 1) return std::nullopt;
    return values.front();
  }

 private:
  struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
  };

  template <typename Use>
  void Evaluate(const std::string& xpath, Use use) const {
    xmlXPathContextPtr context = xmlXPathNewContext(document_.get());
    xmlXPathRegisterNs(context, BAD_CAST "c",
                       BAD_CAST "http://schemas.openxmlformats.org/drawingml/2006/chart");
    xmlXPathRegisterNs(context, BAD_CAST "a",
                       BAD_CAST "http://schemas.openxmlformats.org/drawingml/2006/main");
    xmlXPathRegisterNs(context, BAD_CAST "r",
                       BAD_CAST "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
    xmlXPathRegisterNs(context, BAD_CAST "xdr",
                       BAD_CAST "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing");
    xmlXPathObjectPtr result = xmlXPathEvalExpression(BAD_CAST xpath.c_str(), context);
    if (result != nullptr) use(result);
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    if (result == nullptr) throw std::invalid_argument("bad XPath: " + xpath);
  }

  std::unique_ptr<xmlDoc, DocumentDeleter> document_;
};

inline ChartSeries MakeSeries(std::string_view sheet, std::string_view name, int row,
                              std::vector<std::optional<double>> numbers) {
  ChartSeries series;
  const std::string quoted = "'" + std::string(sheet) + "'!";
  series.name = {quoted + "$A$" + std::to_string(row), std::string(name)};
  series.categories.formula = quoted + "$B$1:$D$1";
  series.categories.levels = {{"Young", "Middle", "Old"}};
  series.values.formula = quoted + "$B$" + std::to_string(row) + ":$D$" + std::to_string(row);
  series.values.format_code = "0%";
  series.values.numbers = std::move(numbers);
  return series;
}

// Two series over three categories, the second with a gap at its middle
// point, as the chart data of a table lays them out.
inline std::vector<ChartSeries> TwoSeries() {
  return {MakeSeries("T1_Ch", "Male", 2, {0.25, 0.5, 0.75}),
          MakeSeries("T1_Ch", "Female", 3, {0.125, std::nullopt, 1})};
}

// Every type a chart can be drawn as.
inline std::vector<ChartType> DrawableTypes() {
  using enum ChartType;
  return {kColumnClustered,
          kColumnStacked,
          kColumnStacked100,
          k3DColumnClustered,
          k3DColumnStacked,
          k3DColumnStacked100,
          k3DColumn,
          kBarClustered,
          kBarStacked,
          kBarStacked100,
          k3DBarClustered,
          k3DBarStacked,
          k3DBarStacked100,
          kLine,
          kLineStacked,
          kLineStacked100,
          kLineMarkers,
          kLineMarkersStacked,
          kLineMarkersStacked100,
          kPie,
          kPieExploded,
          k3DPie,
          k3DPieExploded};
}

// A chart with every element set that its type takes: series, a two-line
// title in a font, legend at the bottom, axis titles, scale and ticks
// (not on pies), and labels on two points.
inline Chart FullChart(ChartType type) {
  Chart chart(type);
  chart.SetSeries(TwoSeries());
  chart.SetTitleText("Age: (Region: North)\rGender");
  chart.SetTitleFont({"Arial", true, 14});
  chart.SetLegendPosition(LegendPosition::kBottom);
  if (chart.Shape().HasAxes()) {
    chart.SetAxisTitleText(ChartAxis::kCategory, "Age");
    chart.SetAxisTitleText(ChartAxis::kValue, "ColPercent");
    chart.SetValueAxisMinimum(0);
    chart.SetValueAxisMaximum(1);
    chart.SetValueAxisMajorUnit(0.25);
    chart.SetValueAxisNumberFormat("0%");
    chart.RemoveCategoryMajorTickMarks();
    chart.SetCategoryTickLabelSpacing(1);
    chart.SetCategoryTickMarkSpacing(1);
  }
  chart.SetPointDataLabel(1, 2, "a", DataLabelPosition::kOutsideEnd);
  chart.SetPointDataLabel(2, 1, "b\nc", DataLabelPosition::kCenter);
  return chart;
}

}  // namespace tabulo::office::testing
