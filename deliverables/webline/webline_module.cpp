#include "webline/webline_module.h"

#include <array>
#include <string>

#include "embedded_resources.h"
#include "frame/cexport.h"
#include "frame/report_error.h"
#include "frame/vocabularies.h"
#include "html/renderer.h"
#include "platform/resources.h"
#include "platform/text_encoding.h"
#include "webline/new_file.h"

namespace tabulo::deliverables::webline {
namespace {

using platform::HRESULT;

constexpr std::string_view kChartEngineName = "Tabulo.ChartEngine";
constexpr int kStylesheetExportFailed = 2009;
constexpr int kCannotCreateObject = 2024;
constexpr int kLogoPicture = 104;
constexpr std::array<std::string_view, 5> kStyleNames = {"Default", "Black and White", "Custom1", "Custom2",
                                                         "Custom3"};

std::string Property(frame::CExport& component, std::string_view name) {
  std::string value;
  component.Properties().GetString(name, &value);
  return value;
}

// Charts are drawn by the built-in engine, which is always there: the check
// only records which engine draws them.
HRESULT CheckCharting(frame::CExport& component) {
  if (frame::EqualsAsciiIgnoringCase(Property(component, "DisplayOption"), "Table Only"))
    return platform::S_OK;
  return component.Properties().SetString("ChartingProgId", kChartEngineName);
}

HRESULT WriteBesidePage(frame::CExport& component, const std::filesystem::path& path,
                        std::string_view bytes) {
  switch (WriteNewFile(path, bytes)) {
    case NewFileResult::kWritten:
    case NewFileResult::kAlreadyThere:
      return platform::S_OK;
    case NewFileResult::kCannotCreate:
      frame::ReportMessage(component.Info(), kStylesheetExportFailed);
      return platform::E_ACCESSDENIED;
    case NewFileResult::kIncomplete:
      break;
  }
  frame::ReportMessage(component.Info(), kStylesheetExportFailed);
  return platform::E_FAIL;
}

class WeblineStage final : public frame::ExportStage {
 public:
  HRESULT Run(frame::CExport& component, std::string_view tables_xml, platform::Variant*) override {
    HRESULT hr = CheckCharting(component);
    if (platform::Failed(hr)) return hr;

    html::CRenderer renderer;
    if (platform::Failed(renderer.CreationResult())) {
      return frame::ReportMessage(component.Info(), kCannotCreateObject, "HTML Renderer");
    }
    hr = renderer.ApplyExportProperties(component.Properties());
    if (platform::Failed(hr)) return hr;
    html::CRenderSettings& settings = renderer.Settings();

    std::string css_folder = Property(component, "CssLocation");
    std::string custom_css = Property(component, "CustomCss");
    if (!css_folder.empty() && !custom_css.empty()) {
      std::filesystem::path custom = std::filesystem::path(css_folder) / custom_css;
      std::error_code ignored;
      settings.css_location =
          std::filesystem::is_regular_file(custom, ignored) ? custom.string() : std::string();
    }

    std::string stylesheet_name;
    std::string stylesheet_text;
    if (!settings.embed_css && !(!custom_css.empty() && css_folder.empty())) {
      hr = renderer.get_Css(&stylesheet_text);
      if (platform::Failed(hr)) return hr;
      if (!custom_css.empty()) {
        stylesheet_name = custom_css;
      } else {
        std::size_t style = static_cast<std::size_t>(settings.presentation_style);
        std::string_view style_name = style < kStyleNames.size() ? kStyleNames[style] : kStyleNames[0];
        stylesheet_name = "Tabulo " + std::string(style_name) + ".css";
        settings.css_location = stylesheet_name;
      }
    }

    std::filesystem::path destination(settings.destination);
    hr = renderer.Render(tables_xml, destination, nullptr);
    if (platform::Failed(hr)) return hr;

    std::filesystem::path folder = destination.parent_path();
    if (!stylesheet_name.empty()) {
      std::string ansi = platform::Utf8ToAnsi(stylesheet_text).value_or(stylesheet_text);
      hr = WriteBesidePage(component, folder / stylesheet_name, ansi);
      if (platform::Failed(hr)) return hr;
    }
    bool logo = false;
    component.Properties().GetBool("DisplayLogo", &logo);
    if (logo) {
      std::optional<std::string_view> picture =
          platform::FindResource(resources::Embedded(), "webline", "PICTURE", kLogoPicture);
      if (!picture) return frame::ReportMessage(component.Info(), kStylesheetExportFailed);
      hr = WriteBesidePage(component, folder / "logo.png", *picture);
      if (platform::Failed(hr)) return hr;
    }
    if (component.Properties().LaunchApplication()) component.Launcher().Open(destination);
    return platform::S_OK;
  }
};

}  // namespace

std::unique_ptr<frame::ExportStage> CreateStage() { return std::make_unique<WeblineStage>(); }

}  // namespace tabulo::deliverables::webline
