#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/recording_workbook.h"
#include "scripts/excel/annotation_html.h"
#include "scripts/excel/excel_settings.h"
#include "scripts/excel/line_breaks.h"
#include "scripts/excel/number_formats.h"
#include "scripts/excel/typed_input.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

TEST(ExcelLineBreaks, SplitsAtEveryBreakTagInAnyCase) {
  EXPECT_THAT(SplitAtLineBreaks("A<br>B<BR/>C<Br  //>D"), ElementsAre("A", "B", "C", "D"));
  EXPECT_THAT(SplitAtLineBreaks("plain"), ElementsAre("plain"));
  EXPECT_THAT(SplitAtLineBreaks("<br>"), ElementsAre("", ""));
  // Not breaks: other tags, a blank after the slash, an unclosed tag.
  EXPECT_THAT(SplitAtLineBreaks("<b>x</b><br / ><br"), ElementsAre("<b>x</b><br / ><br"));
}

TEST(ExcelAnnotationHtml, WrapsTheTextInTheHeaderFontWithoutStyles) {
  EXPECT_EQ(AnnotationHtml("Hi", false), "<FONT FACE = \"Arial\"SIZE = 3>Hi</FONT>");
  EXPECT_EQ(AnnotationHtml("Hi", true), "Hi");
}

TEST(ExcelAnnotationHtml, CharacterFormatsBecomeRuns) {
  std::vector<RunLine> lines =
      HtmlToRunLines("<b>B</b><i>I</i><u>U</u><font color=\"#00FF00\" size=\"5\" face=\"Times\">F</font>");
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].size(), 4u);
  EXPECT_TRUE(lines[0][0].bold);
  EXPECT_FALSE(lines[0][0].italic);
  EXPECT_TRUE(lines[0][1].italic);
  EXPECT_TRUE(lines[0][2].underline);
  EXPECT_EQ(lines[0][3].colour, 0x00FF00u);
  EXPECT_EQ(lines[0][3].size, 18);
  EXPECT_EQ(lines[0][3].font_name, "Times");
}

TEST(ExcelAnnotationHtml, BreaksAndBlocksStartRows) {
  auto texts = [](const std::vector<RunLine>& lines) {
    std::vector<std::string> out;
    for (const RunLine& line : lines) {
      std::string text;
      for (const TextRun& run : line) text += run.text;
      out.push_back(text);
    }
    return out;
  };
  EXPECT_THAT(texts(HtmlToRunLines("one<br>two<br/><br>four")), ElementsAre("one", "two", "", "four"));
  EXPECT_THAT(texts(HtmlToRunLines("<p>a</p><div>b <b>c</b></div>d")), ElementsAre("a", "b c", "d"));
  EXPECT_THAT(texts(HtmlToRunLines("  spaced \n\t out  ")), ElementsAre("spaced out"));
  EXPECT_THAT(texts(HtmlToRunLines("A &amp; B &lt; C")), ElementsAre("A & B < C"));
  EXPECT_THAT(texts(HtmlToRunLines("<br><br>x<br>")), ElementsAre("x"));
  EXPECT_TRUE(HtmlToRunLines("").empty());
}

TEST(ExcelAnnotationHtml, RelativeAndNamedFontAttributes) {
  std::vector<RunLine> lines =
      HtmlToRunLines("<font size=\"+1\" color=\"navy\">a</font><font size=\"-2\" color=\"bogus\">b</font>");
  ASSERT_EQ(lines.size(), 1u);
  ASSERT_EQ(lines[0].size(), 2u);
  EXPECT_EQ(lines[0][0].size, 14);
  EXPECT_EQ(lines[0][0].colour, 0x000080u);
  EXPECT_EQ(lines[0][1].size, 8);
  EXPECT_EQ(lines[0][1].colour, std::nullopt);
}

TEST(ExcelTypedInput, NumbersAndPercentagesInTheLocaleBecomeNumbers) {
  RecordingWorksheet sheet;
  WriteTypedText(sheet, {1, 1}, "12,5%", 1031);
  EXPECT_EQ(sheet.Number(1, 1), 0.125);
  EXPECT_EQ(sheet.FormatOf(1, 1), "0.00%");
  WriteTypedText(sheet, {2, 1}, "40%", 1033);
  EXPECT_EQ(sheet.Number(2, 1), 0.4);
  EXPECT_EQ(sheet.FormatOf(2, 1), "0%");
  WriteTypedText(sheet, {3, 1}, "1,234.5", 1033);
  EXPECT_EQ(sheet.Number(3, 1), 1234.5);
  EXPECT_EQ(sheet.FormatOf(3, 1), "");
  WriteTypedText(sheet, {4, 1}, "10-15", 1033);
  EXPECT_EQ(sheet.Text(4, 1), "10-15");
}

TEST(ExcelTypedInput, TextFormattedCellsKeepTheText) {
  RecordingWorksheet sheet;
  sheet.SetNumberFormat(CellRange::Single({1, 1}), "@");
  WriteTypedText(sheet, {1, 1}, "10", 1033);
  EXPECT_EQ(sheet.Text(1, 1), "10");
  // A percentage in a cell that already has a format keeps that format.
  sheet.SetNumberFormat(CellRange::Single({2, 1}), "0.0");
  WriteTypedText(sheet, {2, 1}, "5%", 1033);
  EXPECT_EQ(sheet.Number(2, 1), 0.05);
  EXPECT_EQ(sheet.FormatOf(2, 1), "0.0");
}

TEST(ExcelNumberFormatText, FormatsByDecimalsAndPercentSigns) {
  EXPECT_EQ(FixedDecimalsFormat(0), "0");
  EXPECT_EQ(FixedDecimalsFormat(3), "0.000");
  EXPECT_EQ(ValueFormat(0, true), "0%");
  EXPECT_EQ(ValueFormat(1, false), "0.0");
  EXPECT_EQ(CellValueFormat(std::nullopt, false), "general");
  EXPECT_EQ(CellValueFormat(2, true), "0.00%");
  EXPECT_TRUE(IsPercentageType("CumRowPercent"));
  EXPECT_FALSE(IsPercentageType("Count"));
  EXPECT_FALSE(IsPercentageType("colpercent"));
}

TEST(ExcelSettingsReading, DefaultsAndOverrides) {
  ExcelSettings defaults = ReadExcelSettings("<properties/>");
  EXPECT_EQ(defaults.printing, PrintingOption::kRepeatAxes);
  EXPECT_TRUE(defaults.display_annotations);
  EXPECT_TRUE(defaults.use_formatted_annotations);
  EXPECT_FALSE(defaults.split_cells);
  EXPECT_FALSE(defaults.use_excel_styles);
  ExcelSettings set = ReadExcelSettings(
      "<properties><property><name>SplitCells</name><type>11</type><value>yes</value></property>"
      "<property><name>DisplayBorders</name><type>11</type><value><![CDATA[0]]></value></property>"
      "<property><name>PrintingOption</name><type>8</type><value>fit TO page</value></property>"
      "<property><name>Destination</name><type>8</type><value>/tmp/x.xlsx</value></property></properties>");
  EXPECT_TRUE(set.split_cells);  // anything but "0" is true
  EXPECT_FALSE(set.display_borders);
  EXPECT_EQ(set.printing, PrintingOption::kFitToPage);
  EXPECT_EQ(set.destination, "/tmp/x.xlsx");
}

}  // namespace
}  // namespace tabulo::excel::fixtures
