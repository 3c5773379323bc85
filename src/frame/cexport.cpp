#include "frame/cexport.h"

#include "frame/destination_check.h"
#include "frame/html_clipboard.h"
#include "frame/office_callbacks.h"
#include "frame/property_validation.h"
#include "frame/report_error.h"
#include "frame/string_table.h"
#include "platform/error_info.h"

namespace tabulo::frame {

using platform::BoxAnswer;
using platform::BoxStyle;
using platform::Failed;
using platform::S_OK;

CExport::CExport(const ComponentInfo& component, std::unique_ptr<ExportStage> stage, Host host)
    : component_(component), properties_(component), stage_(std::move(stage)), host_(std::move(host)) {
  RegisterComponentClasses();
}

platform::Launcher& CExport::Launcher() {
  if (host_.launcher != nullptr) return *host_.launcher;
  return desktop_launcher_;
}

// Each call starts without error information, so that a failure's text
// never borrows the description of an earlier, unrelated failure.
HRESULT CExport::get_PropertiesXml(std::string* xml) {
  platform::ClearErrorInfo();
  return properties_.GetPropertiesXml(xml);
}

HRESULT CExport::put_PropertiesXml(const char* xml) {
  platform::ClearErrorInfo();
  HRESULT hr = properties_.PutPropertiesXml(xml);
  if (Failed(hr)) return hr;
  return ValidateAfterMerge(*this);
}

HRESULT CExport::Export(const char* tables_xml, platform::Variant* result) {
  if (component_.kind == ComponentKind::kWebline && result == nullptr) return platform::E_POINTER;
  platform::ClearErrorInfo();
  error_code_ = 0;
  DestinationAnswer answer = DestinationAnswer::kGoOn;
  HRESULT hr = CheckDestination(*this, &answer);
  if (Failed(hr)) return hr;
  if (answer == DestinationAnswer::kDeclined) return S_OK;
  hr = stage_->Run(*this, tables_xml == nullptr ? std::string_view{} : std::string_view(tables_xml), result);
  if (Failed(hr)) return hr;
  if (component_.kind == ComponentKind::kWebline) *result = platform::Variant();
  return S_OK;
}

HRESULT CExport::CopyHTMLToClipboard(const char* html) {
  CopyHtmlToClipboard(html == nullptr ? std::string_view{} : std::string_view(html));
  return S_OK;
}

HRESULT CExport::GetTextFromHTML(const char* text, std::optional<std::string>* result) {
  if (result == nullptr) return S_OK;
  if (text == nullptr) {
    result->reset();
    return S_OK;
  }
  *result = TextFromHtml(text);
  return S_OK;
}

HRESULT CExport::get_ExportLCID(std::int32_t* lcid) {
  if (lcid == nullptr) return platform::E_POINTER;
  *lcid = export_lcid_;
  return S_OK;
}

HRESULT CExport::put_ExportLCID(std::int32_t lcid) {
  export_lcid_ = lcid;
  return S_OK;
}

HRESULT CExport::ConvertLocaleStringToDouble(const char* text, platform::Variant* result) {
  if (result == nullptr) return S_OK;
  *result = LocaleStringToDouble(text == nullptr ? std::string_view{} : std::string_view(text),
                                 static_cast<std::uint32_t>(export_lcid_));
  return S_OK;
}

HRESULT CExport::GetErrorCode(std::int32_t* code) {
  if (code == nullptr) return platform::E_POINTER;
  *code = error_code_;
  return S_OK;
}

BoxAnswer CExport::ShowMessage(std::string_view text, BoxStyle style) {
  if (host_.prompter == nullptr) return platform::SafeAnswer(style);
  std::string caption = LoadString(component_, component_.caption_id).value_or(std::string());
  std::string shown(text);
  bool help = properties_.ShowHelp();
  if (help) {
    shown += "\n\n";
    shown += LoadString(component_, component_.help_note_id).value_or(std::string());
  }
  return host_.prompter->Show(caption, shown, style, help);
}

BoxAnswer CExport::ShowBox(std::string_view caption, std::string_view text, BoxStyle style) {
  if (host_.prompter == nullptr) return platform::SafeAnswer(style);
  return host_.prompter->Show(caption, text, style, false);
}

void CExport::Warn(std::string_view text) {
  if (properties_.Interactive()) ShowMessage(text, BoxStyle::kWarning);
}

HRESULT CExport::WarnAndFailWith(const std::string& text) {
  Warn(text);
  ReportError(component_, text);
  return platform::E_FAIL;
}

}  // namespace tabulo::frame
