#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/cexport.h"
#include "scripts/excel/axis_queries.h"
#include "scripts/excel/chart_axis_blocks.h"
#include "scripts/excel/chart_cell_items.h"
#include "scripts/excel/chart_dressing.h"
#include "scripts/excel/chart_item.h"
#include "scripts/excel/chart_table.h"
#include "scripts/excel/chart_table_cells.h"
#include "scripts/excel/chart_value_axis.h"
#include "scripts/excel/excel_operations.h"
#include "scripts/excel/excel_settings.h"

namespace tabulo::excel {

// Charts one laid-out table: a chart worksheet "T<n>_Ch" right after the
// table's worksheet, holding small chart data tables whose cells refer to
// the table worksheet (hidden by a font in the cells' own colour) and one
// chart object per chart, one under the other.
class TableCharts {
 public:
  TableCharts(const ChartTable& table, const ExcelSettings& settings, AxisQueries& queries,
              frame::IOfficeExport& exporter, ExcelWorkbook& workbook);

  // Makes every chart of the table. Throws frame::OfficeLogicError for a
  // table without cell items or a document whose headings name missing
  // elements, and passes on failures of Excel operations that the charts
  // cannot do without.
  void RenderCharts();

 private:
  // A series block and a category block charted together; either may be
  // missing (a "Frequency" series, a single category).
  struct BlockPair {
    const CChartBlock* series = nullptr;
    const CChartBlock* category = nullptr;
  };

  // table_charts.cpp: settings, blocks and the chart worksheet.
  bool ResolveSettings();
  void ProduceCharts(ChartStructure structure, bool special);
  std::vector<BlockPair> BlockPairs() const;
  std::vector<ChartItem> SeriesItems(const CChartBlock* block, bool special) const;
  std::vector<ChartItem> CategoryItems(const CChartBlock* block) const;
  TableAxis SeriesAxis() const { return series_axis_; }
  TableAxis CategoryAxis() const {
    return series_axis_ == TableAxis::kSide ? TableAxis::kTop : TableAxis::kSide;
  }
  const std::vector<CChartBlock>& SeriesBlocks() const;
  const std::vector<CChartBlock>& CategoryBlocks() const;
  bool CountChart();
  ExcelChart& AddChart();
  ChartValueFormat SeriesValueFormat(const std::vector<ChartItem>& series) const;

  // table_charts_element.cpp, table_charts_variable.cpp, table_charts_table.cpp
  void ProduceElementCharts(bool special);
  void ProduceElementChart(const BlockPair& pair, const ChartItem& series);
  void ProduceVariableCharts(bool special);
  void ProduceTableChart(bool special);

  // table_charts_data.cpp: the chart data cells.
  bool OnChartSheet(std::int64_t row, std::int64_t column) const;
  void WriteText(std::int64_t row, std::int64_t column, std::string_view text);
  void WriteLabel(std::int64_t row, std::int64_t column, const ChartItem& item, std::string_view base);
  void WriteValues(std::int64_t row, std::int64_t first_column, const ChartItem& series,
                   const std::vector<ChartItem>& categories);
  void FormatValues(std::int64_t first_row, std::int64_t first_column, std::int64_t last_row,
                    std::int64_t last_column, const ChartValueFormat& format);
  std::int64_t SeriesCellItem(const ChartItem& series) const;
  std::string HeadingSuffix(const ChartItem& item) const;
  std::string SeriesBase(const ChartItem& series, const CChartBlock* category_block) const;
  std::string LastCategoryBase(const CChartBlock* series_block,
                               const std::vector<ChartItem>& categories) const;
  void LabelPoints(ExcelChart& chart, const std::vector<ChartItem>& series,
                   const std::vector<ChartItem>& categories, std::int64_t first_series,
                   std::int64_t first_point);
  bool ShowsLetters() const { return settings_.charts.col_prop_results && cell_items_.col_prop >= 0; }
  std::string LabelOf(const ChartItem& item) const;

  const ChartTable& table_;
  const ExcelSettings& settings_;
  AxisQueries& queries_;
  frame::IOfficeExport& exporter_;
  ExcelWorkbook& workbook_;
  ChartTableCells cells_;
  ChartLabelRules labels_;

  ChartLook look_;
  ChartStructure category_structure_ = ChartStructure::conPerVariable;
  ChartStructure special_structure_ = ChartStructure::conPerElement;
  ChartCellItems cell_items_;
  AxisBlocks side_blocks_;
  AxisBlocks top_blocks_;
  TableAxis series_axis_ = TableAxis::kSide;

  ExcelWorksheet* sheet_ = nullptr;
  std::int64_t next_row_ = 0;  // R: the chart data of the next chart begin on row R + 1
  std::int64_t chart_count_ = 0;
};

}  // namespace tabulo::excel
