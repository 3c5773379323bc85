#include "scripts/excel/axis_queries.h"

#include <algorithm>
#include <limits>

namespace tabulo::excel {
namespace {

constexpr std::int64_t kSaturated = std::numeric_limits<std::int64_t>::max() / 4;

std::int64_t SaturatingProduct(std::int64_t a, std::int64_t b) {
  if (a == 0 || b == 0) return 0;
  if (a > kSaturated / b) return kSaturated;
  return a * b;
}

std::int64_t SaturatingSum(std::int64_t a, std::int64_t b) { return std::min(kSaturated, a + b); }

// Appends every descendant element of `node` named `name`, in document order.
void CollectDescendants(const xml::Node& node, std::string_view name, std::vector<xml::Node>& out) {
  for (const xml::Node& child : node.ChildElements()) {
    if (child.Name() == name) out.push_back(child);
    CollectDescendants(child, name, out);
  }
}

// child/grandchild: the grandchildren named `grandchild` under children named `child`.
std::vector<xml::Node> ChildrenOfChildren(const xml::Node& node, std::string_view child,
                                          std::string_view grandchild) {
  std::vector<xml::Node> found;
  for (const xml::Node& outer : node.ChildElements()) {
    if (outer.Name() != child) continue;
    for (const xml::Node& inner : outer.ChildElements()) {
      if (inner.Name() == grandchild) found.push_back(inner);
    }
  }
  return found;
}

// child//descendant
std::vector<xml::Node> DescendantsOfChildren(const xml::Node& node, std::string_view child,
                                             std::string_view descendant) {
  std::vector<xml::Node> found;
  for (const xml::Node& outer : node.ChildElements()) {
    if (outer.Name() == child) CollectDescendants(outer, descendant, found);
  }
  return found;
}

// */Element[@Name = name]
std::optional<xml::Node> ElementChildNamed(const xml::Node& node, std::string_view name) {
  for (const xml::Node& outer : node.ChildElements()) {
    for (const xml::Node& inner : outer.ChildElements()) {
      if (inner.Name() == "Element" && inner.Attribute("Name").value_or("") == name) return inner;
    }
  }
  return std::nullopt;
}

std::int64_t AncestorCount(const xml::Node& node, std::string_view name) {
  std::int64_t count = 0;
  for (std::optional<xml::Node> parent = node.Parent(); parent; parent = parent->Parent()) {
    if (parent->Name() == name) ++count;
  }
  return count;
}

bool IsRootAxis(const xml::Node& axis) {
  std::optional<xml::Node> parent = axis.Parent();
  return parent && parent->Name() == "Axes";
}

void LargestAxisDepth(const xml::Node& node, std::int64_t ancestors, std::int64_t& largest) {
  for (const xml::Node& child : node.ChildElements()) {
    bool is_axis = child.Name() == "Axis";
    if (is_axis) largest = std::max(largest, ancestors);
    LargestAxisDepth(child, ancestors + (is_axis ? 1 : 0), largest);
  }
}

bool HasNonEmptyHeadingId(const xml::Node& axis) {
  for (const xml::Node& heading : DescendantsOfChildren(axis, "ElementHeadings", "Heading")) {
    if (!heading.Attribute("HeadingId").value_or("").empty()) return true;
  }
  return false;
}

bool AnyLeafVariableWithHeadingId(const xml::Node& node) {
  for (const xml::Node& child : node.ChildElements()) {
    if (child.Name() == "Axis" && !ChildNamed(child, "SubAxes") && HasNonEmptyHeadingId(child)) return true;
    if (AnyLeafVariableWithHeadingId(child)) return true;
  }
  return false;
}

}  // namespace

bool IsShown(const xml::Node& element) { return element.Attribute("ShownOnTable").value_or("") != "false"; }

bool HasCellValues(const xml::Node& element) {
  return element.Attribute("HasCellValues").value_or("") != "false";
}

bool Matches(const xml::Node& element, ElementRule rule) {
  switch (rule) {
    case ElementRule::kAll:
      return true;
    case ElementRule::kShown:
      return IsShown(element);
    case ElementRule::kValued:
      return HasCellValues(element);
    case ElementRule::kListed:
      return IsShown(element) || HasCellValues(element);
    case ElementRule::kShownValued:
      return IsShown(element) && HasCellValues(element);
  }
  return true;
}

std::string AttributeOrEmpty(const xml::Node& node, std::string_view name) {
  return node.Attribute(name).value_or("");
}

std::optional<xml::Node> ChildNamed(const xml::Node& node, std::string_view name) {
  for (const xml::Node& child : node.ChildElements()) {
    if (child.Name() == name) return child;
  }
  return std::nullopt;
}

std::optional<xml::Node> AxisQueries::RootAxis(const xml::Node& table, std::string_view name) {
  for (const xml::Node& axis : ChildrenOfChildren(table, "Axes", "Axis")) {
    if (axis.Attribute("Name").value_or("") != name) continue;
    bool has_variables = !ChildrenOfChildren(axis, "SubAxes", "Axis").empty();
    bool has_headings = !ChildrenOfChildren(axis, "AxisHeadings", "Heading").empty();
    if (has_variables && has_headings) return axis;
    return std::nullopt;
  }
  return std::nullopt;
}

std::int64_t AxisQueries::AxisAncestorCount(const xml::Node& node) { return AncestorCount(node, "Axis"); }

std::int64_t AxisQueries::SubElementsAncestorCount(const xml::Node& node) {
  return AncestorCount(node, "SubElements");
}

std::int64_t AxisQueries::AxisDepth(const xml::Node& root_axis) {
  std::int64_t largest = 0;
  LargestAxisDepth(root_axis, AxisAncestorCount(root_axis) + 1, largest);
  return 2 * largest;
}

bool AxisQueries::HasColumnHeadings(const xml::Node& root_axis) {
  return AnyLeafVariableWithHeadingId(root_axis);
}

AxisQueries::AxisLists& AxisQueries::ListsOf(const xml::Node& axis) {
  auto [entry, inserted] = lists_.try_emplace(axis.raw());
  if (inserted) {
    entry->second.sub_axes = ChildrenOfChildren(axis, "SubAxes", "Axis");
    entry->second.axis_headings = ChildrenOfChildren(axis, "AxisHeadings", "Heading");
    entry->second.element_headings = DescendantsOfChildren(axis, "ElementHeadings", "Heading");
    entry->second.elements = DescendantsOfChildren(axis, "Elements", "Element");
  }
  return entry->second;
}

const std::vector<xml::Node>& AxisQueries::SubAxes(const xml::Node& axis) { return ListsOf(axis).sub_axes; }

const std::vector<xml::Node>& AxisQueries::AxisHeadings(const xml::Node& axis) {
  return ListsOf(axis).axis_headings;
}

const std::vector<xml::Node>& AxisQueries::ElementHeadings(const xml::Node& axis) {
  return ListsOf(axis).element_headings;
}

std::optional<xml::Node> AxisQueries::SubAxisNamed(const xml::Node& axis, std::string_view name) {
  for (const xml::Node& sub_axis : SubAxes(axis)) {
    if (sub_axis.Attribute("Name").value_or("") == name) return sub_axis;
  }
  return std::nullopt;
}

std::int64_t AxisQueries::ElementCount(const xml::Node& axis, ElementRule rule) {
  AxisLists& lists = ListsOf(axis);
  std::optional<std::int64_t>& known = lists.element_counts[static_cast<std::size_t>(rule)];
  if (known) return *known;
  const std::vector<xml::Node>& elements = lists.elements;
  known = static_cast<std::int64_t>(std::count_if(elements.begin(), elements.end(),
                                                  [rule](const xml::Node& e) { return Matches(e, rule); }));
  return *known;
}

std::int64_t AxisQueries::ShownLeafCount(const xml::Node& axis) {
  if (std::optional<std::int64_t> known = ListsOf(axis).shown_leaves) return *known;
  std::int64_t elements = IsRootAxis(axis) ? 1 : ElementCount(axis, ElementRule::kShown);
  std::int64_t leaves = elements;
  if (elements > 0 && !SubAxes(axis).empty()) {
    std::int64_t per_element = 0;
    // The map keeps its entries in place while the recursion adds to it.
    for (const xml::Node& sub_axis : SubAxes(axis))
      per_element = SaturatingSum(per_element, ShownLeafCount(sub_axis));
    leaves = SaturatingProduct(elements, per_element);
  }
  ListsOf(axis).shown_leaves = leaves;
  return leaves;
}

std::optional<xml::Node> AxisQueries::ElementOfHeading(const xml::Node& axis, const xml::Node& heading,
                                                       std::string& missing_name) {
  std::vector<xml::Node> enclosing;
  for (std::optional<xml::Node> parent = heading.Parent(); parent; parent = parent->Parent()) {
    if (*parent == axis) break;
    if (parent->Name() == "Heading") enclosing.push_back(*parent);
  }
  xml::Node current = axis;
  for (auto outer = enclosing.rbegin(); outer != enclosing.rend(); ++outer) {
    std::string name = AttributeOrEmpty(*outer, "Name");
    std::optional<xml::Node> next = ElementChildNamed(current, name);
    if (!next) {
      missing_name = std::move(name);
      return std::nullopt;
    }
    current = *next;
  }
  std::string name = AttributeOrEmpty(heading, "Name");
  std::optional<xml::Node> element = ElementChildNamed(current, name);
  if (!element) missing_name = std::move(name);
  return element;
}

}  // namespace tabulo::excel
