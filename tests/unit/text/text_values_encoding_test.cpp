#include <gtest/gtest.h>

#include "scripts/text/cdata.h"
#include "scripts/text/script_error.h"
#include "scripts/text/utf16.h"
#include "scripts/text/value_rows.h"

namespace tabulo::text {
namespace {

TEST(TextValueRowsTest, OnlyCFollowedByADecimalWithoutLeadingZerosIsAValue) {
  EXPECT_EQ(ValueRows::ValueNumber("c1"), 1u);
  EXPECT_EQ(ValueRows::ValueNumber("c120"), 120u);
  EXPECT_EQ(ValueRows::ValueNumber("c999999999"), 999999999u);
  for (const char* name : {"c", "c0", "c01", "C1", "c1a", "cc1", "c-1", "x1", "c1234567890"}) {
    EXPECT_FALSE(ValueRows::ValueNumber(name).has_value()) << name;
  }
}

TEST(TextValueRowsTest, FindsValuesByNumberInRowsWrittenInAnyOrder) {
  ValueRows rows;
  rows.StartRow();
  rows.AddAttribute("id", "r1");
  rows.AddAttribute("c1", "a");
  rows.AddAttribute("c2", "");
  rows.EndRow();
  rows.StartRow();
  rows.AddAttribute("c10", "j");
  rows.AddAttribute("c3", "c");
  rows.AddAttribute("c1", "x");
  rows.EndRow();
  ASSERT_EQ(rows.Count(), 2u);
  EXPECT_EQ(rows.Value(0, 1), "a");
  EXPECT_EQ(rows.Value(0, 2), "");
  EXPECT_FALSE(rows.Value(0, 3).has_value());
  EXPECT_EQ(rows.Value(1, 1), "x");
  EXPECT_EQ(rows.Value(1, 3), "c");
  EXPECT_EQ(rows.Value(1, 10), "j");
  EXPECT_FALSE(rows.Value(1, 2).has_value());
  EXPECT_FALSE(rows.Value(2, 1).has_value());
}

TEST(TextCDataTest, LinesHoldTheFilledCellsOfARowQuoted) {
  CData data;
  data.Init(2, 3, 2, ",");
  CDatum datum;
  datum.Init(2);
  datum.AddToDatum(0, " 1 ");
  datum.AddToDatum(1, "a\"b");
  data.AddDatum(0, 2, datum);
  datum.Init(2);
  data.AddDatum(0, 0, datum);
  data.AddDatum(0, 3, datum);  // the spare column is never written
  std::string line;
  EXPECT_TRUE(data.GetLine(0, 0, line));
  EXPECT_EQ(line, "\"\",\"1\",");
  line.clear();
  EXPECT_FALSE(data.GetLine(0, 1, line));
  EXPECT_EQ(line, "\"\",\"a\"\"b\",");
  line.clear();
  EXPECT_TRUE(data.GetLine(1, 0, line));
  EXPECT_EQ(line, "");
  EXPECT_THROW(data.AddDatum(3, 0, datum), ScriptError);
  EXPECT_THROW(data.AddDatum(0, 4, datum), ScriptError);
}

TEST(TextCDataTest, NoGridGivesEmptyLinesWithoutFurtherItems) {
  CData data;
  std::string line;
  EXPECT_FALSE(data.GetLine(0, 0, line));
  EXPECT_EQ(line, "");
}

TEST(TextUtf16Test, EncodesLittleEndianWithSurrogatePairs) {
  std::string bytes;
  AppendUtf16LittleEndian("A\xC3\xA9\xE2\x80\xA2\xF0\x9F\x98\x80", bytes);  // A, U+00E9, U+2022, U+1F600
  EXPECT_EQ(bytes, std::string("A\0\xE9\0\x22\x20\x3D\xD8\x00\xDE", 10));
}

TEST(TextUtf16Test, AnyCodeUnitSurvivesTheRoundTrip) {
  for (unsigned unit : {0x0000u, 0x007Fu, 0x0080u, 0x07FFu, 0x0800u, 0xD800u, 0xDFFFu, 0xFFFFu}) {
    std::string bytes;
    AppendUtf16LittleEndian(CodeUnitAsUtf8(static_cast<std::uint16_t>(unit)), bytes);
    EXPECT_EQ(bytes, std::string({static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)})) << unit;
  }
}

TEST(TextUtf16Test, BrokenBytesBecomeReplacementCharacters) {
  std::string bytes;
  AppendUtf16LittleEndian("\xC3", bytes);
  AppendUtf16LittleEndian(
      "\xFF"
      "a",
      bytes);
  EXPECT_EQ(bytes, std::string("\xFD\xFF\xFD\xFF"
                               "a\0",
                               6));
}

}  // namespace
}  // namespace tabulo::text
