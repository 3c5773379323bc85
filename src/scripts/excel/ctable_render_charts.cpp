#include "scripts/excel/chart_table.h"
#include "scripts/excel/ctable_render.h"
#include "scripts/excel/table_charts.h"

namespace tabulo::excel {

void CTableRender::RenderCharts(const TableState& table) {
  ChartTable view(table.node);
  view.index = table_index_;
  view.side_axis = table.side_axis;
  view.top_axis = table.top_axis;
  view.table_x = table.table_x;
  view.table_y = table.table_y;
  view.side_depth = table.side_depth;
  view.top_depth = table.top_depth;
  view.rows = table.rows;
  view.cell_items = table.cell_items;
  view.table_cell_items = table.table_cell_items;
  view.split_cells = settings_.split_cells;
  view.show_percent_signs = table.show_percent_signs;
  view.side_leaves = table.side_leaves;
  view.top_leaves = table.top_leaves;
  view.value_rows = table.value_rows;
  view.cell_item_nodes = table.cell_item_nodes;
  TableCharts charts(view, settings_, queries_, *exporter_, workbook_);
  charts.RenderCharts();
}

}  // namespace tabulo::excel
