#include "scripts/excel/excel_export.h"

#include "scripts/excel/ctable_render.h"

namespace tabulo::excel {

void Export(ExcelWorkbook& workbook, frame::IOfficeExport& exporter, std::string_view tables_xml,
            std::string_view properties_xml, const std::function<void()>& table_finished) {
  CTableRender render(workbook);
  render.OnTableFinished(table_finished);
  render.Initialize(properties_xml, exporter);
  render.Render(tables_xml);
}

}  // namespace tabulo::excel
