#include "platform/locales.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace tabulo::platform {
namespace {

constexpr const char* kNoBreakSpace = "\xC2\xA0";
constexpr const char* kNarrowNoBreakSpace = "\xE2\x80\xAF";

// Sets TABULO_DEFAULT_LCID for one test and puts the old value back.
class DefaultLocaleVariable {
 public:
  explicit DefaultLocaleVariable(const char* value) {
    if (const char* old = std::getenv(kName)) saved_ = old;
    if (value) {
      setenv(kName, value, 1);
    } else {
      unsetenv(kName);
    }
  }
  ~DefaultLocaleVariable() {
    if (saved_) {
      setenv(kName, saved_->c_str(), 1);
    } else {
      unsetenv(kName);
    }
  }
  DefaultLocaleVariable(const DefaultLocaleVariable&) = delete;
  DefaultLocaleVariable& operator=(const DefaultLocaleVariable&) = delete;

 private:
  static constexpr const char* kName = "TABULO_DEFAULT_LCID";
  std::optional<std::string> saved_;
};

NumberFormat Format(std::string decimal, std::string grouping) {
  return {std::move(decimal), std::move(grouping)};
}

TEST(LocaleNumberFormatTest, KnowsTheSeparatorsOfCommonLocales) {
  const NumberFormat point_comma = Format(".", ",");
  const NumberFormat comma_point = Format(",", ".");
  const NumberFormat comma_space = Format(",", kNoBreakSpace);
  EXPECT_EQ(LocaleNumberFormat(1033), point_comma);       // en-US
  EXPECT_EQ(LocaleNumberFormat(2057), point_comma);       // en-GB
  EXPECT_EQ(LocaleNumberFormat(1041), point_comma);       // ja-JP
  EXPECT_EQ(LocaleNumberFormat(2052), point_comma);       // zh-CN
  EXPECT_EQ(LocaleNumberFormat(1031), comma_point);       // de-DE
  EXPECT_EQ(LocaleNumberFormat(1040), comma_point);       // it-IT
  EXPECT_EQ(LocaleNumberFormat(3082), comma_point);       // es-ES
  EXPECT_EQ(LocaleNumberFormat(1043), comma_point);       // nl-NL
  EXPECT_EQ(LocaleNumberFormat(1030), comma_point);       // da-DK
  EXPECT_EQ(LocaleNumberFormat(1046), comma_point);       // pt-BR
  EXPECT_EQ(LocaleNumberFormat(1036), comma_space);       // fr-FR
  EXPECT_EQ(LocaleNumberFormat(3084), comma_space);       // fr-CA
  EXPECT_EQ(LocaleNumberFormat(1053), comma_space);       // sv-SE
  EXPECT_EQ(LocaleNumberFormat(1044), comma_space);       // nb-NO
  EXPECT_EQ(LocaleNumberFormat(1035), comma_space);       // fi-FI
  EXPECT_EQ(LocaleNumberFormat(1045), comma_space);       // pl-PL
  EXPECT_EQ(LocaleNumberFormat(1049), comma_space);       // ru-RU
  EXPECT_EQ(LocaleNumberFormat(2070), comma_space);       // pt-PT
  EXPECT_EQ(LocaleNumberFormat(2055), Format(".", "'"));  // de-CH
}

TEST(LocaleNumberFormatTest, UnknownIdsHaveNoFormat) {
  EXPECT_EQ(LocaleNumberFormat(9999), std::nullopt);
  EXPECT_EQ(LocaleNumberFormat(1), std::nullopt);
  EXPECT_EQ(LocaleNumberFormat(0x00100409), std::nullopt);
}

TEST(LocaleNumberFormatTest, SortOrderBitsKeepTheSeparators) {
  EXPECT_EQ(LocaleNumberFormat(0x00010407), Format(",", "."));  // German, phone book sort
}

TEST(LocaleNumberFormatTest, DefaultLocalesReadAsUsEnglish) {
  DefaultLocaleVariable unset(nullptr);
  EXPECT_EQ(LocaleNumberFormat(2048), Format(".", ","));
  EXPECT_EQ(LocaleNumberFormat(1024), Format(".", ","));
  EXPECT_EQ(LocaleNumberFormat(0), Format(".", ","));
}

TEST(LocaleNumberFormatTest, EnvironmentChoosesTheDefaultLocale) {
  DefaultLocaleVariable german("1031");
  EXPECT_EQ(LocaleNumberFormat(2048), Format(",", "."));
  EXPECT_EQ(LocaleNumberFormat(1024), Format(",", "."));
  EXPECT_EQ(LocaleNumberFormat(1033), Format(".", ","));
}

TEST(LocaleNumberFormatTest, UnusableEnvironmentValuesFallBackToUsEnglish) {
  for (const char* value : {"", "de-DE", "1031x", "9999", "2048", "-1"}) {
    DefaultLocaleVariable variable(value);
    EXPECT_EQ(LocaleNumberFormat(2048), Format(".", ",")) << '"' << value << '"';
  }
}

TEST(ParseDecimalNumberTest, KeepsTheWrittenDigitsExactly) {
  const auto number = ParseDecimalNumber("00120.0500", Format(".", ","));
  ASSERT_TRUE(number);
  EXPECT_FALSE(number->negative);
  EXPECT_EQ(number->digits, "12005");
  EXPECT_EQ(number->exponent, -2);

  const auto scaled = ParseDecimalNumber("-3,000e-1", Format(".", ","));
  ASSERT_TRUE(scaled);
  EXPECT_TRUE(scaled->negative);
  EXPECT_EQ(scaled->digits, "3");
  EXPECT_EQ(scaled->exponent, 2);

  const auto zero = ParseDecimalNumber(" -0.000 ", Format(".", ","));
  ASSERT_TRUE(zero);
  EXPECT_TRUE(zero->IsZero());
}

TEST(ParseDecimalNumberTest, FloatRangeIsChecked) {
  float value = 0;
  EXPECT_EQ(DecimalToFloat(*ParseDecimalNumber("3.4028234e38", Format(".", ",")), value), S_OK);
  EXPECT_EQ(value, 3.4028234e38f);
  EXPECT_EQ(DecimalToFloat(*ParseDecimalNumber("3.5e38", Format(".", ",")), value), DISP_E_OVERFLOW);
}

double Parsed(const std::string& text, std::uint32_t lcid) {
  double value = -999.0;
  EXPECT_EQ(ParseLocaleDouble(text, lcid, value), S_OK) << '"' << text << "\" in " << lcid;
  return value;
}

TEST(ParseLocaleDoubleTest, UsesTheLocaleSeparators) {
  EXPECT_EQ(Parsed("12,5", 1031), 12.5);
  EXPECT_EQ(Parsed("1.234,5", 1031), 1234.5);
  EXPECT_EQ(Parsed("1.234.567", 1031), 1234567.0);
  EXPECT_EQ(Parsed(" -1,5e2 ", 1031), -150.0);
  EXPECT_EQ(Parsed("12.5", 1033), 12.5);
  EXPECT_EQ(Parsed("1,234.5", 1033), 1234.5);
  EXPECT_EQ(Parsed("1'234.5", 2055), 1234.5);
  EXPECT_EQ(Parsed("1\xE2\x80\x99"
                   "234.5",
                   2055),
            1234.5);
}

TEST(ParseLocaleDoubleTest, TheOtherLocalesSeparatorIsReadAsGrouping) {
  EXPECT_EQ(Parsed("12.5", 1031), 125.0);
  EXPECT_EQ(Parsed("12,5", 1033), 125.0);
}

TEST(ParseLocaleDoubleTest, AcceptsEverySpaceWhereTheLocaleGroupsWithASpace) {
  EXPECT_EQ(Parsed("1 234,5", 1036), 1234.5);
  EXPECT_EQ(Parsed(std::string("1") + kNoBreakSpace + "234,5", 1036), 1234.5);
  EXPECT_EQ(Parsed(std::string("1") + kNarrowNoBreakSpace + "234" + kNarrowNoBreakSpace + "567", 1049),
            1234567.0);
  EXPECT_EQ(Parsed("1 234 ", 1053), 1234.0);
}

TEST(ParseLocaleDoubleTest, FollowsTheDefaultLocale) {
  DefaultLocaleVariable french("1036");
  EXPECT_EQ(Parsed("2,75", 2048), 2.75);
}

TEST(ParseLocaleDoubleTest, ReportsFailuresAndLeavesTheOutputAlone) {
  double value = 7.0;
  EXPECT_EQ(ParseLocaleDouble("12,5", 9999, value), E_INVALIDARG);
  EXPECT_EQ(ParseLocaleDouble("abc", 1031, value), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(ParseLocaleDouble("", 1033, value), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(ParseLocaleDouble("12,5%", 1031, value), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(ParseLocaleDouble("1 234", 1033, value), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(ParseLocaleDouble("1,5,", 1031, value), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(ParseLocaleDouble("1e400", 1033, value), DISP_E_OVERFLOW);
  EXPECT_EQ(value, 7.0);
}

}  // namespace
}  // namespace tabulo::platform
