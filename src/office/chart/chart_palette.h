#pragma once

#include <cstddef>
#include <cstdint>

namespace tabulo::office {

class XmlWriter;

// Colours are written into the chart itself rather than taken from a theme:
// a package need not carry a theme part, and readers without one would
// draw the series invisible.

// The fill of the series (or pie slice) at `index`, as 0xRRGGBB; the
// palette repeats after its last colour.
std::uint32_t SeriesColour(std::size_t index);

// <a:solidFill> of an RGB colour.
void WriteSolidFill(XmlWriter& xml, std::uint32_t rgb);

// <c:spPr> with a solid fill, for bars and slices.
void WriteFillProperties(XmlWriter& xml, std::uint32_t rgb);

// <c:spPr> with a line of `width` EMU, for lines, axes and gridlines.
void WriteLineProperties(XmlWriter& xml, std::uint32_t rgb, int width);

}  // namespace tabulo::office
