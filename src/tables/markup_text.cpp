#include "tables/markup_text.h"

#include <cstdint>
#include <cstdio>

#include "xml/parse_error.h"
#include "xml/sax_reader.h"

namespace tabulo::tables {
namespace {

constexpr bool IsTrigger(char c) { return c == '&' || c == '<' || c == '>' || c == '\\' || c == '\''; }

bool HasTrigger(std::string_view text) {
  for (char c : text) {
    if (IsTrigger(c)) return true;
  }
  return false;
}

// Without "<" and "&" the content can only fail through "]]>" or through a
// character XML does not allow; the parser is needed only for the rest.
bool IsPlainCharacterData(std::string_view text, bool& well_formed) {
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '<' || c == '&') return false;
    if (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
  }
  well_formed = text.find("]]>") == std::string_view::npos;
  return true;
}

// Decodes one UTF-8 sequence at `i`, advancing it; invalid bytes give U+FFFD.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
  constexpr std::uint32_t kReplacement = 0xFFFD;
  auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  std::uint32_t value = 0;
  std::uint32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1Fu, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0Fu, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07u, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return kReplacement;
    value = (value << 6) | (static_cast<unsigned char>(text[i++]) & 0x3Fu);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return kReplacement;
  return value;
}

void AppendEscaped(std::string_view text, std::string& out) {
  out.reserve(out.size() + text.size() + 16);
  for (std::size_t i = 0; i < text.size();) {
    std::uint32_t code = NextCodePoint(text, i);
    if (code == '&') {
      out += "&amp;";
    } else if (code == '<') {
      out += "&lt;";
    } else if (code == '>') {
      out += "&gt;";
    } else if (code >= 0x20 && code <= 0x7E) {
      out += static_cast<char>(code);
    } else {
      char reference[16];
      int length = std::snprintf(reference, sizeof reference, code > 0xFFFF ? "&#x%06X;" : "&#x%04X;", code);
      out.append(reference, static_cast<std::size_t>(length));
    }
  }
}

bool StaysAsItIs(std::string_view text) { return !HasTrigger(text) || IsWellFormedContent(text); }

}  // namespace

bool IsWellFormedContent(std::string_view text) {
  bool well_formed = false;
  if (IsPlainCharacterData(text, well_formed)) return well_formed;
  std::string wrapped;
  wrapped.reserve(text.size() + 7);
  wrapped.append("<r>").append(text).append("</r>");
  try {
    xml::CheckWellFormed(wrapped);
  } catch (const xml::ParseError&) {
    return false;
  }
  return true;
}

std::string EscapeText(std::string_view text) {
  std::string out;
  AppendEscaped(text, out);
  return out;
}

std::string PrepareMarkupSafe(std::string text) {
  if (StaysAsItIs(text)) return text;
  return EscapeText(text);
}

void AppendMarkupSafe(std::string_view text, std::string& out) {
  if (StaysAsItIs(text)) {
    out.append(text);
  } else {
    AppendEscaped(text, out);
  }
}

}  // namespace tabulo::tables
