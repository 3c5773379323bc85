#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

// Gender with Age nested under each of its elements.
std::string GenderByAge() {
  return Variable("Gender", "Gender", Element("M", "Male") + Element("F", "Female"),
                  Heading("M") + Heading("F"), Age(2), Heading("Age") + Heading("Age"));
}

TEST(ExcelAxes, NestedTopAndConcatenatedSide) {
  std::string xml = Document(Table(
      "", Top(GenderByAge(), Heading("Gender")) + Side(Age() + Gender(), Heading("Age") + Heading("Gender")),
      CellItems({"Type=\"Count\""}) + Values(Row({"1", "2", "3", "4"}) + Row({"5", "6", "7", "8"}) +
                                             Row({"9", "10", "11", "12"}) + Row({"13", "14", "15", "16"}))));
  ExcelRun run = RunExcel(xml);
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  // Top depth 4 (rows 2-5), side depth 2 (columns 1-2), values from row 6.
  EXPECT_THAT(sheet.Contents(),
              ElementsAre("R2C3=Gender", "R3C3=Male", "R3C5=Female", "R4C3=Age", "R4C5=Age", "R5C3=Young",
                          "R5C4=Old", "R5C5=Young", "R5C6=Old", "R6C1=Age", "R6C2=Young", "R6C3#1", "R6C4#2",
                          "R6C5#3", "R6C6#4", "R7C2=Old", "R7C3#5", "R7C4#6", "R7C5#7", "R7C6#8",
                          "R8C1=Gender", "R8C2=Male", "R8C3#9", "R8C4#10", "R8C5#11", "R8C6#12",
                          "R9C2=Female", "R9C3#13", "R9C4#14", "R9C5#15", "R9C6#16"));
  EXPECT_THAT(sheet.merges,
              ElementsAre(Range(6, 1, 7, 1), Range(8, 1, 9, 1), Range(2, 3, 2, 6), Range(3, 3, 3, 4),
                          Range(4, 3, 4, 4), Range(3, 5, 3, 6), Range(4, 5, 4, 6)));
  Border thin;
  EXPECT_THAT(sheet.borders, ElementsAre(RecordedBorder{Range(6, 1, 7, 6), BorderEdge::kTop, thin},
                                         RecordedBorder{Range(8, 1, 9, 6), BorderEdge::kTop, thin},
                                         RecordedBorder{Range(2, 1, 9, 2), BorderEdge::kRight, thin},
                                         RecordedBorder{Range(2, 3, 9, 6), BorderEdge::kLeft, thin},
                                         RecordedBorder{Range(3, 3, 9, 4), BorderEdge::kLeft, thin},
                                         RecordedBorder{Range(3, 5, 9, 6), BorderEdge::kLeft, thin},
                                         RecordedBorder{Range(2, 1, 5, 6), BorderEdge::kBottom, thin}));
  EXPECT_EQ(sheet.title_rows, std::make_pair(2, 5));
}

TEST(ExcelAxes, NestedSideWithTwoCellItems) {
  std::string xml = Document(Table("", Top(Age(), Heading("Age")) + Side(GenderByAge(), Heading("Gender")),
                                   CellItems({"Type=\"Count\"", "Type=\"Count\""}) +
                                       Values(Row({"1", "2", "3", "4"}) + Row({"5", "6", "7", "8"}) +
                                              Row({"9", "10", "11", "12"}) + Row({"13", "14", "15", "16"}))));
  ExcelRun run = RunExcel(xml);
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  // Side depth 4 (columns 1-4), two rows per side leaf from row 4.
  EXPECT_THAT(sheet.merges,
              ElementsAre(Range(4, 1, 11, 1), Range(4, 2, 7, 2), Range(4, 3, 7, 3), Range(4, 4, 5, 4),
                          Range(6, 4, 7, 4), Range(8, 2, 11, 2), Range(8, 3, 11, 3), Range(8, 4, 9, 4),
                          Range(10, 4, 11, 4), Range(2, 5, 2, 6)));
  EXPECT_EQ(sheet.Text(4, 3), "Age");
  EXPECT_EQ(sheet.Text(10, 4), "Old");
  EXPECT_EQ(sheet.Text(3, 6), "Old");
  EXPECT_EQ(sheet.Number(4, 5), 1);
  EXPECT_EQ(sheet.Number(5, 5), 2);
  EXPECT_EQ(sheet.Number(4, 6), 3);
  EXPECT_EQ(sheet.Number(5, 6), 4);
  EXPECT_EQ(sheet.Number(11, 6), 16);
  // A nested side variable's top edge starts at its parent's element column.
  Border thin;
  EXPECT_THAT(sheet.borders, ::testing::Contains(RecordedBorder{Range(4, 2, 7, 6), BorderEdge::kTop, thin}));
  EXPECT_THAT(sheet.borders, ::testing::Contains(RecordedBorder{Range(8, 2, 11, 6), BorderEdge::kTop, thin}));
  EXPECT_EQ(run.Sheet().title_columns, std::make_pair(1, 4));
}

TEST(ExcelAxes, ShallowTopLeavesReachDownToTheLastHeadingRow) {
  // Gender beside Gender-by-Age: Gender's elements span the rows Age takes.
  std::string second = Variable("G2", "G2", Element("M", "Male") + Element("F", "Female"),
                                Heading("M") + Heading("F"), Age(2), Heading("Age") + Heading("Age"));
  std::string xml =
      Document(Table(" IsPopulated=\"false\"", Top(Gender() + second, Heading("Gender") + Heading("G2")) +
                                                   Side(Age(), Heading("Age"))));
  ExcelRun run = RunExcel(xml);
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(run.Sheet().merges, ::testing::IsSupersetOf({Range(3, 3, 5, 3), Range(3, 4, 5, 4)}));
  EXPECT_EQ(run.Sheet().Text(3, 3), "Male");
  EXPECT_EQ(run.Sheet().Text(5, 5), "Young");
}

