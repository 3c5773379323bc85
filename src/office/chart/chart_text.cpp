#include "office/chart/chart_text.h"

#include <cmath>
#include <stdexcept>

namespace tabulo::office {

void CheckChartFont(const ChartFont& font) {
  if (!std::isfinite(font.size) || font.size < kMinChartFontSize || font.size > kMaxChartFontSize)
    throw std::invalid_argument("a chart font size must be 1 to 409 points");
}

std::vector<std::string_view> TextLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' && text[at] != '\n') continue;
    lines.push_back(text.substr(start, at - start));
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace tabulo::office
