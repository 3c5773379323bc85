#pragma once

#include <optional>
#include <vector>

#include "scripts/excel/axis_queries.h"
#include "scripts/excel/chart_block.h"
#include "scripts/excel/chart_labels.h"
#include "xml/document.h"

namespace tabulo::excel {

// The chart blocks of one root axis, in traversal order.
struct AxisBlocks {
  // Empty when the axis is absent: it then charts as "Frequency".
  std::vector<CChartBlock> blocks;
  // False when the axis has variables but every one of them sits under
  // hidden or valueless elements, so that no chart can be built from it.
  bool chartable = true;
};

// Collects the blocks of a root axis: one per leaf variable reached from the
// root through shown elements with values, each holding its shown elements
// with values and their rows or columns among the shown leaves of the axis
// (the table's rows for the side axis, its columns for the top axis).
// Raises the layout's errors for sub-axes or elements that the headings name
// but the document lacks.
AxisBlocks GetChartAxisBlocks(const std::optional<xml::Node>& root_axis, AxisQueries& queries,
                              const ChartLabelRules& labels);

}  // namespace tabulo::excel
