#include "scripts/excel/chart_settings.h"

#include <array>
#include <utility>

#include "scripts/excel/text_case.h"

namespace tabulo::excel {

ChartStructure ParseChartStructure(std::string_view text, ChartStructure fallback) {
  std::string lower = AsciiLower(text);
  if (lower == "no chart" || lower == "false" || lower == "0" || lower.empty())
    return ChartStructure::conNoChart;
  if (lower == "per element") return ChartStructure::conPerElement;
  if (lower == "per variable") return ChartStructure::conPerVariable;
  if (lower == "per table") return ChartStructure::conPerTable;
  return fallback;
}

ChartTypeChoice ParseChartType(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, ChartType>, 17> kNames = {{
      {"clustered bar", ChartType::kBarClustered},
      {"stacked bar", ChartType::kBarStacked},
      {"3d clustered bar", ChartType::k3DBarClustered},
      {"3d stacked bar", ChartType::k3DBarStacked},
      {"clustered column", ChartType::kColumnClustered},
      {"stacked column", ChartType::kColumnStacked},
      {"3d clustered column", ChartType::k3DColumnClustered},
      {"3d stacked column", ChartType::k3DColumnStacked},
      {"3d column", ChartType::k3DColumn},
      {"line", ChartType::kLine},
      {"stacked line", ChartType::kLineStacked},
      {"line with markers", ChartType::kLineMarkers},
      {"100% stacked line with markers", ChartType::kLineMarkersStacked100},
      {"pie", ChartType::kPie},
      {"3d pie", ChartType::k3DPie},
      {"separated pie", ChartType::kPieExploded},
      {"3d separated pie", ChartType::k3DPieExploded},
  }};
  std::string lower = AsciiLower(text);
  ChartTypeChoice choice;
  if (lower == "no chart") {
    choice.no_chart = true;
    return choice;
  }
  for (const auto& [name, type] : kNames) {
    if (lower == name) {
      choice.type = type;
      return choice;
    }
  }
  choice.type = ChartType::kUserDefined;
  choice.user_defined_name = std::string(text);
  return choice;
}

std::string ChartTemplatePath(std::string_view location, std::string_view name) {
  std::string path(location);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  return path.append(name);
}

}  // namespace tabulo::excel
