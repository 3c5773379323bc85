#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "xml/sax_reader.h"

namespace tabulo::tables {

// Reading of one attribute into a model field. Attributes are found by their
// exact name; an absent attribute leaves the field at its default.

std::optional<std::string_view> FindAttribute(const xml::Attributes& attributes, std::string_view name);

void ReadString(const xml::Attributes& attributes, std::string_view name, std::string& field);

// The leading decimal number of the value (blanks and a sign may precede the
// digits; reading stops at the first other character; no digits give 0).
// Values beyond the range of int saturate.
void ReadInteger(const xml::Attributes& attributes, std::string_view name, std::int32_t& field);
std::int32_t LeadingInteger(std::string_view text);

// "true" and "false" as written; an empty value reads as false. Any other
// value raises message 2019.
void ReadBoolean(const xml::Attributes& attributes, std::string_view name, bool& field);

// The code of the entry of `names` that equals the value without regard to
// ASCII letter case; no match raises message 2019.
std::uint8_t ReadCode(std::span<const std::string_view> names, std::string_view attribute_name,
                      std::string_view value);

template <typename Enum>
void ReadEnumerated(const xml::Attributes& attributes, std::string_view name,
                    std::span<const std::string_view> names, Enum& field) {
  if (auto value = FindAttribute(attributes, name)) field = static_cast<Enum>(ReadCode(names, name, *value));
}

// Message 2019 for a value of an attribute; both inserts are cut to their
// first 49 characters (never inside a character).
[[noreturn]] void RaiseInvalidValue(std::string_view value, std::string_view attribute_name);

// The first `count` characters of a UTF-8 text.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

}  // namespace tabulo::tables
