#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "html/render_settings.h"
#include "platform/variant.h"

namespace tabulo::html {

// The dispatch ids of IRenderer's members that are not plain settings.
inline constexpr std::int32_t kDispIdRender = 50;
inline constexpr std::int32_t kDispIdCss = 6789;

// The dispatch id of an IRenderer member by name, without regard to case.
std::optional<std::int32_t> RendererDispId(std::string_view name);

// Gets and puts of the settings properties. Booleans answer -1 or 0, and a
// put stores true only when the low 16 bits of the value are all set, so 1
// reads as false; text that is no number may say True or False. Enumerated
// values are stored as given. An unknown id, or a put of a read-only member,
// gives DISP_E_MEMBERNOTFOUND.
platform::HRESULT GetRendererProperty(const CRenderSettings& settings, std::int32_t dispid,
                                      platform::Variant* value);
platform::HRESULT PutRendererProperty(CRenderSettings& settings, std::int32_t dispid,
                                      const platform::Variant& value);

}  // namespace tabulo::html
