#include "office/spreadsheet/text_metrics.h"

#include <array>
#include <cmath>

#include "office/markup/xml_characters.h"

namespace tabulo::office {
namespace {

// Advance widths in 1/1000 em of the printable ASCII characters, from the
// space (0x20) to the tilde (0x7E).
constexpr std::array<short, 95> kRegularWidths = {
    278, 278, 355, 556, 556, 889, 667,  191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556,  556, 556, 556,                                // 0 to 9
    278, 278, 584, 584, 584, 556, 1015,                                               // : to @
    667, 667, 722, 722, 667, 611, 778,  722, 278, 500, 667, 556, 833, 722, 778, 667,  // A to P
    778, 722, 667, 611, 722, 667, 944,  667, 667, 611,                                // Q to Z
    278, 278, 278, 469, 556, 333,                                                     // [ to `
    556, 556, 500, 556, 556, 278, 556,  556, 222, 222, 500, 222, 833, 556, 556, 556,  // a to p
    556, 333, 500, 278, 556, 500, 722,  500, 500, 500,                                // q to z
    334, 260, 334, 584};                                                              // { to ~
constexpr std::array<short, 95> kBoldWidths = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556,                                // 0 to 9
    333, 333, 584, 584, 584, 611, 975,                                               // : to @
    722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667,  // A to P
    778, 722, 667, 611, 722, 667, 944, 667, 667, 611,                                // Q to Z
    333, 278, 333, 584, 556, 333,                                                    // [ to `
    556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611, 611,  // a to p
    611, 389, 556, 333, 611, 556, 778, 556, 556, 500,                                // q to z
    389, 280, 389, 584};                                                             // { to ~

constexpr int kDigitWidth = 556;
constexpr double kLineHeightEm = 1.117;

// The base letter of the accented Latin-1 letters U+00C0 to U+00FF.
constexpr std::string_view kLatin1Base = "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYPsaaaaaaaceeeeiiiidnooooo/ouuuuypy";

static_assert(kLatin1Base.size() == 64);

bool IsWide(char32_t code) {
  return (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
         (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
         (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
         (code >= 0xFFE0 && code <= 0xFFE6) || (code >= 0x20000 && code <= 0x3FFFD);
}

int WidthOf(char32_t code, bool bold) {
  const auto& widths = bold ? kBoldWidths : kRegularWidths;
  if (code >= 0x20 && code <= 0x7E) return widths[code - 0x20];
  if (code >= 0xC0 && code <= 0xFF) {
    const char base = kLatin1Base[code - 0xC0];
    if (base == '*' || base == '/') return widths['+' - 0x20];  // multiplication and division signs
    return widths[static_cast<std::size_t>(base) - 0x20];
  }
  if (code == 0xA0) return widths[0];
  if (IsWide(code)) return 1000;
  if (code < 0x20) return 0;
  return kDigitWidth;
}

}  // namespace

double TextWidthPoints(std::string_view text, const Font& font) {
  long units = 0;
  for (std::size_t position = 0; position < text.size();) {
    const Utf8Sequence sequence = DecodeUtf8(text, position);
    units += sequence.valid ? WidthOf(sequence.code, font.bold) : kDigitWidth;
    position += sequence.length;
  }
  return static_cast<double>(units) * font.size / 1000.0;
}

double PointsToPixels(double points) { return points * 96.0 / 72.0; }
double PixelsToPoints(double pixels) { return pixels * 72.0 / 96.0; }

int MaxDigitWidthPixels(const Font& font) {
  return static_cast<int>(std::lround(PointsToPixels(kDigitWidth * font.size / 1000.0)));
}

int LineHeightPixels(const Font& font) {
  return static_cast<int>(std::ceil(PointsToPixels(font.size) * kLineHeightEm - 1e-9)) + 2;
}

double LineHeightPoints(const Font& font) { return PixelsToPoints(LineHeightPixels(font)); }

}  // namespace tabulo::office
