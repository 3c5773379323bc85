#include "scripts/text/script_error.h"

namespace tabulo::text {

ScriptError::ScriptError(std::string_view source, std::string_view message, platform::HRESULT number)
    : std::runtime_error(std::string(source) + ": " + std::string(message)),
      source_(source),
      message_(message),
      number_(number) {}

}  // namespace tabulo::text
