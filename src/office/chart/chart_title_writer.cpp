#include "office/chart/chart_title_writer.h"

#include "office/markup/xml_writer.h"

namespace tabulo::office {

void WriteChartTitle(XmlWriter& xml, const ChartTitle& title, TextDirection direction) {
  xml.Start("c:title");
  if (!title.text.empty()) {
    xml.Start("c:tx");
    WriteRichText(xml, title.text, title.font, direction);
    xml.End();
  }
  xml.ValElement("c:overlay", "0");
  if (title.text.empty() && title.font) WriteTextProperties(xml, *title.font, direction);
  xml.End();
}

}  // namespace tabulo::office
