#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

std::string GenderByAgeTable(const std::string& items, const std::string& rows,
                             const std::string& attributes = "", const std::string& rest = "") {
  return Document(Table(attributes, Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                        items + Values(rows) + rest));
}

std::string EndFooter() {
  return "<Annotations><Annotation Position=\"TitleFooter\" Text=\"End\"/></Annotations>";
}

TEST(ExcelCellItems, SplitCellsStacksOneTablePerCellItem) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\"", "Type=\"RowPercent\""});
  std::string rows =
      Row({"10", "40%", "20%", "15", "60%", "30%"}) + Row({"20", "50%", "40%", "20", "50%", "60%"});
  ExcelRun run = RunExcel(GenderByAgeTable(items, rows, "", EndFooter()),
                          Properties({{"SplitCells", "-1"}, {"UseFormattedAnnotations", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_THAT(sheet.Contents(),
              ElementsAre("R2C3=Gender", "R3C3=Male", "R3C4=Female", "R4C1=Age", "R4C2=Young", "R4C3#10",
                          "R4C4#15", "R5C2=Old", "R5C3#20", "R5C4#20",  //
                          "R7C3=Gender", "R8C3=Male", "R8C4=Female", "R9C1=Age", "R9C2=Young", "R9C3#0.4",
                          "R9C4#0.6", "R10C2=Old", "R10C3#0.5", "R10C4#0.5",  //
                          "R12C3=Gender", "R13C3=Male", "R13C4=Female", "R14C1=Age", "R14C2=Young",
                          "R14C3#0.2", "R14C4#0.3", "R15C2=Old", "R15C3#0.4", "R15C4#0.6",  //
                          "R17C1=End"));
  EXPECT_EQ(sheet.Format(9, 3).italic, true);
  EXPECT_EQ(sheet.Format(4, 3).italic, false);
  // Print titles stay with the first table.
  EXPECT_EQ(sheet.title_rows, std::make_pair(2, 3));
}

TEST(ExcelCellItems, MergedColumnProportionLettersFollowTheFirstCellItem) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\"", "Type=\"ColPropResults\""});
  std::string rows = Row({"10", "40%", "B", "15", "60%", ""}) + Row({"20", "50%", "", "20", "50%", "A"});
  ExcelRun run = RunExcel(GenderByAgeTable(items, rows), Properties({{"MergeColPropResults", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(run.Sheet().Contents(), ElementsAre("R2C3=Gender", "R3C3=Male", "R3C4=Female", "R4C1=Age",
                                                  "R4C2=Young", "R4C3=10B", "R4C4#15", "R5C3#0.4", "R5C4#0.6",
                                                  "R6C2=Old", "R6C3#20", "R6C4=20A", "R7C3#0.5", "R7C4#0.5"));
  EXPECT_THAT(run.Sheet().merges, ::testing::Contains(Range(4, 2, 5, 2)));
}

TEST(ExcelCellItems, WithoutMergingTheLettersAreACellItemOfTheirOwn) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\"", "Type=\"ColPropResults\""});
  std::string rows = Row({"10", "40%", "B", "15", "60%", ""}) + Row({"20", "50%", "", "20", "50%", "A"});
  ExcelRun run = RunExcel(GenderByAgeTable(items, rows));
  EXPECT_EQ(run.Sheet().Text(6, 3), "B");
  EXPECT_EQ(run.Sheet().Text(9, 4), "A");
}

TEST(ExcelCellItems, SplitAndMergeAppendTheLettersToEachTable) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\"", "Type=\"ColPropResults\""});
  std::string rows = Row({"10", "40%", "B", "15", "60%", ""}) + Row({"20", "50%", "", "20", "50%", "A"});
  ExcelRun run = RunExcel(
      GenderByAgeTable(items, rows, "", EndFooter()),
      Properties({{"MergeColPropResults", "-1"}, {"SplitCells", "-1"}, {"UseFormattedAnnotations", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.Text(4, 3), "10B");
  EXPECT_EQ(sheet.Number(4, 4), 15);
  EXPECT_EQ(sheet.Text(5, 4), "20A");
  EXPECT_EQ(sheet.Text(9, 3), "40%B");
  EXPECT_EQ(sheet.Number(9, 4), 0.6);
  EXPECT_EQ(sheet.Text(10, 4), "50%A");
  // No third table for the letters, and no blank row after the last one.
  EXPECT_TRUE(sheet.IsEmpty(12, 3));
  EXPECT_EQ(sheet.Text(12, 1), "End");
}

TEST(ExcelCellItems, SplitAndMergeWithTheLettersFirst) {
  std::string items = CellItems({"Type=\"ColPropResults\"", "Type=\"Count\"", "Type=\"ColPercent\""});
  std::string rows = Row({"B", "10", "40%", "", "15", "60%"}) + Row({"", "20", "50%", "A", "20", "50%"});
  ExcelRun run = RunExcel(GenderByAgeTable(items, rows),
                          Properties({{"MergeColPropResults", "-1"}, {"SplitCells", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(run.Sheet().Text(4, 3), "10B");
  EXPECT_EQ(run.Sheet().Text(9, 3), "40%B");
  EXPECT_EQ(run.Sheet().Text(10, 4), "50%A");
}

TEST(ExcelNumberFormats, APercentageFormatDropsItsSignForTextWithoutOne) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\" Decimals=\"1\""});
  ExcelRun run =
      RunExcel(GenderByAgeTable(items, Row({"457", "45.0", "3", "12.5%"}) + Row({"1", "2.0%", "3", "4.0%"})));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.FormatOf(5, 3), "0.0");
  EXPECT_EQ(sheet.Number(5, 3), 45);
  EXPECT_EQ(sheet.FormatOf(5, 4), "0.0%");
  EXPECT_EQ(sheet.Number(5, 4), 0.125);
}

TEST(ExcelNumberFormats, PercentSignsOffGivePlainDecimalFormats) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\" Decimals=\"1\""});
  std::string off =
      "<Properties><property><name>ShowPercentSigns</name><type>11</type><value>0</value></property></"
      "Properties>";
  ExcelRun run = RunExcel(
      GenderByAgeTable(items, Row({"5", "12.5", "3", "87.5"}) + Row({"1", "2.0", "3", "4.0"}), "", off));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(run.Sheet().FormatOf(5, 3), "0.0");
  EXPECT_EQ(run.Sheet().Number(5, 3), 12.5);
  EXPECT_EQ(run.Sheet().Format(5, 3).italic, true);
}

