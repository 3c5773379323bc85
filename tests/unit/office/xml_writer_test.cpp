#include "office/markup/xml_writer.h"

#include <gtest/gtest.h>

#include "office/markup/xml_characters.h"

namespace tabulo::office {
namespace {

std::string Written(const std::function<void(XmlWriter&)>& write) {
  std::string out;
  XmlWriter xml(out);
  write(xml);
  return out;
}

TEST(XmlWriterTest, ElementsWithoutContentCloseThemselves) {
  EXPECT_EQ(Written([](XmlWriter& xml) {
              xml.Start("a");
              xml.Attribute("x", "1");
              xml.Start("b");
              xml.End();
              xml.TextElement("c", "t");
              xml.End();
            }),
            "<a x=\"1\"><b/><c>t</c></a>");
}

TEST(XmlWriterTest, DeclarationIsStandaloneUtf8) {
  EXPECT_EQ(Written([](XmlWriter& xml) { xml.Declaration(); }),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
}

TEST(XmlWriterTest, EscapesMarkupInTextAndAttributes) {
  EXPECT_EQ(Written([](XmlWriter& xml) {
              xml.Start("a");
              xml.Attribute("v", "<\"&'>");
              xml.Text("1 < 2 & 3 > \"q\"");
              xml.End();
            }),
            "<a v=\"&lt;&quot;&amp;'&gt;\">1 &lt; 2 &amp; 3 &gt; \"q\"</a>");
}

TEST(XmlWriterTest, KeepsWhiteSpaceThatParsersWouldNormalise) {
  // A parser turns CR into LF everywhere, and tab and LF into blanks in attributes.
  EXPECT_EQ(Written([](XmlWriter& xml) {
              xml.Start("a");
              xml.Attribute("v", "a\tb\nc\rd");
              xml.Text("e\tf\ng\rh");
              xml.End();
            }),
            "<a v=\"a&#9;b&#10;c&#13;d\">e\tf\ng&#13;h</a>");
}

TEST(XmlWriterTest, DropsCharactersXmlCannotCarry) {
  // U+0001, U+001F, U+FFFE (EF BF BE) and U+FFFF (EF BF BF) are not XML characters.
  EXPECT_EQ(Written([](XmlWriter& xml) { xml.TextElement("a", "x\x01y\x1Fz\xEF\xBF\xBEw\xEF\xBF\xBFv"); }),
            "<a>xyzwv</a>");
}

TEST(XmlWriterTest, KeepsMultiByteCharactersAndReplacesMalformedBytes) {
  // é (C3 A9), € (E2 82 AC), 😀 (F0 9F 98 80) stay; a lone continuation byte,
  // a truncated sequence, an overlong "/" (C0 AF) and an encoded surrogate
  // (ED A0 80) each become U+FFFD (EF BF BD) per byte consumed.
  EXPECT_EQ(Written([](XmlWriter& xml) { xml.Text("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"); }),
            "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(Written([](XmlWriter& xml) {
              xml.Text(
                  "a\x80"
                  "b");
            }),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(Written([](XmlWriter& xml) { xml.Text("a\xE2\x82"); }), "a\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(Written([](XmlWriter& xml) { xml.Text("\xC0\xAF"); }), "\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(Written([](XmlWriter& xml) { xml.Text("\xED\xA0\x80"); }),
            "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(XmlWriterTest, NumbersAreShortestExactText) {
  EXPECT_EQ(Written([](XmlWriter& xml) {
              xml.Start("a");
              xml.AttributeNumber("h", 12.75);
              xml.AttributeNumber("w", 9.140625);
              xml.AttributeNumber("z", -0.0);
              xml.Attribute("n", -42);
              xml.TextNumber(0.1);
              xml.End();
            }),
            "<a h=\"12.75\" w=\"9.140625\" z=\"0\" n=\"-42\">0.1</a>");
  std::string out;
  AppendDouble(out, 1e21);
  EXPECT_EQ(out, "1e+21");
  out.clear();
  AppendDouble(out, 123456789);
  EXPECT_EQ(out, "123456789");
  out.clear();
  AppendDouble(out, 1.0 / 3);
  EXPECT_EQ(out, "0.3333333333333333");
}

TEST(XmlWriterTest, RefusesWhatWouldBreakTheDocument) {
  std::string out;
  XmlWriter xml(out);
  EXPECT_THROW(xml.End(), std::logic_error);
  xml.Start("a");
  xml.Text("t");
  EXPECT_THROW(xml.Attribute("late", "x"), std::logic_error);
  EXPECT_THROW(xml.AttributeNumber("n", 0), std::logic_error);
  EXPECT_THROW(AppendDouble(out, std::numeric_limits<double>::infinity()), std::invalid_argument);
  EXPECT_THROW(AppendDouble(out, std::numeric_limits<double>::quiet_NaN()), std::invalid_argument);
}

TEST(XmlCharactersTest, CountsUtf16Units) {
  EXPECT_EQ(Utf16Length("abc"), 3U);
  EXPECT_EQ(Utf16Length("\xC3\xA9\xE2\x82\xAC"), 2U);  // é €
  EXPECT_EQ(Utf16Length("\xF0\x9F\x98\x80"), 2U);      // one surrogate pair
  EXPECT_EQ(Utf16Length("\xFF"), 1U);                  // malformed byte
}

TEST(XmlCharactersTest, EncodesUtf8) {
  std::string out;
  AppendUtf8(out, U'A');
  AppendUtf8(out, U'\u00E9');
  AppendUtf8(out, U'\u20AC');
  AppendUtf8(out, U'\U0001F600');
  EXPECT_EQ(out, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace tabulo::office
