#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "office/spreadsheet/workbook.h"
#include "scripts/excel/excel_operations.h"

namespace tabulo::deliverables::sheetline {

// The export logic's worksheet operations carried out on a sheet of the
// workbook model.
class ModelWorksheet final : public excel::ExcelWorksheet {
 public:
  ModelWorksheet(office::Workbook& workbook, std::size_t index) : workbook_(workbook), index_(index) {}

  std::string Name() const override;
  void SetName(std::string_view name) override;
  void Activate() override;

  void SetText(excel::CellRef cell, std::string_view text) override;
  void SetNumber(excel::CellRef cell, double value) override;
  void SetRichText(excel::CellRef cell, std::span<const excel::TextRun> runs) override;

  std::string NumberFormat(excel::CellRef cell) const override;
  void SetNumberFormat(const excel::CellRange& range, std::string_view format) override;
  void SetFormat(const excel::CellRange& range, const excel::CellFormat& format) override;
  void SetStyle(const excel::CellRange& range, std::string_view style_name) override;
  void SetBorder(const excel::CellRange& range, excel::BorderEdge edge, excel::Border border) override;
  void Merge(const excel::CellRange& range) override;
  void IgnoreNumberStoredAsText(excel::CellRef cell) override;

  void SetAllRowHeights(double points) override;
  void SetAllColumnWidths(double characters) override;
  void AutoFitColumn(std::int32_t column) override;
  void AutoFitRows(std::int32_t first_row, std::int32_t last_row) override;

  void SetPageOrientation(excel::PageOrientation orientation) override;
  void SetZoomOff() override;
  void SetFitToPages(std::int32_t wide, std::int32_t tall) override;
  void SetPrintTitleColumns(std::int32_t first, std::int32_t last) override;
  void SetPrintTitleRows(std::int32_t first, std::int32_t last) override;

  void Select(excel::CellRef cell) override;

  void SetFormulaR1C1(excel::CellRef cell, std::string_view formula) override;
  void HideAllCellText() override;
  void SetAllCellsFontColorIndex(std::int32_t index) override;
  excel::ExcelChart& AddChart(const excel::ChartFrame& frame) override;

 private:
  office::Worksheet& Sheet() const { return workbook_.Sheet(index_); }
  void ChangePage(auto&& change);

  office::Workbook& workbook_;
  std::size_t index_;
  std::vector<std::unique_ptr<excel::ExcelChart>> charts_;
};

// The logic's cell format as a change of the model's format.
office::FormatChange FormatChangeOf(const excel::CellFormat& format);

}  // namespace tabulo::deliverables::sheetline
