#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "frame/export_properties.h"
#include "html/chart_engine_painter.h"
#include "html/render_settings.h"
#include "platform/hresult.h"
#include "platform/variant.h"

namespace tabulo::html {

// Where Render puts the main page: returned as text (nothing given), a file
// path (created or replaced once the page is complete), or a stream.
using RenderOutput = std::variant<std::monostate, std::filesystem::path, std::ostream*>;

// The HTML renderer as hosts drive it, member by member, as through its
// dispatch interface. Failures leave error information for IRenderer.
class IRenderer {
 public:
  virtual ~IRenderer() = default;
  virtual platform::HRESULT GetIDOfName(std::string_view name, std::int32_t* dispid) = 0;
  virtual platform::HRESULT GetProperty(std::int32_t dispid, platform::Variant* value) = 0;
  virtual platform::HRESULT PutProperty(std::int32_t dispid, const platform::Variant& value) = 0;
  virtual platform::HRESULT get_Css(std::string* css) = 0;
  // Renders the Tables XML; with no output the page comes back as a string
  // in `result`, which is otherwise left alone.
  virtual platform::HRESULT Render(std::string_view tables_xml, const RenderOutput& output,
                                   platform::Variant* result) = 0;
};

class CRenderer final : public IRenderer {
 public:
  // Starts from Webline's default properties; a failure to read them is
  // left in CreationResult.
  CRenderer();

  platform::HRESULT CreationResult() const { return creation_result_; }

  platform::HRESULT GetIDOfName(std::string_view name, std::int32_t* dispid) override;
  platform::HRESULT GetProperty(std::int32_t dispid, platform::Variant* value) override;
  platform::HRESULT PutProperty(std::int32_t dispid, const platform::Variant& value) override;
  platform::HRESULT get_Css(std::string* css) override;
  platform::HRESULT Render(std::string_view tables_xml, const RenderOutput& output,
                           platform::Variant* result) override;

  // Loads an export's properties, as the HTML export does before rendering.
  platform::HRESULT ApplyExportProperties(frame::CExportProperties& properties);
  CRenderSettings& Settings() { return settings_; }
  // The engine that draws the chart images; the built-in one unless replaced.
  void SetChartPainter(ChartPainter paint) { paint_ = std::move(paint); }

 private:
  CRenderSettings settings_;
  ChartPainter paint_ = PaintWithChartEngine;
  platform::HRESULT creation_result_;
};

}  // namespace tabulo::html
