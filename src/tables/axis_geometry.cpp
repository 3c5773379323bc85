#include "tables/layout_steps.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "tables/celement.h"
#include "tables/tables_error.h"

namespace tabulo::tables {
namespace {

class AxisGeometryCalculator {
 public:
  AxisGeometryCalculator(const AxisLayoutOptions& options, const std::string& table_name)
      : options_(options), table_name_(table_name) {}

  void Compute(CAxis& root) {
    int total_span = 0;
    int level_count = 0;
    for (const auto& heading : root.AxisHeadings()->Items()) {
      deepest_ = 0;
      Axis(*heading, true, 0);
      total_span = Add(total_span, heading->GetSpan());
      level_count = std::max(level_count, deepest_);
    }
    root.SetGeometry(total_span, level_count + 1);
  }

 private:
  void Axis(CAxisHeading& axis, bool shown, int depth) {
    HeadingGeometry& geometry = axis.Geometry();
    geometry = HeadingGeometry{};
    geometry.depth = depth;
    if (options_.include_categories) {
      for (CElementHeading* element : axis.Children()) {
        Element(*element, shown, depth + 1, 0);
        geometry.span = Add(geometry.span, Add(element->GetSpan(), SpanOfMembers(*element)));
      }
      return;
    }
    for (CElementHeading* element : axis.Children()) {
      Element(*element, shown, depth, 0);
      geometry.is_leaf = geometry.is_leaf || element->IsLeaf();
    }
    // Without categories a variable takes one row or column; one without any
    // element heading has nothing to show and takes none.
    geometry.span = axis.Children().empty() ? 0 : 1;
  }

  // Net members stand on their net's level and inherit the shown flag of the
  // net's parent, not the net's own.
  void Element(CElementHeading& element, bool shown, int depth, int level) {
    bool own_shown = shown && element.IsShown();
    HeadingGeometry& geometry = element.Geometry();
    geometry = HeadingGeometry{};
    geometry.sub_element_level = level;
    geometry.depth = depth;
    if (const CElementHeadings* members = element.SubElementHeadings()) {
      for (const auto& member : members->Items()) Element(*member, shown, depth, level + 1);
    }
    if (!element.Children().empty()) {
      for (CAxisHeading* nested : element.Children()) {
        Axis(*nested, own_shown, depth + 1);
        geometry.span = Add(geometry.span, nested->GetSpan());
        // A horizontal side label takes a row of its own above its elements.
        if (options_.horizontal && own_shown && nested->GetSpan() != 0) geometry.span = Add(geometry.span, 1);
      }
      return;
    }
    geometry.is_leaf = true;
    geometry.span = own_shown ? options_.rows_per_leaf : 0;
    deepest_ = std::max(deepest_, depth);
  }

  int SpanOfMembers(const CElementHeading& element) {
    int span = 0;
    if (const CElementHeadings* members = element.SubElementHeadings()) {
      for (const auto& member : members->Items()) {
        span = Add(span, Add(member->GetSpan(), SpanOfMembers(*member)));
      }
    }
    return span;
  }

  // Spans multiply rows per leaf by leaves; refuse a table beyond int.
  int Add(int a, int b) const {
    std::int64_t sum = std::int64_t{a} + b;
    if (sum > std::numeric_limits<int>::max()) RaiseMessage(kMsgTableTooLarge, table_name_);
    return static_cast<int>(sum);
  }

  const AxisLayoutOptions& options_;
  const std::string& table_name_;
  int deepest_ = 0;
};

}  // namespace

void ComputeAxisGeometry(CAxis& root, const AxisLayoutOptions& options, const std::string& table_name) {
  AxisGeometryCalculator(options, table_name).Compute(root);
}

}  // namespace tabulo::tables
