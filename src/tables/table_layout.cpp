#include "tables/table_layout.h"

#include <limits>

#include "tables/layout_steps.h"
#include "tables/tables_error.h"

namespace tabulo::tables {
namespace {

void LeavesOf(CElementHeading& element, std::vector<CElementHeading*>& leaves);

void LeavesOf(const CAxisHeading& axis, std::vector<CElementHeading*>& leaves) {
  for (CElementHeading* element : axis.Children()) LeavesOf(*element, leaves);
}

// A heading, then the leaves of its nested variables, then those of its net
// members.
void LeavesOf(CElementHeading& element, std::vector<CElementHeading*>& leaves) {
  if (element.IsLeaf()) leaves.push_back(&element);
  for (const CAxisHeading* nested : element.Children()) LeavesOf(*nested, leaves);
  if (const CElementHeadings* members = element.SubElementHeadings()) {
    for (const auto& member : members->Items()) LeavesOf(*member, leaves);
  }
}

void LayOutAxis(CAxis& root, const AxisLayoutOptions& options, const std::string& table_name,
                std::vector<CElementHeading*>& leaves) {
  BuildHeadingTrees(root, table_name);
  ComputeAxisGeometry(root, options, table_name);
  CollectLeaves(root, leaves);
}

}  // namespace

void CollectLeaves(const CAxis& root, std::vector<CElementHeading*>& leaves) {
  for (const auto& heading : root.AxisHeadings()->Items()) LeavesOf(*heading, leaves);
  for (std::size_t i = 0; i < leaves.size(); ++i) leaves[i]->SetLeafIndex(static_cast<int>(i));
}

void PrepareTableLayout(CTable& table) {
  const RenderContext& context = table.Context();
  bool has_cell_items = table.CellItems() != nullptr && !table.CellItems()->empty();
  if (!table.HasValues() || !has_cell_items) table.UseSingleCountCellItem();
  table.TopLeaves().clear();
  table.SideLeaves().clear();
  if (table.Axes() == nullptr) return;

  std::size_t cell_items = table.CellItems()->size();
  if (cell_items > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    RaiseMessage(kMsgTableTooLarge, table.Name());
  }
  AxisLayoutOptions side_options;
  side_options.rows_per_leaf =
      context.include_categories && context.include_cell_values ? static_cast<int>(cell_items) : 1;
  side_options.horizontal = context.horizontal_side_axis;
  side_options.include_categories = context.include_categories;
  AxisLayoutOptions top_options;
  top_options.include_categories = context.include_categories;

  if (CAxis* side = table.SideAxis()) LayOutAxis(*side, side_options, table.Name(), table.SideLeaves());
  if (CAxis* top = table.TopAxis()) LayOutAxis(*top, top_options, table.Name(), table.TopLeaves());
}

}  // namespace tabulo::tables
