#include "office/spreadsheet/worksheet.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>

#include "office/markup/xml_characters.h"
#include "office/spreadsheet/auto_fit.h"
#include "office/spreadsheet/text_metrics.h"

namespace tabulo::office {
namespace {

// Empties a container and gives its memory back (clear() keeps a vector's).
template <typename Container>
void FreeMemory(Container& container) {
  Container().swap(container);
}

void CheckCellText(std::string_view text) {
  if (text.size() > kMaxCellTextLength && Utf16Length(text) > kMaxCellTextLength) {
    throw std::length_error("a cell cannot hold more than 32767 characters");
  }
}

void CheckCount(const CellRange& range) {
  CheckRange(range);
  if (range.CellCount() > kMaxCellsPerCall) throw std::length_error("range too large: " + RangeName(range));
}

bool IsGeneral(std::string_view code) {
  constexpr std::string_view kGeneral = "general";
  if (code.size() != kGeneral.size()) return false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i] >= 'A' && code[i] <= 'Z' ? static_cast<char>(code[i] - 'A' + 'a') : code[i];
    if (c != kGeneral[i]) return false;
  }
  return true;
}

}  // namespace

Worksheet::Worksheet(std::string name, WorkbookContext& context)
    : name_(std::move(name)), context_(context) {}

void Worksheet::CheckHeld() const {
  if (released_) throw std::logic_error("the worksheet '" + name_ + "' has been written out");
}

void Worksheet::Release() {
  had_formulas_ = HasFormulas();
  released_ = true;
  FreeMemory(rows_);
  FreeMemory(rich_texts_);
  FreeMemory(formulas_);
  FreeMemory(merged_);
  FreeMemory(number_as_text_ignored_);
  FreeMemory(column_widths_);
  FreeMemory(drawings_);
}

bool Worksheet::HasFormulas() const {
  if (released_) return had_formulas_;
  for (const auto& [number, row] : rows_) {
    for (const StoredCell& cell : row.cells) {
      if (cell.kind == CellKind::kFormula) return true;
    }
  }
  return false;
}

const StoredCell* Worksheet::FindCell(CellRef cell) const {
  CheckHeld();
  auto row = rows_.find(cell.row);
  if (row == rows_.end()) return nullptr;
  const auto& cells = row->second.cells;
  auto found =
      std::lower_bound(cells.begin(), cells.end(), cell.column,
                       [](const StoredCell& stored, std::int32_t column) { return stored.column < column; });
  return found != cells.end() && found->column == cell.column ? &*found : nullptr;
}

StoredRow& Worksheet::RowAt(std::int32_t row) {
  CheckHeld();
  // Rows are mostly written in order: the last row, or one after it, needs no search.
  if (!rows_.empty()) {
    auto last = std::prev(rows_.end());
    if (last->first == row) return last->second;
    if (last->first < row) return rows_.emplace_hint(rows_.end(), row, StoredRow{})->second;
  }
  return rows_[row];
}

StoredCell& Worksheet::CellAt(CellRef cell) {
  CheckCell(cell);
  auto& cells = RowAt(cell.row).cells;
  if (cells.empty() || cells.back().column < cell.column) {
    return cells.emplace_back(StoredCell{cell.column, base_format_, 0, 0, CellKind::kBlank});
  }
  auto found =
      std::lower_bound(cells.begin(), cells.end(), cell.column,
                       [](const StoredCell& stored, std::int32_t column) { return stored.column < column; });
  if (found != cells.end() && found->column == cell.column) return *found;
  return *cells.insert(found, StoredCell{cell.column, base_format_, 0, 0, CellKind::kBlank});
}

template <typename Visit>
void Worksheet::ForEachCell(const CellRange& range, Visit visit) {
  CheckCount(range);
  for (std::int32_t row = range.first.row; row <= range.last.row; ++row) {
    auto& cells = RowAt(row).cells;
    // Merge the row's cells with the range's columns in one pass.
    std::vector<StoredCell> merged;
    merged.reserve(cells.size() + static_cast<std::size_t>(range.ColumnCount()));
    auto existing = cells.begin();
    while (existing != cells.end() && existing->column < range.first.column) merged.push_back(*existing++);
    for (std::int32_t column = range.first.column; column <= range.last.column; ++column) {
      if (existing != cells.end() && existing->column == column) {
        merged.push_back(*existing++);
      } else {
        merged.push_back(StoredCell{column, base_format_, 0, 0, CellKind::kBlank});
      }
      visit(merged.back());
    }
    merged.insert(merged.end(), existing, cells.end());
    cells = std::move(merged);
  }
}

