#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabulo::excel {

// The largest sheet the operations accept: rows and columns of an .xlsx sheet.
inline constexpr std::int32_t kSheetRows = 1048576;
inline constexpr std::int32_t kSheetColumns = 16384;

// A cell by 1-based row and column, as Cells(row, column) addresses it.
struct CellRef {
  std::int32_t row = 1;
  std::int32_t column = 1;

  friend auto operator<=>(const CellRef&, const CellRef&) = default;
};

// The rectangle from `first` to `last`, both included (Range(cell, cell)).
// `first` is the top left corner, `last` the bottom right one.
struct CellRange {
  CellRef first;
  CellRef last;

  static CellRange Single(CellRef cell) { return {cell, cell}; }
  std::int32_t RowCount() const { return last.row - first.row + 1; }
  std::int32_t ColumnCount() const { return last.column - first.column + 1; }
  bool IsSingleCell() const { return first == last; }

  friend auto operator<=>(const CellRange&, const CellRange&) = default;
};

// Excel's alignment constants, kept at their numbers.
enum class HorizontalAlignment : std::int32_t {
  kGeneral = 1,
  kLeft = -4131,
  kCenter = -4108,
  kRight = -4152
};
enum class VerticalAlignment : std::int32_t { kTop = -4160, kCenter = -4108, kBottom = -4107 };

// Border edges and line properties, at Excel's numbers.
enum class BorderEdge : std::int32_t { kLeft = 7, kTop = 8, kBottom = 9, kRight = 10 };
enum class LineStyle : std::int32_t { kContinuous = 1 };
enum class BorderWeight : std::int32_t { kThin = 2 };

struct Border {
  LineStyle style = LineStyle::kContinuous;
  BorderWeight weight = BorderWeight::kThin;

  friend bool operator==(const Border&, const Border&) = default;
};

// Font and alignment of cells. Only the members that are set change; the
// others keep what the cells had. Colours are 0xRRGGBB.
struct CellFormat {
  std::optional<std::string> font_name;
  std::optional<double> font_size;  // points
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<std::uint32_t> font_colour;
  std::optional<std::int32_t> orientation;  // degrees of text rotation, -90 to 90
  std::optional<HorizontalAlignment> horizontal;
  std::optional<VerticalAlignment> vertical;
  std::optional<bool> wrap_text;
  std::optional<std::int32_t> indent_level;

  friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

// A piece of a rich-text cell with its own character format. Members left
// unset take the cell's font.
struct TextRun {
  std::string text;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  std::optional<std::uint32_t> colour;
  std::optional<double> size;
  std::optional<std::string> font_name;

  friend bool operator==(const TextRun&, const TextRun&) = default;
};

// A named workbook style (Styles.Add). The include flags say which parts of
// a cell's format applying the style sets; `format` holds the font and
// alignment parts.
struct NamedStyle {
  std::string name;
  CellFormat format;
  bool include_number = false;
  bool include_font = true;
  bool include_alignment = true;
  bool include_border = false;
  bool include_patterns = false;
  bool include_protection = false;
  bool shrink_to_fit = false;

  friend bool operator==(const NamedStyle&, const NamedStyle&) = default;
};

enum class PageOrientation : std::int32_t { kPortrait = 1, kLandscape = 2 };

// Text number format, so that labels such as "10-15" stay as typed.
inline constexpr std::string_view kTextFormat = "@";

}  // namespace tabulo::excel
