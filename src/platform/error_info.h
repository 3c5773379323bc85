#pragma once

#include <optional>
#include <string>

#include "platform/guid.h"

namespace tabulo::platform {

// The error information a failing call leaves for its caller on the
// calling thread, as COM's IErrorInfo does.
struct ErrorInfo {
  std::string source;  // ProgID of the failing class, e.g. "Textline.Export.1"
  std::string description;
  Guid interface_id;
};

void SetErrorInfo(ErrorInfo info);
void ClearErrorInfo();
// Returns the thread's error information and clears it, as GetErrorInfo does.
std::optional<ErrorInfo> TakeErrorInfo();
// Looks at the thread's error information without clearing it.
const std::optional<ErrorInfo>& PeekErrorInfo();

}  // namespace tabulo::platform
