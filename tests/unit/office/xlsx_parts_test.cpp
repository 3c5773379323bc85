#include <gtest/gtest.h>

#include "office/markup/xml_writer.h"
#include "office/spreadsheet/workbook.h"
#include "office/xlsx/column_width_units.h"
#include "office/xlsx/sml_text.h"
#include "office/xlsx/workbook_part.h"
#include "office/xlsx/xlsx_writer.h"
#include "office_test_support.h"

namespace tabulo::office {
namespace {

using office::testing::WithoutDeclaration;

const std::string kMain = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
const std::string kWorksheetStart =
    "<worksheet " + kMain +
    " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">";
const std::string kMargins =
    "<pageMargins left=\"0.75\" right=\"0.75\" top=\"1\" bottom=\"1\" header=\"0.5\" footer=\"0.5\"/>";
const std::string kArial = "<sz val=\"10\"/><name val=\"Arial\"/><family val=\"2\"/>";

std::string Part(const Workbook& workbook, std::string_view name) {
  return WithoutDeclaration(office::testing::WrittenPart(workbook, name));
}

TEST(XlsxPartsTest, SheetWithValuesAndAMerge) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.SetText({1, 1}, "Name");
  sheet.SetNumber({2, 2}, 1.5);
  sheet.SetBoolean({2, 3}, false);
  sheet.Merge({{1, 1}, {1, 2}});
  EXPECT_EQ(Part(workbook, "xl/worksheets/sheet1.xml"),
            kWorksheetStart +
                "<dimension ref=\"A1:C2\"/><sheetViews><sheetView tabSelected=\"1\" "
                "workbookViewId=\"0\"/></sheetViews>"
                "<sheetFormatPr defaultRowHeight=\"12.75\"/><sheetData>"
                "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"
                "<row r=\"2\"><c r=\"B2\"><v>1.5</v></c><c r=\"C2\" t=\"b\"><v>0</v></c></row>"
                "</sheetData><mergeCells count=\"1\"><mergeCell ref=\"A1:B1\"/></mergeCells>" +
                kMargins + "</worksheet>");
  EXPECT_EQ(Part(workbook, "xl/sharedStrings.xml"),
            "<sst " + kMain + " count=\"1\" uniqueCount=\"1\"><si><t>Name</t></si></sst>");
}

TEST(XlsxPartsTest, EveryDistinctFormatIsOneCellRecord) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  FormatChange first;
  first.bold = true;
  first.number_format = "0.0%";
  first.fill = Fill{0xFFFF00};
  first.left_border = BorderLine{BorderStyle::kThin, Colour::Rgb(0xFF0000)};
  first.horizontal = HorizontalAlignment::kCenter;
  first.vertical = VerticalAlignment::kCenter;
  first.rotation = 90;
  first.wrap_text = true;
  sheet.ApplyFormat(CellRange::Single({1, 1}), first);
  FormatChange second;
  second.rotation = -45;
  second.indent = 2;
  second.horizontal = HorizontalAlignment::kLeft;
  sheet.ApplyFormat({{1, 2}, {1, 3}}, second);
  sheet.SetNumber({1, 3}, 7);
  EXPECT_EQ(
      Part(workbook, "xl/styles.xml"),
      "<styleSheet " + kMain +
          "><numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"0.0%\"/></numFmts>"
          "<fonts count=\"2\"><font>" +
          kArial + "</font><font><b/>" + kArial +
          "</font></fonts>"
          "<fills count=\"3\"><fill><patternFill patternType=\"none\"/></fill>"
          "<fill><patternFill patternType=\"gray125\"/></fill>"
          "<fill><patternFill patternType=\"solid\"><fgColor rgb=\"FFFFFF00\"/><bgColor indexed=\"64\"/>"
          "</patternFill></fill></fills>"
          "<borders count=\"2\"><border><left/><right/><top/><bottom/><diagonal/></border>"
          "<border><left style=\"thin\"><color rgb=\"FFFF0000\"/></left><right/><top/><bottom/><diagonal/>"
          "</border></borders>"
          "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
          "borderId=\"0\"/></cellStyleXfs>"
          "<cellXfs count=\"3\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
          "<xf numFmtId=\"164\" fontId=\"1\" fillId=\"2\" borderId=\"1\" xfId=\"0\" applyNumberFormat=\"1\" "
          "applyFont=\"1\" applyFill=\"1\" applyBorder=\"1\" applyAlignment=\"1\"><alignment "
          "horizontal=\"center\" vertical=\"center\" textRotation=\"90\" wrapText=\"1\"/></xf>"
          "<xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyAlignment=\"1\">"
          "<alignment horizontal=\"left\" textRotation=\"135\" indent=\"2\"/></xf></cellXfs>"
          "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
          "</styleSheet>");
  EXPECT_NE(Part(workbook, "xl/worksheets/sheet1.xml")
                .find("<row r=\"1\"><c r=\"A1\" s=\"1\"/><c r=\"B1\" s=\"2\"/><c r=\"C1\" "
                      "s=\"2\"><v>7</v></c></row>"),
            std::string::npos);
}

