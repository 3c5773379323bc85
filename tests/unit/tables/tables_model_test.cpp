#include <gtest/gtest.h>

#include "tables/tables_content_handler.h"

namespace tabulo::tables {
namespace {

TEST(TablesModelTest, DefaultsOfEveryElementWithoutAttributes) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      "<Document><DataSet/><Tables><Table><Axes><Axis><Elements><Element><Style/></Element></Elements>"
      "<ElementHeadings><Heading/></ElementHeadings></Axis></Axes><CellItems><CellItem/></CellItems>"
      "<Annotations><Annotation/></Annotations><Filters><Filter/></Filters></Table></Tables></Document>",
      context);
  EXPECT_EQ(document.Description(), "");
  EXPECT_EQ(document.ImageLocation(), "");
  ASSERT_NE(document.DataSet(), nullptr);
  EXPECT_EQ(document.DataSet()->Description(), "");

  CTable& table = (*document.Tables())[0];
  EXPECT_EQ(table.Name(), "");
  EXPECT_FALSE(table.IsProfile());
  EXPECT_EQ(table.Description(), "");
  EXPECT_EQ(table.Base(), "-");
  EXPECT_FALSE(table.IsPopulated());
  EXPECT_EQ(table.Rows(), nullptr);
  EXPECT_EQ(table.Properties(), nullptr);

  CAxis& axis = (*table.Axes())[0];
  EXPECT_EQ(axis.Name(), "");
  EXPECT_EQ(axis.Label(), "");
  EXPECT_EQ(axis.SubAxes(), nullptr);
  EXPECT_EQ(axis.AxisHeadings(), nullptr);

  const CElement& element = (*axis.Elements())[0];
  EXPECT_EQ(element.Type(), ElementType::kCategory);
  EXPECT_TRUE(element.HasCellValues());
  EXPECT_TRUE(element.ShownOnTable());
  EXPECT_EQ(element.Decimals(), -1);
  EXPECT_EQ(element.SubElements(), nullptr);
  ASSERT_NE(element.Style(), nullptr);
  EXPECT_EQ(element.Style()->Image(), "");
  EXPECT_EQ(element.Style()->Position(), ImagePosition::kLeft);

  const CElementHeading& heading = (*axis.ElementHeadings())[0];
  EXPECT_EQ(heading.Element(), &element);  // the empty name finds the element of empty name
  EXPECT_FALSE(heading.IsSortedOn());
  EXPECT_FALSE(heading.IsSingleValue());
  EXPECT_FALSE(heading.HasHeadingId());
  EXPECT_EQ(heading.SubElementHeadings(), nullptr);

  EXPECT_EQ((*table.CellItems())[0].Type(), CellItemType::kCount);
  EXPECT_EQ((*table.CellItems())[0].Decimals(), -1);
  EXPECT_EQ((*table.Annotations())[0].Position(), AnnotationPosition::kTitleHeader);
  EXPECT_EQ((*table.Annotations())[0].Text(), "");
  const CFilter& filter = (*table.Filters())[0];
  EXPECT_EQ(filter.Name() + filter.Description() + filter.Expression() + filter.Level(), "");
}

