#include "office/spreadsheet/rich_text.h"

namespace tabulo::office {

Font ResolveRunFont(const Font& cell_font, const TextRun& run) {
  Font font = cell_font;
  if (run.font_name) font.name = *run.font_name;
  if (run.size) font.size = *run.size;
  if (run.bold) font.bold = *run.bold;
  if (run.italic) font.italic = *run.italic;
  if (run.underline) font.underline = *run.underline;
  if (run.colour) font.colour = *run.colour;
  return font;
}

std::string PlainText(const RichText& runs) {
  std::string text;
  for (const TextRun& run : runs) text += run.text;
  return text;
}

}  // namespace tabulo::office
