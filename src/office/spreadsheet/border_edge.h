#pragma once

#include <cstdint>

namespace tabulo::office {

// The outer edges of a range.
enum class BorderEdge : std::uint8_t { kLeft, kTop, kBottom, kRight };

}  // namespace tabulo::office
