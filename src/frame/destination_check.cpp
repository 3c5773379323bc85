#include "frame/destination_check.h"

#include <cstdio>
#include <string>

#include "frame/cexport.h"
#include "frame/report_error.h"
#include "frame/string_table.h"
#include "platform/files.h"

namespace tabulo::frame {
namespace {

using platform::BoxAnswer;
using platform::BoxStyle;
using platform::Failed;
using platform::HRESULT;
using platform::S_OK;

constexpr std::size_t kMaxPath = 260;
// How many numbered names the text export tries for its temporary file.
constexpr int kMaxTemporaryNames = 99;

struct OfficeTemplateIds {
  int office_2007_required;
  int template_missing;
};

OfficeTemplateIds TemplateIdsOf(ComponentKind kind) {
  if (kind == ComponentKind::kDocline) return {2050, 2049};
  return {2016, 2015};
}

constexpr int kWeblineDefaultName = 102;
constexpr int kWeblineTempTooLong = 2101;
constexpr int kWeblineTempMissing = 2102;
constexpr int kTextlineDefaultName = 113;
constexpr int kTextlineTempTooLong = 114;
constexpr int kTextlineNoFreeName = 116;

HRESULT CheckChartTemplate(CExport& component) {
  CExportProperties& properties = component.Properties();
  std::string chart_template;
  HRESULT hr = properties.GetString("ChartTemplate", &chart_template);
  if (Failed(hr)) return hr;
  if (chart_template.empty()) return S_OK;
  OfficeTemplateIds ids = TemplateIdsOf(component.Info().kind);
  if (!component.Office2007()) return component.WarnAndFail(ids.office_2007_required);
  std::string location;
  hr = properties.GetString("ChartTemplateLocation", &location);
  if (Failed(hr)) return hr;
  std::string path = location.empty() ? chart_template : location + "/" + chart_template;
  if (!platform::FileExists(path)) return component.WarnAndFail(ids.template_missing, path);
  return S_OK;
}

// Webline and Textline ask for write permission; the Office exports try to
// open the file exclusively, so that a file open elsewhere counts as locked.
bool CanReplace(const ComponentInfo& info, const std::string& path) {
  if (info.is_office) return !platform::IsLockedByOther(path);
  return platform::IsWritable(path);
}

HRESULT CheckGivenDestination(CExport& component, std::string destination, DestinationAnswer* answer) {
  const ComponentInfo& info = component.Info();
  CExportProperties& properties = component.Properties();

  std::string folder = platform::RemoveLastComponent(destination);
  if (!folder.empty() && !platform::DirectoryExists(folder)) {
    return component.WarnAndFail(info.destination.folder_missing, folder);
  }
  if (!platform::HasExtension(destination)) {
    destination += info.default_extension;
    HRESULT hr = properties.SetString("Destination", destination);
    if (Failed(hr)) return hr;
  }
  std::string title = platform::DisplayTitle(destination);
  if (!platform::FileExists(destination)) return S_OK;

  bool replaceable = CanReplace(info, destination);
  if (properties.Interactive()) {
    if (!replaceable) {
      CNXFormat warning(info);
      warning.Format(info.destination.cannot_overwrite_box, title);
      component.ShowMessage(warning.GetText(), BoxStyle::kWarning);
      *answer = DestinationAnswer::kDeclined;
      return S_OK;
    }
    CNXFormat question(info);
    question.Format(info.destination.replace_question, title);
    if (component.ShowMessage(question.GetText(), BoxStyle::kQuestion) == BoxAnswer::kNo) {
      *answer = DestinationAnswer::kDeclined;
    }
    return S_OK;
  }
  if (!properties.OverwriteOutput()) return ReportMessage(info, info.destination.exists_error, title);
  if (replaceable) return S_OK;
  return ReportMessage(info, info.destination.cannot_overwrite_error, title);
}

// The temporary folder, checked as the default destinations need it.
HRESULT TemporaryFolder(CExport& component, int too_long_id, int missing_id, std::string* folder) {
  *folder = platform::TempFolder();
  if (folder->size() >= kMaxPath) return ReportMessage(component.Info(), too_long_id);
  if (!platform::DirectoryExists(*folder)) return component.WarnAndFail(missing_id, *folder);
  return S_OK;
}

HRESULT DefaultWeblineDestination(CExport& component) {
  std::string folder;
  HRESULT hr = TemporaryFolder(component, kWeblineTempTooLong, kWeblineTempMissing, &folder);
  if (Failed(hr)) return hr;
  std::string name = LoadString(component.Info(), kWeblineDefaultName).value_or("Tables.htm");
  return component.Properties().SetString("Destination", folder + name);
}

// The first of "Tables.csv", "Tables01.csv", "Tables02.csv", ... that can be
// opened exclusively; an existing file that opens is reused.
HRESULT DefaultTextlineDestination(CExport& component) {
  const ComponentInfo& info = component.Info();
  std::string folder;
  HRESULT hr = TemporaryFolder(component, kTextlineTempTooLong, info.destination.folder_missing, &folder);
  if (Failed(hr)) return hr;
  std::string name = LoadString(info, kTextlineDefaultName).value_or("Tables.csv");
  std::string stem = name.substr(0, name.size() >= 4 ? name.size() - 4 : 0);
  for (int counter = 1; counter <= kMaxTemporaryNames + 1; ++counter) {
    std::string path = folder + name;
    if (platform::CanOpenExclusively(path)) return component.Properties().SetString("Destination", path);
    char numbered[16];
    std::snprintf(numbered, sizeof numbered, "%02d.csv", counter);
    name = stem + numbered;
  }
  return ReportMessage(info, kTextlineNoFreeName, folder);
}

}  // namespace

HRESULT CheckDestination(CExport& component, DestinationAnswer* answer) {
  *answer = DestinationAnswer::kGoOn;
  const ComponentInfo& info = component.Info();
  if (info.is_office) {
    HRESULT hr = CheckChartTemplate(component);
    if (Failed(hr)) return hr;
  }
  std::string destination;
  HRESULT hr = component.Properties().GetString("Destination", &destination);
  if (Failed(hr)) return hr;
  if (!destination.empty()) return CheckGivenDestination(component, destination, answer);

  switch (info.kind) {
    case ComponentKind::kWebline:
      return DefaultWeblineDestination(component);
    case ComponentKind::kTextline:
      return DefaultTextlineDestination(component);
    case ComponentKind::kDocline:
    case ComponentKind::kSlideline:
    case ComponentKind::kSheetline:
      break;
  }
  return S_OK;
}

}  // namespace tabulo::frame
