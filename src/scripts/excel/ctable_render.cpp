#include "scripts/excel/ctable_render.h"

#include <libxml/tree.h>

#include <algorithm>
#include <charconv>
#include <exception>

#include "scripts/excel/logic_error.h"
#include "scripts/excel/sheet_range.h"
#include "scripts/excel/table_documents.h"
#include "xml/parse_error.h"
#include "xml/sax_reader.h"

namespace tabulo::excel {
namespace {

constexpr std::string_view kColPropResults = "ColPropResults";

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

// Percent signs show unless the table's ShowPercentSigns property says
// otherwise.
bool ShowsPercentSigns(const xml::Node& table) {
  for (const xml::Node& properties : table.ChildElements()) {
    if (properties.Name() != "Properties") continue;
    for (const xml::Node& property : properties.ChildElements()) {
      if (property.Name() != "property") continue;
      std::optional<xml::Node> name = ChildNamed(property, "name");
      if (!name || name->Text() != "ShowPercentSigns") continue;
      std::optional<xml::Node> value = ChildNamed(property, "value");
      return value && value->Text() == "-1";
    }
  }
  return true;
}

bool HasProfileResults(const std::vector<xml::Node>& cell_items) {
  return std::any_of(cell_items.begin(), cell_items.end(),
                     [](const xml::Node& item) { return AttributeOrEmpty(item, "Type") == "ProfileResult"; });
}

std::vector<xml::Node> Grandchildren(const xml::Node& node, std::string_view child,
                                     std::string_view grandchild) {
  std::vector<xml::Node> found;
  for (const xml::Node& outer : node.ChildElements()) {
    if (outer.Name() != child) continue;
    for (const xml::Node& inner : outer.ChildElements()) {
      if (inner.Name() == grandchild) found.push_back(inner);
    }
  }
  return found;
}

std::int32_t ToCellIndex(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 1, kSheetColumns));
}

}  // namespace

void CTableRender::Initialize(std::string_view properties_xml, frame::IOfficeExport& exporter) {
  try {
    settings_ = ReadExcelSettings(properties_xml);
  } catch (const xml::ParseError& error) {
    RaiseLogicError("Initialize", std::string("Failed to load properties XML: ") + error.what());
  }
  exporter_ = &exporter;
}

void CTableRender::Render(std::optional<std::string_view> tables_xml) {
  if (!tables_xml) RaiseLogicError("Render", "Tables XML is NULL");
  if (exporter_ == nullptr) RaiseLogicError("Render", "CRenderTable not Initialized");
  // The whole text is checked first; the tables are then read one by one.
  try {
    xml::CheckWellFormed(*tables_xml);
  } catch (const xml::ParseError& error) {
    RaiseLogicError("Render", std::string("Failed to load table XML: ") + error.what());
  }
  const TableDocuments tables(*tables_xml);
  if (tables.Count() == 0) {
    LoadDocument(*tables_xml);
    return;
  }

  // From here an error abandons the step it occurs in; the last one is
  // raised once every step has run.
  std::optional<frame::OfficeLogicError> pending;
  auto trap = [&pending](std::string_view method, auto&& step) {
    try {
      step();
    } catch (const frame::OfficeLogicError& error) {
      pending = error;
    } catch (const std::exception& error) {
      pending = MakeLogicError(method, error.what());
    }
  };
  std::optional<xml::Document> first = LoadDocument(tables.Document(0));
  trap("Render", [&] {
    if (!settings_.hide_application) workbook_.SetScreenUpdating(false);
  });
  trap("Render", [&] {
    if (settings_.use_excel_styles) CreateStyles();
  });
  for (std::size_t index = 0; index < tables.Count(); ++index) {
    std::optional<xml::Document> document = index == 0 ? std::move(first) : LoadDocument(tables.Document(index));
    for (const xml::Node& table : document->SelectNodes("/Document/Tables/Table")) {
      trap("RenderTable", [&] { RenderTable(table); });
      if (table_finished_) table_finished_();
    }
  }
  trap("Render", [&] {
    if (workbook_.WorksheetCount() > 0) workbook_.Worksheet(1).Activate();
    if (settings_.launch_application) workbook_.SetScreenUpdating(true);
  });
  if (pending) throw *pending;
}

