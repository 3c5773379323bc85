#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "scripts/text/table_tree.h"

namespace tabulo::text {

// Which elements an element count takes in.
enum class ElementRule : std::uint8_t {
  kAll,
  kShown,   // not(@ShownOnTable = 'false')
  kValued,  // not(@HasCellValues = 'false')
  kListed,  // shown or valued
};

// The outcome of finding the element of a heading: the element, or the name
// of the step that found nothing.
struct ElementLookup {
  std::optional<NodeId> element;
  std::string_view missing_name;
};

// The node queries of the text logic over one table, each giving the node
// set of its XPath expression (named beside it) in document order. Results
// that the traversals ask for again and again are computed once.
class TableQueries {
 public:
  explicit TableQueries(const TableTree& tree);

  const TableTree& Tree() const { return tree_; }

  // Axes/Axis[@Name = name], the first one.
  std::optional<NodeId> RootAxis(std::string_view name) const;
  // A root axis is used only when it has variables and headings naming them;
  // otherwise the table is laid out as if it had none.
  bool HasVariables(NodeId axis) const;
  // SubAxes/Axis
  const std::vector<NodeId>& SubAxes(NodeId axis) const;
  // SubAxes/Axis[@Name = name], the first one.
  std::optional<NodeId> FindSubAxis(NodeId axis, std::string_view name) const;
  // AxisHeadings/Heading
  const std::vector<NodeId>& AxisHeadings(NodeId axis) const;
  // The sub-axis that AxisHeadings/Heading number `index` names; `name`
  // receives that name ("" when there is no such heading).
  std::optional<NodeId> SubAxisOfHeading(NodeId axis, std::uint64_t index, std::string_view& name) const;
  // ElementHeadings//Heading
  const std::vector<NodeId>& ElementHeadings(NodeId axis) const;
  // count(Elements//Element[rule])
  std::uint64_t ElementCount(NodeId axis, ElementRule rule) const;
  // The axis's leaves: e = the element count (1 when 0), times the sum of
  // the sub-axes' leaf counts when it has sub-axes. Saturates instead of
  // overflowing.
  std::uint64_t LeafCount(NodeId axis, ElementRule rule) const;
  // count(ancestor::Axis)
  std::uint32_t AxisAncestorCount(NodeId node) const { return axis_ancestors_[node]; }
  // 2 x the largest count(ancestor::Axis) of any descendant Axis.
  std::uint64_t AxisDepth(NodeId root_axis) const;
  // Steps from the axis through */Element[@Name = ...] for each
  // ancestor::Heading of the heading, outermost first, then for the heading.
  ElementLookup ElementOfHeading(NodeId axis, NodeId heading) const;
  // Some descendant Axis without descendant SubAxes has, in its
  // ElementHeadings, a Heading with a non-empty HeadingId.
  bool IncludesColumnHeadings() const;
  // Annotations/Annotation[@Position = position], the first one.
  std::optional<NodeId> Annotation(std::string_view position) const;
  // count(CellItems/CellItem)
  std::size_t CellItemCount() const;

  static bool Matches(const TableTree& tree, NodeId element, ElementRule rule);

 private:
  std::vector<NodeId> ChildrenOfChildren(NodeId node, NodeKind child, NodeKind grandchild) const;
  std::vector<NodeId> DescendantsOfChildren(NodeId node, NodeKind child, NodeKind descendant) const;
  std::optional<NodeId> ChildElementNamed(NodeId node, std::string_view name) const;

  const TableTree& tree_;
  std::vector<std::uint32_t> axis_ancestors_;
  mutable std::unordered_map<NodeId, std::vector<NodeId>> sub_axes_;
  mutable std::unordered_map<NodeId, std::vector<NodeId>> axis_headings_;
  mutable std::unordered_map<NodeId, std::vector<NodeId>> element_headings_;
  mutable std::unordered_map<std::uint64_t, std::uint64_t> element_counts_;
  mutable std::unordered_map<std::uint64_t, std::uint64_t> leaf_counts_;
  mutable std::unordered_map<NodeId, std::unordered_map<std::string_view, NodeId>> elements_by_name_;
};

}  // namespace tabulo::text