TEST(ExcelNumberFormats, ElementAndCellItemDecimals) {
  std::string items = CellItems({"Type=\"Mean\" Decimals=\"2\"", "Type=\"ColPercent\" Decimals=\"0\""});
  std::string age = Variable("Age", "Age", Element("Y", "Young", Attr("Decimals", "3")) + Element("O", "Old"),
                             Heading("Y") + Heading("O"));
  std::string xml = Document(
      Table("", Top(Gender(Attr("Decimals", "1")), Heading("Gender")) + Side(age, Heading("Age")),
            items + Values(Row({"1.5", "10%", "2.25", "20%"}) + Row({"3.5", "30%", "4.75", "40%"}))));
  ExcelRun run = RunExcel(xml);
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  // Side decimals win for the row: 3 for Young, the cell item's for Old.
  EXPECT_EQ(sheet.FormatOf(4, 4), "0.000");
  EXPECT_EQ(sheet.FormatOf(5, 4), "0.000%");
  EXPECT_EQ(sheet.FormatOf(6, 4), "0.00");
  EXPECT_EQ(sheet.FormatOf(7, 4), "0%");
  // Male's decimals (1) make its cells take the larger of top and side.
  EXPECT_EQ(sheet.FormatOf(4, 3), "0.000");
  EXPECT_EQ(sheet.FormatOf(5, 3), "0.000%");
  EXPECT_EQ(sheet.FormatOf(6, 3), "0.0");
  EXPECT_EQ(sheet.FormatOf(7, 3), "0.0%");
  EXPECT_EQ(sheet.Number(6, 3), 3.5);
  EXPECT_EQ(sheet.Number(7, 3), 0.3);
  EXPECT_EQ(sheet.Number(6, 4), 4.75);
  EXPECT_EQ(sheet.Number(7, 4), 0.4);
}