std::optional<xml::Document> CTableRender::LoadDocument(std::string_view text) {
  std::optional<xml::Document> document;
  try {
    document = xml::Document::Parse(text);
  } catch (const xml::ParseError& error) {
    RaiseLogicError("Render", std::string("Failed to load table XML: ") + error.what());
  }
  // The node lists kept by the queries belong to one document alone.
  queries_ = AxisQueries();
  PrepareDocument(*document);
  return document;
}

void CTableRender::PrepareDocument(xml::Document& document) {
  if (std::optional<xml::Node> root = document.SelectSingleNode("/Document[@LocaleId]")) {
    if (std::optional<std::int64_t> lcid = ParseInteger(AttributeOrEmpty(*root, "LocaleId"))) {
      exporter_->put_ExportLCID(static_cast<std::int32_t>(*lcid));
      if (*lcid > 0 && *lcid <= 0xFFFFFFFF) typed_input_lcid_ = static_cast<std::uint32_t>(*lcid);
    }
  }
  if (settings_.hide_base_elements) {
    // Unweighted bases and bases among net members stay.
    for (const xml::Node& base :
         document.SelectNodes("/Document/Tables/Table/Axes//Axis/Elements/Element[@Type = 'Base']")) {
      xmlSetProp(base.raw(), reinterpret_cast<const xmlChar*>("ShownOnTable"),
                 reinterpret_cast<const xmlChar*>("false"));
    }
  }
}

void CTableRender::CreateStyles() {
  for (CellStyle style : kAllCellStyles) workbook_.AddStyle(MakeNamedStyle(style, settings_.wrap_label_text));
}

void CTableRender::RefreshScreen() {
  if (settings_.hide_application) return;
  workbook_.SetScreenUpdating(true);
  workbook_.SetScreenUpdating(false);
}

bool CTableRender::RenderTable(const xml::Node& node) {
  ++table_index_;
  TableState table(node);
  table.sheet = table_index_ == 1 && workbook_.WorksheetCount() > 0 ? &workbook_.Worksheet(1)
                                                                    : &workbook_.AddWorksheet();
  ExcelWorksheet& sheet = *table.sheet;
  sheet.SetName("T" + std::to_string(table_index_));
  sheet.SetAllRowHeights(conDefaultRowHeight);
  sheet.SetAllColumnWidths(conDefaultColumnWidth);

  ReadGeometry(table);
  if (settings_.display_annotations) {
    WriteAnnotations(table, {"TitleHeader", "LeftHeader", "CenterHeader", "RightHeader"}, CellStyle::kHeader);
    table.y += 1;
  }
  table.table_x = table.x;
  table.table_y = table.y;
  table.show_percent_signs = ShowsPercentSigns(node);

  bool rendered = false;
  RenderBody(table, rendered);

  if (settings_.auto_fit_column_widths) {
    std::int64_t last = std::min(table.x + table.columns + table.side_depth, conMaxTableColumns);
    for (std::int64_t column = 1; column <= last; ++column) {
      std::int32_t index = ToCellIndex(column);
      if (!side_variable_columns_.contains(index)) sheet.AutoFitColumn(index);
    }
  }
  if (settings_.display_annotations) {
    table.y += 1;
    WriteAnnotations(table, {"TitleFooter", "LeftFooter", "CenterFooter", "RightFooter"}, CellStyle::kFooter);
  }
  SetUpPage(table);
  sheet.Select(CellRef{1, 1});

  if (settings_.display_charts && !table.merging && !HasProfileResults(table.cell_item_nodes) && rendered) {
    RenderCharts(table);
  }
  return rendered;
}