TEST(XlsxPartsTest, NamedStylesAndBuiltInNumberFormats) {
  Workbook workbook;
  NamedStyle header{"Header", workbook.NormalFormat()};
  header.format.font.size = 12;
  workbook.AddNamedStyle(header);
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.ApplyStyle(CellRange::Single({1, 1}), "Header");
  sheet.SetNumberFormat(CellRange::Single({1, 2}), "0.00");
  sheet.SetNumberFormat(CellRange::Single({1, 3}), "@");
  const std::string styles = Part(workbook, "xl/styles.xml");
  EXPECT_EQ(styles.find("<numFmts"), std::string::npos);
  EXPECT_NE(
      styles.find("<cellStyleXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/>"
                  "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" applyNumberFormat=\"0\" "
                  "applyFill=\"0\" applyBorder=\"0\" applyProtection=\"0\"/></cellStyleXfs>"),
      std::string::npos);
  EXPECT_NE(
      styles.find(
          "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"1\"/>"
          "<xf numFmtId=\"2\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyNumberFormat=\"1\"/>"
          "<xf numFmtId=\"49\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\" "
          "applyNumberFormat=\"1\"/>"),
      std::string::npos);
  EXPECT_NE(styles.find("<cellStyles count=\"2\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/>"
                        "<cellStyle name=\"Header\" xfId=\"1\"/></cellStyles>"),
            std::string::npos);
}

TEST(XlsxPartsTest, RichTextRunsCarryTheirWholeFont) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.SetText({1, 1}, " lead");
  sheet.SetText({2, 1}, " lead");
  FormatChange small;
  small.font_size = 8;
  sheet.ApplyFormat(CellRange::Single({3, 1}), small);
  TextRun bold{"Bold"};
  bold.bold = true;
  TextRun red{" red"};
  red.colour = Colour::Rgb(0xFF0000);
  red.size = 12;
  sheet.SetRichText({3, 1}, {bold, red});
  EXPECT_EQ(
      Part(workbook, "xl/sharedStrings.xml"),
      "<sst " + kMain +
          " count=\"3\" uniqueCount=\"2\"><si><t xml:space=\"preserve\"> lead</t></si>"
          "<si><r><rPr><b/><sz val=\"8\"/><rFont val=\"Arial\"/><family val=\"2\"/></rPr><t>Bold</t></r>"
          "<r><rPr><sz val=\"12\"/><color rgb=\"FFFF0000\"/><rFont val=\"Arial\"/><family val=\"2\"/></rPr>"
          "<t xml:space=\"preserve\"> red</t></r></si></sst>");
}

TEST(XlsxPartsTest, FormulasCarryTheirCachedValues) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.SetFormula({1, 1}, "=\"a\"&\"b\"", std::string("ab"));
  sheet.SetFormula({2, 1}, "SUM(B1:B3)");
  sheet.SetFormula({3, 1}, "B1>0", true);
  sheet.SetFormula({4, 1}, "'T1'!$B$1", 0.25);
  const std::string xml = Part(workbook, "xl/worksheets/sheet1.xml");
  EXPECT_NE(xml.find("<row r=\"1\"><c r=\"A1\" t=\"str\"><f>\"a\"&amp;\"b\"</f><v>ab</v></c></row>"
                     "<row r=\"2\"><c r=\"A2\"><f>SUM(B1:B3)</f></c></row>"
                     "<row r=\"3\"><c r=\"A3\" t=\"b\"><f>B1&gt;0</f><v>1</v></c></row>"
                     "<row r=\"4\"><c r=\"A4\"><f>'T1'!$B$1</f><v>0.25</v></c></row>"),
            std::string::npos);
  EXPECT_NE(Part(workbook, "xl/workbook.xml").find("<calcPr fullCalcOnLoad=\"1\"/>"), std::string::npos);
}

