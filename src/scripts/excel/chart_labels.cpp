#include "scripts/excel/chart_labels.h"

#include "scripts/excel/axis_queries.h"

namespace tabulo::excel {

std::string ChartLabelRules::VariableLabel(const xml::Node& axis) const {
  return AttributeOrEmpty(axis, use_variable_labels ? "Label" : "Name");
}

std::string ChartLabelRules::ElementLabel(const xml::Node& element) const {
  return AttributeOrEmpty(element, use_element_labels ? "Label" : "Name");
}

}  // namespace tabulo::excel
