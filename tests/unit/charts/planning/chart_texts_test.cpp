#include "charts/planning/chart_texts.h"

#include <gtest/gtest.h>

#include "chart_plan_fixture.h"
#include "charts/planning/markup_stripper.h"

namespace tabulo::charts {
namespace {

using testing::Strings;
using ChartTextsTest = testing::ChartPlanTest;

TEST(MarkupStripperTest, MarkupLosesItsTagsAndReferencesAreResolved) {
  EXPECT_EQ(StripMarkup("<b>Male</b> <i>18+</i>"), "Male 18+");
  EXPECT_EQ(StripMarkup("R&amp;D &lt;5 &#x00C4;"), "R&D <5 \xC3\x84");
  EXPECT_EQ(StripMarkup("It&apos;s &quot;ok&quot;"), "It's \"ok\"");
}

TEST(MarkupStripperTest, TextThatIsNotMarkupStaysAsItIs) {
  EXPECT_EQ(StripMarkup("R&D"), "R&D");
  EXPECT_EQ(StripMarkup("a < b"), "a < b");
  EXPECT_EQ(StripMarkup("<b>open"), "<b>open");
  EXPECT_EQ(StripMarkup("Caf\xC3\xA9 / 100%"), "Caf\xC3\xA9 / 100%");
  EXPECT_EQ(StripMarkup("&nbsp;"), "&nbsp;");
}

TEST(ChartMessagesTest, NotesReadExactly) {
  EXPECT_EQ(CategoryChartNote(),
            "A category elements chart cannot be produced from the variables of this table");
  EXPECT_EQ(SpecialChartNote(),
            "A special elements chart cannot be produced from the variables of this table.");
  EXPECT_EQ(
      NoSuitableElementsNote("Age: Old", "Gender"),
      "A category elements chart 'Age: Old' cannot be produced from the variable 'Gender' of this table -  "
      "No suitable elements are available.");
  EXPECT_EQ(FrequencyText(), "Frequency");
}

TEST(ChartMessagesTest, InsertsAreNotReadAsInserts) {
  EXPECT_EQ(NoSuitableElementsNote("", "%1 and %2!s!"),
            "A category elements chart  cannot be produced from the variable '%1 and %2!s!' of this table -  "
            "No suitable elements are available.");
}

TEST(ChartMessagesTest, CellItemTypeNames) {
  EXPECT_EQ(CellItemTypeText(0), "Count");
  EXPECT_EQ(CellItemTypeText(10), "CumRowPercent");
  EXPECT_EQ(CellItemTypeText(31), "RowRanks");
  EXPECT_EQ(CellItemTypeText(32), "");
  EXPECT_EQ(CellItemTypeText(-1), "");
}

TEST_F(ChartTextsTest, FormattedLabelsReachTheChartAsPlainText) {
  context_.use_formatted_labels = true;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "Label=\"Male\"", "Label=\"&lt;b&gt;Men&lt;/b&gt;\"");
  testing::ReplaceFirst(xml, "Label=\"Female\"", "Label=\"R&amp;D\"");
  testing::ReplaceFirst(xml, "Label=\"Sex\"", "Label=\"&lt;i&gt;Sex&lt;/i&gt;\"");
  testing::ReplaceFirst(xml, "Description=\"Sex by age\"", "Description=\"Sex &amp; age\"");
  settings_.category_structure = chart_structure::kPerTable;
  settings_.rows_as_series = false;
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(chart.categories, (Strings{"Men", "R&D"}));
  EXPECT_EQ(chart.category_axis_title, "Sex");
  EXPECT_EQ(chart.title, "Sex & age");
}

TEST_F(ChartTextsTest, UnformattedLabelsThatLookLikeMarkupStayAsWritten) {
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "Label=\"Female\"", "Label=\"R&amp;D\"");
  ChartDescription chart = SingleChart(Plan(xml));
  EXPECT_EQ(SeriesNames(chart), (Strings{"Male", "R&D"}));
}

TEST_F(ChartTextsTest, NestingContextsAreThePathOfDisplayTexts) {
  const tables::CTable& table = Prepare(testing::BrandByAgeAndGender());
  const tables::CAxisHeading* gender_under_old = table.TopLeaves()[2]->ParentAxisHeading();
  EXPECT_EQ(NestingContext(gender_under_old), "Age group: Old");
  EXPECT_EQ(PrefixedElementLabel(*table.TopLeaves()[3]), "Old, Female");
  EXPECT_EQ(NestingContext(table.SideLeaves()[0]->ParentAxisHeading()), "");
  EXPECT_EQ(NestingContext(nullptr), "");
  EXPECT_EQ(VariableLabel(nullptr, true), "Frequency");
  EXPECT_EQ(ElementLabel(nullptr), "Frequency");
}

}  // namespace
}  // namespace tabulo::charts
