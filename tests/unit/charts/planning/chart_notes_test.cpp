#include <gtest/gtest.h>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using testing::Strings;
using ChartNotesTest = testing::ChartPlanTest;

// Score (side: a base and a mean, no categories) by Age (top).
std::string ScoreByAge() {
  std::string side = testing::RootAxisXml(
      "Side",
      testing::VariableXml(
          "Score", "Score",
          {{"SBase", "Base", "Base"}, {"Mean", "Mean", "Mean", "", "IsSingleValue=\"true\""}}),
      {"Score"});
  return testing::TableXml(
      "Name=\"S\" IsPopulated=\"true\"", side + testing::AgeTop(),
      testing::kCountAndColPercent + testing::RowsXml({{"250", "100%", "100", "100%", "150", "100%"},
                                                       {"3.1", "", "2.9", "", "3.3", ""}}));
}

TEST_F(ChartNotesTest, PerVariableNoteNamesTheVariableWithoutSuitableElements) {
  TableChartPlan plan = Plan(ScoreByAge());
  ASSERT_EQ(plan.items.size(), 2u);
  const auto* note = std::get_if<NoteItem>(&plan.items[0]);
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(note->text,
            "A category elements chart  cannot be produced from the variable 'Score' of this table -  "
            "No suitable elements are available.");
  // The special run still draws the mean; notes take no chart number.
  const auto* chart = std::get_if<ChartItem>(&plan.items[1]);
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->number, 1);
  EXPECT_EQ(chart->description.series[0].name, "Mean");
}

TEST_F(ChartNotesTest, PerVariableNoteShowsTheNestingContextInApostrophes) {
  TableChartPlan plan = Plan(testing::BrandByAgeAndGender("ShownOnTable=\"false\""));
  ASSERT_EQ(plan.items.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<ChartItem>(plan.items[0]));
  EXPECT_EQ(
      Notes(plan),
      (Strings{"A category elements chart 'Age group: Old' cannot be produced from the variable 'Gender' "
               "of this table -  No suitable elements are available."}));
}

TEST_F(ChartNotesTest, PerTableCategoryNote) {
  settings_.category_structure = chart_structure::kPerTable;
  settings_.special_structure = chart_structure::kNoChart;
  settings_.rows_as_series = false;
  EXPECT_EQ(Notes(Plan(ScoreByAge())),
            (Strings{"A category elements chart cannot be produced from the variables of this table"}));
}

TEST_F(ChartNotesTest, PerTableSpecialNote) {
  settings_.category_structure = chart_structure::kNoChart;
  settings_.special_structure = chart_structure::kPerTable;
  settings_.rows_as_series = false;
  EXPECT_EQ(Notes(Plan(ScoreByAge())),
            (Strings{"A special elements chart cannot be produced from the variables of this table."}));
}

TEST_F(ChartNotesTest, PerElementChartsWriteNoNotes) {
  settings_.category_structure = chart_structure::kPerElement;
  settings_.special_structure = chart_structure::kNoChart;
  EXPECT_TRUE(Plan(ScoreByAge()).items.empty());
}

}  // namespace
}  // namespace tabulo::charts
