// Whole exports of small tables; every expected text is composed by hand
// from the line rules (comma as field delimiter, form feed between tables).
#include <gtest/gtest.h>

#include "text/tables_xml_builder.h"
#include "text/text_export_support.h"

namespace tabulo::text::testing {
namespace {

class TextLayoutTest : public ::testing::Test {
 protected:
  // The lines after the preamble, exported with a comma and no annotations.
  std::string Body(const std::string& tables_xml,
                   std::map<std::string, std::pair<int, std::string>> changes = {}) {
    changes.try_emplace("FieldDelimiter", 3, "44");
    changes.try_emplace("DisplayAnnotations", 11, "0");
    std::string text = runner_.ExportText(tables_xml, changes);
    if (text.substr(0, kEmptyPreamble.size()) != kEmptyPreamble) return "unexpected preamble: " + text;
    return text.substr(kEmptyPreamble.size());
  }

  ExportRunner runner_;
};

TEST_F(TextLayoutTest, TwoCellItemsGiveEachSideLeafTwoLines) {
  std::string xml =
      Doc(Table("IsPopulated=\"true\"", Root("Top", Gender(), Hd("Gender")) + Root("Side", Age(), Hd("Age")),
                CellItems(2) + Rows("<row r=\"1\" c1=\"10\" c2=\"50%\" c3=\"20\" c4=\"40%\"/>"
                                    "<row r=\"2\" c1=\"10\" c2=\"50%\" c3=\"30\" c4=\"60%\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", "\"Age\",\r\n",
                             "\"Young\",\"10\",\"20\",\r\n", ",\"50%\",\"40%\",\r\n",
                             "\"Old\",\"10\",\"30\",\r\n", ",\"50%\",\"60%\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, UnpopulatedTableShowsLabelsOnly) {
  std::string xml = Doc(Table("", Root("Top", Gender(), Hd("Gender")) + Root("Side", Age(), Hd("Age")),
                              CellItems(1) + Rows("<row/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", "\"Age\",\r\n",
                             "\"Young\",\r\n", "\"Old\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, TableWithoutSideAxisHasOneLinePerCellItem) {
  std::string xml = Doc(Table("IsPopulated=\"true\"", Root("Top", Gender(), Hd("Gender")),
                              CellItems(2) + Rows("<row c1=\"1\" c2=\"2\" c3=\"3\" c4=\"4\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", ",\"1\",\"3\",\r\n",
                             ",\"2\",\"4\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, TableWithoutTopAxisReadsOneValuePerCellItem) {
  std::string xml = Doc(Table("IsPopulated=\"true\"", Root("Side", Age(), Hd("Age")),
                              CellItems(2) + Rows("<row c1=\"a\" c2=\"b\"/><row c1=\"c\" c2=\"d\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, "\"Age\",\r\n", "\"Young\",\"a\",\r\n", ",\"b\",\r\n",
                             "\"Old\",\"c\",\r\n", ",\"d\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, HiddenLeavesWithValuesKeepTheirValuesPlaces) {
  std::string xml = Doc(Table("IsPopulated=\"true\"",
                              Root("Top", Gender("ShownOnTable=\"false\""), Hd("Gender")) +
                                  Root("Side", Age(1, "ShownOnTable=\"false\""), Hd("Age")),
                              CellItems(1) + Rows("<row c1=\"m1\" c2=\"f1\"/><row c1=\"m2\" c2=\"f2\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Female,,\r\n", "\"Age\",\r\n",
                             "\"Old\",\"f2\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, LeavesWithoutValuesGiveEmptyCellsOrBareLabels) {
  std::string xml = Doc(Table("IsPopulated=\"true\"",
                              Root("Top", Gender("", "HasCellValues=\"false\""), Hd("Gender")) +
                                  Root("Side", Age(1, "", "HasCellValues=\"false\""), Hd("Age")),
                              CellItems(2) + Rows("<row c1=\"1\" c2=\"2\"/>")));
  // Old has no values: its label, then an empty line for the second cell item.
  EXPECT_EQ(Body(xml),
            Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", "\"Age\",\r\n",
                  "\"Young\",\"1\",\"\",\r\n", ",\"2\",\"\",\r\n", "\"Old\",\r\n", ",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, NestedTopAxisPutsEachLabelAboveTheLeavesItHeads) {
  std::string top = Root("Top",
                         Var("Gender", "Gender", El("M", "Male") + El("F", "Female"), Hd("M") + Hd("F"),
                             Age(2), Hd("Age") + Hd("Age")),
                         Hd("Gender"));
  std::string xml = Doc(
      Table("IsPopulated=\"true\"", top, CellItems(1) + Rows("<row c1=\"1\" c2=\"2\" c3=\"3\" c4=\"4\"/>")));
  EXPECT_EQ(Body(xml),
            Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,,Female,,\r\n", ",\"Age\",,\"Age\",,\r\n",
                  ",Young,Old,Young,Old,,\r\n", ",\"1\",\"2\",\"3\",\"4\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, UnbalancedTopAxisIsPaddedToTheDeepestLine) {
  std::string a = Var("A", "A", El("a1", "a1") + El("a2", "a2"), Hd("a1") + Hd("a2"));
  std::string c = Var("C", "C", El("c1", "c1") + El("c2", "c2"), Hd("c1") + Hd("c2"));
  std::string b = Var("B", "B", El("b1", "b1"), Hd("b1"), c, Hd("C"));
  std::string xml = Doc(Table("", Root("Top", a + b, Hd("A") + Hd("B"))));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"A\",,\"B\",,\r\n", ",a1,a2,b1,,\r\n", ",,,\"C\",,\r\n",
                             ",,,c1,c2,,\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, HeadingIdsGetALineOfTheirOwn) {
  std::string gender =
      Var("Gender", "Gender", El("M", "Male") + El("F", "Female"), Hd("M", "HeadingId=\"A\"") + Hd("F"));
  std::string xml = Doc(Table("", Root("Top", gender, Hd("Gender"))));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", ",\"A\",\"\",,\r\n",
                             kTableEnd}));
}

TEST_F(TextLayoutTest, NestedSideAxisRepeatsTheParentLabelUnquoted) {
  std::string side = Root("Side",
                          Var("Gender", "Gender", El("M", "Male") + El("F", "Female"), Hd("M") + Hd("F"),
                              Age(2), Hd("Age") + Hd("Age")),
                          Hd("Gender"));
  std::string xml =
      Doc(Table("IsPopulated=\"true\"", side,
                CellItems(1) + Rows("<row c1=\"v1\"/><row c1=\"v2\"/><row c1=\"v3\"/><row c1=\"v4\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, "\"Gender\",\r\n", "\"Male\",\r\n", "\"Age\",\r\n",
                             "\"Young\",\"v1\",\r\n", "\"Old\",\"v2\",\r\n", "Gender,\r\n", "\"Female\",\r\n",
                             "\"Age\",\r\n", "\"Young\",\"v3\",\r\n", "\"Old\",\"v4\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, NetAndItsMembersEachGetARow) {
  std::string elements = "<Element Name=\"N\" Label=\"Net\"><SubElements>" + El("a", "A") + El("b", "B") +
                         "</SubElements></Element>" + El("c", "C");
  std::string headings = "<Heading Name=\"N\"><SubElementHeadings>" + Hd("a") + Hd("b") +
                         "</SubElementHeadings></Heading>" + Hd("c");
  std::string xml =
      Doc(Table("IsPopulated=\"true\"", Root("Side", Var("V", "V", elements, headings), Hd("V")),
                CellItems(1) + Rows("<row c1=\"n\"/><row c1=\"a\"/><row c1=\"b\"/><row c1=\"c\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, "\"V\",\r\n", "\"Net\",\"n\",\r\n", "\"A\",\"a\",\r\n",
                             "\"B\",\"b\",\r\n", "\"C\",\"c\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, LabelsAreTrimmedAndQuotesDoubledWhenQuoted) {
  std::string side =
      Root("Side", Var("V", "  My &quot;best&quot; var  ", El("a", " a ") + El("b", ""), Hd("a") + Hd("b")),
           Hd("V"));
  EXPECT_EQ(Body(Doc(Table("", side))),
            Join({kNoAnnotations, "\"My \"\"best\"\" var\",\r\n", "\"a\",\r\n", "\"\",\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, NamesReplaceLabelsWhenLabelsAreOff) {
  std::string xml = Doc(Table("", Root("Top", Gender(), Hd("Gender")) + Root("Side", Age(), Hd("Age"))));
  std::string expected = Join({kNoAnnotations, ",\"Gender\",,\r\n", ",M,F,,\r\n", "\"Age\",\r\n",
                               "\"Y\",\r\n", "\"O\",\r\n", kTableEnd});
  EXPECT_EQ(Body(xml, {{"UseElementLabels", {11, "0"}}, {"UseVariableLabels", {11, "0"}}}), expected);
}

TEST_F(TextLayoutTest, ProfileTableTopElementsFollowTheVariableLabelSetting) {
  std::string xml = Doc(Table("Type=\"Profile\"", Root("Top", Gender(), Hd("Gender"))));
  EXPECT_EQ(Body(xml, {{"UseElementLabels", {11, "0"}}}),
            Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", kTableEnd}));
}

TEST_F(TextLayoutTest, AnnotationsFillTheirSlotsByPosition) {
  std::string annotations =
      "<Annotations><Annotation Position=\"RightHeader\" Text=\"R\"/><Annotation Position=\"TitleHeader\" "
      "Text=\"T\"/>"
      "<Annotation Position=\"CenterHeader\" Text=\"C\"/><Annotation Position=\"TitleFooter\" Text=\"TF\"/>"
      "<Annotation Position=\"LeftFooter\"/><Annotation Position=\"CenterFooter\" Text=\"CF\"/>"
      "<Annotation Position=\"RightFooter\" Text=\" R &quot;F\"/></Annotations>";
  std::string xml = Doc(Table("", Root("Side", Age(), Hd("Age")), annotations));
  // LeftHeader is missing and LeftFooter has no text: both are empty annotations.
  EXPECT_EQ(Body(xml, {{"DisplayAnnotations", {11, "-1"}}}),
            Join({"\"T\",\r\n\"\",\r\n\"C\",\r\n\"R\",\r\n", "\"Age\",\r\n\"Young\",\r\n\"Old\",\r\n",
                  "\"TF\",\r\n\"\",\r\n\"CF\",\r\n\"R \"\"F\",\r\n\f\r\n"}));
}

TEST_F(TextLayoutTest, EveryTableEndsWithTheTableDelimiterLine) {
  std::string table = Table("", Root("Side", Age(), Hd("Age")));
  std::string one = Join({kNoAnnotations, "\"Age\",\r\n\"Young\",\r\n\"Old\",\r\n", kTableEnd});
  EXPECT_EQ(Body(Doc(table + table)), one + one);
}

TEST_F(TextLayoutTest, TabAndCustomTableDelimiter) {
  std::string xml = Doc(Table("", Root("Side", Age(), Hd("Age"))));
  EXPECT_EQ(Body(xml, {{"FieldDelimiter", {3, "9"}}, {"TableDelimiter", {3, "35"}}}),
            "\t\r\n\t\r\n\t\r\n\t\r\n\"Age\"\t\r\n\"Young\"\t\r\n\"Old\"\t\r\n\t\r\n\t\r\n\t\r\n\t\r\n#\r\n");
}

TEST_F(TextLayoutTest, DocumentWithoutTablesHasThePreambleOnly) {
  EXPECT_EQ(runner_.ExportText(
                "<Document Description=\"Survey\"><DataSet Description=\"Data\"/><Tables/></Document>"),
            "\r\n\"Data\"\r\n\"Survey\"\r\n\r\n");
  EXPECT_EQ(runner_.ExportText("<Other Description=\"x\"><Tables><Table/></Tables></Other>"), kEmptyPreamble);
}

TEST_F(TextLayoutTest, DescriptionsHeadTheFileWhereverTheDataSetStands) {
  std::string tables = "<Tables>" + Table("", Root("Side", Age(), Hd("Age"))) + "</Tables>";
  std::string before = runner_.ExportText("<Document Description=\"D\"><DataSet Description=\" P \"/>" +
                                          tables + "</Document>");
  std::string after =
      runner_.ExportText("<Document Description=\"D\">" + tables +
                         "<DataSet Description=\" P \"/><DataSet Description=\"second\"/></Document>");
  EXPECT_EQ(before.substr(0, 14), "\r\n\"P\"\r\n\"D\"\r\n\r\n");
  EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace tabulo::text::testing