TEST(TablesModelTest, EveryAttributeIsRead) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<Document Description="Survey 2024" ImageLocation="http://img/" LocaleId="1031">
           <DataSet Description="Main sample"/>
           <Tables>
             <Table Name="T1" Type="Profile" Description="Age by region" Base="All adults" IsPopulated="true">
               <Axes><Axis Name="Side" Label="side">
                 <Elements>
                   <Element Name="n" Label="Net" Type="Net" HasCellValues="false" ShownOnTable="false" Decimals="2">
                     <SubElements><Element Name="m" Label="Member" Type="base"/></SubElements>
                     <Style Image="a b.png" ImagePosition="imageonly"/>
                   </Element>
                 </Elements>
                 <ElementHeadings>
                   <Heading Name="N" HeadingId="A" IsSortedOn="true" IsSingleValue="true">
                     <SubElementHeadings><Heading Name="M" HeadingId="B"/></SubElementHeadings>
                   </Heading>
                 </ElementHeadings>
               </Axis></Axes>
               <CellItems><CellItem Type="colpercent" Decimals="1"/><CellItem Type="RowRanks"/></CellItems>
               <Annotations><Annotation Position="RightFooter" Text="Source: panel"/></Annotations>
               <Filters><Filter Name="F" Description="Adults only" Expression="age &gt; 17" Level="Top"/></Filters>
             </Table>
           </Tables>
         </Document>)",
      context);
  EXPECT_EQ(document.Description(), "Survey 2024");
  EXPECT_EQ(document.ImageLocation(), "http://img/");
  EXPECT_EQ(context.image_location, "http://img/");
  EXPECT_EQ(context.locale_id, 1031);
  EXPECT_EQ(document.DataSet()->Description(), "Main sample");

  CTable& table = document.Tables()->Find("T1");
  EXPECT_TRUE(table.IsProfile());
  EXPECT_EQ(table.Description(), "Age by region");
  EXPECT_EQ(table.Base(), "All adults");
  EXPECT_TRUE(table.IsPopulated());

  CAxis& side = *table.RootAxis("Side");
  EXPECT_EQ(side.Label(), "side");
  const CElement& net = (*side.Elements())[0];
  EXPECT_EQ(net.Label(), "Net");
  EXPECT_EQ(net.Type(), ElementType::kNet);
  EXPECT_FALSE(net.HasCellValues());
  EXPECT_FALSE(net.ShownOnTable());
  EXPECT_EQ(net.Decimals(), 2);
  EXPECT_EQ(net.Style()->Image(), "a b.png");
  EXPECT_EQ(net.Style()->Position(), ImagePosition::kImageOnly);
  const CElement& member = (*net.SubElements())[0];
  EXPECT_EQ(member.Type(), ElementType::kBase);

  const CElementHeading& heading = (*side.ElementHeadings())[0];
  EXPECT_EQ(heading.Name(), "N");
  EXPECT_EQ(heading.Element(), &net);
  EXPECT_EQ(heading.GetHeadingId(), "A");
  EXPECT_TRUE(heading.IsSortedOn());
  EXPECT_TRUE(heading.IsSingleValue());
  EXPECT_FALSE(heading.IsShown());
  const CElementHeading& member_heading = (*heading.SubElementHeadings())[0];
  EXPECT_EQ(member_heading.Element(), &member);
  EXPECT_EQ(member_heading.GetHeadingId(), "B");

  EXPECT_EQ((*table.CellItems())[0].Type(), CellItemType::kColPercent);
  EXPECT_EQ((*table.CellItems())[0].Decimals(), 1);
  EXPECT_EQ((*table.CellItems())[1].Type(), CellItemType::kRowRanks);
  EXPECT_EQ((*table.Annotations())[0].Position(), AnnotationPosition::kRightFooter);
  EXPECT_EQ((*table.Annotations())[0].Text(), "Source: panel");
  const CFilter& filter = table.Filters()->Find("f");
  EXPECT_EQ(filter.Description(), "Adults only");
  EXPECT_EQ(filter.Expression(), "age > 17");
  EXPECT_EQ(filter.Level(), "Top");
}

TEST(TablesModelTest, ImageLocationGetsABackslashUnlessItEndsInASeparatorOrEquals) {
  auto location = [](std::string_view value) {
    RenderContext context;
    CDocument document = ParseTablesXml("<Document ImageLocation=\"" + std::string(value) + "\"/>", context);
    EXPECT_EQ(context.image_location, document.ImageLocation());
    return document.ImageLocation();
  };
  EXPECT_EQ(location("images"), "images\\");
  EXPECT_EQ(location("http://host/img.asp?name="), "http://host/img.asp?name=");
  EXPECT_EQ(location("pictures/"), "pictures/");
  EXPECT_EQ(location("C:\\pictures\\"), "C:\\pictures\\");
  EXPECT_EQ(location(""), "");
}

