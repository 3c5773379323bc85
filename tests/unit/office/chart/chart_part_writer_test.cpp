#include "office/chart/chart_part_writer.h"

#include <gtest/gtest.h>

#include "chart_test_support.h"

namespace tabulo::office {
namespace {

using testing::ChartXml;
using testing::FullChart;
using testing::TwoSeries;
using Strings = std::vector<std::string>;

TEST(ChartPartWriterTest, StackedColumnWithEverySetting) {
  const ChartXml part(WriteChartPart(FullChart(ChartType::kColumnStacked)));
  const std::string chart = "/c:chartSpace/c:chart";
  const std::string plot = chart + "/c:plotArea/c:barChart";
  EXPECT_EQ(part.Value(plot + "/c:barDir/@val"), "col");
  EXPECT_EQ(part.Value(plot + "/c:grouping/@val"), "stacked");
  EXPECT_EQ(part.Value(plot + "/c:overlap/@val"), "100");
  EXPECT_EQ(part.Value(plot + "/c:varyColors/@val"), "0");
  EXPECT_EQ(part.Count(plot + "/c:ser"), 2U);
  EXPECT_EQ(part.Strings(plot + "/c:ser/c:idx/@val"), (Strings{"0", "1"}));

  // Series name, categories and values: formulas and what they showed.
  const std::string female = plot + "/c:ser[2]";
  EXPECT_EQ(part.Value(female + "/c:tx/c:strRef/c:f"), "'T1_Ch'!$A$3");
  EXPECT_EQ(part.Value(female + "/c:tx/c:strRef/c:strCache/c:pt/c:v"), "Female");
  EXPECT_EQ(part.Value(female + "/c:cat/c:strRef/c:f"), "'T1_Ch'!$B$1:$D$1");
  EXPECT_EQ(part.Value(female + "/c:cat/c:strRef/c:strCache/c:ptCount/@val"), "3");
  EXPECT_EQ(part.Strings(female + "/c:cat/c:strRef/c:strCache/c:pt/c:v"),
            (Strings{"Young", "Middle", "Old"}));
  EXPECT_EQ(part.Value(female + "/c:val/c:numRef/c:f"), "'T1_Ch'!$B$3:$D$3");
  EXPECT_EQ(part.Value(female + "/c:val/c:numRef/c:numCache/c:formatCode"), "0%");
  EXPECT_EQ(part.Value(female + "/c:val/c:numRef/c:numCache/c:ptCount/@val"), "3");
  // The gap in the middle has no point.
  EXPECT_EQ(part.Strings(female + "/c:val/c:numRef/c:numCache/c:pt/@idx"), (Strings{"0", "2"}));
  EXPECT_EQ(part.Strings(female + "/c:val/c:numRef/c:numCache/c:pt/c:v"), (Strings{"0.125", "1"}));

  // Title: one paragraph per line, in Arial bold 14.
  EXPECT_EQ(part.Strings(chart + "/c:title/c:tx/c:rich/a:p/a:r/a:t"),
            (Strings{"Age: (Region: North)", "Gender"}));
  EXPECT_EQ(part.Strings(chart + "/c:title//a:rPr/a:latin/@typeface"), (Strings{"Arial", "Arial"}));
  EXPECT_EQ(part.Strings(chart + "/c:title//a:rPr/@b"), (Strings{"1", "1"}));
  EXPECT_EQ(part.Strings(chart + "/c:title//a:rPr/@sz"), (Strings{"1400", "1400"}));
  EXPECT_EQ(part.Value(chart + "/c:title/c:overlay/@val"), "0");
  EXPECT_EQ(part.Value(chart + "/c:autoTitleDeleted/@val"), "0");
  EXPECT_EQ(part.Value(chart + "/c:legend/c:legendPos/@val"), "b");
  EXPECT_EQ(part.Value(chart + "/c:plotVisOnly/@val"), "1");
  EXPECT_EQ(part.Value(chart + "/c:dispBlanksAs/@val"), "gap");
  EXPECT_EQ(part.Count(chart + "/c:view3D"), 0U);
}

TEST(ChartPartWriterTest, AxesCarryScaleFormatTicksAndTitles) {
  const ChartXml part(WriteChartPart(FullChart(ChartType::kColumnClustered)));
  const std::string area = "/c:chartSpace/c:chart/c:plotArea";
  const std::string cat = area + "/c:catAx";
  const std::string val = area + "/c:valAx";
  ASSERT_EQ(part.Count(cat), 1U);
  ASSERT_EQ(part.Count(val), 1U);
  EXPECT_EQ(part.Count(area + "/c:serAx"), 0U);
  // The plot lists both axes, and each crosses the other.
  EXPECT_EQ(part.Strings(area + "/c:barChart/c:axId/@val"),
            (Strings{*part.Value(cat + "/c:axId/@val"), *part.Value(val + "/c:axId/@val")}));
  EXPECT_EQ(part.Value(cat + "/c:crossAx/@val"), part.Value(val + "/c:axId/@val"));
  EXPECT_EQ(part.Value(val + "/c:crossAx/@val"), part.Value(cat + "/c:axId/@val"));
  EXPECT_EQ(part.Value(cat + "/c:axPos/@val"), "b");
  EXPECT_EQ(part.Value(val + "/c:axPos/@val"), "l");

  EXPECT_EQ(part.Value(cat + "/c:title//a:t"), "Age");
  EXPECT_EQ(part.Value(val + "/c:title//a:t"), "ColPercent");
  // The title of the upright axis reads upwards.
  EXPECT_EQ(part.Value(val + "/c:title/c:tx/c:rich/a:bodyPr/@rot"), "-5400000");
  EXPECT_EQ(part.Count(cat + "/c:title/c:tx/c:rich/a:bodyPr/@rot"), 0U);

  EXPECT_EQ(part.Value(val + "/c:scaling/c:min/@val"), "0");
  EXPECT_EQ(part.Value(val + "/c:scaling/c:max/@val"), "1");
  EXPECT_EQ(part.Value(val + "/c:majorUnit/@val"), "0.25");
  EXPECT_EQ(part.Value(val + "/c:numFmt/@formatCode"), "0%");
  EXPECT_EQ(part.Value(val + "/c:numFmt/@sourceLinked"), "0");
  EXPECT_EQ(part.Value(cat + "/c:majorTickMark/@val"), "none");
  EXPECT_EQ(part.Value(cat + "/c:tickLblSkip/@val"), "1");
  EXPECT_EQ(part.Value(cat + "/c:tickMarkSkip/@val"), "1");
  EXPECT_EQ(part.Value(cat + "/c:noMultiLvlLbl/@val"), "0");
}

TEST(ChartPartWriterTest, AxesLeftAutomaticWriteNoSettings) {
  Chart chart(ChartType::kBarClustered);
  chart.SetSeries(TwoSeries());
  chart.SetHasLegend(false);
  const ChartXml part(WriteChartPart(chart));
  const std::string area = "/c:chartSpace/c:chart/c:plotArea";
  EXPECT_EQ(part.Value(area + "/c:barChart/c:barDir/@val"), "bar");
  EXPECT_EQ(part.Count(area + "/c:barChart/c:overlap"), 0U);
  // Horizontal bars: categories up the left side, values along the bottom.
  EXPECT_EQ(part.Value(area + "/c:catAx/c:axPos/@val"), "l");
  EXPECT_EQ(part.Value(area + "/c:valAx/c:axPos/@val"), "b");
  EXPECT_EQ(part.Count(area + "/c:valAx/c:scaling/c:min"), 0U);
  EXPECT_EQ(part.Count(area + "/c:valAx/c:scaling/c:max"), 0U);
  EXPECT_EQ(part.Count(area + "/c:valAx/c:majorUnit"), 0U);
  EXPECT_EQ(part.Value(area + "/c:valAx/c:numFmt/@formatCode"), "General");
  EXPECT_EQ(part.Value(area + "/c:valAx/c:numFmt/@sourceLinked"), "1");
  EXPECT_EQ(part.Value(area + "/c:catAx/c:majorTickMark/@val"), "out");
  EXPECT_EQ(part.Count(area + "/c:catAx/c:tickLblSkip"), 0U);
  EXPECT_EQ(part.Count(area + "/*/c:title"), 0U);
  EXPECT_EQ(part.Count("/c:chartSpace/c:chart/c:legend"), 0U);
  EXPECT_EQ(part.Count("/c:chartSpace/c:chart/c:title"), 0U);
  EXPECT_EQ(part.Value("/c:chartSpace/c:chart/c:autoTitleDeleted/@val"), "1");
}

TEST(ChartPartWriterTest, PointLabelsStandWhereTheTypeAllows) {
  const ChartXml stacked(WriteChartPart(FullChart(ChartType::kColumnStacked)));
  const std::string series = "/c:chartSpace/c:chart/c:plotArea/c:barChart/c:ser";
  // Outside end is not offered on stacked columns: the label sits centred.
  EXPECT_EQ(stacked.Value(series + "[1]/c:dLbls/c:dLbl/c:idx/@val"), "1");
  EXPECT_EQ(stacked.Value(series + "[1]/c:dLbls/c:dLbl/c:dLblPos/@val"), "ctr");
  EXPECT_EQ(stacked.Value(series + "[1]/c:dLbls/c:dLbl/c:tx/c:rich//a:t"), "a");
  EXPECT_EQ(stacked.Value(series + "[1]/c:dLbls/c:dLbl/c:showVal/@val"), "1");
  // The other labels of the series stay off.
  EXPECT_EQ(stacked.Value(series + "[1]/c:dLbls/c:showVal/@val"), "0");
  EXPECT_EQ(stacked.Count(series + "/c:dLbls/c:delete"), 0U);
  // A label of two lines has two paragraphs.
  EXPECT_EQ(stacked.Strings(series + "[2]/c:dLbls/c:dLbl/c:tx/c:rich/a:p/a:r/a:t"), (Strings{"b", "c"}));
  EXPECT_EQ(stacked.Value(series + "[2]/c:dLbls/c:dLbl/c:idx/@val"), "0");

  const ChartXml clustered(WriteChartPart(FullChart(ChartType::kColumnClustered)));
  EXPECT_EQ(clustered.Value(series + "[1]/c:dLbls/c:dLbl/c:dLblPos/@val"), "outEnd");
  EXPECT_EQ(clustered.Value(series + "[2]/c:dLbls/c:dLbl/c:dLblPos/@val"), "ctr");

  const ChartXml three_d(WriteChartPart(FullChart(ChartType::k3DColumnClustered)));
  EXPECT_EQ(three_d.Count("//c:dLbl"), 2U);
  EXPECT_EQ(three_d.Count("//c:dLblPos"), 0U);

  Chart cleared = FullChart(ChartType::kLine);
  cleared.ClearDataLabels();
  const ChartXml none(WriteChartPart(cleared));
  EXPECT_EQ(none.Strings("//c:ser/c:dLbls/c:delete/@val"), (Strings{"1", "1"}));
  EXPECT_EQ(none.Count("//c:dLbl"), 0U);
}

TEST(ChartPartWriterTest, PiesHaveSlicesAndNoAxes) {
  Chart chart(ChartType::kPieExploded);
  chart.SetSeries({TwoSeries()[0]});
  const ChartXml part(WriteChartPart(chart));
  const std::string area = "/c:chartSpace/c:chart/c:plotArea";
  EXPECT_EQ(part.Value(area + "/c:pieChart/c:varyColors/@val"), "1");
  EXPECT_EQ(part.Value(area + "/c:pieChart/c:ser/c:explosion/@val"), "25");
  EXPECT_EQ(part.Value(area + "/c:pieChart/c:firstSliceAng/@val"), "0");
  EXPECT_EQ(part.Count(area + "/c:catAx"), 0U);
  EXPECT_EQ(part.Count(area + "/c:valAx"), 0U);
  EXPECT_EQ(part.Count("//c:axId"), 0U);
  EXPECT_EQ(part.Value("/c:chartSpace/c:chart/c:legend/c:legendPos/@val"), "r");

  chart.SetType(ChartType::k3DPie);
  const ChartXml flat_3d(WriteChartPart(chart));
  EXPECT_EQ(flat_3d.Count(area + "/c:pie3DChart"), 1U);
  EXPECT_EQ(flat_3d.Count("//c:explosion"), 0U);
  EXPECT_EQ(flat_3d.Value("/c:chartSpace/c:chart/c:view3D/c:rotX/@val"), "30");
}

TEST(ChartPartWriterTest, ThreeDColumnHasASeriesAxis) {
  const ChartXml part(WriteChartPart(FullChart(ChartType::k3DColumn)));
  const std::string area = "/c:chartSpace/c:chart/c:plotArea";
  EXPECT_EQ(part.Value(area + "/c:bar3DChart/c:grouping/@val"), "standard");
  EXPECT_EQ(part.Value(area + "/c:bar3DChart/c:shape/@val"), "box");
  EXPECT_EQ(part.Count(area + "/c:bar3DChart/c:axId"), 3U);
  EXPECT_EQ(part.Value(area + "/c:serAx/c:crossAx/@val"), part.Value(area + "/c:valAx/c:axId/@val"));
  EXPECT_EQ(part.Value("/c:chartSpace/c:chart/c:view3D/c:rAngAx/@val"), "0");

  const ChartXml clustered(WriteChartPart(FullChart(ChartType::k3DBarStacked)));
  EXPECT_EQ(clustered.Value(area + "/c:bar3DChart/c:barDir/@val"), "bar");
  EXPECT_EQ(clustered.Value(area + "/c:bar3DChart/c:grouping/@val"), "stacked");
  EXPECT_EQ(clustered.Count(area + "/c:serAx"), 0U);
  EXPECT_EQ(clustered.Value("/c:chartSpace/c:chart/c:view3D/c:rAngAx/@val"), "1");
}

TEST(ChartPartWriterTest, LinesShowMarkersOnlyWhenTheTypeHasThem) {
  const ChartXml plain(WriteChartPart(FullChart(ChartType::kLineStacked)));
  const std::string line = "/c:chartSpace/c:chart/c:plotArea/c:lineChart";
  EXPECT_EQ(plain.Value(line + "/c:grouping/@val"), "stacked");
  EXPECT_EQ(plain.Strings(line + "/c:ser/c:marker/c:symbol/@val"), (Strings{"none", "none"}));
  EXPECT_EQ(plain.Strings(line + "/c:ser/c:smooth/@val"), (Strings{"0", "0"}));

  const ChartXml marked(WriteChartPart(FullChart(ChartType::kLineMarkersStacked100)));
  EXPECT_EQ(marked.Value(line + "/c:grouping/@val"), "percentStacked");
  EXPECT_EQ(marked.Count(line + "/c:ser/c:marker/c:symbol"), 0U);
  // Markers take the colour of their line.
  EXPECT_EQ(marked.Strings(line + "/c:ser/c:marker/c:spPr/a:solidFill/a:srgbClr/@val"),
            (Strings{"4F81BD", "C0504D"}));
  EXPECT_EQ(marked.Strings(line + "/c:ser/c:spPr/a:ln/a:solidFill/a:srgbClr/@val"),
            (Strings{"4F81BD", "C0504D"}));
  EXPECT_EQ(marked.Value(line + "/c:marker/@val"), "1");
}

TEST(ChartPartWriterTest, SeriesAndSlicesAreColouredWithoutATheme) {
  std::vector<ChartSeries> many(13, TwoSeries()[0]);
  Chart bars(ChartType::kBarStacked100);
  bars.SetSeries(many);
  const ChartXml part(WriteChartPart(bars));
  const Strings fills = part.Strings("//c:barChart/c:ser/c:spPr/a:solidFill/a:srgbClr/@val");
  ASSERT_EQ(fills.size(), 13U);
  EXPECT_EQ(fills[0], "4F81BD");
  EXPECT_EQ(fills[5], "F79646");
  EXPECT_EQ(fills[6], "385D8A");
  // Twelve colours, then the palette starts again.
  EXPECT_EQ(fills[12], "4F81BD");
  EXPECT_EQ(part.Value("//c:valAx/c:majorGridlines/c:spPr/a:ln/a:solidFill/a:srgbClr/@val"), "D9D9D9");

  Chart pie(ChartType::k3DPie);
  pie.SetSeries({TwoSeries()[0]});
  const ChartXml slices(WriteChartPart(pie));
  EXPECT_EQ(slices.Strings("//c:ser/c:dPt/c:idx/@val"), (Strings{"0", "1", "2"}));
  EXPECT_EQ(slices.Strings("//c:ser/c:dPt/c:spPr/a:solidFill/a:srgbClr/@val"),
            (Strings{"4F81BD", "C0504D", "9BBB59"}));
  EXPECT_EQ(slices.Count("//c:ser/c:spPr"), 0U);
}

TEST(ChartPartWriterTest, SeveralLabelRowsMakeMultiLevelCategories) {
  ChartSeries series = TwoSeries()[0];
  series.categories.formula = "'T1_Ch'!$B$1:$E$2";
  series.categories.levels = {{"North", "", "South", ""}, {"Young", "Old", "Young", "Old"}};
  series.values.numbers = {1, 2, 3, 4};
  Chart chart;
  chart.SetSeries({series});
  const ChartXml part(WriteChartPart(chart));
  const std::string ref = "//c:ser/c:cat/c:multiLvlStrRef";
  EXPECT_EQ(part.Value(ref + "/c:f"), "'T1_Ch'!$B$1:$E$2");
  EXPECT_EQ(part.Value(ref + "/c:multiLvlStrCache/c:ptCount/@val"), "4");
  ASSERT_EQ(part.Count(ref + "/c:multiLvlStrCache/c:lvl"), 2U);
  // The level next to the axis comes first; the outer labels stand where they start.
  EXPECT_EQ(part.Strings(ref + "/c:multiLvlStrCache/c:lvl[1]/c:pt/c:v"),
            (Strings{"Young", "Old", "Young", "Old"}));
  EXPECT_EQ(part.Strings(ref + "/c:multiLvlStrCache/c:lvl[2]/c:pt/c:v"), (Strings{"North", "South"}));
  EXPECT_EQ(part.Strings(ref + "/c:multiLvlStrCache/c:lvl[2]/c:pt/@idx"), (Strings{"0", "2"}));
}

TEST(ChartPartWriterTest, DataWithoutFormulasIsLiteral) {
  ChartSeries series;
  series.name.text = "Frequency";
  series.categories.levels = {{"A", "", "C"}};
  series.values.numbers = {std::nullopt, 2.5, 3};
  Chart chart(ChartType::kLineMarkers);
  chart.SetSeries({series, ChartSeries{}});
  const ChartXml part(WriteChartPart(chart));
  const std::string first = "//c:ser[1]";
  EXPECT_EQ(part.Value(first + "/c:tx/c:v"), "Frequency");
  EXPECT_EQ(part.Value(first + "/c:cat/c:strLit/c:ptCount/@val"), "3");
  EXPECT_EQ(part.Strings(first + "/c:cat/c:strLit/c:pt/@idx"), (Strings{"0", "2"}));
  EXPECT_EQ(part.Value(first + "/c:val/c:numLit/c:formatCode"), "General");
  EXPECT_EQ(part.Strings(first + "/c:val/c:numLit/c:pt/c:v"), (Strings{"2.5", "3"}));
  // A series without a name or categories has neither element.
  EXPECT_EQ(part.Count("//c:ser[2]/c:tx"), 0U);
  EXPECT_EQ(part.Count("//c:ser[2]/c:cat"), 0U);
  EXPECT_EQ(part.Value("//c:ser[2]/c:val/c:numLit/c:ptCount/@val"), "0");
}

TEST(ChartPartWriterTest, TextsAreEscapedAndCleaned) {
  Chart chart;
  std::vector<ChartSeries> series = TwoSeries();
  series[0].name.text = "Male <18> & \"older\"";
  series[0].categories.levels = {{std::string("A\x01") + "B", "C]]>D", "E"}};
  chart.SetSeries(series);
  chart.SetTitleText(std::string("Age <&> \x0B") + "x");
  const std::string xml = WriteChartPart(chart);
  const ChartXml part(xml);
  EXPECT_EQ(part.Value("/c:chartSpace/c:chart/c:title//a:t"), "Age <&> x");
  EXPECT_EQ(part.Value("//c:ser[1]/c:tx//c:v"), "Male <18> & \"older\"");
  EXPECT_EQ(part.Strings("//c:ser[1]/c:cat//c:pt/c:v"), (Strings{"AB", "C]]>D", "E"}));
}

TEST(ChartPartWriterTest, TitleWithoutTextKeepsItsFont) {
  Chart chart(ChartType::kPie);
  chart.SetHasTitle(true);
  chart.SetTitleFont({"", false, 10.5});
  const ChartXml part(WriteChartPart(chart));
  const std::string title = "/c:chartSpace/c:chart/c:title";
  EXPECT_EQ(part.Count(title + "/c:tx"), 0U);
  EXPECT_EQ(part.Value(title + "/c:txPr/a:p/a:pPr/a:defRPr/@sz"), "1050");
  EXPECT_EQ(part.Value(title + "/c:txPr/a:p/a:pPr/a:defRPr/@b"), "0");
  EXPECT_EQ(part.Count(title + "//a:latin"), 0U);
  EXPECT_EQ(part.Value("/c:chartSpace/c:chart/c:autoTitleDeleted/@val"), "0");
}

}  // namespace
}  // namespace tabulo::office
