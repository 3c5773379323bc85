#include "charts/engine/image_encoding.h"

#include <cairo-svg.h>
#include <cairo.h>

#include "charts/engine/cairo_handles.h"
#include "charts/engine/chart_error.h"
#include "charts/engine/chart_painter.h"
#include "charts/engine/gif_encoder.h"
#include "charts/engine/raster_image.h"

namespace tabulo::charts::engine {
namespace {

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void CheckStatus(cairo_status_t status, const char* what) {
  if (status != CAIRO_STATUS_SUCCESS) {
    throw ChartError(std::string(what) + ": " + cairo_status_to_string(status));
  }
}

std::string EncodePng(const RasterImage& image) {
  // Cairo reads the pixels in place; they stay untouched.
  auto* data = reinterpret_cast<unsigned char*>(const_cast<std::uint32_t*>(image.pixels.data()));
  int stride = image.width * 4;
  SurfaceHandle surface(
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, image.width, image.height, stride));
  CheckStatus(cairo_surface_status(surface.get()), "cannot encode the chart as PNG");
  std::string out;
  CheckStatus(cairo_surface_write_to_png_stream(surface.get(), AppendToString, &out),
              "cannot encode the chart as PNG");
  return out;
}

std::string EncodeSvg(const ChartDescription& chart, PictureSize size) {
  std::string out;
  SurfaceHandle surface(cairo_svg_surface_create_for_stream(AppendToString, &out, size.width, size.height));
  CheckStatus(cairo_surface_status(surface.get()), "cannot encode the chart as SVG");
  // Pixels as the unit keep the picture the size of its GIF and PNG twins.
  cairo_svg_surface_set_document_unit(surface.get(), CAIRO_SVG_UNIT_PX);
  {
    ContextHandle context(cairo_create(surface.get()));
    PaintChart(context.get(), chart, size);
    CheckStatus(cairo_status(context.get()), "cannot draw the chart as SVG");
  }
  cairo_surface_finish(surface.get());
  CheckStatus(cairo_surface_status(surface.get()), "cannot encode the chart as SVG");
  return out;
}

}  // namespace

std::string EncodeChart(const ChartDescription& chart, PictureSize size, ImageFormat format) {
  switch (format) {
    case ImageFormat::kGif: return EncodeGif(RenderChart(chart, size));
    case ImageFormat::kPng: return EncodePng(RenderChart(chart, size));
    case ImageFormat::kSvg: CheckPictureSize(size); return EncodeSvg(chart, size);
  }
  throw ChartError("unknown image format");
}

}  // namespace tabulo::charts::engine
