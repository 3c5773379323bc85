#include "charts/planning/plan_table_charts.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "charts/planning/chart_image_names.h"
#include "charts/planning/effective_settings.h"
#include "charts/planning/planning_context.h"
#include "platform/files.h"

namespace tabulo::charts {
namespace {

ChartPosition PositionOf(std::int32_t display_option) {
  switch (display_option) {
    case display_option::kTableAndChart:
      return ChartPosition::kAfterGrid;
    case display_option::kChartAndTable:
    case display_option::kChartOnly:
      return ChartPosition::kBeforeGrid;
    default:
      return ChartPosition::kNone;
  }
}

bool GetsCharts(const tables::CTable& table) {
  return !table.IsProfile() && table.IsPopulated() && table.Rows() != nullptr && !table.Rows()->empty();
}

void PlanStructure(const PlanningContext& context, std::int32_t structure, ElementFamily family,
                   std::vector<PlannedOutput>& out) {
  switch (structure) {
    case chart_structure::kPerElement:
      PlanPerElement(context, family, out);
      break;
    case chart_structure::kPerVariable:
      PlanPerVariable(context, family, out);
      break;
    case chart_structure::kPerTable:
      PlanPerTable(context, family, out);
      break;
    default:
      break;
  }
}

// A chart image is preceded by a page break when the charts follow the grid,
// and before every chart but the first when they precede it.
bool PageBreakBefore(const ChartSettings& settings, int number) {
  if (!settings.printing_page_break) return false;
  if (settings.display_option == display_option::kTableAndChart) return true;
  return number > 1;
}

}  // namespace

TableChartPlan PlanTableCharts(const tables::CTable& table, const ChartSettings& settings) {
  std::optional<std::string> extension = ImageExtension(settings.image_format);
  if (!extension) throw std::invalid_argument("Unknown chart image format: " + settings.image_format);

  TableChartPlan plan;
  plan.table_name = table.Name();
  plan.position = PositionOf(settings.display_option);
  if (plan.position == ChartPosition::kNone || !GetsCharts(table)) return plan;
  EffectiveChartSettings effective = EffectiveSettings(table, settings);
  if (effective.chart_type == chart_type::kNoChart) return plan;

  PlanningContext context(table, settings, effective);
  std::vector<PlannedOutput> outputs;
  PlanStructure(context, effective.category_structure, ElementFamily::kCategory, outputs);
  PlanStructure(context, effective.special_structure, ElementFamily::kSpecial, outputs);

  std::string stem =
      platform::SafeFileName(settings.image_file_stem.empty() ? table.Name() : settings.image_file_stem);
  int number = 0;
  for (PlannedOutput& output : outputs) {
    if (auto* note = std::get_if<ChartNote>(&output)) {
      plan.items.emplace_back(NoteItem{std::move(note->text)});
      continue;
    }
    ChartItem chart;
    chart.number = ++number;
    chart.file = ChartImageFile(stem, chart.number, *extension);
    chart.src = ChartImageSource(settings, chart.file);
    chart.page_break_before = PageBreakBefore(settings, chart.number);
    chart.description = std::move(std::get<ChartDescription>(output));
    plan.items.emplace_back(std::move(chart));
  }
  if (settings.printing_page_break && settings.display_option == display_option::kChartAndTable &&
      number > 0) {
    plan.items.emplace_back(PageBreakItem{});
  }
  return plan;
}

}  // namespace tabulo::charts
