#include "office/xlsx/sml_text.h"

#include <cstdio>

#include "office/markup/xml_characters.h"
#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// True at "_xHHHH_".
bool EscapeSequenceAt(std::string_view text, std::size_t position) {
  if (position + 7 > text.size() || text[position + 1] != 'x' || text[position + 6] != '_') return false;
  for (std::size_t i = 2; i < 6; ++i) {
    if (!IsHexDigit(text[position + i])) return false;
  }
  return true;
}

void AppendEscape(std::string& out, char32_t code) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "_x%04X_", static_cast<unsigned>(code));
  out.append(buffer, 7);
}

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

std::string EncodeSmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t position = 0; position < text.size();) {
    const auto byte = static_cast<unsigned char>(text[position]);
    if (byte == '_' && EscapeSequenceAt(text, position)) {
      out.append("_x005F_");
      ++position;
    } else if (byte < 0x20U && byte != '\t' && byte != '\n' && byte != '\r') {
      AppendEscape(out, byte);
      ++position;
    } else if (byte >= 0x80U) {
      const Utf8Sequence sequence = DecodeUtf8(text, position);
      if (sequence.valid && !IsXmlCharacter(sequence.code)) {
        AppendEscape(out, sequence.code);  // U+FFFE, U+FFFF
      } else {
        out.append(text.substr(position, sequence.length));  // malformed bytes: the writer's business
      }
      position += sequence.length;
    } else {
      out.push_back(static_cast<char>(byte));
      ++position;
    }
  }
  return out;
}

void WriteSmlTextElement(XmlWriter& xml, std::string_view name, std::string_view text) {
  xml.Start(name);
  if (!text.empty() && (IsWhiteSpace(text.front()) || IsWhiteSpace(text.back()))) {
    xml.Attribute("xml:space", "preserve");
  }
  xml.Text(EncodeSmlText(text));
  xml.End();
}

}  // namespace tabulo::office
