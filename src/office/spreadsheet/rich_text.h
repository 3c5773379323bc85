#pragma once

#include <optional>
#include <string>
#include <vector>

#include "office/spreadsheet/cell_format.h"

namespace tabulo::office {

// A piece of a rich-text cell with its own character format. Members left
// unset take the cell's font, whatever it is when the workbook is written.
struct TextRun {
  std::string text{};
  std::optional<std::string> font_name{};
  std::optional<double> size{};
  std::optional<bool> bold{};
  std::optional<bool> italic{};
  std::optional<bool> underline{};
  std::optional<Colour> colour{};

  friend bool operator==(const TextRun&, const TextRun&) = default;
};

using RichText = std::vector<TextRun>;

// The run's font: the cell's font with the run's own members laid over it.
Font ResolveRunFont(const Font& cell_font, const TextRun& run);
// The text of all runs one after the other.
std::string PlainText(const RichText& runs);

}  // namespace tabulo::office
