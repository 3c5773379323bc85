#include "html/chtml_writer.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "frame/cnx_format.h"
#include "frame/component_info.h"

namespace tabulo::html {
namespace {

constexpr int kUnexpectedOutputError = 103;
constexpr int kCannotCreateOutputFile = 2025;

template <typename... Inserts>
std::string WeblineText(int id, const Inserts&... inserts) {
  frame::CNXFormat format(frame::Component(frame::ComponentKind::kWebline));
  format.Format(id, inserts...);
  return format.GetText();
}

// XML 1.0 allows tab, LF, CR and everything from U+0020 but the surrogates
// and U+FFFE/U+FFFF; in UTF-8 only the C0 controls and the encodings of
// U+FFFE and U+FFFF need looking at.
bool IsDisallowedControl(unsigned char byte) {
  return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
}

}  // namespace

bool IsVoidElement(std::string_view name) {
  auto is = [name](std::string_view element) {
    for (std::size_t i = 0; i < element.size(); ++i) {
      char c = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
      if (c != element[i]) return false;
    }
    return true;
  };
  switch (name.size()) {
    case 2:
      return is("br") || is("hr");
    case 3:
      return is("col") || is("img") || is("wbr");
    case 4:
      return is("area") || is("base") || is("link") || is("meta");
    case 5:
      return is("embed") || is("frame") || is("input") || is("param") || is("track");
    case 6:
      return is("source");
    default:
      return false;
  }
}

namespace {

// Bytes that need a look: markup characters, quotes, controls and the lead
// byte of U+FFFE/U+FFFF.
constexpr bool NeedsCare(unsigned char byte) {
  return byte < 0x20 || byte == '&' || byte == '<' || byte == '>' || byte == '"' || byte == 0xEF;
}

// Every byte of a page passes here, so plain runs are skipped eight bytes at
// a time: a word is plain when none of its bytes is below 0x20 or equal to
// one of the bytes above (the usual "has zero byte" bit tricks).
constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;

constexpr std::uint64_t HasZeroByte(std::uint64_t word) { return (word - kOnes) & ~word & kHighBits; }
constexpr std::uint64_t HasByte(std::uint64_t word, unsigned char byte) {
  return HasZeroByte(word ^ (kOnes * byte));
}
constexpr std::uint64_t HasByteBelow(std::uint64_t word, unsigned char limit) {
  return (word - kOnes * limit) & ~word & kHighBits;
}

bool WordNeedsCare(const char* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, sizeof word);
  return (HasByteBelow(word, 0x20) | HasByte(word, '&') | HasByte(word, '<') | HasByte(word, '>') |
          HasByte(word, '"') | HasByte(word, 0xEF)) != 0;
}

}  // namespace

void AppendEscapedXml(std::string_view text, bool attribute, std::string& out) {
  out.reserve(out.size() + text.size());
  std::size_t plain_start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    while (i + 8 <= text.size() && !WordNeedsCare(text.data() + i)) i += 8;
    if (i == text.size()) break;
    auto byte = static_cast<unsigned char>(text[i]);
    if (!NeedsCare(byte)) continue;
    out.append(text, plain_start, i - plain_start);
    plain_start = i + 1;
    if (IsDisallowedControl(byte)) continue;
    if (byte == 0xEF) {
      if (i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBF &&
          (static_cast<unsigned char>(text[i + 2]) & 0xFE) == 0xBE) {
        i += 2;
        plain_start = i + 1;
      } else {
        plain_start = i;
      }
      continue;
    }
    switch (byte) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += attribute ? "&quot;" : "\"";
        break;
      case '\n':
        out += attribute ? "&#10;" : "\n";
        break;
      case '\r':
        out += attribute ? "&#13;" : "\r";
        break;
      case '\t':
        out += attribute ? "&#9;" : "\t";
        break;
      default:
        break;
    }
  }
  out.append(text, plain_start, text.size() - plain_start);
}

CHtmlWriter::CHtmlWriter(bool indent) : indent_(indent) {}
CHtmlWriter::~CHtmlWriter() = default;

void CHtmlWriter::OutputToFile(const std::filesystem::path& path) {
  try {
    file_.emplace(path);
  } catch (const std::system_error& error) {
    throw HtmlError(WeblineText(kCannotCreateOutputFile, path.string()) + ": " + error.code().message());
  }
  file_path_ = path;
  stream_ = nullptr;
}

void CHtmlWriter::OutputToStream(std::ostream& stream) {
  stream_ = &stream;
  file_.reset();
}

void CHtmlWriter::Emit(std::string_view bytes) {
  wrote_anything_ = true;
  text_.append(bytes);
  // A page for a file or a stream is handed on in large pieces.
  constexpr std::size_t kFlushSize = 1 << 20;
  if ((file_ || stream_ != nullptr) && text_.size() >= kFlushSize) Flush();
}

void CHtmlWriter::Flush() {
  try {
    if (file_) {
      file_->Write(text_);
    } else if (stream_ != nullptr) {
      stream_->write(text_.data(), static_cast<std::streamsize>(text_.size()));
      if (!*stream_) throw std::system_error(std::make_error_code(std::errc::io_error));
    } else {
      return;
    }
  } catch (const std::system_error&) {
    throw HtmlError(WeblineText(kUnexpectedOutputError));
  }
  text_.clear();
}

