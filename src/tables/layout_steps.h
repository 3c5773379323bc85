#pragma once

#include <string>
#include <vector>

#include "tables/caxis.h"

namespace tabulo::tables {

// The steps of PrepareTableLayout for one root axis.

// Links each root axis heading, and recursively every heading below it, to
// the headings of its block: children and parents of both kinds.
void BuildHeadingTrees(const CAxis& root, const std::string& table_name);

struct AxisLayoutOptions {
  int rows_per_leaf = 1;           // rows (side) or columns (top) of a shown leaf
  bool horizontal = false;         // side labels on rows of their own
  bool include_categories = true;  // element headings are part of the grid
};

// Sets every heading's span, depth, net level and leaf flag, and the root's
// total span and level count.
void ComputeAxisGeometry(CAxis& root, const AxisLayoutOptions& options, const std::string& table_name);

// The leaf element headings in leaf order; sets each one's leaf index.
void CollectLeaves(const CAxis& root, std::vector<CElementHeading*>& leaves);

}  // namespace tabulo::tables
