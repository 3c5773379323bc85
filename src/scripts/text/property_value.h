#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tabulo::text {

// A property value converted by its variant type number (2 16-bit integer,
// 3 32-bit integer, 4 single, 5 double, 6 currency, 7 date, 8 string,
// 11 boolean, 17 byte; any other type reads as 0), with the conversions of
// the US English locale that the properties XML is written in.
class PropertyValue {
 public:
  // nullopt when the text does not convert to the type (or overflows it).
  static std::optional<PropertyValue> Convert(std::string_view type, std::string_view text);

  // Each is nullopt when the value does not convert ("abc" as a boolean).
  std::optional<bool> AsBoolean() const;
  std::optional<std::int64_t> AsInteger() const;
  std::string AsString() const;

 private:
  using Held = std::variant<std::int64_t, double, bool, std::string>;
  explicit PropertyValue(Held held) : held_(std::move(held)) {}

  Held held_;
};

// "True"/"False" in any letter case, or a number (non-zero is true).
std::optional<bool> ParseBoolean(std::string_view text);
// A decimal number, rounded half to even as the platform rounds to integers.
std::optional<std::int64_t> ParseRoundedInteger(std::string_view text);

}  // namespace tabulo::text
