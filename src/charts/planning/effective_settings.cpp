#include "charts/planning/effective_settings.h"

#include "frame/vocabularies.h"
#include "platform/variant.h"
#include "tables/cproperty.h"

namespace tabulo::charts {
namespace {

const tables::CProperty* TableProperty(const tables::CTable& table, std::string_view name) {
  return table.Properties() != nullptr ? table.Properties()->Find(name) : nullptr;
}

std::int32_t ChartTypeOf(const tables::CTable& table, std::int32_t setting) {
  const tables::CProperty* property = TableProperty(table, "ChartType");
  if (property == nullptr) return setting;
  if (property->Value().type() != platform::VarType::Bstr) return chart_type::kColumnClustered;
  return frame::LookupVocabulary(frame::ChartTypes(), property->Value().string())
      .value_or(frame::kDefaultChartTypeCode);
}

std::int32_t StructureOf(const tables::CTable& table, std::string_view name, std::int32_t setting,
                         std::int32_t default_structure) {
  const tables::CProperty* property = TableProperty(table, name);
  if (property == nullptr) return setting;
  const platform::Variant& value = property->Value();
  if (value.type() == platform::VarType::Bstr) {
    return frame::LookupVocabulary(frame::ChartStructures(), value.string()).value_or(default_structure);
  }
  if (value.type() == platform::VarType::Bool) {
    return value.boolean() ? default_structure : chart_structure::kNoChart;
  }
  return setting;
}

}  // namespace

EffectiveChartSettings EffectiveSettings(const tables::CTable& table, const ChartSettings& settings) {
  EffectiveChartSettings effective;
  effective.chart_type = ChartTypeOf(table, settings.chart_type);
  effective.category_structure =
      StructureOf(table, "ChartCategoryElements", settings.category_structure, chart_structure::kPerVariable);
  effective.special_structure =
      StructureOf(table, "ChartSpecialElements", settings.special_structure, chart_structure::kPerElement);
  if (chart_type::IsPie(effective.chart_type)) {
    if (effective.category_structure != chart_structure::kNoChart) {
      effective.category_structure = chart_structure::kPerElement;
    }
    if (effective.special_structure != chart_structure::kNoChart) {
      effective.special_structure = chart_structure::kPerElement;
    }
  } else if (effective.chart_type == chart_type::kVariablePreview) {
    effective.category_structure = chart_structure::kPerVariable;
    effective.special_structure = chart_structure::kNoChart;
  }
  return effective;
}

}  // namespace tabulo::charts
