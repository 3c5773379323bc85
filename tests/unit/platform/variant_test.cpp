#include "platform/variant.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tabulo::platform {
namespace {

// Converts and expects success; the returned value is Empty otherwise so that
// the comparison that follows fails too.
Variant Converted(const Variant& in, VarType to) {
  Variant out;
  EXPECT_EQ(ChangeType(in, to, out), S_OK) << "to type " << static_cast<int>(to);
  return out;
}

HRESULT ConversionResult(const Variant& in, VarType to) {
  Variant out;
  return ChangeType(in, to, out);
}

Variant Text(const char* text) { return Variant::FromString(text); }

std::string AsText(const Variant& in) { return Converted(in, VarType::Bstr).string(); }

TEST(VariantTest, EqualityComparesTypeAndValue) {
  EXPECT_EQ(Variant::FromI4(3), Variant::FromI4(3));
  EXPECT_NE(Variant::FromI4(3), Variant::FromI4(4));
  EXPECT_NE(Variant::FromI2(-1), Variant::FromBool(true));
  EXPECT_NE(Variant(), Variant::Null());
}

TEST(VariantTest, TrueIsStoredAsMinusOne) {
  EXPECT_EQ(Converted(Variant::FromBool(true), VarType::I2), Variant::FromI2(-1));
  EXPECT_EQ(Converted(Variant::FromBool(false), VarType::I2), Variant::FromI2(0));
}

TEST(ChangeTypeTextToNumberTest, AcceptsBlanksSignGroupingFractionAndExponent) {
  EXPECT_EQ(Converted(Text("  42\t"), VarType::I4), Variant::FromI4(42));
  EXPECT_EQ(Converted(Text("-17"), VarType::I4), Variant::FromI4(-17));
  EXPECT_EQ(Converted(Text("+5"), VarType::I2), Variant::FromI2(5));
  EXPECT_EQ(Converted(Text("1,234"), VarType::I4), Variant::FromI4(1234));
  EXPECT_EQ(Converted(Text("1,234,567"), VarType::I4), Variant::FromI4(1234567));
  EXPECT_EQ(Converted(Text("1e3"), VarType::I4), Variant::FromI4(1000));
  EXPECT_EQ(Converted(Text("2.5E-1"), VarType::R8), Variant::FromR8(0.25));
  EXPECT_EQ(Converted(Text("1.5e+2"), VarType::R8), Variant::FromR8(150.0));
  EXPECT_EQ(Converted(Text(".5"), VarType::R8), Variant::FromR8(0.5));
  EXPECT_EQ(Converted(Text("5."), VarType::I4), Variant::FromI4(5));
  EXPECT_EQ(Converted(Text("0.1"), VarType::R8), Variant::FromR8(0.1));
  EXPECT_EQ(Converted(Text("007"), VarType::UI1), Variant::FromUI1(7));
  EXPECT_EQ(Converted(Text("0.25"), VarType::R4), Variant::FromR4(0.25f));
}

TEST(ChangeTypeTextToNumberTest, RejectsAnythingElse) {
  for (const char* text :
       {"12abc", "",      "  ", "abc", "1,",    ",1",   "1,,000", "1.2.3", "1e", "e5",    "--1",
        "+-1",   "1 000", ".",  "-",   "1.5,0", "&H10", "(5)",    "$5",    "5-", "1e2.5", "- 1"}) {
    EXPECT_EQ(ConversionResult(Text(text), VarType::I4), DISP_E_TYPEMISMATCH) << '"' << text << '"';
    EXPECT_EQ(ConversionResult(Text(text), VarType::R8), DISP_E_TYPEMISMATCH) << '"' << text << '"';
  }
}

TEST(ChangeTypeTextToNumberTest, RoundsHalfToEven) {
  EXPECT_EQ(Converted(Text("2.5"), VarType::I4), Variant::FromI4(2));
  EXPECT_EQ(Converted(Text("3.5"), VarType::I4), Variant::FromI4(4));
  EXPECT_EQ(Converted(Text("-2.5"), VarType::I4), Variant::FromI4(-2));
  EXPECT_EQ(Converted(Text("-3.5"), VarType::I2), Variant::FromI2(-4));
  EXPECT_EQ(Converted(Text("0.5"), VarType::I4), Variant::FromI4(0));
  EXPECT_EQ(Converted(Text("2.51"), VarType::I4), Variant::FromI4(3));
  EXPECT_EQ(Converted(Text("2.49"), VarType::I4), Variant::FromI4(2));
  EXPECT_EQ(Converted(Text("25e-1"), VarType::I4), Variant::FromI4(2));
  EXPECT_EQ(Converted(Text("1,234,567.5"), VarType::I4), Variant::FromI4(1234568));
  EXPECT_EQ(Converted(Text("0.04"), VarType::I4), Variant::FromI4(0));
}

TEST(ChangeTypeTextToNumberTest, RoundsOnTheWrittenDigitsNotOnADouble) {
  // As a double this text is exactly 2.5, which would round down to 2.
  EXPECT_EQ(Converted(Text("2.50000000000000000001"), VarType::I4), Variant::FromI4(3));
}

TEST(ChangeTypeTextToNumberTest, ReportsOverflowBeyondTheTargetRange) {
  EXPECT_EQ(ConversionResult(Text("40000"), VarType::I2), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Text("-32769"), VarType::I2), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Text("32767.5"), VarType::I2), DISP_E_OVERFLOW);
  EXPECT_EQ(Converted(Text("32767"), VarType::I2), Variant::FromI2(32767));
  EXPECT_EQ(Converted(Text("-32768.5"), VarType::I2), Variant::FromI2(-32768));
  EXPECT_EQ(ConversionResult(Text("2147483648"), VarType::I4), DISP_E_OVERFLOW);
  EXPECT_EQ(Converted(Text("-2147483648"), VarType::I4), Variant::FromI4(-2147483647 - 1));
  EXPECT_EQ(ConversionResult(Text("99999999999999999999999"), VarType::I4), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Text("1e999999999999"), VarType::I4), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Text("256"), VarType::UI1), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Text("-1"), VarType::UI1), DISP_E_OVERFLOW);
  EXPECT_EQ(Converted(Text("255"), VarType::UI1), Variant::FromUI1(255));
  EXPECT_EQ(Converted(Text("-0.5"), VarType::UI1), Variant::FromUI1(0));
  EXPECT_EQ(ConversionResult(Text("1e400"), VarType::R8), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Text("-1e39"), VarType::R4), DISP_E_OVERFLOW);
}

