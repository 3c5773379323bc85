#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"
#include "scripts/excel/chart_axis_blocks.h"
#include "xml/document.h"

namespace tabulo::excel::fixtures {
namespace {

// Region (North, South) with Age nested under each element.
std::string Region(const std::string& north_extra = "", const std::string& south_extra = "",
                   const std::string& age = Age(2)) {
  return Variable("Region", "Area", Element("N", "North", north_extra) + Element("S", "South", south_extra),
                  Heading("N") + Heading("S"), age, Heading("Age") + Heading("Age"));
}

class ChartAxisBlocksTest : public ::testing::Test {
 protected:
  AxisBlocks BlocksOf(const std::string& root_axis) {
    document = xml::Document::Parse(root_axis);
    return GetChartAxisBlocks(document->Root(), queries, labels);
  }

  // "name|path|element path|index:label,index:label"
  static std::string Describe(const CChartBlock& block) {
    std::string text = block.AxisName() + "|" + block.AxisPath() + "|" + block.AxisElementPath() + "|";
    for (std::int64_t i = 0; i < block.ElementCount(); ++i) {
      if (i > 0) text += ",";
      text += std::to_string(block.ElementIndex(i)) + ":" + AttributeOrEmpty(block.ElementNode(i), "Label");
    }
    return text;
  }
  std::vector<std::string> Describe(const AxisBlocks& blocks) {
    std::vector<std::string> out;
    for (const CChartBlock& block : blocks.blocks) out.push_back(Describe(block));
    return out;
  }

  std::optional<xml::Document> document;
  AxisQueries queries;
  ChartLabelRules labels;
};

TEST_F(ChartAxisBlocksTest, ANestedVariableGivesOneBlockPerParentElement) {
  AxisBlocks blocks = BlocksOf(Side(Region(), Heading("Region")));
  EXPECT_TRUE(blocks.chartable);
  EXPECT_THAT(Describe(blocks), ::testing::ElementsAre("Age|Area: North|North|0:Young,1:Old",
                                                       "Age|Area: South|South|2:Young,3:Old"));
}

TEST_F(ChartAxisBlocksTest, ConcatenatedVariablesFollowEachOther) {
  AxisBlocks blocks = BlocksOf(Top(Gender() + Age(), Heading("Gender") + Heading("Age")));
  EXPECT_THAT(Describe(blocks), ::testing::ElementsAre("Gender|||0:Male,1:Female", "Age|||2:Young,3:Old"));
}

TEST_F(ChartAxisBlocksTest, TwoLevelsOfNestingJoinThePaths) {
  std::string gender = Variable("Gender", "Sex", Element("M", "Male") + Element("F", "Female"),
                                Heading("M") + Heading("F") + Heading("M") + Heading("F"), Age(4),
                                Heading("Age") + Heading("Age") + Heading("Age") + Heading("Age"));
  std::string region = Variable("Region", "Area", Element("N", "North") + Element("S", "South"),
                                Heading("N") + Heading("S"), gender, Heading("Gender") + Heading("Gender"));
  AxisBlocks blocks = BlocksOf(Side(region, Heading("Region")));
  ASSERT_EQ(blocks.blocks.size(), 4u);
  EXPECT_EQ(Describe(blocks.blocks[1]), "Age|Area: North, Sex: Female|North, Female|2:Young,3:Old");
  EXPECT_EQ(Describe(blocks.blocks[3]), "Age|Area: South, Sex: Female|South, Female|6:Young,7:Old");
}

TEST_F(ChartAxisBlocksTest, NamesReplaceLabelsWhenLabelsAreOff) {
  labels = ChartLabelRules{false, false};
  AxisBlocks blocks = BlocksOf(Side(Region(), Heading("Region")));
  EXPECT_EQ(blocks.blocks[0].AxisName(), "Age");
  EXPECT_EQ(blocks.blocks[1].AxisPath(), "Region: S");
  EXPECT_EQ(blocks.blocks[1].AxisElementPath(), "S");
}

TEST_F(ChartAxisBlocksTest, AHiddenParentTakesNoRowsAndYieldsNoBlock) {
  AxisBlocks blocks = BlocksOf(Side(Region(Attr("ShownOnTable", "false")), Heading("Region")));
  EXPECT_THAT(Describe(blocks), ::testing::ElementsAre("Age|Area: South|South|0:Young,1:Old"));
}

TEST_F(ChartAxisBlocksTest, AValuelessParentStillTakesTheRowsOfItsLeaves) {
  // Three ages under each region: North's three rows stand in the table
  // without values, so South's start at row 3.
  std::string age =
      Variable("Age", "Age", Element("Y", "Young") + Element("M", "Mid") + Element("O", "Old"),
               Heading("Y") + Heading("M") + Heading("O") + Heading("Y") + Heading("M") + Heading("O"));
  AxisBlocks blocks = BlocksOf(Side(Region(Attr("HasCellValues", "false"), "", age), Heading("Region")));
  EXPECT_THAT(Describe(blocks), ::testing::ElementsAre("Age|Area: South|South|3:Young,4:Mid,5:Old"));
}

TEST_F(ChartAxisBlocksTest, LeafElementsWithoutValuesKeepTheirRowButAreNotAdded) {
  std::string age = Variable("Age", "Age",
                             Element("Y", "Young", Attr("ShownOnTable", "false")) +
                                 Element("M", "Mid", Attr("HasCellValues", "false")) + Element("O", "Old"),
                             Heading("Y") + Heading("M") + Heading("O"));
  AxisBlocks blocks = BlocksOf(Side(age, Heading("Age")));
  EXPECT_THAT(Describe(blocks), ::testing::ElementsAre("Age|||1:Old"));
}

TEST_F(ChartAxisBlocksTest, AnAxisWhoseVariablesAllSitUnderHiddenElementsCannotBeCharted) {
  AxisBlocks blocks =
      BlocksOf(Side(Region(Attr("ShownOnTable", "false"), Attr("ShownOnTable", "false")), Heading("Region")));
  EXPECT_FALSE(blocks.chartable);
  EXPECT_TRUE(blocks.blocks.empty());
}

TEST_F(ChartAxisBlocksTest, AnAbsentAxisHasNoBlocksButCanBeCharted) {
  document = xml::Document::Parse("<Axis Name='Top'/>");
  AxisBlocks blocks = GetChartAxisBlocks(std::nullopt, queries, labels);
  EXPECT_TRUE(blocks.chartable);
  EXPECT_TRUE(blocks.blocks.empty());
  blocks = GetChartAxisBlocks(document->Root(), queries, labels);
  EXPECT_TRUE(blocks.chartable);
  EXPECT_TRUE(blocks.blocks.empty());
}

TEST_F(ChartAxisBlocksTest, MissingSubAxesAreReportedWithTheMethod) {
  auto description = [this](const std::string& xml) {
    try {
      BlocksOf(xml);
    } catch (const frame::OfficeLogicError& error) {
      return error.description;
    }
    return std::string("no error");
  };
  EXPECT_EQ(description(Side(Age(), Heading("Nope"))),
            "CRenderTable.GetChartAxisBlocks: Failed to find sub axis Nope");
  std::string region = Variable("Region", "Area", Element("N", "North") + Element("S", "South"),
                                Heading("N") + Heading("S"), Age(2), Heading("Age") + Heading("Gone"));
  EXPECT_EQ(description(Side(region, Heading("Region"))),
            "CRenderTable.ChartTraverseAxis: Failed to find sub axis Gone");
}

}  // namespace
}  // namespace tabulo::excel::fixtures
