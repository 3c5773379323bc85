#include "charts/planning/chart_texts.h"

#include <optional>
#include <vector>

#include "charts/planning/markup_stripper.h"
#include "frame/component_info.h"
#include "frame/string_table.h"
#include "platform/message_format.h"
#include "tables/caxis.h"
#include "tables/vocabularies.h"

namespace tabulo::charts {
namespace {

constexpr int kCategoryChartNoteId = 104;
constexpr int kSpecialChartNoteId = 105;
constexpr int kNoSuitableElementsId = 106;
constexpr int kFrequencyId = 107;

std::string Message(int id, std::vector<std::string> inserts = {}) {
  std::string pattern = frame::LoadString(frame::Component(frame::ComponentKind::kWebline), id).value_or("");
  return platform::FormatMessageText(pattern, inserts).value_or(pattern);
}

}  // namespace

std::string FrequencyText() { return Message(kFrequencyId); }

std::string VariableLabel(const tables::CAxisHeading* variable, bool use_variable_labels) {
  if (variable == nullptr) return FrequencyText();
  const tables::CAxis* model = variable->Variable();
  if (model == nullptr) return StripMarkup(variable->Name());
  if (use_variable_labels && !model->Label().empty()) return StripMarkup(model->Label());
  return StripMarkup(model->Name());
}

std::string ElementLabel(const tables::CElementHeading* element) {
  if (element == nullptr) return FrequencyText();
  return StripMarkup(element->GetLabel());
}

std::string NestingContext(const tables::CAxisHeading* variable) {
  if (variable == nullptr) return {};
  // Built from the stripped text of each heading, so that one text that is
  // not markup leaves the markup of the others removed. A variable's text
  // follows its element's path after ", ", an element's follows its
  // variable's after ": ".
  std::string context;
  for (const tables::CElementHeading* element = variable->ParentElementHeading(); element != nullptr;) {
    context = context.empty() ? StripMarkup(element->GetDisplayText())
                              : StripMarkup(element->GetDisplayText()) + ", " + context;
    const tables::CAxisHeading* owner = element->ParentAxisHeading();
    if (owner == nullptr) break;
    context = StripMarkup(owner->GetDisplayText()) + ": " + context;
    element = owner->ParentElementHeading();
  }
  return context;
}

std::string PrefixedElementLabel(const tables::CElementHeading& element) {
  std::string label = ElementLabel(&element);
  for (const tables::CAxisHeading* variable = element.ParentAxisHeading(); variable != nullptr;) {
    const tables::CElementHeading* above = variable->ParentElementHeading();
    if (above == nullptr) break;
    label = ElementLabel(above) + ", " + label;
    variable = above->ParentAxisHeading();
  }
  return label;
}

std::string CellItemTypeText(std::int32_t code) {
  auto names = tables::CellItemTypeNames();
  if (code < 0 || static_cast<std::size_t>(code) >= names.size()) return {};
  return std::string(names[static_cast<std::size_t>(code)]);
}

std::string CategoryChartNote() { return Message(kCategoryChartNoteId); }

std::string SpecialChartNote() { return Message(kSpecialChartNoteId); }

std::string NoSuitableElementsNote(std::string_view nesting_context, std::string_view variable_name) {
  std::string context = nesting_context.empty() ? std::string() : "'" + std::string(nesting_context) + "'";
  return Message(kNoSuitableElementsId, {std::move(context), std::string(variable_name)});
}

}  // namespace tabulo::charts
