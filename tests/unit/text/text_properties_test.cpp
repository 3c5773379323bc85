#include <gtest/gtest.h>

#include "scripts/text/ctext_properties.h"
#include "scripts/text/property_value.h"
#include "scripts/text/script_error.h"
#include "text/text_export_support.h"

namespace tabulo::text {
namespace {

TEST(TextPropertyValueTest, ConvertsByVariantType) {
  EXPECT_EQ(PropertyValue::Convert("11", "-1")->AsBoolean(), true);
  EXPECT_EQ(PropertyValue::Convert("11", "0")->AsBoolean(), false);
  EXPECT_EQ(PropertyValue::Convert("11", "fALSE")->AsBoolean(), false);
  EXPECT_EQ(PropertyValue::Convert("11", "True")->AsInteger(), -1);
  EXPECT_FALSE(PropertyValue::Convert("11", "yes").has_value());
  EXPECT_EQ(PropertyValue::Convert("3", "44")->AsInteger(), 44);
  EXPECT_EQ(PropertyValue::Convert("2", "2.5")->AsInteger(), 2);  // half to even
  EXPECT_EQ(PropertyValue::Convert("2", "3.5")->AsInteger(), 4);
  EXPECT_FALSE(PropertyValue::Convert("2", "40000").has_value());
  EXPECT_FALSE(PropertyValue::Convert("17", "256").has_value());
  EXPECT_FALSE(PropertyValue::Convert("3", "").has_value());
  EXPECT_EQ(PropertyValue::Convert("5", "0.5")->AsString(), "0.5");
  EXPECT_EQ(PropertyValue::Convert("8", " a b ")->AsString(), " a b ");
  EXPECT_EQ(PropertyValue::Convert("8", "-1")->AsBoolean(), true);
  EXPECT_EQ(PropertyValue::Convert("99", "whatever")->AsInteger(), 0);
}

TEST(TextCTextPropertiesTest, ReadsEveryProperty) {
  CTextProperties properties;
  properties.SetPropertiesXML(testing::PropertiesXml("/tmp/x.txt", {{"LaunchApplication", {11, "-1"}},
                                                                    {"DisplayAnnotations", {11, "0"}},
                                                                    {"UseVariableLabels", {11, "0"}},
                                                                    {"Interactive", {11, "-1"}},
                                                                    {"OverwriteOutput", {11, "0"}}}));
  EXPECT_EQ(properties.Destination(), "/tmp/x.txt");
  EXPECT_TRUE(properties.LaunchApplication());
  EXPECT_FALSE(properties.DisplayAnnotations());
  EXPECT_TRUE(properties.UseElementLabels());
  EXPECT_FALSE(properties.UseVariableLabels());
  EXPECT_TRUE(properties.Interactive());
  EXPECT_FALSE(properties.OverwriteOutput());
  EXPECT_EQ(properties.FieldDelimiter(), "\t");
  EXPECT_EQ(properties.TableDelimiter(), "\f");
}

TEST(TextCTextPropertiesTest, DelimitersAreTheCharactersOfTheirCodes) {
  CTextProperties properties;
  properties.SetPropertiesXML(
      testing::PropertiesXml("x", {{"FieldDelimiter", {3, "8226"}}, {"TableDelimiter", {2, "233"}}}));
  EXPECT_EQ(properties.FieldDelimiter(), "\xE2\x80\xA2");  // U+2022
  EXPECT_EQ(properties.TableDelimiter(), "\xC3\xA9");      // U+00E9
  properties.SetPropertiesXML(testing::PropertiesXml("x", {{"FieldDelimiter", {3, "65535"}}}));
  EXPECT_EQ(properties.FieldDelimiter(), "\xEF\xBF\xBF");
}

TEST(TextCTextPropertiesTest, ReParseReadsTheDocumentAgain) {
  CTextProperties properties;
  EXPECT_THROW(properties.ReParse(), ScriptError);
  properties.SetPropertiesXML(testing::PropertiesXml("a.txt"));
  properties.ReParse();
  EXPECT_EQ(properties.Destination(), "a.txt");
}

}  // namespace
}  // namespace tabulo::text
