#pragma once

#include <optional>
#include <string_view>

#include "office/chart/chart_text.h"

namespace tabulo::office {

class XmlWriter;

// Which way a chart text runs: along its axis, or turned a quarter to the
// left as on a vertical axis.
enum class TextDirection : bool { kHorizontal, kVertical };

// <c:rich> with one paragraph per line of `text` (see TextLines), each in
// the font when one is given (name as Latin typeface, bold, size in
// hundredths of a point).
void WriteRichText(XmlWriter& xml, std::string_view text, const std::optional<ChartFont>& font,
                   TextDirection direction = TextDirection::kHorizontal);

// <c:txPr>: the font of a text whose words the application supplies.
void WriteTextProperties(XmlWriter& xml, const ChartFont& font,
                         TextDirection direction = TextDirection::kHorizontal);

}  // namespace tabulo::office
