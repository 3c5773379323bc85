#include <gtest/gtest.h>

#include "chart_test_support.h"
#include "office/chart/chart_part_writer.h"
#include "office/lint/package_lint.h"

namespace tabulo::office {
namespace {

std::vector<ZipEntry> ChartPackage(std::string chart_part) {
  return {{"[Content_Types].xml",
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Override PartName=\"/xl/charts/chart1.xml\" "
           "ContentType=\"application/vnd.openxmlformats-officedocument.drawingml.chart+xml\"/></Types>"},
          {"xl/charts/chart1.xml", std::move(chart_part)}};
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  const std::size_t at = text.find(from);
  if (at == std::string::npos) throw std::invalid_argument("nothing to replace");
  return text.replace(at, from.size(), to);
}

TEST(ChartLintTest, WrittenLabelPositionsAreOffered) {
  for (ChartType type : testing::DrawableTypes()) {
    SCOPED_TRACE(static_cast<int>(type));
    EXPECT_EQ(LintPackage(ChartPackage(WriteChartPart(testing::FullChart(type)))),
              std::vector<LintFinding>());
  }
}

TEST(ChartLintTest, PositionsTheTypeForbidsAreFound) {
  const std::string stacked = WriteChartPart(testing::FullChart(ChartType::kColumnStacked));
  const std::vector<LintFinding> outside =
      LintPackage(ChartPackage(Replaced(stacked, "<c:dLblPos val=\"ctr\"/>", "<c:dLblPos val=\"outEnd\"/>")));
  EXPECT_EQ(outside,
            (std::vector<LintFinding>{
                {"xl/charts/chart1.xml", "data label position \"outEnd\" is not offered by barChart"}}));

  const std::string pie = WriteChartPart(testing::FullChart(ChartType::k3DPie));
  const std::vector<LintFinding> on_3d = LintPackage(ChartPackage(Replaced(
      pie, "<c:showLegendKey val=\"0\"/>", "<c:dLblPos val=\"bestFit\"/><c:showLegendKey val=\"0\"/>")));
  EXPECT_EQ(on_3d,
            (std::vector<LintFinding>{
                {"xl/charts/chart1.xml", "data label position \"bestFit\" is not offered by pie3DChart"}}));
}

}  // namespace
}  // namespace tabulo::office
