#include "office/chart/data_label_position.h"

namespace tabulo::office {

bool IsLabelPositionAllowed(const ChartTypeShape& shape, DataLabelPosition position) {
  using enum DataLabelPosition;
  switch (shape.kind) {
    case PlotKind::kBar:
      if (position == kOutsideEnd) return shape.grouping == Grouping::kClustered;
      return position == kCenter || position == kInsideEnd || position == kInsideBase;
    case PlotKind::kLine:
      return position == kCenter || position == kLeft || position == kRight || position == kTop ||
             position == kBottom;
    case PlotKind::kPie:
      return position == kBestFit || position == kCenter || position == kInsideEnd || position == kOutsideEnd;
    case PlotKind::kBar3D:
    case PlotKind::kPie3D:
      return false;
  }
  return false;
}

std::optional<DataLabelPosition> DefaultLabelPosition(const ChartTypeShape& shape) {
  switch (shape.kind) {
    case PlotKind::kBar:
      return shape.grouping == Grouping::kClustered ? DataLabelPosition::kOutsideEnd
                                                    : DataLabelPosition::kCenter;
    case PlotKind::kLine:
      return DataLabelPosition::kRight;
    case PlotKind::kPie:
      return DataLabelPosition::kBestFit;
    case PlotKind::kBar3D:
    case PlotKind::kPie3D:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<DataLabelPosition> EffectiveLabelPosition(const ChartTypeShape& shape,
                                                        std::optional<DataLabelPosition> asked) {
  if (asked && IsLabelPositionAllowed(shape, *asked)) return asked;
  return DefaultLabelPosition(shape);
}

std::string_view LabelPositionValue(DataLabelPosition position) {
  switch (position) {
    case DataLabelPosition::kBestFit:
      return "bestFit";
    case DataLabelPosition::kBottom:
      return "b";
    case DataLabelPosition::kCenter:
      return "ctr";
    case DataLabelPosition::kInsideBase:
      return "inBase";
    case DataLabelPosition::kInsideEnd:
      return "inEnd";
    case DataLabelPosition::kLeft:
      return "l";
    case DataLabelPosition::kOutsideEnd:
      return "outEnd";
    case DataLabelPosition::kRight:
      return "r";
    case DataLabelPosition::kTop:
      return "t";
  }
  return "ctr";
}

std::optional<DataLabelPosition> ParseLabelPosition(std::string_view value) {
  using enum DataLabelPosition;
  for (DataLabelPosition position :
       {kBestFit, kBottom, kCenter, kInsideBase, kInsideEnd, kLeft, kOutsideEnd, kRight, kTop}) {
    if (LabelPositionValue(position) == value) return position;
  }
  return std::nullopt;
}

}  // namespace tabulo::office
