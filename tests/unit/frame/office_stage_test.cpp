#include "frame/office_stage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "frame/cexport.h"
#include "frame/frame_fakes.h"
#include "support/temp_folder.h"

namespace tabulo::frame {
namespace {

using platform::E_FAIL;
using platform::S_OK;
using testing::FakePrompter;
using testing::LastErrorText;
using testing::Properties;
using testing::Property;
using testing::ReadFile;
using testing::ScopedTmpDir;
using testing::TempFolder;

// A document whose "layout" is the text the logic was given; it fails on
// request, before or after laying out.
struct Script {
  std::optional<OfficeLogicError> logic_error;
  bool save_fails = false;
  std::string seen_tables;
  std::string seen_properties;
  std::vector<std::filesystem::path> saves;
};

class FakeDocument : public OfficeDocument {
 public:
  explicit FakeDocument(Script& script) : script_(script) {}
  void Run(IOfficeExport& exporter, std::string& tables_xml, std::string& properties_xml,
           const std::filesystem::path& save_path) override {
    save_path_ = save_path;
    script_.seen_tables = tables_xml;
    script_.seen_properties = properties_xml;
    exporter.put_ExportLCID(1031);
    content_ = "laid out " + tables_xml;
    if (script_.logic_error) throw *script_.logic_error;
  }
  void Save() override {
    script_.saves.push_back(save_path_);
    if (script_.save_fails) throw std::runtime_error("disk full");
    std::ofstream(save_path_) << content_;
  }

 private:
  Script& script_;
  std::filesystem::path save_path_;
  std::string content_;
};

class RecordingLauncher : public platform::Launcher {
 public:
  std::vector<std::filesystem::path> opened;
  bool Open(const std::filesystem::path& file) override {
    opened.push_back(file);
    return true;
  }
};

struct Fixture {
  Script script;
  FakePrompter prompter;
  RecordingLauncher launcher;
  std::unique_ptr<CExport> component;

  explicit Fixture(bool with_prompter = false) {
    Host host;
    host.prompter = with_prompter ? &prompter : nullptr;
    host.launcher = &launcher;
    OfficeStageSettings settings{[this] { return std::make_unique<FakeDocument>(script); }, 1011, 2101,
                                 "Tables.xlsx"};
    component = std::make_unique<CExport>(Component(ComponentKind::kSheetline),
                                          std::make_unique<OfficeStage>(std::move(settings)), std::move(host));
  }
  HRESULT Export(const std::string& properties) {
    EXPECT_EQ(component->put_PropertiesXml(properties.c_str()), S_OK) << LastErrorText();
    platform::Variant result;
    return component->Export("<Document/>", &result);
  }
};

TEST(OfficeStageTest, SavesTheLaidOutDocumentAtTheDestination) {
  TempFolder folder;
  Fixture fixture;
  std::string destination = folder.File("out.xlsx");
  ASSERT_EQ(fixture.Export(Properties(Property("Destination", 8, destination))), S_OK) << LastErrorText();
  EXPECT_EQ(fixture.script.seen_tables, "<Document/>");
  EXPECT_NE(fixture.script.seen_properties.find(destination), std::string::npos);
  EXPECT_EQ(ReadFile(destination), "laid out <Document/>");
  EXPECT_TRUE(fixture.launcher.opened.empty());
  std::int32_t lcid = 0;
  fixture.component->get_ExportLCID(&lcid);
  EXPECT_EQ(lcid, 1031);
}

TEST(OfficeStageTest, WithoutDestinationNothingIsWrittenUnlessItIsToBeShown) {
  TempFolder folder;
  ScopedTmpDir tmp(folder.path().string());
  Fixture quiet;
  ASSERT_EQ(quiet.Export(Properties(Property("Destination", 8, ""))), S_OK) << LastErrorText();
  EXPECT_TRUE(quiet.script.saves.empty());

  Fixture shown;
  ASSERT_EQ(shown.Export(Properties(Property("Destination", 8, "") + Property("LaunchApplication", 11, "-1"))),
            S_OK)
      << LastErrorText();
  ASSERT_EQ(shown.script.saves.size(), 1u);
  std::filesystem::path saved = shown.script.saves[0];
  EXPECT_EQ(saved.filename(), "Tables.xlsx");
  EXPECT_EQ(saved.parent_path().parent_path(), folder.path());
  EXPECT_EQ(ReadFile(saved.string()), "laid out <Document/>");
  ASSERT_EQ(shown.launcher.opened.size(), 1u);
  EXPECT_EQ(shown.launcher.opened[0], saved);
}

TEST(OfficeStageTest, LogicFailureIsReportedAndWhatWasLaidOutIsStillSaved) {
  TempFolder folder;
  Fixture fixture(true);
  fixture.script.logic_error = OfficeLogicError{1004, "CRenderTable.Render", "Failed to load table XML: oops"};
  std::string destination = folder.File("out.xlsx");
  EXPECT_EQ(fixture.Export(Properties(Property("Destination", 8, destination) + Property("Interactive", 11, "-1") +
                                      Property("LaunchApplication", 11, "-1"))),
            E_FAIL);
  EXPECT_EQ(LastErrorText(), "Export script failed: Failed to load table XML: oops");
  EXPECT_EQ(ReadFile(destination), "laid out <Document/>");
  EXPECT_TRUE(fixture.launcher.opened.empty());
  ASSERT_EQ(fixture.prompter.shown.size(), 2u);
  EXPECT_EQ(fixture.prompter.shown[0].caption, "Tabulo Export");
  EXPECT_EQ(fixture.prompter.shown[0].text,
            "Export error: 1004\r\nDescription: Failed to load table XML: oops\r\nSource: CRenderTable.Render");
  EXPECT_EQ(fixture.prompter.shown[1].caption, "Tabulo Excel Export");
  EXPECT_EQ(fixture.prompter.shown[1].text, "Export script failed: Failed to load table XML: oops");
}

TEST(OfficeStageTest, SaveFailureFailsTheExportWithTheReason) {
  TempFolder folder;
  Fixture fixture;
  fixture.script.save_fails = true;
  std::string destination = folder.File("out.xlsx");
  EXPECT_EQ(fixture.Export(Properties(Property("Destination", 8, destination) +
                                      Property("LaunchApplication", 11, "-1"))),
            E_FAIL);
  EXPECT_EQ(LastErrorText(), "Unable to save the export to '" + destination + "': disk full");
  EXPECT_TRUE(fixture.launcher.opened.empty());
  EXPECT_FALSE(std::filesystem::exists(destination));
}

}  // namespace
}  // namespace tabulo::frame
