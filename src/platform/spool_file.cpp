#include "platform/spool_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "platform/files.h"

namespace tabulo::platform {
namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 20;

[[noreturn]] void ThrowErrno(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

int OpenUnnamedFile(const std::string& folder) {
  const int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  // File systems without unnamed files: a named one, unlinked at once.
  std::string pattern = folder + "tabulo-spool-XXXXXX";
  const int named = mkostemp(pattern.data(), O_CLOEXEC);
  if (named < 0) ThrowErrno("cannot create a temporary file in " + folder);
  unlink(pattern.c_str());
  return named;
}

}  // namespace

SpoolFile::SpoolFile() : fd_(OpenUnnamedFile(TempFolder())) { buffer_.reserve(kBufferSize); }

SpoolFile::~SpoolFile() { close(fd_); }

void SpoolFile::Write(std::string_view bytes) {
  size_ += bytes.size();
  while (!bytes.empty()) {
    const std::size_t taken = std::min(bytes.size(), kBufferSize - buffer_.size());
    buffer_.append(bytes.substr(0, taken));
    bytes.remove_prefix(taken);
    if (buffer_.size() == kBufferSize) Flush();
  }
}

void SpoolFile::Flush() {
  std::string_view rest = buffer_;
  while (!rest.empty()) {
    const ssize_t count = ::write(fd_, rest.data(), rest.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      ThrowErrno("cannot write a temporary file");
    }
    rest.remove_prefix(static_cast<std::size_t>(count));
  }
  buffer_.clear();
}

void SpoolFile::ReadBack(const std::function<void(std::string_view)>& consume) {
  Flush();
  std::string piece(kBufferSize, '\0');
  for (std::uint64_t offset = 0; offset < size_;) {
    const ssize_t count = pread(fd_, piece.data(), piece.size(), static_cast<off_t>(offset));
    if (count < 0 && errno == EINTR) continue;
    if (count == 0) errno = EIO;  // shorter than written: truncated behind our back
    if (count <= 0) ThrowErrno("cannot read a temporary file back");
    consume(std::string_view(piece.data(), static_cast<std::size_t>(count)));
    offset += static_cast<std::uint64_t>(count);
  }
}

}  // namespace tabulo::platform
