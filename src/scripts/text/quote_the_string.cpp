#include "scripts/text/quote_the_string.h"

namespace tabulo::text {
namespace {

// Only the space character counts: tabs and other white space stay.
std::string_view TrimSpaces(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

}  // namespace

void AppendQuoted(std::string_view text, std::string& out) {
  std::string_view trimmed = TrimSpaces(text);
  out.push_back('"');
  std::size_t start = 0;
  for (std::size_t quote = trimmed.find('"'); quote != std::string_view::npos;
       quote = trimmed.find('"', start)) {
    out.append(trimmed.substr(start, quote + 1 - start));
    out.push_back('"');
    start = quote + 1;
  }
  out.append(trimmed.substr(start));
  out.push_back('"');
}

std::string QuoteTheString(std::string_view text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  AppendQuoted(text, quoted);
  return quoted;
}

std::string QuoteIfItSplitsTheLine(std::string_view text, std::string_view field_delimiter) {
  bool splits = text.find_first_of("\"\r\n") != std::string_view::npos ||
                (!field_delimiter.empty() && text.find(field_delimiter) != std::string_view::npos);
  return splits ? QuoteTheString(text) : std::string(text);
}

}  // namespace tabulo::text
