#include "office/spreadsheet/auto_fit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "office/spreadsheet/number_display.h"
#include "office/spreadsheet/text_metrics.h"
#include "office/spreadsheet/worksheet.h"

namespace tabulo::office {
namespace {

constexpr double kAirPixels = 2;
constexpr double kCellPaddingPixels = 5;
constexpr int kIndentDigits = 3;

struct Piece {
  std::string text;
  Font font;
};
using Line = std::vector<Piece>;

std::string CachedText(const CachedValue& value, const std::string& number_format) {
  if (const double* number = std::get_if<double>(&value)) return DisplayedNumber(*number, number_format);
  if (const std::string* text = std::get_if<std::string>(&value)) return *text;
  if (const bool* flag = std::get_if<bool>(&value)) return *flag ? "TRUE" : "FALSE";
  return {};
}

std::vector<Piece> DisplayedPieces(const Worksheet& sheet, const StoredCell& cell, const CellFormat& format) {
  switch (cell.kind) {
    case CellKind::kBlank:
      return {};
    case CellKind::kNumber:
      return {{DisplayedNumber(cell.number, format.number_format), format.font}};
    case CellKind::kText:
      return {{sheet.Context().texts.Get(cell.ref), format.font}};
    case CellKind::kBoolean:
      return {{cell.number != 0 ? "TRUE" : "FALSE", format.font}};
    case CellKind::kFormula:
      return {{CachedText(sheet.FormulaAt(cell.ref).cached, format.number_format), format.font}};
    case CellKind::kRichText: {
      std::vector<Piece> pieces;
      for (const TextRun& run : sheet.RichTextAt(cell.ref)) {
        pieces.push_back({run.text, ResolveRunFont(format.font, run)});
      }
      return pieces;
    }
  }
  return {};
}

// Splits the pieces at line feeds.
std::vector<Line> SplitLines(const std::vector<Piece>& pieces) {
  std::vector<Line> lines(1);
  for (const Piece& piece : pieces) {
    std::size_t start = 0;
    while (true) {
      const std::size_t feed = piece.text.find('\n', start);
      lines.back().push_back({piece.text.substr(start, feed - start), piece.font});
      if (feed == std::string::npos) break;
      lines.emplace_back();
      start = feed + 1;
    }
  }
  return lines;
}

double LineWidthPixels(const Line& line) {
  double points = 0;
  for (const Piece& piece : line) points += TextWidthPoints(piece.text, piece.font);
  return PointsToPixels(points);
}

int LineHeight(const Line& line, const Font& cell_font) {
  int height = 0;
  for (const Piece& piece : line) height = std::max(height, LineHeightPixels(piece.font));
  return height > 0 ? height : LineHeightPixels(cell_font);
}

// Number of lines a line takes when broken between words to fit `available` pixels.
int WrappedLineCount(const Line& line, double available) {
  int count = 1;
  double used = 0;
  bool line_has_word = false;
  for (const Piece& piece : line) {
    const double space = PointsToPixels(TextWidthPoints(" ", piece.font));
    std::size_t start = 0;
    while (start <= piece.text.size()) {
      std::size_t blank = piece.text.find(' ', start);
      if (blank == std::string::npos) blank = piece.text.size();
      const std::string_view word = std::string_view(piece.text).substr(start, blank - start);
      const double width = PointsToPixels(TextWidthPoints(word, piece.font));
      const double needed = line_has_word ? used + space + width : width;
      if (line_has_word && needed > available) {
        ++count;
        used = width;
      } else {
        used = needed;
      }
      line_has_word = line_has_word || !word.empty();
      start = blank + 1;
    }
  }
  return count;
}

struct Extent {
  double width = 0;   // pixels across the column
  double height = 0;  // pixels down the row
};

// The unturned block of lines: its widest line and its lines' heights.
Extent BlockExtent(const std::vector<Line>& lines, const CellFormat& format) {
  Extent extent;
  for (const Line& line : lines) {
    extent.width = std::max(extent.width, LineWidthPixels(line));
    extent.height += LineHeight(line, format.font);
  }
  return extent;
}

Extent TurnedExtent(const Extent& block, std::int32_t rotation) {
  const double angle = std::fabs(rotation) * std::numbers::pi / 180.0;
  return {block.width * std::cos(angle) + block.height * std::sin(angle),
          block.width * std::sin(angle) + block.height * std::cos(angle)};
}

double WidestCharacterPixels(const std::vector<Line>& lines) {
  double widest = 0;
  for (const Line& line : lines) {
    for (const Piece& piece : line) {
      for (char c : piece.text) {
        widest = std::max(widest, PointsToPixels(TextWidthPoints(std::string(1, c), piece.font)));
      }
    }
  }
  return widest;
}

bool InMergedRange(const Worksheet& sheet, CellRef cell) { return sheet.MergedRangeAt(cell).has_value(); }

const StoredCell* CellInRow(const StoredRow& row, std::int32_t column) {
  auto found =
      std::lower_bound(row.cells.begin(), row.cells.end(), column,
                       [](const StoredCell& cell, std::int32_t value) { return cell.column < value; });
  return found != row.cells.end() && found->column == column ? &*found : nullptr;
}

}  // namespace

double FittedColumnWidth(const Worksheet& sheet, std::int32_t column) {
  const int digit = MaxDigitWidthPixels(sheet.Context().Normal().font);
  double widest = -1;
  for (const auto& [row_number, row] : sheet.Rows()) {
    const StoredCell* cell = CellInRow(row, column);
    if (cell == nullptr || cell->kind == CellKind::kBlank || InMergedRange(sheet, {row_number, column}))
      continue;
    const CellFormat& format = sheet.Context().formats.Get(cell->format);
    const std::vector<Line> lines = SplitLines(DisplayedPieces(sheet, *cell, format));
    const std::int32_t rotation = format.alignment.rotation;
    double width = 0;
    if (rotation == kStackedRotation) {
      width = WidestCharacterPixels(lines);
    } else {
      width = TurnedExtent(BlockExtent(lines, format), rotation).width;
    }
    width += format.alignment.indent * kIndentDigits * digit;
    widest = std::max(widest, width);
  }
  if (widest < 0) return sheet.DefaultColumnWidth().value_or(kStandardColumnWidth);
  const double characters = (std::ceil(widest - 1e-9) + kAirPixels) / digit;
  return std::min(kMaxColumnWidth, std::ceil(characters * 100 - 1e-9) / 100);
}

double FittedRowHeight(const Worksheet& sheet, std::int32_t row_number) {
  const int digit = MaxDigitWidthPixels(sheet.Context().Normal().font);
  double tallest = -1;
  auto row = sheet.Rows().find(row_number);
  if (row != sheet.Rows().end()) {
    for (const StoredCell& cell : row->second.cells) {
      if (cell.kind == CellKind::kBlank || InMergedRange(sheet, {row_number, cell.column})) continue;
      const CellFormat& format = sheet.Context().formats.Get(cell.format);
      std::vector<Line> lines = SplitLines(DisplayedPieces(sheet, cell, format));
      const std::int32_t rotation = format.alignment.rotation;
      double height = 0;
      if (rotation == kStackedRotation) {
        for (const Line& line : lines) {
          std::size_t characters = 0;
          for (const Piece& piece : line) characters += piece.text.size();
          height = std::max(
              height,
              static_cast<double>(characters * static_cast<std::size_t>(LineHeight(line, format.font))));
        }
      } else if (rotation != 0) {
        height = TurnedExtent(BlockExtent(lines, format), rotation).height + kCellPaddingPixels + kAirPixels;
      } else if (!format.alignment.wrap_text) {
        height = LineHeight(lines.front(), format.font);
        for (const Line& line : lines)
          height = std::max(height, static_cast<double>(LineHeight(line, format.font)));
        height = std::max(height, static_cast<double>(LineHeightPixels(format.font)));
      } else {
        const double column_pixels = std::round(sheet.ColumnWidth(cell.column) * digit) + kCellPaddingPixels;
        const double available =
            column_pixels - kCellPaddingPixels - kAirPixels - format.alignment.indent * kIndentDigits * digit;
        for (const Line& line : lines)
          height += WrappedLineCount(line, available) * LineHeight(line, format.font);
      }
      tallest = std::max(tallest, height);
    }
  }
  if (tallest < 0) return sheet.DefaultRowHeight().value_or(LineHeightPoints(sheet.Context().Normal().font));
  return std::min(kMaxRowHeight, PixelsToPoints(std::ceil(tallest - 1e-9)));
}

}  // namespace tabulo::office
