#include "scripts/excel/chart_text.h"

#include "platform/hresult.h"
#include "scripts/excel/number_formats.h"

namespace tabulo::excel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

bool IsChartValue(std::string_view text) {
  return (!text.empty() && IsDigit(text[0])) || (text.size() > 1 && IsDigit(text[1]));
}

std::string CutToCharacters(std::string_view text, std::int64_t max_characters) {
  std::int64_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsContinuationByte(text[i])) continue;
    if (characters == max_characters) return std::string(text.substr(0, i));
    ++characters;
  }
  return std::string(text);
}

std::string PlainText(frame::IOfficeExport& exporter, std::string_view text) {
  const std::string argument(text);
  std::optional<std::string> result;
  if (!platform::Succeeded(exporter.GetTextFromHTML(argument.c_str(), &result)) || !result) return argument;
  return *result;
}

std::optional<std::string> ChartNumberFormat(std::string_view type, std::int64_t decimals,
                                             bool percent_signs) {
  const int places = decimals > 0 ? static_cast<int>(decimals) : 0;
  if (IsPercentageType(type)) return ValueFormat(places, percent_signs);
  if (decimals < 0) return std::nullopt;
  return FixedDecimalsFormat(places);
}

}  // namespace tabulo::excel
