// The bytes of the file, its progress reports and its opening.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "text/tables_xml_builder.h"
#include "text/text_export_support.h"

namespace tabulo::text::testing {
namespace {

std::string Utf16(std::string_view ascii) {
  std::string bytes;
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes;
}

TEST(TextOutputFileTest, BytesAreUtf16LittleEndianWithAByteOrderMark) {
  ExportRunner runner;
  // U+00E9 in the description, U+1F600 as a label, U+2022 as field delimiter.
  std::string xml = "<Document Description=\"\xC3\xA9\"><Tables>" +
                    Table("", Root("Side", Var("V", "\xF0\x9F\x98\x80", "", ""), Hd("V"))) +
                    "</Tables></Document>";
  std::string bytes =
      runner.ExportBytes(xml, {{"FieldDelimiter", {3, "8226"}}, {"DisplayAnnotations", {11, "0"}}});
  std::string bullet_line = std::string("\x22\x20", 2) + Utf16("\r\n");
  std::string expected = "\xFF\xFE" + Utf16("\r\n\"\"\r\n\"") + std::string("\xE9\0", 2) +
                         Utf16("\"\r\n\r\n") + bullet_line + bullet_line + bullet_line + bullet_line +
                         Utf16("\"") + std::string("\x3D\xD8\x00\xDE", 4) + Utf16("\"") + bullet_line +
                         bullet_line + bullet_line + bullet_line + std::string("\x22\x20", 2) +
                         Utf16("\r\n\f\r\n");
  EXPECT_EQ(bytes, expected);
}

TEST(TextOutputFileTest, ProgressCountsTheTablesWritten) {
  tabulo::testing::TempFolder folder;
  RecordingLauncher launcher;
  std::vector<std::pair<std::size_t, std::size_t>> reports;
  std::string table = Table("", Root("Side", Age(), Hd("Age")));
  Export(Doc(table + table + "<!-- <Table -->"), PropertiesXml(folder.File("out.txt")),
         ExportServices{launcher,
                        [&](std::size_t done, std::size_t total) { reports.emplace_back(done, total); }});
  EXPECT_EQ(reports, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 3}, {2, 3}}));
}

TEST(TextOutputFileTest, LaunchOpensTheFileOnlyWhenAsked) {
  ExportRunner runner;
  runner.ExportText(Doc(""));
  EXPECT_TRUE(runner.launcher().opened.empty());
  runner.ExportText(Doc(""), {{"LaunchApplication", {11, "-1"}}});
  EXPECT_EQ(runner.launcher().opened, std::vector<std::filesystem::path>{runner.Destination()});
}

TEST(TextOutputFileTest, LongBodyBeforeTheDataSetStillFollowsThePreamble) {
  ExportRunner runner;
  std::string label(1000, 'x');
  std::string elements;
  std::string headings;
  std::string lines;
  for (int i = 0; i < 400; ++i) {
    elements += El("e" + std::to_string(i), label);
    headings += Hd("e" + std::to_string(i));
    lines += "\"" + label + "\"\t\r\n";
  }
  std::string table = Table("", Root("Side", Var("V", "V", elements, headings), Hd("V")));
  std::string one = "\t\r\n\t\r\n\t\r\n\t\r\n\"V\"\t\r\n" + lines + "\t\r\n\t\r\n\t\r\n\t\r\n\f\r\n";
  std::string text = runner.ExportText("<Document Description=\"D\"><Tables>" + table + table + table +
                                           "</Tables><DataSet Description=\"P\"/></Document>",
                                       {{"DisplayAnnotations", {11, "0"}}});
  std::string expected = "\r\n\"P\"\r\n\"D\"\r\n\r\n" + one + one + one;
  ASSERT_EQ(text.size(), expected.size());
  EXPECT_TRUE(text == expected) << text.substr(0, 100);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(runner.folder().path()), {}), 1);
}

}  // namespace
}  // namespace tabulo::text::testing
