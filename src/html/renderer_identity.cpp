#include "html/renderer_identity.h"

#include <string>

#include "platform/error_info.h"

namespace tabulo::html {

void ReportRendererError(std::string_view text) {
  platform::SetErrorInfo({std::string(kRendererProgId), std::string(text), kIRendererId});
}

}  // namespace tabulo::html
