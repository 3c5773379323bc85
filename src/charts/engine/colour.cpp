#include "charts/engine/colour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tabulo::charts::engine {
namespace {

// Neighbours differ in hue and lightness so that adjacent bars, lines and
// slices stay apart, also for readers who tell red from green poorly.
constexpr std::array<Rgb, 14> kPalette{{
    {47, 100, 178},   // blue
    {232, 128, 36},   // orange
    {52, 160, 92},    // green
    {196, 56, 62},    // red
    {128, 92, 180},   // violet
    {40, 168, 190},   // cyan
    {236, 188, 42},   // yellow
    {138, 94, 68},    // brown
    {222, 112, 170},  // pink
    {112, 122, 134},  // slate
    {150, 190, 60},   // lime
    {24, 58, 110},    // navy
    {250, 170, 130},  // salmon
    {20, 110, 100},   // teal
}};

std::uint8_t ScaledChannel(std::uint8_t channel, double factor) {
  double value = std::clamp(std::round(channel * factor), 0.0, 255.0);
  return static_cast<std::uint8_t>(value);
}

}  // namespace

Rgb Shaded(Rgb colour, double factor) {
  return {ScaledChannel(colour.red, factor), ScaledChannel(colour.green, factor),
          ScaledChannel(colour.blue, factor)};
}

Rgb SeriesColour(std::size_t index) { return kPalette[index % kPalette.size()]; }

std::size_t PaletteSize() { return kPalette.size(); }

}  // namespace tabulo::charts::engine
