#include "frame/destination_check.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "frame/frame_fakes.h"
#include "support/temp_folder.h"

namespace tabulo::frame {
namespace {

using platform::E_FAIL;
using platform::S_OK;
using testing::FakePrompter;
using testing::LastErrorText;
using testing::MakeExport;
using testing::Properties;
using testing::Property;
using testing::Value;
using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;


void Put(CExport& component, const std::string& entries) {
  ASSERT_EQ(component.put_PropertiesXml(Properties(entries).c_str()), S_OK) << testing::LastErrorText();
}

class DestinationCheckTest : public ::testing::Test {
 protected:
  TempFolder folder;
  int runs = 0;
  platform::Variant result;
};

TEST_F(DestinationCheckTest, TextExportPicksAFreeTemporaryName) {
  testing::ScopedTmpDir tmp(folder.path().string());
  auto text = MakeExport(ComponentKind::kTextline, &runs);
  ASSERT_EQ(text->Export("<Document/>", &result), S_OK);
  EXPECT_EQ(Value(*text, "Destination"), folder.File("Tables.csv"));
  EXPECT_EQ(runs, 1);

  // Another holder of an exclusive lock makes the name unusable.
  int held = open(folder.File("Tables.csv").c_str(), O_RDWR);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  Put(*text, Property("Destination", 8, ""));
  ASSERT_EQ(text->Export("<Document/>", &result), S_OK);
  EXPECT_EQ(Value(*text, "Destination"), folder.File("Tables01.csv"));
  close(held);
}

TEST_F(DestinationCheckTest, TextExportGivesUpAfterNinetyNineNumberedNames) {
  testing::ScopedTmpDir tmp(folder.path().string());
  std::filesystem::create_directory(folder.File("Tables.csv"));
  for (int i = 1; i <= 99; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Tables%02d.csv", i);
    std::filesystem::create_directory(folder.File(name));
  }
  auto text = MakeExport(ComponentKind::kTextline, &runs);
  EXPECT_EQ(text->Export("<Document/>", &result), E_FAIL);
  EXPECT_EQ(LastErrorText(), "No free file name could be found for the export in the folder '" +
                                 folder.path().string() + "/'");
  EXPECT_EQ(runs, 0);
}

TEST_F(DestinationCheckTest, HtmlExportDefaultsToTablesHtmInTheTemporaryFolder) {
  testing::ScopedTmpDir tmp(folder.path().string());
  auto html = MakeExport(ComponentKind::kWebline, &runs);
  ASSERT_EQ(html->Export("<Document/>", &result), S_OK);
  EXPECT_EQ(Value(*html, "Destination"), folder.File("Tables.htm"));
  EXPECT_EQ(html->Export("<Document/>", nullptr), platform::E_POINTER);
}

TEST_F(DestinationCheckTest, MissingTemporaryFolderFails) {
  testing::ScopedTmpDir tmp(folder.File("gone"));
  auto text = MakeExport(ComponentKind::kTextline, &runs);
  EXPECT_EQ(text->Export("", &result), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The folder '" + folder.File("gone") + "/' does not exist or is not accessible");
  auto html = MakeExport(ComponentKind::kWebline, &runs);
  EXPECT_EQ(html->Export("", &result), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The temp directory " + folder.File("gone") + "/ does not exist or is not accessible");
}

TEST_F(DestinationCheckTest, AppendsTheDefaultExtension) {
  auto text = MakeExport(ComponentKind::kTextline, &runs);
  Put(*text, Property("Destination", 8, folder.File("result")));
  ASSERT_EQ(text->Export("", &result), S_OK);
  EXPECT_EQ(Value(*text, "Destination"), folder.File("result.csv"));

  auto word = MakeExport(ComponentKind::kDocline, &runs);
  Put(*word, Property("Destination", 8, folder.File("report")));
  word->Export("", nullptr);
  EXPECT_EQ(Value(*word, "Destination"), folder.File("report.docx"));
}

TEST_F(DestinationCheckTest, FolderMustExist) {
  auto excel = MakeExport(ComponentKind::kSheetline, &runs);
  Put(*excel, Property("Destination", 8, folder.File("none/x.xlsx")));
  EXPECT_EQ(excel->Export("", nullptr), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The folder " + folder.File("none") + " does not exist or is not accessible");
  EXPECT_EQ(runs, 0);
}

TEST_F(DestinationCheckTest, ExistingFileIsKeptUnlessOverwritingIsAllowed) {
  std::string path = folder.File("x.csv");
  WriteFile(path, "original");
  auto text = MakeExport(ComponentKind::kTextline, &runs);
  Put(*text, Property("Destination", 8, path));
  EXPECT_EQ(text->Export("", &result), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The file 'x.csv' already exists");
  EXPECT_EQ(ReadFile(path), "original");
  EXPECT_EQ(runs, 0);

  Put(*text, Property("OverwriteOutput", 11, "-1"));
  EXPECT_EQ(text->Export("", &result), S_OK);
  EXPECT_EQ(runs, 1);

  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  EXPECT_EQ(text->Export("", &result), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The file 'x.csv' already exists and cannot be overwritten");
}

TEST_F(DestinationCheckTest, InteractiveExportAsksBeforeReplacing) {
  std::string path = folder.File("x.csv");
  WriteFile(path, "original");
  FakePrompter prompter;
  auto text = MakeExport(ComponentKind::kTextline, &runs, &prompter);
  Put(*text, Property("Destination", 8, path) + Property("Interactive", 11, "-1"));

  prompter.answer = platform::BoxAnswer::kNo;
  EXPECT_EQ(text->Export("", &result), S_OK);
  EXPECT_EQ(runs, 0);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "The file 'x.csv' already exists.  Do you want to replace the existing file?");
  EXPECT_EQ(prompter.shown[0].style, platform::BoxStyle::kQuestion);

  prompter.answer = platform::BoxAnswer::kYes;
  EXPECT_EQ(text->Export("", &result), S_OK);
  EXPECT_EQ(runs, 1);

  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  EXPECT_EQ(text->Export("", &result), S_OK);
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(prompter.shown.back().text, "The file 'x.csv' already exists and cannot be overwritten");
  EXPECT_EQ(prompter.shown.back().style, platform::BoxStyle::kWarning);
}

TEST_F(DestinationCheckTest, InteractiveWithoutPrompterDeclinesSafely) {
  std::string path = folder.File("x.htm");
  WriteFile(path, "original");
  auto html = MakeExport(ComponentKind::kWebline, &runs);
  Put(*html, Property("Destination", 8, path) + Property("Interactive", 11, "-1"));
  EXPECT_EQ(html->Export("", &result), S_OK);
  EXPECT_EQ(runs, 0);
}

TEST_F(DestinationCheckTest, OfficeExportsCheckTheChartTemplateFirst) {
  auto excel = MakeExport(ComponentKind::kSheetline, &runs);
  Put(*excel, Property("ChartTemplate", 8, "bars.crtx") + Property("ChartTemplateLocation", 8, folder.path().string()) +
                  Property("Destination", 8, folder.File("none/x.xlsx")));
  EXPECT_EQ(excel->Export("", nullptr), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The chart template file " + folder.File("bars.crtx") +
                                 " does not exist or is not accessible");
  WriteFile(folder.File("bars.crtx"), "template");
  EXPECT_EQ(excel->Export("", nullptr), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The folder " + folder.File("none") + " does not exist or is not accessible");
}

TEST_F(DestinationCheckTest, OfficeExportsTreatALockedFileAsNotReplaceable) {
  std::string path = folder.File("x.pptx");
  WriteFile(path, "original");
  auto slides = MakeExport(ComponentKind::kSlideline, &runs);
  Put(*slides, Property("Destination", 8, path) + Property("OverwriteOutput", 11, "-1"));
  int held = open(path.c_str(), O_RDWR);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  EXPECT_EQ(slides->Export("", nullptr), E_FAIL);
  EXPECT_EQ(LastErrorText(), "The file x.pptx already exists and cannot be overwritten");
  close(held);
  EXPECT_EQ(slides->Export("", nullptr), S_OK);
}

}  // namespace
}  // namespace tabulo::frame
