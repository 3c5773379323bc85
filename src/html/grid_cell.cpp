#include "html/grid_cell.h"

#include <string>

#include "html/markup_sanitizer.h"

namespace tabulo::html {
namespace {

bool StartsWithHttp(std::string_view text) {
  constexpr std::string_view kHttp = "http:";
  if (text.size() < kHttp.size()) return false;
  for (std::size_t i = 0; i < kHttp.size(); ++i) {
    char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != kHttp[i]) return false;
  }
  return true;
}

void WriteText(CHtmlWriter& writer, const CRenderSettings& settings, std::string_view text, int flags) {
  bool raw =
      (settings.use_formatted_labels && (flags & (cell_flags::kLabel | cell_flags::kNbspIfEmpty)) != 0) ||
      (flags & cell_flags::kRaw) != 0;
  bool nbsp = (flags & cell_flags::kNbspIfEmpty) != 0;
  if (raw && text.find('<') == std::string_view::npos) {
    writer.Text(text, true, nbsp);
  } else if (raw) {
    writer.Text(SanitizeMarkup(text), true, nbsp);
  } else {
    writer.Text(text, false, nbsp);
  }
}

void WriteImage(CHtmlWriter& writer, std::string_view source, std::string_view alternative) {
  writer.BeginElement("img");
  writer.AddAttribute("src", source);
  writer.AddAttribute("alt", alternative);
  writer.StartElementWithAttributes();
  writer.EndElement("img");
}

void WriteInDiv(CHtmlWriter& writer, auto&& content) {
  writer.StartElement("div");
  content();
  writer.EndElement("div");
}

void WriteContent(CHtmlWriter& writer, const CRenderSettings& settings, const GridCell& cell) {
  const tables::CStyle* style = cell.style;
  std::string source;
  if (style != nullptr && !style->Image().empty() && settings.use_styles)
    source = ImageSource(settings, style->Image());
  // An image address from the document that could run script is no image.
  if (source.empty() || !IsSafeUrl(source)) {
    WriteText(writer, settings, cell.text, cell.flags);
    return;
  }
  auto text = [&] { WriteText(writer, settings, cell.text, cell.flags); };
  auto image = [&] { WriteImage(writer, source, ""); };
  switch (style->Position()) {
    case tables::ImagePosition::kLeft:
      image();
      text();
      break;
    case tables::ImagePosition::kRight:
      text();
      image();
      break;
    case tables::ImagePosition::kTop:
      WriteInDiv(writer, image);
      WriteInDiv(writer, text);
      break;
    case tables::ImagePosition::kBottom:
      WriteInDiv(writer, text);
      WriteInDiv(writer, image);
      break;
    case tables::ImagePosition::kImageOnly:
      WriteImage(writer, source, cell.text);
      break;
  }
}

}  // namespace

std::string EncodeBlanks(std::string_view link) {
  std::string encoded;
  encoded.reserve(link.size());
  for (char c : link) {
    if (c == ' ') {
      encoded += "%20";
    } else {
      encoded += c;
    }
  }
  return encoded;
}

std::string ImageSource(const CRenderSettings& settings, std::string_view image) {
  if (StartsWithHttp(image)) return EncodeBlanks(image);
  return EncodeBlanks(settings.image_location + std::string(image));
}

void WriteCell(CHtmlWriter& writer, const CRenderSettings& settings, const GridCell& cell) {
  writer.BeginElement("td");
  if (cell.colspan > 1) writer.AddAttribute("colspan", std::int64_t{cell.colspan});
  if (cell.rowspan > 1) writer.AddAttribute("rowspan", std::int64_t{cell.rowspan});
  if (cell.css_class_escaped) {
    writer.AddEscapedAttribute("class", cell.css_class);
  } else {
    writer.AddAttribute("class", cell.css_class);
  }
  if (settings.include_element_ids && (cell.flags & cell_flags::kLabel) != 0 && !cell.id.empty()) {
    writer.AddAttribute("id", cell.id);
  }
  writer.StartElementWithAttributes();
  if ((cell.flags & cell_flags::kNoContent) == 0) WriteContent(writer, settings, cell);
  writer.EndElement("td");
}

}  // namespace tabulo::html
