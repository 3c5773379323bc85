#pragma once

namespace tabulo::charts {

// The file formats a chart picture can be written in.
enum class ImageFormat { kGif, kPng, kSvg };

}  // namespace tabulo::charts
