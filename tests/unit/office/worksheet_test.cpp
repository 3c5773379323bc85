#include "office/spreadsheet/worksheet.h"

#include <gtest/gtest.h>

#include <limits>

#include "office/spreadsheet/workbook.h"

namespace tabulo::office {
namespace {

class WorksheetTest : public ::testing::Test {
 protected:
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
};

TEST_F(WorksheetTest, ValuesReplaceEachOther) {
  sheet.SetText({1, 1}, "=not a formula");
  EXPECT_EQ(sheet.ValueAt({1, 1}), CellValue(std::string("=not a formula")));
  sheet.SetNumber({1, 1}, 2.5);
  EXPECT_EQ(sheet.ValueAt({1, 1}), CellValue(2.5));
  sheet.SetBoolean({1, 1}, true);
  EXPECT_EQ(sheet.ValueAt({1, 1}), CellValue(true));
  sheet.SetFormula({1, 1}, "=B1*2", 5.0);
  EXPECT_EQ(sheet.ValueAt({1, 1}), CellValue(Formula{"B1*2", 5.0}));
  sheet.SetRichText({1, 1}, {{"a"}, {"b"}});
  EXPECT_EQ(sheet.ValueAt({1, 1}), CellValue(RichText{{"a"}, {"b"}}));
  sheet.ClearValue({1, 1});
  EXPECT_EQ(sheet.ValueAt({1, 1}), CellValue());
  EXPECT_EQ(sheet.ValueAt({9, 9}), CellValue());
}

TEST_F(WorksheetTest, RefusesWhatAWorkbookCannotHold) {
  EXPECT_THROW(sheet.SetNumber({1, 1}, std::numeric_limits<double>::infinity()), std::invalid_argument);
  EXPECT_THROW(sheet.SetNumber({1, 1}, std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
  EXPECT_THROW(sheet.SetText({1, 1}, std::string(32768, 'x')), std::length_error);
  EXPECT_NO_THROW(sheet.SetText({1, 1}, std::string(32767, 'x')));
  EXPECT_THROW(sheet.SetFormula({1, 1}, "="), std::invalid_argument);
  EXPECT_THROW(sheet.SetText({0, 1}, "x"), std::out_of_range);
  EXPECT_THROW(sheet.SetText({1, 16385}, "x"), std::out_of_range);
  EXPECT_THROW(sheet.ApplyFormat({{1, 1}, {kMaxRows, 8}}, FormatChange{}), std::length_error);
  FormatChange too_big;
  too_big.font_size = 410;
  EXPECT_THROW(sheet.ApplyFormat(CellRange::Single({1, 1}), too_big), std::invalid_argument);
  FormatChange turned;
  turned.rotation = 91;
  EXPECT_THROW(sheet.ApplyFormat(CellRange::Single({1, 1}), turned), std::invalid_argument);
  EXPECT_THROW(sheet.SetColumnWidth(1, 256), std::invalid_argument);
  EXPECT_THROW(sheet.SetRowHeight(1, 410), std::invalid_argument);
}

TEST_F(WorksheetTest, FormatChangesTouchOnlyTheirMembers) {
  FormatChange bold;
  bold.bold = true;
  sheet.ApplyFormat({{1, 1}, {2, 2}}, bold);
  FormatChange centred;
  centred.horizontal = HorizontalAlignment::kCenter;
  centred.font_size = 8;
  sheet.ApplyFormat({{2, 2}, {3, 3}}, centred);
  EXPECT_TRUE(sheet.FormatAt({1, 1}).font.bold);
  EXPECT_EQ(sheet.FormatAt({1, 1}).font.size, 10);
  EXPECT_TRUE(sheet.FormatAt({2, 2}).font.bold);
  EXPECT_EQ(sheet.FormatAt({2, 2}).font.size, 8);
  EXPECT_EQ(sheet.FormatAt({2, 2}).alignment.horizontal, HorizontalAlignment::kCenter);
  EXPECT_FALSE(sheet.FormatAt({3, 3}).font.bold);
  EXPECT_EQ(sheet.FormatAt({4, 4}), workbook.NormalFormat());
  // A value written later keeps the format.
  sheet.SetNumber({2, 2}, 1);
  EXPECT_TRUE(sheet.FormatAt({2, 2}).font.bold);
}

TEST_F(WorksheetTest, NumberFormatGeneralInAnyCase) {
  sheet.SetNumberFormat(CellRange::Single({1, 1}), "0.0%");
  EXPECT_EQ(sheet.FormatAt({1, 1}).number_format, "0.0%");
  sheet.SetNumberFormat(CellRange::Single({1, 1}), "general");
  EXPECT_EQ(sheet.FormatAt({1, 1}).number_format, "General");
}

TEST_F(WorksheetTest, OuterBordersGoOnTheEdgeCellsOnly) {
  const BorderLine thin{BorderStyle::kThin, Colour::Automatic()};
  sheet.SetOuterBorder({{2, 2}, {4, 4}}, BorderEdge::kRight, thin);
  sheet.SetOuterBorder({{2, 2}, {4, 4}}, BorderEdge::kBottom, thin);
  EXPECT_EQ(sheet.FormatAt({2, 4}).borders.right, thin);
  EXPECT_EQ(sheet.FormatAt({3, 4}).borders.right, thin);
  EXPECT_EQ(sheet.FormatAt({3, 3}).borders.right, BorderLine{});
  EXPECT_EQ(sheet.FormatAt({4, 2}).borders.bottom, thin);
  EXPECT_EQ(sheet.FormatAt({3, 2}).borders.bottom, BorderLine{});
  EXPECT_EQ(sheet.FormatAt({4, 4}).borders, (Borders{{}, thin, {}, thin}));
}

TEST_F(WorksheetTest, NamedStylesSetTheIncludedPartsOnly) {
  NamedStyle style{"Value", workbook.NormalFormat()};
  style.format.font.size = 8;
  style.format.alignment.horizontal = HorizontalAlignment::kRight;
  style.format.number_format = "0.00";  // not included
  workbook.AddNamedStyle(style);
  sheet.SetNumberFormat(CellRange::Single({1, 1}), "0%");
  sheet.ApplyStyle(CellRange::Single({1, 1}), "Value");
  const CellFormat& format = sheet.FormatAt({1, 1});
  EXPECT_EQ(format.style_name, "Value");
  EXPECT_EQ(format.font.size, 8);
  EXPECT_EQ(format.alignment.horizontal, HorizontalAlignment::kRight);
  EXPECT_EQ(format.number_format, "0%");
  EXPECT_THROW(sheet.ApplyStyle(CellRange::Single({1, 1}), "Missing"), std::invalid_argument);
  EXPECT_THROW(workbook.AddNamedStyle({"Normal", {}}), std::invalid_argument);
  EXPECT_THROW(workbook.AddNamedStyle({"", {}}), std::invalid_argument);
}

TEST_F(WorksheetTest, MergesRefuseOverlapsAndKeepTheTopLeftValue) {
  sheet.SetText({1, 1}, "kept");
  sheet.SetText({1, 2}, "dropped");
  sheet.Merge({{1, 1}, {2, 3}});
  EXPECT_EQ(sheet.ValueAt({1, 1}), CellValue(std::string("kept")));
  EXPECT_EQ(sheet.ValueAt({1, 2}), CellValue());
  EXPECT_THROW(sheet.Merge({{2, 3}, {3, 4}}), std::invalid_argument);
  EXPECT_THROW(sheet.Merge({{1, 1}, {2, 3}}), std::invalid_argument);
  sheet.Merge({{3, 1}, {3, 3}});
  sheet.Merge(CellRange::Single({5, 5}));  // one cell: nothing to merge
  EXPECT_EQ(sheet.MergedRanges(), (std::vector<CellRange>{{{1, 1}, {2, 3}}, {{3, 1}, {3, 3}}}));
  EXPECT_EQ(sheet.MergedRangeAt({2, 2}), (CellRange{{1, 1}, {2, 3}}));
  EXPECT_EQ(sheet.MergedRangeAt({5, 5}), std::nullopt);
}

TEST_F(WorksheetTest, WidthsAndHeightsInForce) {
  EXPECT_EQ(sheet.ColumnWidth(3), kStandardColumnWidth);
  EXPECT_EQ(sheet.RowHeight(3), 12.75);  // Arial 10: 15 pixels of line and 2 of air
  sheet.SetColumnWidth(3, 20);
  sheet.SetRowHeight(3, 30);
  EXPECT_EQ(sheet.ColumnWidth(3), 20);
  EXPECT_EQ(sheet.RowHeight(3), 30);
  sheet.SetDefaultColumnWidth(10);
  sheet.SetDefaultRowHeight(15);
  EXPECT_EQ(sheet.ColumnWidth(3), 10);  // sizing all columns drops the single widths
  EXPECT_EQ(sheet.RowHeight(3), 15);
}

TEST_F(WorksheetTest, BaseFormatReachesCellsWrittenLater) {
  sheet.SetText({1, 1}, "before");
  FormatChange hidden;
  hidden.font_colour = Colour::Rgb(0xFFFFFF);
  sheet.ApplyFormatToAllCells(hidden);
  sheet.SetText({2, 2}, "after");
  EXPECT_EQ(sheet.FormatAt({1, 1}).font.colour, Colour::Rgb(0xFFFFFF));
  EXPECT_EQ(sheet.FormatAt({2, 2}).font.colour, Colour::Rgb(0xFFFFFF));
  EXPECT_EQ(sheet.FormatAt({7, 7}).font.colour, Colour::Rgb(0xFFFFFF));
  FormatChange automatic;
  automatic.font_colour = Colour::Automatic();
  sheet.ApplyFormatToAllCells(automatic);
  EXPECT_EQ(sheet.FormatAt({2, 2}).font.colour, Colour::Automatic());
  EXPECT_EQ(sheet.BaseFormat(), 0U);
}

TEST_F(WorksheetTest, HiddenTextTakesTheFillColour) {
  sheet.SetText({1, 1}, "plain");
  FormatChange yellow;
  yellow.fill = Fill{0xFFFF00};
  sheet.ApplyFormat(CellRange::Single({2, 2}), yellow);
  sheet.SetText({2, 2}, "on yellow");
  sheet.HideAllText();
  sheet.SetText({3, 3}, "later");
  EXPECT_EQ(sheet.FormatAt({1, 1}).font.colour, Colour::Rgb(0xFFFFFF));
  EXPECT_EQ(sheet.FormatAt({2, 2}).font.colour, Colour::Rgb(0xFFFF00));
  EXPECT_EQ(sheet.FormatAt({3, 3}).font.colour, Colour::Rgb(0xFFFFFF));
  EXPECT_EQ(sheet.ValueAt({2, 2}), CellValue(std::string("on yellow")));
}

TEST_F(WorksheetTest, PageSetupIsChecked) {
  PageSetup setup;
  setup.zoom = 5;
  EXPECT_THROW(sheet.SetPageSetup(setup), std::invalid_argument);
  setup.zoom = 100;
  setup.title_rows = PrintTitleSpan{3, 2};
  EXPECT_THROW(sheet.SetPageSetup(setup), std::invalid_argument);
  setup.title_rows = PrintTitleSpan{1, 2};
  setup.fit_to_pages = FitToPages{1, -1};
  EXPECT_THROW(sheet.SetPageSetup(setup), std::invalid_argument);
  setup.fit_to_pages = FitToPages{1, 1};
  sheet.SetPageSetup(setup);
  EXPECT_EQ(sheet.Page(), setup);
}

TEST_F(WorksheetTest, UsedRangeSpansTheStoredCells) {
  EXPECT_EQ(sheet.UsedRange(), std::nullopt);
  sheet.SetNumber({3, 4}, 1);
  sheet.SetNumber({5, 2}, 1);
  EXPECT_EQ(sheet.UsedRange(), (CellRange{{3, 2}, {5, 4}}));
}

TEST(WorkbookTest, SheetNamesFollowTheRules) {
  Workbook workbook;
  workbook.AddWorksheet("T1");
  EXPECT_THROW(workbook.AddWorksheet("t1"), std::invalid_argument);
  EXPECT_THROW(workbook.AddWorksheet("a/b"), std::invalid_argument);
  EXPECT_EQ(workbook.MakeValidName("t1"), "t1 (2)");
  EXPECT_EQ(workbook.AddWorksheet().Name(), "Sheet2");
  workbook.RenameSheet(0, "t1");  // its own name in another case
  EXPECT_EQ(workbook.Sheet(0).Name(), "t1");
  EXPECT_THROW(workbook.RenameSheet(0, "SHEET2"), std::invalid_argument);
  EXPECT_EQ(workbook.FindSheet("sheet2"), &workbook.Sheet(1));
  EXPECT_EQ(workbook.FindSheet("none"), nullptr);
  EXPECT_THROW(workbook.Sheet(2), std::out_of_range);
  EXPECT_THROW(workbook.SetActiveSheet(2), std::out_of_range);
}

}  // namespace
}  // namespace tabulo::office
