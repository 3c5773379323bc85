#include "frame/property_validation.h"

#include <string>

#include "frame/cexport.h"
#include "frame/report_error.h"
#include "frame/vocabularies.h"
#include "platform/files.h"

namespace tabulo::frame {
namespace {

using platform::Failed;
using platform::HRESULT;
using platform::S_OK;

constexpr std::size_t kMaxPath = 260;

// A vocabulary check of one property: which values are allowed, and the box
// and error texts that reject any other.
struct VocabularyRule {
  std::string_view property;
  std::span<const VocabularyEntry> (*vocabulary)();
  int box_id;    // 0: no box, no error; the default is restored silently
  int error_id;
  bool error_names_property;
};

// Webline also accepts "Variable Preview" and "No Chart" as chart types,
// which the chart-type vocabulary holds.
constexpr VocabularyRule kWeblineRules[] = {
    {"PresentationStyle", PresentationStyles, 1005, 2012, true},
    {"LayoutStyle", LayoutStyles, 1004, 2012, true},
    {"DisplayOption", DisplayOptions, 1003, 2012, true},
    {"ChartType", ChartTypes, 0, 0, false},
    {"ChartImageFormat", ChartImageFormats, 1009, 2012, true},
};
constexpr VocabularyRule kDoclineRules[] = {{"DisplayOption", DisplayOptions, 2022, 2021, false}};
constexpr VocabularyRule kSlidelineRules[] = {{"DisplayOption", DisplayOptions, 1008, 2014, true}};
constexpr VocabularyRule kSheetlineRules[] = {{"PrintingOption", PrintingOptions, 1003, 2011, false}};

std::span<const VocabularyRule> RulesOf(ComponentKind kind) {
  switch (kind) {
    case ComponentKind::kWebline:
      return kWeblineRules;
    case ComponentKind::kDocline:
      return kDoclineRules;
    case ComponentKind::kSlideline:
      return kSlidelineRules;
    case ComponentKind::kSheetline:
      return kSheetlineRules;
    case ComponentKind::kTextline:
      break;
  }
  return {};
}

HRESULT CheckDestinationPath(CExport& component) {
  CExportProperties& properties = component.Properties();
  std::string destination;
  HRESULT hr = properties.GetString("Destination", &destination);
  if (Failed(hr)) return hr;
  if (destination.empty()) return S_OK;
  auto full = platform::ExpandFullPath(destination);
  if (full && full->size() <= kMaxPath) return properties.SetString("Destination", *full);

  properties.ResetToDefault("Destination");
  const ComponentInfo& info = component.Info();
  return component.WarnAndFail(info.invalid_path_id, destination);
}

HRESULT CheckVocabulary(CExport& component, const VocabularyRule& rule) {
  CExportProperties& properties = component.Properties();
  std::string value;
  HRESULT hr = properties.GetString(rule.property, &value);
  if (Failed(hr)) return hr;
  if (LookupVocabulary(rule.vocabulary(), value)) return S_OK;

  properties.ResetToDefault(rule.property);
  if (rule.box_id == 0) return S_OK;
  const ComponentInfo& info = component.Info();
  if (properties.Interactive()) {
    CNXFormat box(info);
    box.Format(rule.box_id, value);
    component.ShowMessage(box.GetText(), platform::BoxStyle::kWarning);
  }
  if (rule.error_names_property) return ReportMessage(info, rule.error_id, value, rule.property);
  return ReportMessage(info, rule.error_id, value);
}

}  // namespace

HRESULT ValidateAfterMerge(CExport& component) {
  HRESULT hr = CheckDestinationPath(component);
  if (Failed(hr)) return hr;
  for (const VocabularyRule& rule : RulesOf(component.Info().kind)) {
    hr = CheckVocabulary(component, rule);
    if (Failed(hr)) return hr;
  }
  return S_OK;
}

}  // namespace tabulo::frame
