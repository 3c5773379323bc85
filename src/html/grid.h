#pragma once

#include "html/chtml_writer.h"
#include "html/render_settings.h"
#include "tables/ctable.h"

namespace tabulo::html {

// Thrown when a table's side axis has more leaves with values than the
// document has value rows; it carries no message of its own.
class MissingValueRowError : public std::runtime_error {
 public:
  MissingValueRowError() : std::runtime_error("The table has fewer value rows than side leaves") {}
};

// The grid of one table: top heading rows, the spacer row, the side rows
// with their value cells. The table must have been laid out
// (PrepareTableLayout) first.
void RenderGrid(const tables::CTable& table, const CRenderSettings& settings, CHtmlWriter& writer);

// The header block (annotations at places 0 to 3) or the footer block (4 to
// 7); nothing when none of the four has text.
void RenderAnnotations(const tables::CTable& table, const CRenderSettings& settings, CHtmlWriter& writer,
                       bool header);

}  // namespace tabulo::html
