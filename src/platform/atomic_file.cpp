#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>
#include <utility>

namespace tabulo::platform {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;
// Large files are handed to the disk while they are still being written, so
// that making them durable at the end waits only for the last piece.
constexpr std::uint64_t kWritebackStep = std::uint64_t{8} << 20;

[[noreturn]] void ThrowErrno(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

AtomicFile::AtomicFile(fs::path destination) : destination_(std::move(destination)) {
  fs::path folder = destination_.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + destination_.filename().string() + ".XXXXXX")).string();
  fd_ = mkstemp(pattern.data());
  if (fd_ < 0) ThrowErrno(destination_.string());
  temporary_ = pattern;
  // mkstemp creates the file private to the user; give it the permissions a
  // newly created file would have had.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd_, 0666 & ~mask);
  buffer_.reserve(kBufferSize);
}

AtomicFile::~AtomicFile() {
  if (fd_ >= 0) close(fd_);
  if (!committed_) unlink(temporary_.c_str());
}

void AtomicFile::Write(std::string_view bytes) {
  if (buffer_.size() + bytes.size() > kBufferSize) FlushBuffer();
  if (bytes.size() >= kBufferSize) {
    WriteThrough(bytes);
    return;
  }
  buffer_.append(bytes);
}

void AtomicFile::FlushBuffer() {
  WriteThrough(buffer_);
  buffer_.clear();
}

void AtomicFile::WriteThrough(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t count = ::write(fd_, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      ThrowErrno(destination_.string());
    }
    bytes.remove_prefix(static_cast<std::size_t>(count));
    written_ += static_cast<std::uint64_t>(count);
  }
  if (written_ - handed_to_disk_ >= kWritebackStep) StartWriteback();
}

void AtomicFile::StartWriteback() {
#if defined(__linux__)
  // Only a hint: a failure here shows again, and is reported, at fsync.
  sync_file_range(fd_, static_cast<off_t>(handed_to_disk_), static_cast<off_t>(written_ - handed_to_disk_),
                  SYNC_FILE_RANGE_WRITE);
#endif
  handed_to_disk_ = written_;
}

void AtomicFile::Commit(bool replace) {
  FlushBuffer();
  int fd = std::exchange(fd_, -1);
  if (fsync(fd) != 0) {
    int saved = errno;
    close(fd);
    errno = saved;
    ThrowErrno(destination_.string());
  }
  if (close(fd) != 0) ThrowErrno(destination_.string());
  if (replace) {
    if (std::rename(temporary_.c_str(), destination_.c_str()) != 0) ThrowErrno(destination_.string());
  } else {
    // link() fails with EEXIST instead of replacing, unlike rename().
    if (link(temporary_.c_str(), destination_.c_str()) != 0) ThrowErrno(destination_.string());
    unlink(temporary_.c_str());
  }
  committed_ = true;
}

}  // namespace tabulo::platform
