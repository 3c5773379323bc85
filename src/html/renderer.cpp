#include "html/renderer.h"

#include "html/chtml_writer.h"
#include "html/document_assembly.h"
#include "html/grid.h"
#include "html/renderer_identity.h"
#include "html/renderer_properties.h"
#include "html/stylesheet_text.h"
#include "platform/error_info.h"
#include "tables/tables_content_handler.h"
#include "tables/tables_error.h"

namespace tabulo::html {
namespace {

using platform::HRESULT;

constexpr int kValueRowsMissing = 2112;

}  // namespace

CRenderer::CRenderer() : creation_result_(NewRenderSettings(settings_)) {}

HRESULT CRenderer::GetIDOfName(std::string_view name, std::int32_t* dispid) {
  if (dispid == nullptr) return platform::E_POINTER;
  std::optional<std::int32_t> found = RendererDispId(name);
  if (!found) return platform::DISP_E_UNKNOWNNAME;
  *dispid = *found;
  return platform::S_OK;
}

HRESULT CRenderer::GetProperty(std::int32_t dispid, platform::Variant* value) {
  platform::ClearErrorInfo();
  if (dispid == kDispIdCss) {
    if (value == nullptr) return platform::E_POINTER;
    std::string css;
    HRESULT hr = get_Css(&css);
    if (platform::Succeeded(hr)) *value = platform::Variant::FromString(std::move(css));
    return hr;
  }
  return GetRendererProperty(settings_, dispid, value);
}

HRESULT CRenderer::PutProperty(std::int32_t dispid, const platform::Variant& value) {
  platform::ClearErrorInfo();
  return PutRendererProperty(settings_, dispid, value);
}

HRESULT CRenderer::get_Css(std::string* css) {
  if (css == nullptr) return platform::E_POINTER;
  platform::ClearErrorInfo();
  return StylesheetText(settings_, css);
}

HRESULT CRenderer::ApplyExportProperties(frame::CExportProperties& properties) {
  return ApplyProperties(properties, settings_);
}

HRESULT CRenderer::Render(std::string_view tables_xml, const RenderOutput& output,
                          platform::Variant* result) {
  platform::ClearErrorInfo();
  if (settings_.embed_css) {
    HRESULT hr = StylesheetText(settings_, &settings_.stylesheet_text);
    if (platform::Failed(hr)) return hr;
  }
  try {
    tables::CDocument document = tables::ParseTablesXml(tables_xml, settings_);
    CHtmlWriter writer(settings_.indent_output);
    if (const auto* path = std::get_if<std::filesystem::path>(&output)) writer.OutputToFile(*path);
    if (const auto* stream = std::get_if<std::ostream*>(&output)) writer.OutputToStream(**stream);
    DocumentAssembly(document, settings_, paint_).Render(writer);
    if (std::holds_alternative<std::monostate>(output) && result != nullptr) {
      *result = platform::Variant::FromString(writer.Output());
    }
  } catch (const tables::TablesError& error) {
    ReportRendererError(error.what());
    return platform::E_FAIL;
  } catch (const HtmlError& error) {
    ReportRendererError(error.what());
    return platform::E_FAIL;
  } catch (const MissingValueRowError&) {
    ReportRendererMessage(kValueRowsMissing);
    return platform::E_UNEXPECTED;
  } catch (const std::invalid_argument& error) {
    ReportRendererError(error.what());
    return platform::E_INVALIDARG;
  }
  return platform::S_OK;
}

}  // namespace tabulo::html
