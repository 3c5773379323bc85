#pragma once

#include <memory>
#include <vector>

#include "office/spreadsheet/workbook.h"
#include "scripts/excel/excel_operations.h"
#include "sheetline/model_worksheet.h"

namespace tabulo::deliverables::sheetline {

// The export logic's workbook operations on the workbook model, which a new
// workbook starts with one empty sheet, as Office's does.
class ModelWorkbook final : public excel::ExcelWorkbook {
 public:
  ModelWorkbook();

  std::int32_t WorksheetCount() const override;
  excel::ExcelWorksheet& Worksheet(std::int32_t index) override;
  excel::ExcelWorksheet& AddWorksheet() override;
  void AddStyle(const excel::NamedStyle& style) override;
  void SetScreenUpdating(bool) override {}

  office::Workbook& Model() { return workbook_; }

 private:
  office::Workbook workbook_;
  std::vector<std::unique_ptr<ModelWorksheet>> sheets_;
};

}  // namespace tabulo::deliverables::sheetline
