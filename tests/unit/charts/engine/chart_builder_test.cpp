#include "charts/engine/chart_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "charts/engine/chart_error.h"
#include "charts/engine/chart_samples.h"
#include "support/temp_folder.h"

namespace tabulo::charts {
namespace {

using tabulo::testing::ReadFile;
using tabulo::testing::TempFolder;
using tabulo::testing::WriteFile;

const std::vector<std::string> kCategories{"a", "b", "c"};
const std::vector<double> kValues{1, 2, 3};

std::size_t FilesIn(const std::filesystem::path& folder) {
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++files;
  return files;
}

TEST(CreateChartTest, OnlyChartTypesOfTheVocabularyCanBeCreated) {
  for (std::int32_t type : testing::DrawableTypes()) EXPECT_NO_THROW(CreateChart(type)) << type;
  EXPECT_THROW(CreateChart(chart_type::kNoChart), ChartError);
  EXPECT_THROW(CreateChart(5), ChartError);
  EXPECT_THROW(CreateChart(60), ChartError);
}

TEST(ChartBuilderTest, KeepsWhatItIsGiven) {
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kLine);
  builder->SetTitle("Title");
  builder->SetCategoryAxisTitle("Categories");
  builder->SetValueAxisTitle("Values");
  builder->SetNumberFormat(true, true, 2);
  builder->SetLegend(true, legend_position::kBottom);
  builder->AddSeries("first", kCategories, kValues);
  const ChartDescription& chart = builder->Description();
  EXPECT_EQ(chart.type, chart_type::kLine);
  EXPECT_EQ(chart.title, "Title");
  EXPECT_EQ(chart.category_axis_title, "Categories");
  EXPECT_EQ(chart.value_axis_title, "Values");
  EXPECT_TRUE(chart.number_format.percentage);
  EXPECT_TRUE(chart.number_format.fixed_scale);
  EXPECT_EQ(chart.number_format.decimals, 2);
  EXPECT_TRUE(chart.legend.shown);
  EXPECT_EQ(chart.legend.position, legend_position::kBottom);
  ASSERT_EQ(chart.series.size(), 1u);
  EXPECT_EQ(chart.series[0].name, "first");
  EXPECT_EQ(chart.series[0].values, kValues);
  EXPECT_EQ(chart.categories, kCategories);
}

TEST(ChartBuilderTest, TheLongestCategoryListIsTheChartsList) {
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kColumnClustered);
  builder->AddSeries("one", std::vector<std::string>{"a"}, std::vector<double>{1});
  builder->AddSeries("two", kCategories, kValues);
  builder->AddSeries("three", std::vector<std::string>{"x", "y"}, std::vector<double>{1, 2});
  EXPECT_EQ(builder->Description().categories, kCategories);
  EXPECT_EQ(builder->Description().series.size(), 3u);
}

TEST(ChartBuilderTest, FitLegendCountsSeriesOrPieCategories) {
  std::unique_ptr<CChartBase> columns = CreateChart(chart_type::kColumnClustered);
  EXPECT_EQ(columns->PictureHeight(), 300);
  columns->SetLegend(true, legend_position::kRight);
  for (int i = 0; i < 12; ++i) columns->AddSeries("s", kCategories, kValues);
  columns->FitLegend();
  EXPECT_EQ(columns->PictureHeight(), 318);

  std::unique_ptr<CChartBase> pie = CreateChart(chart_type::k3DPie);
  pie->SetLegend(true, legend_position::kRight);
  std::vector<std::string> twelve(12, "slice");
  pie->AddSeries("s", twelve, std::vector<double>(12, 1.0));
  pie->FitLegend();
  EXPECT_EQ(pie->PictureHeight(), 318);
}

