#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"

namespace tabulo::html {

// Thrown by the writer and the page code; the renderer turns it into the
// error information of its call.
class HtmlError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes one page as HTML in XML syntax, UTF-8: every element is closed
// (an element without content gets an end tag, never "<a/>", which browsers
// would read as an open element), text and attribute values are escaped, and
// characters that XML does not allow are dropped. The page goes to a string,
// to a stream, or to a file that only replaces its destination once the
// document is complete.
class CHtmlWriter {
 public:
  static constexpr std::size_t kMaxAttributes = 100;

  explicit CHtmlWriter(bool indent);
  ~CHtmlWriter();
  CHtmlWriter(const CHtmlWriter&) = delete;
  CHtmlWriter& operator=(const CHtmlWriter&) = delete;

  // Where the page goes; without a call it is kept as a string.
  void OutputToFile(const std::filesystem::path& path);
  void OutputToStream(std::ostream& stream);
  // The page, when it is kept as a string.
  const std::string& Output() const { return text_; }

  void StartDocument();
  // Closes the page; a file output then replaces its destination.
  void EndDocument();

  void StartElement(std::string_view name);
  void BeginElement(std::string_view name);
  void ClearAttributes();
  void AddAttribute(std::string_view name, std::string_view value);
  void AddAttribute(std::string_view name, std::int64_t value);
  // A value escaped beforehand with AppendEscapedXml(value, true, ...), for
  // values built once and written many times.
  void AddEscapedAttribute(std::string_view name, std::string_view escaped_value);
  void StartElementWithAttributes();
  void EndElement(std::string_view name);

  // Character data: escaped, or raw (already markup-safe), or one no-break
  // space when it is empty and the caller asks for one.
  void Text(std::string_view text, bool raw = false, bool nbsp_if_empty = false);
  void Comment(std::string_view text);
  void LineBreak();

 private:
  struct OpenElement {
    std::string name;
    bool has_children = false;
    bool has_text = false;
    bool is_void = false;
  };

  void CloseStartTag();
  void OpenAttribute(std::string_view name);
  void RequireNoBegunTag() const;
  void NewLine(std::size_t depth);
  void Emit(std::string_view bytes);
  void Flush();
  void MarkContent(bool is_text);

  bool indent_;
  std::string text_;
  std::ostream* stream_ = nullptr;
  std::optional<platform::AtomicFile> file_;
  std::filesystem::path file_path_;
  std::string pending_name_;
  std::size_t tag_start_ = 0;
  std::size_t attributes_start_ = 0;
  std::size_t attribute_count_ = 0;
  std::vector<OpenElement> open_;
  bool tag_begun_ = false;
  bool start_tag_open_ = false;
  bool wrote_anything_ = false;
};

// Appends text escaped for character data (&, <, >) or for an attribute
// value (also "), dropping characters that XML 1.0 does not allow.
void AppendEscapedXml(std::string_view text, bool attribute, std::string& out);

// Elements that HTML never closes and that are written as "<br />".
bool IsVoidElement(std::string_view name);

}  // namespace tabulo::html
