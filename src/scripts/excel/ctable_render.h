#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "frame/cexport.h"
#include "scripts/excel/axis_queries.h"
#include "scripts/excel/cell_styles.h"
#include "scripts/excel/excel_operations.h"
#include "scripts/excel/excel_settings.h"
#include "scripts/excel/table_bounds.h"
#include "scripts/excel/table_leaf.h"
#include "xml/document.h"

namespace tabulo::excel {

inline constexpr double conDefaultColumnWidth = 8.43;
inline constexpr double conDefaultRowHeight = 12.75;
inline constexpr std::int64_t conMaxNetLevels = 8;
inline constexpr double conMinSubElementFontSize = 4;

// Lays every table of a Tables XML document out on a worksheet of its own:
// annotations, merged axis headings, styles, borders, values with their
// number formats, and page setup; then hands each table to the charts.
// One object serves one export: Initialize, then Render.
class CTableRender {
 public:
  explicit CTableRender(ExcelWorkbook& workbook) : workbook_(workbook) {}

  // Reads the export properties and keeps the export object for the
  // callbacks. Throws frame::OfficeLogicError when the properties XML is
  // not well-formed.
  void Initialize(std::string_view properties_xml, frame::IOfficeExport& exporter);

  // Lays out every table of the document (nullopt stands for a null text).
  // Throws frame::OfficeLogicError. Once tables are being laid out, an error
  // abandons only the step it occurred in (such as one table); the last
  // such error is thrown after the remaining steps have run, so the tables
  // laid out stay in the workbook.
  void Render(std::optional<std::string_view> tables_xml);
  // Called after each table, once its sheets are complete.
  void OnTableFinished(std::function<void()> callback) { table_finished_ = std::move(callback); }

  // Every column that received a side-variable label in this export.
  const std::set<std::int32_t>& SideVariableColumns() const { return side_variable_columns_; }

 private:
  enum class AxisKind { kTop, kSide };

  using Leaf = TableLeaf;

  // What one table's layout keeps while it runs.
  struct TableState {
    explicit TableState(xml::Node table) : node(table) {}

    xml::Node node;
    ExcelWorksheet* sheet = nullptr;
    std::optional<xml::Node> side_axis;
    std::optional<xml::Node> top_axis;
    std::int64_t x = 0;  // 0-based column and row where the next output goes
    std::int64_t y = 0;
    std::int64_t table_x = 0;  // where the table body begins
    std::int64_t table_y = 0;
    std::int64_t side_depth = 0;
    std::int64_t top_depth = 0;
    bool column_headings = false;
    std::int64_t rows = 1;
    std::int64_t columns = 1;
    bool populated = false;
    bool profile = false;
    std::int64_t cell_items = 1;
    std::int64_t table_cell_items = 1;
    std::int64_t current_cell_item = 0;
    bool merging = false;
    std::int64_t col_prop_index = -1;
    bool show_percent_signs = true;
    std::vector<Leaf> side_leaves;
    std::vector<Leaf> top_leaves;
    std::int64_t data_offset = 0;
    std::int64_t worksheet_offset = 0;
    std::vector<xml::Node> value_rows;
    std::vector<xml::Node> cell_item_nodes;
  };

  // ctable_render.cpp: the document and the table.
  // Parses one document of the tables and prepares it (locale, hidden
  // bases); a text that does not parse raises the logic's error.
  std::optional<xml::Document> LoadDocument(std::string_view text);
  void PrepareDocument(xml::Document& document);
  bool RenderTable(const xml::Node& table);
  void ReadGeometry(TableState& table);
  void RenderBody(TableState& table, bool& rendered);
  void SetUpPage(TableState& table);
  void CreateStyles();
  void RefreshScreen();

  // ctable_render_axes.cpp: the headings of both axes.
  void PopulateAxes(TableState& table);
  void PopulateAxisTraverse(TableState& table, const xml::Node& axis, std::int64_t parent_heading,
                            bool parent_has_values, AxisKind kind);
  void AddElementCell(TableState& table, const xml::Node& element, std::int64_t depth,
                      std::int64_t element_width, std::int64_t element_depth, AxisKind kind);
  void DrawVariableBorder(TableState& table, std::int64_t depth, std::int64_t width, AxisKind kind);
  xml::Node ElementAt(const xml::Node& axis, std::int64_t heading_index, xml::Node& heading);
  xml::Node SubAxisAt(const xml::Node& axis, std::int64_t index, std::string_view method);
  std::int64_t ValuedLeavesOfInstance(const xml::Node& axis, std::int64_t parent_heading,
                                      bool parent_has_values);
  std::int64_t ValuedLeavesUnder(const xml::Node& axis, std::int64_t heading_index, bool has_values);

  // ctable_render_values.cpp: the cell values.
  void PopulateCellValues(TableState& table);
  void FormatValueRow(TableState& table, std::int64_t r, std::int64_t t, std::int64_t item, const Leaf& side,
                      std::int64_t side_decimals);
  std::string CellItemType(const TableState& table, std::int64_t item) const;
  std::int64_t CellItemDecimals(const TableState& table, std::int64_t item) const;
  static std::string ValueOf(const TableState& table, const Leaf& side, std::int64_t position);

  // ctable_render_cells.cpp: cells, styles and annotations.
  CellRange AddCell(TableState& table, std::int64_t column_offset, std::int64_t row_offset,
                    std::int64_t width, std::int64_t height, std::string_view text,
                    std::optional<CellStyle> style, bool is_value = false, bool is_decimal = false);
  void WriteCellText(TableState& table, const CellRange& range, std::string_view text, bool is_value,
                     bool is_decimal);
  void ApplyStyle(ExcelWorksheet& sheet, const CellRange& range, CellStyle style);
  void WriteAnnotations(TableState& table, std::initializer_list<std::string_view> positions,
                        CellStyle style);
  void WriteAnnotation(TableState& table, std::string_view text, CellStyle style);
  void WriteFormattedAnnotation(TableState& table, std::string_view text, CellStyle style);
  void WritePlainAnnotation(TableState& table, std::string_view text, CellStyle style);

  // ctable_render_charts.cpp: the hand-over to the chart planning.
  void RenderCharts(const TableState& table);

  ExcelWorkbook& workbook_;
  frame::IOfficeExport* exporter_ = nullptr;
  ExcelSettings settings_;
  AxisQueries queries_;
  std::uint32_t typed_input_lcid_ = 1033;
  std::int32_t table_index_ = 0;
  std::set<std::int32_t> side_variable_columns_;
  std::function<void()> table_finished_;
};

}  // namespace tabulo::excel
