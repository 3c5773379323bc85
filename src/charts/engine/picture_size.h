#pragma once

#include <cstdint>

namespace tabulo::charts {

// The size of a chart picture in pixels.
struct PictureSize {
  std::int32_t width = 0;
  std::int32_t height = 0;

  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

}  // namespace tabulo::charts
