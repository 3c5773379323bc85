#include <gtest/gtest.h>

#include "layout_fixture.h"
#include "tables_xml.h"

namespace tabulo::tables {
namespace {

using testing::Elements;
using testing::Headings;
using testing::OneTable;
using testing::Repeat;
using testing::RootAxis;
using testing::Variable;

using TableLayoutTest = testing::LayoutTest;
using Strings = std::vector<std::string>;
using Ints = std::vector<int>;

const std::string kTwoCellItems = "<CellItems><CellItem/><CellItem Type=\"ColPercent\"/></CellItems>";

std::string Rows(int count) {
  return "<CellValues><Layer>" + Repeat("<row x=\"\" c1=\"1\"/>", count) + "</Layer></CellValues>";
}

const std::string kAgeOnSide =
    "<Axes>" +
    RootAxis("Side", Variable("Age", Elements({"a", "b", "c"}), Headings({"a", "b", "c"})),
             Headings({"Age"})) +
    "</Axes>";

// Age (a, b, c) with Gender (m, f) nested under each of its elements.
std::string AgeByGender(std::string_view root) {
  return "<Axes>" +
         RootAxis(root,
                  Variable("Age", Elements({"a", "b", "c"}), Headings({"a", "b", "c"}),
                           Variable("Gender", Elements({"m", "f"}), Repeat(Headings({"m", "f"}), 3)),
                           Repeat(Headings({"Gender"}), 3)),
                  Headings({"Age"})) +
         "</Axes>";
}

TEST_F(TableLayoutTest, SideVariableWithTwoCellItems) {
  context_.horizontal_side_axis = false;
  CTable& table = Prepare(OneTable("Name=\"T\" IsPopulated=\"true\"", kAgeOnSide + kTwoCellItems + Rows(3)));
  CAxis& side = *table.SideAxis();
  EXPECT_EQ(side.TotalSpan(), 6);
  EXPECT_EQ(side.LevelCount(), 2);
  const CAxisHeading& age = (*side.AxisHeadings())[0];
  EXPECT_EQ(Shape(age), "6/0");
  EXPECT_FALSE(age.IsLeaf());
  EXPECT_EQ(age.ParentElementHeading(), nullptr);
  ASSERT_EQ(table.SideLeaves().size(), 3u);
  const CElementHeadings& headings = *age.Variable()->ElementHeadings();
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(table.SideLeaves()[i], &headings[i]);
    EXPECT_EQ(Shape(headings[i]), "2/1");
    EXPECT_TRUE(headings[i].IsLeaf());
    EXPECT_EQ(headings[i].GetLeafIndex(), static_cast<int>(i));
    EXPECT_EQ(headings[i].GetSubElementLevel(), 0);
    EXPECT_EQ(headings[i].ParentAxisHeading(), &age);
  }
  EXPECT_EQ(age.Children(), (std::vector<CElementHeading*>{&headings[0], &headings[1], &headings[2]}));
  EXPECT_TRUE(table.TopLeaves().empty());
}

TEST_F(TableLayoutTest, CellItemsCountAsRowsOnlyWithCategoriesAndCellValues) {
  context_.include_cell_values = false;
  CTable& table = Prepare(OneTable("IsPopulated=\"true\"", kAgeOnSide + kTwoCellItems + Rows(3)));
  EXPECT_EQ(Spans(table.SideLeaves()), (Ints{1, 1, 1}));
  EXPECT_EQ(table.SideAxis()->TotalSpan(), 3);
  EXPECT_EQ(table.CellItems()->size(), 2u);
}

TEST_F(TableLayoutTest, NestedVariableOnTheTopAxis) {
  CTable& table = Prepare(OneTable("Name=\"T\"", AgeByGender("Top")));
  CAxis& top = *table.TopAxis();
  EXPECT_EQ(top.TotalSpan(), 6);
  EXPECT_EQ(top.LevelCount(), 4);
  const CAxisHeading& age = (*top.AxisHeadings())[0];
  EXPECT_EQ(Shape(age), "6/0");
  const CAxis& age_variable = *age.Variable();
  const CAxis& gender = age_variable.SubAxes()->Find("Gender");
  for (std::size_t i = 0; i < 3; ++i) {
    const CElementHeading& element = (*age_variable.ElementHeadings())[i];
    const CAxisHeading& nested = (*age_variable.AxisHeadings())[i];
    EXPECT_EQ(Shape(element), "2/1");
    EXPECT_FALSE(element.IsLeaf());
    ASSERT_EQ(element.Children().size(), 1u);
    EXPECT_EQ(element.Children()[0], &nested);
    EXPECT_EQ(nested.ParentElementHeading(), &element);
    EXPECT_EQ(Shape(nested), "2/2");
  }
  ASSERT_EQ(table.TopLeaves().size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(table.TopLeaves()[i], &(*gender.ElementHeadings())[i]);
    EXPECT_EQ(Shape(*table.TopLeaves()[i]), "1/3");
  }
  EXPECT_EQ(NamePaths(table.TopLeaves()),
            (Strings{"Age: a, Gender: m", "Age: a, Gender: f", "Age: b, Gender: m", "Age: b, Gender: f",
                     "Age: c, Gender: m", "Age: c, Gender: f"}));
}

TEST_F(TableLayoutTest, NestedVariableOnTheSideAxisWithHorizontalLabels) {
  std::string xml = OneTable("IsPopulated=\"true\"", AgeByGender("Side") + kTwoCellItems + Rows(6));
  context_.horizontal_side_axis = true;
  CTable& horizontal = Prepare(xml);
  const CAxisHeading& age = (*horizontal.SideAxis()->AxisHeadings())[0];
  const CElementHeading& a = (*age.Variable()->ElementHeadings())[0];
  EXPECT_EQ(Shape(*a.Children()[0]), "4/2");
  EXPECT_EQ(Shape(a), "5/1");  // the nested variable's label takes a row of its own
  EXPECT_EQ(Shape(age), "15/0");
  EXPECT_EQ(horizontal.SideAxis()->TotalSpan(), 15);
  EXPECT_EQ(horizontal.SideAxis()->LevelCount(), 4);
  EXPECT_EQ(Spans(horizontal.SideLeaves()), (Ints{2, 2, 2, 2, 2, 2}));

  context_.horizontal_side_axis = false;
  CTable& vertical = Prepare(xml);
  EXPECT_EQ(Shape((*(*vertical.SideAxis()->AxisHeadings())[0].Variable()->ElementHeadings())[0]), "4/1");
  EXPECT_EQ(vertical.SideAxis()->TotalSpan(), 12);
}

TEST_F(TableLayoutTest, NetAndItsMembersStandOnOneLevel) {
  std::string elements = "<Element Name=\"net\" Type=\"Net\"><SubElements>" + Elements({"m1", "m2"}) +
                         "</SubElements></Element>" + Elements({"c"});
  std::string headings = "<Heading Name=\"net\"><SubElementHeadings>" + Headings({"m1", "m2"}) +
                         "</SubElementHeadings></Heading>" + Headings({"c"});
  CTable& table = Prepare(OneTable(
      "", "<Axes>" + RootAxis("Top", Variable("Q", elements, headings), Headings({"Q"})) + "</Axes>"));
  EXPECT_EQ(NamePaths(table.TopLeaves()), (Strings{"Q: net", "Q: m1", "Q: m2", "Q: c"}));
  EXPECT_EQ(Spans(table.TopLeaves()), (Ints{1, 1, 1, 1}));
  std::vector<int> levels;
  std::vector<int> depths;
  for (const CElementHeading* leaf : table.TopLeaves()) {
    levels.push_back(leaf->GetSubElementLevel());
    depths.push_back(leaf->GetDepth());
  }
  EXPECT_EQ(levels, (Ints{0, 1, 1, 0}));
  EXPECT_EQ(depths, (Ints{1, 1, 1, 1}));
  const CAxisHeading& q = (*table.TopAxis()->AxisHeadings())[0];
  EXPECT_EQ(Shape(q), "4/0");
  EXPECT_EQ(q.Children().size(), 2u);  // the members hang below their net, not below the variable
  EXPECT_EQ(table.TopLeaves()[1]->ParentAxisHeading(), &q);
  EXPECT_EQ(table.TopAxis()->LevelCount(), 2);
}

TEST_F(TableLayoutTest, HiddenElementsKeepTheirPlaceWithSpanZero) {
  std::string elements = Elements({"a"}) + "<Element Name=\"h\" ShownOnTable=\"false\"/>" + Elements({"c"});
  std::string xml =
      OneTable("", "<Axes>" +
                       RootAxis("Side",
                                Variable("Q", elements, Headings({"a", "h", "c"}),
                                         Variable("G", Elements({"x", "y"}), Repeat(Headings({"x", "y"}), 3)),
                                         Repeat(Headings({"G"}), 3)),
                                Headings({"Q"})) +
                       "</Axes>");
  context_.horizontal_side_axis = true;
  CTable& table = Prepare(xml);
  EXPECT_EQ(NamePaths(table.SideLeaves()),
            (Strings{"Q: a, G: x", "Q: a, G: y", "Q: h, G: x", "Q: h, G: y", "Q: c, G: x", "Q: c, G: y"}));
  EXPECT_EQ(Spans(table.SideLeaves()), (Ints{1, 1, 0, 0, 1, 1}));
  const CAxis& q = *(*table.SideAxis()->AxisHeadings())[0].Variable();
  EXPECT_EQ(Shape((*q.ElementHeadings())[0]), "3/1");
  EXPECT_EQ(Shape((*q.ElementHeadings())[1]), "0/1");  // no label row under a hidden element
  EXPECT_EQ(Shape((*q.AxisHeadings())[1]), "0/2");
  EXPECT_EQ(table.SideAxis()->TotalSpan(), 6);
  EXPECT_EQ(table.SideLeaves()[3]->GetLeafIndex(), 3);
}

TEST_F(TableLayoutTest, MembersOfAHiddenNetFollowTheNetsParent) {
  std::string elements = "<Element Name=\"net\" ShownOnTable=\"false\"><SubElements>" + Elements({"m1"}) +
                         "<Element Name=\"m2\" ShownOnTable=\"false\"/></SubElements></Element>" +
                         Elements({"d"});
  std::string headings = "<Heading Name=\"net\"><SubElementHeadings>" + Headings({"m1", "m2"}) +
                         "</SubElementHeadings></Heading>" + Headings({"d"});
  CTable& table = Prepare(OneTable(
      "", "<Axes>" + RootAxis("Top", Variable("Q", elements, headings), Headings({"Q"})) + "</Axes>"));
  EXPECT_EQ(NamePaths(table.TopLeaves()), (Strings{"Q: net", "Q: m1", "Q: m2", "Q: d"}));
  EXPECT_EQ(Spans(table.TopLeaves()), (Ints{0, 1, 0, 1}));
  EXPECT_EQ(table.TopAxis()->TotalSpan(), 2);
}

TEST_F(TableLayoutTest, ConcatenatedVariablesEachStartAtBlockZero) {
  CTable& table = Prepare(
      OneTable("", "<Axes>" +
                       RootAxis("Top",
                                Variable("A", Elements({"a1", "a2"}), Headings({"a1", "a2"})) +
                                    Variable("B", Elements({"b1", "b2", "b3"}), Headings({"b1", "b2", "b3"})),
                                Headings({"A", "B"})) +
                       "</Axes>"));
  EXPECT_EQ(NamePaths(table.TopLeaves()), (Strings{"A: a1", "A: a2", "B: b1", "B: b2", "B: b3"}));
  EXPECT_EQ(table.TopAxis()->TotalSpan(), 5);
  EXPECT_EQ(table.TopAxis()->LevelCount(), 2);
  EXPECT_EQ(table.TopLeaves()[4]->GetLeafIndex(), 4);
}

TEST_F(TableLayoutTest, UnbalancedConcatenationTakesTheDeepestLevel) {
  CTable& table = Prepare(OneTable(
      "", "<Axes>" +
              RootAxis("Top",
                       Variable("A", Elements({"a1"}), Headings({"a1"})) +
                           Variable("B", Elements({"b1", "b2"}), Headings({"b1", "b2"}),
                                    Variable("G", Elements({"g1", "g2"}), Repeat(Headings({"g1", "g2"}), 2)),
                                    Repeat(Headings({"G"}), 2)),
                       Headings({"A", "B"})) +
              "</Axes>"));
  EXPECT_EQ(table.TopAxis()->LevelCount(), 4);
  EXPECT_EQ(table.TopAxis()->TotalSpan(), 5);
  EXPECT_EQ(NamePaths(table.TopLeaves()),
            (Strings{"A: a1", "B: b1, G: g1", "B: b1, G: g2", "B: b2, G: g1", "B: b2, G: g2"}));
  EXPECT_EQ(Shape(*table.TopLeaves()[0]), "1/1");
  EXPECT_EQ(Shape(*table.TopLeaves()[1]), "1/3");
}

// X has a net (m1, m2) and c, with Y (y1, y2) nested under each of the four
// headings; Y's headings carry their entry number as id.
std::string NetWithNestedVariable() {
  std::string elements = "<Element Name=\"net\"><SubElements>" + Elements({"m1", "m2"}) +
                         "</SubElements></Element>" + Elements({"c"});
  std::string headings = "<Heading Name=\"net\"><SubElementHeadings>" + Headings({"m1", "m2"}) +
                         "</SubElementHeadings></Heading>" + Headings({"c"});
  std::string y_headings;
  for (int i = 0; i < 8; ++i) {
    y_headings +=
        "<Heading Name=\"y" + std::to_string(i % 2 + 1) + "\" HeadingId=\"" + std::to_string(i) + "\"/>";
  }
  return Variable("X", elements, headings, Variable("Y", Elements({"y1", "y2"}), y_headings),
                  Repeat(Headings({"Y"}), 4));
}

TEST_F(TableLayoutTest, NetHeadingsNumberTheBlocksOfNestedVariables) {
  CTable& table =
      Prepare(OneTable("", "<Axes>" + RootAxis("Top", NetWithNestedVariable(), Headings({"X"})) + "</Axes>"));
  Strings ids;
  for (const CElementHeading* leaf : table.TopLeaves()) ids.push_back(leaf->GetHeadingId());
  EXPECT_EQ(ids, (Strings{"0", "1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(NamePaths(table.TopLeaves()),
            (Strings{"X: net, Y: y1", "X: net, Y: y2", "X: m1, Y: y1", "X: m1, Y: y2", "X: m2, Y: y1",
                     "X: m2, Y: y2", "X: c, Y: y1", "X: c, Y: y2"}));
  const CAxis& x = *(*table.TopAxis()->AxisHeadings())[0].Variable();
  const CElementHeading& m2 = (*(*x.ElementHeadings())[0].SubElementHeadings())[1];
  EXPECT_EQ((*x.AxisHeadings())[2].ParentElementHeading(), &m2);
  EXPECT_EQ(Shape(m2), "2/1");
  EXPECT_EQ(Shape((*x.ElementHeadings())[0]), "2/1");
  EXPECT_EQ(Shape((*table.TopAxis()->AxisHeadings())[0]), "8/0");
  EXPECT_EQ(table.TopAxis()->LevelCount(), 4);
}

TEST_F(TableLayoutTest, InstancesNumberTheirHeadingsFromTheirBlockOn) {
  // Z (z1, z2) > X (net (m1, m2), c) > Y (y1): the instance of X under z2
  // numbers its headings from 4 (four elements of X with values).
  std::string elements = "<Element Name=\"net\"><SubElements>" + Elements({"m1", "m2"}) +
                         "</SubElements></Element>" + Elements({"c"});
  std::string x_block = "<Heading Name=\"net\"><SubElementHeadings>" + Headings({"m1", "m2"}) +
                        "</SubElementHeadings></Heading>" + Headings({"c"});
  std::string y_headings;
  for (int i = 0; i < 8; ++i) y_headings += "<Heading Name=\"y1\" HeadingId=\"" + std::to_string(i) + "\"/>";
  std::string x = Variable("X", elements, x_block + x_block, Variable("Y", Elements({"y1"}), y_headings),
                           Repeat(Headings({"Y"}), 8));
  CTable& table = Prepare(OneTable(
      "", "<Axes>" +
              RootAxis("Top",
                       Variable("Z", Elements({"z1", "z2"}), Headings({"z1", "z2"}), x, Headings({"X", "X"})),
                       Headings({"Z"})) +
              "</Axes>"));
  Strings ids;
  for (const CElementHeading* leaf : table.TopLeaves()) ids.push_back(leaf->GetHeadingId());
  EXPECT_EQ(ids, (Strings{"0", "1", "2", "3", "4", "5", "6", "7"}));
  EXPECT_EQ(table.TopLeaves()[5]->GetNamePath(), "Z: z2, X: m1, Y: y1");
  EXPECT_EQ(table.TopAxis()->LevelCount(), 6);
  EXPECT_EQ(table.TopAxis()->TotalSpan(), 8);
  EXPECT_EQ(Shape(*table.TopLeaves()[5]), "1/5");
}

TEST_F(TableLayoutTest, BlocksAreSizedByTheElementsWithValues) {
  std::string y_elements = Elements({"y1"}) + "<Element Name=\"note\" HasCellValues=\"false\"/>";
  CTable& table = Prepare(OneTable(
      "", "<Axes>" +
              RootAxis("Top",
                       Variable("X", Elements({"x1", "x2"}), Headings({"x1", "x2"}),
                                Variable("Y", y_elements, Headings({"y1", "y1"})), Headings({"Y", "Y"})),
                       Headings({"X"})) +
              "</Axes>"));
  EXPECT_EQ(NamePaths(table.TopLeaves()), (Strings{"X: x1, Y: y1", "X: x2, Y: y1"}));
}

TEST_F(TableLayoutTest, WithoutCategoriesEveryVariableTakesOneRowOrColumn) {
  context_.include_categories = false;
  CTable& table = Prepare(OneTable("", AgeByGender("Top")));
  const CAxisHeading& age = (*table.TopAxis()->AxisHeadings())[0];
  EXPECT_EQ(Shape(age), "1/0");
  EXPECT_FALSE(age.IsLeaf());
  const CAxis& age_variable = *age.Variable();
  EXPECT_EQ(Shape((*age_variable.ElementHeadings())[0]), "1/0");
  const CAxisHeading& gender = (*age_variable.AxisHeadings())[0];
  EXPECT_EQ(Shape(gender), "1/1");
  EXPECT_TRUE(gender.IsLeaf());
  EXPECT_EQ(table.TopAxis()->TotalSpan(), 1);
  EXPECT_EQ(table.TopAxis()->LevelCount(), 2);
  EXPECT_EQ(table.TopLeaves().size(), 6u);
  EXPECT_EQ(Shape(*table.TopLeaves()[0]), "1/1");
}

TEST_F(TableLayoutTest, WithoutCategoriesTheCellItemsCountAsOneRow) {
  context_.include_categories = false;
  CTable& table = Prepare(OneTable("IsPopulated=\"true\"", kAgeOnSide + kTwoCellItems + Rows(3)));
  const CAxisHeading& age = (*table.SideAxis()->AxisHeadings())[0];
  EXPECT_EQ(Shape(age), "1/0");
  EXPECT_TRUE(age.IsLeaf());
  EXPECT_EQ(Spans(table.SideLeaves()), (Ints{1, 1, 1}));
  EXPECT_EQ(table.SideAxis()->LevelCount(), 1);
}

TEST_F(TableLayoutTest, AVariableWithoutElementsSpansNothing) {
  std::string xml = OneTable(
      "", "<Axes>" +
              RootAxis("Top", Variable("A", Elements({"a1"}), Headings({"a1"})) + "<Axis Name=\"E\"/>",
                       Headings({"A", "E"})) +
              "</Axes>");
  CTable& with_categories = Prepare(xml);
  EXPECT_EQ(Shape((*with_categories.TopAxis()->AxisHeadings())[1]), "0/0");
  EXPECT_EQ(with_categories.TopAxis()->TotalSpan(), 1);

  context_.include_categories = false;
  CTable& without = Prepare(xml);
  EXPECT_EQ(Shape((*without.TopAxis()->AxisHeadings())[0]), "1/0");
  EXPECT_EQ(Shape((*without.TopAxis()->AxisHeadings())[1]), "0/0");
  EXPECT_EQ(without.TopAxis()->TotalSpan(), 1);
}

TEST_F(TableLayoutTest, MissingAxesLeaveTheirLeavesEmpty) {
  CTable& no_axes = Prepare(OneTable("", ""));
  EXPECT_TRUE(no_axes.TopLeaves().empty());
  EXPECT_TRUE(no_axes.SideLeaves().empty());

  CTable& empty_top = Prepare(
      OneTable("", "<Axes><Axis Name=\"Top\"><SubAxes/><AxisHeadings/></Axis>" +
                       RootAxis("Side", Variable("A", Elements({"a1"}), Headings({"a1"})), Headings({"A"})) +
                       "</Axes>"));
  EXPECT_EQ(empty_top.TopAxis(), nullptr);
  ASSERT_NE(empty_top.RootAxis("Top"), nullptr);
  EXPECT_EQ(empty_top.RootAxis("Top")->LevelCount(), 0);
  EXPECT_TRUE(empty_top.TopLeaves().empty());
  EXPECT_EQ(NamePaths(empty_top.SideLeaves()), (Strings{"A: a1"}));
}

TEST_F(TableLayoutTest, TablesWithoutValuesOrCellItemsGetASingleCount) {
  std::string three_items =
      "<CellItems><CellItem Type=\"Mean\"/><CellItem Type=\"Sum\"/><CellItem Type=\"Range\"/></CellItems>";
  auto only_count = [](const CTable& table) {
    return table.CellItems() != nullptr && table.CellItems()->size() == 1 &&
           (*table.CellItems())[0].Type() == CellItemType::kCount && (*table.CellItems())[0].Decimals() == -1;
  };
  CTable& unpopulated = Prepare(OneTable("", kAgeOnSide + three_items + Rows(3)));
  EXPECT_TRUE(only_count(unpopulated));
  EXPECT_EQ(Spans(unpopulated.SideLeaves()), (Ints{1, 1, 1}));

  CTable& empty_items = Prepare(OneTable("IsPopulated=\"true\"", kAgeOnSide + "<CellItems/>" + Rows(3)));
  EXPECT_TRUE(only_count(empty_items));
  EXPECT_EQ(Spans(empty_items.SideLeaves()), (Ints{1, 1, 1}));

  EXPECT_TRUE(only_count(Prepare(OneTable("IsPopulated=\"true\"", kAgeOnSide + Rows(3)))));
  EXPECT_TRUE(only_count(Prepare(OneTable("IsPopulated=\"true\"", kAgeOnSide + three_items))));

  CTable& kept = Prepare(OneTable("IsPopulated=\"true\"", kAgeOnSide + three_items + Rows(3)));
  EXPECT_EQ(kept.CellItems()->size(), 3u);
  EXPECT_EQ(Spans(kept.SideLeaves()), (Ints{3, 3, 3}));
}

TEST_F(TableLayoutTest, ASecondLayoutGivesTheSameResult) {
  CTable& table =
      Prepare(OneTable("", "<Axes>" + RootAxis("Top", NetWithNestedVariable(), Headings({"X"})) + "</Axes>"));
  std::vector<CElementHeading*> first = table.TopLeaves();
  Strings shapes;
  for (const CElementHeading* leaf : first) shapes.push_back(Shape(*leaf));
  PrepareTableLayout(table);
  EXPECT_EQ(table.TopLeaves(), first);
  Strings again;
  for (const CElementHeading* leaf : table.TopLeaves()) again.push_back(Shape(*leaf));
  EXPECT_EQ(again, shapes);
  EXPECT_EQ(table.TopAxis()->TotalSpan(), 8);
  EXPECT_EQ((*table.TopAxis()->AxisHeadings())[0].Children().size(), 2u);
}

}  // namespace
}  // namespace tabulo::tables
