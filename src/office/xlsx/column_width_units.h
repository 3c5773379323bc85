#pragma once

namespace tabulo::office {

// A column width as a workbook file stores it, from the width in characters
// that users see (as Office's ColumnWidth gives it). The file's unit
// includes the cell's 5-pixel padding: pixels = round(characters × mdw) + 5
// and the stored width is pixels ÷ mdw, truncated to 1/256 (8.43 characters
// of a 7-pixel "0" are stored as 9.140625). mdw is the default font's digit
// width in pixels.
double StoredColumnWidth(double characters, int max_digit_width);

}  // namespace tabulo::office