TEST(XlsxPartsTest, WorkbookListsSheetsActiveTabAndPrintTitles) {
  Workbook workbook;
  workbook.AddWorksheet("T1");
  Worksheet& second = workbook.AddWorksheet("Bob's");
  PageSetup setup;
  setup.title_columns = PrintTitleSpan{1, 2};
  setup.title_rows = PrintTitleSpan{1, 3};
  second.SetPageSetup(setup);
  workbook.SetActiveSheet(1);
  EXPECT_EQ(Part(workbook, "xl/workbook.xml"),
            "<workbook " + kMain +
                " xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                "<bookViews><workbookView activeTab=\"1\"/></bookViews><sheets>"
                "<sheet name=\"T1\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"Bob's\" sheetId=\"2\" "
                "r:id=\"rId2\"/>"
                "</sheets><definedNames><definedName name=\"_xlnm.Print_Titles\" localSheetId=\"1\">"
                "'Bob''s'!$A:$B,'Bob''s'!$1:$3</definedName></definedNames></workbook>");
  EXPECT_NE(Part(workbook, "xl/worksheets/sheet2.xml").find("<sheetView tabSelected=\"1\""),
            std::string::npos);
  EXPECT_EQ(Part(workbook, "xl/worksheets/sheet1.xml").find("tabSelected"), std::string::npos);
  setup.title_columns.reset();
  second.SetPageSetup(setup);
  EXPECT_EQ(PrintTitlesFormula(second), "'Bob''s'!$1:$3");
  EXPECT_EQ(QuotedSheetName("T1"), "'T1'");
}

TEST(XlsxPartsTest, ColumnWidthsInTheFileUnit) {
  // 8.43 characters of a 7-pixel digit: 59 + 5 pixels, 64 / 7 = 9.142857 -> 2340/256.
  EXPECT_EQ(StoredColumnWidth(8.43, 7), 9.140625);
  // 20 characters: 140 + 5 pixels, 145 / 7 = 20.714285 -> 5302/256.
  EXPECT_EQ(StoredColumnWidth(20, 7), 20.7109375);
  EXPECT_EQ(StoredColumnWidth(0, 7), 0);

  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.SetColumnWidth(2, 12);  // 84 + 5 pixels: 89 / 7 = 12.714285 -> 3254/256
  sheet.SetColumnWidth(3, 12);
  sheet.SetColumnWidth(5, 0);
  EXPECT_NE(Part(workbook, "xl/worksheets/sheet1.xml")
                .find("<cols><col min=\"2\" max=\"3\" width=\"12.7109375\" customWidth=\"1\"/>"
                      "<col min=\"5\" max=\"5\" width=\"0\" hidden=\"1\" customWidth=\"1\"/></cols>"),
            std::string::npos);
}

TEST(XlsxPartsTest, DefaultWidthAndBaseFormatCoverEveryColumn) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.SetDefaultColumnWidth(8.43);
  sheet.SetColumnWidth(3, 20);
  FormatChange hidden;
  hidden.font_colour = Colour::Rgb(0xFFFFFF);
  sheet.ApplyFormatToAllCells(hidden);
  sheet.SetText({1, 3}, "x");
  const std::string xml = Part(workbook, "xl/worksheets/sheet1.xml");
  EXPECT_NE(
      xml.find("<cols><col min=\"1\" max=\"2\" width=\"9.140625\" style=\"1\" customWidth=\"1\"/>"
               "<col min=\"3\" max=\"3\" width=\"20.7109375\" style=\"1\" customWidth=\"1\"/>"
               "<col min=\"4\" max=\"16384\" width=\"9.140625\" style=\"1\" customWidth=\"1\"/></cols>"),
      std::string::npos);
  EXPECT_NE(xml.find("<c r=\"C1\" s=\"1\" t=\"s\">"), std::string::npos);
  EXPECT_NE(Part(workbook, "xl/styles.xml").find("<font><sz val=\"10\"/><color rgb=\"FFFFFFFF\"/>"),
            std::string::npos);
}

