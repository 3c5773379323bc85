#include <gif_lib.h>
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "charts/engine/chart_builder.h"
#include "charts/engine/chart_samples.h"
#include "support/temp_folder.h"

namespace tabulo::charts {
namespace {

using tabulo::testing::ReadFile;
using tabulo::testing::TempFolder;

std::uint32_t LittleEndian16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8);
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

void ExpectGif(const std::string& bytes, PictureSize size) {
  ASSERT_GT(bytes.size(), 13u);
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
  EXPECT_EQ(LittleEndian16(bytes, 6), static_cast<std::uint32_t>(size.width));
  EXPECT_EQ(LittleEndian16(bytes, 8), static_cast<std::uint32_t>(size.height));
  EXPECT_EQ(bytes.back(), ';');  // the trailer: the file is complete
}

void ExpectPng(const std::string& bytes, PictureSize size) {
  ASSERT_GT(bytes.size(), 24u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(bytes.substr(12, 4), "IHDR");
  EXPECT_EQ(BigEndian32(bytes, 16), static_cast<std::uint32_t>(size.width));
  EXPECT_EQ(BigEndian32(bytes, 20), static_cast<std::uint32_t>(size.height));
}

struct XmlDocRelease {
  void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

std::string Attribute(xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (value == nullptr) return {};
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

void ExpectSvg(const std::string& bytes, PictureSize size) {
  std::unique_ptr<xmlDoc, XmlDocRelease> document(
      xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "chart.svg", nullptr, XML_PARSE_NONET));
  ASSERT_NE(document, nullptr) << "not well-formed";
  xmlNode* root = xmlDocGetRootElement(document.get());
  ASSERT_NE(root, nullptr);
  EXPECT_STREQ(reinterpret_cast<const char*>(root->name), "svg");
  EXPECT_EQ(Attribute(root, "width"), std::to_string(size.width) + "px");
  EXPECT_EQ(Attribute(root, "height"), std::to_string(size.height) + "px");
}

void ExpectFile(const std::string& path, ImageFormat format, PictureSize size) {
  std::string bytes = ReadFile(path);
  switch (format) {
    case ImageFormat::kGif: ExpectGif(bytes, size); break;
    case ImageFormat::kPng: ExpectPng(bytes, size); break;
    case ImageFormat::kSvg: ExpectSvg(bytes, size); break;
  }
}

const char* Extension(ImageFormat format) {
  switch (format) {
    case ImageFormat::kGif: return ".gif";
    case ImageFormat::kPng: return ".png";
    case ImageFormat::kSvg: return ".svg";
  }
  return "";
}

TEST(ChartFilesTest, EveryTypeInEveryFormatAtTheDefaultSize) {
  TempFolder folder;
  std::size_t written = 0;
  for (std::int32_t type : testing::DrawableTypes()) {
    for (ImageFormat format : {ImageFormat::kGif, ImageFormat::kPng, ImageFormat::kSvg}) {
      std::string path = folder.File("chart_" + std::to_string(type) + Extension(format));
      ChartDescription chart = testing::SampleChart(type);
      PictureSize size = DrawChart(chart, path, format);
      EXPECT_EQ(size, (PictureSize{600, 300})) << type;
      SCOPED_TRACE(path);
      ExpectFile(path, format, size);
      ++written;
    }
  }
  // Nothing but the pictures: no temporary files are left behind.
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, written);
}

ChartDescription FortySeries() {
  ChartDescription chart = testing::SampleChart(chart_type::kColumnClustered);
  chart.series.clear();
  for (int i = 0; i < 40; ++i) chart.series.push_back({"Brand " + std::to_string(i + 1), {1.0 + i, 2.0, 3.0}});
  return chart;
}

TEST(ChartFilesTest, FortySeriesWithALegendOnTheRightGiveA1024By940Picture) {
  TempFolder folder;
  for (ImageFormat format : {ImageFormat::kGif, ImageFormat::kPng, ImageFormat::kSvg}) {
    std::string path = folder.File(std::string("forty") + Extension(format));
    PictureSize size = DrawChart(FortySeries(), path, format);
    EXPECT_EQ(size, (PictureSize{1024, 940}));
    ExpectFile(path, format, {1024, 940});
  }
}

TEST(ChartFilesTest, TwelvePieSlicesWithALegendGiveA636By318Picture) {
  TempFolder folder;
  ChartDescription pie = testing::SampleChart(chart_type::kPie);
  pie.categories.clear();
  pie.series = {{"Total", {}}};
  for (int i = 0; i < 12; ++i) {
    pie.categories.push_back("Slice " + std::to_string(i + 1));
    pie.series[0].values.push_back(i + 1.0);
  }
  std::string path = folder.File("pie.gif");
  EXPECT_EQ(DrawChart(pie, path, ImageFormat::kGif), (PictureSize{636, 318}));
  ExpectFile(path, ImageFormat::kGif, {636, 318});
}

struct MemoryReader {
  const std::string* bytes;
  std::size_t offset = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int count) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  std::size_t left = reader->bytes->size() - reader->offset;
  std::size_t taken = std::min(left, static_cast<std::size_t>(count));
  std::memcpy(out, reader->bytes->data() + reader->offset, taken);
  reader->offset += taken;
  return static_cast<int>(taken);
}

TEST(ChartFilesTest, GifDecodesToOneImageWithAtMost256ColoursKeepingTheSeriesColour) {
  TempFolder folder;
  ChartDescription chart;
  chart.type = chart_type::kColumnClustered;
  chart.categories = {"A"};
  chart.series = {{"s", {10}}};
  std::string path = folder.File("bar.gif");
  DrawChart(chart, path, ImageFormat::kGif);
  std::string bytes = ReadFile(path);
  MemoryReader reader{&bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  EXPECT_EQ(gif->ImageCount, 1);
  ASSERT_NE(gif->SColorMap, nullptr);
  EXPECT_LE(gif->SColorMap->ColorCount, 256);
  // The bar fills the middle of the picture; flat colours survive the palette.
  GifColorType middle = gif->SColorMap->Colors[gif->SavedImages[0].RasterBits[150 * 600 + 300]];
  engine::Rgb series = engine::SeriesColour(0);
  EXPECT_NEAR(middle.Red, series.red, 4);
  EXPECT_NEAR(middle.Green, series.green, 4);
  EXPECT_NEAR(middle.Blue, series.blue, 4);
  DGifCloseFile(gif, &error);
}

}  // namespace
}  // namespace tabulo::charts
