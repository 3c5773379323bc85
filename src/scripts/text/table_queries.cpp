#include "scripts/text/table_queries.h"

#include <algorithm>

namespace tabulo::text {
namespace {

constexpr std::uint64_t kSaturated = std::uint64_t{1} << 62;

std::uint64_t SaturatedAdd(std::uint64_t a, std::uint64_t b) { return std::min(a + b, kSaturated); }

std::uint64_t SaturatedMultiply(std::uint64_t a, std::uint64_t b) {
  if (a != 0 && b > kSaturated / a) return kSaturated;
  return std::min(a * b, kSaturated);
}

std::uint64_t CacheKey(NodeId node, ElementRule rule) {
  return std::uint64_t{node} << 8 | static_cast<std::uint64_t>(rule);
}

}  // namespace

TableQueries::TableQueries(const TableTree& tree) : tree_(tree), axis_ancestors_(tree.Size(), 0) {
  // Parents precede their children, so one pass in document order suffices.
  for (NodeId node = 1; node < tree.Size(); ++node) {
    NodeId parent = *tree.Parent(node);
    axis_ancestors_[node] = axis_ancestors_[parent] + (tree.Kind(parent) == NodeKind::kAxis ? 1 : 0);
  }
}

bool TableQueries::Matches(const TableTree& tree, NodeId element, ElementRule rule) {
  bool shown = tree.Attribute(element, AttributeName::kShownOnTable) != "false";
  bool valued = tree.Attribute(element, AttributeName::kHasCellValues) != "false";
  switch (rule) {
    case ElementRule::kShown:
      return shown;
    case ElementRule::kValued:
      return valued;
    case ElementRule::kListed:
      return shown || valued;
    case ElementRule::kAll:
      break;
  }
  return true;
}

std::vector<NodeId> TableQueries::ChildrenOfChildren(NodeId node, NodeKind child, NodeKind grandchild) const {
  std::vector<NodeId> found;
  for (NodeId c : tree_.Children(node)) {
    if (tree_.Kind(c) != child) continue;
    for (NodeId g : tree_.Children(c)) {
      if (tree_.Kind(g) == grandchild) found.push_back(g);
    }
  }
  return found;
}

std::vector<NodeId> TableQueries::DescendantsOfChildren(NodeId node, NodeKind child,
                                                        NodeKind descendant) const {
  std::vector<NodeId> found;
  for (NodeId c : tree_.Children(node)) {
    if (tree_.Kind(c) != child) continue;
    for (NodeId d = c + 1; d < tree_.SubtreeEnd(c); ++d) {
      if (tree_.Kind(d) == descendant) found.push_back(d);
    }
  }
  return found;
}

std::optional<NodeId> TableQueries::RootAxis(std::string_view name) const {
  for (NodeId axis : ChildrenOfChildren(tree_.Root(), NodeKind::kAxes, NodeKind::kAxis)) {
    if (tree_.Attribute(axis, AttributeName::kName) == name) return axis;
  }
  return std::nullopt;
}

bool TableQueries::HasVariables(NodeId axis) const {
  return !SubAxes(axis).empty() && !AxisHeadings(axis).empty();
}

const std::vector<NodeId>& TableQueries::SubAxes(NodeId axis) const {
  auto [entry, inserted] = sub_axes_.try_emplace(axis);
  if (inserted) entry->second = ChildrenOfChildren(axis, NodeKind::kSubAxes, NodeKind::kAxis);
  return entry->second;
}

std::optional<NodeId> TableQueries::FindSubAxis(NodeId axis, std::string_view name) const {
  for (NodeId sub_axis : SubAxes(axis)) {
    if (tree_.AttributeOrEmpty(sub_axis, AttributeName::kName) == name) return sub_axis;
  }
  return std::nullopt;
}

const std::vector<NodeId>& TableQueries::AxisHeadings(NodeId axis) const {
  auto [entry, inserted] = axis_headings_.try_emplace(axis);
  if (inserted) entry->second = ChildrenOfChildren(axis, NodeKind::kAxisHeadings, NodeKind::kHeading);
  return entry->second;
}

std::optional<NodeId> TableQueries::SubAxisOfHeading(NodeId axis, std::uint64_t index,
                                                     std::string_view& name) const {
  const std::vector<NodeId>& headings = AxisHeadings(axis);
  name = {};
  if (index >= headings.size()) return std::nullopt;
  name = tree_.AttributeOrEmpty(headings[static_cast<std::size_t>(index)], AttributeName::kName);
  return FindSubAxis(axis, name);
}

const std::vector<NodeId>& TableQueries::ElementHeadings(NodeId axis) const {
  auto [entry, inserted] = element_headings_.try_emplace(axis);
  if (inserted) entry->second = DescendantsOfChildren(axis, NodeKind::kElementHeadings, NodeKind::kHeading);
  return entry->second;
}

std::uint64_t TableQueries::ElementCount(NodeId axis, ElementRule rule) const {
  auto [entry, inserted] = element_counts_.try_emplace(CacheKey(axis, rule), 0);
  if (inserted) {
    for (NodeId element : DescendantsOfChildren(axis, NodeKind::kElements, NodeKind::kElement)) {
      if (Matches(tree_, element, rule)) ++entry->second;
    }
  }
  return entry->second;
}

std::uint64_t TableQueries::LeafCount(NodeId axis, ElementRule rule) const {
  if (auto cached = leaf_counts_.find(CacheKey(axis, rule)); cached != leaf_counts_.end()) {
    return cached->second;
  }
  std::uint64_t elements = std::max<std::uint64_t>(ElementCount(axis, rule), 1);
  std::uint64_t leaves = elements;
  if (!SubAxes(axis).empty()) {
    std::uint64_t nested = 0;
    for (NodeId sub_axis : SubAxes(axis)) nested = SaturatedAdd(nested, LeafCount(sub_axis, rule));
    leaves = SaturatedMultiply(elements, nested);
  }
  leaf_counts_.emplace(CacheKey(axis, rule), leaves);
  return leaves;
}

std::uint64_t TableQueries::AxisDepth(NodeId root_axis) const {
  std::uint32_t deepest = 0;
  for (NodeId node = root_axis + 1; node < tree_.SubtreeEnd(root_axis); ++node) {
    if (tree_.Kind(node) == NodeKind::kAxis) deepest = std::max(deepest, axis_ancestors_[node]);
  }
  return 2 * std::uint64_t{deepest};
}

std::optional<NodeId> TableQueries::ChildElementNamed(NodeId node, std::string_view name) const {
  // Large variables (profile listings) have thousands of elements, so each
  // node's */Element names are indexed once, keeping the first of a name.
  auto [index, inserted] = elements_by_name_.try_emplace(node);
  if (inserted) {
    for (NodeId child = node + 1; child < tree_.SubtreeEnd(node); child = tree_.SubtreeEnd(child)) {
      for (NodeId grandchild = child + 1; grandchild < tree_.SubtreeEnd(child);
           grandchild = tree_.SubtreeEnd(grandchild)) {
        if (tree_.Kind(grandchild) == NodeKind::kElement) {
          index->second.try_emplace(tree_.AttributeOrEmpty(grandchild, AttributeName::kName), grandchild);
        }
      }
    }
  }
  auto found = index->second.find(name);
  if (found == index->second.end()) return std::nullopt;
  return found->second;
}

ElementLookup TableQueries::ElementOfHeading(NodeId axis, NodeId heading) const {
  std::vector<NodeId> path{heading};
  for (auto node = tree_.Parent(heading); node; node = tree_.Parent(*node)) {
    if (tree_.Kind(*node) == NodeKind::kHeading) path.push_back(*node);
  }
  NodeId current = axis;
  for (auto step = path.rbegin(); step != path.rend(); ++step) {
    std::string_view name = tree_.AttributeOrEmpty(*step, AttributeName::kName);
    std::optional<NodeId> element = ChildElementNamed(current, name);
    if (!element) return {std::nullopt, name};
    current = *element;
  }
  return {current, {}};
}

bool TableQueries::IncludesColumnHeadings() const {
  for (NodeId axis = 1; axis < tree_.Size(); ++axis) {
    if (tree_.Kind(axis) != NodeKind::kAxis) continue;
    bool has_sub_axes = false;
    for (NodeId node = axis + 1; node < tree_.SubtreeEnd(axis) && !has_sub_axes; ++node) {
      has_sub_axes = tree_.Kind(node) == NodeKind::kSubAxes;
    }
    if (has_sub_axes) continue;
    for (NodeId heading : ElementHeadings(axis)) {
      if (!tree_.AttributeOrEmpty(heading, AttributeName::kHeadingId).empty()) return true;
    }
  }
  return false;
}

std::optional<NodeId> TableQueries::Annotation(std::string_view position) const {
  for (NodeId annotation : ChildrenOfChildren(tree_.Root(), NodeKind::kAnnotations, NodeKind::kAnnotation)) {
    if (tree_.Attribute(annotation, AttributeName::kPosition) == position) return annotation;
  }
  return std::nullopt;
}

std::size_t TableQueries::CellItemCount() const {
  return ChildrenOfChildren(tree_.Root(), NodeKind::kCellItems, NodeKind::kCellItem).size();
}

}  // namespace tabulo::text
