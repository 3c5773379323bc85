#include "office/xlsx/workbook_file.h"

#include <gtest/gtest.h>

#include "office/spreadsheet/formula_references.h"
#include "office_test_support.h"
#include "sample_workbook.h"
#include "support/temp_folder.h"

namespace tabulo::office {
namespace {

// A workbook of `tables` table sheets, each with a chart-like drawing.
void FillTables(Workbook& workbook, int tables, WorkbookFile* file) {
  for (int table = 1; table <= tables; ++table) {
    Worksheet& sheet = workbook.AddWorksheet("T" + std::to_string(table));
    sheet.SetText({1, 1}, "Table " + std::to_string(table));
    sheet.SetNumber({2, 2}, table * 1.5);
    sheet.AddDrawing(std::make_unique<testing::RectangleDrawing>(PointFrame{10, 40, 300, 200}));
    if (file != nullptr) file->WriteOutSheetsBefore(workbook.WorksheetCount());
  }
}

class WorkbookFileTest : public ::testing::Test {
 protected:
  tabulo::testing::TempFolder folder;
};

// Sheets written out as they are finished give the very file that saving
// the whole workbook at the end gives.
TEST_F(WorkbookFileTest, WritingOutEarlyGivesTheSameFile) {
  Workbook whole;
  FillTables(whole, 3, nullptr);
  const std::string saved = folder.File("whole.xlsx");
  SaveWorkbook(whole, saved);

  Workbook streamed;
  const std::string path = folder.File("streamed.xlsx");
  WorkbookFile file(streamed, path);
  FillTables(streamed, 3, &file);
  EXPECT_FALSE(std::filesystem::exists(path));  // not before the commit
  file.Commit();
  EXPECT_EQ(tabulo::testing::ReadFile(path), tabulo::testing::ReadFile(saved));

  const std::vector<ZipEntry> entries = ReadZipFile(path);
  EXPECT_EQ(testing::SchemaErrors(entries), std::vector<std::string>());
  const std::string* sheet3 = testing::FindEntry(entries, "xl/worksheets/sheet3.xml");
  ASSERT_NE(sheet3, nullptr);
  EXPECT_NE(sheet3->find("<v>4.5</v>"), std::string::npos);
  EXPECT_NE(testing::FindEntry(entries, "xl/drawings/drawing3.xml"), nullptr);
}

TEST_F(WorkbookFileTest, WrittenSheetsAreReleased) {
  Workbook workbook;
  WorkbookFile file(workbook, folder.File("out.xlsx"));
  FillTables(workbook, 2, &file);
  Worksheet& first = workbook.Sheet(0);
  EXPECT_TRUE(first.Released());
  EXPECT_EQ(first.Name(), "T1");
  EXPECT_THROW(first.ValueAt({1, 1}), std::logic_error);
  EXPECT_THROW(first.SetNumber({1, 1}, 1), std::logic_error);
  EXPECT_THROW(first.Merge({{1, 1}, {1, 2}}), std::logic_error);
  EXPECT_THROW(first.SetRowHeight(3, 20), std::logic_error);
  EXPECT_TRUE(first.Drawings().empty());
  // A formula cannot take its cached value from a sheet that is gone.
  Worksheet& later = workbook.AddWorksheet("Data");
  EXPECT_THROW(later.SetFormula({1, 1}, "'T1'!A1", ReferencedValue(workbook, "Data", "'T1'!A1")),
               std::logic_error);
}

// Only the sheet that is active when it is written is the selected tab.
TEST_F(WorkbookFileTest, OneSelectedTab) {
  Workbook workbook;
  const std::string path = folder.File("tabs.xlsx");
  WorkbookFile file(workbook, path);
  FillTables(workbook, 3, &file);
  file.Commit();
  const std::vector<ZipEntry> entries = ReadZipFile(path);
  int selected = 0;
  for (const char* name :
       {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml", "xl/worksheets/sheet3.xml"}) {
    const std::string* part = testing::FindEntry(entries, name);
    ASSERT_NE(part, nullptr);
    if (part->find("tabSelected=\"1\"") != std::string::npos) ++selected;
  }
  EXPECT_EQ(selected, 1);
  EXPECT_NE(testing::FindEntry(entries, "xl/worksheets/sheet1.xml")->find("tabSelected=\"1\""),
            std::string::npos);
}

TEST_F(WorkbookFileTest, AnUncommittedFileLeavesNoTrace) {
  {
    Workbook workbook;
    WorkbookFile file(workbook, folder.File("dropped.xlsx"));
    FillTables(workbook, 2, &file);
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  Workbook workbook;
  EXPECT_THROW(WorkbookFile(workbook, folder.File("missing/out.xlsx")), std::system_error);
}

}  // namespace
}  // namespace tabulo::office
