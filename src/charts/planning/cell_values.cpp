#include "charts/planning/cell_values.h"

#include <charconv>
#include <cmath>

#include "frame/vocabularies.h"
#include "platform/locales.h"
#include "platform/variant.h"
#include "tables/ccell_item.h"
#include "tables/cproperty.h"
#include "tables/crows.h"

namespace tabulo::charts {
namespace {

using tables::CellItemType;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The leading decimal number: blanks, a sign, digits with an optional
// fraction and exponent; reading stops at the first other character.
double LeadingNumber(std::string_view text) {
  std::size_t start = text.find_first_not_of(" \t\r\n");
  if (start == std::string_view::npos) return 0.0;
  text.remove_prefix(start);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // from_chars also reads "inf" and "nan", which are not numbers of a cell.
  if (text.empty() ||
      !(IsDigit(text.front()) || (text.front() == '.' && text.size() > 1 && IsDigit(text[1])))) {
    return 0.0;
  }
  double value = 0.0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too large for a double (too small ones come back as 0).
    return 0.0;
  }
  if (error != std::errc{} || !std::isfinite(value)) return 0.0;
  return negative ? -value : value;
}

std::size_t LeafPosition(const tables::CElementHeading* element) {
  if (element == nullptr || element->GetLeafIndex() < 0) return 0;
  return static_cast<std::size_t>(element->GetLeafIndex());
}

std::size_t ItemCount(const tables::CTable& table) {
  return table.CellItems() != nullptr ? table.CellItems()->size() : 0;
}

std::optional<std::size_t> FirstOfType(const tables::CTable& table, CellItemType type) {
  for (std::size_t i = 0; i < ItemCount(table); ++i) {
    if ((*table.CellItems())[i].Type() == type) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> FirstOfCode(const tables::CTable& table, std::int32_t code) {
  if (code < 0 || code > static_cast<std::int32_t>(CellItemType::kRowRanks)) return std::nullopt;
  return FirstOfType(table, static_cast<CellItemType>(code));
}

}  // namespace

double CellNumber(std::string_view text, std::int32_t locale_id) {
  if (text.empty()) return 0.0;
  if (locale_id != 0) {
    std::string_view number = text;
    if (number.back() == '%') number.remove_suffix(1);
    double value = 0.0;
    if (platform::Succeeded(
            platform::ParseLocaleDouble(number, static_cast<std::uint32_t>(locale_id), value)) &&
        std::isfinite(value)) {
      return value;
    }
  }
  return LeadingNumber(text);
}

CellValues::CellValues(const tables::CTable& table, bool rows_as_series, std::int32_t locale_id)
    : table_(table), rows_as_series_(rows_as_series), locale_id_(locale_id) {}

std::string_view CellValues::Text(const tables::CElementHeading* series,
                                  const tables::CElementHeading* category, std::size_t item) const {
  const tables::CElementHeading* row_element = rows_as_series_ ? series : category;
  const tables::CElementHeading* column_element = rows_as_series_ ? category : series;
  const tables::CRows* rows = table_.Rows();
  std::size_t row_index = LeafPosition(row_element);
  if (rows == nullptr || row_index >= rows->size()) return {};
  tables::CRow row = (*rows)[row_index];
  std::size_t value_index = LeafPosition(column_element) * ItemCount(table_) + item;
  if (value_index >= row.size()) return {};
  return row[value_index];
}

double CellValues::Number(const tables::CElementHeading* series, const tables::CElementHeading* category,
                          std::size_t item) const {
  return CellNumber(Text(series, category, item), locale_id_);
}

std::size_t ChartCellItemIndex(const tables::CTable& table, std::int32_t setting) {
  if (const tables::CProperties* properties = table.Properties()) {
    const tables::CProperty* property = properties->Find("ChartCellItem");
    if (property != nullptr && property->Value().type() == platform::VarType::Bstr) {
      int code = frame::LookupVocabulary(frame::ChartCellItems(), property->Value().string())
                     .value_or(frame::kDefaultChartCellItemCode);
      if (auto index = FirstOfCode(table, code)) return *index;
    }
  }
  if (auto index = FirstOfCode(table, setting)) return *index;
  if (auto index = FirstOfType(table, CellItemType::kCount)) return *index;
  return 0;
}

std::optional<std::size_t> BaseCellItemIndex(const tables::CTable& table, bool single_valued) {
  if (single_valued) return 0;
  if (auto index = FirstOfType(table, CellItemType::kCount)) return index;
  return FirstOfType(table, CellItemType::kUnweightedCounts);
}

}  // namespace tabulo::charts
