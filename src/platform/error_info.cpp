#include "platform/error_info.h"

#include <utility>

namespace tabulo::platform {
namespace {
thread_local std::optional<ErrorInfo> current_error;
}

void SetErrorInfo(ErrorInfo info) { current_error = std::move(info); }

void ClearErrorInfo() { current_error.reset(); }

std::optional<ErrorInfo> TakeErrorInfo() { return std::exchange(current_error, std::nullopt); }

const std::optional<ErrorInfo>& PeekErrorInfo() { return current_error; }

}  // namespace tabulo::platform
