#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tables/caxis_heading.h"
#include "tables/celement_heading.h"

namespace tabulo::charts {

// The texts of charts and notes, all plain (markup stripped).

// "Frequency": stands where a variable or an element is missing.
std::string FrequencyText();

// A variable's label when label use is on and the label is not empty, else
// its name; "Frequency" without a variable.
std::string VariableLabel(const tables::CAxisHeading* variable, bool use_variable_labels);

// An element's label; "Frequency" without an element.
std::string ElementLabel(const tables::CElementHeading* element);

// The display path of the element headings a variable instance is nested
// under ("Age: 18-24"); empty at the top level or without a variable.
std::string NestingContext(const tables::CAxisHeading* variable);

// The labels of the element headings above an element, outermost first,
// each followed by ", ", then the element's own label: "18-24, Male".
std::string PrefixedElementLabel(const tables::CElementHeading& element);

// "Count", "ColPercent", ... by cell item type code.
std::string CellItemTypeText(std::int32_t code);

// The notes written instead of a chart.
std::string CategoryChartNote();  // the category variables give no chart
std::string SpecialChartNote();   // the special elements give no chart
// A variable's element list came out empty; its nesting context is shown in
// apostrophes (nothing when it has none).
std::string NoSuitableElementsNote(std::string_view nesting_context, std::string_view variable_name);

}  // namespace tabulo::charts
