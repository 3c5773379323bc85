#include <algorithm>
#include <string>

#include "scripts/text/ctable.h"
#include "scripts/text/script_error.h"
#include "scripts/text/table_queries.h"

namespace tabulo::text {
namespace {

constexpr std::string_view kPopulateCellValues = "CTable::PopulateCellValues";

// The options worth walking: indexes 0 to `last`, but none past the last one set.
std::uint64_t WalkEnd(const CellOptions& options, std::uint64_t last) {
  return std::min(last + 1, options.StoredEnd());
}

}  // namespace

void CTable::PopulateCellValues(const TableQueries& queries) {
  // A table without cell items has the values of one per cell, as the other
  // exports read it.
  std::size_t cell_items = std::max<std::size_t>(queries.CellItemCount(), 1);
  data_.Init(shown_rows_, shown_columns_, cell_items, field_delimiter_);
  std::uint64_t table_row = 0;
  std::uint64_t value_row = 0;
  for (std::uint64_t i = 0; i < WalkEnd(side_options_, all_rows_); ++i) {
    switch (side_options_.Get(i)) {
      case CELL_OPTION_NORMAL:
        FillRow(++table_row, ++value_row, cell_items);
        break;
      case CELL_OPTION_DO_NOT_SHOW:
        ++value_row;
        break;
      case CELL_OPTION_NO_VALUE:
        ++table_row;
        break;
      default:
        break;
    }
  }
}

void CTable::FillRow(std::uint64_t table_row, std::uint64_t value_row, std::size_t cell_items) {
  std::uint64_t row = value_row - 1;
  std::uint64_t value_id = 1;
  std::uint64_t table_column = 0;
  CDatum datum;
  for (std::uint64_t i = 0; i < WalkEnd(top_options_, all_columns_); ++i) {
    switch (top_options_.Get(i)) {
      case CELL_OPTION_NORMAL:
        ++table_column;
        datum.Init(cell_items);
        for (std::size_t item = 0; item < cell_items; ++item, ++value_id) {
          if (row >= values_->Count()) {
            throw ScriptError(kPopulateCellValues, "The table has no value row " + std::to_string(row + 1) +
                                                       " (it has " + std::to_string(values_->Count()) + ")");
          }
          std::optional<std::string_view> value =
              value_id <= UINT32_MAX
                  ? values_->Value(static_cast<std::size_t>(row), static_cast<std::uint32_t>(value_id))
                  : std::nullopt;
          if (!value) {
            throw ScriptError(kPopulateCellValues, "The value attribute c" + std::to_string(value_id) +
                                                       " is missing from value row " +
                                                       std::to_string(row + 1));
          }
          datum.AddToDatum(item, *value);
        }
        data_.AddDatum(table_row - 1, table_column - 1, datum);
        break;
      case CELL_OPTION_DO_NOT_SHOW:
        value_id += cell_items;
        break;
      case CELL_OPTION_NO_VALUE:
        ++table_column;
        datum.Init(cell_items);
        data_.AddDatum(table_row - 1, table_column - 1, datum);
        break;
      default:
        break;
    }
  }
}

}  // namespace tabulo::text
