#include "frame/script_host.h"

#include <gtest/gtest.h>

#include "frame/cexport.h"
#include "frame/frame_fakes.h"
#include "support/temp_folder.h"
#include "xml/document.h"

namespace tabulo::frame {
namespace {

using testing::LastErrorText;
using testing::Properties;
using testing::Property;

std::unique_ptr<CExport> MakeTextExport(ScriptEntry entry) {
  return std::make_unique<CExport>(Component(ComponentKind::kTextline),
                                   std::make_unique<ScriptStage>(std::move(entry)));
}

TEST(ScriptStageTest, HandsTheScriptBothDocumentsWithOverwritingAllowed) {
  testing::TempFolder folder;
  std::string seen_tables;
  std::string seen_overwrite;
  auto text = MakeTextExport([&](const ScriptContext& context) {
    seen_tables = std::string(context.tables_xml);
    xml::Document properties = xml::Document::Parse(context.properties_xml);
    seen_overwrite = properties.SelectSingleNode("/properties/property[name='OverwriteOutput']/value")->Text();
  });
  std::string put = Properties(Property("Destination", 8, folder.File("out.csv")));
  ASSERT_EQ(text->put_PropertiesXml(put.c_str()), platform::S_OK);
  platform::Variant result;
  ASSERT_EQ(text->Export("<Document/>", &result), platform::S_OK);
  EXPECT_EQ(seen_tables, "<Document/>");
  EXPECT_EQ(seen_overwrite, "-1");
  std::string after;
  text->get_PropertiesXml(&after);
  EXPECT_EQ(xml::Document::Parse(after).SelectSingleNode("//property[name='OverwriteOutput']/value")->Text(), "-1");
  EXPECT_EQ(result.type(), platform::VarType::Empty);
}

TEST(ScriptStageTest, ReportsAScriptFailureWithItsDescription) {
  testing::TempFolder folder;
  auto text = MakeTextExport([](const ScriptContext&) {
    throw ScriptFailure{"CTable::PopulateAxes: Failed to find sub axis : Age"};
  });
  std::string put = Properties(Property("Destination", 8, folder.File("out.csv")));
  ASSERT_EQ(text->put_PropertiesXml(put.c_str()), platform::S_OK);
  platform::Variant result;
  EXPECT_EQ(text->Export("<Document/>", &result), platform::DISP_E_EXCEPTION);
  EXPECT_EQ(LastErrorText(),
            "Export script failed: CTable::PopulateAxes: Failed to find sub axis : Age: Exception occurred.");
}

TEST(UnavailableStageTest, ExportsNotInThisBuildFailClearly) {
  testing::TempFolder folder;
  CExport word(Component(ComponentKind::kDocline), std::make_unique<UnavailableStage>());
  std::string put = Properties(Property("Destination", 8, folder.File("out.docx")));
  ASSERT_EQ(word.put_PropertiesXml(put.c_str()), platform::S_OK);
  EXPECT_EQ(word.Export("<Document/>", nullptr), platform::E_FAIL);
  auto info = platform::TakeErrorInfo();
  ASSERT_TRUE(info);
  EXPECT_EQ(info->description, "The Microsoft Word export is not available in this build");
  EXPECT_EQ(info->source, "Docline.Export.1");
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.docx")));
}

}  // namespace
}  // namespace tabulo::frame
