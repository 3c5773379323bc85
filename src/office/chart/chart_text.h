#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabulo::office {

// The font of a chart text. An empty name keeps the chart's font.
struct ChartFont {
  std::string name{};
  bool bold = false;
  double size = 10;  // points

  friend bool operator==(const ChartFont&, const ChartFont&) = default;
};

// Font sizes a chart text takes, in points.
inline constexpr double kMinChartFontSize = 1;
inline constexpr double kMaxChartFontSize = 409;

// Throws std::invalid_argument for a size outside 1 to 409 points.
void CheckChartFont(const ChartFont& font);

// The lines of a chart text: a carriage return, a line feed or both
// together start a new line (a break inside one text run would not show).
std::vector<std::string_view> TextLines(std::string_view text);

}  // namespace tabulo::office
