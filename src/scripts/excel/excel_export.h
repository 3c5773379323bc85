#pragma once

#include <functional>
#include <string_view>

#include "frame/cexport.h"
#include "scripts/excel/excel_operations.h"

namespace tabulo::excel {

// The export logic's entry procedure: lays the tables of the Tables XML out
// in the workbook with the settings of the properties XML, calling back into
// the export object. An error of the logic is thrown as
// frame::OfficeLogicError (number, source, description) for the frame to
// report; whatever was laid out before it stays in the workbook.
// `table_finished` is called after each table: the sheets there are then
// complete, as the logic never goes back to a table's sheets, and may be
// written out.
void Export(ExcelWorkbook& workbook, frame::IOfficeExport& exporter, std::string_view tables_xml,
            std::string_view properties_xml, const std::function<void()>& table_finished = {});

}  // namespace tabulo::excel
