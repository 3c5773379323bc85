#include "charts/planning/plan_json.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart_plan_fixture.h"
#include "charts/planning/json_text.h"

namespace tabulo::charts {
namespace {

using PlanJsonTest = testing::ChartPlanTest;

std::string JsonString(std::string_view text) {
  std::string out;
  AppendJsonString(text, out);
  return out;
}

std::string JsonNumber(double value) {
  std::string out;
  AppendJsonNumber(value, out);
  return out;
}

TEST(JsonTextTest, StringsEscapeQuotesBackslashesAndControlCharacters) {
  EXPECT_EQ(JsonString("plain"), "\"plain\"");
  EXPECT_EQ(JsonString("say \"hi\" \\ now"), R"("say \"hi\" \\ now")");
  EXPECT_EQ(JsonString("a\nb\tc\rd\be\ff"), R"("a\nb\tc\rd\be\ff")");
  EXPECT_EQ(JsonString(std::string_view("\x01\x1f\x00", 3)), R"("\u0001\u001f\u0000")");
  EXPECT_EQ(JsonString("/ < > &"), "\"/ < > &\"");
}

TEST(JsonTextTest, NonAsciiStaysUtf8AndBrokenBytesBecomeReplacementCharacters) {
  EXPECT_EQ(JsonString("M\xC3\xA4nner \xE2\x82\xAC \xF0\x9F\x98\x80"),
            "\"M\xC3\xA4nner \xE2\x82\xAC \xF0\x9F\x98\x80\"");
  EXPECT_EQ(JsonString("a\xFF"
                       "b"),
            "\"a\xEF\xBF\xBD"
            "b\"");
  EXPECT_EQ(JsonString("\xC3"), "\"\xEF\xBF\xBD\"");
  EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
}

TEST(JsonTextTest, NumbersInTheirShortestForm) {
  EXPECT_EQ(JsonNumber(40), "40");
  EXPECT_EQ(JsonNumber(45.5), "45.5");
  EXPECT_EQ(JsonNumber(-0.25), "-0.25");
  EXPECT_EQ(JsonNumber(2.1), "2.1");
  EXPECT_EQ(JsonNumber(1e21), "1e+21");
}

TEST_F(PlanJsonTest, OnePlannedTableExactly) {
  settings_.files_folder_name = "Report_files";
  std::vector<TableChartPlan> plans{Plan(testing::GenderByAge())};
  EXPECT_EQ(PlanToJson(plans),
            R"([{"name":"T1","position":"after","items":[{"page_break":true},)"
            R"({"number":1,"file":"T1_1.gif","src":"Report_files/T1_1.gif","type":0,"title":"Sex",)"
            R"("category_axis_title":"Age group","value_axis_title":"ColPercent","number_format":"0.0\"%\"",)"
            R"("percentage":true,"fixed_scale":false,"legend":{"shown":true,"position":4},"width":600,)"
            R"("height":300,"categories":["Young","Old"],"series":[{"name":"Male","values":[40,47]},)"
            R"({"name":"Female","values":[60,53]}]}]}])");
}

TEST(PlanToJsonTest, NotesPageBreaksAndTallLegends) {
  ChartItem chart;
  chart.number = 2;
  chart.file = "Q 1_2.png";
  chart.src = "Q%201_2.png";
  chart.description.type = chart_type::kBarStacked;
  chart.description.title = "Line one\nLine \"two\"";
  chart.description.number_format = {false, true, 0};
  chart.description.legend = {true, legend_position::kRight};
  chart.description.categories = {" "};
  for (int i = 0; i < 12; ++i) chart.description.series.push_back({"s" + std::to_string(i), {i + 0.5}});
  TableChartPlan first{"Q 1", ChartPosition::kBeforeGrid, {NoteItem{"No 'x' chart"}, chart, PageBreakItem{}}};
  TableChartPlan second{"Q2", ChartPosition::kNone, {}};
  std::string series;
  for (int i = 0; i < 12; ++i) {
    if (i > 0) series += ',';
    series += R"({"name":"s)" + std::to_string(i) + R"(","values":[)" + std::to_string(i) + ".5]}";
  }
  EXPECT_EQ(PlanToJson(std::vector<TableChartPlan>{first, second}),
            R"([{"name":"Q 1","position":"before","items":[{"note":"No 'x' chart"},)"
            R"({"number":2,"file":"Q 1_2.png","src":"Q%201_2.png","type":4,"title":"Line one\nLine \"two\"",)"
            R"("category_axis_title":"","value_axis_title":"","number_format":"0","percentage":false,)"
            R"("fixed_scale":true,"legend":{"shown":true,"position":4},"width":636,"height":318,)"
            R"("categories":[" "],"series":[)" +
                series + R"(]},{"page_break":true}]},{"name":"Q2","position":"none","items":[]}])");
}

TEST(PlanToJsonTest, NoTablesIsAnEmptyArray) { EXPECT_EQ(PlanToJson({}), "[]"); }

}  // namespace
}  // namespace tabulo::charts
