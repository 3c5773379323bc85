#include "xml/sax_reader.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "xml/parse_error.h"

namespace tabulo::xml {
namespace {

// Records the events as one line each.
class Recorder : public SaxHandler {
 public:
  std::vector<std::string> events;
  void StartElement(std::string_view name, const Attributes& attributes) override {
    std::string line = "<" + std::string(name);
    for (int i = 0; i < attributes.Count(); ++i) {
      line += " " + std::string(attributes.Name(i)) + "=" + std::string(attributes.Value(i));
    }
    events.push_back(line);
  }
  void EndElement(std::string_view name) override { events.push_back("/" + std::string(name)); }
  void Characters(std::string_view text) override {
    if (!events.empty() && events.back().front() == '#') {
      events.back() += text;
    } else {
      events.push_back("#" + std::string(text));
    }
  }
};

TEST(SaxReaderTest, DeliversEventsAndAttributesInDocumentOrder) {
  Recorder recorder;
  ParseSax("<row z='1' c1='a&amp;b' c2=''><x/>t<![CDATA[<c>]]></row>", recorder);
  std::vector<std::string> expected{"<row z=1 c1=a&b c2=", "<x", "/x", "#t<c>", "/row"};
  EXPECT_EQ(recorder.events, expected);
}

TEST(SaxReaderTest, FindsAttributeByName) {
  struct Finder : SaxHandler {
    bool found_empty = false, found_missing = true;
    void StartElement(std::string_view, const Attributes& attributes) override {
      attributes.Find("e", found_empty);
      attributes.Find("m", found_missing);
    }
    void EndElement(std::string_view) override {}
    void Characters(std::string_view) override {}
  } finder;
  ParseSax("<r e=''/>", finder);
  EXPECT_TRUE(finder.found_empty);
  EXPECT_FALSE(finder.found_missing);
}

TEST(SaxReaderTest, StopsAtTheFirstFatalErrorWithItsReason) {
  Recorder recorder;
  try {
    ParseSax("<a><b></a>", recorder);
    FAIL() << "parsed";
  } catch (const ParseError& error) {
    EXPECT_NE(std::string(error.what()).find("mismatch"), std::string::npos) << error.what();
  }
}

TEST(SaxReaderTest, HandlerExceptionPropagatesAndStopsTheParse) {
  struct Thrower : Recorder {
    void StartElement(std::string_view name, const Attributes& attributes) override {
      Recorder::StartElement(name, attributes);
      if (name == "stop") throw std::runtime_error("stopped here");
    }
  } thrower;
  EXPECT_THROW(ParseSax("<r><stop/><after/></r>", thrower), std::runtime_error);
  EXPECT_EQ(thrower.events.back(), "<stop");
}

TEST(SaxReaderTest, ParsesDocumentsLargerThanOneSlice) {
  std::string big = "<r>";
  for (int i = 0; i < 200000; ++i) big += "<v c1='12.5%'/>";
  big += "</r>";
  struct Counter : SaxHandler {
    int count = 0;
    void StartElement(std::string_view, const Attributes&) override { ++count; }
    void EndElement(std::string_view) override {}
    void Characters(std::string_view) override {}
  } counter;
  ParseSax(big, counter);
  EXPECT_EQ(counter.count, 200001);
}

TEST(SaxReaderTest, RefusesBombsAndDeepNesting) {
  Recorder recorder;
  std::string bomb = "<!DOCTYPE r [<!ENTITY a0 'aaaaaaaaaa'>";
  for (int i = 1; i < 12; ++i) {
    std::string body;
    for (int j = 0; j < 10; ++j) body += "&a" + std::to_string(i - 1) + ";";
    bomb += "<!ENTITY a" + std::to_string(i) + " '" + body + "'>";
  }
  bomb += "]><r a='&a11;'/>";
  EXPECT_THROW(ParseSax(bomb, recorder), ParseError);
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "<a>";
  for (int i = 0; i < 5000; ++i) deep += "</a>";
  EXPECT_THROW(ParseSax(deep, recorder), ParseError);
}

}  // namespace
}  // namespace tabulo::xml
