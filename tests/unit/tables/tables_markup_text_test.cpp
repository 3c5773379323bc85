#include <gtest/gtest.h>

#include "tables/markup_text.h"

namespace tabulo::tables {
namespace {

TEST(TablesMarkupTextTest, TextsWithoutTriggerCharactersStayAsTheyAre) {
  EXPECT_EQ(PrepareMarkupSafe(""), "");
  EXPECT_EQ(PrepareMarkupSafe("Very satisfied \"quoted\" 12.5%"), "Very satisfied \"quoted\" 12.5%");
  EXPECT_EQ(PrepareMarkupSafe("M\xC3\xBCller"), "M\xC3\xBCller");  // umlaut stays UTF-8
}

TEST(TablesMarkupTextTest, WellFormedFragmentsStayAsMarkup) {
  EXPECT_EQ(PrepareMarkupSafe("<b>word</b>"), "<b>word</b>");
  EXPECT_EQ(PrepareMarkupSafe("Don't know"), "Don't know");
  EXPECT_EQ(PrepareMarkupSafe("a\\b"), "a\\b");
  EXPECT_EQ(PrepareMarkupSafe("5 > 4"), "5 > 4");
  EXPECT_EQ(PrepareMarkupSafe("R&amp;D"), "R&amp;D");
  EXPECT_EQ(PrepareMarkupSafe("x<br/>y &#233;"), "x<br/>y &#233;");
  EXPECT_EQ(PrepareMarkupSafe("<![CDATA[<]]>"), "<![CDATA[<]]>");
}

TEST(TablesMarkupTextTest, EverythingElseIsEscaped) {
  EXPECT_EQ(PrepareMarkupSafe("R&D"), "R&amp;D");
  EXPECT_EQ(PrepareMarkupSafe("a < b"), "a &lt; b");
  EXPECT_EQ(PrepareMarkupSafe("<b>open"), "&lt;b&gt;open");
  EXPECT_EQ(PrepareMarkupSafe("a ]]> b"), "a ]]&gt; b");
  EXPECT_EQ(PrepareMarkupSafe("&nbsp;x"), "&amp;nbsp;x");  // no entity but the predefined five
  EXPECT_EQ(PrepareMarkupSafe("<?xml version='1.0'?>"), "&lt;?xml version='1.0'?&gt;");
}

TEST(TablesMarkupTextTest, EscapingWritesCharacterReferencesForAllButPrintableAscii) {
  // A-umlaut, blank, ampersand, blank, b.
  EXPECT_EQ(PrepareMarkupSafe("\xC3\x84 & b"), "&#x00C4; &amp; b");
  // Beyond the Basic Multilingual Plane: six digits.
  EXPECT_EQ(PrepareMarkupSafe("\xF0\x9F\x98\x80 & 1"), "&#x01F600; &amp; 1");
  // Tab, line feed and DEL take the four-digit form; quotes stay.
  EXPECT_EQ(EscapeText("a\t\n\x7F\"'<"), "a&#x0009;&#x000A;&#x007F;\"'&lt;");
  EXPECT_EQ(EscapeText("\xE2\x82\xAC"), "&#x20AC;");
  // Bytes that are no UTF-8 become the replacement character.
  EXPECT_EQ(EscapeText("a\xFF"
                       "b\xC3"),
            "a&#xFFFD;b&#xFFFD;");
}

TEST(TablesMarkupTextTest, WellFormedContentCheck) {
  EXPECT_TRUE(IsWellFormedContent(""));
  EXPECT_TRUE(IsWellFormedContent("<i>a</i> &lt; <b/>"));
  EXPECT_FALSE(IsWellFormedContent("<i>a</b>"));
  EXPECT_FALSE(IsWellFormedContent("</r><r>"));
  EXPECT_FALSE(IsWellFormedContent("a\x01"));
}

TEST(TablesMarkupTextTest, AppendingKeepsWhatIsThere) {
  std::string out = "x";
  AppendMarkupSafe("<u>y</u>", out);
  AppendMarkupSafe("&", out);
  EXPECT_EQ(out, "x<u>y</u>&amp;");
}

}  // namespace
}  // namespace tabulo::tables
