#pragma once

#include <string>

#include "xml/document.h"

namespace tabulo::excel {

// Which attribute gives the texts of the charts: "Label" when the setting is
// on, "Name" otherwise, without falling back to the other.
struct ChartLabelRules {
  bool use_variable_labels = true;
  bool use_element_labels = true;

  std::string VariableLabel(const xml::Node& axis) const;
  std::string ElementLabel(const xml::Node& element) const;
};

}  // namespace tabulo::excel
