#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/hresult.h"

namespace tabulo::platform {

// The system's text for a result code, without a trailing line break, or
// std::nullopt when it has none. Win32 error codes are known both bare
// (0..65535) and as HRESULTs of the Win32 facility (0x8007xxxx).
std::optional<std::string> SystemMessage(HRESULT hr);

// The text a COM error object gives for a bare result code: the system's
// text, else "IDispatch error #n" for the interface-defined codes
// 0x80040200..0x8004FFFF (n = low 16 bits - 0x200), else
// "Unknown error 0x" and the code in upper-case hexadecimal.
std::string ComErrorMessage(HRESULT hr);

// The system's text of a Win32 error code, or "WIN32 error 0x%08x".
std::string Win32ErrorText(std::int32_t code);

}  // namespace tabulo::platform
