#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "frame/cexport.h"

namespace tabulo::excel {

// A table text counts as a chart value when its first or second character is
// a digit (so a leading sign or currency symbol is allowed); "" does not.
bool IsChartValue(std::string_view text);

// The first `max_characters` characters of a UTF-8 text, never splitting one.
std::string CutToCharacters(std::string_view text, std::int64_t max_characters);

// The plain text of a label through the export object's GetTextFromHTML; the
// text unchanged when the call fails.
std::string PlainText(frame::IOfficeExport& exporter, std::string_view text);

// The number format of chart value cells of a cell item type: percentages
// "0%" for up to 0 decimals, "0." and that many zeros and "%" otherwise (no
// "%" with the table's percent signs off); other types "0" or "0." and zeros;
// nothing (the cells keep General) for other types whose decimals are not
// given (-1).
std::optional<std::string> ChartNumberFormat(std::string_view type, std::int64_t decimals,
                                             bool percent_signs);

}  // namespace tabulo::excel
