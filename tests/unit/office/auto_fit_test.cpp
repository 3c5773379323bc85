#include "office/spreadsheet/auto_fit.h"

#include <gtest/gtest.h>

#include "office/spreadsheet/number_display.h"
#include "office/spreadsheet/text_metrics.h"
#include "office/spreadsheet/workbook.h"

namespace tabulo::office {
namespace {

Font Arial(double size, bool bold = false) {
  Font font;
  font.size = size;
  font.bold = bold;
  return font;
}

TEST(TextMetricsTest, ArialWidths) {
  EXPECT_DOUBLE_EQ(TextWidthPoints("0", Arial(10)), 5.56);
  // M 833, a 556, l 222, e 556; bold l is 278.
  EXPECT_DOUBLE_EQ(TextWidthPoints("Male", Arial(10)), 21.67);
  EXPECT_DOUBLE_EQ(TextWidthPoints("Male", Arial(10, true)), 22.23);
  // É measures as E (667), a wide ideograph as one em.
  EXPECT_DOUBLE_EQ(TextWidthPoints("\xC3\x89", Arial(10)), 6.67);
  EXPECT_DOUBLE_EQ(TextWidthPoints("\xE4\xB8\xAD", Arial(10)), 10);
}

TEST(TextMetricsTest, DigitWidthAndLineHeight) {
  EXPECT_EQ(MaxDigitWidthPixels(Arial(10)), 7);  // 5.56 points = 7.41 pixels
  EXPECT_EQ(MaxDigitWidthPixels(Arial(11)), 8);  // 8.15 pixels
  EXPECT_EQ(MaxDigitWidthPixels(Arial(8)), 6);   // 5.93 pixels
  EXPECT_EQ(LineHeightPixels(Arial(10)), 17);    // 13.33 px × 1.117 = 14.9 -> 15, + 2
  EXPECT_EQ(LineHeightPoints(Arial(10)), 12.75);
  EXPECT_EQ(LineHeightPoints(Arial(8)), 10.5);  // 10.67 × 1.117 = 11.9 -> 12, + 2 = 14 pixels
  EXPECT_EQ(LineHeightPoints(Arial(12)), 15);   // 16 × 1.117 = 17.9 -> 18, + 2 = 20 pixels
}

TEST(NumberDisplayTest, FormatsOfTheTableLayout) {
  EXPECT_EQ(DisplayedNumber(0.125, "0.0%"), "12.5%");
  EXPECT_EQ(DisplayedNumber(0.5, "0%"), "50%");
  EXPECT_EQ(DisplayedNumber(3.14159, "0"), "3");
  EXPECT_EQ(DisplayedNumber(2.5, "0"), "3");
  EXPECT_EQ(DisplayedNumber(1.005, "0.00"), "1.01");
  EXPECT_EQ(DisplayedNumber(-0.001, "0.0"), "0.0");
  EXPECT_EQ(DisplayedNumber(1234567.891, "#,##0.00"), "1,234,567.89");
  EXPECT_EQ(DisplayedNumber(-1234.5, "#,##0"), "-1,235");
  EXPECT_EQ(DisplayedNumber(12345, "0.00E+00"), "1.23E+04");
  EXPECT_EQ(DisplayedNumber(5, "\"n=\"0"), "n=5");
  EXPECT_EQ(DisplayedNumber(45.5, "0.0;(0.0)"), "45.5");
}

TEST(NumberDisplayTest, GeneralShowsTenSignificantDigits) {
  EXPECT_EQ(DisplayedNumber(0.1 + 0.2, "General"), "0.3");
  EXPECT_EQ(DisplayedNumber(1.0 / 3, "general"), "0.333333333");
  EXPECT_EQ(DisplayedNumber(457, "@"), "457");
  EXPECT_EQ(DisplayedNumber(-12.5, "General"), "-12.5");
  EXPECT_EQ(DisplayedNumber(123456789012.0, "General"), "1.23457E+11");
  EXPECT_EQ(DisplayedNumber(0, "General"), "0");
}

class AutoFitTest : public ::testing::Test {
 protected:
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
};

TEST_F(AutoFitTest, ColumnTakesItsWidestCell) {
  // "Male": 21.67 points = 28.9 pixels -> 29, + 2 = 31; 31 / 7 = 4.428 -> 4.43.
  sheet.SetText({1, 1}, "Male");
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 1), 4.43);
  // 0.125 as "0.0%" shows "12.5%": 2835/1000 em = 28.35 points = 37.8 pixels -> 38, + 2 = 40; 40 / 7 -> 5.72.
  sheet.SetNumber({2, 1}, 0.125);
  sheet.SetNumberFormat(CellRange::Single({2, 1}), "0.0%");
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 1), 5.72);
  sheet.AutoFitColumn(1);
  EXPECT_DOUBLE_EQ(sheet.ColumnWidth(1), 5.72);
}

