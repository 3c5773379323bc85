#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabulo::office {

// Characters an XML 1.0 document may carry: tab, line feed, carriage
// return, U+0020 to U+D7FF, U+E000 to U+FFFD and U+10000 to U+10FFFF.
constexpr bool IsXmlCharacter(char32_t code) {
  return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
         (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// One decoded UTF-8 sequence. `length` is the number of bytes consumed (at
// least 1); `valid` is false for a malformed sequence, an overlong form or an
// encoded surrogate, in which case one byte is consumed.
struct Utf8Sequence {
  char32_t code = 0;
  std::size_t length = 1;
  bool valid = false;
};

// Decodes the sequence that starts at text[position] (position < size).
Utf8Sequence DecodeUtf8(std::string_view text, std::size_t position);

// Appends the UTF-8 encoding of `code` (a valid scalar value).
void AppendUtf8(std::string& out, char32_t code);

// Number of UTF-16 code units the valid UTF-8 text takes; malformed bytes
// count one unit each. Office counts lengths (such as the 31 characters of a
// sheet name) in these units.
std::size_t Utf16Length(std::string_view text);

}  // namespace tabulo::office
