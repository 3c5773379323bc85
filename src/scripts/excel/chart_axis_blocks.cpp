#include "scripts/excel/chart_axis_blocks.h"

#include <limits>
#include <string>

#include "scripts/excel/logic_error.h"

namespace tabulo::excel {
namespace {

constexpr std::string_view kFailedToFindSubAxis = "Failed to find sub axis ";
constexpr std::int64_t kSaturated = std::numeric_limits<std::int64_t>::max() / 4;

class ChartAxisTraversal {
 public:
  ChartAxisTraversal(AxisQueries& queries, const ChartLabelRules& labels, std::vector<CChartBlock>& blocks)
      : queries_(queries), labels_(labels), blocks_(blocks) {}

  // Blocks the axis would yield: 1 for a leaf variable; for a variable with
  // sub-axes the sum of theirs times its shown elements with values (a root
  // axis counts as one element).
  std::int64_t CountBlocks(const xml::Node& axis, bool is_root) {
    const std::vector<xml::Node>& sub_axes = queries_.SubAxes(axis);
    if (sub_axes.empty()) return 1;
    std::int64_t per_element = 0;
    for (const xml::Node& sub_axis : sub_axes) {
      per_element = std::min(kSaturated, per_element + CountBlocks(sub_axis, false));
    }
    const std::int64_t elements = is_root ? 1 : queries_.ElementCount(axis, ElementRule::kShownValued);
    if (elements == 0 || per_element == 0) return 0;
    return per_element > kSaturated / elements ? kSaturated : per_element * elements;
  }

  void Traverse(const xml::Node& axis, std::int64_t parent_heading, const std::string& path,
                const std::string& element_path) {
    const std::vector<xml::Node>& sub_axes = queries_.SubAxes(axis);
    const std::int64_t sub_axis_count = static_cast<std::int64_t>(sub_axes.size());
    CChartBlock* block = nullptr;
    if (sub_axes.empty()) {
      blocks_.emplace_back();
      block = &blocks_.back();
      block->Initialize(queries_.ElementCount(axis, ElementRule::kShownValued), labels_.VariableLabel(axis),
                        path, element_path);
    }
    const std::int64_t count = queries_.ElementCount(axis, ElementRule::kListed);
    for (std::int64_t i = 0; i < count; ++i) {
      const std::int64_t heading_index = count * parent_heading + i;
      const xml::Node heading = HeadingAt(axis, heading_index);
      const xml::Node element = ElementOf(axis, heading);
      if (!IsShown(element)) continue;  // takes no row or column of the table
      const bool has_values = HasCellValues(element);
      if (block != nullptr) {
        if (has_values) block->AddElement(element, heading, index_);
        ++index_;
        continue;
      }
      const std::string sub_path = (path.empty() ? "" : path + ", ") + labels_.VariableLabel(axis) + ": " +
                                   labels_.ElementLabel(element);
      const std::string sub_element_path =
          (element_path.empty() ? "" : element_path + ", ") + labels_.ElementLabel(element);
      for (std::int64_t j = 0; j < sub_axis_count; ++j) {
        const xml::Node sub_axis = SubAxisAt(axis, sub_axis_count * heading_index + j, "ChartTraverseAxis");
        if (has_values) {
          Traverse(sub_axis, heading_index, sub_path, sub_element_path);
        } else {
          // The leaves under a valueless element still stand in the table.
          index_ += queries_.ShownLeafCount(sub_axis);
        }
      }
    }
  }

  xml::Node SubAxisAt(const xml::Node& axis, std::int64_t index, std::string_view method) {
    const std::vector<xml::Node>& headings = queries_.AxisHeadings(axis);
    std::string name;
    if (index >= 0 && index < static_cast<std::int64_t>(headings.size())) {
      name = AttributeOrEmpty(headings[static_cast<std::size_t>(index)], "Name");
      if (std::optional<xml::Node> sub_axis = queries_.SubAxisNamed(axis, name)) return *sub_axis;
    }
    RaiseLogicError(method, std::string(kFailedToFindSubAxis) + name);
  }

 private:
  xml::Node HeadingAt(const xml::Node& axis, std::int64_t heading_index) {
    const std::vector<xml::Node>& headings = queries_.ElementHeadings(axis);
    if (heading_index < 0 || heading_index >= static_cast<std::int64_t>(headings.size())) {
      RaiseLogicError("GetElementFromHeading", "Failed to find element : ");
    }
    return headings[static_cast<std::size_t>(heading_index)];
  }

  static xml::Node ElementOf(const xml::Node& axis, const xml::Node& heading) {
    std::string missing;
    std::optional<xml::Node> element = AxisQueries::ElementOfHeading(axis, heading, missing);
    if (!element) RaiseLogicError("GetElementFromHeading", "Failed to find element : " + missing);
    return *element;
  }

  AxisQueries& queries_;
  const ChartLabelRules& labels_;
  std::vector<CChartBlock>& blocks_;
  std::int64_t index_ = 0;
};

}  // namespace

AxisBlocks GetChartAxisBlocks(const std::optional<xml::Node>& root_axis, AxisQueries& queries,
                              const ChartLabelRules& labels) {
  AxisBlocks result;
  if (!root_axis || queries.SubAxes(*root_axis).empty()) return result;
  ChartAxisTraversal traversal(queries, labels, result.blocks);
  if (traversal.CountBlocks(*root_axis, true) == 0) {
    result.chartable = false;
    return result;
  }
  const std::vector<xml::Node>& headings = queries.AxisHeadings(*root_axis);
  for (std::size_t i = 0; i < headings.size(); ++i) {
    const xml::Node sub_axis =
        traversal.SubAxisAt(*root_axis, static_cast<std::int64_t>(i), "GetChartAxisBlocks");
    traversal.Traverse(sub_axis, 0, "", "");
  }
  return result;
}

}  // namespace tabulo::excel
