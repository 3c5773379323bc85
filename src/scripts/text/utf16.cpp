#include "scripts/text/utf16.h"

namespace tabulo::text {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence at text[at]; count receives its length in bytes.
char32_t Decode(std::string_view text, std::size_t at, std::size_t& count) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  unsigned char lead = byte(0);
  std::size_t length = lead >= 0xF0 && lead < 0xF5   ? 4
                       : lead >= 0xE0                ? 3
                       : lead >= 0xC2 && lead < 0xE0 ? 2
                                                     : 0;
  count = 1;
  if (length == 0 || at + length > text.size()) return kReplacement;
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(i))) return kReplacement;
  }
  char32_t code = 0;
  if (length == 2) code = (char32_t{lead} & 0x1F) << 6 | (byte(1) & 0x3F);
  if (length == 3) code = (char32_t{lead} & 0x0F) << 12 | (char32_t{byte(1)} & 0x3F) << 6 | (byte(2) & 0x3F);
  if (length == 4) {
    code = (char32_t{lead} & 0x07) << 18 | (char32_t{byte(1)} & 0x3F) << 12 |
           (char32_t{byte(2)} & 0x3F) << 6 | (byte(3) & 0x3F);
  }
  bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  if (overlong || code > 0x10FFFF) return kReplacement;
  count = length;
  return code;
}

}  // namespace

std::string CodeUnitAsUtf8(std::uint16_t unit) {
  std::string bytes;
  if (unit < 0x80) {
    bytes.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    bytes.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    bytes.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else {
    bytes.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    bytes.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    bytes.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
  return bytes;
}

void AppendUtf16LittleEndian(std::string_view utf8, std::string& out) {
  // Each byte gives at most one code unit (four bytes give two), so the
  // space is reserved once and written in place.
  std::size_t start = out.size();
  out.resize(start + 2 * utf8.size());
  char* next = out.data() + start;
  auto put = [&next](std::uint32_t unit) {
    *next++ = static_cast<char>(unit & 0xFF);
    *next++ = static_cast<char>((unit >> 8) & 0xFF);
  };
  std::size_t at = 0;
  while (at < utf8.size()) {
    auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
      put(lead);
      ++at;
      continue;
    }
    std::size_t count = 0;
    char32_t code = Decode(utf8, at, count);
    at += count;
    if (code < 0x10000) {
      put(code);
    } else {
      code -= 0x10000;
      put(0xD800 | (code >> 10));
      put(0xDC00 | (code & 0x3FF));
    }
  }
  out.resize(static_cast<std::size_t>(next - out.data()));
}

}  // namespace tabulo::text
