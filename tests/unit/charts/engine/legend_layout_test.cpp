#include "charts/engine/legend_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulo::charts::engine {
namespace {

using Places = std::vector<LegendEntryPlace>;
using Widths = std::vector<double>;

// Key 12 + gap 6 before each text, rows of 18, columns 14 apart, padding 6.
const LegendMetrics kMetrics{};

TEST(LayoutRightLegendTest, OneColumnSizedToTheWidestText) {
  Widths widths{30, 50, 20};
  LegendLayout layout = LayoutRightLegend(widths, 200, 300, kMetrics);
  EXPECT_EQ(layout.places, (Places{{6, 6, 50}, {6, 24, 50}, {6, 42, 50}}));
  EXPECT_EQ(layout.width, 6 + 18 + 50 + 6);
  EXPECT_EQ(layout.height, 6 + 3 * 18 + 6);
}

TEST(LayoutRightLegendTest, EntriesBeyondTheHeightGoIntoMoreColumnsAsFarAsTheyFit) {
  Widths widths(5, 30);
  // Two rows fit; three columns are needed, two fit in 200 pixels
  // (each at least 12 + 6 + 40 wide plus 14 between), so one entry is left out.
  LegendLayout layout = LayoutRightLegend(widths, 200, 48, kMetrics);
  EXPECT_EQ(layout.places, (Places{{6, 6, 30}, {6, 24, 30}, {68, 6, 30}, {68, 24, 30}}));
  EXPECT_EQ(layout.width, 122);
  EXPECT_EQ(layout.height, 48);
}

TEST(LayoutRightLegendTest, LongTextsAreCutToTheRoom) {
  Widths widths{500};
  LegendLayout layout = LayoutRightLegend(widths, 100, 100, kMetrics);
  EXPECT_EQ(layout.places, (Places{{6, 6, 70}}));
  EXPECT_EQ(layout.width, 100);
}

TEST(LayoutRightLegendTest, NoRoomNoLegend) {
  Widths widths{30};
  EXPECT_TRUE(LayoutRightLegend(widths, 200, 20, kMetrics).places.empty());
  EXPECT_TRUE(LayoutRightLegend({}, 200, 200, kMetrics).places.empty());
}

TEST(LayoutBottomLegendTest, EntriesFlowIntoCentredRows) {
  Widths widths{40, 60, 100};
  LegendLayout layout = LayoutBottomLegend(widths, 200, 100, kMetrics);
  // Row one: 58 + 14 + 78 = 150 wide, centred in 188: offset 6 + 19.
  // Row two: 118 wide: offset 6 + 35.
  EXPECT_EQ(layout.places, (Places{{25, 6, 40}, {97, 6, 60}, {41, 24, 100}}));
  EXPECT_EQ(layout.width, 200);
  EXPECT_EQ(layout.height, 48);
}

TEST(LayoutBottomLegendTest, RowsBeyondTheHeightAreLeftOut) {
  Widths widths{40, 60, 100};
  LegendLayout layout = LayoutBottomLegend(widths, 200, 30, kMetrics);
  EXPECT_EQ(layout.places.size(), 2u);
  EXPECT_EQ(layout.height, 30);
}

}  // namespace
}  // namespace tabulo::charts::engine