TEST(ExcelNumberFormats, SingleValuedSideLeavesUseTheSideDecimalsOnTheFirstRow) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\" Decimals=\"1\""});
  std::string age =
      Variable("Age", "Age", Element("Y", "Mean age", Attr("Decimals", "2")) + Element("O", "Old"),
               Heading("Y", Attr("IsSingleValue", "true")) + Heading("O"));
  ExcelRun run = RunExcel(
      Document(Table("", Top(Gender(), Heading("Gender")) + Side(age, Heading("Age")),
                     items + Values(Row({"41.25", "", "39.5", ""}) + Row({"1", "2.0%", "3", "4.0%"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.FormatOf(4, 3), "0.00");
  EXPECT_EQ(sheet.Number(4, 3), 41.25);
  EXPECT_EQ(sheet.FormatOf(5, 3), "");
  EXPECT_EQ(sheet.Format(5, 3).italic, false);
  EXPECT_TRUE(sheet.IsEmpty(5, 3));
  EXPECT_EQ(sheet.FormatOf(7, 3), "0.0%");
}

TEST(ExcelNumberFormats, ProfileResultsAreLeftAligned) {
  ExcelRun run = RunExcel(
      GenderByAgeTable(CellItems({"Type=\"ProfileResult\""}), Row({"yes", "no"}) + Row({"12", "x"})));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(run.Sheet().Format(4, 3).horizontal, HorizontalAlignment::kLeft);
  EXPECT_EQ(run.Sheet().Text(4, 3), "yes");
  EXPECT_EQ(run.Sheet().Number(5, 3), 12);
}

TEST(ExcelLocale, ValuesAreReadInTheDocumentsLocale) {
  std::string items = CellItems({"Type=\"Count\"", "Type=\"ColPercent\" Decimals=\"1\""});
  std::string xml =
      Document(Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                     items + Values(Row({"1.234", "12,5%", "7", "87,5%"}) + Row({"x", "1,0%", "2", "3,0%"}))),
               Attr("LocaleId", "1031"));
  ExcelRun run = RunExcel(xml);
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(run.exporter.lcid_puts, ElementsAre(1031));
  EXPECT_EQ(run.Sheet().Number(4, 3), 1234);
  EXPECT_EQ(run.Sheet().Number(5, 3), 0.125);
  EXPECT_EQ(run.Sheet().Number(5, 4), 0.875);
  EXPECT_EQ(run.Sheet().Text(6, 3), "x");
}

TEST(ExcelLocale, WithoutLocaleIdValuesAreReadAsUsEnglish) {
  std::string xml =
      GenderByAgeTable(CellItems({"Type=\"Mean\""}), Row({"1,234", "2.5"}) + Row({"1e3", "-4"}));
  ExcelRun run = RunExcel(xml);
  EXPECT_TRUE(run.exporter.lcid_puts.empty());
  EXPECT_EQ(run.Sheet().Number(4, 3), 1234);
  EXPECT_EQ(run.Sheet().Number(4, 4), 2.5);
  EXPECT_EQ(run.Sheet().Number(5, 3), 1000);
  EXPECT_EQ(run.Sheet().Number(5, 4), -4);
}

TEST(ExcelLocale, FormulaLikeValuesStayText) {
  ExcelRun run =
      RunExcel(GenderByAgeTable(CellItems({"Type=\"Count\""}), Row({"=1+1", "-"}) + Row({"@x", "3"})));
  EXPECT_EQ(run.Sheet().Text(4, 3), "=1+1");
  EXPECT_EQ(run.Sheet().Text(4, 4), "-");
  EXPECT_EQ(run.Sheet().Text(5, 3), "@x");
}

TEST(ExcelValues, MissingValueRowsAndAttributesLeaveCellsEmpty) {
  ExcelRun run = RunExcel(GenderByAgeTable(CellItems({"Type=\"Count\""}), Row({"1"})));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(run.Sheet().Number(4, 3), 1);
  EXPECT_TRUE(run.Sheet().IsEmpty(4, 4));
  EXPECT_TRUE(run.Sheet().IsEmpty(5, 3));
}

TEST(ExcelValues, RowsAreFormattedEvenWhenTheFirstColumnHasNoValues) {
  std::string gender = Variable("Gender", "Gender",
                                Element("M", "Male", Attr("HasCellValues", "false")) + Element("F", "Female"),
                                Heading("M") + Heading("F"));
  ExcelRun run = RunExcel(Document(
      Table("", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")),
            CellItems({"Type=\"ColPercent\" Decimals=\"1\""}) + Values(Row({"12.5%"}) + Row({"87.5%"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(run.Sheet().FormatOf(4, 4), "0.0%");
  EXPECT_EQ(run.Sheet().Format(5, 4).italic, true);
  EXPECT_EQ(run.Sheet().Number(5, 4), 0.875);
}

TEST(ExcelValues, UnpopulatedTablesShowHeadingsOnly) {
  ExcelRun run =
      RunExcel(GenderByAgeTable(CellItems({"Type=\"Count\""}), Row({"1", "2"}), " IsPopulated=\"false\""));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_TRUE(run.Sheet().IsEmpty(4, 3));
  EXPECT_EQ(run.Sheet().Format(4, 3).horizontal, std::nullopt);
  EXPECT_EQ(run.Sheet().Text(5, 2), "Old");
}

}  // namespace
}  // namespace tabulo::excel::fixtures
