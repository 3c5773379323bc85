#pragma once

#include "charts/engine/text_painter.h"

namespace tabulo::charts::engine {

// The look shared by every chart: text sizes and the spacing around parts.
inline constexpr TextStyle kTitleStyle{15.0, true, kTextColour};
inline constexpr TextStyle kAxisTitleStyle{12.0, true, kTextColour};
inline constexpr TextStyle kLabelStyle{11.0, false, kTextColour};
inline constexpr TextStyle kLegendStyle{11.0, false, kTextColour};

inline constexpr double kPicturePadding = 8.0;  // around everything
inline constexpr double kPartGap = 6.0;         // between title, plot, labels and legend
inline constexpr int kMostTitleLines = 3;

}  // namespace tabulo::charts::engine
