#include "scripts/excel/table_charts.h"

#include "scripts/excel/chart_constants.h"
#include "scripts/excel/chart_elements.h"
#include "scripts/excel/chart_text.h"
#include "scripts/excel/table_properties.h"
#include "scripts/excel/text_case.h"

namespace tabulo::excel {
namespace {

constexpr std::string_view kNoChartText = "A chart cannot be produced for this table";

bool MakesCharts(ChartStructure structure) { return structure != ChartStructure::conNoChart; }

bool AllowsPies(ChartStructure structure) {
  return structure == ChartStructure::conNoChart || structure == ChartStructure::conPerElement;
}

}  // namespace

TableCharts::TableCharts(const ChartTable& table, const ExcelSettings& settings, AxisQueries& queries,
                         frame::IOfficeExport& exporter, ExcelWorkbook& workbook)
    : table_(table),
      settings_(settings),
      queries_(queries),
      exporter_(exporter),
      workbook_(workbook),
      cells_(table),
      labels_{settings.use_variable_labels, settings.use_element_labels} {}

void TableCharts::RenderCharts() {
  if (AttributeOrEmpty(table_.node, "IsPopulated") != "true") return;
  if (!ResolveSettings()) return;
  cell_items_ = GetChartCellItems(table_.cell_item_nodes, TableProperty(table_.node, "ChartCellItem"),
                                  settings_.charts);
  side_blocks_ = GetChartAxisBlocks(table_.side_axis, queries_, labels_);
  top_blocks_ = GetChartAxisBlocks(table_.top_axis, queries_, labels_);
  const bool side_has_blocks = !side_blocks_.blocks.empty();
  const bool top_has_blocks = !top_blocks_.blocks.empty();
  if (side_has_blocks != top_has_blocks) {
    // A table with one axis charts that axis's elements as the categories
    // of a single "Frequency" series.
    series_axis_ = side_has_blocks ? TableAxis::kTop : TableAxis::kSide;
  } else {
    series_axis_ = settings_.charts.rows_as_series ? TableAxis::kSide : TableAxis::kTop;
  }

  sheet_ = &workbook_.AddWorksheet();
  sheet_->SetName("T" + std::to_string(table_.index) + "_Ch");
  next_row_ = 0;
  sheet_->HideAllCellText();
  // An axis whose variables all sit under hidden or valueless elements
  // leaves nothing to chart.
  if (side_blocks_.chartable && top_blocks_.chartable) {
    ProduceCharts(category_structure_, false);
    ProduceCharts(special_structure_, true);
  }
  if (chart_count_ == 0) {
    sheet_->SetAllCellsFontColorIndex(0);
    sheet_->SetText(CellRef{1, 1}, kNoChartText);
  }
  sheet_->Select(CellRef{1, 1});
}

bool TableCharts::ResolveSettings() {
  const ChartSettings& settings = settings_.charts;
  const xml::Node& node = table_.node;
  const std::string type_value = TableProperty(node, "ChartType").value_or(settings.chart_type);
  look_.type = ParseChartType(type_value);
  if (look_.type.no_chart) return false;

  // The export's template belongs to the export's chart type.
  std::string template_name;
  if (std::optional<std::string> own = TableProperty(node, "ChartTemplate")) {
    template_name = *own;
  } else if (EqualsIgnoringCase(type_value, settings.chart_type)) {
    template_name = settings.chart_template;
  }
  const std::string location =
      TableProperty(node, "ChartTemplateLocation").value_or(settings.chart_template_location);
  look_.template_path = template_name.empty() ? std::string() : ChartTemplatePath(location, template_name);

  category_structure_ =
      ParseChartStructure(TableProperty(node, "ChartCategoryElements").value_or(settings.category_elements),
                          ChartStructure::conPerVariable);
  special_structure_ =
      ParseChartStructure(TableProperty(node, "ChartSpecialElements").value_or(settings.special_elements),
                          ChartStructure::conPerElement);
  if (!MakesCharts(category_structure_) && !MakesCharts(special_structure_)) return false;
  if (look_.type.IsPie()) {
    // A pie shows one series.
    if (MakesCharts(category_structure_)) category_structure_ = ChartStructure::conPerElement;
    if (MakesCharts(special_structure_)) special_structure_ = ChartStructure::conPerElement;
  }
  look_.pies_allowed = AllowsPies(category_structure_) && AllowsPies(special_structure_);
  return true;
}

void TableCharts::ProduceCharts(ChartStructure structure, bool special) {
  switch (structure) {
    case ChartStructure::conPerElement:
      ProduceElementCharts(special);
      break;
    case ChartStructure::conPerVariable:
      ProduceVariableCharts(special);
      break;
    case ChartStructure::conPerTable:
      ProduceTableChart(special);
      break;
    case ChartStructure::conNoChart:
      break;
  }
}

const std::vector<CChartBlock>& TableCharts::SeriesBlocks() const {
  return series_axis_ == TableAxis::kSide ? side_blocks_.blocks : top_blocks_.blocks;
}

const std::vector<CChartBlock>& TableCharts::CategoryBlocks() const {
  return series_axis_ == TableAxis::kSide ? top_blocks_.blocks : side_blocks_.blocks;
}

std::vector<TableCharts::BlockPair> TableCharts::BlockPairs() const {
  auto pointers = [](const std::vector<CChartBlock>& blocks) {
    std::vector<const CChartBlock*> out;
    for (const CChartBlock& block : blocks) out.push_back(&block);
    if (out.empty()) out.push_back(nullptr);
    return out;
  };
  std::vector<BlockPair> pairs;
  for (const CChartBlock* side : pointers(side_blocks_.blocks)) {
    for (const CChartBlock* top : pointers(top_blocks_.blocks)) {
      pairs.push_back(series_axis_ == TableAxis::kSide ? BlockPair{side, top} : BlockPair{top, side});
    }
  }
  return pairs;
}

std::vector<ChartItem> TableCharts::SeriesItems(const CChartBlock* block, bool special) const {
  if (block == nullptr) return {ChartItem{SeriesAxis(), 0, std::nullopt, std::nullopt}};
  std::vector<ChartItem> items;
  for (std::int64_t i = 0; i < block->ElementCount(); ++i) {
    if (IsChartSeries(block->ElementNode(i), special)) {
      items.push_back(
          ChartItem{SeriesAxis(), block->ElementIndex(i), block->ElementNode(i), block->ElementHeading(i)});
    }
  }
  return items;
}

std::vector<ChartItem> TableCharts::CategoryItems(const CChartBlock* block) const {
  if (block == nullptr) return {ChartItem{CategoryAxis(), 0, std::nullopt, std::nullopt}};
  std::vector<ChartItem> items;
  for (std::int64_t i = 0; i < block->ElementCount(); ++i) {
    if (IsChartCategory(block->ElementNode(i))) {
      items.push_back(
          ChartItem{CategoryAxis(), block->ElementIndex(i), block->ElementNode(i), block->ElementHeading(i)});
    }
  }
  return items;
}

bool TableCharts::CountChart() {
  ++chart_count_;
  return chart_count_ <= conMaxCharts;
}

ExcelChart& TableCharts::AddChart() {
  const double top =
      conChartYOffset + (conChartHeight + conChartSpacing) * static_cast<double>(chart_count_ - 1);
  return sheet_->AddChart(ChartFrame{conChartXOffset, top, conChartWidth, conChartHeight});
}

ChartValueFormat TableCharts::SeriesValueFormat(const std::vector<ChartItem>& series) const {
  ChartValueFormat format;
  format.type = cell_items_.chart_type;
  format.decimals = cell_items_.chart_decimals;
  format.percent_signs = table_.show_percent_signs;
  // The first series element speaks for them all.
  for (const ChartItem& item : series) {
    if (!item.element) continue;
    if (item.SingleValue()) format.type.clear();
    if (const std::int64_t decimals = DecimalsAttribute(*item.element); decimals >= 0)
      format.decimals = decimals;
    break;
  }
  format.number_format = ChartNumberFormat(format.type, format.decimals, format.percent_signs);
  return format;
}

std::string TableCharts::LabelOf(const ChartItem& item) const {
  return item.element ? labels_.ElementLabel(*item.element) : std::string("Frequency");
}

}  // namespace tabulo::excel
