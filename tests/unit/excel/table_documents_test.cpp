#include "scripts/excel/table_documents.h"

#include <gtest/gtest.h>

#include <string>

#include "xml/document.h"

namespace tabulo::excel {
namespace {

TEST(TableDocumentsTest, EachTableGetsTheProlog) {
  const std::string text =
      "<?xml version=\"1.0\"?>\n"
      "<!DOCTYPE Document [<!ENTITY brand \"Acme > Co\"> <!-- ] > -->]>\n"
      "<Document LocaleId=\"1031\" Note='a > b'>"
      "<DataSet Name=\"d\"/>"
      "<Tables>"
      "<Table Name=\"T1\"><Axes><Axis Name=\"Side\"/></Axes><!-- </Table> --><![CDATA[</Table>]]></Table>"
      "<Other><Table Name=\"not a table\"/></Other>"
      "<Table Name=\"T2\"/>"
      "<Table Name=\"&brand;\"><Table Name=\"nested\"></Table></Table>"
      "</Tables>"
      "</Document>";
  const TableDocuments tables(text);
  ASSERT_EQ(tables.Count(), 3u);
  const std::string head =
      "<?xml version=\"1.0\"?>\n"
      "<!DOCTYPE Document [<!ENTITY brand \"Acme > Co\"> <!-- ] > -->]>\n"
      "<Document LocaleId=\"1031\" Note='a > b'>";
  EXPECT_EQ(tables.Document(0), head +
                                    "<Tables><Table Name=\"T1\"><Axes><Axis Name=\"Side\"/></Axes>"
                                    "<!-- </Table> --><![CDATA[</Table>]]></Table></Tables></Document>");
  EXPECT_EQ(tables.Document(1), head + "<Tables><Table Name=\"T2\"/></Tables></Document>");
  // The entity declared in the prolog still resolves in the table's document.
  const xml::Document third = xml::Document::Parse(tables.Document(2));
  const std::vector<xml::Node> found = third.SelectNodes("/Document/Tables/Table");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].Attribute("Name").value_or(""), "Acme > Co");
  EXPECT_EQ(third.SelectNodes("/Document[@LocaleId = '1031']").size(), 1u);
}

TEST(TableDocumentsTest, NoTablesWithoutDocumentAndTables) {
  EXPECT_EQ(TableDocuments("<Document/>").Count(), 0u);
  EXPECT_EQ(TableDocuments("<Document><Tables/></Document>").Count(), 0u);
  EXPECT_EQ(TableDocuments("<Other><Tables><Table/></Tables></Other>").Count(), 0u);
  EXPECT_EQ(TableDocuments("<Document><Table/><Tables></Tables></Document>").Count(), 0u);
  EXPECT_EQ(TableDocuments("<Document><Tables><Table/></Tables><Tables><Table/></Tables></Document>").Count(), 2u);
}

}  // namespace
}  // namespace tabulo::excel
