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

class TableLayoutErrorsTest : public testing::LayoutTest {
 protected:
  std::string LayoutFailure(const std::string& xml) {
    try {
      Prepare(xml);
    } catch (const TablesError& error) {
      EXPECT_EQ(error.Result(), platform::E_FAIL);
      return error.what();
    }
    return "no error";
  }
};

constexpr std::string_view kTooShort = "Table 'T1' has fewer headings than its variables require";

TEST_F(TableLayoutErrorsTest, TooFewElementHeadings) {
  EXPECT_EQ(LayoutFailure(OneTable(
                "Name=\"T1\"",
                "<Axes>" +
                    RootAxis("Side", Variable("Age", Elements({"a", "b", "c"}), Headings({"a", "b"})),
                             Headings({"Age"})) +
                    "</Axes>")),
            kTooShort);
}

TEST_F(TableLayoutErrorsTest, NoElementHeadingsAtAll) {
  EXPECT_EQ(LayoutFailure(OneTable(
                "Name=\"T1\"",
                "<Axes>" +
                    RootAxis("Top", "<Axis Name=\"A\"><Elements>" + Elements({"a"}) + "</Elements></Axis>",
                             Headings({"A"})) +
                    "</Axes>")),
            kTooShort);
}

TEST_F(TableLayoutErrorsTest, TooFewNestedAxisHeadings) {
  EXPECT_EQ(
      LayoutFailure(OneTable("Name=\"T1\"",
                             "<Axes>" +
                                 RootAxis("Top",
                                          Variable("Age", Elements({"a", "b"}), Headings({"a", "b"}),
                                                   Variable("Gender", Elements({"m"}), Headings({"m", "m"})),
                                                   Headings({"Gender"})),
                                          Headings({"Age"})) +
                                 "</Axes>")),
      kTooShort);
}

TEST_F(TableLayoutErrorsTest, TooFewHeadingsInALaterBlock) {
  EXPECT_EQ(LayoutFailure(OneTable(
                "Name=\"T1\"",
                "<Axes>" +
                    RootAxis("Top",
                             Variable("Age", Elements({"a", "b"}), Headings({"a", "b"}),
                                      Variable("Gender", Elements({"m", "f"}), Headings({"m", "f", "m"})),
                                      Repeat(Headings({"Gender"}), 2)),
                             Headings({"Age"})) +
                    "</Axes>")),
            kTooShort);
}

TEST_F(TableLayoutErrorsTest, AHeadingThatWouldStandInTwoPlaces) {
  const std::string twice =
      "Table 'T1' uses one heading in more than one place; its heading lists do not match its variables";
  EXPECT_EQ(LayoutFailure(
                OneTable("Name=\"T1\"", "<Axes>" +
                                            RootAxis("Top", Variable("Age", Elements({"a"}), Headings({"a"})),
                                                     Headings({"Age", "Age"})) +
                                            "</Axes>")),
            twice);

  // A member without values still numbers a heading, so the blocks of the
  // two instances of X overlap on Y's block 2.
  std::string x_elements =
      "<Element Name=\"net\"><SubElements><Element Name=\"m\" HasCellValues=\"false\"/>"
      "</SubElements></Element>" +
      Elements({"c"});
  std::string x_block = "<Heading Name=\"net\"><SubElementHeadings>" + Headings({"m"}) +
                        "</SubElementHeadings></Heading>" + Headings({"c"});
  std::string x =
      Variable("X", x_elements, x_block + x_block, Variable("Y", Elements({"y"}), Repeat(Headings({"y"}), 6)),
               Repeat(Headings({"Y"}), 6));
  EXPECT_EQ(LayoutFailure(OneTable(
                "Name=\"T1\"", "<Axes>" +
                                   RootAxis("Top",
                                            Variable("Z", Elements({"z1", "z2"}), Headings({"z1", "z2"}), x,
                                                     Headings({"X", "X"})),
                                            Headings({"Z"})) +
                                   "</Axes>")),
            twice);
}

TEST_F(TableLayoutErrorsTest, SpansBeyondTheRangeOfInt) {
  // 65536 rows per leaf times 32769 leaves exceed 2^31 - 1.
  std::string names;
  for (int i = 0; i < 32769; ++i) names += "<Element Name=\"e" + std::to_string(i) + "\"/>";
  std::string headings;
  for (int i = 0; i < 32769; ++i) headings += "<Heading Name=\"e" + std::to_string(i) + "\"/>";
  std::string xml = OneTable("Name=\"Big\" IsPopulated=\"true\"",
                             "<Axes>" + RootAxis("Side", Variable("Q", names, headings), Headings({"Q"})) +
                                 "</Axes><CellItems>" + Repeat("<CellItem/>", 65536) +
                                 "</CellItems><CellValues><Layer><row x=\"\"/></Layer></CellValues>");
  EXPECT_EQ(LayoutFailure(xml), "Table 'Big' is too large to be laid out");
}

}  // namespace
}  // namespace tabulo::tables
