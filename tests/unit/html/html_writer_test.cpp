#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "html/chtml_writer.h"
#include "html/markup_sanitizer.h"
#include "support/temp_folder.h"

namespace tabulo::html {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(HtmlWriterTest, ElementsAreClosedAndEmptyOnesKeepTheirEndTag) {
  CHtmlWriter writer(false);
  writer.StartDocument();
  writer.StartElement("body");
  writer.BeginElement("A");
  writer.AddAttribute("NAME", "Top");
  writer.StartElementWithAttributes();
  writer.EndElement("A");
  writer.LineBreak();
  writer.BeginElement("td");
  writer.AddAttribute("colspan", std::int64_t{3});
  writer.AddAttribute("title", "a \"quoted\" <b> & more");
  writer.StartElementWithAttributes();
  writer.Text("R&D <1>");
  writer.EndElement("td");
  writer.EndElement("body");
  writer.EndDocument();
  EXPECT_EQ(
      writer.Output(),
      "<body><A NAME=\"Top\"></A><br /><td colspan=\"3\" title=\"a &quot;quoted&quot; &lt;b&gt; &amp; more\">"
      "R&amp;D &lt;1&gt;</td></body>");
}

TEST(HtmlWriterTest, EmptyTextCanBeOneNoBreakSpaceAndRawTextIsKept) {
  CHtmlWriter writer(false);
  writer.StartElement("td");
  writer.Text("", false, true);
  writer.Text("<b>x</b>", true);
  writer.Text("tab\there\x01", false);
  writer.EndElement("td");
  writer.EndDocument();
  EXPECT_EQ(writer.Output(), "<td>\xC2\xA0<b>x</b>tab\there</td>");
}

TEST(HtmlWriterTest, IndentationNeverTouchesText) {
  CHtmlWriter writer(true);
  writer.StartElement("table");
  writer.StartElement("tr");
  writer.StartElement("td");
  writer.Text("a");
  writer.StartElement("b");
  writer.Text("b");
  writer.EndElement("b");
  writer.EndElement("td");
  writer.EndElement("tr");
  writer.EndElement("table");
  writer.EndDocument();
  EXPECT_EQ(writer.Output(), "<table>\n  <tr>\n    <td>a<b>b</b></td>\n  </tr>\n</table>\n");
}

TEST(HtmlWriterTest, TheHundredAndFirstAttributeFails) {
  CHtmlWriter writer(false);
  writer.BeginElement("td");
  for (int i = 0; i < 100; ++i) writer.AddAttribute("a" + std::to_string(i), "v");
  try {
    writer.AddAttribute("one-too-many", "v");
    FAIL() << "no error";
  } catch (const HtmlError& error) {
    EXPECT_STREQ(error.what(), "An unexpected error occurred while generating the output");
  }
}

TEST(HtmlWriterTest, CommentsCannotEndEarly) {
  CHtmlWriter writer(false);
  writer.StartElement("style");
  writer.Comment("a--b-");
  writer.EndElement("style");
  writer.EndDocument();
  EXPECT_EQ(writer.Output(), "<style><!--a- -b- --></style>");
}

TEST(HtmlWriterTest, FilesReplaceTheirDestinationOnlyWhenComplete) {
  testing::TempFolder folder;
  std::filesystem::path page = folder.path() / "page.htm";
  std::ofstream(page) << "old";
  {
    CHtmlWriter writer(false);
    writer.OutputToFile(page);
    writer.StartElement("p");
    writer.Text("new");
    EXPECT_EQ(ReadAll(page), "old");
  }
  EXPECT_EQ(ReadAll(page), "old");
  CHtmlWriter writer(false);
  writer.OutputToFile(page);
  writer.StartElement("p");
  writer.Text("new");
  writer.EndElement("p");
  writer.EndDocument();
  EXPECT_EQ(ReadAll(page), "<p>new</p>");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(HtmlWriterTest, AFileInAMissingFolderCannotBeCreated) {
  testing::TempFolder folder;
  CHtmlWriter writer(false);
  std::string path = (folder.path() / "nowhere" / "page.htm").string();
  try {
    writer.OutputToFile(path);
    FAIL() << "no error";
  } catch (const HtmlError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Unable to create the '" + path + "' output file: ", 0), 0u)
        << error.what();
  }
}

TEST(HtmlWriterTest, StreamsReceiveThePage) {
  std::ostringstream stream;
  CHtmlWriter writer(false);
  writer.OutputToStream(stream);
  writer.StartElement("p");
  writer.EndElement("p");
  writer.EndDocument();
  EXPECT_EQ(stream.str(), "<p></p>");
  EXPECT_EQ(writer.Output(), "");
}

TEST(MarkupSanitizerTest, FormattingStaysAndActiveContentGoes) {
  EXPECT_EQ(SanitizeMarkup("<b>Total</b> &amp; <i style=\"color:red\">more</i>"),
            "<b>Total</b> &amp; <i style=\"color:red\">more</i>");
  EXPECT_EQ(SanitizeMarkup("a<script>alert(1)</script>b"), "ab");
  EXPECT_EQ(SanitizeMarkup("<img src=\"x\" onerror=\"alert(1)\"/>"), "<img src=\"x\" />");
  EXPECT_EQ(SanitizeMarkup("<a href=\"javascript:alert(1)\">x</a>"), "<a>x</a>");
  EXPECT_EQ(SanitizeMarkup("<a href=\" JaVaScRiPt:alert(1)\">x</a>"), "<a>x</a>");
  EXPECT_EQ(SanitizeMarkup("<a href=\"java&#x09;script:alert(1)\">x</a>"), "<a>x</a>");
  EXPECT_EQ(SanitizeMarkup("<a href=\"data:text/html,x\">x</a>"), "<a>x</a>");
  EXPECT_EQ(SanitizeMarkup("<a href=\"https://example.org/a?b=c:d\">x</a>"),
            "<a href=\"https://example.org/a?b=c:d\">x</a>");
  EXPECT_EQ(SanitizeMarkup("<a href=\"page.htm#x:y\">x</a>"), "<a href=\"page.htm#x:y\">x</a>");
  EXPECT_EQ(SanitizeMarkup("<iframe src=\"https://evil\"><b>x</b></iframe>y"), "y");
  EXPECT_EQ(SanitizeMarkup("<svg onload=\"alert(1)\"><circle/></svg>"), "");
  EXPECT_EQ(SanitizeMarkup("<b style=\"x:expression(alert(1))\">x</b>"), "<b>x</b>");
  EXPECT_EQ(SanitizeMarkup("<div><form action=\"/x\"><input name=\"a\"/></form>ok</div>"), "<div>ok</div>");
  EXPECT_EQ(SanitizeMarkup("<p><![CDATA[<script>]]></p>"), "<p>&lt;script&gt;</p>");
}

TEST(MarkupSanitizerTest, TextThatIsNoMarkupIsEscaped) {
  EXPECT_EQ(SanitizeMarkup("a < b"), "a &lt; b");
  EXPECT_EQ(SanitizeMarkup("<b>unclosed"), "&lt;b&gt;unclosed");
  EXPECT_EQ(SanitizeMarkup("&lt;script&gt;"), "&lt;script&gt;");
}

}  // namespace
}  // namespace tabulo::html
