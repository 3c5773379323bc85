#include "charts/engine/label_fitting.h"

#include <gtest/gtest.h>

#include <vector>

namespace tabulo::charts::engine {
namespace {

using Widths = std::vector<double>;

TEST(PlanCategoryLabelsTest, LabelsThatFitStayOnOneLine) {
  Widths widths{30, 40};
  // A slot of 60 leaves 54 beside the gap.
  EXPECT_EQ(PlanCategoryLabels(widths, 60, 40), (CategoryLabelPlan{1, 54, 1}));
}

TEST(PlanCategoryLabelsTest, WiderLabelsWrapWhileTheSlotIsReadable) {
  Widths widths{30, 80};
  EXPECT_EQ(PlanCategoryLabels(widths, 60, 40), (CategoryLabelPlan{1, 54, 3}));
}

TEST(PlanCategoryLabelsTest, NarrowSlotsShowEveryNthLabelOverNSlots) {
  Widths widths(5, 80);
  // 40 readable + 6 gap needs ceil(46 / 20) = 3 slots: 3 × 20 − 6 = 54.
  EXPECT_EQ(PlanCategoryLabels(widths, 20, 40), (CategoryLabelPlan{3, 54, 2}));
}

TEST(PlanCategoryLabelsTest, ThinningNeverSkipsPastTheFirstLabel) {
  Widths widths(2, 80);
  EXPECT_EQ(PlanCategoryLabels(widths, 10, 40), (CategoryLabelPlan{2, 14, 2}));
}

TEST(LabelThinningTest, StackedLabelsTakeAsManySlotsAsTheyNeed) {
  EXPECT_EQ(LabelThinning(20, 13, 50), 1u);
  EXPECT_EQ(LabelThinning(10, 13, 50), 2u);
  EXPECT_EQ(LabelThinning(4, 13, 50), 4u);
  EXPECT_EQ(LabelThinning(1, 13, 5), 5u);
  EXPECT_EQ(LabelThinning(0, 13, 5), 5u);
}

}  // namespace
}  // namespace tabulo::charts::engine
