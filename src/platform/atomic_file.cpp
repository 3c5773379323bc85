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
  }
}

void AtomicFile::Commit(bool replace) {
  FlushBuffer();
  // The file is complete before it takes the destination's name, so no
  // failure of ours can leave half a file. It is not forced to the disk:
  // an export can be run again, and waiting for the disk would double the
  // time of a large export (the journal of the usual file systems keeps the
  // data of a replaced file ahead of the rename anyway).
  if (close(std::exchange(fd_, -1)) != 0) ThrowErrno(destination_.string());
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
