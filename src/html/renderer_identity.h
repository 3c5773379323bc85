#pragma once

#include <string_view>

#include "frame/cnx_format.h"
#include "frame/component_info.h"
#include "platform/guid.h"

namespace tabulo::html {

// The Renderer class and its interface, as hosts find them.
inline constexpr platform::Guid kRendererClassId{
    0x6B1D2E21, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x21}};
inline constexpr platform::Guid kIRendererId{
    0x6B1D2E22, 0x4C3A, 0x4F10, {0x9A, 0x51, 0x2E, 0x71, 0xC0, 0x3D, 0x11, 0x22}};
inline constexpr std::string_view kRendererProgId = "Webline.Renderer.1";
inline constexpr std::string_view kRendererIndependentProgId = "Webline.Renderer";
inline constexpr std::string_view kRendererDisplayName = "Ostra Tabulo HTML Renderer Class";

// Leaves the text as the error information of a failing IRenderer call.
void ReportRendererError(std::string_view text);

// Formats a message of Webline's string table, reports it for IRenderer and
// returns the message's result.
template <typename... Inserts>
platform::HRESULT ReportRendererMessage(int message_id, const Inserts&... inserts) {
  frame::CNXFormat format(frame::Component(frame::ComponentKind::kWebline));
  format.Format(message_id, inserts...);
  ReportRendererError(format.GetText());
  return format.Result();
}

}  // namespace tabulo::html