TEST(ChangeTypeTextToNumberTest, TinyValuesBecomeZero) {
  EXPECT_EQ(Converted(Text("1e-400"), VarType::R8), Variant::FromR8(0.0));
  EXPECT_EQ(Converted(Text("1e-999999999999"), VarType::R4), Variant::FromR4(0.0f));
}

TEST(ChangeTypeTextToBoolTest, ReadsTrueAndFalseInAnyCase) {
  for (const char* text : {"True", "TRUE", "true", " tRuE "}) {
    EXPECT_EQ(Converted(Text(text), VarType::Bool), Variant::FromBool(true)) << text;
  }
  for (const char* text : {"False", "FALSE", "\tfalse  "}) {
    EXPECT_EQ(Converted(Text(text), VarType::Bool), Variant::FromBool(false)) << text;
  }
}

TEST(ChangeTypeTextToBoolTest, ReadsNumbersAsNonZeroIsTrue) {
  for (const char* text : {"-1", "1", "2.5", "0.001", "1,000"}) {
    EXPECT_EQ(Converted(Text(text), VarType::Bool), Variant::FromBool(true)) << text;
  }
  for (const char* text : {"0", "-0", "0.000", "0e5"}) {
    EXPECT_EQ(Converted(Text(text), VarType::Bool), Variant::FromBool(false)) << text;
  }
}

TEST(ChangeTypeTextToBoolTest, RejectsOtherWords) {
  for (const char* text : {"abc", "yes", "", "truex", "T", "on"}) {
    EXPECT_EQ(ConversionResult(Text(text), VarType::Bool), DISP_E_TYPEMISMATCH) << '"' << text << '"';
  }
}

TEST(ChangeTypeToTextTest, WritesBooleansAsMinusOneAndZero) {
  EXPECT_EQ(AsText(Variant::FromBool(true)), "-1");
  EXPECT_EQ(AsText(Variant::FromBool(false)), "0");
}

TEST(ChangeTypeToTextTest, WritesIntegersPlainWithoutGrouping) {
  EXPECT_EQ(AsText(Variant::FromI4(1234567)), "1234567");
  EXPECT_EQ(AsText(Variant::FromI4(-5)), "-5");
  EXPECT_EQ(AsText(Variant::FromI2(-32768)), "-32768");
  EXPECT_EQ(AsText(Variant::FromUI1(255)), "255");
}

