#pragma once

#include "html/chtml_writer.h"

namespace tabulo::html {

// The paragraph that starts a new printed page: before a table separator,
// before chart images and after charts that precede a grid.
void WritePageBreak(CHtmlWriter& writer);

}  // namespace tabulo::html
