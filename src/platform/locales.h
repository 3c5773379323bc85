#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/hresult.h"

namespace tabulo::platform {

// The separators a Windows locale writes numbers with, in UTF-8.
struct NumberFormat {
  std::string decimal;
  std::string grouping;

  friend bool operator==(const NumberFormat&, const NumberFormat&) = default;
};

// The separators of a Windows locale id. The default locales (0 neutral,
// 1024 user, 2048 system) read as 1033 unless the environment variable
// TABULO_DEFAULT_LCID holds another known decimal id. Sort-order bits
// (16-19) do not change the separators. Unknown ids yield std::nullopt.
std::optional<NumberFormat> LocaleNumberFormat(std::uint32_t lcid);

// A number as written: sign, significant digits and a power of ten. Keeping
// the decimal digits lets integer conversions round exactly instead of
// through a double.
struct DecimalNumber {
  bool negative = false;
  std::string digits;         // no leading or trailing zeros; empty for zero
  std::int64_t exponent = 0;  // value = digits x 10^exponent

  bool IsZero() const { return digits.empty(); }
};

// The number grammar shared by every text-to-number conversion: blanks
// around, an optional sign, digits with optional grouping separators
// between digits, an optional fraction after the decimal separator (digits
// before or after it), an optional exponent ("1e3", "2.5E-2"), nothing else.
// A grouping separator that is a space also matches U+00A0 and U+202F; an
// apostrophe also matches U+2019.
std::optional<DecimalNumber> ParseDecimalNumber(std::string_view text, const NumberFormat& format);

// The nearest double (or float) of a parsed number. DISP_E_OVERFLOW when its
// magnitude is beyond the type's range; numbers too small become zero.
HRESULT DecimalToDouble(const DecimalNumber& number, double& out);
HRESULT DecimalToFloat(const DecimalNumber& number, float& out);

// Parses text as a double with the separators of a locale. E_INVALIDARG for
// an unknown locale, DISP_E_TYPEMISMATCH for text that is not a number,
// DISP_E_OVERFLOW beyond the range of a double. `out` is set only on success.
HRESULT ParseLocaleDouble(std::string_view text, std::uint32_t lcid, double& out);

}  // namespace tabulo::platform
