#include "html/grid.h"

#include <gtest/gtest.h>

#include <string>

#include "html/chtml_writer.h"
#include "html/render_settings.h"
#include "tables/table_layout.h"
#include "tables/tables_content_handler.h"

namespace tabulo::html {
namespace {

constexpr const char* kGenderByAge = R"(<Document><Tables><Table Name="T1" IsPopulated="true"><Axes>
<Axis Name="Top"><SubAxes><Axis Name="gender" Label="Gender"><Elements><Element Name="m" Label="Male"/>
<Element Name="f" Label="Female"/></Elements><ElementHeadings><Heading Name="m"/><Heading Name="f"/>
</ElementHeadings></Axis></SubAxes><AxisHeadings><Heading Name="gender"/></AxisHeadings></Axis>
<Axis Name="Side"><SubAxes><Axis Name="age" Label="Age"><Elements><Element Name="y" Label="Young"/>
<Element Name="o" Label="Old" Type="Base"/></Elements><ElementHeadings><Heading Name="y"/><Heading Name="o"/>
</ElementHeadings></Axis></SubAxes><AxisHeadings><Heading Name="age"/></AxisHeadings></Axis></Axes>
<CellItems><CellItem Type="Count"/></CellItems>
<Annotations><Annotation Position="TitleHeader" Text=""/><Annotation Position="LeftHeader" Text=""/>
<Annotation Position="CenterHeader" Text=""/><Annotation Position="RightHeader" Text="Wave &lt;b&gt;3&lt;/b&gt;"/>
</Annotations>
<CellValues><Layer><row x="0" c1="1" c2="2"/><row x="1" c1="" c2="4"/></Layer></CellValues></Table></Tables></Document>)";

std::string Grid(CRenderSettings settings, const char* xml) {
  tables::CDocument document = tables::ParseTablesXml(xml, settings);
  tables::CTable& table = (*document.Tables())[0];
  tables::PrepareTableLayout(table);
  CHtmlWriter writer(false);
  RenderGrid(table, settings, writer);
  writer.EndDocument();
  return writer.Output();
}

CRenderSettings Defaults() {
  CRenderSettings settings;
  EXPECT_EQ(NewRenderSettings(settings), platform::S_OK);
  return settings;
}

TEST(GridTest, HorizontalSideAxisPutsTheVariableOnARowOfItsOwn) {
  EXPECT_EQ(Grid(Defaults(), kGenderByAge),
            "<table cellpadding=\"0\" cellspacing=\"0\">"
            "<tr><td colspan=\"2\" rowspan=\"2\" class=\"None\">\xC2\xA0</td>"
            "<td colspan=\"2\" class=\"Axis AxisLabelTop\">Gender</td></tr>"
            "<tr><td class=\"Axis AxisElementTop AxisElementCategory\">Male</td>"
            "<td class=\"Axis AxisElementTop AxisElementCategory\">Female</td></tr>"
            "<tr><td class=\"HorizontalSpacer\"></td></tr>"
            "<tr><td colspan=\"4\" class=\"Axis AxisLabelHorizontalSide\">Age</td></tr>"
            "<tr><td rowspan=\"2\" class=\"Axis AxisLabelIndentSide\">\xC2\xA0</td>"
            "<td class=\"Axis AxisElementSide AxisElementCategory\">Young</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory\">1</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory\">2</td></tr>"
            "<tr><td class=\"Axis AxisElementSide AxisElementBase\">Old</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory CellElementBase\">\xC2\xA0</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory CellElementBase\">4</td></tr>"
            "</table>");
}

TEST(GridTest, VerticalSideAxisWithIdsAndASpacerColumn) {
  CRenderSettings settings = Defaults();
  settings.horizontal_side_axis = false;
  settings.include_element_ids = true;
  EXPECT_EQ(Grid(settings, kGenderByAge),
            "<table cellpadding=\"0\" cellspacing=\"0\">"
            "<tr><td colspan=\"2\" rowspan=\"2\" class=\"None\">\xC2\xA0</td>"
            "<td rowspan=\"5\" class=\"VerticalSpacer\"></td>"
            "<td colspan=\"2\" class=\"Axis AxisLabelTop\" id=\"gender\">Gender</td></tr>"
            "<tr><td class=\"Axis AxisElementTop AxisElementCategory\" id=\"gender{m}\">Male</td>"
            "<td class=\"Axis AxisElementTop AxisElementCategory\" id=\"gender{f}\">Female</td></tr>"
            "<tr><td class=\"HorizontalSpacer\"></td></tr>"
            "<tr><td rowspan=\"2\" class=\"Axis AxisLabelSide\" id=\"*age\">Age</td>"
            "<td class=\"Axis AxisElementSide AxisElementCategory\" id=\"*age{y}\">Young</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory\" "
            "id=\"gender{m}*age{y}*Count\">1</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory\" "
            "id=\"gender{f}*age{y}*Count\">2</td>"
            "</tr>"
            "<tr><td class=\"Axis AxisElementSide AxisElementBase\" id=\"*age{o}\">Old</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory CellElementBase\" "
            "id=\"gender{m}*age{o}*Count\">\xC2\xA0</td>"
            "<td class=\"Cell CellTopBottom CellItemCount CellElementCategory CellElementBase\" "
            "id=\"gender{f}*age{o}*Count\">4</td></tr>"
            "</table>");
}

TEST(GridTest, AnnotationBlockWithOnlyARightText) {
  CRenderSettings settings = Defaults();
  tables::CDocument document = tables::ParseTablesXml(kGenderByAge, settings);
  tables::CTable& table = (*document.Tables())[0];
  CHtmlWriter writer(false);
  RenderAnnotations(table, settings, writer, true);
  RenderAnnotations(table, settings, writer, false);
  writer.EndDocument();
  EXPECT_EQ(writer.Output(),
            "<table width=\"100%\" cellpadding=\"0\" cellspacing=\"0\">"
            "<tr><td class=\"Annotation RightHeader\">Wave <b>3</b></td></tr></table>");
}

}  // namespace
TEST(GridTest, ElementImagesArePlacedByTheirStyleAndNeverLoadScript) {
  constexpr const char* kStyled = R"xml(<Document ImageLocation="img/"><Tables><Table Name="T1"><Axes>
<Axis Name="Top"><SubAxes><Axis Name="v" Label="V"><Elements>
<Element Name="a" Label="A"><Style Image="a b.png" ImagePosition="Left"/></Element>
<Element Name="b" Label="B"><Style Image="HTTP://x.org/b c.png" ImagePosition="ImageOnly"/></Element>
<Element Name="c" Label="C"><Style Image="javascript:alert(1)" ImagePosition="Right"/></Element>
<Element Name="d" Label="D"><Style Image="d.png" ImagePosition="Top"/></Element>
</Elements><ElementHeadings><Heading Name="a"/><Heading Name="b"/><Heading Name="c"/><Heading Name="d"/>
</ElementHeadings></Axis></SubAxes><AxisHeadings><Heading Name="v"/></AxisHeadings></Axis></Axes></Table>
</Tables></Document>)xml";
  std::string grid = Grid(Defaults(), kStyled);
  EXPECT_NE(grid.find("AxisElementCategory\"><img src=\"img/a%20b.png\" alt=\"\" />A</td>"),
            std::string::npos)
      << grid;
  EXPECT_NE(grid.find("AxisElementCategory\"><img src=\"HTTP://x.org/b%20c.png\" alt=\"B\" /></td>"),
            std::string::npos)
      << grid;
  // Under an image location the name is a relative file name like any other.
  EXPECT_NE(grid.find("AxisElementCategory\">C<img src=\"img/javascript:alert(1)\" alt=\"\" /></td>"),
            std::string::npos)
      << grid;
  EXPECT_NE(grid.find("AxisElementCategory\"><div><img src=\"img/d.png\" alt=\"\" /></div><div>D</div></td>"),
            std::string::npos)
      << grid;

  std::string unsafe =
      Grid(Defaults(), std::string(kStyled).replace(std::string(kStyled).find("img/"), 4, "").c_str());
  EXPECT_NE(unsafe.find("AxisElementCategory\">C</td>"), std::string::npos) << unsafe;
  EXPECT_EQ(unsafe.find("javascript"), std::string::npos) << unsafe;
  std::string location = Grid(
      Defaults(), std::string(kStyled).replace(std::string(kStyled).find("img/"), 4, " JavaScript:").c_str());
  EXPECT_NE(location.find("AxisElementCategory\">A</td>"), std::string::npos) << location;
  EXPECT_EQ(location.find("<img src=\" JavaScript"), std::string::npos) << location;
}

}  // namespace tabulo::html
