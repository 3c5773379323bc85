#include "charts/planning/chart_number_format.h"

#include <algorithm>

#include "tables/celement.h"

namespace tabulo::charts {
namespace {

using tables::CellItemType;

// Beyond this no display shows more digits; a larger count from the
// document must not make a format code of millions of zeros.
constexpr std::int32_t kMostDecimalsShown = 30;

}  // namespace

ChartNumberFormat NumberFormatOf(const tables::CElementHeading* first_series,
                                 const tables::CCellItem& chart_item, bool format_percentage_axes) {
  bool single_valued = first_series != nullptr && first_series->IsSingleValue();
  ChartNumberFormat format;
  std::int32_t element_decimals = first_series != nullptr && first_series->Element() != nullptr
                                      ? first_series->Element()->Decimals()
                                      : -1;
  if (element_decimals >= 0) {
    format.decimals = element_decimals;
  } else if (single_valued) {
    format.decimals = -1;
  } else {
    format.decimals = chart_item.Decimals();
  }
  // A single-valued element (a mean, a total) carries no percentage
  // whatever item is charted for the other elements.
  switch (chart_item.Type()) {
    case CellItemType::kRowPercent:
    case CellItemType::kTotalPercent:
    case CellItemType::kCumColPercent:
    case CellItemType::kCumRowPercent:
    case CellItemType::kColPercent:
      format.percentage = !single_valued;
      break;
    default:
      format.percentage = false;
      break;
  }
  format.fixed_scale = format_percentage_axes;
  return format;
}

std::string NumberFormatCode(const ChartNumberFormat& format) {
  std::string code;
  if (format.decimals < 0) {
    code = "general";
  } else if (format.decimals == 0) {
    code = "0";
  } else {
    code = "0.";
    code.append(static_cast<std::size_t>(std::min(format.decimals, kMostDecimalsShown)), '0');
  }
  if (format.percentage) code += "\"%\"";
  return code;
}

}  // namespace tabulo::charts
