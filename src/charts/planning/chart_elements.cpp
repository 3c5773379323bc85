#include "charts/planning/chart_elements.h"

#include "tables/caxis.h"
#include "tables/celement.h"

namespace tabulo::charts {
namespace {

using tables::CAxisHeading;
using tables::CElementHeading;
using tables::ElementType;

void AppendWithMembers(const CElementHeading& element, std::vector<const CElementHeading*>& out) {
  out.push_back(&element);
  if (const tables::CElementHeadings* members = element.SubElementHeadings()) {
    for (const auto& member : members->Items()) AppendWithMembers(*member, out);
  }
}

bool HasNestedVariables(const CAxisHeading& variable) {
  for (const CElementHeading* element : ElementsOf(variable)) {
    if (!element->Children().empty()) return true;
  }
  return false;
}

void CollectVariables(const CAxisHeading& variable, std::vector<const CAxisHeading*>& out) {
  if (!HasNestedVariables(variable)) {
    out.push_back(&variable);
    return;
  }
  for (const CElementHeading* element : ElementsOf(variable)) {
    for (const CAxisHeading* nested : element->Children()) CollectVariables(*nested, out);
  }
}

bool IsCategoryType(ElementType type) {
  return type == ElementType::kCategory || type == ElementType::kCombine || type == ElementType::kExpression;
}

bool IsSpecialType(ElementType type) {
  switch (type) {
    case ElementType::kMean:
    case ElementType::kStdDev:
    case ElementType::kStdErr:
    case ElementType::kSampleVar:
    case ElementType::kSum:
    case ElementType::kMinimum:
    case ElementType::kMaximum:
    case ElementType::kMedian:
    case ElementType::kPercentile:
    case ElementType::kMode:
    case ElementType::kDerived:
    case ElementType::kOtherDerived:
    case ElementType::kNumeric:
    case ElementType::kTotal:
    case ElementType::kSubTotal:
      return true;
    default:
      return false;
  }
}

bool OwnsCells(const CElementHeading& element) {
  return element.Element() != nullptr && element.Element()->HasCellValues() && element.GetSpan() != 0;
}

// The element and the elements its variable is nested under.
bool ShownWithValuesThroughout(const CElementHeading& element) {
  for (const CElementHeading* current = &element; current != nullptr;) {
    const tables::CElement* model = current->Element();
    if (model == nullptr || !model->ShownOnTable() || !model->HasCellValues()) return false;
    const CAxisHeading* variable = current->ParentAxisHeading();
    current = variable != nullptr ? variable->ParentElementHeading() : nullptr;
  }
  return true;
}

}  // namespace

std::vector<const CAxisHeading*> ChartVariables(const tables::CTable& table, std::string_view root_name) {
  std::vector<const CAxisHeading*> variables;
  const tables::CAxis* root = root_name == "Top" ? table.TopAxis() : table.SideAxis();
  if (root == nullptr) return variables;
  for (const auto& heading : root->AxisHeadings()->Items()) CollectVariables(*heading, variables);
  return variables;
}

std::vector<const CElementHeading*> ElementsOf(const CAxisHeading& variable) {
  std::vector<const CElementHeading*> elements;
  for (const CElementHeading* element : variable.Children()) AppendWithMembers(*element, elements);
  return elements;
}

bool InFamily(const CElementHeading& element, ElementFamily family) {
  if (!OwnsCells(element) || !ShownWithValuesThroughout(element)) return false;
  ElementType type = element.Element()->Type();
  return family == ElementFamily::kCategory ? IsCategoryType(type) : IsSpecialType(type);
}

std::vector<const CElementHeading*> FamilyElements(const CAxisHeading& variable, ElementFamily family) {
  std::vector<const CElementHeading*> members;
  for (const CElementHeading* element : ElementsOf(variable)) {
    if (InFamily(*element, family)) members.push_back(element);
  }
  return members;
}

const CElementHeading* BaseElementOf(const CAxisHeading& variable) {
  for (const CElementHeading* element : ElementsOf(variable)) {
    if (!OwnsCells(*element)) continue;
    ElementType type = element->Element()->Type();
    if (type == ElementType::kBase || type == ElementType::kUnweightedBase) return element;
  }
  return nullptr;
}

}  // namespace tabulo::charts
