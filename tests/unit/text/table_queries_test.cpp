// The node queries over a table's tree, checked against the node sets their
// XPath expressions give.
#include "scripts/text/table_queries.h"

#include <gtest/gtest.h>

#include <optional>

#include "scripts/text/table_builder.h"
#include "text/tables_xml_builder.h"
#include "xml/sax_reader.h"

namespace tabulo::text {
namespace {

using namespace testing;

// Builds the tree of a document whose root is the Table.
class TableFromXml final : public xml::SaxHandler {
 public:
  explicit TableFromXml(const std::string& xml) { xml::ParseSax(xml, *this); }
  void StartElement(std::string_view name, const xml::Attributes& attributes) override {
    if (builder) {
      builder->StartElement(name, attributes);
    } else {
      builder.emplace(attributes);
    }
  }
  void EndElement(std::string_view) override { builder->EndElement(); }
  void Characters(std::string_view) override {}

  std::optional<TableBuilder> builder;
};

std::string NameOf(const TableTree& tree, NodeId node) {
  return std::string(tree.AttributeOrEmpty(node, AttributeName::kName));
}

std::string Names(const TableTree& tree, const std::vector<NodeId>& nodes) {
  std::string names;
  for (NodeId node : nodes) names += NameOf(tree, node) + " ";
  return names;
}

// V has a net N (members a, b; a itself a net with member x), a hidden c
// and a d without values; W is nested under every element of V.
const std::string kNetElements = "<Element Name=\"N\"><SubElements><Element Name=\"a\"><SubElements>" +
                                 El("x", "x") + "</SubElements></Element>" + El("b", "b") +
                                 "</SubElements></Element>" + El("c", "c", "ShownOnTable=\"false\"") +
                                 El("d", "d", "HasCellValues=\"false\"") + El("a", "top-level a");
const std::string kNetHeadings =
    "<Heading Name=\"N\"><SubElementHeadings><Heading Name=\"a\"><SubElementHeadings>" + Hd("x") +
    "</SubElementHeadings></Heading>" + Hd("b") + "</SubElementHeadings></Heading>" + Hd("c") + Hd("d") +
    Hd("a");

class TextTableQueriesTest : public ::testing::Test {
 protected:
  TextTableQueriesTest()
      : table_(Table(
            "", Root("Top",
                     Var("V", "V", kNetElements, kNetHeadings, Age(8) + Gender(), Hd("Age") + Hd("Gender")),
                     Hd("V")) +
                    Root("Side", Age(), Hd("Age")) + Root("Side", Gender(), Hd("Gender")))),
        tree_(table_.builder->Tree()),
        queries_(tree_) {}

  NodeId Top() const { return *queries_.RootAxis("Top"); }
  NodeId V() const { return queries_.SubAxes(Top())[0]; }

