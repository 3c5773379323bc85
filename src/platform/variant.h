#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "platform/hresult.h"

namespace tabulo::platform {

// Variant type codes keep the platform's numbers, as they are written in
// properties XML.
enum class VarType : std::uint16_t {
  Empty = 0,
  Null = 1,
  I2 = 2,
  I4 = 3,
  R4 = 4,
  R8 = 5,
  Cy = 6,
  Date = 7,
  Bstr = 8,
  Bool = 11,
  UI1 = 17
};

// A small self-describing value, as passed between components and their
// hosts. Strings are UTF-8.
class Variant {
 public:
  Variant() = default;  // Empty
  static Variant Null();
  static Variant FromI2(std::int16_t value);
  static Variant FromI4(std::int32_t value);
  static Variant FromR4(float value);
  static Variant FromR8(double value);
  static Variant FromBool(bool value);  // kept as the platform keeps it: -1 or 0
  static Variant FromString(std::string value);
  static Variant FromUI1(std::uint8_t value);

  VarType type() const { return type_; }

  // Each accessor requires the matching type(); a mismatch asserts in debug
  // builds and throws std::bad_variant_access otherwise.
  std::int16_t i2() const;
  std::int32_t i4() const;
  float r4() const;
  double r8() const;
  bool boolean() const;
  const std::string& string() const;
  std::uint8_t ui1() const;

  friend bool operator==(const Variant&, const Variant&) = default;

 private:
  // Bool shares the 16-bit alternative with I2, holding -1 or 0.
  using Storage =
      std::variant<std::monostate, std::int16_t, std::int32_t, float, double, std::string, std::uint8_t>;

  Variant(VarType type, Storage value) : type_(type), value_(std::move(value)) {}

  VarType type_ = VarType::Empty;
  Storage value_;
};

// Converts `in` to type `to` with the platform's conversion rules for locale
// 1033 (English, United States), user overrides ignored: booleans become
// "-1"/"0", "True"/"False" are read in any letter case, numbers never carry
// grouping separators, integers round half to even.
// Targets: Empty, I2, I4, R4, R8, Bstr, Bool, UI1; a value already of type
// `to` is copied. Null, Cy, Date or an unknown code as target:
// DISP_E_BADVARTYPE. DISP_E_TYPEMISMATCH for text that is not a number or
// Boolean and for Null input; DISP_E_OVERFLOW beyond the target's range.
// `out` is left untouched on failure.
HRESULT ChangeType(const Variant& in, VarType to, Variant& out);

// The variant type of a decimal type code as written in properties XML
// (3, 8, 11, ...); std::nullopt for a code that names no type above.
std::optional<VarType> VarTypeFromCode(std::int32_t code);

}  // namespace tabulo::platform
