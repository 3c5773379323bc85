#include "office/chart/chart_palette.h"

#include <array>
#include <string>

#include "office/markup/xml_writer.h"

namespace tabulo::office {
namespace {

// Six accent colours, then the same darkened, the order office charts use.
constexpr std::array<std::uint32_t, 12> kPalette{0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646,
                                                 0x385D8A, 0x8C3836, 0x71893F, 0x5C4776, 0x357D91, 0xB66D31};

std::string Hex(std::uint32_t rgb) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(6, '0');
  for (int at = 5; at >= 0; --at) {
    text[static_cast<std::size_t>(at)] = kDigits[rgb & 0xFU];
    rgb >>= 4U;
  }
  return text;
}

}  // namespace

std::uint32_t SeriesColour(std::size_t index) { return kPalette[index % kPalette.size()]; }

void WriteSolidFill(XmlWriter& xml, std::uint32_t rgb) {
  xml.Start("a:solidFill");
  xml.Start("a:srgbClr");
  xml.Attribute("val", Hex(rgb));
  xml.End();
  xml.End();
}

void WriteFillProperties(XmlWriter& xml, std::uint32_t rgb) {
  xml.Start("c:spPr");
  WriteSolidFill(xml, rgb);
  xml.End();
}

void WriteLineProperties(XmlWriter& xml, std::uint32_t rgb, int width) {
  xml.Start("c:spPr");
  xml.Start("a:ln");
  xml.Attribute("w", width);
  WriteSolidFill(xml, rgb);
  xml.End();
  xml.End();
}

}  // namespace tabulo::office