  TableFromXml table_;
  const TableTree& tree_;
  TableQueries queries_;
};

TEST_F(TextTableQueriesTest, ElementsAndHeadingsAtAnyDepthInDocumentOrder) {
  EXPECT_EQ(Names(tree_, queries_.ElementHeadings(V())), "N a x b c d a ");
  EXPECT_EQ(queries_.ElementCount(V(), ElementRule::kAll), 7u);
  EXPECT_EQ(queries_.ElementCount(V(), ElementRule::kShown), 6u);
  EXPECT_EQ(queries_.ElementCount(V(), ElementRule::kValued), 6u);
  EXPECT_EQ(queries_.ElementCount(V(), ElementRule::kListed), 7u);
  EXPECT_EQ(Names(tree_, queries_.SubAxes(V())), "Age Gender ");
  EXPECT_EQ(Names(tree_, queries_.AxisHeadings(V())), "Age Gender ");
}

TEST_F(TextTableQueriesTest, HeadingsFindTheirElementsThroughTheirAncestorHeadings) {
  const std::vector<NodeId>& headings = queries_.ElementHeadings(V());
  auto element_of = [&](std::size_t index) {
    ElementLookup found = queries_.ElementOfHeading(V(), headings[index]);
    return found.element ? tree_.AttributeOrEmpty(*found.element, AttributeName::kLabel) : "missing";
  };
  EXPECT_EQ(element_of(2), "x");            // N / a / x
  EXPECT_EQ(element_of(3), "b");            // N / b
  EXPECT_EQ(element_of(6), "top-level a");  // not the net member of the same name
  ElementLookup nested_a = queries_.ElementOfHeading(V(), headings[1]);
  ASSERT_TRUE(nested_a.element.has_value());
  EXPECT_EQ(*tree_.Parent(*tree_.Parent(*nested_a.element)),
            *queries_.ElementOfHeading(V(), headings[0]).element);
}

TEST_F(TextTableQueriesTest, LookupNamesTheStepThatFoundNothing) {
  TableFromXml table(Table(
      "", Root("Top",
               Var("V", "V", El("a", "a"),
                   "<Heading Name=\"zz\"><SubElementHeadings>" + Hd("a") + "</SubElementHeadings></Heading>"),
               Hd("V"))));
  TableQueries queries(table.builder->Tree());
  NodeId v = queries.SubAxes(*queries.RootAxis("Top"))[0];
  ElementLookup found = queries.ElementOfHeading(v, queries.ElementHeadings(v)[1]);
  EXPECT_FALSE(found.element.has_value());
  EXPECT_EQ(found.missing_name, "zz");
}

TEST_F(TextTableQueriesTest, LeafCountsMultiplyNestingAndAddConcatenation) {
  // V: 7 elements x (Age 2 + Gender 2); the root: 1 x V.
  EXPECT_EQ(queries_.LeafCount(V(), ElementRule::kAll), 28u);
  EXPECT_EQ(queries_.LeafCount(Top(), ElementRule::kAll), 28u);
  EXPECT_EQ(queries_.LeafCount(Top(), ElementRule::kShown), 24u);
  EXPECT_EQ(queries_.AxisDepth(Top()), 4u);
  EXPECT_EQ(queries_.AxisAncestorCount(V()), 1u);
  EXPECT_EQ(queries_.AxisAncestorCount(queries_.SubAxes(V())[0]), 2u);
}

TEST_F(TextTableQueriesTest, VariableWithoutElementsCountsAsOneLeaf) {
  TableFromXml table(Table("", Root("Top", "<Axis Name=\"E\"/>", Hd("E"))));
  TableQueries queries(table.builder->Tree());
  NodeId top = *queries.RootAxis("Top");
  EXPECT_EQ(queries.ElementCount(queries.SubAxes(top)[0], ElementRule::kAll), 0u);
  EXPECT_EQ(queries.LeafCount(top, ElementRule::kShown), 1u);
  EXPECT_EQ(queries.AxisDepth(top), 2u);
}

TEST_F(TextTableQueriesTest, RootAxesAreFoundByNameAndNeedVariablesAndHeadings) {
  ASSERT_EQ(queries_.RootAxis("Side").has_value(), true);
  EXPECT_EQ(Names(tree_, queries_.SubAxes(*queries_.RootAxis("Side"))), "Age ");  // the first Side
  EXPECT_FALSE(queries_.RootAxis("side").has_value());
  EXPECT_TRUE(queries_.HasVariables(Top()));
  TableFromXml table(Table("", "<Axis Name=\"Top\"><SubAxes>" + Gender() + "</SubAxes></Axis>"));
  TableQueries queries(table.builder->Tree());
  EXPECT_FALSE(queries.HasVariables(*queries.RootAxis("Top")));
}

TEST(TextTableQueriesColumnHeadingsTest, OnlyHeadingIdsOfVariablesWithoutSubAxesCount) {
  auto includes = [](const std::string& axes) {
    TableFromXml table(Table("", axes));
    return TableQueries(table.builder->Tree()).IncludesColumnHeadings();
  };
  std::string with_id = Var("G", "G", El("M", "M"), Hd("M", "HeadingId=\"A\""));
  std::string empty_id = Var("G", "G", El("M", "M"), Hd("M", "HeadingId=\"\""));
  std::string nesting = Var("G", "G", El("M", "M"), Hd("M", "HeadingId=\"A\""), Age(), Hd("Age"));
  EXPECT_TRUE(includes(Root("Top", with_id, Hd("G"))));
  EXPECT_TRUE(includes(Root("Side", with_id, Hd("G"))));
  EXPECT_FALSE(includes(Root("Top", empty_id, Hd("G"))));
  EXPECT_FALSE(includes(Root("Top", nesting, Hd("G"))));
}

TEST(TextTableQueriesAnnotationTest, FirstAnnotationOfAPositionAndCellItems) {
  TableFromXml table(Table("", "",
                           "<Annotations><Annotation Position=\"LeftHeader\" Text=\"1\"/>"
                           "<Annotation Position=\"LeftHeader\" Text=\"2\"/></Annotations>" +
                               CellItems(3)));
  TableQueries queries(table.builder->Tree());
  EXPECT_EQ(queries.Tree().AttributeOrEmpty(*queries.Annotation("LeftHeader"), AttributeName::kText), "1");
  EXPECT_FALSE(queries.Annotation("RightHeader").has_value());
  EXPECT_EQ(queries.CellItemCount(), 3u);
}

}  // namespace
}  // namespace tabulo::text
