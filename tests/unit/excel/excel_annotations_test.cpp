#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "excel/excel_test_support.h"

namespace tabulo::excel::fixtures {
namespace {

using ::testing::ElementsAre;

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '&')
      out += "&amp;";
    else if (c == '"')
      out += "&quot;";
    else
      out += c;
  }
  return out;
}

std::string Annotated(std::initializer_list<std::pair<std::string, std::string>> annotations) {
  std::string xml = "<Annotations>";
  for (const auto& [position, text] : annotations) {
    xml += "<Annotation Position=\"" + position + "\" Text=\"" + Escaped(text) + "\"/>";
  }
  xml += "</Annotations>";
  return Document(
      Table(" IsPopulated=\"false\"", Top(Gender(), Heading("Gender")) + Side(Age(), Heading("Age")), xml));
}

TEST(ExcelPlainAnnotations, EachLineBreakStartsARowAndTheRestFollowsTheLastBreak) {
  ExcelRun run = RunExcel(Annotated({{"TitleHeader", "Title"},
                                     {"LeftHeader", "A<br/>B"},
                                     {"CenterHeader", "<b>x</b>"},
                                     {"RightHeader", "<BR >C"},
                                     {"TitleFooter", "Foot"}}),
                          Properties({{"UseFormattedAnnotations", "0"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  EXPECT_THAT(sheet.Contents(),
              ElementsAre("R1C1=Title", "R2C1=A", "R3C1=B", "R4C1=<b>x</b>", "R6C1=C", "R8C3=Gender",
                          "R9C3=Male", "R9C4=Female", "R10C1=Age", "R10C2=Young", "R11C2=Old", "R13C1=Foot"));
  EXPECT_EQ(sheet.FormatOf(1, 1), "@");
  EXPECT_EQ(sheet.FormatOf(3, 1), "@");
  EXPECT_EQ(sheet.Format(5, 1).font_size, 12);  // an empty piece still takes the style
  CellFormat header = sheet.Format(3, 1);
  EXPECT_EQ(header.font_name, "Arial");
  EXPECT_EQ(header.horizontal, HorizontalAlignment::kLeft);
  EXPECT_EQ(header.vertical, VerticalAlignment::kBottom);
  EXPECT_EQ(sheet.title_rows, std::make_pair(8, 9));
}

TEST(ExcelPlainAnnotations, AnnotationsAreSelectedByPositionNotOrder) {
  ExcelRun run = RunExcel(Annotated({{"RightFooter", "RF"}, {"CenterHeader", "CH"}, {"LeftHeader", "LH"}}),
                          Properties({{"UseFormattedAnnotations", "0"}}));
  EXPECT_EQ(run.Sheet().Text(1, 1), "LH");
  EXPECT_EQ(run.Sheet().Text(2, 1), "CH");
  EXPECT_EQ(run.Sheet().Text(9, 1), "RF");
}

TEST(ExcelFormattedAnnotations, HtmlBecomesRichTextRows) {
  ExcelRun run = RunExcel(Annotated({{"TitleHeader", "<b>Bold</b> text<br>second"}, {"LeftHeader", "Left"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  TextRun bold;
  bold.text = "Bold";
  bold.bold = true;
  bold.font_name = "Arial";
  bold.size = 12;
  TextRun plain;
  plain.text = " text";
  plain.font_name = "Arial";
  plain.size = 12;
  TextRun second = plain;
  second.text = "second";
  TextRun left = plain;
  left.text = "Left";
  ASSERT_NE(sheet.At(3, 1), nullptr);
  EXPECT_EQ(std::get<std::vector<TextRun>>(sheet.At(1, 1)->value), (std::vector<TextRun>{bold, plain}));
  EXPECT_EQ(std::get<std::vector<TextRun>>(sheet.At(2, 1)->value), (std::vector<TextRun>{second}));
  EXPECT_EQ(std::get<std::vector<TextRun>>(sheet.At(3, 1)->value), (std::vector<TextRun>{left}));
  EXPECT_THAT(sheet.auto_fit_rows, ElementsAre(std::make_pair(1, 2), std::make_pair(3, 3)));
  EXPECT_EQ(sheet.Text(5, 3), "Gender");  // one blank row after the headers
  EXPECT_TRUE(run.exporter.clipboard.empty());
}

TEST(ExcelFormattedAnnotations, WorkbookStylesSupplyTheFont) {
  ExcelRun run =
      RunExcel(Annotated({{"TitleFooter", "<i>Note</i>"}}), Properties({{"UseExcelStyles", "-1"}}));
  ASSERT_FALSE(run.error) << run.error->description;
  const RecordingWorksheet& sheet = run.Sheet();
  TextRun note;
  note.text = "Note";
  note.italic = true;
  ASSERT_NE(sheet.At(7, 1), nullptr);
  EXPECT_EQ(std::get<std::vector<TextRun>>(sheet.At(7, 1)->value), (std::vector<TextRun>{note}));
  EXPECT_EQ(sheet.Style(7, 1), "Footer");
}

TEST(ExcelAnnotations, DisplayAnnotationsOffDropsThemAndTheBlankRow) {
  ExcelRun run = RunExcel(Annotated({{"TitleHeader", "Title"}}), Properties({{"DisplayAnnotations", "0"}}));
  EXPECT_EQ(run.Sheet().Text(1, 3), "Gender");
  EXPECT_EQ(run.Sheet().title_rows, std::make_pair(1, 2));
}

}  // namespace
}  // namespace tabulo::excel::fixtures
