#include "charts/engine/raster_image.h"

#include <cstring>

#include "charts/engine/cairo_handles.h"
#include "charts/engine/chart_error.h"
#include "charts/engine/chart_painter.h"

namespace tabulo::charts {

RasterImage RenderChart(const ChartDescription& chart, PictureSize size) {
  engine::CheckPictureSize(size);
  engine::SurfaceHandle surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    throw ChartError(std::string("cannot make a picture to draw the chart on: ") +
                     cairo_status_to_string(cairo_surface_status(surface.get())));
  }
  {
    engine::ContextHandle context(cairo_create(surface.get()));
    engine::PaintChart(context.get(), chart, size);
    if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) {
      throw ChartError(std::string("drawing the chart failed: ") + cairo_status_to_string(cairo_status(context.get())));
    }
  }
  cairo_surface_flush(surface.get());
  RasterImage image{size.width, size.height, {}};
  auto width = static_cast<std::size_t>(size.width);
  image.pixels.resize(width * static_cast<std::size_t>(size.height));
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface.get()));
  for (std::size_t y = 0; y < static_cast<std::size_t>(size.height); ++y) {
    std::memcpy(image.pixels.data() + y * width, data + y * stride, width * sizeof(std::uint32_t));
  }
  return image;
}

}  // namespace tabulo::charts
