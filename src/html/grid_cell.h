#pragma once

#include <string_view>

#include "html/chtml_writer.h"
#include "html/render_settings.h"
#include "tables/celement.h"

namespace tabulo::html {

// Flags of a grid cell.
namespace cell_flags {
inline constexpr int kLabel = 1;  // may carry an id; its text counts as a label
inline constexpr int kNoContent = 2;
inline constexpr int kNbspIfEmpty = 4;  // an empty text shows one no-break space
inline constexpr int kRaw = 8;          // the text is markup-safe and written raw
inline constexpr int kHeading = kLabel | kNbspIfEmpty;
inline constexpr int kValue = kLabel | kNbspIfEmpty | kRaw;
inline constexpr int kAnnotation = kNbspIfEmpty | kRaw;
inline constexpr int kSpacer = kNoContent;
}  // namespace cell_flags

struct GridCell {
  std::string_view text;
  int colspan = 1;
  int rowspan = 1;
  std::string_view css_class;
  std::string_view id;
  const tables::CStyle* style = nullptr;
  int flags = 0;
  bool css_class_escaped = false;  // css_class went through AppendEscapedXml already
};

// One "td": spans above 1, the class, the id (only with IncludeElementIDs,
// for a label cell that has one), then the content: the text (raw for
// formatted labels and markup-safe values, through the markup sanitizer) and
// the element's image placed by its style.
void WriteCell(CHtmlWriter& writer, const CRenderSettings& settings, const GridCell& cell);

// The "src" of an image: as it stands when it is an "http:" address, else
// under the document's image location; blanks become "%20".
std::string ImageSource(const CRenderSettings& settings, std::string_view image);

// Blanks in a link become "%20"; nothing else is encoded.
std::string EncodeBlanks(std::string_view link);

}  // namespace tabulo::html
