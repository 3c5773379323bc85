#include "platform/spool_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "support/temp_folder.h"

namespace tabulo::platform {
namespace {

std::string ReadBackWhole(SpoolFile& spool) {
  std::string whole;
  spool.ReadBack([&](std::string_view piece) { whole.append(piece); });
  return whole;
}

// Pieces small and large, across the 1 MiB buffer, come back in order.
TEST(SpoolFileTest, GivesBackWhatWasWrittenInOrder) {
  SpoolFile spool;
  EXPECT_EQ(ReadBackWhole(spool), "");
  std::string expected;
  for (int piece = 0; piece < 40; ++piece) {
    const std::size_t size = static_cast<std::size_t>(piece) * 70001 % 300000 + 1;
    const std::string bytes(size, static_cast<char>('a' + piece % 26));
    spool.Write(bytes);
    expected += bytes;
  }
  EXPECT_EQ(spool.Size(), expected.size());
  EXPECT_EQ(ReadBackWhole(spool), expected);
  spool.Write("tail");  // writing may go on after a read
  EXPECT_EQ(ReadBackWhole(spool), expected + "tail");
}

TEST(SpoolFileTest, LeavesNoFileBehind) {
  testing::TempFolder folder;
  const char* saved = std::getenv("TMPDIR");
  const std::string previous = saved != nullptr ? saved : "";
  setenv("TMPDIR", folder.path().c_str(), 1);
  {
    SpoolFile spool;
    spool.Write(std::string(3 << 20, 'x'));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));  // unnamed while it lives
    EXPECT_EQ(ReadBackWhole(spool).size(), std::size_t{3} << 20);
  }
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
  setenv("TMPDIR", (folder.path() / "missing").c_str(), 1);
  EXPECT_THROW(SpoolFile(), std::system_error);
  if (saved != nullptr) {
    setenv("TMPDIR", previous.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

}  // namespace
}  // namespace tabulo::platform