TEST(ChangeTypeToTextTest, WritesDoublesWithTheShortestExactDigits) {
  EXPECT_EQ(AsText(Variant::FromR8(0.125)), "0.125");
  EXPECT_EQ(AsText(Variant::FromR8(12.5)), "12.5");
  EXPECT_EQ(AsText(Variant::FromR8(-12.5)), "-12.5");
  EXPECT_EQ(AsText(Variant::FromR8(100.0)), "100");
  EXPECT_EQ(AsText(Variant::FromR8(0.0)), "0");
  EXPECT_EQ(AsText(Variant::FromR8(-0.0)), "0");
  EXPECT_EQ(AsText(Variant::FromR8(0.1 + 0.2)), "0.30000000000000004");
  EXPECT_EQ(AsText(Variant::FromR8(0.0001)), "0.0001");
  EXPECT_EQ(AsText(Variant::FromR8(123456789012345.0)), "123456789012345");
}

TEST(ChangeTypeToTextTest, SwitchesToExponentLikeThePlatform) {
  EXPECT_EQ(AsText(Variant::FromR8(1e20)), "1E+20");
  EXPECT_EQ(AsText(Variant::FromR8(1e15)), "1E+15");
  EXPECT_EQ(AsText(Variant::FromR8(1.5e300)), "1.5E+300");
  EXPECT_EQ(AsText(Variant::FromR8(0.00001)), "1E-05");
  EXPECT_EQ(AsText(Variant::FromR8(-2.5e-7)), "-2.5E-07");
}

TEST(ChangeTypeToTextTest, WritesFloatsWithFloatDigits) {
  EXPECT_EQ(AsText(Variant::FromR4(0.1f)), "0.1");
  EXPECT_EQ(AsText(Variant::FromR4(1234567.0f)), "1234567");
  EXPECT_EQ(AsText(Variant::FromR4(1e7f)), "1E+07");
}

TEST(ChangeTypeToTextTest, DoublesReadBackToTheSameValue) {
  for (double value : {0.1, 1.0 / 3.0, 1e-300, 123.456, -987654.321, 5e-324, 1.7976931348623157e308}) {
    const Variant text = Converted(Variant::FromR8(value), VarType::Bstr);
    EXPECT_EQ(Converted(text, VarType::R8), Variant::FromR8(value)) << text.string();
  }
}

TEST(ChangeTypeBetweenNumbersTest, RoundsHalfToEvenAndChecksRange) {
  EXPECT_EQ(Converted(Variant::FromR8(2.5), VarType::I4), Variant::FromI4(2));
  EXPECT_EQ(Converted(Variant::FromR8(3.5), VarType::I4), Variant::FromI4(4));
  EXPECT_EQ(Converted(Variant::FromR8(-2.5), VarType::I2), Variant::FromI2(-2));
  EXPECT_EQ(Converted(Variant::FromR4(1.5f), VarType::UI1), Variant::FromUI1(2));
  EXPECT_EQ(ConversionResult(Variant::FromR8(1e10), VarType::I4), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Variant::FromR8(std::nan("")), VarType::I4), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Variant::FromI4(40000), VarType::I2), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Variant::FromI4(-1), VarType::UI1), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Variant::FromI2(300), VarType::UI1), DISP_E_OVERFLOW);
  EXPECT_EQ(Converted(Variant::FromI4(255), VarType::UI1), Variant::FromUI1(255));
  EXPECT_EQ(Converted(Variant::FromI2(-3), VarType::R8), Variant::FromR8(-3.0));
  EXPECT_EQ(Converted(Variant::FromR8(0.5), VarType::R4), Variant::FromR4(0.5f));
  EXPECT_EQ(ConversionResult(Variant::FromR8(1e39), VarType::R4), DISP_E_OVERFLOW);
  EXPECT_EQ(ConversionResult(Variant::FromR8(std::numeric_limits<double>::infinity()), VarType::R4),
            DISP_E_OVERFLOW);
}

TEST(ChangeTypeBetweenNumbersTest, BooleansAreMinusOneAndZero) {
  EXPECT_EQ(Converted(Variant::FromBool(true), VarType::I4), Variant::FromI4(-1));
  EXPECT_EQ(Converted(Variant::FromBool(true), VarType::R8), Variant::FromR8(-1.0));
  EXPECT_EQ(Converted(Variant::FromBool(false), VarType::R4), Variant::FromR4(0.0f));
  // -1 held in a byte.
  EXPECT_EQ(Converted(Variant::FromBool(true), VarType::UI1), Variant::FromUI1(255));
  EXPECT_EQ(Converted(Variant::FromBool(false), VarType::UI1), Variant::FromUI1(0));
}

