#include "html/renderer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "html/renderer_properties.h"
#include "platform/error_info.h"
#include "support/temp_folder.h"

namespace tabulo::html {
namespace {

using platform::S_OK;
using platform::Variant;

constexpr const char* kOneTable =
    "<Document><Tables><Table Name=\"T1\"><Axes><Axis Name=\"Top\"><SubAxes><Axis Name=\"g\"><Elements>"
    "<Element Name=\"m\"/></Elements><ElementHeadings><Heading "
    "Name=\"m\"/></ElementHeadings></Axis></SubAxes>"
    "<AxisHeadings><Heading Name=\"g\"/></AxisHeadings></Axis></Axes></Table></Tables></Document>";

TEST(RendererTest, BuiltInStylesheetsDifferInColoursAndTheTopLink) {
  CRenderer renderer;
  std::string css;
  ASSERT_EQ(renderer.get_Css(&css), S_OK);
  EXPECT_NE(css.find("BODY { background-color: #94BEE7;"), std::string::npos);
  EXPECT_NE(css.find("TD.AxisSubElementLevel5Side"), std::string::npos);
  ASSERT_EQ(renderer.PutProperty(5, Variant::FromI4(1)), S_OK);
  ASSERT_EQ(renderer.get_Css(&css), S_OK);
  EXPECT_NE(css.find("A.TopLink { visibility: hidden; }"), std::string::npos);
  EXPECT_EQ(css.find("#94BEE7"), std::string::npos);
}

TEST(RendererTest, PageGoesToAStreamAndNoResultComesBack) {
  CRenderer renderer;
  std::ostringstream stream;
  Variant result;
  ASSERT_EQ(renderer.Render(kOneTable, &stream, &result), S_OK);
  EXPECT_EQ(result.type(), platform::VarType::Empty);
  EXPECT_EQ(stream.str().rfind("<html>", 0), 0u);
  EXPECT_NE(stream.str().find("<style type=\"text/css\"><!--BODY"), std::string::npos);
}

TEST(RendererTest, ABodyOnlyPageReachesEveryOutput) {
  testing::TempFolder folder;
  CRenderer renderer;
  ASSERT_EQ(renderer.PutProperty(25, Variant::FromBool(true)), S_OK);
  Variant result;
  ASSERT_EQ(renderer.Render(kOneTable, std::monostate{}, &result), S_OK);
  std::string page = result.string();
  EXPECT_EQ(page.rfind("<A NAME=\"Top\"></A>", 0), 0u) << page;
  EXPECT_EQ(page.find("<html"), std::string::npos);
  EXPECT_EQ(page.find("<body"), std::string::npos);
  EXPECT_NE(page.find("<A NAME=\"T1\"></A>"), std::string::npos);

  std::ostringstream stream;
  ASSERT_EQ(renderer.Render(kOneTable, &stream, nullptr), S_OK);
  EXPECT_EQ(stream.str(), page);

  std::filesystem::path file = folder.path() / "body.htm";
  ASSERT_EQ(renderer.Render(kOneTable, file, nullptr), S_OK);
  std::ifstream written(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), page);
}

TEST(RendererTest, ADocumentThatDoesNotParseWritesNothing) {
  testing::TempFolder folder;
  CRenderer renderer;
  std::filesystem::path page = folder.path() / "page.htm";
  EXPECT_EQ(renderer.Render("<Document><Tables>", page, nullptr), platform::E_FAIL);
  EXPECT_EQ(
      platform::PeekErrorInfo()->description.rfind("An error occurred while parsing the Tables XML: ", 0),
      0u);
  EXPECT_FALSE(std::filesystem::exists(page));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 0);
}

TEST(RendererTest, CustomStyleWithoutAFileFailsBeforeWriting) {
  testing::TempFolder folder;
  CRenderer renderer;
  ASSERT_EQ(renderer.PutProperty(5, Variant::FromI4(2)), S_OK);
  std::filesystem::path page = folder.path() / "page.htm";
  EXPECT_EQ(renderer.Render(kOneTable, page, nullptr), platform::E_FAIL);
  EXPECT_FALSE(std::filesystem::exists(page));
}

}  // namespace
}  // namespace tabulo::html
