#include "charts/engine/gif_encoder.h"

#include <gif_lib.h>
#include <libimagequant.h>
#include <omp.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "charts/engine/chart_error.h"

namespace tabulo::charts::engine {
namespace {

constexpr int kMostColours = 256;

struct AttributesRelease {
  void operator()(liq_attr* attributes) const { liq_attr_destroy(attributes); }
};
struct QuantImageRelease {
  void operator()(liq_image* image) const { liq_image_destroy(image); }
};
struct QuantResultRelease {
  void operator()(liq_result* result) const { liq_result_destroy(result); }
};
struct ColourMapRelease {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The pixels as unpremultiplied RGBA bytes, as the quantiser takes them.
std::vector<std::uint8_t> RgbaBytes(const RasterImage& image) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(image.pixels.size() * 4);
  for (std::uint32_t pixel : image.pixels) {
    auto alpha = static_cast<std::uint8_t>(pixel >> 24);
    auto channel = [&](int shift) {
      auto value = static_cast<std::uint32_t>((pixel >> shift) & 0xffu);
      if (alpha == 0) return std::uint8_t{0};
      return static_cast<std::uint8_t>(std::min<std::uint32_t>(255u, (value * 255u + alpha / 2u) / alpha));
    };
    bytes.insert(bytes.end(), {channel(16), channel(8), channel(0), alpha});
  }
  return bytes;
}

struct IndexedImage {
  std::vector<GifColorType> palette;
  std::vector<GifPixelType> indices;
};

constexpr int kQuantiseSpeed = 10;

IndexedImage Quantise(const RasterImage& image) {
  // The quantiser runs its loops on OpenMP threads, which then spin between
  // charts: on a picture this small one thread is as fast and leaves the
  // other cores alone.
  omp_set_num_threads(1);
  std::vector<std::uint8_t> rgba = RgbaBytes(image);
  std::unique_ptr<liq_attr, AttributesRelease> attributes(liq_attr_create());
  // A chart has few flat colours plus anti-aliased edges; the fastest
  // setting keeps them apart and is several times quicker than the default.
  if (!attributes || liq_set_max_colors(attributes.get(), kMostColours) != LIQ_OK ||
      liq_set_speed(attributes.get(), kQuantiseSpeed) != LIQ_OK) {
    throw ChartError("cannot reduce the chart's colours for GIF");
  }
  std::unique_ptr<liq_image, QuantImageRelease> input(
      liq_image_create_rgba(attributes.get(), rgba.data(), image.width, image.height, 0.0));
  if (!input) throw ChartError("cannot reduce the chart's colours for GIF");
  liq_result* raw_result = nullptr;
  if (liq_image_quantize(input.get(), attributes.get(), &raw_result) != LIQ_OK || raw_result == nullptr) {
    throw ChartError("cannot reduce the chart's colours for GIF");
  }
  std::unique_ptr<liq_result, QuantResultRelease> result(raw_result);
  liq_set_dithering_level(result.get(), 0.0f);
  IndexedImage indexed;
  indexed.indices.resize(image.pixels.size());
  if (liq_write_remapped_image(result.get(), input.get(), indexed.indices.data(), indexed.indices.size()) !=
      LIQ_OK) {
    throw ChartError("cannot reduce the chart's colours for GIF");
  }
  const liq_palette* palette = liq_get_palette(result.get());
  for (unsigned int i = 0; i < palette->count; ++i) {
    indexed.palette.push_back({palette->entries[i].r, palette->entries[i].g, palette->entries[i].b});
  }
  return indexed;
}

int WriteToString(GifFileType* gif, const GifByteType* bytes, int count) {
  auto* out = static_cast<std::string*>(gif->UserData);
  out->append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(count));
  return count;
}

// GIF colour tables hold a power of two entries, 2 at least.
int ColourTableBits(std::size_t colours) {
  int bits = 1;
  while ((std::size_t{1} << bits) < colours) ++bits;
  return bits;
}

[[noreturn]] void ThrowGifError(int error) {
  const char* reason = GifErrorString(error);
  throw ChartError(std::string("cannot encode the chart as GIF: ") + (reason != nullptr ? reason : "unknown error"));
}

}  // namespace

std::string EncodeGif(const RasterImage& image) {
  IndexedImage indexed = Quantise(image);
  int bits = ColourTableBits(indexed.palette.size());
  std::vector<GifColorType> table(std::size_t{1} << bits, GifColorType{0, 0, 0});
  std::copy(indexed.palette.begin(), indexed.palette.end(), table.begin());
  std::unique_ptr<ColorMapObject, ColourMapRelease> map(GifMakeMapObject(1 << bits, table.data()));
  if (!map) throw ChartError("cannot encode the chart as GIF: no colour table");

  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteToString, &error);
  if (gif == nullptr) ThrowGifError(error);
  EGifSetGifVersion(gif, true);
  bool written = EGifPutScreenDesc(gif, image.width, image.height, bits, 0, map.get()) == GIF_OK &&
                 EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
  for (std::int32_t y = 0; written && y < image.height; ++y) {
    GifPixelType* row = indexed.indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
    written = EGifPutLine(gif, row, image.width) == GIF_OK;
  }
  if (!written) error = gif->Error;
  // Closing writes the trailer and frees the encoder whether or not it succeeds.
  int close_error = 0;
  if (EGifCloseFile(gif, &close_error) != GIF_OK && written) {
    written = false;
    error = close_error;
  }
  if (!written) ThrowGifError(error);
  return out;
}

}  // namespace tabulo::charts::engine