TEST(ChangeTypeBetweenNumbersTest, NonZeroIsTrue) {
  EXPECT_EQ(Converted(Variant::FromI4(2), VarType::Bool), Variant::FromBool(true));
  EXPECT_EQ(Converted(Variant::FromR8(-0.1), VarType::Bool), Variant::FromBool(true));
  EXPECT_EQ(Converted(Variant::FromR8(0.0), VarType::Bool), Variant::FromBool(false));
  EXPECT_EQ(Converted(Variant::FromUI1(0), VarType::Bool), Variant::FromBool(false));
}

TEST(ChangeTypeEmptyAndNullTest, EmptyReadsAsZeroFalseAndEmptyText) {
  EXPECT_EQ(Converted(Variant(), VarType::I4), Variant::FromI4(0));
  EXPECT_EQ(Converted(Variant(), VarType::R8), Variant::FromR8(0.0));
  EXPECT_EQ(Converted(Variant(), VarType::Bool), Variant::FromBool(false));
  EXPECT_EQ(Converted(Variant(), VarType::Bstr), Variant::FromString(""));
}

TEST(ChangeTypeEmptyAndNullTest, AnythingBecomesEmpty) {
  EXPECT_EQ(Converted(Variant::FromI4(9), VarType::Empty), Variant());
  EXPECT_EQ(Converted(Variant::Null(), VarType::Empty), Variant());
}

TEST(ChangeTypeEmptyAndNullTest, NullConvertsOnlyToNullAndEmpty) {
  EXPECT_EQ(Converted(Variant::Null(), VarType::Null), Variant::Null());
  for (VarType to :
       {VarType::I2, VarType::I4, VarType::R4, VarType::R8, VarType::Bstr, VarType::Bool, VarType::UI1}) {
    EXPECT_EQ(ConversionResult(Variant::Null(), to), DISP_E_TYPEMISMATCH) << static_cast<int>(to);
  }
}

TEST(ChangeTypeTargetsTest, UnsupportedTargetsAreBadVariableTypes) {
  EXPECT_EQ(ConversionResult(Variant::FromI4(1), VarType::Cy), DISP_E_BADVARTYPE);
  EXPECT_EQ(ConversionResult(Text("1"), VarType::Date), DISP_E_BADVARTYPE);
  EXPECT_EQ(ConversionResult(Variant::FromI4(1), VarType::Null), DISP_E_BADVARTYPE);
  EXPECT_EQ(ConversionResult(Variant::FromI4(1), static_cast<VarType>(99)), DISP_E_BADVARTYPE);
}

TEST(ChangeTypeTargetsTest, SameTypeIsACopy) {
  EXPECT_EQ(Converted(Text(" not a number "), VarType::Bstr), Text(" not a number "));
  EXPECT_EQ(Converted(Variant::FromR8(std::numeric_limits<double>::max()), VarType::R8),
            Variant::FromR8(std::numeric_limits<double>::max()));
}

TEST(ChangeTypeTargetsTest, FailureLeavesTheOutputUntouched) {
  Variant out = Variant::FromI4(7);
  EXPECT_EQ(ChangeType(Text("abc"), VarType::I4, out), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(ChangeType(Text("40000"), VarType::I2, out), DISP_E_OVERFLOW);
  EXPECT_EQ(ChangeType(Text("1"), VarType::Cy, out), DISP_E_BADVARTYPE);
  EXPECT_EQ(ChangeType(Text("yes"), VarType::Bool, out), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(out, Variant::FromI4(7));
}

TEST(VarTypeFromCodeTest, MapsThePlatformCodes) {
  EXPECT_EQ(VarTypeFromCode(0), VarType::Empty);
  EXPECT_EQ(VarTypeFromCode(3), VarType::I4);
  EXPECT_EQ(VarTypeFromCode(5), VarType::R8);
  EXPECT_EQ(VarTypeFromCode(8), VarType::Bstr);
  EXPECT_EQ(VarTypeFromCode(11), VarType::Bool);
  EXPECT_EQ(VarTypeFromCode(17), VarType::UI1);
  for (int code : {-1, 9, 10, 12, 16, 18, 8200}) EXPECT_EQ(VarTypeFromCode(code), std::nullopt) << code;
}

}  // namespace
}  // namespace tabulo::platform
