#include "scripts/text/table_tree.h"

#include <array>
#include <utility>

namespace tabulo::text {
namespace {

constexpr std::array<std::pair<std::string_view, NodeKind>, 16> kKinds{{
    {"Table", NodeKind::kTable},
    {"Axes", NodeKind::kAxes},
    {"Axis", NodeKind::kAxis},
    {"SubAxes", NodeKind::kSubAxes},
    {"AxisHeadings", NodeKind::kAxisHeadings},
    {"Heading", NodeKind::kHeading},
    {"Elements", NodeKind::kElements},
    {"Element", NodeKind::kElement},
    {"ElementHeadings", NodeKind::kElementHeadings},
    {"Annotations", NodeKind::kAnnotations},
    {"Annotation", NodeKind::kAnnotation},
    {"CellItems", NodeKind::kCellItems},
    {"CellItem", NodeKind::kCellItem},
    {"CellValues", NodeKind::kCellValues},
    {"Layer", NodeKind::kLayer},
    {"row", NodeKind::kRow},
}};

constexpr std::array<std::pair<std::string_view, AttributeName>, 9> kAttributeNames{{
    {"Name", AttributeName::kName},
    {"Label", AttributeName::kLabel},
    {"Type", AttributeName::kType},
    {"ShownOnTable", AttributeName::kShownOnTable},
    {"HasCellValues", AttributeName::kHasCellValues},
    {"HeadingId", AttributeName::kHeadingId},
    {"Position", AttributeName::kPosition},
    {"Text", AttributeName::kText},
    {"IsPopulated", AttributeName::kIsPopulated},
}};

}  // namespace

NodeKind TableTree::KindOf(std::string_view element_name) {
  for (const auto& [name, kind] : kKinds) {
    if (name == element_name) return kind;
  }
  return NodeKind::kOther;
}

std::optional<AttributeName> TableTree::AttributeNameOf(std::string_view attribute_name) {
  for (const auto& [name, id] : kAttributeNames) {
    if (name == attribute_name) return id;
  }
  return std::nullopt;
}

void TableTree::Open(std::string_view element_name, const std::vector<NamedValue>& attributes) {
  Node node{KindOf(element_name), current_.value_or(kNoParent), 0,
            static_cast<std::uint32_t>(attributes_.size()), static_cast<std::uint32_t>(attributes.size())};
  for (const NamedValue& attribute : attributes) {
    attributes_.push_back({attribute.name, static_cast<std::uint32_t>(text_.size()),
                           static_cast<std::uint32_t>(attribute.value.size())});
    text_.append(attribute.value);
  }
  current_ = static_cast<NodeId>(nodes_.size());
  nodes_.push_back(node);
}

void TableTree::Close() {
  if (!current_) return;
  Node& node = nodes_[*current_];
  node.end = static_cast<NodeId>(nodes_.size());
  current_ = node.parent == kNoParent ? std::nullopt : std::optional<NodeId>(node.parent);
}

std::optional<NodeId> TableTree::Current() const { return current_; }

std::optional<NodeId> TableTree::Parent(NodeId node) const {
  NodeId parent = nodes_[node].parent;
  if (parent == kNoParent) return std::nullopt;
  return parent;
}

std::vector<NodeId> TableTree::Children(NodeId node) const {
  std::vector<NodeId> children;
  for (NodeId child = node + 1; child < nodes_[node].end; child = nodes_[child].end)
    children.push_back(child);
  return children;
}

std::optional<std::string_view> TableTree::Attribute(NodeId node, AttributeName name) const {
  const Node& entry = nodes_[node];
  for (std::uint32_t i = 0; i < entry.attribute_count; ++i) {
    const StoredAttribute& attribute = attributes_[entry.first_attribute + i];
    if (attribute.name == name) return std::string_view(text_).substr(attribute.offset, attribute.size);
  }
  return std::nullopt;
}

std::string_view TableTree::AttributeOrEmpty(NodeId node, AttributeName name) const {
  return Attribute(node, name).value_or(std::string_view{});
}

}  // namespace tabulo::text
