#include "office/spreadsheet/cell_reference.h"

#include <gtest/gtest.h>

namespace tabulo::office {
namespace {

TEST(CellReferenceTest, ColumnLetters) {
  EXPECT_EQ(ColumnName(1), "A");
  EXPECT_EQ(ColumnName(26), "Z");
  EXPECT_EQ(ColumnName(27), "AA");
  EXPECT_EQ(ColumnName(52), "AZ");
  EXPECT_EQ(ColumnName(53), "BA");
  EXPECT_EQ(ColumnName(256), "IV");
  EXPECT_EQ(ColumnName(702), "ZZ");
  EXPECT_EQ(ColumnName(703), "AAA");
  EXPECT_EQ(ColumnName(16384), "XFD");
}

TEST(CellReferenceTest, NamesOfCellsAndRanges) {
  EXPECT_EQ(CellName({3, 2}), "B3");
  EXPECT_EQ(CellName({1048576, 16384}), "XFD1048576");
  EXPECT_EQ(CellName({12, 28}, true), "$AB$12");
  EXPECT_EQ(RangeName({{1, 1}, {4, 3}}), "A1:C4");
  EXPECT_EQ(RangeName(CellRange::Single({2, 2})), "B2");
  EXPECT_EQ(RangeName({{1, 1}, {2, 2}}, true), "$A$1:$B$2");
}

TEST(CellReferenceTest, ParsesWhatItWrites) {
  EXPECT_EQ(ParseCellName("B3"), (CellRef{3, 2}));
  EXPECT_EQ(ParseCellName("$ab$12"), (CellRef{12, 28}));
  EXPECT_EQ(ParseCellName("XFD1048576"), (CellRef{1048576, 16384}));
  EXPECT_EQ(ParseRangeName("C4:A1"), (CellRange{{1, 1}, {4, 3}}));
  EXPECT_EQ(ParseRangeName("D7"), CellRange::Single({7, 4}));
}

TEST(CellReferenceTest, RefusesMalformedOrOutsideReferences) {
  for (std::string_view bad :
       {"", "3B", "B", "3", "B0", "B03", "B-1", "XFE1", "A1048577", "AAAA1", "B3 ", "B3x", "$$B3", "B+3"}) {
    EXPECT_FALSE(ParseCellName(bad).has_value()) << bad;
  }
  EXPECT_FALSE(ParseRangeName("A1:").has_value());
  EXPECT_FALSE(ParseRangeName("A1:B2:C3").has_value());
}

TEST(CellReferenceTest, RangeGeometry) {
  const CellRange range{{2, 2}, {4, 5}};
  EXPECT_EQ(range.RowCount(), 3);
  EXPECT_EQ(range.ColumnCount(), 4);
  EXPECT_EQ(range.CellCount(), 12);
  EXPECT_TRUE(range.Contains({4, 5}));
  EXPECT_FALSE(range.Contains({5, 5}));
  EXPECT_TRUE(range.Intersects({{4, 5}, {9, 9}}));
  EXPECT_FALSE(range.Intersects({{5, 1}, {9, 9}}));
  EXPECT_FALSE(range.Intersects({{1, 6}, {9, 9}}));
  EXPECT_TRUE(IsValidRange(range));
  EXPECT_FALSE(IsValidRange({{4, 2}, {2, 5}}));
  EXPECT_FALSE(IsValidRange({{0, 1}, {2, 5}}));
  EXPECT_THROW(CheckCell({1, 16385}), std::out_of_range);
}

}  // namespace
}  // namespace tabulo::office
