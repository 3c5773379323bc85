#include "frame/export_properties.h"

#include <gtest/gtest.h>

#include "frame/frame_fakes.h"
#include "xml/document.h"

namespace tabulo::frame {
namespace {

using platform::E_FAIL;
using platform::E_INVALIDARG;
using platform::E_POINTER;
using platform::S_OK;
using testing::LastErrorText;
using testing::Properties;
using testing::Property;

std::string Value(CExportProperties& store, std::string_view name) {
  std::string value;
  EXPECT_EQ(store.GetString(name, &value), S_OK) << name;
  return value;
}

class ExportPropertiesTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::ClearErrorInfo(); }
  CExportProperties text{Component(ComponentKind::kTextline)};
  CExportProperties html{Component(ComponentKind::kWebline)};
};

TEST_F(ExportPropertiesTest, StartsFromTheComponentsDefaults) {
  std::string xml;
  ASSERT_EQ(text.GetPropertiesXml(&xml), S_OK);
  xml::Document doc = xml::Document::Parse(xml);
  EXPECT_EQ(doc.SelectNodes("/properties/property").size(), 10u);
  EXPECT_EQ(doc.SelectSingleNode("/properties/property[name='FieldDelimiter']/type")->Text(), "3");
  EXPECT_EQ(Value(text, "FieldDelimiter"), "9");
  EXPECT_EQ(Value(text, "TableDelimiter"), "12");
  EXPECT_EQ(Value(text, "DisplayAnnotations"), "-1");
  EXPECT_EQ(Value(text, "OverwriteOutput"), "0");
  EXPECT_EQ(Value(text, "Destination"), "");
}

TEST_F(ExportPropertiesTest, EveryComponentHasItsOwnDefaults) {
  struct Expectation {
    ComponentKind kind;
    std::size_t count;
    const char* name;
    const char* value;
  };
  for (const Expectation& e : {Expectation{ComponentKind::kWebline, 34, "DisplayOption", "Table and Chart"},
                               Expectation{ComponentKind::kDocline, 27, "DisplayOption", "Table Only"},
                               Expectation{ComponentKind::kSlideline, 27, "DisplayOption", "Chart Only"},
                               Expectation{ComponentKind::kSheetline, 30, "PrintingOption", "Repeat Axes"},
                               Expectation{ComponentKind::kSlideline, 27, "HideApplication", "-1"},
                               Expectation{ComponentKind::kDocline, 27, "HideApplication", "0"},
                               Expectation{ComponentKind::kWebline, 34, "LayoutStyle", "Single Document"}}) {
    CExportProperties store(Component(e.kind));
    std::string xml;
    ASSERT_EQ(store.GetPropertiesXml(&xml), S_OK);
    EXPECT_EQ(xml::Document::Parse(xml).SelectNodes("/properties/property").size(), e.count) << e.name;
    EXPECT_EQ(Value(store, e.name), e.value);
  }
}

TEST_F(ExportPropertiesTest, TextThatDoesNotParseChangesNothing) {
  EXPECT_EQ(text.PutPropertiesXml("<properties><property>"), S_OK);
  EXPECT_EQ(Value(text, "FieldDelimiter"), "9");
  EXPECT_EQ(text.PutPropertiesXml(nullptr), E_INVALIDARG);
}

TEST_F(ExportPropertiesTest, SkipsEntriesWithoutTypeAndIgnoresUnknownNames) {
  std::string put = Properties(
      "<property><name>FieldDelimiter</name><value>44</value></property>" + Property("Unknown", 8, "x") +
      Property("TableDelimiter", 3, "59"));
  ASSERT_EQ(text.PutPropertiesXml(put.c_str()), S_OK);
  EXPECT_EQ(Value(text, "FieldDelimiter"), "9");
  EXPECT_EQ(Value(text, "TableDelimiter"), "59");
  std::string xml;
  text.GetPropertiesXml(&xml);
  EXPECT_EQ(xml.find("Unknown"), std::string::npos);
}

TEST_F(ExportPropertiesTest, ConvertsWithTheHostTypeThenTheStoredType) {
  ASSERT_EQ(text.PutPropertiesXml(Properties(Property("Interactive", 8, "True") +
                                             Property("LaunchApplication", 11, "1") +
                                             Property("ShowHelp", 8, "-1") +
                                             Property("FieldDelimiter", 8, " 44 ")).c_str()),
            S_OK);
  EXPECT_EQ(Value(text, "Interactive"), "-1");
  EXPECT_EQ(Value(text, "LaunchApplication"), "-1");
  EXPECT_EQ(Value(text, "ShowHelp"), "-1");
  EXPECT_EQ(Value(text, "FieldDelimiter"), "44");
  EXPECT_TRUE(text.Interactive());
}

