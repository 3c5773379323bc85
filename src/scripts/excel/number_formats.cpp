#include "scripts/excel/number_formats.h"

#include <array>

namespace tabulo::excel {

bool IsPercentageType(std::string_view cell_item_type) {
  constexpr std::array<std::string_view, 5> kPercentages = {"ColPercent", "RowPercent", "TotalPercent",
                                                            "CumColPercent", "CumRowPercent"};
  for (std::string_view type : kPercentages) {
    if (type == cell_item_type) return true;
  }
  return false;
}

std::string FixedDecimalsFormat(int decimals) {
  if (decimals <= 0) return "0";
  return "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

std::string ValueFormat(int decimals, bool percent_sign) {
  std::string format = FixedDecimalsFormat(decimals);
  if (percent_sign) format += '%';
  return format;
}

std::string CellValueFormat(std::optional<int> decimals, bool percent_sign) {
  std::string format = decimals ? FixedDecimalsFormat(*decimals) : std::string("general");
  if (percent_sign) format += '%';
  return format;
}

}  // namespace tabulo::excel
