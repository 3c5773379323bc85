#include <gtest/gtest.h>

#include "office/lint/package_lint.h"
#include "office/spreadsheet/workbook.h"
#include "office/xlsx/drawing_part.h"
#include "office/xlsx/xlsx_writer.h"
#include "office_test_support.h"
#include "sample_workbook.h"

namespace tabulo::office {
namespace {

using testing::FindEntry;
using testing::SchemaErrors;
using testing::WrittenEntries;

TEST(XlsxValidationTest, MinimalWorkbookIsValidAndClean) {
  Workbook workbook;
  workbook.AddWorksheet("T1").SetNumber({1, 1}, 42);
  const std::vector<ZipEntry> entries = WrittenEntries(workbook);
  EXPECT_EQ(SchemaErrors(entries), std::vector<std::string>());
  EXPECT_EQ(LintPackage(entries), std::vector<LintFinding>());
}

TEST(XlsxValidationTest, TableLayoutWorkbookIsValidAndClean) {
  Workbook workbook;
  testing::FillSampleWorkbook(workbook, false);
  const std::vector<ZipEntry> entries = WrittenEntries(workbook);
  // Content types, 2 relationship parts, 2 properties, workbook, 2 sheets, styles, strings.
  EXPECT_EQ(entries.size(), 10U);
  EXPECT_EQ(SchemaErrors(entries), std::vector<std::string>());
  EXPECT_EQ(LintPackage(entries), std::vector<LintFinding>());
}

TEST(XlsxValidationTest, DrawingsAreValidAndClean) {
  Workbook workbook;
  testing::FillSampleWorkbook(workbook, true);
  const std::vector<ZipEntry> entries = WrittenEntries(workbook);
  ASSERT_NE(FindEntry(entries, "xl/drawings/drawing1.xml"), nullptr);
  const std::string* sheet_rels = FindEntry(entries, "xl/worksheets/_rels/sheet2.xml.rels");
  ASSERT_NE(sheet_rels, nullptr);
  EXPECT_NE(sheet_rels->find("Target=\"../drawings/drawing1.xml\""), std::string::npos);
  EXPECT_NE(FindEntry(entries, "xl/worksheets/sheet2.xml")->find("<drawing r:id=\"rId1\"/></worksheet>"),
            std::string::npos);
  EXPECT_EQ(SchemaErrors(entries), std::vector<std::string>());
  EXPECT_EQ(LintPackage(entries), std::vector<LintFinding>());
}

TEST(XlsxValidationTest, ValidatorCatchesChildrenOutOfOrder) {
  const std::string misordered =
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
      "<mergeCells count=\"1\"><mergeCell ref=\"A1:B1\"/></mergeCells><sheetData/></worksheet>";
  EXPECT_FALSE(testing::Schemas().Validate("sheet.xml", misordered).empty());
  EXPECT_TRUE(
      testing::Schemas()
          .Validate("sheet.xml",
                    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                    "<sheetData/><mergeCells count=\"1\"><mergeCell ref=\"A1:B1\"/></mergeCells></worksheet>")
          .empty());
}

TEST(DrawingPartTest, AnchorsFollowColumnWidthsAndRowHeights) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  // Standard columns are 59 + 5 = 64 pixels (48 points); rows 12.75 points.
  EXPECT_EQ(AnchorAt(sheet, 20, 20), (CellAnchor{0, 20 * kEmuPerPoint, 1, 92075}));
  EXPECT_EQ(AnchorAt(sheet, 420, 250), (CellAnchor{8, 36 * kEmuPerPoint, 19, 98425}));
  sheet.SetColumnWidth(1, 20);  // 145 pixels: 108.75 points
  sheet.SetRowHeight(1, 30);
  EXPECT_EQ(AnchorAt(sheet, 110, 30), (CellAnchor{1, 15875, 1, 0}));
  // Rows 2 to 999 standard (998 × 12.75 = 12724.5), row 1000 of 40 points.
  sheet.SetRowHeight(1000, 40);
  EXPECT_EQ(AnchorAt(sheet, 0, 30 + 12724.5 + 10), (CellAnchor{0, 0, 999, 10 * kEmuPerPoint}));
  EXPECT_EQ(AnchorAt(sheet, 0, 30 + 12724.5 + 40 + 5), (CellAnchor{0, 0, 1000, 5 * kEmuPerPoint}));
  EXPECT_EQ(AnchorAt(sheet, 0, 30 + 12724.5 + 40 + 13), (CellAnchor{0, 0, 1001, 3175}));
  // 997 standard rows fit above 12753.5: row 999 holds it, 11.75 points down.
  EXPECT_EQ(AnchorAt(sheet, 0, 30 + 12724.5 - 1), (CellAnchor{0, 0, 998, 149225}));
}

TEST(DrawingPartTest, AnchorsWrapTheObjects) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.AddDrawing(std::make_unique<testing::RectangleDrawing>(PointFrame{20, 20, 400, 230}));
  EXPECT_THROW(sheet.AddDrawing(std::make_unique<testing::RectangleDrawing>(PointFrame{0, 0, 0, 10})),
               std::invalid_argument);
  EXPECT_EQ(testing::WithoutDeclaration(testing::WrittenPart(workbook, "xl/drawings/drawing1.xml")),
            "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\" "
            "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
            "<xdr:twoCellAnchor editAs=\"oneCell\">"
            "<xdr:from><xdr:col>0</xdr:col><xdr:colOff>254000</xdr:colOff><xdr:row>1</xdr:row>"
            "<xdr:rowOff>92075</xdr:rowOff></xdr:from>"
            "<xdr:to><xdr:col>8</xdr:col><xdr:colOff>457200</xdr:colOff><xdr:row>19</xdr:row>"
            "<xdr:rowOff>98425</xdr:rowOff></xdr:to>"
            "<xdr:sp macro=\"\" textlink=\"\"><xdr:nvSpPr><xdr:cNvPr id=\"2\" name=\"Box 2\"/><xdr:cNvSpPr/>"
            "</xdr:nvSpPr><xdr:spPr><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></xdr:spPr></xdr:sp>"
            "<xdr:clientData/></xdr:twoCellAnchor></xdr:wsDr>");
}

}  // namespace
}  // namespace tabulo::office
