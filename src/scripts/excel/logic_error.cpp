#include "scripts/excel/logic_error.h"

#include <string>

#include "platform/hresult.h"

namespace tabulo::excel {

frame::OfficeLogicError MakeLogicError(std::string_view method, std::string_view message) {
  std::string source = "CRenderTable.";
  source.append(method);
  std::string description = source;
  description.append(": ").append(message);
  return frame::OfficeLogicError{platform::VB_OBJECT_ERROR, std::move(source), std::move(description)};
}

void RaiseLogicError(std::string_view method, std::string_view message) {
  throw MakeLogicError(method, message);
}

}  // namespace tabulo::excel