TEST(XlsxPartsTest, RowHeightsPageSetupAndIgnoredErrors) {
  Workbook workbook;
  Worksheet& sheet = workbook.AddWorksheet("T1");
  sheet.SetDefaultRowHeight(12.75);
  sheet.SetRowHeight(2, 30);
  for (CellRef cell : {CellRef{2, 2}, CellRef{2, 3}, CellRef{2, 4}, CellRef{4, 2}}) {
    sheet.SetText(cell, "10-15");
    sheet.IgnoreNumberStoredAsText(cell);
  }
  sheet.SetRowHeight(6, 20);
  PageSetup setup;
  setup.orientation = PageOrientation::kLandscape;
  setup.fit_to_pages = FitToPages{1, 1};
  sheet.SetPageSetup(setup);
  sheet.SelectCell({4, 2});
  const std::string xml = Part(workbook, "xl/worksheets/sheet1.xml");
  EXPECT_EQ(
      xml.substr(0, xml.find("<sheetData>")),
      kWorksheetStart +
          "<sheetPr><pageSetUpPr fitToPage=\"1\"/></sheetPr><dimension ref=\"B2:D4\"/><sheetViews>"
          "<sheetView tabSelected=\"1\" workbookViewId=\"0\"><selection activeCell=\"B4\" sqref=\"B4\"/>"
          "</sheetView></sheetViews><sheetFormatPr defaultRowHeight=\"12.75\" customHeight=\"1\"/>");
  EXPECT_NE(xml.find("<row r=\"2\" ht=\"30\" customHeight=\"1\"><c r=\"B2\" t=\"s\"><v>0</v></c>"),
            std::string::npos);
  EXPECT_NE(
      xml.find("<row r=\"6\" ht=\"20\" customHeight=\"1\"/></sheetData>" + kMargins +
               "<pageSetup fitToWidth=\"1\" fitToHeight=\"1\" orientation=\"landscape\"/>"
               "<ignoredErrors><ignoredError sqref=\"B2:D2 B4\" numberStoredAsText=\"1\"/></ignoredErrors>"
               "</worksheet>"),
      std::string::npos);
  setup = {};
  setup.zoom = 80;
  sheet.SetPageSetup(setup);
  EXPECT_NE(Part(workbook, "xl/worksheets/sheet1.xml").find("<pageSetup scale=\"80\"/>"), std::string::npos);
}

TEST(XlsxPartsTest, PackageRelationshipsAndContentTypes) {
  Workbook workbook;
  workbook.AddWorksheet("T1").SetNumber({1, 1}, 1);  // no texts: no shared strings part
  const std::vector<ZipEntry> entries = office::testing::WrittenEntries(workbook);
  EXPECT_EQ(office::testing::FindEntry(entries, "xl/sharedStrings.xml"), nullptr);
  // The customary order that file-type detection looks for.
  ASSERT_EQ(entries.size(), 8U);
  EXPECT_EQ(entries[0].name, "[Content_Types].xml");
  EXPECT_EQ(entries[1].name, "_rels/.rels");
  EXPECT_EQ(entries[2].name, "xl/worksheets/sheet1.xml");
  const std::string* workbook_rels = office::testing::FindEntry(entries, "xl/_rels/workbook.xml.rels");
  ASSERT_NE(workbook_rels, nullptr);
  EXPECT_NE(
      workbook_rels->find("<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/"
                          "2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship "
                          "Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                          "relationships/styles\" Target=\"styles.xml\"/></Relationships>"),
      std::string::npos);
  StringSink sink;
  EXPECT_THROW(WriteWorkbook(Workbook(), sink), std::invalid_argument);
  EXPECT_TRUE(sink.Bytes().empty());
}

TEST(SmlTextTest, EscapesWhatOfficeWouldDecode) {
  EXPECT_EQ(EncodeSmlText("plain"), "plain");
  EXPECT_EQ(EncodeSmlText("a_x0041_b"), "a_x005F_x0041_b");
  EXPECT_EQ(EncodeSmlText("_x12_ _xZZZZ_ _x0041"), "_x12_ _xZZZZ_ _x0041");
  EXPECT_EQ(EncodeSmlText("a\rb"), "a\rb");
  EXPECT_EQ(EncodeSmlText("a\x01\x1F"
                          "b\tc\nd"),
            "a_x0001__x001F_b\tc\nd");
  EXPECT_EQ(EncodeSmlText("\xEF\xBF\xBF"), "_xFFFF_");
  std::string out;
  XmlWriter xml(out);
  WriteSmlTextElement(xml, "t", "line\r\n");
  WriteSmlTextElement(xml, "t", "x y");
  EXPECT_EQ(out, "<t xml:space=\"preserve\">line&#13;\n</t><t>x y</t>");
}

}  // namespace
}  // namespace tabulo::office