TEST(TablesModelTest, LocaleIdZeroOrAbsentLeavesTheContextAlone) {
  RenderContext context;
  context.locale_id = 2057;
  ParseTablesXml("<Document LocaleId=\"0\"/>", context);
  EXPECT_EQ(context.locale_id, 2057);
  ParseTablesXml("<Document/>", context);
  EXPECT_EQ(context.locale_id, 2057);
  ParseTablesXml("<Document LocaleId=\" 1036 \"/>", context);
  EXPECT_EQ(context.locale_id, 1036);
}

TEST(TablesModelTest, TableTypeAndBase) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<Document><Tables><Table Name="a" Type="profile" Base="-1"/><Table Name="b" Type="Profiles" Base=""/>
         <Table Name="c" Type="Grid" Base="-"/></Tables></Document>)",
      context);
  const CTables& tables = *document.Tables();
  EXPECT_TRUE(tables[0].IsProfile());
  EXPECT_FALSE(tables[1].IsProfile());
  EXPECT_FALSE(tables[2].IsProfile());
  EXPECT_EQ(tables[0].Base(), "-");
  EXPECT_EQ(tables[1].Base(), "-");
  EXPECT_EQ(tables[2].Base(), "-");
}

TEST(TablesModelTest, ElementNamesAndLookupsIgnoreLetterCase) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<doc><TABLES><table Name="Sales"><AXES><axis Name="SIDE"><subaxes><AXIS Name="Q1">
           <ELEMENTS><element Name="Yes"/></ELEMENTS><elementheadings><heading Name="yES"/></elementheadings>
         </AXIS></subaxes><axisheadings><HEADING Name="q1"/></axisheadings></axis></AXES></table></TABLES></doc>)",
      context);
  CTable& table = document.Tables()->Find("sALES");
  CAxis* side = table.RootAxis("Side");
  ASSERT_NE(side, nullptr);
  EXPECT_EQ(table.SideAxis(), side);
  EXPECT_EQ(table.TopAxis(), nullptr);
  const CAxisHeading& heading = (*side->AxisHeadings())[0];
  EXPECT_EQ(heading.Variable(), &side->SubAxes()->Find("Q1"));
  EXPECT_EQ((*heading.Variable()->ElementHeadings())[0].Element()->Name(), "Yes");
}

TEST(TablesModelTest, TwoTablesOfOneNameAreBothKeptAndFindReturnsTheFirst) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<Document><Tables><Table Name="B" Description="1"/><Table Name="a"/><Table Name="b" Description="2"/>
         <Table Name=""/></Tables></Document>)",
      context);
  const CTables& tables = *document.Tables();
  ASSERT_EQ(tables.size(), 4u);
  EXPECT_EQ(tables.Find("b").Description(), "1");
  EXPECT_EQ(&tables.Find("B"), &tables[0]);
  EXPECT_EQ(&tables.Find(""), &tables[3]);
  EXPECT_EQ(tables.FindOrNull("c"), nullptr);
  try {
    tables.Find("Q9");
    FAIL() << "no error";
  } catch (const TablesError& error) {
    EXPECT_STREQ(error.what(), "Item 'Q9' doesn't exist");
  }
}

TEST(TablesModelTest, UnknownElementsAreSkippedWithEverythingInside) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<Document><Extra><Tables><Table Name="hidden"/></Tables></Extra>
         <Tables><Note><Table Name="inside note"/></Note>
           <Table Name="T"><Remarks><Axes><Axis Name="Side"/></Axes></Remarks>
             <CellItems><Unknown Type="bogus"/><CellItem Type="Mean"/></CellItems></Table>
         </Tables></Document>)",
      context);
  const CTables& tables = *document.Tables();
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(tables[0].Name(), "T");
  EXPECT_EQ(tables[0].Axes(), nullptr);
  ASSERT_EQ(tables[0].CellItems()->size(), 1u);
  EXPECT_EQ((*tables[0].CellItems())[0].Type(), CellItemType::kMean);
}

