#include "charts/engine/text_painter.h"

#include <glib.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <numbers>

#include "charts/engine/cairo_handles.h"

namespace tabulo::charts::engine {
namespace {

constexpr const char* kFontFamily = "Liberation Sans";

struct GFreeRelease {
  void operator()(gchar* text) const { g_free(text); }
};

int PangoUnits(double pixels) { return static_cast<int>(std::lround(pixels * PANGO_SCALE)); }

double Pixels(int pango_units) { return static_cast<double>(pango_units) / PANGO_SCALE; }

PangoAlignment PangoAlignmentOf(Align align) {
  switch (align) {
    case Align::kStart: return PANGO_ALIGN_LEFT;
    case Align::kCentre: return PANGO_ALIGN_CENTER;
    case Align::kEnd: return PANGO_ALIGN_RIGHT;
  }
  return PANGO_ALIGN_LEFT;
}

double Offset(Align align, double extent) {
  switch (align) {
    case Align::kStart: return 0.0;
    case Align::kCentre: return extent / 2.0;
    case Align::kEnd: return extent;
  }
  return 0.0;
}

LayoutHandle MakeLayout(cairo_t* context, std::string_view text, const TextStyle& style, double max_width,
                        int max_lines, Align align) {
  LayoutHandle layout(pango_cairo_create_layout(context));
  FontDescriptionHandle font(pango_font_description_new());
  pango_font_description_set_family(font.get(), kFontFamily);
  pango_font_description_set_weight(font.get(), style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(font.get(), style.size * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font.get());
  std::string printable = PrintableText(text);
  pango_layout_set_text(layout.get(), printable.data(), static_cast<int>(printable.size()));
  if (max_width > 0.0) {
    // Labels break between words, or inside a word without a hyphen that
    // would read as part of the label.
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_insert_hyphens_new(FALSE));
    pango_layout_set_attributes(layout.get(), attributes);
    pango_attr_list_unref(attributes);
    pango_layout_set_width(layout.get(), PangoUnits(max_width));
    pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD_CHAR);
    pango_layout_set_ellipsize(layout.get(), PANGO_ELLIPSIZE_END);
    pango_layout_set_height(layout.get(), -std::max(max_lines, 1));
  }
  pango_layout_set_alignment(layout.get(), PangoAlignmentOf(align));
  return layout;
}

PangoRectangle LogicalBox(PangoLayout* layout) {
  PangoRectangle logical{};
  pango_layout_get_extents(layout, nullptr, &logical);
  return logical;
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string blanked(text);
  for (char& c : blanked) {
    auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = ' ';
  }
  std::unique_ptr<gchar, GFreeRelease> valid(
      g_utf8_make_valid(blanked.data(), static_cast<gssize>(blanked.size())));
  return valid ? std::string(valid.get()) : std::string();
}

TextPainter::TextPainter(cairo_t* context) : context_(context) {}

TextSize TextPainter::Measure(std::string_view text, const TextStyle& style) const {
  return MeasureFitted(text, style, 0.0, 1);
}

TextSize TextPainter::MeasureFitted(std::string_view text, const TextStyle& style, double max_width,
                                    int max_lines) const {
  LayoutHandle layout = MakeLayout(context_, text, style, max_width, max_lines, Align::kStart);
  PangoRectangle box = LogicalBox(layout.get());
  return {Pixels(box.width), Pixels(box.height)};
}

TextSize TextPainter::Draw(std::string_view text, const TextStyle& style, const TextPlacement& placement) const {
  LayoutHandle layout =
      MakeLayout(context_, text, style, placement.max_width, placement.max_lines, placement.horizontal);
  PangoRectangle box = LogicalBox(layout.get());
  double width = Pixels(box.width);
  double height = Pixels(box.height);
  double box_width = placement.rotated ? height : width;
  double box_height = placement.rotated ? width : height;
  double left = placement.anchor.x - Offset(placement.horizontal, box_width);
  double top = placement.anchor.y - Offset(placement.vertical, box_height);

  cairo_save(context_);
  cairo_set_source_rgb(context_, style.colour.red / 255.0, style.colour.green / 255.0,
                       style.colour.blue / 255.0);
  if (placement.rotated) {
    cairo_translate(context_, left, top + box_height);
    cairo_rotate(context_, -std::numbers::pi / 2.0);
    cairo_move_to(context_, -Pixels(box.x), -Pixels(box.y));
  } else {
    cairo_move_to(context_, std::round(left) - Pixels(box.x), std::round(top) - Pixels(box.y));
  }
  pango_cairo_show_layout(context_, layout.get());
  // Showing a layout leaves the move above as the current point; the next
  // shape must not start with a line from here.
  cairo_new_path(context_);
  cairo_restore(context_);
  return {width, height};
}

}  // namespace tabulo::charts::engine
