#include "html/page_break.h"

namespace tabulo::html {

void WritePageBreak(CHtmlWriter& writer) {
  writer.BeginElement("P");
  writer.AddAttribute("style", "page-break-before='always'");
  writer.StartElementWithAttributes();
  writer.EndElement("P");
}

}  // namespace tabulo::html
