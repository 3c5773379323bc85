#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "office/xlsx/xlsx_writer.h"
#include "office_test_support.h"
#include "sample_workbook.h"
#include "support/temp_folder.h"

namespace tabulo::office {
namespace {

struct PipeCloser {
  void operator()(std::FILE* pipe) const { pclose(pipe); }
};

// Runs a command and gives its exit status and what it printed.
std::pair<int, std::string> RunCommand(const std::string& command) {
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return {-1, "cannot run " + command};
  std::string output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output += buffer;
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class ReadBackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Workbook workbook;
    testing::FillSampleWorkbook(workbook, true);
    SaveWorkbook(workbook, path);
  }

  tabulo::testing::TempFolder folder;
  std::string path = folder.File("sample.xlsx");
};

// An independent reader sees the values, styles, merges, widths and page
// setup the model was given.
TEST_F(ReadBackTest, OpenpyxlReadsWhatWasWritten) {
  const auto [status, output] =
      RunCommand("/usr/bin/python3 " + office::testing::OoxmlFolder() + "/read_back_sample.py " + path);
  EXPECT_EQ(status, 0) << output;
}

TEST_F(ReadBackTest, UnzipAndSchemaCheckOfTheFile) {
  const auto [status, output] =
      RunCommand("sh " + office::testing::OoxmlFolder() + "/check_package.sh " + path);
  EXPECT_EQ(status, 0) << output;
}

TEST_F(ReadBackTest, AFailedSaveKeepsTheEarlierFile) {
  const std::string before = tabulo::testing::ReadFile(path);
  EXPECT_THROW(SaveWorkbook(Workbook(), path), std::invalid_argument);  // no worksheet
  Workbook other;
  other.AddWorksheet("New");
  EXPECT_THROW(SaveWorkbook(other, path, false), std::system_error);  // exists, not to be replaced
  EXPECT_EQ(tabulo::testing::ReadFile(path), before);
  std::size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path())) ++files;
  EXPECT_EQ(files, 1U);
}

}  // namespace
}  // namespace tabulo::office
