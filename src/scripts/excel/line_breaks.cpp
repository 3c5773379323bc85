#include "scripts/excel/line_breaks.h"

namespace tabulo::excel {
namespace {

// The length of a line-break tag starting at `at`, or 0 when none starts there.
std::size_t BreakTagLength(std::string_view text, std::size_t at) {
  if (text.size() - at < 4 || text[at] != '<') return 0;
  char b = text[at + 1];
  char r = text[at + 2];
  if ((b != 'b' && b != 'B') || (r != 'r' && r != 'R')) return 0;
  std::size_t end = at + 3;
  while (end < text.size() && text[end] == ' ') ++end;
  while (end < text.size() && text[end] == '/') ++end;
  if (end < text.size() && text[end] == '>') return end + 1 - at;
  return 0;
}

}  // namespace

std::vector<std::string_view> SplitAtLineBreaks(std::string_view text) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at)) {
    std::size_t length = BreakTagLength(text, at);
    if (length == 0) {
      ++at;
      continue;
    }
    pieces.push_back(text.substr(start, at - start));
    at += length;
    start = at;
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

}  // namespace tabulo::excel
