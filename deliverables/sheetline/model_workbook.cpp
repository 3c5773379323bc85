#include "sheetline/model_workbook.h"

#include <stdexcept>

namespace tabulo::deliverables::sheetline {

ModelWorkbook::ModelWorkbook() { AddWorksheet(); }

std::int32_t ModelWorkbook::WorksheetCount() const { return static_cast<std::int32_t>(sheets_.size()); }

excel::ExcelWorksheet& ModelWorkbook::Worksheet(std::int32_t index) {
  if (index < 1 || index > WorksheetCount()) throw std::out_of_range("Subscript out of range");
  return *sheets_[static_cast<std::size_t>(index - 1)];
}

excel::ExcelWorksheet& ModelWorkbook::AddWorksheet() {
  workbook_.AddWorksheet();
  sheets_.push_back(std::make_unique<ModelWorksheet>(workbook_, sheets_.size()));
  return *sheets_.back();
}

void ModelWorkbook::AddStyle(const excel::NamedStyle& style) {
  office::NamedStyle named;
  named.name = style.name;
  named.format = workbook_.NormalFormat();
  office::ApplyChange(named.format, FormatChangeOf(style.format));
  named.format.alignment.shrink_to_fit = style.shrink_to_fit;
  named.include_number = style.include_number;
  named.include_font = style.include_font;
  named.include_alignment = style.include_alignment;
  named.include_border = style.include_border;
  named.include_fill = style.include_patterns;
  named.include_protection = style.include_protection;
  workbook_.AddNamedStyle(named);
}

}  // namespace tabulo::deliverables::sheetline
