#include "charts/engine/axis_number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tabulo::charts::engine {
namespace {

// Ticks are sums of decimal steps and carry binary noise (0.1 + 0.2); twelve
// significant digits keep every digit a scale can mean and drop the noise.
constexpr int kSignificantDigits = 12;
// Below this the scaled value is an exact integer in a double, so rounding
// it half away from zero is exact.
constexpr double kExactIntegerLimit = 4503599627370496.0;  // 2^52

std::string GeneralText(double value) {
  std::array<char, 64> noisy{};
  std::snprintf(noisy.data(), noisy.size(), "%.*g", kSignificantDigits, value);
  double clean = std::strtod(noisy.data(), nullptr);
  std::array<char, 400> text{};
  auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), clean, std::chars_format::fixed);
  if (error != std::errc{}) return noisy.data();
  return std::string(text.data(), end);
}

std::string FixedText(double value, int decimals) {
  double scaled = value * std::pow(10.0, decimals);
  if (std::fabs(scaled) < kExactIntegerLimit) value = std::round(scaled) / std::pow(10.0, decimals);
  std::array<char, 400> text{};
  int length = std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
  if (length < 0) return {};
  return std::string(text.data(), std::min(static_cast<std::size_t>(length), text.size() - 1));
}

// "-0" and "-0.00" say nothing a plain zero does not.
void DropSignOfZero(std::string& text) {
  if (!text.starts_with('-')) return;
  if (text.find_first_not_of("0.", 1) == std::string::npos) text.erase(0, 1);
}

}  // namespace

std::string AxisNumberText(double value, const ChartNumberFormat& format) {
  std::string text;
  if (format.decimals < 0) {
    text = value == 0.0 ? "0" : GeneralText(value);
  } else {
    text = FixedText(value, std::min(format.decimals, kMostLabelDecimals));
  }
  DropSignOfZero(text);
  if (format.percentage) text += '%';
  return text;
}

}  // namespace tabulo::charts::engine
