#include "charts/engine/picture_sizing.h"

#include <gtest/gtest.h>

#include "charts/chart_description.h"

namespace tabulo::charts::engine {
namespace {

TEST(LegendFittedHeightTest, LongRightLegendsTake22Point2PixelsPerEntryPlus52) {
  EXPECT_EQ(LegendFittedHeight(true, legend_position::kRight, 11), 300);
  EXPECT_EQ(LegendFittedHeight(true, legend_position::kRight, 12), 318);   // 318.67
  EXPECT_EQ(LegendFittedHeight(true, legend_position::kRight, 30), 718);   // 718.67
  EXPECT_EQ(LegendFittedHeight(true, legend_position::kRight, 40), 940);   // 940.89
  EXPECT_EQ(LegendFittedHeight(true, legend_position::kRight, 256), 5740);  // 5740.89
}

TEST(LegendFittedHeightTest, HiddenBottomOrShortLegendsKeep300) {
  EXPECT_EQ(LegendFittedHeight(false, legend_position::kRight, 40), 300);
  EXPECT_EQ(LegendFittedHeight(true, legend_position::kBottom, 40), 300);
  EXPECT_EQ(LegendFittedHeight(true, 3, 40), 300);
  EXPECT_EQ(LegendFittedHeight(true, legend_position::kRight, 0), 300);
}

TEST(LegendFittedHeightTest, AbsurdEntryCountsStayWithinRange) {
  EXPECT_GT(LegendFittedHeight(true, legend_position::kRight, static_cast<std::size_t>(-1)), 0);
}

TEST(ExportedPictureSizeTest, WidthFollowsHeightUpTo1024) {
  EXPECT_EQ(ExportedPictureSize(300), (PictureSize{600, 300}));
  EXPECT_EQ(ExportedPictureSize(250), (PictureSize{600, 250}));
  EXPECT_EQ(ExportedPictureSize(318), (PictureSize{636, 318}));
  EXPECT_EQ(ExportedPictureSize(511), (PictureSize{1022, 511}));
  EXPECT_EQ(ExportedPictureSize(512), (PictureSize{1024, 512}));
  EXPECT_EQ(ExportedPictureSize(718), (PictureSize{1024, 718}));
  EXPECT_EQ(ExportedPictureSize(940), (PictureSize{1024, 940}));
}

}  // namespace
}  // namespace tabulo::charts::engine
