#pragma once

#include <cairo.h>
#include <pango/pango.h>

#include <memory>

namespace tabulo::charts::engine {

// Owners of the cairo and pango objects the engine creates.
struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct FontOptionsRelease {
  void operator()(cairo_font_options_t* options) const { cairo_font_options_destroy(options); }
};
struct GObjectRelease {
  void operator()(void* object) const { g_object_unref(object); }
};
struct FontDescriptionRelease {
  void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};

using SurfaceHandle = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using ContextHandle = std::unique_ptr<cairo_t, ContextRelease>;
using FontOptionsHandle = std::unique_ptr<cairo_font_options_t, FontOptionsRelease>;
using LayoutHandle = std::unique_ptr<PangoLayout, GObjectRelease>;
using FontDescriptionHandle = std::unique_ptr<PangoFontDescription, FontDescriptionRelease>;

}  // namespace tabulo::charts::engine
