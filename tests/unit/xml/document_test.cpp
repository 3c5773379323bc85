#include "xml/document.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "xml/parse_error.h"

namespace tabulo::xml {
namespace {

TEST(DocumentTest, SelectsNodesInDocumentOrder) {
  Document doc = Document::Parse("<r><a n='1'><a n='2'/></a><b/><a n='3'/></r>");
  std::vector<Node> nodes = doc.SelectNodes("//a");
  ASSERT_EQ(nodes.size(), 3u);
  EXPECT_EQ(nodes[0].Attribute("n"), "1");
  EXPECT_EQ(nodes[1].Attribute("n"), "2");
  EXPECT_EQ(nodes[2].Attribute("n"), "3");
}

TEST(DocumentTest, ExpressionThatIsNotANodeSetIsAnError) {
  Document doc = Document::Parse("<r/>");
  EXPECT_THROW(doc.SelectNodes("count(//a)"), XPathError);
}

TEST(DocumentTest, AbsentAttributeDiffersFromEmptyOne) {
  Document doc = Document::Parse("<r e=''/>");
  Node root = doc.Root();
  EXPECT_EQ(root.Attribute("e"), std::optional<std::string>(""));
  EXPECT_EQ(root.Attribute("missing"), std::nullopt);
}

TEST(DocumentTest, KeepsCDataTextUnchanged) {
  Document doc = Document::Parse("<v><![CDATA[ a<b> & \"c\" ]]></v>");
  EXPECT_EQ(doc.Root().Text(), " a<b> & \"c\" ");
}

TEST(DocumentTest, ReplacesFirstChildWithCData) {
  Document doc = Document::Parse("<p><value><![CDATA[old]]></value></p>");
  Node value = *doc.SelectSingleNode("/p/value");
  value.ReplaceFirstChildWithCData("new & <x>");
  EXPECT_EQ(value.Text(), "new & <x>");
  EXPECT_NE(doc.Xml().find("<![CDATA[new & <x>]]>"), std::string::npos);
}

TEST(DocumentTest, RelativeSelectionFromAContextNode) {
  Document doc = Document::Parse("<r><p><name>A</name></p><p><name>B</name></p></r>");
  std::vector<Node> properties = doc.SelectNodes("/r/p");
  ASSERT_EQ(properties.size(), 2u);
  EXPECT_EQ(doc.SelectSingleNode("name", properties[1])->Text(), "B");
  EXPECT_EQ(doc.SelectSingleNode("type", properties[1]), std::nullopt);
}

TEST(DocumentTest, InvalidExpressionThrowsWithAReason) {
  Document doc = Document::Parse("<r/>");
  EXPECT_THROW(doc.SelectSingleNode("/properties/property[name = 'it's']/value"), XPathError);
}

TEST(DocumentTest, MalformedTextThrowsParseErrorWithTheReason) {
  try {
    Document::Parse("<a><b></a>");
    FAIL() << "parsed";
  } catch (const ParseError& error) {
    EXPECT_NE(std::string(error.what()).find("mismatch"), std::string::npos) << error.what();
  }
  EXPECT_THROW(Document::Parse(""), ParseError);
}

TEST(DocumentTest, ExpandsInternalEntities) {
  Document doc = Document::Parse("<!DOCTYPE r [<!ENTITY e 'expanded'>]><r a='&e;'>&e;</r>");
  EXPECT_EQ(doc.Root().Text(), "expanded");
  EXPECT_EQ(doc.Root().Attribute("a"), "expanded");
}

TEST(DocumentTest, NeverReadsExternalEntitiesOrDtds) {
  std::filesystem::path secret = std::filesystem::temp_directory_path() / "tabulo_xml_secret.txt";
  std::ofstream(secret) << "SENTINEL-7731";
  std::string uri = "file://" + secret.string();
  std::string with_entity = "<!DOCTYPE r [<!ENTITY x SYSTEM '" + uri + "'>]><r>&x;</r>";
  try {
    Document doc = Document::Parse(with_entity);
    EXPECT_EQ(doc.Xml().find("SENTINEL"), std::string::npos);
  } catch (const ParseError& error) {
    EXPECT_EQ(std::string(error.what()).find("SENTINEL"), std::string::npos);
  }
  std::string with_dtd = "<!DOCTYPE r SYSTEM '" + uri + "'><r/>";
  try {
    Document doc = Document::Parse(with_dtd);
    EXPECT_EQ(doc.Xml().find("SENTINEL"), std::string::npos);
  } catch (const ParseError&) {
  }
  std::filesystem::remove(secret);
}

TEST(DocumentTest, RefusesEntityExpansionBombs) {
  std::string bomb = "<!DOCTYPE r [<!ENTITY a0 'aaaaaaaaaa'>";
  for (int i = 1; i < 12; ++i) {
    std::string prev = "&a" + std::to_string(i - 1) + ";";
    std::string body;
    for (int j = 0; j < 10; ++j) body += prev;
    bomb += "<!ENTITY a" + std::to_string(i) + " '" + body + "'>";
  }
  bomb += "]><r>&a11;</r>";
  EXPECT_THROW(Document::Parse(bomb), ParseError);
}

// Read whole from memory, a document past 10 MB made of elements with many
// attributes (the value rows of a big table) used to end in the middle.
TEST(DocumentTest, ParsesDocumentsLargerThanTenMegabytes) {
  std::string row = "<row x=\"1\"";
  for (int column = 1; column <= 120; ++column) row += " c" + std::to_string(column) + "=\"12.3%\"";
  row += "/>\n";
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Tables>\n";
  std::size_t rows_written = 0;
  for (; text.size() < 12'000'000; ++rows_written) text += row;
  text += "<last>text &amp; more</last></Tables>";
  Document document = Document::Parse(text);
  EXPECT_EQ(document.SelectNodes("/Tables/row").size(), rows_written);
  const std::vector<Node> last = document.SelectNodes("/Tables/last");
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(last[0].Text(), "text & more");
}

TEST(DocumentTest, RefusesDocumentsNestedTooDeeply) {
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "<a>";
  for (int i = 0; i < 5000; ++i) deep += "</a>";
  EXPECT_THROW(Document::Parse(deep), ParseError);
}

}  // namespace
}  // namespace tabulo::xml
