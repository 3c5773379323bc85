#include "scripts/excel/table_documents.h"

namespace tabulo::excel {
namespace {

constexpr std::string_view kRoot = "Document";
constexpr std::string_view kTables = "Tables";
constexpr std::string_view kTable = "Table";

// The position after the end of a construct that begins at `from`, or the
// end of the text.
std::size_t After(std::string_view text, std::size_t from, std::string_view end) {
  const std::size_t found = text.find(end, from);
  return found == std::string_view::npos ? text.size() : found + end.size();
}

// The position after the '>' closing a tag or declaration that begins at
// `from`; quoted values may hold '>', a document type's internal subset
// holds whole declarations and comments in brackets.
std::size_t AfterMarkup(std::string_view text, std::size_t from) {
  int brackets = 0;
  for (std::size_t at = from + 1; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '"' || c == '\'') {
      at = text.find(c, at + 1);
      if (at == std::string_view::npos) return text.size();
    } else if (c == '<' && text.substr(at, 4) == "<!--") {
      at = After(text, at, "-->") - 1;
    } else if (c == '[') {
      ++brackets;
    } else if (c == ']') {
      --brackets;
    } else if (c == '>' && brackets <= 0) {
      return at + 1;
    }
  }
  return text.size();
}

std::string_view TagName(std::string_view tag) {
  const std::size_t end = tag.find_first_of(" \t\r\n/>", 1);
  return tag.substr(1, (end == std::string_view::npos ? tag.size() : end) - 1);
}

}  // namespace

TableDocuments::TableDocuments(std::string_view text) { Scan(text); }

void TableDocuments::Scan(std::string_view text) {
  // The names of the open elements down to a table: Document, Tables, Table.
  std::vector<std::string_view> open;
  std::size_t depth = 0;
  std::size_t table_start = 0;
  std::size_t at = 0;
  while ((at = text.find('<', at)) != std::string_view::npos) {
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("<?")) {
      at = After(text, at, "?>");
    } else if (rest.starts_with("<!--")) {
      at = After(text, at, "-->");
    } else if (rest.starts_with("<![CDATA[")) {
      at = After(text, at, "]]>");
    } else if (rest.starts_with("<!")) {
      at = AfterMarkup(text, at);
    } else if (rest.starts_with("</")) {
      const std::size_t end = After(text, at, ">");
      if (depth == 3 && open.size() == 3 && open[2] == kTable && open[1] == kTables && open[0] == kRoot) {
        tables_.push_back(text.substr(table_start, end - table_start));
      }
      if (depth > 0 && depth <= open.size()) open.pop_back();
      if (depth > 0) --depth;
      at = end;
    } else {
      const std::size_t end = AfterMarkup(text, at);
      const std::string_view tag = text.substr(at, end - at);
      const std::string_view name = TagName(tag);
      const bool empty = tag.ends_with("/>");
      if (depth == 0) {
        if (name != kRoot) return;
        head_ = text.substr(0, end);
        if (empty) return;
      }
      const bool is_table = depth == 2 && open.size() == 2 && open[1] == kTables && name == kTable;
      if (is_table) table_start = at;
      if (empty) {
        if (is_table) tables_.push_back(tag);
      } else {
        if (depth < 3) open.push_back(name);
        ++depth;
      }
      at = end;
    }
  }
}

std::string TableDocuments::Document(std::size_t index) const {
  const std::string_view table = tables_.at(index);
  std::string document;
  document.reserve(head_.size() + table.size() + 32);
  document.append(head_).append("<Tables>").append(table).append("</Tables></Document>");
  return document;
}

}  // namespace tabulo::excel
