#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "xml/document.h"

struct _xmlNode;

namespace tabulo::excel {

// Which elements an element count takes in.
enum class ElementRule : std::uint8_t {
  kAll,
  kShown,        // not(@ShownOnTable = 'false')
  kValued,       // not(@HasCellValues = 'false')
  kListed,       // shown or valued
  kShownValued,  // shown and valued: takes part in charts
};

bool IsShown(const xml::Node& element);
bool HasCellValues(const xml::Node& element);
bool Matches(const xml::Node& element, ElementRule rule);

// The attribute's text, or "" when it is absent.
std::string AttributeOrEmpty(const xml::Node& node, std::string_view name);

// The first child element of that name.
std::optional<xml::Node> ChildNamed(const xml::Node& node, std::string_view name);

// The node queries of the layout over the axes of a Tables XML document,
// each the node set (or count) of the XPath expression beside it, in
// document order. Lists the traversal asks for again and again are kept
// per axis, so a handle must not outlive the document.
class AxisQueries {
 public:
  // Axes/Axis[@Name = name] of a table, when it has variables and headings
  // naming them (an axis without them counts as absent).
  static std::optional<xml::Node> RootAxis(const xml::Node& table, std::string_view name);

  // count(ancestor::Axis)
  static std::int64_t AxisAncestorCount(const xml::Node& node);
  // count(ancestor::SubElements)
  static std::int64_t SubElementsAncestorCount(const xml::Node& node);
  // 2 x the largest count(ancestor::Axis) of any descendant Axis.
  static std::int64_t AxisDepth(const xml::Node& root_axis);
  // Some descendant Axis without SubAxes has, in its ElementHeadings, a
  // Heading with a non-empty HeadingId.
  static bool HasColumnHeadings(const xml::Node& root_axis);

  // SubAxes/Axis
  const std::vector<xml::Node>& SubAxes(const xml::Node& axis);
  // AxisHeadings/Heading
  const std::vector<xml::Node>& AxisHeadings(const xml::Node& axis);
  // ElementHeadings//Heading
  const std::vector<xml::Node>& ElementHeadings(const xml::Node& axis);
  // SubAxes/Axis[@Name = name], the first one.
  std::optional<xml::Node> SubAxisNamed(const xml::Node& axis, std::string_view name);
  // count(Elements//Element[rule])
  std::int64_t ElementCount(const xml::Node& axis, ElementRule rule);
  // Rows or columns that the shown leaves of an axis take: a root axis
  // counts as one element, a variable without shown elements as none (it is
  // not laid out), any other variable as its shown elements, each times the
  // sum over its sub-axes when it has some. Saturates instead of overflowing.
  std::int64_t ShownLeafCount(const xml::Node& axis);
  // The element a heading of the axis shows: from the axis through
  // */Element[@Name = ...] for each ancestor::Heading, outermost first, then
  // for the heading itself. `missing_name` receives the name of the step
  // that found nothing.
  static std::optional<xml::Node> ElementOfHeading(const xml::Node& axis, const xml::Node& heading,
                                                   std::string& missing_name);

 private:
  struct AxisLists {
    std::vector<xml::Node> sub_axes;
    std::vector<xml::Node> axis_headings;
    std::vector<xml::Node> element_headings;
    std::vector<xml::Node> elements;
    std::optional<std::int64_t> shown_leaves;
    std::array<std::optional<std::int64_t>, 5> element_counts;  // by ElementRule
  };
  AxisLists& ListsOf(const xml::Node& axis);

  std::unordered_map<_xmlNode*, AxisLists> lists_;
};

}  // namespace tabulo::excel