TEST(TablesModelTest, ALaterElementOfOneKindReplacesTheEarlier) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<Document><DataSet Description="first"/><Tables><Table Name="old"/></Tables>
         <DataSet Description="second"/><Tables><Table Name="new"/></Tables></Document>)",
      context);
  EXPECT_EQ(document.DataSet()->Description(), "second");
  ASSERT_EQ(document.Tables()->size(), 1u);
  EXPECT_EQ((*document.Tables())[0].Name(), "new");
}

TEST(TablesModelTest, IntegersReadTheirLeadingNumber) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<Document><Tables><Table><CellItems><CellItem Decimals="  -3xyz"/><CellItem Decimals="abc"/>
         <CellItem Decimals="+7"/><CellItem Decimals=""/><CellItem Decimals="99999999999"/>
         <CellItem Decimals="- 4"/></CellItems></Table></Tables></Document>)",
      context);
  const CCellItems& items = *(*document.Tables())[0].CellItems();
  EXPECT_EQ(items[0].Decimals(), -3);
  EXPECT_EQ(items[1].Decimals(), 0);
  EXPECT_EQ(items[2].Decimals(), 7);
  EXPECT_EQ(items[3].Decimals(), 0);
  EXPECT_EQ(items[4].Decimals(), 2147483647);
  EXPECT_EQ(items[5].Decimals(), 0);
}

TEST(TablesModelTest, EmptyBooleanReadsAsFalse) {
  RenderContext context;
  CDocument document = ParseTablesXml(
      R"(<Document><Tables><Table IsPopulated=""><Axes><Axis><Elements>
         <Element ShownOnTable="" HasCellValues="false"/></Elements></Axis></Axes></Table></Tables></Document>)",
      context);
  const CTable& table = (*document.Tables())[0];
  EXPECT_FALSE(table.IsPopulated());
  const CElement& element = (*(*table.Axes())[0].Elements())[0];
  EXPECT_FALSE(element.ShownOnTable());
  EXPECT_FALSE(element.HasCellValues());
}

TEST(TablesModelTest, TextsThatMayHoldMarkupArePreparedLabelsOnlyWithFormattedLabels) {
  const std::string xml =
      R"(<Document><Tables><Table Description="R&amp;D &lt;b&gt;x&lt;/b&gt;">
         <Axes><Axis Name="Side" Label="R&amp;D"><Elements><Element Label="a &lt; b"/></Elements></Axis></Axes>
         <Annotations><Annotation Text="&lt;i&gt;note&lt;/i&gt;"/><Annotation Text="5 &gt; 4"/></Annotations>
         <Filters><Filter Description="x &amp; y" Expression="x &amp; y"/></Filters></Table></Tables></Document>)";
  RenderContext plain;
  CDocument unformatted = ParseTablesXml(xml, plain);
  const CTable& table = (*unformatted.Tables())[0];
  EXPECT_EQ(table.Description(), "R&amp;D &lt;b&gt;x&lt;/b&gt;");
  EXPECT_EQ((*table.Annotations())[0].Text(), "<i>note</i>");
  EXPECT_EQ((*table.Annotations())[1].Text(), "5 > 4");
  EXPECT_EQ((*table.Filters())[0].Description(), "x &amp; y");
  EXPECT_EQ((*table.Filters())[0].Expression(), "x & y");
  const CAxis& axis = (*table.Axes())[0];
  EXPECT_EQ(axis.Label(), "R&D");
  EXPECT_EQ((*axis.Elements())[0].Label(), "a < b");

  RenderContext formatted;
  formatted.use_formatted_labels = true;
  CDocument prepared = ParseTablesXml(xml, formatted);
  const CAxis& prepared_axis = (*(*prepared.Tables())[0].Axes())[0];
  EXPECT_EQ(prepared_axis.Label(), "R&amp;D");
  EXPECT_EQ((*prepared_axis.Elements())[0].Label(), "a &lt; b");
}

}  // namespace
}  // namespace tabulo::tables
