#pragma once

// Small Tables XML documents for the chart planning tests, built from the
// shape of their axes, and a fixture that parses, lays out and plans them.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "charts/planning/plan_table_charts.h"
#include "tables/table_layout.h"
#include "tables/tables_content_handler.h"

namespace tabulo::charts::testing {

struct Elem {
  std::string name;
  std::string label;
  std::string type = "Category";
  std::string element_attributes = {};  // more attributes of the Element
  std::string heading_attributes = {};  // more attributes of its Heading
};

// A variable with its elements; its element headings are repeated once per
// instance, and the variables nested under it follow with their headings.
inline std::string VariableXml(std::string_view name, std::string_view label,
                               const std::vector<Elem>& elements, int instances = 1,
                               std::string_view nested = {}, std::string_view nested_headings = {}) {
  std::string xml =
      "<Axis Name=\"" + std::string(name) + "\" Label=\"" + std::string(label) + "\"><Elements>";
  for (const Elem& e : elements) {
    xml += "<Element Name=\"" + e.name + "\" Label=\"" + e.label + "\" Type=\"" + e.type + "\" " +
           e.element_attributes + "/>";
  }
  xml += "</Elements><ElementHeadings>";
  for (int i = 0; i < instances; ++i) {
    for (const Elem& e : elements) xml += "<Heading Name=\"" + e.name + "\" " + e.heading_attributes + "/>";
  }
  xml += "</ElementHeadings>";
  if (!nested.empty()) {
    xml += "<SubAxes>" + std::string(nested) + "</SubAxes><AxisHeadings>" + std::string(nested_headings) +
           "</AxisHeadings>";
  }
  return xml + "</Axis>";
}

inline std::string HeadingsXml(const std::vector<std::string>& names) {
  std::string xml;
  for (const std::string& name : names) xml += "<Heading Name=\"" + name + "\"/>";
  return xml;
}

inline std::string RootAxisXml(std::string_view name, std::string_view variables,
                               const std::vector<std::string>& headings) {
  return "<Axis Name=\"" + std::string(name) + "\"><SubAxes>" + std::string(variables) +
         "</SubAxes><AxisHeadings>" + HeadingsXml(headings) + "</AxisHeadings></Axis>";
}

// One row per entry; the first attribute is not a value.
inline std::string RowsXml(const std::vector<std::vector<std::string>>& rows) {
  std::string xml = "<CellValues><Layer>";
  for (const auto& row : rows) {
    xml += "<row n=\"\"";
    for (std::size_t i = 0; i < row.size(); ++i) xml += " c" + std::to_string(i + 1) + "=\"" + row[i] + "\"";
    xml += "/>";
  }
  return xml + "</Layer></CellValues>";
}

// Replaces the first occurrence of `from`; a failure when there is none.
inline void ReplaceFirst(std::string& text, std::string_view from, std::string_view to) {
  std::size_t at = text.find(from);
  if (at == std::string::npos) {
    ADD_FAILURE() << "no " << from << " to replace";
    return;
  }
  text.replace(at, from.size(), to);
}

inline std::string PropertyXml(std::string_view name, int type, std::string_view value) {
  return "<property><name>" + std::string(name) + "</name><type>" + std::to_string(type) + "</type><value>" +
         std::string(value) + "</value></property>";
}

inline std::string TableXml(std::string_view attributes, std::string_view axes, std::string_view body) {
  return "<Document><Tables><Table " + std::string(attributes) + "><Axes>" + std::string(axes) + "</Axes>" +
         std::string(body) + "</Table></Tables></Document>";
}

inline const std::string kCountAndColPercent =
    "<CellItems><CellItem Type=\"Count\"/><CellItem Type=\"ColPercent\" Decimals=\"1\"/></CellItems>";

// Gender (side: a base and two categories) by Age (top: a base and two
// categories), with counts and column percentages.
inline std::string GenderSide(std::vector<Elem> more = {}) {
  std::vector<Elem> elements{{"GTotal", "Total", "Base"}, {"Male", "Male"}, {"Female", "Female"}};
  elements.insert(elements.end(), more.begin(), more.end());
  return RootAxisXml("Side", VariableXml("Gender", "Sex", elements), {"Gender"});
}

inline std::string AgeTop() {
  return RootAxisXml(
      "Top",
      VariableXml("Age", "Age group", {{"All", "All ages", "Base"}, {"Young", "Young"}, {"Old", "Old"}}),
      {"Age"});
}

inline const std::vector<std::vector<std::string>> kGenderByAgeRows{
    {"250", "100%", "100", "100%", "150", "100%"},
    {"110", "44%", "40", "40%", "70", "47%"},
    {"140", "56%", "60", "60%", "80", "53%"},
};

inline std::string GenderByAge(std::string_view properties = {}) {
  std::string body = kCountAndColPercent + RowsXml(kGenderByAgeRows);
  if (!properties.empty()) body += "<Properties>" + std::string(properties) + "</Properties>";
  return TableXml("Name=\"T1\" Description=\"Sex by age\" IsPopulated=\"true\"", GenderSide() + AgeTop(),
                  body);
}

// Gender with a single-valued mean row (two decimals) below its categories.
inline std::string GenderByAgeWithMean() {
  std::vector<std::vector<std::string>> rows = kGenderByAgeRows;
  rows.push_back({"2.5", "", "2.1", "", "2.8", ""});
  return TableXml(
      "Name=\"T1\" Description=\"Sex by age\" IsPopulated=\"true\"",
      GenderSide({{"Mean", "Mean score", "Mean", "Decimals=\"2\"", "IsSingleValue=\"true\""}}) + AgeTop(),
      kCountAndColPercent + RowsXml(rows));
}

// Brand (side: A, B) by Gender nested under Age (top): Young-Male,
// Young-Female, Old-Male, Old-Female; counts only. `old_attributes` go on
// the element Old.
inline std::string BrandByAgeAndGender(std::string_view old_attributes = {}) {
  std::string gender = VariableXml("Gender", "Sex", {{"Male", "Male"}, {"Female", "Female"}}, 2);
  std::string age = VariableXml("Age", "Age group",
                                {{"Young", "Young"}, {"Old", "Old", "Category", std::string(old_attributes)}},
                                1, gender, HeadingsXml({"Gender", "Gender"}));
  std::string axes = RootAxisXml("Side", VariableXml("Brand", "Brand", {{"A", "A"}, {"B", "B"}}), {"Brand"}) +
                     RootAxisXml("Top", age, {"Age"});
  return TableXml(
      "Name=\"N\" Description=\"Brands\" IsPopulated=\"true\"", axes,
      "<CellItems><CellItem/></CellItems>" + RowsXml({{"10", "20", "30", "40"}, {"15", "25", "35", "45"}}));
}

class ChartPlanTest : public ::testing::Test {
 protected:
  const tables::CTable& Prepare(const std::string& xml) {
    document_.emplace(tables::ParseTablesXml(xml, context_));
    tables::CTable& table = (*document_->Tables())[0];
    tables::PrepareTableLayout(table);
    return table;
  }

