#include "platform/variant.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "platform/locales.h"

namespace tabulo::platform {

Variant Variant::Null() { return Variant(VarType::Null, std::monostate{}); }
Variant Variant::FromI2(std::int16_t value) { return Variant(VarType::I2, value); }
Variant Variant::FromI4(std::int32_t value) { return Variant(VarType::I4, value); }
Variant Variant::FromR4(float value) { return Variant(VarType::R4, value); }
Variant Variant::FromR8(double value) { return Variant(VarType::R8, value); }
Variant Variant::FromBool(bool value) {
  return Variant(VarType::Bool, static_cast<std::int16_t>(value ? -1 : 0));
}
Variant Variant::FromString(std::string value) { return Variant(VarType::Bstr, std::move(value)); }
Variant Variant::FromUI1(std::uint8_t value) { return Variant(VarType::UI1, value); }

std::int16_t Variant::i2() const {
  assert(type_ == VarType::I2);
  return std::get<std::int16_t>(value_);
}
std::int32_t Variant::i4() const {
  assert(type_ == VarType::I4);
  return std::get<std::int32_t>(value_);
}
float Variant::r4() const {
  assert(type_ == VarType::R4);
  return std::get<float>(value_);
}
double Variant::r8() const {
  assert(type_ == VarType::R8);
  return std::get<double>(value_);
}
bool Variant::boolean() const {
  assert(type_ == VarType::Bool);
  return std::get<std::int16_t>(value_) != 0;
}
const std::string& Variant::string() const {
  assert(type_ == VarType::Bstr);
  return std::get<std::string>(value_);
}
std::uint8_t Variant::ui1() const {
  assert(type_ == VarType::UI1);
  return std::get<std::uint8_t>(value_);
}

namespace {

// Property values are always read and written in US English.
const NumberFormat& EnglishNumbers() {
  static const NumberFormat format = LocaleNumberFormat(1033).value();
  return format;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// ---- numbers as values --------------------------------------------------

// A source value on its way to a number: exact integers (I2, I4, UI1, Bool,
// Empty), binary floating point (R4, R8) or decimal text (Bstr).
using Numeric = std::variant<std::int64_t, double, DecimalNumber>;

std::optional<Numeric> ToNumeric(const Variant& in) {
  switch (in.type()) {
    case VarType::Empty:
      return Numeric(std::int64_t{0});
    case VarType::I2:
      return Numeric(std::int64_t{in.i2()});
    case VarType::I4:
      return Numeric(std::int64_t{in.i4()});
    case VarType::UI1:
      return Numeric(std::int64_t{in.ui1()});
    case VarType::Bool:
      return Numeric(std::int64_t{in.boolean() ? -1 : 0});
    case VarType::R4:
      return Numeric(double{in.r4()});
    case VarType::R8:
      return Numeric(in.r8());
    case VarType::Bstr: {
      std::optional<DecimalNumber> number = ParseDecimalNumber(in.string(), EnglishNumbers());
      if (!number) return std::nullopt;
      return Numeric(std::move(*number));
    }
    default:
      return std::nullopt;
  }
}

// Rounds half to even, as the platform rounds every conversion to an integer.
double RoundHalfEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

// Rounds decimal digits half to even, exactly. std::nullopt when the value
// is far beyond every integer type in use.
std::optional<std::int64_t> RoundHalfEven(const DecimalNumber& number) {
  if (number.IsZero()) return 0;
  const std::string& digits = number.digits;
  const std::int64_t integer_length = static_cast<std::int64_t>(digits.size()) + number.exponent;
  if (integer_length > 18) return std::nullopt;
  std::int64_t integer = 0;
  for (std::int64_t i = 0; i < integer_length; ++i) {
    const auto index = static_cast<std::size_t>(i);
    integer = integer * 10 + (index < digits.size() ? digits[index] - '0' : 0);
  }
  if (integer_length >= 0 && static_cast<std::size_t>(integer_length) < digits.size()) {
    const auto first = static_cast<std::size_t>(integer_length);
    const char first_fraction = digits[first];
    // Digits carry no trailing zeros, so any digit after the first is non-zero.
    const bool more_after = digits.size() > first + 1;
    const bool round_up = first_fraction > '5' || (first_fraction == '5' && (more_after || integer % 2 != 0));
    if (round_up) ++integer;
  }
  return number.negative ? -integer : integer;
}

HRESULT ToInteger(const Numeric& value, std::int64_t min, std::int64_t max, std::int64_t& out) {
  std::int64_t result = 0;
  if (const auto* exact = std::get_if<std::int64_t>(&value)) {
    result = *exact;
  } else if (const auto* binary = std::get_if<double>(&value)) {
    const double rounded = RoundHalfEven(*binary);
    if (!(rounded >= static_cast<double>(min) && rounded <= static_cast<double>(max))) return DISP_E_OVERFLOW;
    result = static_cast<std::int64_t>(rounded);
  } else {
    std::optional<std::int64_t> rounded = RoundHalfEven(std::get<DecimalNumber>(value));
    if (!rounded) return DISP_E_OVERFLOW;
    result = *rounded;
  }
  if (result < min || result > max) return DISP_E_OVERFLOW;
  out = result;
  return S_OK;
}

template <typename Integer>
HRESULT ToIntegerVariant(const Numeric& value, Variant (*make)(Integer), Variant& out) {
  std::int64_t result = 0;
  const HRESULT hr =
      ToInteger(value, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), result);
  if (Failed(hr)) return hr;
  out = make(static_cast<Integer>(result));
  return S_OK;
}

HRESULT ToDouble(const Numeric& value, double& out) {
  if (const auto* exact = std::get_if<std::int64_t>(&value)) {
    out = static_cast<double>(*exact);
    return S_OK;
  }
  if (const auto* binary = std::get_if<double>(&value)) {
    out = *binary;
    return S_OK;
  }
  return DecimalToDouble(std::get<DecimalNumber>(value), out);
}

HRESULT ToFloat(const Numeric& value, float& out) {
  if (const auto* decimal = std::get_if<DecimalNumber>(&value)) return DecimalToFloat(*decimal, out);
  double wide = 0;
  ToDouble(value, wide);
  constexpr double kMax = std::numeric_limits<float>::max();
  if (wide < -kMax || wide > kMax) return DISP_E_OVERFLOW;
  out = static_cast<float>(wide);
  return S_OK;
}

bool IsNonZero(const Numeric& value) {
  if (const auto* exact = std::get_if<std::int64_t>(&value)) return *exact != 0;
  if (const auto* binary = std::get_if<double>(&value)) return *binary != 0.0;
  return !std::get<DecimalNumber>(value).IsZero();
}

// ---- numbers as text ----------------------------------------------------

// Writes a floating-point value with the fewest significant digits that read
// back to the same value, in the layout of printf's %G with `precision`
// digits: fixed notation unless the decimal exponent is below -4 or at least
// `precision`, then "d.dddE+XX".
template <typename Floating>
std::string FormatFloating(Floating value, int precision) {
  if (std::isnan(value)) return "1.#QNAN";
  if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
  if (value == 0) return "0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view shortest(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = shortest.find('e');
  std::string digits;
  for (char c : shortest.substr(0, e)) {
    if (c >= '0' && c <= '9') digits.push_back(c);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string_view exponent_text = shortest.substr(e + 1);
  if (exponent_text.starts_with('+')) exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);

  std::string text = value < 0 ? "-" : "";
  if (exponent < -4 || exponent >= precision) {
    text += digits.substr(0, 1);
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent >= 0) {
    const auto integer_length = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integer_length) {
      text += digits + std::string(integer_length - digits.size(), '0');
    } else {
      text += digits.substr(0, integer_length) + "." + digits.substr(integer_length);
    }
  } else {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}

std::optional<std::string> ToText(const Variant& in) {
  switch (in.type()) {
    case VarType::Empty:
      return std::string();
    case VarType::I2:
      return std::to_string(in.i2());
    case VarType::I4:
      return std::to_string(in.i4());
    case VarType::UI1:
      return std::to_string(in.ui1());
    case VarType::Bool:
      return std::string(in.boolean() ? "-1" : "0");
    case VarType::R4:
      return FormatFloating(in.r4(), 7);
    case VarType::R8:
      return FormatFloating(in.r8(), 15);
    case VarType::Bstr:
      return in.string();
    default:
      return std::nullopt;
  }
}

// ---- Booleans -----------------------------------------------------------

HRESULT ToBoolean(const Variant& in, bool& out) {
  if (in.type() == VarType::Bstr) {
    const std::string_view text = TrimBlanks(in.string());
    if (EqualsIgnoringAsciiCase(text, "true")) {
      out = true;
      return S_OK;
    }
    if (EqualsIgnoringAsciiCase(text, "false")) {
      out = false;
      return S_OK;
    }
  }
  const std::optional<Numeric> number = ToNumeric(in);
  if (!number) return DISP_E_TYPEMISMATCH;
  out = IsNonZero(*number);
  return S_OK;
}

bool IsSupportedTarget(VarType to) {
  switch (to) {
    case VarType::Empty:
    case VarType::I2:
    case VarType::I4:
    case VarType::R4:
    case VarType::R8:
    case VarType::Bstr:
    case VarType::Bool:
    case VarType::UI1:
      return true;
    default:
      return false;
  }
}

HRESULT ChangeNumericType(const Variant& in, VarType to, Variant& out) {
  const std::optional<Numeric> number = ToNumeric(in);
  if (!number) return DISP_E_TYPEMISMATCH;
  switch (to) {
    case VarType::I2:
      return ToIntegerVariant<std::int16_t>(*number, &Variant::FromI2, out);
    case VarType::I4:
      return ToIntegerVariant<std::int32_t>(*number, &Variant::FromI4, out);
    case VarType::UI1: {
      // A true Boolean is -1, which the platform stores in a byte as 255.
      if (in.type() == VarType::Bool) {
        out = Variant::FromUI1(in.boolean() ? std::uint8_t{255} : std::uint8_t{0});
        return S_OK;
      }
      return ToIntegerVariant<std::uint8_t>(*number, &Variant::FromUI1, out);
    }
    case VarType::R4: {
      float value = 0;
      const HRESULT hr = ToFloat(*number, value);
      if (Succeeded(hr)) out = Variant::FromR4(value);
      return hr;
    }
    case VarType::R8: {
      double value = 0;
      const HRESULT hr = ToDouble(*number, value);
      if (Succeeded(hr)) out = Variant::FromR8(value);
      return hr;
    }
    default:
      return DISP_E_BADVARTYPE;
  }
}

}  // namespace

HRESULT ChangeType(const Variant& in, VarType to, Variant& out) {
  if (in.type() == to) {
    out = in;
    return S_OK;
  }
  if (!IsSupportedTarget(to)) return DISP_E_BADVARTYPE;
  if (to == VarType::Empty) {
    out = Variant();
    return S_OK;
  }
  if (in.type() == VarType::Null) return DISP_E_TYPEMISMATCH;
  if (to == VarType::Bstr) {
    std::optional<std::string> text = ToText(in);
    if (!text) return DISP_E_TYPEMISMATCH;
    out = Variant::FromString(std::move(*text));
    return S_OK;
  }
  if (to == VarType::Bool) {
    bool value = false;
    const HRESULT hr = ToBoolean(in, value);
    if (Succeeded(hr)) out = Variant::FromBool(value);
    return hr;
  }
  return ChangeNumericType(in, to, out);
}

std::optional<VarType> VarTypeFromCode(std::int32_t code) {
  switch (code) {
    case 0:
      return VarType::Empty;
    case 1:
      return VarType::Null;
    case 2:
      return VarType::I2;
    case 3:
      return VarType::I4;
    case 4:
      return VarType::R4;
    case 5:
      return VarType::R8;
    case 6:
      return VarType::Cy;
    case 7:
      return VarType::Date;
    case 8:
      return VarType::Bstr;
    case 11:
      return VarType::Bool;
    case 17:
      return VarType::UI1;
    default:
      return std::nullopt;
  }
}

}  // namespace tabulo::platform
