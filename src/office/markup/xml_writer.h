#pragma once

#include <charconv>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::office {

// Appends XML text to a string, as fast as plain appends allow: no tree is
// built, start tags are written in place and closed lazily so that an
// element without content comes out as <name/>. Text and attribute values
// are escaped; characters XML 1.0 cannot carry are dropped and malformed
// UTF-8 becomes U+FFFD, so the output is always well-formed. Element names
// are not copied: they must outlive the element (in practice they are
// literals). The caller writes children in the order the schema wants.
class XmlWriter {
 public:
  explicit XmlWriter(std::string& out) : out_(out) {}

  // <?xml version="1.0" encoding="UTF-8" standalone="yes"?> and a line break.
  void Declaration();

  void Start(std::string_view name);
  // An attribute of the element just started; only valid before its content.
  void Attribute(std::string_view name, std::string_view value);
  void Attribute(std::string_view name, const char* value) { Attribute(name, std::string_view(value)); }
  void Attribute(std::string_view name, std::integral auto value) {
    AttributeStart(name);
    AppendNumber(value);
    out_.push_back('"');
  }
  // A double in its shortest form that reads back exactly ("12.75", "1E-3" is
  // written "0.001"); finite values only.
  void AttributeNumber(std::string_view name, double value);
  void Text(std::string_view text);
  // The text of a number, as AttributeNumber writes it.
  void TextNumber(double value);
  // Already escaped markup (such as a prepared fragment).
  void Raw(std::string_view markup);
  // Closes the innermost open element.
  void End();

  // <name>text</name>.
  void TextElement(std::string_view name, std::string_view text);
  // <name val="value"/>, the shape of most property elements.
  void ValElement(std::string_view name, std::string_view value);
  void ValElement(std::string_view name, std::integral auto value) {
    Start(name);
    Attribute("val", value);
    End();
  }
  void ValElementNumber(std::string_view name, double value);

  std::size_t Depth() const { return open_.size(); }

 private:
  void AttributeStart(std::string_view name);
  void CloseStartTag() {
    if (start_tag_open_) {
      out_.push_back('>');
      start_tag_open_ = false;
    }
  }
  void AppendNumber(std::integral auto value) {
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    out_.append(digits, result.ptr);
  }

  std::string& out_;
  std::vector<std::string_view> open_;
  bool start_tag_open_ = false;
};

// Escaping used by the writer, for callers that prepare fragments.
void AppendEscapedText(std::string& out, std::string_view text);
void AppendEscapedAttribute(std::string& out, std::string_view value);
// Shortest round-trip text of a finite double.
void AppendDouble(std::string& out, double value);

}  // namespace tabulo::office
