#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "html/files_folder.h"
#include "html/renderer.h"
#include "html/renderer_properties.h"
#include "platform/error_info.h"
#include "platform/files.h"
#include "support/temp_folder.h"

namespace tabulo::html {
namespace {

using platform::S_OK;
using platform::Variant;

std::string Table(const std::string& name, const std::string& description) {
  return "<Table Name=\"" + name + "\" Description=\"" + description +
         "\"><Axes><Axis Name=\"Top\"><SubAxes><Axis Name=\"g\" Label=\"G\"><Elements><Element Name=\"m\" "
         "Label=\"M\"/></Elements><ElementHeadings><Heading Name=\"m\"/></ElementHeadings></Axis></SubAxes>"
         "<AxisHeadings><Heading Name=\"g\"/></AxisHeadings></Axis></Axes></Table>";
}

std::string Document(const std::string& tables) {
  return "<Document Description=\"Survey\"><DataSet Description=\"Panel\"/><Tables>" + tables +
         "</Tables></Document>";
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class Renderer {
 public:
  Renderer() {
    Set("IndentOutput", Variant::FromI4(0));
    Set("EmbedCss", Variant::FromI4(0));
    Set("DisplayLogo", Variant::FromI4(0));
  }
  void Set(std::string_view name, const Variant& value) {
    std::int32_t dispid = 0;
    ASSERT_EQ(renderer_.GetIDOfName(name, &dispid), S_OK) << name;
    ASSERT_EQ(renderer_.PutProperty(dispid, value), S_OK) << name;
  }
  std::string Page(const std::string& xml) {
    Variant result;
    EXPECT_EQ(renderer_.Render(xml, std::monostate{}, &result), S_OK)
        << platform::PeekErrorInfo()->description;
    return result.type() == platform::VarType::Bstr ? result.string() : std::string();
  }
  CRenderer& Object() { return renderer_; }

 private:
  CRenderer renderer_;
};

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(DocumentAssemblyTest, SingleDocumentSeparatesTablesAfterItsContents) {
  Renderer renderer;
  std::string one = renderer.Page(Document(Table("T1", "One")));
  EXPECT_EQ(Count(one, "Table of Contents:"), 0u);
  EXPECT_EQ(Count(one, "<HR "), 0u);
  EXPECT_NE(one.find("<A NAME=\"Top\"></A>"), std::string::npos);
  EXPECT_NE(one.find("<H1 class=\"SurveyName\">Panel</H1><H1 class=\"SurveyDescription\">Survey</H1>"),
            std::string::npos);

  std::string two = renderer.Page(Document(Table("T1", "One") + Table("T2", "Two")));
  EXPECT_EQ(Count(two, "Table of Contents:"), 1u);
  EXPECT_EQ(
      Count(two,
            "<P style=\"page-break-before='always'\"></P><HR align=\"left\" width=\"100%\" size=\"2\" />"),
      2u);
  EXPECT_NE(two.find("<A HREF=\"#T2\">2</A>"), std::string::npos);
  EXPECT_EQ(Count(two, "<A class=\"TopLink\" HREF=\"#Top\">Top</A>"), 2u);

  renderer.Set("TableName", Variant::FromString("t2"));
  std::string single = renderer.Page(Document(Table("T1", "One") + Table("T2", "Two")));
  EXPECT_EQ(Count(single, "Table of Contents:"), 0u);
  EXPECT_EQ(Count(single, "<HR "), 0u);
  EXPECT_EQ(Count(single, "<A NAME=\"T2\"></A>"), 1u);
  EXPECT_EQ(Count(single, "<A NAME=\"T1\"></A>"), 0u);
}

TEST(DocumentAssemblyTest, UnknownTableNameFailsWithTheItemMessage) {
  Renderer renderer;
  renderer.Set("TableName", Variant::FromString("T9"));
  Variant result;
  EXPECT_EQ(renderer.Object().Render(Document(Table("T1", "One")), std::monostate{}, &result),
            platform::E_FAIL);
  EXPECT_EQ(platform::PeekErrorInfo()->description, "Item 'T9' doesn't exist");
  EXPECT_EQ(platform::PeekErrorInfo()->source, "Webline.Renderer.1");
}

TEST(DocumentAssemblyTest, ContentsLayoutWritesEveryTableToItsOwnPage) {
  testing::TempFolder folder;
  Renderer renderer;
  renderer.Set("LayoutStyle", Variant::FromI4(1));
  renderer.Set("Destination", Variant::FromString(folder.File("Report.v2.htm")));
  std::string main =
      renderer.Page(Document(Table("T1", "One") + Table("a/../b", "Two") + Table("t1", "Three")));
  std::filesystem::path files = folder.path() / "Report.v2_files";
  EXPECT_NE(ReadAll(files / "T1.htm").find("<td class=\"Axis AxisLabelTop\">G</td>"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(files / "a____b.htm"));
  EXPECT_TRUE(std::filesystem::exists(files / "t1_2.htm"));
  EXPECT_NE(main.find("<A HREF=\"Report.v2_files/t1_2.htm\">3</A>"), std::string::npos) << main;
  EXPECT_NE(ReadAll(files / "T1.htm").find("href=\"../\""), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(DocumentAssemblyTest, FrameLayoutPointsIntoTheFilesFolder) {
  testing::TempFolder folder;
  Renderer renderer;
  renderer.Set("LayoutStyle", Variant::FromI4(2));
  renderer.Set("Destination", Variant::FromString(folder.File("my report.htm")));
  std::string frameset = renderer.Page(Document(Table("T 1", "One")));
  EXPECT_EQ(frameset,
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" /></head>"
            "<noframes>You are not using a frames-aware browser.<br />Click "
            "<A HREF=\"my%20report_files/ContentsPage.htm\">here</A> for a table of contents.</noframes>"
            "<frameset COLS=\"20%,80%\"><frame src=\"my%20report_files/ContentsPage.htm\" />"
            "<frame src=\"my report_files/T 1.htm\" Name=\"Table\" /></frameset></html>");
  std::string contents = ReadAll(folder.path() / "my report_files" / "ContentsPage.htm");
  EXPECT_NE(contents.find("<A HREF=\"T 1.htm\" TARGET=\"Table\">1</A>"), std::string::npos) << contents;
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "my report_files" / "T 1.htm"));
}

TEST(FilesFolderTest, OnlyTheLastExtensionGoes) {
  FilesFolder folder = FilesFolderOf("/out/Report.v2.htm");
  EXPECT_EQ(folder.full_path, std::filesystem::path("/out/Report.v2_files"));
  EXPECT_EQ(folder.relative_name, "Report.v2_files");
  EXPECT_EQ(platform::SafeFileName("con\x01/..\\x:y*"), "con_____x_y_");
}

}  // namespace
}  // namespace tabulo::html
