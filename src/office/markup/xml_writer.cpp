#include "office/markup/xml_writer.h"

#include <cmath>
#include <stdexcept>

#include "office/markup/xml_characters.h"

namespace tabulo::office {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

enum class Context { kText, kAttribute };

// Bytes that need more than a plain copy. Everything at or above 0x80 goes
// through the UTF-8 check; below, only markup characters and controls.
constexpr bool NeedsAttention(unsigned char byte, Context context) {
  if (byte >= 0x80U || byte < 0x20U) return true;
  if (byte == '&' || byte == '<' || byte == '>') return true;
  return context == Context::kAttribute && byte == '"';
}

void AppendEscaped(std::string& out, std::string_view text, Context context) {
  std::size_t run_start = 0;
  std::size_t position = 0;
  while (position < text.size()) {
    const auto byte = static_cast<unsigned char>(text[position]);
    if (!NeedsAttention(byte, context)) {
      ++position;
      continue;
    }
    out.append(text.data() + run_start, position - run_start);
    if (byte >= 0x80U) {
      const Utf8Sequence sequence = DecodeUtf8(text, position);
      if (!sequence.valid) {
        out.append(kReplacementCharacter);
      } else if (IsXmlCharacter(sequence.code)) {
        out.append(text.data() + position, sequence.length);
      }  // U+FFFE and U+FFFF cannot be carried: dropped.
      position += sequence.length;
      run_start = position;
      continue;
    }
    switch (byte) {
      case '&':
        out.append("&amp;");
        break;
      case '<':
        out.append("&lt;");
        break;
      case '>':
        out.append("&gt;");
        break;
      case '"':
        out.append("&quot;");
        break;
      // A parser turns a bare CR into LF, and in attributes also tab and LF
      // into blanks; references keep them as they are.
      case '\r':
        out.append("&#13;");
        break;
      case '\n':
        out.append(context == Context::kAttribute ? "&#10;" : "\n");
        break;
      case '\t':
        out.append(context == Context::kAttribute ? "&#9;" : "\t");
        break;
      default:
        break;  // other controls are not XML characters: dropped
    }
    ++position;
    run_start = position;
  }
  out.append(text.data() + run_start, text.size() - run_start);
}

}  // namespace

void AppendEscapedText(std::string& out, std::string_view text) { AppendEscaped(out, text, Context::kText); }

void AppendEscapedAttribute(std::string& out, std::string_view value) {
  AppendEscaped(out, value, Context::kAttribute);
}

void AppendDouble(std::string& out, double value) {
  if (!std::isfinite(value)) throw std::invalid_argument("XML number is not finite");
  if (value == 0) value = 0;  // no "-0"
  char digits[32];
  auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
  // Fixed notation of very large or very small values is long; the shortest
  // general form is just as exact.
  if (result.ec != std::errc() || result.ptr - digits > 17) {
    result = std::to_chars(digits, digits + sizeof digits, value);
  }
  out.append(digits, result.ptr);
}

void XmlWriter::Declaration() {
  out_.append("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
}

void XmlWriter::Start(std::string_view name) {
  CloseStartTag();
  out_.push_back('<');
  out_.append(name);
  open_.push_back(name);
  start_tag_open_ = true;
}

void XmlWriter::AttributeStart(std::string_view name) {
  if (!start_tag_open_) throw std::logic_error("XML attribute outside a start tag");
  out_.push_back(' ');
  out_.append(name);
  out_.append("=\"");
}

void XmlWriter::Attribute(std::string_view name, std::string_view value) {
  AttributeStart(name);
  AppendEscapedAttribute(out_, value);
  out_.push_back('"');
}

void XmlWriter::AttributeNumber(std::string_view name, double value) {
  AttributeStart(name);
  AppendDouble(out_, value);
  out_.push_back('"');
}

void XmlWriter::Text(std::string_view text) {
  CloseStartTag();
  AppendEscapedText(out_, text);
}

void XmlWriter::TextNumber(double value) {
  CloseStartTag();
  AppendDouble(out_, value);
}

void XmlWriter::Raw(std::string_view markup) {
  CloseStartTag();
  out_.append(markup);
}

void XmlWriter::End() {
  if (open_.empty()) throw std::logic_error("XML end tag without an open element");
  if (start_tag_open_) {
    out_.append("/>");
    start_tag_open_ = false;
  } else {
    out_.append("</");
    out_.append(open_.back());
    out_.push_back('>');
  }
  open_.pop_back();
}

void XmlWriter::TextElement(std::string_view name, std::string_view text) {
  Start(name);
  Text(text);
  End();
}

void XmlWriter::ValElement(std::string_view name, std::string_view value) {
  Start(name);
  Attribute("val", value);
  End();
}

void XmlWriter::ValElementNumber(std::string_view name, double value) {
  Start(name);
  AttributeNumber("val", value);
  End();
}

}  // namespace tabulo::office
