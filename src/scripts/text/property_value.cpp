#include "scripts/text/property_value.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tabulo::text {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != word[i]) return false;
  }
  return true;
}

std::optional<double> ParseNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int64_t> RoundToInteger(double value) {
  double rounded = std::nearbyint(value);  // the default rounding mode is half to even
  if (!(rounded >= -9.2e18 && rounded <= 9.2e18)) return std::nullopt;
  return static_cast<std::int64_t>(rounded);
}

std::optional<std::int64_t> InRange(std::optional<std::int64_t> value, std::int64_t low, std::int64_t high) {
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

template <typename Integer>
constexpr std::int64_t Low() {
  return std::numeric_limits<Integer>::min();
}
template <typename Integer>
constexpr std::int64_t High() {
  return std::numeric_limits<Integer>::max();
}

}  // namespace

std::optional<bool> ParseBoolean(std::string_view text) {
  std::string_view trimmed = TrimBlanks(text);
  if (EqualsIgnoringCase(trimmed, "true")) return true;
  if (EqualsIgnoringCase(trimmed, "false")) return false;
  std::optional<double> number = ParseNumber(trimmed);
  if (!number) return std::nullopt;
  return *number != 0;
}

std::optional<std::int64_t> ParseRoundedInteger(std::string_view text) {
  std::optional<double> number = ParseNumber(text);
  if (!number) return std::nullopt;
  return RoundToInteger(*number);
}

std::optional<PropertyValue> PropertyValue::Convert(std::string_view type, std::string_view text) {
  std::optional<std::int64_t> code = ParseRoundedInteger(type);
  switch (code.value_or(0)) {
    case 2:
      if (auto value = InRange(ParseRoundedInteger(text), Low<std::int16_t>(), High<std::int16_t>()))
        return PropertyValue(*value);
      return std::nullopt;
    case 3:
      if (auto value = InRange(ParseRoundedInteger(text), Low<std::int32_t>(), High<std::int32_t>()))
        return PropertyValue(*value);
      return std::nullopt;
    case 17:
      if (auto value = InRange(ParseRoundedInteger(text), 0, 255)) return PropertyValue(*value);
      return std::nullopt;
    case 4:
    case 5:
    case 6:
      if (auto value = ParseNumber(text)) return PropertyValue(*value);
      return std::nullopt;
    case 7:
    case 8:
      return PropertyValue(std::string(text));
    case 11:
      if (auto value = ParseBoolean(text)) return PropertyValue(*value);
      return std::nullopt;
    default:
      return PropertyValue(std::int64_t{0});
  }
}

std::optional<bool> PropertyValue::AsBoolean() const {
  if (const auto* flag = std::get_if<bool>(&held_)) return *flag;
  if (const auto* integer = std::get_if<std::int64_t>(&held_)) return *integer != 0;
  if (const auto* number = std::get_if<double>(&held_)) return *number != 0;
  return ParseBoolean(std::get<std::string>(held_));
}

std::optional<std::int64_t> PropertyValue::AsInteger() const {
  if (const auto* flag = std::get_if<bool>(&held_)) return *flag ? -1 : 0;
  if (const auto* integer = std::get_if<std::int64_t>(&held_)) return *integer;
  if (const auto* number = std::get_if<double>(&held_)) return RoundToInteger(*number);
  return ParseRoundedInteger(std::get<std::string>(held_));
}

std::string PropertyValue::AsString() const {
  if (const auto* flag = std::get_if<bool>(&held_)) return *flag ? "True" : "False";
  if (const auto* integer = std::get_if<std::int64_t>(&held_)) return std::to_string(*integer);
  if (const auto* number = std::get_if<double>(&held_)) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, *number);
    return error == std::errc() ? std::string(buffer, end) : std::string();
  }
  return std::get<std::string>(held_);
}

}  // namespace tabulo::text
