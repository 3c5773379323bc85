#include "scripts/excel/logic_error.h"

#include <string>

#include "platform/hresult.h"

namespace tabulo::excel {
namespace {

frame::OfficeLogicError MakeClassError(std::string_view class_name, std::string_view method,
                                       std::string_view message) {
  std::string source(class_name);
  source.append(".").append(method);
  std::string description = source;
  description.append(": ").append(message);
  return frame::OfficeLogicError{platform::VB_OBJECT_ERROR, std::move(source), std::move(description)};
}

}  // namespace

frame::OfficeLogicError MakeLogicError(std::string_view method, std::string_view message) {
  return MakeClassError("CRenderTable", method, message);
}

void RaiseLogicError(std::string_view method, std::string_view message) {
  throw MakeLogicError(method, message);
}

void RaiseClassError(std::string_view class_name, std::string_view method, std::string_view message) {
  throw MakeClassError(class_name, method, message);
}

}  // namespace tabulo::excel