TEST(ChartBuilderTest, FitLegendKeeps300ForHiddenOrBottomLegends) {
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kColumnClustered);
  for (int i = 0; i < 40; ++i) builder->AddSeries("s", kCategories, kValues);
  builder->SetLegend(false, legend_position::kRight);
  builder->FitLegend();
  EXPECT_EQ(builder->PictureHeight(), 300);
  builder->SetLegend(true, legend_position::kBottom);
  builder->FitLegend();
  EXPECT_EQ(builder->PictureHeight(), 300);
}

TEST(ChartBuilderTest, ExportWritesThePictureAtTheFittedSize) {
  TempFolder folder;
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kBarStacked);
  builder->SetLegend(true, legend_position::kRight);
  for (int i = 0; i < 30; ++i) builder->AddSeries("Series " + std::to_string(i), kCategories, kValues);
  builder->FitLegend();
  std::string path = folder.File("chart.gif");
  EXPECT_EQ(builder->ExportImage(path, ImageFormat::kGif), (PictureSize{1024, 718}));
  std::string bytes = ReadFile(path);
  ASSERT_GE(bytes.size(), 10u);
  EXPECT_EQ(bytes.substr(0, 10), std::string("GIF89a\x00\x04\xce\x02", 10));
}

TEST(ChartBuilderTest, ExportReplacesAnExistingFile) {
  TempFolder folder;
  std::string path = folder.File("chart.png");
  WriteFile(path, "old");
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kPie);
  builder->AddSeries("s", kCategories, kValues);
  builder->ExportImage(path, ImageFormat::kPng);
  EXPECT_EQ(ReadFile(path).substr(1, 3), "PNG");
  EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST(ChartBuilderTest, AFolderThatDoesNotExistIsAReadableFailure) {
  TempFolder folder;
  std::string path = folder.File("missing/chart.gif");
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kColumnClustered);
  try {
    builder->ExportImage(path, ImageFormat::kGif);
    FAIL() << "no error";
  } catch (const ChartError& error) {
    EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
  }
  EXPECT_EQ(FilesIn(folder.path()), 0u);
}

TEST(ChartBuilderTest, AFolderInThePlaceOfTheFileIsLeftAlone) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "chart.gif");
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kColumnClustered);
  EXPECT_THROW(builder->ExportImage(folder.File("chart.gif"), ImageFormat::kGif), ChartError);
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "chart.gif"));
  EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST(ChartBuilderTest, APictureTooLargeToDrawFailsAndKeepsTheOldFile) {
  TempFolder folder;
  std::string path = folder.File("chart.gif");
  WriteFile(path, "old");
  std::unique_ptr<CChartBase> builder = CreateChart(chart_type::kColumnClustered);
  builder->SetLegend(true, legend_position::kRight);
  // 1500 entries would need a picture 33385 pixels high.
  for (int i = 0; i < 1500; ++i) builder->AddSeries("s", std::vector<std::string>{"a"}, std::vector<double>{1});
  builder->FitLegend();
  EXPECT_EQ(builder->PictureHeight(), 33385);
  EXPECT_THROW(builder->ExportImage(path, ImageFormat::kGif), ChartError);
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_EQ(FilesIn(folder.path()), 1u);
}

TEST(DrawChartTest, HiddenLegendDrawsAtTheDefaultSizeWhateverTheSeriesCount) {
  TempFolder folder;
  ChartDescription chart = testing::SampleChart(chart_type::kColumnStacked);
  chart.legend.shown = false;
  for (int i = 0; i < 20; ++i) chart.series.push_back({"more", {1, 2, 3}});
  EXPECT_EQ(DrawChart(chart, folder.File("c.svg"), ImageFormat::kSvg), (PictureSize{600, 300}));
}

TEST(DrawChartTest, AnUndrawableTypeWritesNothing) {
  TempFolder folder;
  ChartDescription chart = testing::SampleChart(chart_type::kNoChart);
  EXPECT_THROW(DrawChart(chart, folder.File("c.gif"), ImageFormat::kGif), ChartError);
  EXPECT_EQ(FilesIn(folder.path()), 0u);
}

}  // namespace
}  // namespace tabulo::charts