  TableChartPlan Plan(const std::string& xml) { return PlanTableCharts(Prepare(xml), settings_); }

  static std::vector<ChartItem> Charts(const TableChartPlan& plan) {
    std::vector<ChartItem> charts;
    for (const PlanItem& item : plan.items) {
      if (const auto* chart = std::get_if<ChartItem>(&item)) charts.push_back(*chart);
    }
    return charts;
  }

  // The plan's only chart; a failure and an empty chart when it has another
  // number of charts.
  static ChartDescription SingleChart(const TableChartPlan& plan) {
    std::vector<ChartItem> charts = Charts(plan);
    if (charts.size() != 1) {
      ADD_FAILURE() << "expected one chart, the plan has " << charts.size();
      return {};
    }
    return charts[0].description;
  }

  static std::vector<std::string> Notes(const TableChartPlan& plan) {
    std::vector<std::string> notes;
    for (const PlanItem& item : plan.items) {
      if (const auto* note = std::get_if<NoteItem>(&item)) notes.push_back(note->text);
    }
    return notes;
  }

  static std::vector<std::string> SeriesNames(const ChartDescription& chart) {
    std::vector<std::string> names;
    for (const ChartSeries& series : chart.series) names.push_back(series.name);
    return names;
  }

  tables::RenderContext context_;
  ChartSettings settings_;
  std::optional<tables::CDocument> document_;
};

using Strings = std::vector<std::string>;
using Values = std::vector<double>;

}  // namespace tabulo::charts::testing
