#include "scripts/excel/ctable_render.h"

namespace tabulo::excel {

// The chart planning takes each rendered table from here, once it exists;
// until then a table gets no chart sheet.
void CTableRender::RenderCharts(const TableState& table) { (void)table; }

}  // namespace tabulo::excel
