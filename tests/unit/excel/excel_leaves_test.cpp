#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

std::string CountOnly() { return CellItems({"Type=\"Count\""}); }

// Brand: a net N1 with members A and B, B itself a net of B1; then C.
std::string Brands() {
  std::string elements =
      Element("N1", "Net", Attr("Type", "Net"),
              "<SubElements>" + Element("A", "A") +
                  Element("B", "B", "", "<SubElements>" + Element("B1", "B1") + "</SubElements>") +
                  "</SubElements>") +
      Element("C", "C");
  std::string headings =
      Heading("N1", "",
              "<SubElementHeadings>" + Heading("A") +
                  Heading("B", "", "<SubElementHeadings>" + Heading("B1") + "</SubElementHeadings>") +
                  "</SubElementHeadings>") +
      Heading("C");
  return Variable("Brand", "Brand", elements, headings);
}

TEST(ExcelNets, MemberFontsShrinkAndAlternateItalicsByLevel) {
  std::string values =
      Row({"1", "2"}) + Row({"3", "4"}) + Row({"5", "6"}) + Row({"7", "8"}) + Row({"9", "10"});
  ExcelRun run =
      RunExcel(Document(Table("", Top(Gender(), Heading("Gender")) + Side(Brands(), Heading("Brand")),
                              CountOnly() + Values(values))));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.Text(4, 2), "Net");
  EXPECT_EQ(sheet.Format(4, 2).font_size, 8);
  EXPECT_EQ(sheet.Format(4, 2).indent_level, std::nullopt);
  // One level deep: 7.5 points, italic, indented 1.
  EXPECT_EQ(sheet.Text(5, 2), "A");
  EXPECT_EQ(sheet.Format(5, 2).font_size, 7.5);
  EXPECT_EQ(sheet.Format(5, 2).italic, true);
  EXPECT_EQ(sheet.Format(5, 2).indent_level, 1);
  EXPECT_EQ(sheet.Format(6, 2).indent_level, 1);
  // Two levels deep: 7 points, upright, indented 2.
  EXPECT_EQ(sheet.Text(7, 2), "B1");
  EXPECT_EQ(sheet.Format(7, 2).font_size, 7);
  EXPECT_EQ(sheet.Format(7, 2).italic, false);
  EXPECT_EQ(sheet.Format(7, 2).indent_level, 2);
  EXPECT_EQ(sheet.Text(8, 2), "C");
  EXPECT_EQ(sheet.Format(8, 2).font_size, 8);
  // Every net and member has a row of values of its own.
  EXPECT_EQ(sheet.Number(7, 4), 8);
  EXPECT_EQ(sheet.Number(8, 3), 9);
}

TEST(ExcelNets, TopMembersAreNotIndented) {
  ExcelRun run = RunExcel(Document(
      Table(" IsPopulated=\"false\"", Top(Brands(), Heading("Brand")) + Side(Age(), Heading("Age")))));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(run.Sheet().Text(3, 4), "A");
  EXPECT_EQ(run.Sheet().Format(3, 4).font_size, 7.5);
  EXPECT_EQ(run.Sheet().Format(3, 4).indent_level, std::nullopt);
}

TEST(ExcelNets, LevelsBeyondEightFormatLikeEight) {
  // A chain of nets nine levels deep: E0 > E1 > ... > E9.
  std::string element = Element("E9", "E9");
  std::string heading = Heading("E9");
  for (int level = 8; level >= 0; --level) {
    std::string name = "E" + std::to_string(level);
    element = Element(name, name, "", "<SubElements>" + element + "</SubElements>");
    heading = Heading(name, "", "<SubElementHeadings>" + heading + "</SubElementHeadings>");
  }
  ExcelRun run = RunExcel(Document(
      Table(" IsPopulated=\"false\"",
            Top(Gender(), Heading("Gender")) + Side(Variable("V", "V", element, heading), Heading("V")))));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.Text(11, 2), "E7");
  EXPECT_EQ(sheet.Format(11, 2).font_size, 4.5);
  EXPECT_EQ(sheet.Format(11, 2).italic, true);
  EXPECT_EQ(sheet.Text(13, 2), "E9");
  EXPECT_EQ(sheet.Format(13, 2).font_size, 4);
  EXPECT_EQ(sheet.Format(13, 2).italic, false);
  EXPECT_EQ(sheet.Format(13, 2).indent_level, 8);
}

