#include <gtest/gtest.h>

#include "../office_test_support.h"
#include "../sample_workbook.h"
#include "chart_test_support.h"
#include "office/chart/chart_part_writer.h"
#include "office/lint/package_lint.h"
#include "office/spreadsheet/workbook.h"
#include "office/xlsx/chart_drawing.h"
#include "office/xlsx/xlsx_writer.h"
#include "support/temp_folder.h"

namespace tabulo::office {
namespace {

using testing::ChartXml;
using testing::FindEntry;
using Strings = std::vector<std::string>;

TEST(ChartValidationTest, EveryTypeIsValid) {
  for (ChartType type : testing::DrawableTypes()) {
    SCOPED_TRACE(static_cast<int>(type));
    EXPECT_EQ(testing::Schemas().Validate("chart.xml", WriteChartPart(testing::FullChart(type))), Strings());
    Chart bare(type);
    EXPECT_EQ(testing::Schemas().Validate("bare.xml", WriteChartPart(bare)), Strings());
  }
}

TEST(ChartValidationTest, ValidatorKnowsTheChartSchema) {
  std::string xml = WriteChartPart(testing::FullChart(ChartType::kColumnClustered));
  const std::string in_order = "<c:max val=\"1\"/><c:min val=\"0\"/>";
  const std::size_t at = xml.find(in_order);
  ASSERT_NE(at, std::string::npos);
  xml.replace(at, in_order.size(), "<c:min val=\"0\"/><c:max val=\"1\"/>");
  EXPECT_FALSE(testing::Schemas().Validate("chart.xml", xml).empty());
}

TEST(ChartValidationTest, MultiLevelAndLiteralDataAreValid) {
  ChartSeries levels = testing::TwoSeries()[0];
  levels.categories.levels = {{"North", "", "South"}, {"Young", "Old", "Young"}};
  ChartSeries literal;
  literal.name.text = "Frequency";
  literal.categories.levels = {{"A", "B", "C"}};
  literal.values.numbers = {1, std::nullopt, 3};
  Chart chart(ChartType::kLineMarkers);
  chart.SetSeries({levels, literal});
  chart.SetHasTitle(true);
  chart.SetTitleFont({"Arial", true, 14});
  EXPECT_EQ(testing::Schemas().Validate("chart.xml", WriteChartPart(chart)), Strings());
}

// A table sheet and its chart sheet: chart data that refer to the table,
// and below them two charts and a plain shape.
void FillWorkbookWithCharts(Workbook& workbook) {
  Worksheet& table = workbook.AddWorksheet("T1");
  table.SetText({1, 2}, "Young");
  table.SetText({1, 3}, "Old");
  table.SetText({2, 1}, "Male");
  table.SetNumber({2, 2}, 0.25);
  table.SetNumber({2, 3}, 0.75);
  Worksheet& data = workbook.AddWorksheet("T1_Ch");
  data.SetFormula({1, 2}, "'T1'!B1", std::string("Young"));
  data.SetFormula({1, 3}, "'T1'!C1", std::string("Old"));
  data.SetFormula({2, 1}, "'T1'!A2", std::string("Male"));
  data.SetFormula({2, 2}, "'T1'!B2", 0.25);
  data.SetFormula({2, 3}, "'T1'!C2", 0.75);
  data.SetNumberFormat({{2, 2}, {2, 3}}, "0%");
  const ChartCellLookup lookup = [&data](CellRef cell) {
    if (cell.row == 1 && cell.column > 1)
      return ChartCell{std::string(cell.column == 2 ? "Young" : "Old"), "General"};
    if (cell.row == 2 && cell.column == 1) return ChartCell{std::string("Male"), "General"};
    if (cell.row == 2) return ChartCell{cell.column == 2 ? 0.25 : 0.75, data.FormatAt(cell).number_format};
    return ChartCell{};
  };
  auto column = std::make_unique<ChartDrawing>(PointFrame{20, 20, 400, 230});
  column->Model().SetSourceData("T1_Ch", {{1, 1}, {2, 3}}, lookup);
  column->Model().SetTitleText("Age");
  column->Model().SetTitleFont({"Arial", true, 14});
  column->Model().SetPointDataLabel(1, 2, "b");
  data.AddDrawing(std::move(column));
  data.AddDrawing(std::make_unique<testing::RectangleDrawing>(PointFrame{440, 20, 100, 100}));
  auto pie = std::make_unique<ChartDrawing>(PointFrame{20, 270, 400, 230}, ChartType::k3DPieExploded);
  pie->Model().SetSourceData("T1_Ch", {{1, 1}, {2, 3}}, lookup);
  data.AddDrawing(std::move(pie));
}

TEST(ChartValidationTest, WorkbookWithChartsIsValidAndClean) {
  Workbook workbook;
  FillWorkbookWithCharts(workbook);
  const tabulo::testing::TempFolder folder;
  const std::string path = folder.File("charts.xlsx");
  SaveWorkbook(workbook, path);
  const std::vector<ZipEntry> entries = ReadZipFile(path);
  EXPECT_EQ(testing::SchemaErrors(entries), Strings());
  EXPECT_EQ(LintPackage(entries), std::vector<LintFinding>());

  const std::string* types = FindEntry(entries, "[Content_Types].xml");
  ASSERT_NE(types, nullptr);
  EXPECT_NE(
      types->find("<Override PartName=\"/xl/charts/chart2.xml\" "
                  "ContentType=\"application/vnd.openxmlformats-officedocument.drawingml.chart+xml\"/>"),
      std::string::npos);
  const std::string* rels = FindEntry(entries, "xl/drawings/_rels/drawing1.xml.rels");
  ASSERT_NE(rels, nullptr);
  EXPECT_NE(rels->find("Target=\"../charts/chart1.xml\""), std::string::npos);
  EXPECT_NE(rels->find("Target=\"../charts/chart2.xml\""), std::string::npos);

  const std::string* drawing = FindEntry(entries, "xl/drawings/drawing1.xml");
  ASSERT_NE(drawing, nullptr);
  const ChartXml frames(*drawing);
  EXPECT_EQ(frames.Strings("//xdr:graphicFrame/xdr:nvGraphicFramePr/xdr:cNvPr/@name"),
            (Strings{"Chart 1", "Chart 3"}));
  EXPECT_EQ(frames.Strings("//xdr:cNvPr/@id"), (Strings{"2", "3", "4"}));
  EXPECT_EQ(frames.Strings("//a:graphicData/c:chart/@r:id"), (Strings{"rId1", "rId2"}));

  const ChartXml pie(*FindEntry(entries, "xl/charts/chart2.xml"));
  EXPECT_EQ(pie.Value("//c:pie3DChart/c:ser/c:val/c:numRef/c:f"), "'T1_Ch'!$B$2:$C$2");
  EXPECT_EQ(pie.Strings("//c:pie3DChart/c:ser/c:val//c:pt/c:v"), (Strings{"0.25", "0.75"}));
  EXPECT_EQ(pie.Value("//c:pie3DChart/c:ser/c:val//c:formatCode"), "0%");
}

}  // namespace
}  // namespace tabulo::office
