#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "frame/export_properties.h"
#include "frame/export_stage.h"
#include "frame/host.h"
#include "platform/prompter.h"

namespace tabulo::frame {

// The interface every export component offers its host. Calls return an
// HRESULT and leave error information on the thread when they fail.
class IExport {
 public:
  virtual ~IExport() = default;
  virtual HRESULT get_PropertiesXml(std::string* xml) = 0;
  // A null text is an invalid argument.
  virtual HRESULT put_PropertiesXml(const char* xml) = 0;
  // Exports the Tables XML (a null text reads as an empty one). The result
  // stays empty; only the HTML export insists on a result to clear.
  virtual HRESULT Export(const char* tables_xml, platform::Variant* result) = 0;
};

// What the Office components' export logic calls back into while it runs.
// The members never leave error information: a text that cannot be
// converted comes back unchanged.
class IOfficeExport {
 public:
  virtual ~IOfficeExport() = default;
  virtual HRESULT CopyHTMLToClipboard(const char* html) = 0;
  // A null text gives a null result.
  virtual HRESULT GetTextFromHTML(const char* text, std::optional<std::string>* result) = 0;
  virtual HRESULT get_ExportLCID(std::int32_t* lcid) = 0;
  virtual HRESULT put_ExportLCID(std::int32_t lcid) = 0;
  virtual HRESULT ConvertLocaleStringToDouble(const char* text, platform::Variant* result) = 0;
  virtual HRESULT GetErrorCode(std::int32_t* code) = 0;
};

// One export component: its settings, the destination checks every export
// goes through, and the component's own stage.
class CExport final : public IExport, public IOfficeExport {
 public:
  CExport(const ComponentInfo& component, std::unique_ptr<ExportStage> stage, Host host = {});

  HRESULT get_PropertiesXml(std::string* xml) override;
  HRESULT put_PropertiesXml(const char* xml) override;
  HRESULT Export(const char* tables_xml, platform::Variant* result) override;

  HRESULT CopyHTMLToClipboard(const char* html) override;
  HRESULT GetTextFromHTML(const char* text, std::optional<std::string>* result) override;
  HRESULT get_ExportLCID(std::int32_t* lcid) override;
  HRESULT put_ExportLCID(std::int32_t lcid) override;
  HRESULT ConvertLocaleStringToDouble(const char* text, platform::Variant* result) override;
  HRESULT GetErrorCode(std::int32_t* code) override;
  // Set by a stage that stopped on purpose while reporting success.
  void SetErrorCode(std::int32_t code) { error_code_ = code; }

  const ComponentInfo& Info() const { return component_; }
  CExportProperties& Properties() { return properties_; }
  const Host& HostServices() const { return host_; }
  platform::Launcher& Launcher();

  // Shows a message box with the component's caption, adding the help note
  // when ShowHelp is on. Without a prompter the safe answer comes back.
  platform::BoxAnswer ShowMessage(std::string_view text, platform::BoxStyle style);

  // Formats a message; when Interactive is on shows it as a warning first;
  // records it as the call's error and returns E_FAIL.
  template <typename... Inserts>
  HRESULT WarnAndFail(int message_id, const Inserts&... inserts) {
    CNXFormat format(component_);
    format.Format(message_id, inserts...);
    return WarnAndFailWith(format.GetText());
  }
  // Shows a message box with a caption of the caller's choosing.
  platform::BoxAnswer ShowBox(std::string_view caption, std::string_view text, platform::BoxStyle style);
  // Shows the text as a warning when Interactive is on.
  void Warn(std::string_view text);

  // Answers of the Office version probe; this build writes Office 2007 formats.
  bool Office2007() const { return true; }

 private:
  HRESULT WarnAndFailWith(const std::string& text);

  const ComponentInfo& component_;
  CExportProperties properties_;
  std::unique_ptr<ExportStage> stage_;
  Host host_;
  platform::DesktopLauncher desktop_launcher_;
  std::int32_t export_lcid_ = 2048;  // the user's default until the logic sets it
  std::int32_t error_code_ = 0;
};

}  // namespace tabulo::frame
