#include "html/markup_sanitizer.h"

#include <array>
#include <cctype>

#include "html/chtml_writer.h"
#include "tables/markup_text.h"
#include "xml/parse_error.h"
#include "xml/sax_reader.h"

namespace tabulo::html {
namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
  std::string lower = Lower(name);
  for (std::string_view candidate : names) {
    if (lower == candidate) return true;
  }
  return false;
}

constexpr std::array<std::string_view, 30> kDroppedElements = {
    "script", "style",  "iframe", "frame",    "frameset", "object", "embed", "applet",
    "form",   "input",  "button", "textarea", "select",   "option", "link",  "meta",
    "base",   "svg",    "math",   "noscript", "template", "audio",  "video", "source",
    "track",  "canvas", "portal", "xml",      "import",   "param"};

constexpr std::array<std::string_view, 16> kUrlAttributes = {
    "href", "src",      "action", "formaction", "background", "lowsrc", "dynsrc",  "poster",
    "data", "codebase", "cite",   "longdesc",   "usemap",     "srcset", "profile", "manifest"};

bool IsActiveStyle(std::string_view style) {
  std::string compact;
  for (char c : style) {
    if (c != '\\' && static_cast<unsigned char>(c) > 0x20) {
      compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  for (std::string_view word :
       {"expression", "javascript", "vbscript", "behavior", "binding", "url(", "@import"}) {
    if (compact.find(word) != std::string::npos) return true;
  }
  return false;
}

bool KeepAttribute(std::string_view name, std::string_view value) {
  std::string lower = Lower(name);
  if (lower.starts_with("on")) return false;
  if (lower == "style") return !IsActiveStyle(value);
  if (lower == "srcdoc" || lower == "formaction" || lower == "xmlns") return false;
  if (IsOneOf(lower, kUrlAttributes)) return IsSafeUrl(value);
  return true;
}

class Sanitizer final : public xml::SaxHandler {
 public:
  void StartElement(std::string_view name, const xml::Attributes& attributes) override {
    ++depth_;
    if (skip_depth_ > 0 || depth_ == 1) {
      return;
    }
    if (IsOneOf(name, kDroppedElements)) {
      skip_depth_ = depth_;
      return;
    }
    out_ += '<';
    out_ += name;
    for (int i = 0; i < attributes.Count(); ++i) {
      if (!KeepAttribute(attributes.Name(i), attributes.Value(i))) continue;
      out_ += ' ';
      out_ += attributes.Name(i);
      out_ += "=\"";
      AppendEscapedXml(attributes.Value(i), true, out_);
      out_ += '"';
    }
    out_ += IsVoidElement(name) ? " />" : ">";
  }

  void EndElement(std::string_view name) override {
    int depth = depth_--;
    if (depth == 1) return;
    if (skip_depth_ > 0) {
      if (depth == skip_depth_) skip_depth_ = 0;
      return;
    }
    if (IsVoidElement(name)) return;
    out_ += "</";
    out_ += name;
    out_ += '>';
  }

  void Characters(std::string_view text) override {
    if (skip_depth_ == 0) AppendEscapedXml(text, false, out_);
  }

  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
  int depth_ = 0;
  int skip_depth_ = 0;
};

}  // namespace

// Blanks and controls anywhere are ignored and letter case does not count,
// as a browser reads the scheme.
bool IsSafeUrl(std::string_view url) {
  std::string compact;
  for (char c : url) {
    if (static_cast<unsigned char>(c) > 0x20)
      compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  std::size_t colon = compact.find(':');
  std::size_t path = compact.find_first_of("/?#");
  if (colon == std::string::npos || (path != std::string::npos && path < colon)) return true;
  std::string_view scheme = std::string_view(compact).substr(0, colon);
  return scheme == "http" || scheme == "https" || scheme == "mailto";
}

std::string SanitizeMarkup(std::string_view markup) {
  if (markup.find('<') == std::string_view::npos) return std::string(markup);
  std::string wrapped;
  wrapped.reserve(markup.size() + 7);
  wrapped.append("<r>").append(markup).append("</r>");
  Sanitizer sanitizer;
  try {
    xml::ParseSax(wrapped, sanitizer);
  } catch (const xml::ParseError&) {
    return tables::EscapeText(markup);
  }
  return sanitizer.Take();
}

}  // namespace tabulo::html
