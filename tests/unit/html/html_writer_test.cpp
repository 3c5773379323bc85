#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
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
  EXPECT_EQ(writer.Output(), "<table>\n\t<tr>\n\t\t<td>a<b>b</b></td>\n\t</tr>\n</table>\n");
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

TEST(HtmlWriterTest, AttributesCanBeClearedOrGivenEscapedAlready) {
  CHtmlWriter writer(false);
  writer.BeginElement("td");
  writer.AddAttribute("id", "dropped");
  writer.ClearAttributes();
  writer.AddAttribute("colspan", std::int64_t{-12});
  writer.AddEscapedAttribute("class", "A &amp; B");
  writer.StartElementWithAttributes();
  writer.EndElement("td");
  writer.EndDocument();
  EXPECT_EQ(writer.Output(), "<td colspan=\"-12\" class=\"A &amp; B\"></td>");
}

TEST(HtmlWriterTest, OutOfOrderCallsFailInsteadOfWritingBrokenMarkup) {
  auto fails = [](auto&& calls) {
    CHtmlWriter writer(false);
    try {
      calls(writer);
    } catch (const HtmlError& error) {
      return std::string(error.what()) == "An unexpected error occurred while generating the output";
    }
    return false;
  };
  EXPECT_TRUE(fails([](CHtmlWriter& w) { w.AddAttribute("a", "b"); }));
  EXPECT_TRUE(fails([](CHtmlWriter& w) { w.StartElementWithAttributes(); }));
  EXPECT_TRUE(fails([](CHtmlWriter& w) {
    w.BeginElement("p");
    w.Text("x");
  }));
  EXPECT_TRUE(fails([](CHtmlWriter& w) {
    w.StartElement("p");
    w.EndElement("div");
  }));
  EXPECT_TRUE(fails([](CHtmlWriter& w) {
    w.StartElement("p");
    w.EndDocument();
  }));
}

TEST(HtmlWriterTest, ABegunElementThatIsBegunAgainIsReplaced) {
  CHtmlWriter writer(false);
  writer.StartElement("tr");
  writer.BeginElement("th");
  writer.AddAttribute("a", "1");
  writer.BeginElement("td");
  writer.StartElementWithAttributes();
  writer.EndElement("td");
  writer.EndElement("tr");
  writer.EndDocument();
  EXPECT_EQ(writer.Output(), "<tr><td></td></tr>");
}

// The escaping skips plain runs a word at a time; every position of a
// special byte within and across words must still be found.
TEST(HtmlWriterTest, EscapingFindsSpecialBytesAtEveryPosition) {
  const std::string specials[] = {"&",           "<", ">", "\"", "\x01", "\t", "\xEF\xBF\xBE", "\xEF\xBF\xBF",
                                  "\xEF\xBB\xBF"};
  const std::string expected_text[] = {"&amp;", "&lt;", "&gt;", "\"", "", "\t", "", "", "\xEF\xBB\xBF"};
  const std::string expected_attribute[] = {"&amp;", "&lt;", "&gt;", "&quot;",      "",
                                            "&#9;",  "",     "",     "\xEF\xBB\xBF"};
  for (std::size_t kind = 0; kind < std::size(specials); ++kind) {
    for (std::size_t before = 0; before < 19; ++before) {
      for (std::size_t after : {0u, 1u, 7u, 8u, 9u}) {
        std::string text = std::string(before, 'a') + specials[kind] + std::string(after, 'z');
        std::string out;
        AppendEscapedXml(text, false, out);
        EXPECT_EQ(out, std::string(before, 'a') + expected_text[kind] + std::string(after, 'z'))
            << "kind " << kind << " at " << before;
        out.clear();
        AppendEscapedXml(text, true, out);
        EXPECT_EQ(out, std::string(before, 'a') + expected_attribute[kind] + std::string(after, 'z'))
            << "kind " << kind << " at " << before;
      }
    }
  }
}

TEST(HtmlWriterTest, HighBytesOfOrdinaryCharactersPassUnchanged) {
  std::string text =
      "Gr\xC3\xB6\xC3\x9F"
      "e \xE2\x82\xAC 12\xC2\xA0%\xF0\x9F\x98\x80 \x7F~";
  std::string out;
  AppendEscapedXml(text, true, out);
  EXPECT_EQ(out, text);
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

TEST(HtmlWriterTest, ALargePageReachesItsFileWhole) {
  testing::TempFolder folder;
  std::filesystem::path page = folder.path() / "large.htm";
  CHtmlWriter writer(false);
  writer.OutputToFile(page);
  writer.StartElement("table");
  std::string expected = "<table>";
  for (int row = 0; row < 200000; ++row) {
    writer.StartElement("td");
    writer.Text(std::to_string(row));
    writer.EndElement("td");
    expected += "<td>" + std::to_string(row) + "</td>";
  }
  writer.EndElement("table");
  writer.EndDocument();
  expected += "</table>";
  EXPECT_GT(expected.size(), std::size_t{2} << 20);
  EXPECT_EQ(ReadAll(page), expected);
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
