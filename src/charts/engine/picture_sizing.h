#pragma once

#include <cstddef>
#include <cstdint>

#include "charts/engine/picture_size.h"

namespace tabulo::charts::engine {

inline constexpr std::int32_t kDefaultPictureWidth = 600;
inline constexpr std::int32_t kDefaultPictureHeight = 300;
inline constexpr std::int32_t kWidestPicture = 1024;

// The picture height once the legend is fitted: a legend shown on the right
// (position code 4) with more than 11 entries takes 22.2 pixels per entry
// plus 52 so that every entry has a line; anything else keeps 300.
std::int32_t LegendFittedHeight(bool legend_shown, std::int32_t legend_position, std::size_t entries);

// The exported picture for a height: 600 wide up to a height of 300, else
// twice as wide as high, at most 1024.
PictureSize ExportedPictureSize(std::int32_t height);

}  // namespace tabulo::charts::engine