TEST_F(ExportPropertiesTest, InvalidValueFailsAndKeepsEarlierEntries) {
  std::string put = Properties(Property("FieldDelimiter", 3, "44") + Property("Interactive", 11, "abc") +
                               Property("TableDelimiter", 3, "59"));
  EXPECT_EQ(text.PutPropertiesXml(put.c_str()), platform::DISP_E_TYPEMISMATCH);
  auto info = platform::TakeErrorInfo();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->description, "Invalid value abc: Type mismatch.");
  EXPECT_EQ(info->source, "Textline.Export.1");
  EXPECT_EQ(info->interface_id, Component(ComponentKind::kTextline).interface_id);
  EXPECT_EQ(Value(text, "FieldDelimiter"), "44");
  EXPECT_EQ(Value(text, "TableDelimiter"), "12");
}

TEST_F(ExportPropertiesTest, ValueThatFitsTheHostTypeButNotTheStoredOneNamesBothFailures) {
  EXPECT_EQ(text.PutPropertiesXml(Properties(Property("Interactive", 8, "maybe")).c_str()),
            platform::DISP_E_TYPEMISMATCH);
  EXPECT_EQ(LastErrorText(), "Invalid value maybe: Error setting XML property Interactive: Type mismatch.");
}

TEST_F(ExportPropertiesTest, TypedGettersAndSetters) {
  std::int32_t delimiter = 0;
  ASSERT_EQ(text.SetLong("FieldDelimiter", 59), S_OK);
  ASSERT_EQ(text.GetLong("FieldDelimiter", &delimiter), S_OK);
  EXPECT_EQ(delimiter, 59);
  ASSERT_EQ(text.SetBool("OverwriteOutput", true), S_OK);
  EXPECT_EQ(Value(text, "OverwriteOutput"), "-1");
  ASSERT_EQ(text.SetString("Destination", "]]> & <x>"), S_OK);
  EXPECT_EQ(Value(text, "Destination"), "]]> & <x>");
  ASSERT_EQ(text.ResetToDefault("FieldDelimiter"), S_OK);
  EXPECT_EQ(Value(text, "FieldDelimiter"), "9");
  EXPECT_EQ(text.SetString("NotAProperty", "x"), S_OK);
}

TEST_F(ExportPropertiesTest, ArgumentErrorsRecordNoText) {
  std::string value;
  bool flag = false;
  EXPECT_EQ(text.GetString("Destination", nullptr), E_POINTER);
  EXPECT_EQ(text.GetBool("Interactive", nullptr), E_POINTER);
  EXPECT_EQ(text.GetString("", &value), E_INVALIDARG);
  EXPECT_EQ(text.GetBool("", &flag), E_INVALIDARG);
  EXPECT_EQ(text.SetString("", "x"), E_INVALIDARG);
  EXPECT_FALSE(platform::PeekErrorInfo());
}

TEST_F(ExportPropertiesTest, MissingPropertyNamesItsPath) {
  std::string value;
  EXPECT_EQ(text.GetString("ChartType", &value), E_FAIL);
  EXPECT_EQ(LastErrorText(),
            "Error getting node /properties/property[name = 'ChartType']/value: Unspecified error");
  EXPECT_EQ(text.ResetToDefault("ChartType"), E_FAIL);
  EXPECT_EQ(LastErrorText().rfind("Failed to retrieve default for the property ChartType: Error getting node", 0),
            0u);
}

TEST_F(ExportPropertiesTest, NameWithAnApostropheCannotBeReadOrWritten) {
  std::string value;
  EXPECT_EQ(text.GetString("it's", &value), E_FAIL);
  std::string read_error = LastErrorText();
  EXPECT_EQ(read_error.rfind("Error getting node /properties/property[name = 'it's']/value: ", 0), 0u)
      << read_error;
  EXPECT_GT(read_error.size(), std::string("Error getting node /properties/property[name = 'it's']/value: ").size());
  EXPECT_EQ(text.SetString("it's", "x"), E_FAIL);
  EXPECT_EQ(LastErrorText().rfind("Error setting XML property it's: ", 0), 0u);
  EXPECT_FALSE(text.OverwriteOutput());
}

TEST_F(ExportPropertiesTest, StoresTheCaseOfAVocabularyValueAsWritten) {
  ASSERT_EQ(html.PutPropertiesXml(Properties(Property("LayoutStyle", 8, "table of contents")).c_str()), S_OK);
  EXPECT_EQ(Value(html, "LayoutStyle"), "table of contents");
}

}  // namespace
}  // namespace tabulo::frame
