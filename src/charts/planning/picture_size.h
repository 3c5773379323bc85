#pragma once

#include <cstddef>
#include <cstdint>

#include "charts/chart_description.h"

namespace tabulo::charts {

inline constexpr std::int32_t kPictureWidth = 600;
inline constexpr std::int32_t kPictureHeight = 300;
inline constexpr std::int32_t kMostPictureWidth = 1024;

// The picture height fitted to the legend: a legend shown on the right
// (position 4) with more than 11 entries takes 22.2 pixels per entry plus
// 52; anything else keeps 300.
std::int32_t FitLegendHeight(const ChartLegend& legend, std::size_t legend_entries);

// 600 for a height up to 300, else the height's 2:1 width, at most 1024.
std::int32_t PictureWidth(std::int32_t height);

// The legend's entries: one per series, one per category for a pie.
std::size_t LegendEntries(const ChartDescription& chart);

}  // namespace tabulo::charts
