#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tabulo::excel {

// Cell item types whose values are percentages: "ColPercent", "RowPercent",
// "TotalPercent", "CumColPercent", "CumRowPercent".
bool IsPercentageType(std::string_view cell_item_type);

// "0" for no decimals, "0." followed by `decimals` zeros otherwise.
std::string FixedDecimalsFormat(int decimals);

// The number format of a value row: fixed decimals with "%" appended when
// `percent_sign` is on.
std::string ValueFormat(int decimals, bool percent_sign);

// The number format of a single cell whose decimals may be unset ("general").
std::string CellValueFormat(std::optional<int> decimals, bool percent_sign);

}  // namespace tabulo::excel
