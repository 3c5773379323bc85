#include "html/grid_headings.h"

#include "tables/celement.h"
#include "tables/vocabularies.h"

namespace tabulo::html {
namespace {

using tables::CAxisHeading;
using tables::CElementHeading;
using tables::CHeading;

void ListVariable(const CAxisHeading& variable, const CRenderSettings& settings,
                  std::vector<const CHeading*>& list);

void ListElement(const CElementHeading& element, const CRenderSettings& settings,
                 std::vector<const CHeading*>& list) {
  if (settings.include_categories) list.push_back(&element);
  for (const CAxisHeading* nested : element.Children()) ListVariable(*nested, settings, list);
  if (const tables::CElementHeadings* members = element.SubElementHeadings()) {
    for (std::size_t i = 0; i < members->size(); ++i) ListElement((*members)[i], settings, list);
  }
}

void ListVariable(const CAxisHeading& variable, const CRenderSettings& settings,
                  std::vector<const CHeading*>& list) {
  list.push_back(&variable);
  const std::vector<CElementHeading*>& elements = variable.Children();
  if (settings.include_categories) {
    for (const CElementHeading* element : elements) ListElement(*element, settings, list);
  } else if (!elements.empty()) {
    ListElement(*elements.front(), settings, list);
  }
}

}  // namespace

std::vector<const CHeading*> HeadingList(const tables::CAxis& root, const CRenderSettings& settings) {
  std::vector<const CHeading*> list;
  if (const tables::CAxisHeadings* variables = root.AxisHeadings()) {
    for (std::size_t i = 0; i < variables->size(); ++i) ListVariable((*variables)[i], settings, list);
  }
  return list;
}

std::string IdPath(const CHeading& heading) {
  if (const CAxisHeading* variable = heading.AsAxisHeading()) {
    const CElementHeading* parent = variable->ParentElementHeading();
    return parent != nullptr ? IdPath(*parent) + ">" + variable->GetName() : variable->GetName();
  }
  const CElementHeading& element = *heading.AsElementHeading();
  const CAxisHeading* parent = element.ParentAxisHeading();
  return (parent != nullptr ? IdPath(*parent) : std::string()) + "{" + element.GetName() + "}";
}

std::string ElementClass(const CElementHeading& heading, bool top) {
  int level = heading.GetSubElementLevel();
  std::string css = level == 0 ? std::string("Axis AxisElement") + (top ? "Top" : "Side")
                               : "Axis AxisSubElementLevel" + std::to_string(level) + (top ? "Top" : "Side");
  css += " AxisElement";
  css += tables::ElementTypeName(heading.Element()->Type());
  if (heading.IsSortedOn()) css += " AxisElementSortedOn";
  return css;
}

}  // namespace tabulo::html
