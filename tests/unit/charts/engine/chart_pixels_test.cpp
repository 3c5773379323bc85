#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "charts/chart_description.h"
#include "charts/engine/chart_error.h"
#include "charts/engine/colour.h"
#include "charts/engine/raster_image.h"
#include "charts/engine/chart_samples.h"

namespace tabulo::charts {
namespace {

using engine::Rgb;
using engine::SeriesColour;
using testing::Argb;
using testing::CountColour;
using testing::kOpaqueWhite;
using testing::PixelRun;
using testing::RunsInColumn;
using testing::RunsInRow;

constexpr PictureSize kSize{600, 300};
const std::uint32_t kFirst = Argb(SeriesColour(0));
const std::uint32_t kSecond = Argb(SeriesColour(1));

ChartDescription Bare(std::int32_t type, std::vector<std::string> categories, std::vector<ChartSeries> series) {
  ChartDescription chart;
  chart.type = type;
  chart.categories = std::move(categories);
  chart.series = std::move(series);
  return chart;
}

// The colour is a darker shade of the reference: every channel scaled down
// by about the same factor.
bool IsShadeOf(std::uint32_t pixel, Rgb reference) {
  Rgb colour = testing::RgbOf(pixel);
  double red = static_cast<double>(colour.red) / reference.red;
  double green = static_cast<double>(colour.green) / reference.green;
  double blue = static_cast<double>(colour.blue) / reference.blue;
  return red > 0.4 && red < 0.95 && std::fabs(red - green) < 0.06 && std::fabs(red - blue) < 0.06;
}

TEST(ColumnPixelsTest, SeriesColourInsideTheBarWhiteOutsideThePlot) {
  RasterImage image = RenderChart(Bare(chart_type::kColumnClustered, {"A"}, {{"s", {10}}}), kSize);
  ASSERT_EQ(image.width, 600);
  ASSERT_EQ(image.height, 300);
  std::vector<PixelRun> runs = RunsInRow(image, 150, kFirst);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_GT(runs[0].Length(), 100);
  EXPECT_EQ(image.At(runs[0].first - 3, 150), kOpaqueWhite);
  EXPECT_EQ(image.At(runs[0].last + 3, 150), kOpaqueWhite);
  // 10 on an axis from 0 to 10 fills the plot from top to bottom.
  std::vector<PixelRun> column = RunsInColumn(image, runs[0].Middle(), kFirst);
  ASSERT_EQ(column.size(), 1u);
  EXPECT_LT(column[0].first, 20);
  EXPECT_GT(column[0].last, 250);
  for (auto [x, y] : {std::pair{1, 1}, {598, 1}, {1, 298}, {598, 298}, {300, 2}, {2, 150}, {597, 150}}) {
    EXPECT_EQ(image.At(x, y), kOpaqueWhite) << x << "," << y;
  }
}

TEST(ColumnPixelsTest, BarHeightsAreProportionalToTheValues) {
  RasterImage image = RenderChart(Bare(chart_type::kColumnClustered, {"A", "B"}, {{"s", {10, 5}}}), kSize);
  std::vector<PixelRun> bars;
  for (std::int32_t y = image.height - 1; y >= 0 && bars.size() != 2; --y) bars = RunsInRow(image, y, kFirst);
  ASSERT_EQ(bars.size(), 2u);
  int tall = RunsInColumn(image, bars[0].Middle(), kFirst).at(0).Length();
  int half = RunsInColumn(image, bars[1].Middle(), kFirst).at(0).Length();
  EXPECT_NEAR(2 * half, tall, 2);
}

TEST(ColumnPixelsTest, StackedSeriesSitOnTopOfEachOther) {
  RasterImage image =
      RenderChart(Bare(chart_type::kColumnStacked, {"A"}, {{"s", {3}}, {"t", {3}}}), kSize);
  std::vector<PixelRun> runs = RunsInRow(image, image.height - 40, kFirst);
  ASSERT_EQ(runs.size(), 1u);
  std::vector<PixelRun> lower = RunsInColumn(image, runs[0].Middle(), kFirst);
  std::vector<PixelRun> upper = RunsInColumn(image, runs[0].Middle(), kSecond);
  ASSERT_EQ(lower.size(), 1u);
  ASSERT_EQ(upper.size(), 1u);
  EXPECT_EQ(upper[0].last + 1, lower[0].first);
  EXPECT_NEAR(upper[0].Length(), lower[0].Length(), 1);
}

TEST(ColumnPixelsTest, FixedPercentageScaleClipsValuesAbove100) {
  ChartDescription full = Bare(chart_type::kColumnClustered, {"A"}, {{"s", {100}}});
  full.number_format = {true, true, 0};
  ChartDescription over = full;
  over.series[0].values = {150};
  RasterImage at_full = RenderChart(full, kSize);
  RasterImage beyond = RenderChart(over, kSize);
  std::int32_t x = RunsInRow(at_full, 150, kFirst).at(0).Middle();
  EXPECT_EQ(RunsInColumn(beyond, x, kFirst).at(0).first, RunsInColumn(at_full, x, kFirst).at(0).first);
}

// The mean height of the rows where the bars are long, and where they are short.
std::pair<double, double> LongAndShortRows(const RasterImage& image) {
  int longest = 0;
  std::vector<int> lengths;
  for (std::int32_t y = 0; y < image.height; ++y) {
    int length = 0;
    for (const PixelRun& run : RunsInRow(image, y, kFirst)) length += run.Length();
    lengths.push_back(length);
    longest = std::max(longest, length);
  }
  double long_sum = 0, long_count = 0, short_sum = 0, short_count = 0;
  for (std::size_t y = 0; y < lengths.size(); ++y) {
    if (lengths[y] > longest * 8 / 10) {
      long_sum += static_cast<double>(y);
      ++long_count;
    } else if (lengths[y] > 0 && lengths[y] < longest / 2) {
      short_sum += static_cast<double>(y);
      ++short_count;
    }
  }
  return {long_sum / long_count, short_sum / short_count};
}

TEST(BarPixelsTest, VariablePreviewDrawsTheFirstCategoryAtTheTop) {
  auto [long_rows, short_rows] =
      LongAndShortRows(RenderChart(Bare(chart_type::kVariablePreview, {"A", "B", "C"}, {{"s", {10, 2, 2}}}), kSize));
  EXPECT_LT(long_rows, short_rows);
}

TEST(BarPixelsTest, BarChartsListCategoriesUpwards) {
  auto [long_rows, short_rows] =
      LongAndShortRows(RenderChart(Bare(chart_type::kBarClustered, {"A", "B", "C"}, {{"s", {10, 2, 2}}}), kSize));
  EXPECT_GT(long_rows, short_rows);
}

TEST(PiePixelsTest, FirstSliceStartsAtTwelveOClockGoingClockwise) {
  // Two equal slices: the first takes the right half, the second the left.
  RasterImage image = RenderChart(Bare(chart_type::kPie, {"a", "b"}, {{"s", {1, 1}}}), kSize);
  EXPECT_EQ(image.At(340, 150), kFirst);
  EXPECT_EQ(image.At(260, 150), kSecond);
}

TEST(PiePixelsTest, OnlyTheFirstSeriesIsDrawn) {
  RasterImage image =
      RenderChart(Bare(chart_type::kPie, {"a", "b"}, {{"s", {1, 1}}, {"t", {1, 100}}}), kSize);
  int first = CountColour(image, kFirst);
  int second = CountColour(image, kSecond);
  EXPECT_GT(first, 10000);
  EXPECT_NEAR(first, second, first / 50);
}

TEST(PiePixelsTest, SeparatedSlicesLeaveTheCentreOpen) {
  RasterImage whole = RenderChart(Bare(chart_type::kPie, {"a", "b"}, {{"s", {1, 1}}}), kSize);
  RasterImage apart = RenderChart(Bare(chart_type::kPieExploded, {"a", "b"}, {{"s", {1, 1}}}), kSize);
  EXPECT_EQ(whole.At(306, 110), kFirst);
  EXPECT_EQ(apart.At(306, 110), kOpaqueWhite);
}

TEST(PiePixelsTest, ThreeDimensionalPieShowsADarkerSideWallBelowTheFrontSlice) {
  // The second slice (three quarters, from three o'clock on) covers the front.
  RasterImage image = RenderChart(Bare(chart_type::k3DPie, {"a", "b"}, {{"s", {1, 3}}}), kSize);
  std::vector<PixelRun> top = RunsInColumn(image, 305, kSecond);
  ASSERT_FALSE(top.empty());
  std::int32_t below = top.back().last + 6;
  ASSERT_LT(below, image.height);
  EXPECT_TRUE(IsShadeOf(image.At(305, below), SeriesColour(1)));
}

TEST(PiePixelsTest, APieWithoutSeriesIsBlank) {
  RasterImage image = RenderChart(Bare(chart_type::kPie, {"a"}, {}), kSize);
  EXPECT_EQ(CountColour(image, kOpaqueWhite), 600 * 300);
}

TEST(ThreeDimensionalPixelsTest, ColumnsShowADarkerSideFace) {
  RasterImage image = RenderChart(Bare(chart_type::k3DColumnClustered, {"A"}, {{"s", {10}}}), kSize);
  std::vector<PixelRun> runs = RunsInRow(image, 150, kFirst);
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_TRUE(IsShadeOf(image.At(runs[0].last + 3, 150), SeriesColour(0)));
}

TEST(ThreeDimensionalPixelsTest, LaterSeriesStandBehindAndAbove) {
  RasterImage image =
      RenderChart(Bare(chart_type::k3DColumn, {"A", "B"}, {{"s", {5, 5}}, {"t", {5, 5}}}), kSize);
  double x_first = 0, y_first = 0, x_second = 0, y_second = 0;
  int first = 0, second = 0;
  for (std::int32_t y = 0; y < image.height; ++y) {
    for (std::int32_t x = 0; x < image.width; ++x) {
      if (image.At(x, y) == kFirst) {
        x_first += x, y_first += y, ++first;
      } else if (image.At(x, y) == kSecond) {
        x_second += x, y_second += y, ++second;
      }
    }
  }
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  EXPECT_GT(x_second / second, x_first / first);
  EXPECT_LT(y_second / second, y_first / first);
}

TEST(LinePixelsTest, MarkersAddToTheLine) {
  ChartDescription line = Bare(chart_type::kLine, {"A", "B"}, {{"s", {5, 5}}});
  RasterImage plain = RenderChart(line, kSize);
  std::vector<PixelRun> crossing = RunsInColumn(plain, 300, kFirst);
  ASSERT_EQ(crossing.size(), 1u);
  EXPECT_LE(crossing[0].Length(), 3);
  line.type = chart_type::kLineMarkers;
  EXPECT_GT(CountColour(RenderChart(line, kSize), kFirst), CountColour(plain, kFirst));
}

TEST(LegendPixelsTest, RightLegendStandsRightBottomLegendBelow) {
  ChartDescription chart = testing::SampleChart(chart_type::kColumnClustered);
  chart.legend = {true, legend_position::kRight};
  RasterImage right = RenderChart(chart, kSize);
  chart.legend = {true, legend_position::kBottom};
  RasterImage bottom = RenderChart(chart, kSize);
  auto found = [](const RasterImage& image, auto where) {
    for (std::int32_t y = 0; y < image.height; ++y) {
      for (std::int32_t x = 0; x < image.width; ++x) {
        if (image.At(x, y) == kSecond && where(x, y)) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(found(right, [](int x, int) { return x > 510; }));
  EXPECT_FALSE(found(right, [](int, int y) { return y > 262; }));
  EXPECT_TRUE(found(bottom, [](int, int y) { return y > 262; }));
}

TEST(OverflowPixelsTest, LongTextsStayInsideThePicture) {
  std::string long_text(400, 'W');
  for (std::int32_t type : testing::DrawableTypes()) {
    ChartDescription chart = testing::SampleChart(type);
    chart.title = long_text + "\n" + long_text;
    chart.category_axis_title = long_text;
    chart.value_axis_title = long_text;
    chart.categories = {long_text, "a " + long_text, long_text};
    chart.series[0].name = long_text;
    RasterImage image = RenderChart(chart, kSize);
    for (std::int32_t i = 0; i < 4; ++i) {
      for (std::int32_t x = 0; x < image.width; ++x) {
        ASSERT_EQ(image.At(x, i), kOpaqueWhite) << type << " top " << x;
        ASSERT_EQ(image.At(x, image.height - 1 - i), kOpaqueWhite) << type << " bottom " << x;
      }
      for (std::int32_t y = 0; y < image.height; ++y) {
        ASSERT_EQ(image.At(i, y), kOpaqueWhite) << type << " left " << y;
        ASSERT_EQ(image.At(image.width - 1 - i, y), kOpaqueWhite) << type << " right " << y;
      }
    }
  }
}

TEST(RenderChartTest, UndrawableTypesAndSizesFail) {
  EXPECT_THROW(RenderChart(Bare(chart_type::kNoChart, {"a"}, {{"s", {1}}}), kSize), ChartError);
  EXPECT_THROW(RenderChart(Bare(2, {"a"}, {{"s", {1}}}), kSize), ChartError);
  EXPECT_THROW(RenderChart(Bare(0, {"a"}, {{"s", {1}}}), {0, 300}), ChartError);
  EXPECT_THROW(RenderChart(Bare(0, {"a"}, {{"s", {1}}}), {600, 40000}), ChartError);
}

}  // namespace
}  // namespace tabulo::charts
