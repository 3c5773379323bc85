#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tabulo::office {

// A colour: automatic (the application's choice, black for text) or 0xRRGGBB.
struct Colour {
  bool automatic = true;
  std::uint32_t rgb = 0;

  static Colour Automatic() { return {}; }
  static Colour Rgb(std::uint32_t value) { return {false, value & 0xFFFFFFU}; }
  friend bool operator==(const Colour&, const Colour&) = default;
};

enum class HorizontalAlignment : std::uint8_t {
  kGeneral,
  kLeft,
  kCenter,
  kRight,
  kFill,
  kJustify,
  kCenterContinuous,
  kDistributed
};
enum class VerticalAlignment : std::uint8_t { kTop, kCenter, kBottom, kJustify, kDistributed };
enum class BorderStyle : std::uint8_t { kNone, kThin, kMedium, kThick, kDashed, kDotted, kDouble, kHair };

struct Font {
  std::string name = "Arial";
  double size = 10;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  Colour colour;

  friend bool operator==(const Font&, const Font&) = default;
};

// No fill, or a solid fill of one colour (the cell's interior colour).
struct Fill {
  std::optional<std::uint32_t> solid_rgb{};

  friend bool operator==(const Fill&, const Fill&) = default;
};

struct BorderLine {
  BorderStyle style = BorderStyle::kNone;
  Colour colour;

  friend bool operator==(const BorderLine&, const BorderLine&) = default;
};

struct Borders {
  BorderLine left;
  BorderLine right;
  BorderLine top;
  BorderLine bottom;

  friend bool operator==(const Borders&, const Borders&) = default;
};

// Text rotation in degrees: 0 to 90 turns the text counter-clockwise, -1 to
// -90 clockwise; kStackedRotation stacks the letters vertically.
inline constexpr std::int32_t kStackedRotation = 255;

struct Alignment {
  HorizontalAlignment horizontal = HorizontalAlignment::kGeneral;
  VerticalAlignment vertical = VerticalAlignment::kBottom;
  std::int32_t rotation = 0;
  bool wrap_text = false;
  std::int32_t indent = 0;  // levels, 0 to 250
  bool shrink_to_fit = false;

  friend bool operator==(const Alignment&, const Alignment&) = default;
};

// The complete format of a cell. `number_format` is a format code, "General"
// by default; `style_name` names the workbook style the cell is based on
// (empty: the Normal style).
struct CellFormat {
  std::string number_format = "General";
  Font font;
  Fill fill;
  Borders borders;
  Alignment alignment;
  std::string style_name;

  friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

// A change of some format members: only the members that are set change.
struct FormatChange {
  std::optional<std::string> number_format{};
  std::optional<std::string> font_name{};
  std::optional<double> font_size{};
  std::optional<bool> bold{};
  std::optional<bool> italic{};
  std::optional<bool> underline{};
  std::optional<Colour> font_colour{};
  std::optional<Fill> fill{};
  std::optional<BorderLine> left_border{};
  std::optional<BorderLine> right_border{};
  std::optional<BorderLine> top_border{};
  std::optional<BorderLine> bottom_border{};
  std::optional<HorizontalAlignment> horizontal{};
  std::optional<VerticalAlignment> vertical{};
  std::optional<std::int32_t> rotation{};
  std::optional<bool> wrap_text{};
  std::optional<std::int32_t> indent{};
  std::optional<bool> shrink_to_fit{};

  friend bool operator==(const FormatChange&, const FormatChange&) = default;
};

// Throws std::invalid_argument for values a workbook cannot hold: a font
// size outside 1 to 409 points, an empty font name or one longer than 31
// characters, a rotation outside -90 to 90 (other than kStackedRotation),
// an indent outside 0 to 250, an empty number format code.
void CheckFormatChange(const FormatChange& change);
// Applies the members of `change` that are set.
void ApplyChange(CellFormat& format, const FormatChange& change);

std::size_t HashOf(const CellFormat& format);
std::size_t HashOf(const Font& font);

}  // namespace tabulo::office
