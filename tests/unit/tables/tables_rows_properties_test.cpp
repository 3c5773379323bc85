#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tables/tables_content_handler.h"
#include "tables_xml.h"

namespace tabulo::tables {
namespace {

std::vector<std::string> ValuesOf(const CRow& row) {
  std::vector<std::string> values;
  for (std::size_t i = 0; i < row.size(); ++i) values.emplace_back(row[i]);
  return values;
}

TEST(TablesRowsTest, RowsOfAllLayersJoinInDocumentOrderWithoutTheirFirstAttribute) {
  RenderContext context;
  CDocument document = ParseTablesXml(testing::OneTable("IsPopulated=\"true\"", R"(
      <CellValues>
        <row x="ignored, outside any layer" c1="9"/>
        <Layer>
          <row x="0" c1="12" c2="" c3="45.5%"/>
          <Layer><row x="nested layer" c1="8"/></Layer>
          <row x="1"/>
        </Layer>
        <row x="between layers" c1="7"/>
        <layer><ROW r="2" c1="&lt;b&gt;3&lt;/b&gt;" c2="5 &amp; 6"><child c1="x"/></ROW></layer>
      </CellValues>)"),
                                      context);
  const CTable& table = (*document.Tables())[0];
  EXPECT_TRUE(table.HasValues());
  const CRows& rows = *table.Rows();
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(ValuesOf(rows[0]), (std::vector<std::string>{"12", "", "45.5%"}));
  EXPECT_EQ(ValuesOf(rows[1]), std::vector<std::string>{});
  EXPECT_EQ(ValuesOf(rows[2]), (std::vector<std::string>{"<b>3</b>", "5 &amp; 6"}));
}

TEST(TablesRowsTest, ValuesAreTakenByPositionNotByName) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      testing::OneTable(
          "IsPopulated=\"true\"",
          "<CellValues><Layer><row c2=\"first\" c1=\"second\" id=\"third\"/></Layer></CellValues>"),
      context);
  EXPECT_EQ(ValuesOf((*(*document.Tables())[0].Rows())[0]), (std::vector<std::string>{"second", "third"}));
}

TEST(TablesRowsTest, APopulatedTableWithoutRowsHasNoValues) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      "<Document><Tables><Table IsPopulated=\"true\"><CellValues/></Table>"
      "<Table IsPopulated=\"false\"><CellValues><Layer><row x=\"\" c1=\"1\"/></Layer></CellValues></Table>"
      "</Tables></Document>",
      context);
  EXPECT_FALSE((*document.Tables())[0].HasValues());
  EXPECT_FALSE((*document.Tables())[1].HasValues());
}

TEST(TablesPropertiesTest, ValuesAreConvertedToTheirVariantType) {
  RenderContext context;
  CDocument document = ParseTablesXml(testing::OneTable("", R"(<Properties>
      <property><name>ShowPercentSigns</name><type>11</type><value>-1</value></property>
      <Property><name>ChartType</name><type> 8 </type><value>Pie &amp; more</value></Property>
      <property><name>ChartCellItem</name><type>3</type><value>12</value></property>
      <property><name>Broken</name><type>3</type><value>twelve</value></property>
      <property><name>UnknownType</name><type>99</type><value>1</value></property>
      <property><name>NoType</name><value>text</value></property>
      <property><name>chartcellitem</name><type>8</type><value>second</value></property>
      <property><unknown>x</unknown></property>
    </Properties>)"),
                                      context);
  const CProperties& properties = *(*document.Tables())[0].Properties();
  ASSERT_EQ(properties.size(), 8u);

  const CProperty* percent = properties.Find("showpercentsigns");
  ASSERT_NE(percent, nullptr);
  EXPECT_EQ(percent->Type(), 11);
  EXPECT_EQ(percent->Value(), platform::Variant::FromBool(true));

  const CProperty* chart_type = properties.Find("ChartType");
  ASSERT_NE(chart_type, nullptr);
  EXPECT_EQ(chart_type->Type(), 8);
  EXPECT_EQ(chart_type->ValueText(), "Pie & more");  // pieces of one text are joined
  EXPECT_EQ(chart_type->Value(), platform::Variant::FromString("Pie & more"));

  const CProperty* cell_item = properties.Find("CHARTCELLITEM");
  ASSERT_NE(cell_item, nullptr);
  EXPECT_EQ(cell_item->Value(), platform::Variant::FromI4(12));  // the first of two

  EXPECT_EQ(properties.Find("Broken")->Value().type(), platform::VarType::Empty);
  EXPECT_EQ(properties.Find("UnknownType")->Value().type(), platform::VarType::Empty);
  EXPECT_EQ(properties.Find("NoType")->Value().type(), platform::VarType::Empty);
  EXPECT_EQ(properties.Find("NoType")->ValueText(), "text");
  EXPECT_EQ(properties[7].Name(), "");
  EXPECT_EQ(properties.Find("Missing"), nullptr);
}

}  // namespace
}  // namespace tabulo::tables
