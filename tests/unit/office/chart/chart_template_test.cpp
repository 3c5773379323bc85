#include "office/chart/chart_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../office_test_support.h"
#include "office/chart/chart.h"
#include "support/temp_folder.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kChartType = "application/vnd.openxmlformats-officedocument.drawingml.chart+xml";

std::string ContentTypes(bool with_override) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
  if (with_override)
    xml += "<Override PartName=\"/chart/chart.xml\" ContentType=\"" + std::string(kChartType) + "\"/>";
  return xml + "</Types>";
}

std::string PackageRelationships() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" "
         "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/chart\" "
         "Target=\"chart/chart.xml\"/></Relationships>";
}

std::string ChartPart(std::string_view plot) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
         "<c:chartSpace xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\" "
         "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">"
         "<c:chart><c:autoTitleDeleted val=\"1\"/><c:plotArea><c:layout/>" +
         std::string(plot) + "</c:plotArea></c:chart></c:chartSpace>";
}

// A chart template package as the charting product lays one out: content
// types, the package relationship to the chart part, and the chart.
class ChartTemplateTest : public ::testing::Test {
 protected:
  std::string Write(std::string_view chart_part, bool with_relationships = true, bool with_override = true) {
    std::vector<ZipEntry> entries{{"[Content_Types].xml", ContentTypes(with_override)}};
    if (with_relationships) entries.push_back({"_rels/.rels", PackageRelationships()});
    entries.push_back({"chart/chart.xml", std::string(chart_part)});
    return WriteBytes(office::testing::ZipOf(entries));
  }
  std::string WriteBytes(const std::string& bytes) {
    const std::string path = folder_.File("template" + std::to_string(++count_) + ".crtx");
    tabulo::testing::WriteFile(path, bytes);
    return path;
  }

  tabulo::testing::TempFolder folder_;
  int count_ = 0;
};

TEST_F(ChartTemplateTest, PiesAndTheirExplosion) {
  EXPECT_EQ(
      ReadChartTemplateType(Write(ChartPart("<c:pieChart><c:varyColors val=\"1\"/><c:ser><c:idx val=\"0\"/>"
                                            "<c:order val=\"0\"/></c:ser></c:pieChart>"))),
      ChartType::kPie);
  EXPECT_EQ(
      ReadChartTemplateType(Write(ChartPart("<c:pie3DChart><c:ser><c:idx val=\"0\"/><c:order val=\"0\"/>"
                                            "<c:explosion val=\"25\"/></c:ser></c:pie3DChart>"))),
      ChartType::k3DPieExploded);
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart("<c:pie3DChart><c:ser><c:explosion val=\"0\"/></c:ser>"
                                                  "</c:pie3DChart>"))),
            ChartType::k3DPie);
  EXPECT_EQ(
      ReadChartTemplateType(Write(ChartPart("<c:pieChart><c:ser/><c:ser><c:explosion val=\"10\"/></c:ser>"
                                            "</c:pieChart>"))),
      ChartType::kPieExploded);
}

TEST_F(ChartTemplateTest, BarsColumnsAndLines) {
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart(
                "<c:barChart><c:barDir val=\"bar\"/><c:grouping val=\"clustered\"/></c:barChart>"))),
            ChartType::kBarClustered);
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart(
                "<c:barChart><c:barDir val=\"col\"/><c:grouping val=\"percentStacked\"/></c:barChart>"))),
            ChartType::kColumnStacked100);
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart(
                "<c:bar3DChart><c:barDir val=\"col\"/><c:grouping val=\"standard\"/></c:bar3DChart>"))),
            ChartType::k3DColumn);
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart(
                "<c:bar3DChart><c:barDir val=\"bar\"/><c:grouping val=\"stacked\"/></c:bar3DChart>"))),
            ChartType::k3DBarStacked);
  // A line whose series hide their markers is a plain line.
  EXPECT_EQ(
      ReadChartTemplateType(Write(ChartPart(
          "<c:lineChart><c:grouping val=\"stacked\"/><c:ser><c:marker><c:symbol val=\"none\"/></c:marker>"
          "</c:ser><c:marker val=\"1\"/></c:lineChart>"))),
      ChartType::kLineStacked);
  EXPECT_EQ(
      ReadChartTemplateType(Write(ChartPart(
          "<c:lineChart><c:grouping val=\"percentStacked\"/><c:ser/><c:marker val=\"1\"/></c:lineChart>"))),
      ChartType::kLineMarkersStacked100);
}

