#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::text {

// The elements of a Table that the text logic queries. Any other element is
// kept as kOther so that descendant queries see the same structure.
enum class NodeKind : std::uint8_t {
  kOther,
  kTable,
  kAxes,
  kAxis,
  kSubAxes,
  kAxisHeadings,
  kHeading,
  kElements,
  kElement,
  kElementHeadings,
  kAnnotations,
  kAnnotation,
  kCellItems,
  kCellItem,
  kCellValues,
  kLayer,
  kRow,
};

// The attributes the text logic reads; all others are dropped.
enum class AttributeName : std::uint8_t {
  kName,
  kLabel,
  kType,
  kShownOnTable,
  kHasCellValues,
  kHeadingId,
  kPosition,
  kText,
  kIsPopulated,
};

using NodeId = std::uint32_t;

// A compact element tree of one Table: nodes in document order, so the
// descendants of a node are the nodes up to its subtree end, and attribute
// values in one shared buffer. Node 0 is the Table itself.
class TableTree {
 public:
  struct NamedValue {
    AttributeName name;
    std::string_view value;
  };

  // Building, in document order: Open for a start tag, Close for its end tag.
  void Open(std::string_view element_name, const std::vector<NamedValue>& attributes);
  void Close();
  // The innermost element not yet closed; nullopt before the first Open.
  std::optional<NodeId> Current() const;

  NodeId Root() const { return 0; }
  std::size_t Size() const { return nodes_.size(); }
  NodeKind Kind(NodeId node) const { return nodes_[node].kind; }
  std::optional<NodeId> Parent(NodeId node) const;
  // One past the last descendant of the node.
  NodeId SubtreeEnd(NodeId node) const { return nodes_[node].end; }
  std::vector<NodeId> Children(NodeId node) const;
  std::optional<std::string_view> Attribute(NodeId node, AttributeName name) const;
  // The attribute's value, or "" when absent.
  std::string_view AttributeOrEmpty(NodeId node, AttributeName name) const;

  static NodeKind KindOf(std::string_view element_name);
  static std::optional<AttributeName> AttributeNameOf(std::string_view attribute_name);

 private:
  static constexpr NodeId kNoParent = UINT32_MAX;

  struct StoredAttribute {
    AttributeName name;
    std::uint32_t offset;
    std::uint32_t size;
  };
  struct Node {
    NodeKind kind;
    NodeId parent;
    NodeId end;
    std::uint32_t first_attribute;
    std::uint32_t attribute_count;
  };

  std::vector<Node> nodes_;
  std::vector<StoredAttribute> attributes_;
  std::string text_;
  std::optional<NodeId> current_;
};

}  // namespace tabulo::text
