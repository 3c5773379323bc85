#pragma once

#include <string>

#include "html/render_settings.h"
#include "platform/hresult.h"

namespace tabulo::html {

// The stylesheet the pages use: the file at CssLocation when one is named,
// else the built-in stylesheet of the presentation style. Failures leave
// error information for IRenderer.
platform::HRESULT StylesheetText(const CRenderSettings& settings, std::string* text);

// Decodes the bytes of a stylesheet file: UTF-16 with or without its mark,
// else UTF-8 with an optional mark. Big-endian UTF-16 and invalid UTF-8 are
// refused (nullopt).
std::optional<std::string> DecodeStylesheetFile(std::string_view bytes);

}  // namespace tabulo::html
