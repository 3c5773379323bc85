#include "office/lint/package_lint.h"

#include <gtest/gtest.h>

#include "office/xlsx/xlsx_writer.h"
#include "office_test_support.h"
#include "sample_workbook.h"

namespace tabulo::office {

void PrintTo(const LintFinding& finding, std::ostream* out) {
  *out << finding.part << ": " << finding.message;
}

namespace {

class PackageLintTest : public ::testing::Test {
 protected:
  PackageLintTest() {
    Workbook workbook;
    testing::FillSampleWorkbook(workbook, true);
    entries = testing::WrittenEntries(workbook);
  }

  // Replaces the first `from` in a part; the test fails when it is not there.
  void Change(std::string_view part, std::string_view from, std::string_view to) {
    for (ZipEntry& entry : entries) {
      if (entry.name != part) continue;
      const std::size_t at = entry.bytes.find(from);
      ASSERT_NE(at, std::string::npos) << from;
      entry.bytes.replace(at, from.size(), to);
      return;
    }
    FAIL() << "no part " << part;
  }

  std::vector<LintFinding> Findings() const { return LintPackage(entries); }

  std::vector<ZipEntry> entries;
};

TEST_F(PackageLintTest, WrittenPackageIsClean) { EXPECT_EQ(Findings(), std::vector<LintFinding>()); }

TEST_F(PackageLintTest, BadCellReferences) {
  Change("xl/worksheets/sheet1.xml", "<c r=\"C4\"", "<c r=\"4C\"");
  Change("xl/worksheets/sheet1.xml", "<c r=\"D4\"", "<c r=\"D5\"");
  EXPECT_EQ(Findings(), (std::vector<LintFinding>{{"xl/worksheets/sheet1.xml", "bad cell reference \"4C\""},
                                                  {"xl/worksheets/sheet1.xml", "cell D5 in row 4"}}));
}

TEST_F(PackageLintTest, CellsAndRowsOutOfOrder) {
  Change("xl/worksheets/sheet1.xml", "<c r=\"D4\"", "<c r=\"A4\"");
  Change("xl/worksheets/sheet1.xml", "<row r=\"5\"", "<row r=\"3\"");
  Change("xl/worksheets/sheet1.xml", "<c r=\"A5\"", "<c r=\"A3\"");
  EXPECT_EQ(Findings(), (std::vector<LintFinding>{{"xl/worksheets/sheet1.xml", "cell A4 out of order"},
                                                  {"xl/worksheets/sheet1.xml", "row 3 out of order"},
                                                  {"xl/worksheets/sheet1.xml", "cell B5 in row 3"},
                                                  {"xl/worksheets/sheet1.xml", "cell C5 in row 3"},
                                                  {"xl/worksheets/sheet1.xml", "cell D5 in row 3"}}));
}

TEST_F(PackageLintTest, OverlappingAndSingleCellMerges) {
  Change("xl/worksheets/sheet1.xml", "<mergeCell ref=\"A5:A7\"/>",
         "<mergeCell ref=\"A5:C7\"/><mergeCell ref=\"E1\"/>");
  Change("xl/worksheets/sheet1.xml", "<mergeCell ref=\"C3:D3\"/>", "<mergeCell ref=\"C3:D5\"/>");
  EXPECT_EQ(Findings(),
            (std::vector<LintFinding>{{"xl/worksheets/sheet1.xml", "merged ranges overlap: C3:D5 and A5:C7"},
                                      {"xl/worksheets/sheet1.xml", "bad merged range \"E1\""}}));
}

TEST_F(PackageLintTest, SheetNames) {
  Change("xl/workbook.xml", "name=\"T1_Ch\"", "name=\"t1\"");
  Change("xl/workbook.xml", "name=\"T1\"", "name=\"T/1\"");
  EXPECT_EQ(Findings(),
            (std::vector<LintFinding>{
                {"xl/workbook.xml", "sheet \"T/1\": a sheet name cannot hold any of [ ] : * ? / \\"}}));
  Change("xl/workbook.xml", "name=\"T/1\"", "name=\"T1\"");
  EXPECT_EQ(Findings(), (std::vector<LintFinding>{{"xl/workbook.xml", "two sheets named t1"}}));
}

TEST_F(PackageLintTest, RelationshipsAndContentTypes) {
  Change("xl/_rels/workbook.xml.rels", "Id=\"rId2\"", "Id=\"rId1\"");
  Change("xl/_rels/workbook.xml.rels", "Target=\"styles.xml\"", "Target=\"style.xml\"");
  Change("[Content_Types].xml", "<Override PartName=\"/xl/sharedStrings.xml\"",
         "<Override PartName=\"/xl/none.xml\" ContentType=\"application/xml\"/>"
         "<Override PartName=\"/xl/sharedStrings.xml\"");
  const std::vector<LintFinding> findings = Findings();
  const std::vector<LintFinding> expected{
      {"[Content_Types].xml", "override for a part that does not exist: /xl/none.xml"},
      {"xl/_rels/workbook.xml.rels", "duplicate relationship id rId1"},
      {"xl/_rels/workbook.xml.rels", "relationship rId3 names a missing part: xl/style.xml"}};
  EXPECT_EQ(findings, expected);
}

TEST_F(PackageLintTest, PartsWithoutContentTypeOrNotWellFormed) {
  entries.push_back({"xl/media/image1.png", "png"});
  Change("docProps/core.xml", "<dc:title>Tables",
         "<dc:title>Tab\x01"
         "les");
  const std::vector<LintFinding> findings = Findings();
  ASSERT_EQ(findings.size(), 2U);
  EXPECT_EQ(findings[0],
            (LintFinding{"docProps/core.xml", "not well-formed XML: PCDATA invalid Char value 1 (line 2)"}));
  EXPECT_EQ(findings[1], (LintFinding{"xl/media/image1.png", "no content type"}));
}

TEST_F(PackageLintTest, IndicesThatPointNowhere) {
  Change("xl/worksheets/sheet1.xml", "<c r=\"C4\" s=\"", "<c r=\"C4\" s=\"99");
  Change("xl/worksheets/sheet1.xml", "t=\"s\"><v>0</v>", "t=\"s\"><v>12345</v>");
  EXPECT_EQ(Findings(), (std::vector<LintFinding>{
                            {"xl/worksheets/sheet1.xml", "cell A1 names a shared string that does not exist"},
                            {"xl/worksheets/sheet1.xml", "cell C4 has a style index that does not exist"}}));
}

TEST_F(PackageLintTest, DuplicateShapeIds) {
  Change("xl/drawings/drawing1.xml", "<xdr:cNvPr id=\"3\"", "<xdr:cNvPr id=\"2\"");
  EXPECT_EQ(Findings(), (std::vector<LintFinding>{{"xl/drawings/drawing1.xml", "duplicate shape id 2"}}));
}

TEST(PackageLintWordTest, TableCellsNeedAParagraph) {
  const std::string types =
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>";
  const std::string document =
      "<w:document "
      "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body><w:tbl><w:tr>"
      "<w:tc><w:tcPr/><w:p/></w:tc><w:tc><w:tcPr/></w:tc></w:tr></w:tbl></w:body></w:document>";
  EXPECT_EQ(
      LintPackage({{"[Content_Types].xml", types}, {"word/document.xml", document}}),
      (std::vector<LintFinding>{{"word/document.xml", "table cell that does not end with a paragraph"}}));
}

}  // namespace
}  // namespace tabulo::office
