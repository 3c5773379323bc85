#pragma once

#include <string>

#include "charts/engine/raster_image.h"

namespace tabulo::charts::engine {

// The picture as a GIF89a file: its colours reduced to a palette of at most
// 256 and the pixels encoded without dithering, so that flat areas stay
// flat. Throws ChartError when the reduction or the encoding fails.
std::string EncodeGif(const RasterImage& image);

}  // namespace tabulo::charts::engine
