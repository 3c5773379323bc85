#include "platform/atomic_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>

namespace tabulo::platform {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void ThrowErrno(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

AtomicFile::AtomicFile(fs::path destination) : destination_(std::move(destination)) {
  fs::path folder = destination_.parent_path();
  if (folder.empty()) folder = ".";
  std::string pattern = (folder / ("." + destination_.filename().string() + ".XXXXXX")).string();
  int fd = mkstemp(pattern.data());
  if (fd < 0) ThrowErrno(destination_.string());
  temporary_ = pattern;
  // mkstemp creates the file private to the user; give it the permissions a
  // newly created file would have had.
  mode_t mask = umask(0);
  umask(mask);
  fchmod(fd, 0666 & ~mask);
  stream_ = fdopen(fd, "wb");
  if (stream_ == nullptr) {
    int saved = errno;
    close(fd);
    unlink(temporary_.c_str());
    errno = saved;
    ThrowErrno(destination_.string());
  }
  static constexpr std::size_t kBufferSize = 1 << 16;
  std::setvbuf(stream_, nullptr, _IOFBF, kBufferSize);
}

AtomicFile::~AtomicFile() {
  if (stream_ != nullptr) std::fclose(stream_);
  if (!committed_) unlink(temporary_.c_str());
}

void AtomicFile::Write(std::string_view bytes) {
  if (bytes.empty()) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) ThrowErrno(destination_.string());
}

void AtomicFile::Commit(bool replace) {
  std::FILE* stream = std::exchange(stream_, nullptr);
  if (std::fflush(stream) != 0 || fsync(fileno(stream)) != 0) {
    int saved = errno;
    std::fclose(stream);
    errno = saved;
    ThrowErrno(destination_.string());
  }
  if (std::fclose(stream) != 0) ThrowErrno(destination_.string());
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
