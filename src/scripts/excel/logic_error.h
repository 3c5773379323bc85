#pragma once

#include <string_view>

#include "frame/office_stage.h"

namespace tabulo::excel {

// Raises an error of the table layout as its callers report it: number
// vbObjectError, source "CRenderTable.<method>", description
// "CRenderTable.<method>: <message>".
[[noreturn]] void RaiseLogicError(std::string_view method, std::string_view message);

// The same error without throwing it.
frame::OfficeLogicError MakeLogicError(std::string_view method, std::string_view message);

// An error of another class of the logic: source "<class_name>.<method>",
// description "<class_name>.<method>: <message>".
[[noreturn]] void RaiseClassError(std::string_view class_name, std::string_view method,
                                  std::string_view message);

}  // namespace tabulo::excel
