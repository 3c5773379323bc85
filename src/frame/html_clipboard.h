#pragma once

#include <string>
#include <string_view>

namespace tabulo::frame {

// The "HTML Format" clipboard record around an HTML fragment: the header with
// its byte offsets, then the fragment inside html and body elements.
std::string HtmlClipboardRecord(std::string_view fragment);

// Puts an HTML fragment on the clipboard under "HTML Format".
void CopyHtmlToClipboard(std::string_view fragment);

}  // namespace tabulo::frame