void CHtmlWriter::StartDocument() {}

void CHtmlWriter::EndDocument() {
  RequireNoBegunTag();
  if (start_tag_open_) CloseStartTag();
  if (!open_.empty()) throw HtmlError(WeblineText(kUnexpectedOutputError));
  if (indent_ && wrote_anything_) Emit("\n");
  Flush();
  if (file_) {
    try {
      file_->Commit(true);
    } catch (const std::system_error& error) {
      throw HtmlError(WeblineText(kCannotCreateOutputFile, file_path_.string()) + ": " +
                      error.code().message());
    }
    file_.reset();
  }
  if (stream_ != nullptr) stream_->flush();
}

void CHtmlWriter::NewLine(std::size_t depth) {
  if (!indent_ || !wrote_anything_) return;
  text_ += '\n';
  text_.append(depth, '\t');
}

void CHtmlWriter::MarkContent(bool is_text) {
  if (open_.empty()) return;
  if (is_text) {
    open_.back().has_text = true;
  } else {
    open_.back().has_children = true;
  }
}

void CHtmlWriter::CloseStartTag() {
  Emit(">");
  start_tag_open_ = false;
}

void CHtmlWriter::RequireNoBegunTag() const {
  if (tag_begun_) throw HtmlError(WeblineText(kUnexpectedOutputError));
}

void CHtmlWriter::StartElement(std::string_view name) {
  BeginElement(name);
  StartElementWithAttributes();
}

// The start tag goes straight into the buffer; attributes follow it as they
// come, so a page of millions of cells copies each byte once.
void CHtmlWriter::BeginElement(std::string_view name) {
  if (tag_begun_) text_.resize(tag_start_);
  if (start_tag_open_) CloseStartTag();
  tag_start_ = text_.size();
  // Indentation only goes where it cannot change text: between elements of
  // an element that holds no text of its own.
  bool parent_has_text = !open_.empty() && open_.back().has_text;
  if (!parent_has_text) NewLine(open_.size());
  text_ += '<';
  text_ += name;
  pending_name_ = name;
  attributes_start_ = text_.size();
  attribute_count_ = 0;
  tag_begun_ = true;
}

void CHtmlWriter::ClearAttributes() {
  if (!tag_begun_) return;
  text_.resize(attributes_start_);
  attribute_count_ = 0;
}

void CHtmlWriter::AddAttribute(std::string_view name, std::string_view value) {
  OpenAttribute(name);
  AppendEscapedXml(value, true, text_);
  text_ += '"';
}

void CHtmlWriter::AddEscapedAttribute(std::string_view name, std::string_view escaped_value) {
  OpenAttribute(name);
  text_ += escaped_value;
  text_ += '"';
}

void CHtmlWriter::OpenAttribute(std::string_view name) {
  if (!tag_begun_ || attribute_count_ >= kMaxAttributes) throw HtmlError(WeblineText(kUnexpectedOutputError));
  ++attribute_count_;
  text_ += ' ';
  text_ += name;
  text_ += "=\"";
}

void CHtmlWriter::AddAttribute(std::string_view name, std::int64_t value) {
  std::array<char, 24> digits{};
  auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  AddAttribute(name, std::string_view(digits.data(), static_cast<std::size_t>(end - digits.data())));
}

void CHtmlWriter::StartElementWithAttributes() {
  if (!tag_begun_) throw HtmlError(WeblineText(kUnexpectedOutputError));
  tag_begun_ = false;
  MarkContent(false);
  bool is_void = IsVoidElement(pending_name_);
  open_.push_back({pending_name_, false, false, is_void});
  if (is_void) {
    Emit(" />");
    return;
  }
  start_tag_open_ = true;
  Emit("");
}

void CHtmlWriter::EndElement(std::string_view name) {
  RequireNoBegunTag();
  if (open_.empty() || open_.back().name != name) throw HtmlError(WeblineText(kUnexpectedOutputError));
  OpenElement element = std::move(open_.back());
  open_.pop_back();
  if (element.is_void) return;
  if (start_tag_open_) CloseStartTag();
  if (element.has_children && !element.has_text) NewLine(open_.size());
  text_ += "</";
  text_ += element.name;
  Emit(">");
}

void CHtmlWriter::Text(std::string_view text, bool raw, bool nbsp_if_empty) {
  RequireNoBegunTag();
  if (start_tag_open_) CloseStartTag();
  if (text.empty() && nbsp_if_empty) text = "\u00A0";
  if (text.empty()) return;
  MarkContent(true);
  if (raw) {
    text_ += text;
  } else {
    AppendEscapedXml(text, false, text_);
  }
  Emit("");
}

void CHtmlWriter::Comment(std::string_view text) {
  RequireNoBegunTag();
  if (start_tag_open_) CloseStartTag();
  MarkContent(true);
  std::string comment = "<!--";
  // "--" may not stand inside a comment.
  for (std::size_t i = 0; i < text.size(); ++i) {
    comment += text[i];
    if (text[i] == '-' && (i + 1 == text.size() || text[i + 1] == '-')) comment += ' ';
  }
  comment += "-->";
  Emit(comment);
}

void CHtmlWriter::LineBreak() {
  StartElement("br");
  EndElement("br");
}

}  // namespace tabulo::html
