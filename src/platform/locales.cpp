#include "platform/locales.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <system_error>
#include <utility>
#include <vector>

namespace tabulo::platform {
namespace {

constexpr std::string_view kNoBreakSpace = "\xC2\xA0";            // U+00A0
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";  // U+202F
constexpr std::string_view kRightQuote = "\xE2\x80\x99";          // U+2019

struct LocaleEntry {
  std::uint16_t language_id;
  std::string_view decimal;
  std::string_view grouping;
};

// The separators Windows itself uses for these locales.
constexpr std::array kLocales{
    LocaleEntry{127, ".", ","},             // invariant
    LocaleEntry{1025, ".", ","},            // ar-SA
    LocaleEntry{1028, ".", ","},            // zh-TW
    LocaleEntry{1029, ",", kNoBreakSpace},  // cs-CZ
    LocaleEntry{1030, ",", "."},            // da-DK
    LocaleEntry{1031, ",", "."},            // de-DE
    LocaleEntry{1032, ",", "."},            // el-GR
    LocaleEntry{1033, ".", ","},            // en-US
    LocaleEntry{1035, ",", kNoBreakSpace},  // fi-FI
    LocaleEntry{1036, ",", kNoBreakSpace},  // fr-FR
    LocaleEntry{1037, ".", ","},            // he-IL
    LocaleEntry{1038, ",", kNoBreakSpace},  // hu-HU
    LocaleEntry{1040, ",", "."},            // it-IT
    LocaleEntry{1041, ".", ","},            // ja-JP
    LocaleEntry{1042, ".", ","},            // ko-KR
    LocaleEntry{1043, ",", "."},            // nl-NL
    LocaleEntry{1044, ",", kNoBreakSpace},  // nb-NO
    LocaleEntry{1045, ",", kNoBreakSpace},  // pl-PL
    LocaleEntry{1046, ",", "."},            // pt-BR
    LocaleEntry{1048, ",", "."},            // ro-RO
    LocaleEntry{1049, ",", kNoBreakSpace},  // ru-RU
    LocaleEntry{1053, ",", kNoBreakSpace},  // sv-SE
    LocaleEntry{1055, ",", "."},            // tr-TR
    LocaleEntry{1058, ",", kNoBreakSpace},  // uk-UA
    LocaleEntry{2052, ".", ","},            // zh-CN
    LocaleEntry{2055, ".", "'"},            // de-CH
    LocaleEntry{2057, ".", ","},            // en-GB
    LocaleEntry{2058, ".", ","},            // es-MX
    LocaleEntry{2067, ",", "."},            // nl-BE
    LocaleEntry{2070, ",", kNoBreakSpace},  // pt-PT
    LocaleEntry{3081, ".", ","},            // en-AU
    LocaleEntry{3082, ",", "."},            // es-ES
    LocaleEntry{3084, ",", kNoBreakSpace},  // fr-CA
    LocaleEntry{4105, ".", ","},            // en-CA
    LocaleEntry{5129, ".", ","},            // en-NZ
    LocaleEntry{6153, ".", ","},            // en-IE
};

constexpr std::uint32_t kNeutralLocale = 0;
constexpr std::uint32_t kUserDefaultLocale = 1024;
constexpr std::uint32_t kSystemDefaultLocale = 2048;
constexpr std::uint32_t kEnglishUnitedStates = 1033;

bool IsDefaultLocale(std::uint32_t lcid) {
  return lcid == kNeutralLocale || lcid == kUserDefaultLocale || lcid == kSystemDefaultLocale;
}

const LocaleEntry* FindLocale(std::uint32_t lcid) {
  // Bits 16-19 choose a sort order; anything above them is not a locale id.
  if ((lcid >> 20) != 0) return nullptr;
  const auto language_id = static_cast<std::uint16_t>(lcid & 0xFFFFu);
  for (const LocaleEntry& entry : kLocales) {
    if (entry.language_id == language_id) return &entry;
  }
  return nullptr;
}

// The locale that stands in for the user's and the system's default.
std::uint32_t DefaultLocale() {
  const char* configured = std::getenv("TABULO_DEFAULT_LCID");
  if (configured == nullptr) return kEnglishUnitedStates;
  std::string_view text(configured);
  std::uint32_t lcid = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), lcid);
  if (error != std::errc() || end != text.data() + text.size()) return kEnglishUnitedStates;
  if (IsDefaultLocale(lcid) || FindLocale(lcid) == nullptr) return kEnglishUnitedStates;
  return lcid;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The spellings that count as the locale's grouping separator: typed text
// often has a plain space or apostrophe where the locale writes a
// typographic one, and the reverse.
std::vector<std::string_view> GroupingSpellings(std::string_view grouping) {
  if (grouping == " " || grouping == kNoBreakSpace || grouping == kNarrowNoBreakSpace) {
    return {" ", kNoBreakSpace, kNarrowNoBreakSpace};
  }
  if (grouping == "'" || grouping == kRightQuote) return {"'", kRightQuote};
  if (grouping.empty()) return {};
  return {grouping};
}

// Walks the text once, left to right.
class NumberScanner {
 public:
  NumberScanner(std::string_view text, const NumberFormat& format)
      : text_(text), decimal_(format.decimal), grouping_(GroupingSpellings(format.grouping)) {}

