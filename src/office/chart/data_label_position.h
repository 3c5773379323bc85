#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "office/chart/chart_type.h"

namespace tabulo::office {

// Where a data label stands relative to its point.
enum class DataLabelPosition : std::uint8_t {
  kBestFit,
  kBottom,
  kCenter,
  kInsideBase,
  kInsideEnd,
  kLeft,
  kOutsideEnd,
  kRight,
  kTop,
};

// Office refuses (repairs away) a position the chart type does not offer,
// although the schema takes any: columns and bars take center, inside end
// and inside base, and outside end when clustered; lines take center, left,
// right, top and bottom; flat pies best fit, center, inside end and outside
// end; 3D types none at all.
bool IsLabelPositionAllowed(const ChartTypeShape& shape, DataLabelPosition position);

// The position a label gets when none is asked for: outside end on
// clustered columns and bars, center on stacked ones, right of a line
// point, best fit on a flat pie; nullopt for 3D types.
std::optional<DataLabelPosition> DefaultLabelPosition(const ChartTypeShape& shape);

// The position asked for when the type allows it, else the type's default.
std::optional<DataLabelPosition> EffectiveLabelPosition(const ChartTypeShape& shape,
                                                        std::optional<DataLabelPosition> asked);

// The markup value: "bestFit", "b", "ctr", "inBase", "inEnd", "l", "outEnd", "r", "t".
std::string_view LabelPositionValue(DataLabelPosition position);
// The position of a markup value; nullopt for any other text.
std::optional<DataLabelPosition> ParseLabelPosition(std::string_view value);

}  // namespace tabulo::office
