#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tabulo::platform {

// A class or interface identifier, written in the registry form
// "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}".
struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  friend bool operator==(const Guid&, const Guid&) = default;
  std::string ToString() const;
};

inline constexpr Guid kNullGuid{};

}  // namespace tabulo::platform