void Worksheet::StoreValue(CellRef cell, CellKind kind, double number, std::uint32_t ref) {
  StoredCell& stored = CellAt(cell);
  stored.kind = kind;
  stored.number = number;
  stored.ref = ref;
}

void Worksheet::SetText(CellRef cell, std::string_view text) {
  CheckCell(cell);
  CheckCellText(text);
  StoreValue(cell, CellKind::kText, 0, context_.texts.Intern(text));
}

void Worksheet::SetNumber(CellRef cell, double value) {
  if (!std::isfinite(value)) throw std::invalid_argument("a cell cannot hold an infinite number or NaN");
  StoreValue(cell, CellKind::kNumber, value, 0);
}

void Worksheet::SetBoolean(CellRef cell, bool value) {
  StoreValue(cell, CellKind::kBoolean, value ? 1 : 0, 0);
}

void Worksheet::SetRichText(CellRef cell, RichText runs) {
  CheckCell(cell);
  if (runs.empty()) {
    ClearValue(cell);
    return;
  }
  CheckCellText(PlainText(runs));
  for (const TextRun& run : runs) {
    FormatChange change;
    change.font_name = run.font_name;
    change.font_size = run.size;
    CheckFormatChange(change);
  }
  const StoredCell* existing = FindCell(cell);
  if (existing != nullptr && existing->kind == CellKind::kRichText) {
    rich_texts_[existing->ref] = std::move(runs);
    return;
  }
  rich_texts_.push_back(std::move(runs));
  StoreValue(cell, CellKind::kRichText, 0, static_cast<std::uint32_t>(rich_texts_.size() - 1));
}

void Worksheet::SetFormula(CellRef cell, std::string_view formula, CachedValue cached) {
  CheckCell(cell);
  if (!formula.empty() && formula.front() == '=') formula.remove_prefix(1);
  if (formula.empty()) throw std::invalid_argument("empty formula");
  if (Utf16Length(formula) > kMaxFormulaLength)
    throw std::length_error("formula longer than 8192 characters");
  if (const double* number = std::get_if<double>(&cached); number != nullptr && !std::isfinite(*number)) {
    throw std::invalid_argument("a cell cannot hold an infinite number or NaN");
  }
  if (const std::string* text = std::get_if<std::string>(&cached)) CheckCellText(*text);
  Formula stored{std::string(formula), std::move(cached)};
  const StoredCell* existing = FindCell(cell);
  if (existing != nullptr && existing->kind == CellKind::kFormula) {
    formulas_[existing->ref] = std::move(stored);
    return;
  }
  formulas_.push_back(std::move(stored));
  StoreValue(cell, CellKind::kFormula, 0, static_cast<std::uint32_t>(formulas_.size() - 1));
}

void Worksheet::ClearValue(CellRef cell) {
  CheckCell(cell);
  if (FindCell(cell) != nullptr) StoreValue(cell, CellKind::kBlank, 0, 0);
}

CellValue Worksheet::ValueAt(CellRef cell) const {
  CheckCell(cell);
  const StoredCell* stored = FindCell(cell);
  if (stored == nullptr) return {};
  switch (stored->kind) {
    case CellKind::kBlank:
      return {};
    case CellKind::kNumber:
      return stored->number;
    case CellKind::kText:
      return context_.texts.Get(stored->ref);
    case CellKind::kBoolean:
      return stored->number != 0;
    case CellKind::kRichText:
      return rich_texts_[stored->ref];
    case CellKind::kFormula:
      return formulas_[stored->ref];
  }
  return {};
}

const CellFormat& Worksheet::FormatAt(CellRef cell) const {
  CheckCell(cell);
  const StoredCell* stored = FindCell(cell);
  return context_.formats.Get(stored != nullptr ? stored->format : base_format_);
}

