#include "html/chart_images.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tabulo::html {
namespace {

charts::ChartItem Chart(int number, bool page_break) {
  charts::ChartItem chart;
  chart.number = number;
  chart.file = "T 1_" + std::to_string(number) + ".png";
  chart.src = "out_files/T%201_" + std::to_string(number) + ".png";
  chart.page_break_before = page_break;
  chart.description.title = "Age";
  return chart;
}

TEST(ChartImagesTest, ItemsAreWrittenInPlanOrderAndDrawnIntoTheFilesFolder) {
  charts::TableChartPlan plan;
  plan.table_name = "T 1";
  plan.items = {Chart(1, true), charts::NoteItem{"No chart for <b>'Q1'</b> & co"}, charts::PageBreakItem{}};
  std::vector<std::string> drawn;
  ChartPainter paint = [&](const charts::ChartDescription& chart, const std::filesystem::path& file,
                           std::string_view format) {
    drawn.push_back(chart.title + "|" + file.string() + "|" + std::string(format));
  };
  CHtmlWriter writer(false);
  WriteChartItems(plan, {[] { return std::filesystem::path("/out/out_files"); }, "png", paint}, writer);
  writer.EndDocument();
  EXPECT_EQ(drawn, std::vector<std::string>{"Age|/out/out_files/T 1_1.png|png"});
  EXPECT_EQ(writer.Output(),
            "<P style=\"page-break-before='always'\"></P>"
            "<img class=\"TableImage\" src=\"out_files/T%201_1.png\" /><br /><br />"
            "<br /><table width=\"100%\"><tr><td class=\"Annotation\"><i>No chart for "
            "&lt;b&gt;'Q1'&lt;/b&gt; &amp; "
            "co</i></td></tr></table><br />"
            "<P style=\"page-break-before='always'\"></P>");
}

TEST(ChartImagesTest, AChartThatCannotBeDrawnEndsTheRenderWithItsReason) {
  charts::TableChartPlan plan;
  plan.table_name = "T1";
  plan.items = {Chart(1, false)};
  ChartPainter paint = [](const charts::ChartDescription&, const std::filesystem::path&, std::string_view) {
    throw std::runtime_error("disk full");
  };
  CHtmlWriter writer(false);
  try {
    WriteChartItems(plan, {[] { return std::filesystem::path("/out"); }, "gif", paint}, writer);
    FAIL() << "no error";
  } catch (const HtmlError& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to create the 'Age' chart for table 'T1': disk full");
  }
  EXPECT_EQ(writer.Output(), "");
}

}  // namespace
}  // namespace tabulo::html