TEST(ExcelHiddenLeaves, AHiddenTopLeafKeepsItsValues) {
  ExcelRun run = RunExcel(Document(
      Table("", Top(Gender(Attr("ShownOnTable", "false")), Heading("Gender")) + Side(Age(), Heading("Age")),
            CountOnly() + Values(Row({"1", "2"}) + Row({"3", "4"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(run.Sheet().Contents(), ElementsAre("R2C3=Gender", "R3C3=Female", "R4C1=Age", "R4C2=Young",
                                                  "R4C3#2", "R5C2=Old", "R5C3#4"));
}

TEST(ExcelHiddenLeaves, AHiddenSideLeafConsumesItsRow) {
  ExcelRun run = RunExcel(Document(Table(
      "", Top(Gender(), Heading("Gender")) + Side(Age(1, Attr("ShownOnTable", "false")), Heading("Age")),
      CountOnly() + Values(Row({"1", "2"}) + Row({"3", "4"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(run.Sheet().Contents(), ElementsAre("R2C3=Gender", "R3C3=Male", "R3C4=Female", "R4C1=Age",
                                                  "R4C2=Old", "R4C3#3", "R4C4#4"));
}

TEST(ExcelHiddenLeaves, AHiddenElementConsumesTheLeavesNestedUnderIt) {
  std::string gender = Variable("Gender", "Gender",
                                Element("M", "Male", Attr("ShownOnTable", "false")) + Element("F", "Female"),
                                Heading("M") + Heading("F"), Age(2), Heading("Age") + Heading("Age"));
  ExcelRun run =
      RunExcel(Document(Table("", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")),
                              CountOnly() + Values(Row({"1", "2", "3", "4"}) + Row({"5", "6", "7", "8"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_EQ(sheet.Text(3, 3), "Female");
  EXPECT_EQ(sheet.Number(6, 3), 3);
  EXPECT_EQ(sheet.Number(6, 4), 4);
  EXPECT_EQ(sheet.Number(7, 4), 8);
  EXPECT_TRUE(sheet.IsEmpty(6, 5));
}

TEST(ExcelHiddenLeaves, AVariableWithAllElementsHiddenIsSkippedWithItsNestedValues) {
  std::string hidden = Attr("ShownOnTable", "false");
  std::string gender =
      Variable("Gender", "Gender", Element("M", "Male", hidden) + Element("F", "Female", hidden),
               Heading("M") + Heading("F"), Age(2), Heading("Age") + Heading("Age"));
  std::string region = Variable("Region", "Region", Element("N", "North") + Element("S", "South"),
                                Heading("N") + Heading("S"));
  std::string rows = Row({"1", "2", "3", "4", "5", "6"}) + Row({"7", "8", "9", "10", "11", "12"});
  ExcelRun run = RunExcel(Document(
      Table("", Top(gender + region, Heading("Gender") + Heading("Region")) + Side(Age(), Heading("Age")),
            CountOnly() + Values(rows))));
  ASSERT_FALSE(run.error) << run.error->description;
  // Gender's four nested leaves hold c1-c4; Region reads c5 and c6 and
  // takes exactly its own two columns. The nested Age still counts in the
  // top depth (4), so Region's elements reach down to row 5.
  EXPECT_THAT(run.Sheet().Contents(),
              ElementsAre("R2C3=Region", "R3C3=North", "R3C4=South", "R6C1=Age", "R6C2=Young", "R6C3#5",
                          "R6C4#6", "R7C2=Old", "R7C3#11", "R7C4#12"));
  EXPECT_THAT(run.Sheet().merges,
              ElementsAre(Range(6, 1, 7, 1), Range(2, 3, 2, 4), Range(3, 3, 5, 3), Range(3, 4, 5, 4)));
  EXPECT_EQ(run.Sheet().borders.back().range, Range(2, 1, 5, 4));
}

TEST(ExcelHiddenLeaves, LeavesWithoutValuesStayEmpty) {
  std::string gender = Variable("Gender", "Gender",
                                Element("M", "Male", Attr("HasCellValues", "false")) + Element("F", "Female"),
                                Heading("M") + Heading("F"));
  ExcelRun run = RunExcel(Document(Table("", Top(gender, Heading("Gender")) + Side(Age(), Heading("Age")),
                                         CountOnly() + Values(Row({"1"}) + Row({"3"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_TRUE(run.Sheet().IsEmpty(4, 3));
  EXPECT_EQ(run.Sheet().Number(4, 4), 1);
  EXPECT_EQ(run.Sheet().Number(5, 4), 3);
}

TEST(ExcelHiddenLeaves, HideBaseElementsDropsBaseRowsAndColumns) {
  std::string age =
      Variable("Age", "Age",
               Element("B", "Base", Attr("Type", "Base")) + Element("Y", "Young") + Element("O", "Old") +
                   Element("U", "Unweighted", Attr("Type", "UnweightedBase")),
               Heading("B") + Heading("Y") + Heading("O") + Heading("U"));
  std::string gender =
      Variable("Gender", "Gender", Element("B", "Base", Attr("Type", "Base")) + Element("M", "Male"),
               Heading("B") + Heading("M"));
  std::string rows = Row({"1", "2"}) + Row({"3", "4"}) + Row({"5", "6"}) + Row({"7", "8"});
  std::string xml = Document(
      Table("", Top(gender, Heading("Gender")) + Side(age, Heading("Age")), CountOnly() + Values(rows)));
  ExcelRun hidden = RunExcel(xml, Properties({{"HideBaseElements", "-1"}}));
  ASSERT_FALSE(hidden.error) << hidden.error->description;
  EXPECT_THAT(hidden.Sheet().Contents(),
              ElementsAre("R2C3=Gender", "R3C3=Male", "R4C1=Age", "R4C2=Young", "R4C3#4", "R5C2=Old",
                          "R5C3#6", "R6C2=Unweighted", "R6C3#8"));
  // Without the setting the bases show, bold, with bold values.
  ExcelRun shown = RunExcel(xml);
  const RecordingWorksheet& sheet = shown.Sheet();
  EXPECT_EQ(sheet.Text(4, 2), "Base");
  EXPECT_EQ(sheet.Format(4, 2).bold, true);
  EXPECT_EQ(sheet.Format(4, 4).bold, true);  // side base row
  EXPECT_EQ(sheet.Format(5, 3).bold, true);  // top base column
  EXPECT_EQ(sheet.Format(5, 4).bold, false);
  EXPECT_EQ(sheet.Format(7, 2).bold, true);  // unweighted base
}

TEST(ExcelMissingAxis, ATableWithoutSideAxisHasOneValueRowPerCellItem) {
  ExcelRun run = RunExcel(Document(
      Table("", Top(Gender(), Heading("Gender")),
            CellItems({"Type=\"Count\"", "Type=\"ColPercent\""}) + Values(Row({"5", "50%", "5", "50%"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_THAT(sheet.Contents(), ElementsAre("R2C1=Gender", "R3C1=Male", "R3C2=Female", "R4C1#5", "R4C2#5",
                                            "R5C1#0.5", "R5C2#0.5"));
  // A percentage typed into a General cell shows as one.
  EXPECT_EQ(sheet.FormatOf(5, 1), "0%");
  EXPECT_EQ(sheet.Format(5, 1).italic, true);
  EXPECT_FALSE(sheet.title_columns);
  EXPECT_EQ(sheet.title_rows, std::make_pair(2, 3));
}

TEST(ExcelMissingAxis, ATableWithoutTopAxisHasOneValueColumn) {
  ExcelRun run = RunExcel(
      Document(Table("", Side(Age(), Heading("Age")), CountOnly() + Values(Row({"7"}) + Row({"8"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_THAT(run.Sheet().Contents(), ElementsAre("R2C1=Age", "R2C2=Young", "R2C3#7", "R3C2=Old", "R3C3#8"));
  EXPECT_EQ(run.Sheet().Style(2, 3), "");
  EXPECT_EQ(run.Sheet().Format(2, 3).horizontal, HorizontalAlignment::kRight);
  EXPECT_FALSE(run.Sheet().title_rows);
}

TEST(ExcelMissingAxis, ARootAxisWithoutHeadingsCountsAsAbsent) {
  std::string empty_top = "<Axis Name=\"Top\"><SubAxes>" + Gender() + "</SubAxes><AxisHeadings/></Axis>";
  ExcelRun run = RunExcel(Document(
      Table("", empty_top + Side(Age(), Heading("Age")), CountOnly() + Values(Row({"7"}) + Row({"8"})))));
  ASSERT_FALSE(run.error) << run.error->description;
  EXPECT_EQ(run.Sheet().Number(3, 3), 8);
}

}  // namespace
}  // namespace tabulo::excel::fixtures