TEST(ExcelAxes, HeadingIdsFillAnExtraBoldRow) {
  std::string gender = Variable("Gender", "Gender", Element("M", "Male") + Element("F", "Female"),
                                Heading("M", Attr("HeadingId", "A")) + Heading("F", Attr("HeadingId", "B")));
  ExcelRun run =
      RunExcel(Document(Table("", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")),
                              CellItems({"Type=\"Count\""}) + Values(Row({"1", "2"}) + Row({"3", "4"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.Text(3, 3), "Male");
  EXPECT_EQ(sheet.Text(4, 3), "A");
  EXPECT_EQ(sheet.Text(4, 4), "B");
  EXPECT_EQ(sheet.Format(4, 4).bold, true);
  EXPECT_EQ(sheet.Number(5, 3), 1);  // top depth 3: values start one row lower
  EXPECT_EQ(sheet.title_rows, std::make_pair(2, 4));
}

TEST(ExcelAxes, LabelsFollowTheLabelSettings) {
  std::string age =
      Variable("age", "Age group", Element("y", "Young") + Element("o", "Old"), Heading("y") + Heading("o"));
  std::string gender =
      Variable("gender", "", Element("m", "Male") + Element("f", "Female"), Heading("m") + Heading("f"));
  std::string xml =
      Document(Table(" IsPopulated=\"false\"", Top(gender, Heading("gender")) + Side(age, Heading("age"))));
  ExcelRun labels = RunExcel(xml);
  EXPECT_EQ(labels.Sheet().Text(4, 1), "Age group");
  EXPECT_EQ(labels.Sheet().Text(2, 3), "gender");  // an empty label falls back to the name
  EXPECT_EQ(labels.Sheet().Text(4, 2), "Young");
  ExcelRun names = RunExcel(xml, Properties({{"UseVariableLabels", "0"}, {"UseElementLabels", "0"}}));
  EXPECT_EQ(names.Sheet().Text(4, 1), "age");
  EXPECT_EQ(names.Sheet().Text(4, 2), "y");
  EXPECT_EQ(names.Sheet().Text(3, 4), "f");
}

TEST(ExcelAxes, ProfileTablesLabelTopElementsByTheVariableSetting) {
  std::string xml = Document(Table(" Type=\"Profile\" IsPopulated=\"false\"",
                                   Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age"))));
  ExcelRun run = RunExcel(xml, Properties({{"UseVariableLabels", "0"}}));
  EXPECT_EQ(run.Sheet().Text(3, 3), "M");
  EXPECT_EQ(run.Sheet().Text(4, 2), "Young");
}

TEST(ExcelAxes, MissingSubAxisIsReportedAfterTheOtherTables) {
  std::string broken = Table("", Top(Gender(), Heading("Nope")) + Side(Age(), Heading("Age")));
  std::string good = Table("", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")),
                           CellItems({"Type=\"Count\""}) + Values(Row({"1", "2"}) + Row({"3", "4"})));
  ExcelRun run = RunExcel(Document(broken + good));
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->number, static_cast<std::int32_t>(0x80040000u));
  EXPECT_EQ(run.error->source, "CRenderTable.PopulateAxes");
  EXPECT_EQ(run.error->description, "CRenderTable.PopulateAxes: Failed to find sub axis Nope");
  // The broken table gets no charts; the good one is laid out and charted.
  ASSERT_EQ(run.workbook.WorksheetCount(), 3);
  EXPECT_EQ(run.Sheet(2).name, "T2");
  EXPECT_EQ(run.Sheet(2).Number(5, 4), 4);
  EXPECT_EQ(run.Sheet(3).name, "T2_Ch");
  EXPECT_TRUE(run.Sheet(1).active);
}

TEST(ExcelAxes, MissingNestedSubAxisNamesTheTraversal) {
  std::string gender = Variable("Gender", "Gender", Element("M", "Male") + Element("F", "Female"),
                                Heading("M") + Heading("F"), Age(2), Heading("Age") + Heading("Nope"));
  ExcelRun run = RunExcel(Document(
      Table(" IsPopulated=\"false\"", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")))));
  ASSERT_TRUE(run.error);
  EXPECT_EQ(run.error->description, "CRenderTable.PopulateAxisTraverse: Failed to find sub axis Nope");
}

TEST(ExcelAxes, TooWideTableShowsOnlyTheError) {
  std::string elements;
  std::string headings;
  for (int i = 0; i < 255; ++i) {
    elements += Element("e" + std::to_string(i), "E");
    headings += Heading("e" + std::to_string(i));
  }
  std::string wide =
      Table(" IsPopulated=\"false\"",
            Top(Variable("W", "W", elements, headings), Heading("W")) + Side(Age(), Heading("Age")));
  std::string fits =
      Table(" IsPopulated=\"false\"", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")));
  ExcelRun run = RunExcel(Document(wide + fits));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(run.Sheet(1).Contents(), ElementsAre("R2C1=Table Error Column > 256"));
  EXPECT_EQ(run.Sheet(2).name, "T2");
  EXPECT_EQ(run.Sheet(2).Text(3, 3), "Male");
}

TEST(ExcelAxes, TableWithoutAxesGetsNoBody) {
  ExcelRun run = RunExcel(Document(Table("", "")));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_TRUE(run.Sheet().Contents().empty());
  EXPECT_EQ(run.Sheet().name, "T1");
  EXPECT_FALSE(run.Sheet().title_rows);
}

}  // namespace
}  // namespace tabulo::excel::fixtures
