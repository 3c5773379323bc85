#pragma once

#include <memory>

#include "office/spreadsheet/workbook.h"
#include "scripts/excel/excel_chart_operations.h"

namespace tabulo::deliverables::sheetline {

// Adds an embedded chart at the frame (in points) to the sheet and returns
// the logic's chart operations on it.
std::unique_ptr<excel::ExcelChart> AddModelChart(office::Worksheet& sheet, const excel::ChartFrame& frame);

}  // namespace tabulo::deliverables::sheetline