void Worksheet::ReformatRange(const CellRange& range, const auto& reformat) {
  // Most cells of a range share a format: work each distinct one out once.
  std::unordered_map<FormatTable::Id, FormatTable::Id> done;
  ForEachCell(range, [&](StoredCell& cell) {
    auto found = done.find(cell.format);
    if (found == done.end()) {
      CellFormat format = context_.formats.Get(cell.format);
      reformat(format);
      found = done.emplace(cell.format, context_.formats.Intern(format)).first;
    }
    cell.format = found->second;
  });
}

void Worksheet::ApplyFormat(const CellRange& range, const FormatChange& change) {
  CheckFormatChange(change);
  ReformatRange(range, [&](CellFormat& format) { ApplyChange(format, change); });
}

void Worksheet::SetNumberFormat(const CellRange& range, std::string_view code) {
  FormatChange change;
  change.number_format = IsGeneral(code) ? std::string("General") : std::string(code);
  ApplyFormat(range, change);
}

void Worksheet::ApplyStyle(const CellRange& range, std::string_view style_name) {
  const NamedStyle* style = context_.FindStyle(style_name);
  if (style == nullptr) throw std::invalid_argument("no style named " + std::string(style_name));
  ReformatRange(range, [style](CellFormat& format) {
    const CellFormat& source = style->format;
    format.style_name = style->name;
    if (style->include_number) format.number_format = source.number_format;
    if (style->include_font) format.font = source.font;
    if (style->include_alignment) format.alignment = source.alignment;
    if (style->include_border) format.borders = source.borders;
    if (style->include_fill) format.fill = source.fill;
  });
}

void Worksheet::SetOuterBorder(const CellRange& range, BorderEdge edge, const BorderLine& line) {
  CheckRange(range);
  CellRange side = range;
  FormatChange change;
  switch (edge) {
    case BorderEdge::kLeft:
      side.last.column = range.first.column;
      change.left_border = line;
      break;
    case BorderEdge::kRight:
      side.first.column = range.last.column;
      change.right_border = line;
      break;
    case BorderEdge::kTop:
      side.last.row = range.first.row;
      change.top_border = line;
      break;
    case BorderEdge::kBottom:
      side.first.row = range.last.row;
      change.bottom_border = line;
      break;
  }
  ApplyFormat(side, change);
}

void Worksheet::ReformatAllCells(const std::function<void(CellFormat&)>& reformat) {
  CheckHeld();
  std::unordered_map<FormatTable::Id, FormatTable::Id> done;
  const auto new_id = [&](FormatTable::Id id) {
    auto found = done.find(id);
    if (found == done.end()) {
      CellFormat format = context_.formats.Get(id);
      reformat(format);
      found = done.emplace(id, context_.formats.Intern(format)).first;
    }
    return found->second;
  };
  for (auto& [row_number, row] : rows_) {
    for (StoredCell& cell : row.cells) cell.format = new_id(cell.format);
  }
  base_format_ = new_id(base_format_);
}

void Worksheet::ApplyFormatToAllCells(const FormatChange& change) {
  CheckFormatChange(change);
  ReformatAllCells([&change](CellFormat& format) { ApplyChange(format, change); });
}

void Worksheet::HideAllText() {
  ReformatAllCells(
      [](CellFormat& format) { format.font.colour = Colour::Rgb(format.fill.solid_rgb.value_or(0xFFFFFF)); });
}

void Worksheet::Merge(const CellRange& range) {
  CheckHeld();
  CheckRange(range);
  if (range.IsSingleCell()) return;
  for (const CellRange& merged : merged_) {
    if (merged.Intersects(range)) {
      throw std::invalid_argument("merged range " + RangeName(range) + " overlaps " + RangeName(merged));
    }
  }
  merged_.push_back(range);
  for (auto row = rows_.lower_bound(range.first.row); row != rows_.end() && row->first <= range.last.row;
       ++row) {
    for (StoredCell& cell : row->second.cells) {
      const bool top_left = row->first == range.first.row && cell.column == range.first.column;
      if (!top_left && cell.column >= range.first.column && cell.column <= range.last.column) {
        cell.kind = CellKind::kBlank;
      }
    }
  }
}

