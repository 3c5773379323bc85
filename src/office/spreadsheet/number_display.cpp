#include "office/spreadsheet/number_display.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tabulo::office {
namespace {

std::string Printf(const char* pattern, int precision, double value) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, pattern, precision, value);
  return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

void TrimFraction(std::string& text) {
  if (text.find('.') == std::string::npos) return;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
}

// General shows at most ten significant digits, and switches to scientific
// notation for numbers that would not fit in eleven characters.
std::string GeneralText(double value) {
  const double magnitude = std::fabs(value);
  if (magnitude == 0) return "0";
  if (magnitude >= 1e11 || magnitude < 1e-9) {
    std::string text = Printf("%.*E", 5, value);
    const std::size_t exponent = text.find('E');
    std::string mantissa = text.substr(0, exponent);
    TrimFraction(mantissa);
    std::string power = text.substr(exponent);  // E+11
    if (power.size() > 4 && power[2] == '0') power.erase(2, 1);
    return mantissa + power;
  }
  const int integer_digits = magnitude >= 1 ? static_cast<int>(std::floor(std::log10(magnitude))) + 1 : 1;
  std::string text = Printf("%.*f", std::max(0, 10 - integer_digits), value);
  TrimFraction(text);
  if (text == "-0") text = "0";
  return text;
}

// Office rounds halves away from zero, and at the 15 significant digits it
// keeps (so 1.005 shows as 1.01 with two decimals).
double RoundHalfAway(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15g", value * scale);
  return std::round(std::strtod(buffer, nullptr)) / scale;
}

bool IsPlaceholder(char c) { return c == '0' || c == '#' || c == '?'; }

std::string GroupThousands(const std::string& digits) {
  std::size_t start = digits.front() == '-' ? 1 : 0;
  const std::size_t point = digits.find('.');
  const std::size_t end = point == std::string::npos ? digits.size() : point;
  std::string grouped = digits.substr(0, start);
  for (std::size_t i = start; i < end; ++i) {
    grouped.push_back(digits[i]);
    const std::size_t remaining = end - i - 1;
    if (remaining > 0 && remaining % 3 == 0) grouped.push_back(',');
  }
  return grouped + digits.substr(end);
}

std::string LiteralText(std::string_view code) {
  std::string text;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '"' || c == '_' || c == '*') {
      if (c == '"') {
        const std::size_t close = code.find('"', i + 1);
        text.append(
            code.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1));
        if (close == std::string_view::npos) break;
        i = close;
      } else {
        ++i;  // padding and fill characters take the next character
      }
    } else if (c == '\\' && i + 1 < code.size()) {
      text.push_back(code[++i]);
    } else if (c != '[' && c != ']') {
      text.push_back(c);
    }
  }
  return text;
}

}  // namespace

std::string DisplayedNumber(double value, std::string_view format_code) {
  std::string_view code = format_code.substr(0, format_code.find(';'));
  std::string lower(code);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.empty() || lower == "@" || lower == "general") return GeneralText(value);
  const std::size_t first = code.find_first_of("0#?");
  if (first == std::string_view::npos) return GeneralText(value);
  std::size_t last = first;
  while (last + 1 < code.size() &&
         (IsPlaceholder(code[last + 1]) || code[last + 1] == ',' || code[last + 1] == '.' ||
          code[last + 1] == 'E' || code[last + 1] == 'e' || code[last + 1] == '+' || code[last + 1] == '-')) {
    ++last;
  }
  const std::string_view number_part = code.substr(first, last - first + 1);
  const std::string prefix = LiteralText(code.substr(0, first));
  const std::string suffix = LiteralText(code.substr(last + 1));
  const bool percent = code.find('%') != std::string_view::npos;
  const std::size_t exponent = number_part.find_first_of("Ee");
  const std::string_view mantissa_part = number_part.substr(0, exponent);
  const std::size_t point = mantissa_part.find('.');
  int decimals = 0;
  if (point != std::string_view::npos) {
    for (char c : mantissa_part.substr(point + 1)) decimals += IsPlaceholder(c) ? 1 : 0;
  }
  const double shown = percent ? value * 100 : value;
  std::string digits;
  if (exponent != std::string_view::npos) {
    digits = Printf("%.*E", decimals, shown);
  } else {
    digits = Printf("%.*f", decimals, RoundHalfAway(shown, decimals));
    if (digits.find_first_not_of("-0.") == std::string::npos && digits.front() == '-') digits.erase(0, 1);
    if (mantissa_part.substr(0, point).find(',') != std::string_view::npos) digits = GroupThousands(digits);
  }
  return prefix + digits + suffix;
}

}  // namespace tabulo::office
