#pragma once

#include <string>

#include "charts/chart_description.h"
#include "charts/engine/image_format.h"
#include "charts/engine/picture_size.h"

namespace tabulo::charts::engine {

// The chart drawn at the given size as the bytes of a file in the format.
// Throws ChartError when it cannot be drawn or encoded.
std::string EncodeChart(const ChartDescription& chart, PictureSize size, ImageFormat format);

}  // namespace tabulo::charts::engine
