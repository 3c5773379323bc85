#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "scripts/excel/excel_types.h"

namespace tabulo::excel {

// One worksheet row of a formatted annotation.
using RunLine = std::vector<TextRun>;

// The HTML a formatted annotation is pasted as: without workbook styles the
// text is wrapped in the header/footer font, <FONT FACE = "Arial"SIZE = 3>
// ... </FONT>; with them it stays as it is, since the named style supplies
// the font.
std::string AnnotationHtml(std::string_view text, bool use_excel_styles);

// Turns an HTML fragment into the rows Excel's HTML paste gives it: a line
// break or a block element (p, div, h1-h6, li, tr, ...) starts a new row;
// B/STRONG, I/EM, U and FONT (FACE, SIZE 1-7 or relative, COLOR) set the
// character format of the runs; entities are decoded and white space is
// collapsed as a browser does. Empty rows at the start and the end are
// dropped. Parsing never reaches the network.
std::vector<RunLine> HtmlToRunLines(std::string_view html);

}  // namespace tabulo::excel
