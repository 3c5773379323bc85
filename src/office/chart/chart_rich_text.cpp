#include "office/chart/chart_rich_text.h"

#include <cmath>

#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

// Text turned a quarter to the left, in 60000ths of a degree.
constexpr int kVerticalRotation = -5400000;

void WriteBody(XmlWriter& xml, TextDirection direction) {
  xml.Start("a:bodyPr");
  if (direction == TextDirection::kVertical) {
    xml.Attribute("rot", kVerticalRotation);
    xml.Attribute("vert", "horz");
  }
  xml.End();
  xml.Start("a:lstStyle");
  xml.End();
}

// The attributes and children of a run's or a paragraph's character
// properties; the element itself is started by the caller.
void WriteFontContent(XmlWriter& xml, const std::optional<ChartFont>& font) {
  if (!font) return;
  xml.Attribute("sz", static_cast<long>(std::lround(font->size * 100)));
  xml.Attribute("b", font->bold ? "1" : "0");
  if (font->name.empty()) return;
  xml.Start("a:latin");
  xml.Attribute("typeface", font->name);
  xml.End();
}

void WriteParagraphFont(XmlWriter& xml, const std::optional<ChartFont>& font) {
  if (!font) return;
  xml.Start("a:pPr");
  xml.Start("a:defRPr");
  WriteFontContent(xml, font);
  xml.End();
  xml.End();
}

}  // namespace

void WriteRichText(XmlWriter& xml, std::string_view text, const std::optional<ChartFont>& font,
                   TextDirection direction) {
  xml.Start("c:rich");
  WriteBody(xml, direction);
  for (std::string_view line : TextLines(text)) {
    xml.Start("a:p");
    WriteParagraphFont(xml, font);
    if (!line.empty()) {
      xml.Start("a:r");
      xml.Start("a:rPr");
      xml.Attribute("lang", "en-US");
      WriteFontContent(xml, font);
      xml.End();
      xml.TextElement("a:t", line);
      xml.End();
    }
    xml.End();
  }
  xml.End();
}

void WriteTextProperties(XmlWriter& xml, const ChartFont& font, TextDirection direction) {
  xml.Start("c:txPr");
  WriteBody(xml, direction);
  xml.Start("a:p");
  WriteParagraphFont(xml, font);
  xml.Start("a:endParaRPr");
  xml.Attribute("lang", "en-US");
  xml.End();
  xml.End();
  xml.End();
}

}  // namespace tabulo::office
