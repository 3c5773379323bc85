#include "scripts/excel/annotation_html.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <array>
#include <charconv>
#include <limits>
#include <memory>
#include <optional>

namespace tabulo::excel {
namespace {

struct DocDeleter {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<std::string> AttributeOf(const xmlNode* node, const char* name) {
  for (const xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
    if (Lower(reinterpret_cast<const char*>(attribute->name)) != name) continue;
    xmlChar* value = xmlNodeListGetString(node->doc, attribute->children, 1);
    std::string text = value != nullptr ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
  }
  return std::nullopt;
}

// Point sizes of the seven HTML font sizes.
double PointsOfHtmlSize(int size) {
  constexpr std::array<double, 7> kPoints = {8, 10, 12, 14, 18, 24, 36};
  if (size < 1) size = 1;
  if (size > 7) size = 7;
  return kPoints[static_cast<std::size_t>(size - 1)];
}

std::optional<double> FontSize(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  int sign = 0;
  if (text.front() == '+' || text.front() == '-') {
    sign = text.front() == '+' ? 1 : -1;
    text.remove_prefix(1);
  }
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end == text.data()) return std::nullopt;
  return PointsOfHtmlSize(sign == 0 ? value : 3 + sign * value);
}

std::optional<std::uint32_t> Colour(std::string_view text) {
  struct Named {
    std::string_view name;
    std::uint32_t rgb;
  };
  constexpr std::array<Named, 16> kNamed = {{{"black", 0x000000},
                                             {"silver", 0xC0C0C0},
                                             {"gray", 0x808080},
                                             {"white", 0xFFFFFF},
                                             {"maroon", 0x800000},
                                             {"red", 0xFF0000},
                                             {"purple", 0x800080},
                                             {"fuchsia", 0xFF00FF},
                                             {"green", 0x008000},
                                             {"lime", 0x00FF00},
                                             {"olive", 0x808000},
                                             {"yellow", 0xFFFF00},
                                             {"navy", 0x000080},
                                             {"blue", 0x0000FF},
                                             {"teal", 0x008080},
                                             {"aqua", 0x00FFFF}}};
  std::string lower = Lower(Trimmed(text));
  for (const Named& named : kNamed) {
    if (named.name == lower) return named.rgb;
  }
  std::string_view hex = lower;
  if (!hex.empty() && hex.front() == '#') hex.remove_prefix(1);
  if (hex.size() != 6) return std::nullopt;
  std::uint32_t rgb = 0;
  auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), rgb, 16);
  if (error != std::errc{} || end != hex.data() + hex.size()) return std::nullopt;
  return rgb;
}

bool IsBlock(std::string_view tag) {
  constexpr std::array<std::string_view, 17> kBlocks = {"p",     "div",        "h1",  "h2",     "h3", "h4",
                                                        "h5",    "h6",         "li",  "ul",     "ol", "tr",
                                                        "table", "blockquote", "pre", "center", "dl"};
  for (std::string_view block : kBlocks) {
    if (block == tag) return true;
  }
  return false;
}

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

class RunCollector {
 public:
  std::vector<RunLine> Finish() {
    EndLine();
    while (!lines_.empty() && lines_.back().empty()) lines_.pop_back();
    return std::move(lines_);
  }

  void Walk(const xmlNode* node, const TextRun& format) {
    for (; node != nullptr; node = node->next) {
      if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
        AddText(reinterpret_cast<const char*>(node->content), format);
      } else if (node->type == XML_ELEMENT_NODE) {
        WalkElement(node, format);
      }
    }
  }

 private:
  void WalkElement(const xmlNode* node, TextRun format) {
    std::string tag = Lower(reinterpret_cast<const char*>(node->name));
    if (tag == "br") {
      BreakLine();
      return;
    }
    if (tag == "script" || tag == "style" || tag == "head") return;
    if (tag == "b" || tag == "strong") format.bold = true;
    if (tag == "i" || tag == "em") format.italic = true;
    if (tag == "u") format.underline = true;
    if (tag == "font") {
      if (auto face = AttributeOf(node, "face"); face && !Trimmed(*face).empty()) {
        format.font_name = std::string(Trimmed(*face));
      }
      if (auto size = AttributeOf(node, "size")) {
        if (auto points = FontSize(*size)) format.size = points;
      }
      if (auto colour = AttributeOf(node, "color")) {
        if (auto rgb = Colour(*colour)) format.colour = rgb;
      }
    }
    bool block = IsBlock(tag);
    if (block) EndParagraph();
    Walk(node->children, format);
    if (block) EndParagraph();
  }

  void AddText(std::string_view text, const TextRun& format) {
    std::string collapsed;
    for (char c : text) {
      if (IsWhiteSpace(c)) {
        bool at_line_start = line_.empty() && collapsed.empty();
        bool after_space = !collapsed.empty() ? collapsed.back() == ' ' : (!line_.empty() && EndsWithSpace());
        if (!at_line_start && !after_space) collapsed += ' ';
      } else {
        collapsed += c;
      }
    }
    if (collapsed.empty()) return;
    if (!line_.empty() && SameFormat(line_.back(), format)) {
      line_.back().text += collapsed;
      return;
    }
    TextRun run = format;
    run.text = std::move(collapsed);
    line_.push_back(std::move(run));
  }

  static bool SameFormat(const TextRun& a, const TextRun& b) {
    return a.bold == b.bold && a.italic == b.italic && a.underline == b.underline && a.colour == b.colour &&
           a.size == b.size && a.font_name == b.font_name;
  }

  bool EndsWithSpace() const { return !line_.back().text.empty() && line_.back().text.back() == ' '; }

  // Trailing blanks of a row are not shown.
  void TrimLine() {
    while (!line_.empty()) {
      std::string& text = line_.back().text;
      while (!text.empty() && text.back() == ' ') text.pop_back();
      if (!text.empty()) break;
      line_.pop_back();
    }
  }

  void EndLine() {
    TrimLine();
    lines_.push_back(std::move(line_));
    line_.clear();
  }

  void BreakLine() { EndLine(); }

  // A block starts and ends on a row of its own, without adding empty rows.
  void EndParagraph() {
    TrimLine();
    if (!line_.empty()) EndLine();
  }

  std::vector<RunLine> lines_;
  RunLine line_;
};

}  // namespace

std::string AnnotationHtml(std::string_view text, bool use_excel_styles) {
  if (use_excel_styles) return std::string(text);
  std::string html = "<FONT FACE = \"Arial\"SIZE = 3>";
  html.append(text).append("</FONT>");
  return html;
}

std::vector<RunLine> HtmlToRunLines(std::string_view html) {
  if (html.empty()) return {};
  if (html.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    TextRun whole;
    whole.text = std::string(html);
    return {RunLine{whole}};
  }
  constexpr int kOptions = HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING;
  std::unique_ptr<xmlDoc, DocDeleter> document(
      htmlReadMemory(html.data(), static_cast<int>(html.size()), nullptr, "UTF-8", kOptions));
  if (!document) {
    TextRun whole;
    whole.text = std::string(html);
    return {RunLine{whole}};
  }
  RunCollector collector;
  collector.Walk(document->children, TextRun{});
  std::vector<RunLine> lines = collector.Finish();
  while (!lines.empty() && lines.front().empty()) lines.erase(lines.begin());
  return lines;
}

}  // namespace tabulo::excel