TEST_F(AutoFitTest, IndentsFontsAndTurnedText) {
  // "10-15" in Arial 8: 2557/1000 em = 20.456 points = 27.27 pixels, + 1 indent of 3 digits (21)
  // = 48.27 -> 49, + 2 = 51; 51 / 7 = 7.2857 -> 7.29.
  sheet.SetText({1, 2}, "10-15");
  FormatChange label;
  label.font_size = 8;
  label.indent = 1;
  label.horizontal = HorizontalAlignment::kLeft;
  sheet.ApplyFormat(CellRange::Single({1, 2}), label);
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 2), 7.29);
  // Turned by 90 degrees the text takes the line's height: 17 + 2 pixels, 19 / 7 -> 2.72.
  sheet.SetText({1, 3}, "A much longer variable label");
  FormatChange turned;
  turned.rotation = 90;
  sheet.ApplyFormat(CellRange::Single({1, 3}), turned);
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 3), 2.72);
}

TEST_F(AutoFitTest, MergedAndEmptyColumnsKeepTheDefault) {
  sheet.SetText({1, 1}, "A heading over two columns that is long");
  sheet.Merge({{1, 1}, {1, 2}});
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 1), kStandardColumnWidth);
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 5), kStandardColumnWidth);
  sheet.SetDefaultColumnWidth(10);
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 5), 10);
  sheet.SetText({1, 6}, std::string(400, 'W'));
  EXPECT_DOUBLE_EQ(FittedColumnWidth(sheet, 6), kMaxColumnWidth);
}

TEST_F(AutoFitTest, RowsTakeTheirTallestCell) {
  sheet.SetText({1, 1}, "Header");
  FormatChange large;
  large.font_size = 12;
  sheet.ApplyFormat(CellRange::Single({1, 1}), large);
  EXPECT_DOUBLE_EQ(FittedRowHeight(sheet, 1), 15);
  // Without wrapping a line feed does not add a line.
  sheet.SetText({2, 1}, "a\nb");
  EXPECT_DOUBLE_EQ(FittedRowHeight(sheet, 2), 12.75);
  // Wrapped in a standard column (64 pixels, 57 for text): "aaa bbb" is 48.2 pixels,
  // adding " ccc" makes 74.1, so two lines of 17 pixels: 34 pixels = 25.5 points.
  sheet.SetText({3, 1}, "aaa bbb ccc");
  FormatChange wrap;
  wrap.wrap_text = true;
  sheet.ApplyFormat(CellRange::Single({3, 1}), wrap);
  EXPECT_DOUBLE_EQ(FittedRowHeight(sheet, 3), 25.5);
  // Turned: "Gender" is 33.35 points = 44.47 pixels, + 7 -> 52 pixels = 39 points.
  sheet.SetText({4, 2}, "Gender");
  FormatChange turned;
  turned.rotation = 90;
  sheet.ApplyFormat(CellRange::Single({4, 2}), turned);
  EXPECT_DOUBLE_EQ(FittedRowHeight(sheet, 4), 39);
  EXPECT_DOUBLE_EQ(FittedRowHeight(sheet, 9), 12.75);
  sheet.AutoFitRows(1, 4);
  EXPECT_DOUBLE_EQ(sheet.RowHeight(3), 25.5);
}

TEST_F(AutoFitTest, RichTextUsesEachRunsFont) {
  // "Big" at 14 points: 18.67 × 1.117 = 20.85 -> 21, + 2 = 23 pixels = 17.25 points.
  TextRun big{"Big"};
  big.size = 14;
  sheet.SetRichText({1, 1}, {TextRun{"small "}, big});
  EXPECT_DOUBLE_EQ(FittedRowHeight(sheet, 1), 17.25);
}

}  // namespace
}  // namespace tabulo::office
