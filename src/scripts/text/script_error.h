#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/hresult.h"

namespace tabulo::text {

// An error raised by the export logic. Its description is reported as
// "Class::Method: message", the form in which the logic's callers show it.
class ScriptError : public std::runtime_error {
 public:
  ScriptError(std::string_view source, std::string_view message,
              platform::HRESULT number = platform::VB_OBJECT_ERROR);

  const std::string& Source() const { return source_; }
  const std::string& Message() const { return message_; }
  std::string Description() const { return what(); }
  platform::HRESULT Number() const { return number_; }

 private:
  std::string source_;
  std::string message_;
  platform::HRESULT number_;
};

}  // namespace tabulo::text
