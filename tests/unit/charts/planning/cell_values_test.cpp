#include "charts/planning/cell_values.h"

#include <gtest/gtest.h>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using CellValuesTest = testing::ChartPlanTest;

TEST(CellNumberTest, EmptyTextIsZero) {
  EXPECT_EQ(CellNumber("", 0), 0.0);
  EXPECT_EQ(CellNumber("", 1031), 0.0);
}

TEST(CellNumberTest, WithoutLocaleTheLeadingDecimalNumberCounts) {
  EXPECT_EQ(CellNumber("45,5%", 0), 45.0);
  EXPECT_EQ(CellNumber("45.5%", 0), 45.5);
  EXPECT_EQ(CellNumber("  -12.25 kg", 0), -12.25);
  EXPECT_EQ(CellNumber("+3", 0), 3.0);
  EXPECT_EQ(CellNumber(".5", 0), 0.5);
  EXPECT_EQ(CellNumber("1e3", 0), 1000.0);
  EXPECT_EQ(CellNumber("*", 0), 0.0);
  EXPECT_EQ(CellNumber("-", 0), 0.0);
}

TEST(CellNumberTest, NotNumbersOfACellReadZero) {
  EXPECT_EQ(CellNumber("nan", 0), 0.0);
  EXPECT_EQ(CellNumber("inf", 0), 0.0);
  EXPECT_EQ(CellNumber("1e999", 0), 0.0);
}

TEST(CellNumberTest, WithALocaleItsSeparatorsApplyAndOneTrailingPercentGoes) {
  EXPECT_EQ(CellNumber("45,5%", 1031), 45.5);
  EXPECT_EQ(CellNumber("1.234,5", 1031), 1234.5);
  EXPECT_EQ(CellNumber("1,234.5", 1033), 1234.5);
  // What the locale cannot read is read as a plain number.
  EXPECT_EQ(CellNumber("12,5 %%", 1031), 12.0);
  EXPECT_EQ(CellNumber("7.5", 1031), 75.0);
  // An unknown locale reads plain numbers.
  EXPECT_EQ(CellNumber("7.5%", 9999), 7.5);
}

TEST_F(CellValuesTest, CellsAreAddressedByLeafAndCellItem) {
  const tables::CTable& table = Prepare(testing::GenderByAge());
  const tables::CElementHeading* male = table.SideLeaves()[1];
  const tables::CElementHeading* old = table.TopLeaves()[2];
  CellValues by_rows(table, true, 0);
  EXPECT_EQ(by_rows.Text(male, old, 0), "70");
  EXPECT_EQ(by_rows.Text(male, old, 1), "47%");
  EXPECT_EQ(by_rows.Text(nullptr, old, 0), "150");
  EXPECT_EQ(by_rows.Text(male, nullptr, 1), "44%");
  CellValues by_columns(table, false, 0);
  EXPECT_EQ(by_columns.Text(old, male, 0), "70");
  EXPECT_EQ(by_columns.Number(old, male, 1), 47.0);
}

TEST_F(CellValuesTest, CellsBeyondTheValuesAreEmpty) {
  std::string xml =
      testing::TableXml("Name=\"T\" IsPopulated=\"true\"", testing::GenderSide() + testing::AgeTop(),
                        testing::kCountAndColPercent + testing::RowsXml({{"250", "100%", "100"}, {"110"}}));
  const tables::CTable& table = Prepare(xml);
  CellValues cells(table, true, 0);
  EXPECT_EQ(cells.Text(table.SideLeaves()[1], table.TopLeaves()[0], 1), "");
  EXPECT_EQ(cells.Text(table.SideLeaves()[2], table.TopLeaves()[0], 0), "");
  EXPECT_EQ(cells.Number(table.SideLeaves()[2], table.TopLeaves()[2], 1), 0.0);
}

TEST_F(CellValuesTest, TheChartCellItemIsChosenBySettingThenCountThenFirst) {
  const tables::CTable& table = Prepare(testing::TableXml(
      "Name=\"T\" IsPopulated=\"true\"", testing::GenderSide(),
      "<CellItems><CellItem Type=\"Mean\"/><CellItem Type=\"Count\"/><CellItem Type=\"RowPercent\"/>"
      "<CellItem Type=\"Count\"/></CellItems>" +
          testing::RowsXml({{"1", "2", "3", "4"}})));
  EXPECT_EQ(ChartCellItemIndex(table, 2), 2u);   // RowPercent
  EXPECT_EQ(ChartCellItemIndex(table, 1), 1u);   // ColPercent: none, the first Count
  EXPECT_EQ(ChartCellItemIndex(table, 99), 1u);  // no such type
  const tables::CTable& no_count =
      Prepare(testing::TableXml("Name=\"T\" IsPopulated=\"true\"", testing::GenderSide(),
                                "<CellItems><CellItem Type=\"Mean\"/><CellItem Type=\"Sum\"/></CellItems>" +
                                    testing::RowsXml({{"1", "2"}})));
  EXPECT_EQ(ChartCellItemIndex(no_count, 1), 0u);
}

TEST_F(CellValuesTest, TheBaseItemIsCountThenUnweightedCounts) {
  const tables::CTable& table = Prepare(testing::TableXml(
      "Name=\"T\" IsPopulated=\"true\"", testing::GenderSide(),
      "<CellItems><CellItem Type=\"Mean\"/><CellItem Type=\"UnweightedCounts\"/><CellItem Type=\"Count\"/>"
      "</CellItems>" +
          testing::RowsXml({{"1", "2", "3"}})));
  EXPECT_EQ(BaseCellItemIndex(table, false), std::optional<std::size_t>(2));
  EXPECT_EQ(BaseCellItemIndex(table, true), std::optional<std::size_t>(0));
  const tables::CTable& unweighted = Prepare(testing::TableXml(
      "Name=\"T\" IsPopulated=\"true\"", testing::GenderSide(),
      "<CellItems><CellItem Type=\"Mean\"/><CellItem Type=\"UnweightedCounts\"/></CellItems>" +
          testing::RowsXml({{"1", "2"}})));
  EXPECT_EQ(BaseCellItemIndex(unweighted, false), std::optional<std::size_t>(1));
  const tables::CTable& neither = Prepare(
      testing::TableXml("Name=\"T\" IsPopulated=\"true\"", testing::GenderSide(),
                        "<CellItems><CellItem Type=\"Mean\"/></CellItems>" + testing::RowsXml({{"1"}})));
  EXPECT_EQ(BaseCellItemIndex(neither, false), std::nullopt);
}

}  // namespace
}  // namespace tabulo::charts