TEST_F(ChartTemplateTest, TypesThisLayerCannotDraw) {
  const std::string radar = Write(ChartPart("<c:radarChart><c:radarStyle val=\"filled\"/></c:radarChart>"));
  EXPECT_EQ(ReadChartTemplateType(radar), ChartType::kRadarFilled);
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart("<c:doughnutChart><c:ser/></c:doughnutChart>"))),
            ChartType::kDoughnut);
  EXPECT_EQ(
      ReadChartTemplateType(Write(ChartPart("<c:areaChart><c:grouping val=\"stacked\"/></c:areaChart>"))),
      ChartType::kAreaStacked);
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart("<c:scatterChart><c:scatterStyle val=\"smoothMarker\"/>"
                                                  "</c:scatterChart>"))),
            ChartType::kXYScatterSmooth);
  // Applied to a chart, a type that cannot be drawn becomes clustered column.
  Chart chart(ChartType::kPie);
  EXPECT_EQ(chart.ApplyChartTemplate(radar), ChartType::kColumnClustered);
  EXPECT_EQ(chart.Type(), ChartType::kColumnClustered);
  EXPECT_EQ(chart.ApplyChartTemplate(Write(ChartPart("<c:pie3DChart/>"))), ChartType::k3DPie);

  try {
    ReadChartTemplateType(Write(ChartPart("<c:fancyChart/>")));
    FAIL() << "an unknown plot was accepted";
  } catch (const ChartTemplateError& error) {
    EXPECT_NE(std::string(error.what()).find("fancyChart"), std::string::npos);
  }
}

TEST_F(ChartTemplateTest, TheChartIsFoundByContentTypeAlone) {
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart("<c:pieChart/>"), false, true)), ChartType::kPie);
  EXPECT_EQ(ReadChartTemplateType(Write(ChartPart("<c:pieChart/>"), true, false)), ChartType::kPie);
  EXPECT_THROW(ReadChartTemplateType(Write(ChartPart("<c:pieChart/>"), false, false)), ChartTemplateError);

  // Charts as the default type of .xml parts: the content types part and
  // parts with a type of their own are not charts.
  const std::string types =
      "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
      "<Default Extension=\"xml\" ContentType=\"" +
      std::string(kChartType) +
      "\"/>"
      "<Override PartName=\"/chart/colors1.xml\" ContentType=\"application/xml\"/></Types>";
  const std::string zip = office::testing::ZipOf(
      {{"[Content_Types].xml", types},
       {"chart/colors1.xml", "<colors/>"},
       {"chart/chart.xml", ChartPart("<c:barChart><c:barDir val=\"bar\"/></c:barChart>")}});
  EXPECT_EQ(ReadChartTemplateType(WriteBytes(zip)), ChartType::kBarClustered);
}

TEST_F(ChartTemplateTest, BrokenFilesAreReported) {
  const std::string missing = folder_.File("missing.crtx");
  try {
    ReadChartTemplateType(missing);
    FAIL() << "a missing file was accepted";
  } catch (const ChartTemplateError& error) {
    EXPECT_NE(std::string(error.what()).find(missing), std::string::npos);
  }
  EXPECT_THROW(ReadChartTemplateType(folder_.path()), ChartTemplateError);
  EXPECT_THROW(ReadChartTemplateType(WriteBytes("not a zip at all")), ChartTemplateError);
  EXPECT_THROW(ReadChartTemplateType(Write("<c:chartSpace")), ChartTemplateError);
  EXPECT_THROW(ReadChartTemplateType(Write("<other/>")), ChartTemplateError);
  EXPECT_THROW(ReadChartTemplateType(Write(ChartPart(""))), ChartTemplateError);
  const std::string no_chart = office::testing::ZipOf({{"[Content_Types].xml", ContentTypes(false)}});
  EXPECT_THROW(ReadChartTemplateType(WriteBytes(no_chart)), ChartTemplateError);
  Chart chart(ChartType::kLine);
  EXPECT_THROW(chart.ApplyChartTemplate(missing), ChartTemplateError);
  EXPECT_EQ(chart.Type(), ChartType::kLine);
}

TEST_F(ChartTemplateTest, ExternalEntitiesAreNotLoaded) {
  const std::string secret = folder_.File("secret.txt");
  tabulo::testing::WriteFile(secret, "<c:pieChart/>");
  // Were the entity loaded, the plot would be the pie it names.
  const std::string part =
      "<?xml version=\"1.0\"?><!DOCTYPE c:chartSpace [<!ENTITY plot SYSTEM \"file://" + secret +
      "\">]><c:chartSpace xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\"><c:chart>"
      "<c:plotArea><c:layout/>&plot;<c:barChart><c:barDir val=\"col\"/></c:barChart></c:plotArea></c:chart>"
      "</c:chartSpace>";
  EXPECT_EQ(ReadChartTemplateType(Write(part)), ChartType::kColumnClustered);
}

}  // namespace
}  // namespace tabulo::office