std::optional<CellRange> Worksheet::MergedRangeAt(CellRef cell) const {
  CheckHeld();
  for (const CellRange& merged : merged_) {
    if (merged.Contains(cell)) return merged;
  }
  return std::nullopt;
}

void Worksheet::IgnoreNumberStoredAsText(CellRef cell) {
  CheckHeld();
  CheckCell(cell);
  number_as_text_ignored_.insert(cell);
}

namespace {

void CheckWidth(double characters) {
  if (!(characters >= 0 && characters <= kMaxColumnWidth))
    throw std::invalid_argument("column width outside 0 to 255");
}

void CheckHeight(double points) {
  if (!(points >= 0 && points <= kMaxRowHeight))
    throw std::invalid_argument("row height outside 0 to 409 points");
}

void CheckColumn(std::int32_t column) { CheckCell({1, column}); }
void CheckRow(std::int32_t row) { CheckCell({row, 1}); }

}  // namespace

void Worksheet::SetDefaultColumnWidth(double characters) {
  CheckHeld();
  CheckWidth(characters);
  default_column_width_ = characters;
  column_widths_.clear();
}

void Worksheet::SetColumnWidth(std::int32_t column, double characters) {
  CheckHeld();
  CheckColumn(column);
  CheckWidth(characters);
  column_widths_[column] = characters;
}

double Worksheet::ColumnWidth(std::int32_t column) const {
  CheckHeld();
  CheckColumn(column);
  auto found = column_widths_.find(column);
  if (found != column_widths_.end()) return found->second;
  return default_column_width_.value_or(kStandardColumnWidth);
}

void Worksheet::SetDefaultRowHeight(double points) {
  CheckHeld();
  CheckHeight(points);
  default_row_height_ = points;
  for (auto& [number, row] : rows_) row.height.reset();
}

void Worksheet::SetRowHeight(std::int32_t row, double points) {
  CheckRow(row);
  CheckHeight(points);
  RowAt(row).height = points;
}

double Worksheet::RowHeight(std::int32_t row) const {
  CheckHeld();
  CheckRow(row);
  auto found = rows_.find(row);
  if (found != rows_.end() && found->second.height) return *found->second.height;
  return default_row_height_.value_or(LineHeightPoints(context_.Normal().font));
}

void Worksheet::AutoFitColumn(std::int32_t column) {
  CheckColumn(column);
  SetColumnWidth(column, FittedColumnWidth(*this, column));
}

void Worksheet::AutoFitRows(std::int32_t first_row, std::int32_t last_row) {
  CheckRow(first_row);
  CheckRow(last_row);
  for (std::int32_t row = first_row; row <= last_row; ++row) SetRowHeight(row, FittedRowHeight(*this, row));
}

void Worksheet::SetPageSetup(const PageSetup& setup) {
  CheckHeld();
  CheckPageSetup(setup);
  page_setup_ = setup;
}

void Worksheet::SelectCell(CellRef cell) {
  CheckCell(cell);
  active_cell_ = cell;
}

DrawingObject& Worksheet::AddDrawing(std::unique_ptr<DrawingObject> drawing) {
  CheckHeld();
  if (!drawing) throw std::invalid_argument("no drawing");
  const PointFrame& frame = drawing->Frame();
  if (!(frame.left >= 0 && frame.top >= 0 && frame.width > 0 && frame.height > 0) ||
      !std::isfinite(frame.left + frame.top + frame.width + frame.height)) {
    throw std::invalid_argument("a drawing needs a position on the sheet and a size");
  }
  return *drawings_.emplace_back(std::move(drawing));
}

std::optional<CellRange> Worksheet::UsedRange() const {
  std::optional<CellRange> used;
  for (const auto& [row, stored] : rows_) {
    if (stored.cells.empty()) continue;
    const std::int32_t first = stored.cells.front().column;
    const std::int32_t last = stored.cells.back().column;
    if (!used) {
      used = CellRange{{row, first}, {row, last}};
    } else {
      used->first.column = std::min(used->first.column, first);
      used->last.column = std::max(used->last.column, last);
      used->last.row = row;
    }
  }
  return used;
}

}  // namespace tabulo::office
