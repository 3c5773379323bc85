#include "charts/engine/colour.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tabulo::charts::engine {
namespace {

int Distance(Rgb a, Rgb b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

TEST(SeriesColourTest, AtLeastTwelveClearlyDistinctColoursThenRepeating) {
  ASSERT_GE(PaletteSize(), 12u);
  for (std::size_t i = 0; i < PaletteSize(); ++i) {
    EXPECT_GT(Distance(SeriesColour(i), kWhite), 100) << i;
    for (std::size_t j = i + 1; j < PaletteSize(); ++j) {
      EXPECT_GE(Distance(SeriesColour(i), SeriesColour(j)), 60) << i << " " << j;
    }
  }
  EXPECT_EQ(SeriesColour(PaletteSize()), SeriesColour(0));
  EXPECT_EQ(SeriesColour(PaletteSize() + 3), SeriesColour(3));
}

TEST(ShadedTest, ScalesEveryChannelTowardsBlack) {
  EXPECT_EQ(Shaded({200, 100, 50}, 0.5), (Rgb{100, 50, 25}));
  EXPECT_EQ(Shaded({200, 100, 51}, 0.7), (Rgb{140, 70, 36}));
  EXPECT_EQ(Shaded({200, 100, 50}, 2.0), (Rgb{255, 200, 100}));
}

}  // namespace
}  // namespace tabulo::charts::engine
