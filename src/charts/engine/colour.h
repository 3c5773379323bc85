#pragma once

#include <cstddef>
#include <cstdint>

namespace tabulo::charts::engine {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour scaled towards black (factor below 1) for shaded faces.
Rgb Shaded(Rgb colour, double factor);

// The fill of series (or pie slice) number `index`: a fixed palette of
// clearly distinct colours that repeats after its last entry.
Rgb SeriesColour(std::size_t index);

// How many colours the palette holds before it repeats.
std::size_t PaletteSize();

// Fixed colours of the chart furniture.
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kTextColour{51, 51, 51};
inline constexpr Rgb kAxisColour{134, 134, 134};
inline constexpr Rgb kGridColour{222, 222, 222};
inline constexpr Rgb kWallColour{246, 246, 246};
inline constexpr Rgb kFloorColour{226, 226, 226};

}  // namespace tabulo::charts::engine
