// Inputs that a literal reading would export wrongly or not at all.
#include <gtest/gtest.h>

#include "text/tables_xml_builder.h"
#include "text/text_export_support.h"

namespace tabulo::text::testing {
namespace {

class TextInputEdgeTest : public ::testing::Test {
 protected:
  std::string Body(const std::string& tables_xml,
                   std::map<std::string, std::pair<int, std::string>> changes = {}) {
    changes.try_emplace("FieldDelimiter", 3, "44");
    changes.try_emplace("DisplayAnnotations", 11, "0");
    std::string text = runner_.ExportText(tables_xml, changes);
    return text.substr(std::min(text.size(), kEmptyPreamble.size()));
  }

  ExportRunner runner_;
};

TEST_F(TextInputEdgeTest, RootAxisWithoutHeadingsCountsAsAbsent) {
  std::string empty_top = "<Axis Name=\"Top\"><SubAxes>" + Gender() + "</SubAxes><AxisHeadings/></Axis>";
  std::string xml = Doc(Table("IsPopulated=\"true\"", empty_top + Root("Side", Age(), Hd("Age")),
                              CellItems(1) + Rows("<row c1=\"y\" c2=\"-\"/><row c1=\"o\" c2=\"-\"/>")));
  EXPECT_EQ(Body(xml),
            Join({kNoAnnotations, "\"Age\",\r\n", "\"Young\",\"y\",\r\n", "\"Old\",\"o\",\r\n", kTableEnd}));
}

TEST_F(TextInputEdgeTest, RootAxisWithoutVariablesCountsAsAbsent) {
  std::string empty_side =
      "<Axis Name=\"Side\"><SubAxes/><AxisHeadings>" + Hd("Age") + "</AxisHeadings></Axis>";
  std::string xml = Doc(Table("IsPopulated=\"true\"", Root("Top", Gender(), Hd("Gender")) + empty_side,
                              CellItems(1) + Rows("<row c1=\"m\" c2=\"f\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", ",\"m\",\"f\",\r\n",
                             kTableEnd}));
}

TEST_F(TextInputEdgeTest, PopulatedTableWithoutCellItemsReadsOneValuePerCell) {
  std::string xml = Doc(
      Table("IsPopulated=\"true\"", Root("Top", Gender(), Hd("Gender")), Rows("<row c1=\"5\" c2=\"6\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", ",\"5\",\"6\",\r\n",
                             kTableEnd}));
}

TEST_F(TextInputEdgeTest, TopLabelsThatWouldSplitTheirLineAreQuoted) {
  std::string gender = Var("Gender", "Gender", El("M", "a,b") + El("F", "5&quot; disk") + El("X", " spaced "),
                           Hd("M") + Hd("F") + Hd("X"));
  std::string xml = Doc(Table("", Root("Top", gender, Hd("Gender"))));
  EXPECT_EQ(Body(xml),
            Join({kNoAnnotations, ",\"Gender\",,\r\n", ",\"a,b\",\"5\"\" disk\", spaced ,,\r\n", kTableEnd}));
  // With a tab the comma is harmless and stays as it is.
  std::string tabbed = runner_.ExportText(xml, {{"DisplayAnnotations", {11, "0"}}});
  EXPECT_NE(tabbed.find("\ta,b\t\"5\"\" disk\"\t spaced \t\t\r\n"), std::string::npos) << tabbed;
}

TEST_F(TextInputEdgeTest, RepeatedSideLabelThatWouldSplitItsLineIsQuoted) {
  std::string side = Root("Side",
                          Var("G", "Sex, stated", El("M", "Male") + El("F", "Female"), Hd("M") + Hd("F"),
                              Age(2), Hd("Age") + Hd("Age")),
                          Hd("G"));
  std::string body = Body(Doc(Table("", side)));
  EXPECT_EQ(body, Join({kNoAnnotations, "\"Sex, stated\",\r\n", "\"Male\",\r\n", "\"Age\",\r\n",
                        "\"Young\",\r\n", "\"Old\",\r\n", "\"Sex, stated\",\r\n", "\"Female\",\r\n",
                        "\"Age\",\r\n", "\"Young\",\r\n", "\"Old\",\r\n", kTableEnd}));
}

TEST_F(TextInputEdgeTest, HiddenElementSkipsOnlyTheValuesOfItsLeavesWithValues) {
  // a1 is hidden; under it b1 has values and b2 has none, so a1 holds c1 only.
  std::string b = Var("B", "B", El("b1", "b1") + El("b2", "b2", "HasCellValues=\"false\""),
                      Hd("b1") + Hd("b2") + Hd("b1") + Hd("b2"));
  std::string a = Var("A", "A", El("a1", "a1", "ShownOnTable=\"false\"") + El("a2", "a2"),
                      Hd("a1") + Hd("a2"), b, Hd("B") + Hd("B"));
  std::string xml = Doc(Table("IsPopulated=\"true\"", Root("Top", a, Hd("A")),
                              CellItems(1) + Rows("<row c1=\"x\" c2=\"y\" c3=\"z\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"A\",,\r\n", ",a2,,\r\n", ",\"B\",,\r\n", ",b1,b2,,\r\n",
                             ",\"y\",\"\",\r\n", kTableEnd}));
}

TEST_F(TextInputEdgeTest, HiddenSideElementSkipsOnlyTheRowsOfItsLeavesWithValues) {
  // Under the hidden M only q1 has values, so M holds one value row.
  std::string no_values = "HasCellValues=\"false\"";
  std::string age = Var("Age", "Age", El("Y", "Young", no_values) + El("O", "Old", no_values),
                        Hd("Y") + Hd("O") + Hd("Y") + Hd("O"));
  std::string q = Var("Q", "Q", El("q1", "q1"), Hd("q1") + Hd("q1"));
  std::string side = Root("Side",
                          Var("G", "G", El("M", "Male", "ShownOnTable=\"false\"") + El("F", "Female"),
                              Hd("M") + Hd("F"), age + q, Hd("Age") + Hd("Q") + Hd("Age") + Hd("Q")),
                          Hd("G"));
  std::string xml =
      Doc(Table("IsPopulated=\"true\"", side, CellItems(1) + Rows("<row c1=\"m\"/><row c1=\"f\"/>")));
  EXPECT_EQ(Body(xml),
            Join({kNoAnnotations, "\"G\",\r\n", "\"Female\",\r\n", "\"Age\",\r\n", "\"Young\",\r\n",
                  "\"Old\",\r\n", "\"Q\",\r\n", "\"q1\",\"f\",\r\n", kTableEnd}));
}

TEST_F(TextInputEdgeTest, ValueAttributesAreFoundInAnyOrder) {
  std::string xml = Doc(Table("IsPopulated=\"true\"", Root("Top", Gender(), Hd("Gender")),
                              CellItems(1) + Rows("<row c02=\"no\" c2=\"f\" C1=\"no\" c1=\"m\"/>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", ",\"m\",\"f\",\r\n",
                             kTableEnd}));
}

TEST_F(TextInputEdgeTest, OnlyTablesOfDocumentTablesAreExported) {
  std::string side_table = Table("", Root("Side", Age(), Hd("Age")));
  std::string xml = "<Document><Table/><Other><Tables>" + side_table + "</Tables></Other><Tables>" +
                    side_table + "</Tables></Document>";
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, "\"Age\",\r\n\"Young\",\r\n\"Old\",\r\n", kTableEnd}));
}

TEST_F(TextInputEdgeTest, ValueRowsOutsideCellValuesLayerAreNotValues) {
  std::string xml = Doc(Table("IsPopulated=\"true\"", Root("Top", Gender(), Hd("Gender")),
                              CellItems(1) + "<Layer><row c1=\"bad\" c2=\"bad\"/></Layer>" +
                                  Rows("<row c1=\"m\" c2=\"f\"><row c1=\"inner\"/></row>")));
  EXPECT_EQ(Body(xml), Join({kNoAnnotations, ",\"Gender\",,\r\n", ",Male,Female,,\r\n", ",\"m\",\"f\",\r\n",
                             kTableEnd}));
}

}  // namespace
}  // namespace tabulo::text::testing