void CTableRender::ReadGeometry(TableState& table) {
  table.side_axis = AxisQueries::RootAxis(table.node, "Side");
  table.top_axis = AxisQueries::RootAxis(table.node, "Top");
  if (table.side_axis) {
    table.side_depth = AxisQueries::AxisDepth(*table.side_axis);
    table.rows = std::max<std::int64_t>(1, queries_.ShownLeafCount(*table.side_axis));
  }
  if (table.top_axis) {
    table.top_depth = AxisQueries::AxisDepth(*table.top_axis);
    table.column_headings = AxisQueries::HasColumnHeadings(*table.top_axis);
    if (table.column_headings) table.top_depth += 1;
    table.columns = std::max<std::int64_t>(1, queries_.ShownLeafCount(*table.top_axis));
  }
  table.populated = AttributeOrEmpty(table.node, "IsPopulated") == "true";
  table.profile = AttributeOrEmpty(table.node, "Type") == "Profile";
  table.cell_item_nodes = Grandchildren(table.node, "CellItems", "CellItem");
  if (table.populated) {
    table.cell_items = std::max<std::int64_t>(1, static_cast<std::int64_t>(table.cell_item_nodes.size()));
    table.value_rows = Grandchildren(table.node, "CellValues", "Layer");
    std::vector<xml::Node> rows;
    for (const xml::Node& layer : table.value_rows) {
      for (const xml::Node& row : layer.ChildElements()) {
        if (row.Name() == "row") rows.push_back(row);
      }
    }
    table.value_rows = std::move(rows);
  }
  if (settings_.merge_col_prop_results && table.cell_items > 1) {
    for (std::size_t i = 0; i < table.cell_item_nodes.size(); ++i) {
      if (AttributeOrEmpty(table.cell_item_nodes[i], "Type") == kColPropResults) {
        table.merging = true;
        table.col_prop_index = static_cast<std::int64_t>(i);
        break;
      }
    }
  }
}

void CTableRender::RenderBody(TableState& table, bool& rendered) {
  if (table.x + table.columns + table.side_depth > conMaxTableColumns) {
    CellRange first = RequireSheetRange("RenderTable", table.y + 1, table.x + 1, table.y + 1, table.x + 1);
    table.sheet->SetText(first.first, "Table Error Column > " + std::to_string(conMaxTableColumns));
    table.y += 1;
    return;
  }
  if (table.side_depth == 0 && table.top_depth == 0) return;
  if (settings_.split_cells) {
    table.table_cell_items = 1;
    std::vector<std::int64_t> items;
    for (std::int64_t i = 0; i < table.cell_items; ++i) {
      if (!(table.merging && i == table.col_prop_index)) items.push_back(i);
    }
    for (std::size_t n = 0; n < items.size(); ++n) {
      table.current_cell_item = items[n];
      PopulateAxes(table);
      if (table.populated) PopulateCellValues(table);
      table.y += table.top_depth + table.rows;
      // One blank row between the tables, none after the last one laid out.
      if (n + 1 < items.size()) table.y += 1;
    }
  } else {
    table.table_cell_items = table.merging ? table.cell_items - 1 : table.cell_items;
    table.current_cell_item = 0;
    PopulateAxes(table);
    if (table.populated) PopulateCellValues(table);
    table.y += table.top_depth + table.rows * table.table_cell_items;
  }
  rendered = true;
}

void CTableRender::SetUpPage(TableState& table) {
  // Page setup fails where no printer driver is installed; the table stands
  // without it.
  try {
    ExcelWorksheet& sheet = *table.sheet;
    sheet.SetPageOrientation(PageOrientation::kLandscape);
    switch (settings_.printing) {
      case PrintingOption::kFitToPage:
        sheet.SetZoomOff();
        sheet.SetFitToPages(1, 1);
        break;
      case PrintingOption::kRepeatAxes:
        if (table.side_depth > 0) {
          CellRange columns =
              RequireSheetRange("RenderTable", 1, table.table_x + 1, 1, table.table_x + table.side_depth);
          sheet.SetPrintTitleColumns(columns.first.column, columns.last.column);
        }
        if (table.top_depth > 0) {
          CellRange rows =
              RequireSheetRange("RenderTable", table.table_y + 1, 1, table.table_y + table.top_depth, 1);
          sheet.SetPrintTitleRows(rows.first.row, rows.last.row);
        }
        break;
      case PrintingOption::kNone:
        break;
    }
  } catch (const frame::OfficeLogicError&) {
  } catch (const std::exception&) {
  }
}

}  // namespace tabulo::excel
