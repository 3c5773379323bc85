#include "office/markup/xml_characters.h"

namespace tabulo::office {
namespace {

constexpr bool IsContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

}  // namespace

Utf8Sequence DecodeUtf8(std::string_view text, std::size_t position) {
  const auto byte_at = [&](std::size_t offset) {
    return static_cast<unsigned char>(text[position + offset]);
  };
  const std::size_t available = text.size() - position;
  const unsigned char lead = byte_at(0);
  if (lead < 0x80U) return {lead, 1, true};

  std::size_t length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2U && lead <= 0xDFU) {
    length = 2;
    code = lead & 0x1FU;
    minimum = 0x80;
  } else if (lead >= 0xE0U && lead <= 0xEFU) {
    length = 3;
    code = lead & 0x0FU;
    minimum = 0x800;
  } else if (lead >= 0xF0U && lead <= 0xF4U) {
    length = 4;
    code = lead & 0x07U;
    minimum = 0x10000;
  } else {
    return {};
  }
  if (available < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte_at(i))) return {};
    code = (code << 6U) | (byte_at(i) & 0x3FU);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  return {code, length, true};
}

void AppendUtf8(std::string& out, char32_t code) {
  const auto put = [&out](char32_t bits) { out.push_back(static_cast<char>(bits)); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0U | (code >> 6U));
    put(0x80U | (code & 0x3FU));
  } else if (code < 0x10000) {
    put(0xE0U | (code >> 12U));
    put(0x80U | ((code >> 6U) & 0x3FU));
    put(0x80U | (code & 0x3FU));
  } else {
    put(0xF0U | (code >> 18U));
    put(0x80U | ((code >> 12U) & 0x3FU));
    put(0x80U | ((code >> 6U) & 0x3FU));
    put(0x80U | (code & 0x3FU));
  }
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t position = 0; position < text.size();) {
    const Utf8Sequence sequence = DecodeUtf8(text, position);
    units += sequence.valid && sequence.code >= 0x10000 ? 2 : 1;
    position += sequence.length;
  }
  return units;
}

}  // namespace tabulo::office
