#include <gtest/gtest.h>

#include <string>

#include "tables/tables_content_handler.h"
#include "tables_xml.h"
#include "xml/parse_error.h"
#include "xml/sax_reader.h"

namespace tabulo::tables {
namespace {

using testing::Elements;
using testing::Headings;
using testing::OneTable;
using testing::RootAxis;
using testing::Variable;

constexpr std::string_view kPrefix = "An error occurred while parsing the Tables XML: ";

// The message of the failed parse, or "no error".
std::string ParseFailure(const std::string& xml, RenderContext context = {}) {
  try {
    ParseTablesXml(xml, context);
  } catch (const TablesError& error) {
    EXPECT_EQ(error.Result(), platform::E_FAIL);
    return error.what();
  }
  return "no error";
}

std::string Within2018(std::string_view reason) { return std::string(kPrefix) + std::string(reason); }

TEST(TablesParseErrorsTest, HeadingNamingNoElement) {
  std::string xml = OneTable(
      "Name=\"T\"",
      "<Axes>" +
          RootAxis("Side", Variable("Age", Elements({"a", "b"}), Headings({"a", "Q9"})), Headings({"Age"})) +
          "</Axes>");
  EXPECT_EQ(ParseFailure(xml), Within2018("Item 'Q9' doesn't exist"));
}

TEST(TablesParseErrorsTest, HeadingNamingNoVariable) {
  std::string xml = OneTable(
      "", "<Axes>" + RootAxis("Top", Variable("Age", Elements({"a"}), Headings({"a"})), Headings({"Agee"})) +
              "</Axes>");
  EXPECT_EQ(ParseFailure(xml), Within2018("Item 'Agee' doesn't exist"));
}

TEST(TablesParseErrorsTest, HeadingNamingAnElementOfAnotherAxis) {
  std::string xml = OneTable(
      "", "<Axes>" +
              RootAxis("Side", Variable("Age", Elements({"young", "old"}), Headings({"young", "male"})),
                       Headings({"Age"})) +
              RootAxis("Top", Variable("Gender", Elements({"male", "female"}), Headings({"male", "female"})),
                       Headings({"Gender"})) +
              "</Axes>");
  EXPECT_EQ(ParseFailure(xml), Within2018("Item 'male' doesn't exist"));
}

TEST(TablesParseErrorsTest, MemberHeadingNamingAnElementOutsideItsNet) {
  std::string xml =
      OneTable("", "<Axes>" +
                       RootAxis("Side",
                                Variable("Q",
                                         "<Element Name=\"net\"><SubElements>" + Elements({"m1"}) +
                                             "</SubElements></Element>" + Elements({"other"}),
                                         "<Heading Name=\"net\"><SubElementHeadings>" + Headings({"other"}) +
                                             "</SubElementHeadings></Heading>" + Headings({"other"})),
                                Headings({"Q"})) +
                       "</Axes>");
  EXPECT_EQ(ParseFailure(xml), Within2018("Item 'other' doesn't exist"));
}

TEST(TablesParseErrorsTest, HeadingListsWithoutTheirTargetCollection) {
  EXPECT_EQ(ParseFailure(OneTable("", "<Axes><Axis Name=\"Side\"><AxisHeadings>" + Headings({"Age"}) +
                                          "</AxisHeadings></Axis></Axes>")),
            Within2018("Item 'Age' doesn't exist"));
  EXPECT_EQ(ParseFailure(OneTable("", "<Axes><Axis Name=\"Q\"><ElementHeadings>" + Headings({"a"}) +
                                          "</ElementHeadings></Axis></Axes>")),
            Within2018("Item 'a' doesn't exist"));
  EXPECT_EQ(
      ParseFailure(OneTable("", "<Axes><Axis><Elements>" + Elements({"net"}) +
                                    "</Elements><ElementHeadings><Heading Name=\"net\"><SubElementHeadings>" +
                                    Headings({"m"}) +
                                    "</SubElementHeadings></Heading></ElementHeadings>"
                                    "</Axis></Axes>")),
      Within2018("Item 'm' doesn't exist"));
}

TEST(TablesParseErrorsTest, InvalidBooleanAndEnumeratedValues) {
  EXPECT_EQ(ParseFailure(OneTable("IsPopulated=\"yes\"", "")),
            Within2018("Invalid value 'yes' for the 'IsPopulated' attribute"));
  EXPECT_EQ(ParseFailure(OneTable("IsPopulated=\"True\"", "")),
            Within2018("Invalid value 'True' for the 'IsPopulated' attribute"));
  EXPECT_EQ(ParseFailure(OneTable("", "<CellItems><CellItem Type=\"Counts\"/></CellItems>")),
            Within2018("Invalid value 'Counts' for the 'Type' attribute"));
  EXPECT_EQ(ParseFailure(OneTable("", "<Annotations><Annotation Position=\"\"/></Annotations>")),
            Within2018("Invalid value '' for the 'Position' attribute"));
  EXPECT_EQ(ParseFailure(OneTable("",
                                  "<Axes><Axis><Elements><Element><Style ImagePosition=\"Middle\"/>"
                                  "</Element></Elements></Axis></Axes>")),
            Within2018("Invalid value 'Middle' for the 'ImagePosition' attribute"));
  EXPECT_EQ(ParseFailure(OneTable("",
                                  "<Axes><Axis><ElementHeadings><Heading IsSortedOn=\"1\"/>"
                                  "</ElementHeadings></Axis></Axes>")),
            Within2018("Invalid value '1' for the 'IsSortedOn' attribute"));
}

TEST(TablesParseErrorsTest, InvalidValuesAreCutToTheirFirst49Characters) {
  std::string fifty_letters(26, 'a');
  fifty_letters += std::string(24, 'b');  // 50 characters
  std::string expected_value(26, 'a');
  expected_value += std::string(23, 'b');  // 49 characters
  EXPECT_EQ(ParseFailure(OneTable("", "<Axes><Axis><Elements><Element Type=\"" + fifty_letters +
                                          "\"/></Elements></Axis></Axes>")),
            Within2018("Invalid value '" + expected_value + "' for the 'Type' attribute"));

  // Characters, not bytes: 60 two-byte letters keep 49 whole letters.
  std::string umlauts;
  for (int i = 0; i < 60; ++i) umlauts += "\xC3\xA4";
  std::string expected_umlauts;
  for (int i = 0; i < 49; ++i) expected_umlauts += "\xC3\xA4";
  EXPECT_EQ(ParseFailure(OneTable("IsPopulated=\"" + umlauts + "\"", "")),
            Within2018("Invalid value '" + expected_umlauts + "' for the 'IsPopulated' attribute"));
}

TEST(TablesParseErrorsTest, MalformedDocumentReportsTheParsersText) {
  for (std::string xml : {std::string("<Document><Tables></Document>"), std::string(""),
                          std::string("<Document><Tables><Table Name='a' Name='b'/></Tables></Document>"),
                          std::string("<Document>&undefined;</Document>")}) {
    std::string reason;
    struct Ignore : xml::SaxHandler {
      void StartElement(std::string_view, const xml::Attributes&) override {}
      void EndElement(std::string_view) override {}
      void Characters(std::string_view) override {}
    } ignore;
    try {
      xml::ParseSax(xml, ignore);
    } catch (const xml::ParseError& error) {
      reason = error.what();
    }
    ASSERT_FALSE(reason.empty()) << xml;
    EXPECT_EQ(ParseFailure(xml), Within2018(reason)) << xml;
  }
}

TEST(TablesParseErrorsTest, HandlerErrorStopsTheParseBeforeALaterMalformation) {
  // The first fault is the one reported, even though the document is
  // malformed further on.
  EXPECT_EQ(ParseFailure("<Document><Tables><Table IsPopulated=\"maybe\"/></Tables><oops></Document>"),
            Within2018("Invalid value 'maybe' for the 'IsPopulated' attribute"));
}

TEST(TablesParseErrorsTest, ErrorsInsideIgnoredSubtreesDoNotCount) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      "<Document><Tables><Unknown><Table IsPopulated=\"maybe\"/></Unknown></Tables></Document>", context);
  EXPECT_TRUE(document.Tables()->empty());
}

}  // namespace
}  // namespace tabulo::tables
