#include "tables/layout_steps.h"

#include <unordered_map>

#include "tables/tables_error.h"

namespace tabulo::tables {
namespace {

// Elements that carry cell values size the heading blocks.
std::size_t CountWithValues(const CElements* elements, bool any_depth) {
  if (elements == nullptr) return 0;
  std::size_t count = 0;
  for (const auto& element : elements->Items()) {
    if (element->HasCellValues()) ++count;
    if (any_depth) count += CountWithValues(element->SubElements(), true);
  }
  return count;
}

template <typename List>
auto& Entry(const List* list, std::size_t index, const std::string& table_name) {
  if (list == nullptr || index >= list->size()) RaiseMessage(kMsgHeadingListTooShort, table_name);
  return (*list)[index];
}

class HeadingTreeBuilder {
 public:
  explicit HeadingTreeBuilder(const std::string& table_name) : table_name_(table_name) {}

  // Instance p of a variable uses block p of its element headings; its
  // element headings number on from p times the variable's elements with
  // values.
  void BuildAxis(CAxisHeading& heading, std::size_t instance) {
    heading.Children().clear();
    const CAxis& variable = VariableOf(heading);
    const BlockSizes& sizes = SizesOf(variable);
    std::size_t block_size = sizes.top_level;
    std::size_t counter = sizes.any_depth * instance;
    for (std::size_t i = block_size * instance; i < block_size * (instance + 1); ++i) {
      CElementHeading& element = Entry(variable.ElementHeadings(), i, table_name_);
      if (element.ParentAxisHeading() != nullptr) UsedTwice();
      element.SetParentAxisHeading(&heading);
      heading.Children().push_back(&element);
      BuildElement(element, counter, heading);
      ++counter;
    }
  }

 private:
  // The counter is shared by the whole walk of one instance, so a net's
  // heading and each of its members get flat heading numbers of their own;
  // that number selects the block of the variables nested under them.
  void BuildElement(CElementHeading& element, std::size_t& counter, CAxisHeading& owner) {
    element.Children().clear();
    const CAxis& variable = VariableOf(owner);
    if (const CAxisHeadings* nested = variable.AxisHeadings()) {
      std::size_t per_block = variable.SubAxes() ? variable.SubAxes()->size() : 0;
      std::size_t number = counter;
      for (std::size_t i = number * per_block; i < number * per_block + per_block; ++i) {
        CAxisHeading& child = Entry(nested, i, table_name_);
        if (child.ParentElementHeading() != nullptr) UsedTwice();
        child.SetParentElementHeading(&element);
        element.Children().push_back(&child);
        BuildAxis(child, number);
      }
    }
    if (const CElementHeadings* members = element.SubElementHeadings()) {
      for (const auto& member : members->Items()) {
        ++counter;
        member->SetParentAxisHeading(&owner);
        BuildElement(*member, counter, owner);
      }
    }
  }

  // Blocks overlap when a block holds more headings than its variable's
  // elements with values; the shared headings would stand in two places
  // (and, nested, in exponentially many), so the table is refused.
  [[noreturn]] void UsedTwice() const { RaiseMessage(kMsgHeadingUsedTwice, table_name_); }

  static const CAxis& VariableOf(const CAxisHeading& heading) {
    if (heading.Variable() == nullptr) RaiseUnexpected();
    return *heading.Variable();
  }

  struct BlockSizes {
    std::size_t top_level = 0;
    std::size_t any_depth = 0;
  };

  // Counted once per variable: a variable may have as many instances as
  // the document has headings.
  const BlockSizes& SizesOf(const CAxis& variable) {
    auto [it, inserted] = sizes_.try_emplace(&variable);
    if (inserted) {
      it->second.top_level = CountWithValues(variable.Elements(), false);
      it->second.any_depth = CountWithValues(variable.Elements(), true);
    }
    return it->second;
  }

  const std::string& table_name_;
  std::unordered_map<const CAxis*, BlockSizes> sizes_;
};

void ClearParents(const CElementHeadings* headings) {
  if (headings == nullptr) return;
  for (const auto& heading : headings->Items()) {
    heading->SetParentAxisHeading(nullptr);
    heading->Children().clear();
    ClearParents(heading->SubElementHeadings());
  }
}

// Every heading below a root axis starts without parent, so that a heading
// reached a second time can be told from one left by an earlier layout.
void ClearParents(const CAxis& axis) {
  if (const CAxisHeadings* headings = axis.AxisHeadings()) {
    for (const auto& heading : headings->Items()) {
      heading->SetParentElementHeading(nullptr);
      heading->Children().clear();
    }
  }
  ClearParents(axis.ElementHeadings());
  if (const CAxes* variables = axis.SubAxes()) {
    for (const auto& variable : variables->Items()) ClearParents(*variable);
  }
}

}  // namespace

void BuildHeadingTrees(const CAxis& root, const std::string& table_name) {
  ClearParents(root);
  HeadingTreeBuilder builder(table_name);
  for (const auto& heading : root.AxisHeadings()->Items()) builder.BuildAxis(*heading, 0);
}

}  // namespace tabulo::tables