  std::optional<DecimalNumber> Scan() {
    TrimBlanks();
    if (Accept("-")) {
      number_.negative = true;
    } else {
      Accept("+");
    }
    if (!ScanMantissa() || !ScanExponent() || pos_ != text_.size()) return std::nullopt;
    Normalise();
    return std::move(number_);
  }

 private:
  void TrimBlanks() {
    while (!text_.empty() && IsBlank(text_.front())) text_.remove_prefix(1);
    while (!text_.empty() && IsBlank(text_.back())) text_.remove_suffix(1);
  }

  bool Accept(std::string_view token) {
    if (token.empty() || text_.substr(pos_).substr(0, token.size()) != token) return false;
    pos_ += token.size();
    return true;
  }

  bool DigitAt(std::size_t pos) const { return pos < text_.size() && IsDigit(text_[pos]); }

  // A grouping separator counts only between two digits of the integer part.
  bool AcceptGrouping() {
    if (pos_ == 0 || !IsDigit(text_[pos_ - 1])) return false;
    for (std::string_view spelling : grouping_) {
      if (text_.substr(pos_).starts_with(spelling) && DigitAt(pos_ + spelling.size())) {
        pos_ += spelling.size();
        return true;
      }
    }
    return false;
  }

  bool ScanMantissa() {
    bool any_digit = false;
    bool in_fraction = false;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (IsDigit(c)) {
        any_digit = true;
        if (in_fraction) --number_.exponent;
        if (c != '0' || !number_.digits.empty()) number_.digits.push_back(c);
        ++pos_;
      } else if (!in_fraction && AcceptGrouping()) {
        continue;
      } else if (!in_fraction && Accept(decimal_)) {
        in_fraction = true;
      } else {
        break;
      }
    }
    return any_digit;
  }

  bool ScanExponent() {
    if (pos_ == text_.size() || (text_[pos_] != 'e' && text_[pos_] != 'E')) return true;
    ++pos_;
    bool negative = false;
    if (Accept("-")) {
      negative = true;
    } else {
      Accept("+");
    }
    if (!DigitAt(pos_)) return false;
    // Saturates: any exponent this large already overflows or vanishes.
    constexpr std::int64_t kLimit = 1'000'000'000;
    std::int64_t value = 0;
    while (DigitAt(pos_)) {
      value = std::min(kLimit, value * 10 + (text_[pos_] - '0'));
      ++pos_;
    }
    number_.exponent += negative ? -value : value;
    return true;
  }

  void Normalise() {
    while (!number_.digits.empty() && number_.digits.back() == '0') {
      number_.digits.pop_back();
      ++number_.exponent;
    }
    if (number_.digits.empty()) number_.exponent = 0;
  }

  std::string_view text_;
  std::string_view decimal_;
  std::vector<std::string_view> grouping_;
  std::size_t pos_ = 0;
  DecimalNumber number_;
};

template <typename Floating>
HRESULT DecimalToFloating(const DecimalNumber& number, Floating& out) {
  const Floating sign = number.negative ? Floating(-1) : Floating(1);
  if (number.IsZero()) {
    out = sign * Floating(0);
    return S_OK;
  }
  // The power of ten of the leading digit decides overflow and underflow
  // before the digits reach the library parser.
  const std::int64_t magnitude = static_cast<std::int64_t>(number.digits.size()) + number.exponent;
  if (magnitude > std::numeric_limits<Floating>::max_exponent10 + 1) return DISP_E_OVERFLOW;
  if (magnitude <
      std::numeric_limits<Floating>::min_exponent10 - std::numeric_limits<Floating>::digits10 - 2) {
    out = sign * Floating(0);
    return S_OK;
  }
  const std::string text = number.digits + "e" + std::to_string(number.exponent);
  Floating value{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    if (magnitude > 0) return DISP_E_OVERFLOW;
    value = Floating(0);
  } else if (error != std::errc() || end != text.data() + text.size()) {
    return DISP_E_TYPEMISMATCH;
  }
  if (value > std::numeric_limits<Floating>::max()) return DISP_E_OVERFLOW;
  out = sign * value;
  return S_OK;
}

}  // namespace

std::optional<NumberFormat> LocaleNumberFormat(std::uint32_t lcid) {
  if (IsDefaultLocale(lcid)) lcid = DefaultLocale();
  const LocaleEntry* entry = FindLocale(lcid);
  if (entry == nullptr) return std::nullopt;
  return NumberFormat{std::string(entry->decimal), std::string(entry->grouping)};
}

std::optional<DecimalNumber> ParseDecimalNumber(std::string_view text, const NumberFormat& format) {
  return NumberScanner(text, format).Scan();
}

HRESULT DecimalToDouble(const DecimalNumber& number, double& out) { return DecimalToFloating(number, out); }

HRESULT DecimalToFloat(const DecimalNumber& number, float& out) { return DecimalToFloating(number, out); }

HRESULT ParseLocaleDouble(std::string_view text, std::uint32_t lcid, double& out) {
  const std::optional<NumberFormat> format = LocaleNumberFormat(lcid);
  if (!format) return E_INVALIDARG;
  const std::optional<DecimalNumber> number = ParseDecimalNumber(text, *format);
  if (!number) return DISP_E_TYPEMISMATCH;
  return DecimalToDouble(*number, out);
}

}  // namespace tabulo::platform
