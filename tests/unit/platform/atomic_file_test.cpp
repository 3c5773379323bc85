#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "support/temp_folder.h"

namespace tabulo::platform {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

std::size_t EntryCount(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(
      std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()));
}

TEST(AtomicFileTest, AnUncommittedFileLeavesTheDestinationAndNoTraces) {
  testing::TempFolder folder;
  std::filesystem::path target = folder.path() / "out.txt";
  std::ofstream(target) << "before";
  {
    AtomicFile file(target);
    file.Write("after");
    EXPECT_EQ(EntryCount(folder.path()), 2u);
  }
  EXPECT_EQ(ReadAll(target), "before");
  EXPECT_EQ(EntryCount(folder.path()), 1u);
}

TEST(AtomicFileTest, SmallAndLargePiecesArriveInOrder) {
  testing::TempFolder folder;
  std::filesystem::path target = folder.path() / "out.txt";
  std::string expected;
  AtomicFile file(target);
  for (std::size_t size : {1u, 70000u, 3u, 65536u, 65535u, 200000u, 0u, 7u}) {
    std::string piece(size, static_cast<char>('a' + size % 26));
    file.Write(piece);
    expected += piece;
  }
  file.Commit(true);
  EXPECT_EQ(ReadAll(target), expected);
  EXPECT_EQ(EntryCount(folder.path()), 1u);
}

TEST(AtomicFileTest, ACommitThatMayNotReplaceKeepsTheExistingFile) {
  testing::TempFolder folder;
  std::filesystem::path target = folder.path() / "out.txt";
  std::ofstream(target) << "before";
  AtomicFile file(target);
  file.Write("after");
  try {
    file.Commit(false);
    FAIL() << "no error";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code().value(), EEXIST);
  }
  EXPECT_EQ(ReadAll(target), "before");
}

TEST(AtomicFileTest, TheFileGetsThePermissionsOfANewFile) {
  testing::TempFolder folder;
  std::filesystem::path target = folder.path() / "out.txt";
  mode_t previous = umask(022);
  {
    AtomicFile file(target);
    file.Commit(true);
  }
  umask(previous);
  struct stat status {};
  ASSERT_EQ(stat(target.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST(AtomicFileTest, AFolderThatDoesNotExistFailsAtOnce) {
  testing::TempFolder folder;
  EXPECT_THROW(AtomicFile(folder.path() / "missing" / "out.txt"), std::system_error);
}

}  // namespace
}  // namespace tabulo::platform
