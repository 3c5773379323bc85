#include "tables/attribute_reading.h"

#include <limits>

#include "tables/tables_error.h"
#include "tables/vocabularies.h"

namespace tabulo::tables {
namespace {

// The insert length of message 2019: the original message buffer held 50
// characters per insert, terminator included.
constexpr std::size_t kInsertCharacters = 49;

constexpr bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
constexpr bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::optional<std::string_view> FindAttribute(const xml::Attributes& attributes, std::string_view name) {
  bool found = false;
  std::string_view value = attributes.Find(name, found);
  if (!found) return std::nullopt;
  return value;
}

void ReadString(const xml::Attributes& attributes, std::string_view name, std::string& field) {
  if (auto value = FindAttribute(attributes, name)) field.assign(*value);
}

std::int32_t LeadingInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  std::int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min(kLimit, magnitude * 10 + (text[i] - '0'));
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  return static_cast<std::int32_t>(std::min(magnitude, kLimit - 1));
}

void ReadInteger(const xml::Attributes& attributes, std::string_view name, std::int32_t& field) {
  if (auto value = FindAttribute(attributes, name)) field = LeadingInteger(*value);
}

void ReadBoolean(const xml::Attributes& attributes, std::string_view name, bool& field) {
  auto value = FindAttribute(attributes, name);
  if (!value) return;
  if (*value == "true") {
    field = true;
  } else if (*value == "false" || value->empty()) {
    field = false;
  } else {
    RaiseInvalidValue(*value, name);
  }
}

std::uint8_t ReadCode(std::span<const std::string_view> names, std::string_view attribute_name,
                      std::string_view value) {
  if (auto code = FindCode(names, value)) return *code;
  RaiseInvalidValue(value, attribute_name);
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t characters = 0; end < text.size(); ++characters) {
    if (characters == count) break;
    ++end;
    while (end < text.size() && IsContinuationByte(text[end])) ++end;
  }
  return text.substr(0, end);
}

void RaiseInvalidValue(std::string_view value, std::string_view attribute_name) {
  RaiseMessage(kMsgInvalidAttributeValue, FirstCharacters(value, kInsertCharacters),
               FirstCharacters(attribute_name, kInsertCharacters));
}

}  // namespace tabulo::tables
