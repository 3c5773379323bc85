#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabulo::platform {

// A file that is written completely under a temporary name beside its
// destination and only then moved into place, so that a failure never leaves
// a partial file or a clobbered original. Throws std::system_error.
class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path destination);
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  ~AtomicFile();  // removes the temporary file unless committed

  void Write(std::string_view bytes);
  // Moves the finished file to the destination. With replace false an
  // existing destination is left alone and the commit fails with EEXIST.
  void Commit(bool replace);

 private:
  void FlushBuffer();
  void WriteThrough(std::string_view bytes);

  std::filesystem::path destination_;
  std::filesystem::path temporary_;
  int fd_ = -1;
  std::string buffer_;
  bool committed_ = false;
};

}  // namespace tabulo::platform
