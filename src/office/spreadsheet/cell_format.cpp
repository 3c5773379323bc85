#include "office/spreadsheet/cell_format.h"

#include <functional>
#include <stdexcept>

#include "office/markup/xml_characters.h"

namespace tabulo::office {
namespace {

void Mix(std::size_t& seed, std::size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6U) + (seed >> 2U);
}

std::size_t HashColour(const Colour& colour) { return colour.automatic ? 0x1000000U : colour.rgb; }

std::size_t HashLine(const BorderLine& line) {
  return (HashColour(line.colour) << 4U) ^ static_cast<std::size_t>(line.style);
}

}  // namespace

void CheckFormatChange(const FormatChange& change) {
  if (change.font_size && !(*change.font_size >= 1 && *change.font_size <= 409)) {
    throw std::invalid_argument("font size outside 1 to 409 points");
  }
  if (change.font_name && (change.font_name->empty() || Utf16Length(*change.font_name) > 31)) {
    throw std::invalid_argument("font name empty or longer than 31 characters");
  }
  if (change.rotation && *change.rotation != kStackedRotation &&
      (*change.rotation < -90 || *change.rotation > 90)) {
    throw std::invalid_argument("text rotation outside -90 to 90 degrees");
  }
  if (change.indent && (*change.indent < 0 || *change.indent > 250)) {
    throw std::invalid_argument("indent outside 0 to 250");
  }
  if (change.number_format && change.number_format->empty()) {
    throw std::invalid_argument("empty number format");
  }
}

void ApplyChange(CellFormat& format, const FormatChange& change) {
  if (change.number_format) format.number_format = *change.number_format;
  if (change.font_name) format.font.name = *change.font_name;
  if (change.font_size) format.font.size = *change.font_size;
  if (change.bold) format.font.bold = *change.bold;
  if (change.italic) format.font.italic = *change.italic;
  if (change.underline) format.font.underline = *change.underline;
  if (change.font_colour) format.font.colour = *change.font_colour;
  if (change.fill) format.fill = *change.fill;
  if (change.left_border) format.borders.left = *change.left_border;
  if (change.right_border) format.borders.right = *change.right_border;
  if (change.top_border) format.borders.top = *change.top_border;
  if (change.bottom_border) format.borders.bottom = *change.bottom_border;
  if (change.horizontal) format.alignment.horizontal = *change.horizontal;
  if (change.vertical) format.alignment.vertical = *change.vertical;
  if (change.rotation) format.alignment.rotation = *change.rotation;
  if (change.wrap_text) format.alignment.wrap_text = *change.wrap_text;
  if (change.indent) format.alignment.indent = *change.indent;
  if (change.shrink_to_fit) format.alignment.shrink_to_fit = *change.shrink_to_fit;
}

std::size_t HashOf(const Font& font) {
  std::size_t seed = std::hash<std::string>()(font.name);
  Mix(seed, std::hash<double>()(font.size));
  Mix(seed, (font.bold ? 1U : 0U) | (font.italic ? 2U : 0U) | (font.underline ? 4U : 0U));
  Mix(seed, HashColour(font.colour));
  return seed;
}

std::size_t HashOf(const CellFormat& format) {
  std::size_t seed = std::hash<std::string>()(format.number_format);
  Mix(seed, HashOf(format.font));
  Mix(seed, format.fill.solid_rgb ? *format.fill.solid_rgb : 0x1000000U);
  Mix(seed, HashLine(format.borders.left));
  Mix(seed, HashLine(format.borders.right));
  Mix(seed, HashLine(format.borders.top));
  Mix(seed, HashLine(format.borders.bottom));
  const Alignment& alignment = format.alignment;
  Mix(seed, static_cast<std::size_t>(alignment.horizontal) |
                (static_cast<std::size_t>(alignment.vertical) << 4U) | (alignment.wrap_text ? 0x100U : 0U) |
                (alignment.shrink_to_fit ? 0x200U : 0U));
  Mix(seed, static_cast<std::size_t>(alignment.rotation + 1000) * 1000U +
                static_cast<std::size_t>(alignment.indent));
  Mix(seed, std::hash<std::string>()(format.style_name));
  return seed;
}

}  // namespace tabulo::office
