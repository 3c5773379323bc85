#include "office/xlsx/column_width_units.h"

#include <cmath>

namespace tabulo::office {

double StoredColumnWidth(double characters, int max_digit_width) {
  if (characters <= 0) return 0;
  const double pixels = std::round(characters * max_digit_width) + 5;
  return std::trunc(pixels / max_digit_width * 256) / 256;
}

}  // namespace tabulo::office
