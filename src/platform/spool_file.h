#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tabulo::platform {

// Bytes set aside in an unnamed temporary file until they are read back in
// order: large output that must wait for something written before it stays
// out of memory. The file has no name, so it goes when the object (or the
// process) does. Throws std::system_error.
class SpoolFile {
 public:
  SpoolFile();
  SpoolFile(const SpoolFile&) = delete;
  SpoolFile& operator=(const SpoolFile&) = delete;
  ~SpoolFile();

  void Write(std::string_view bytes);
  std::uint64_t Size() const { return size_; }
  // Hands everything written so far to `consume`, in order and in pieces.
  void ReadBack(const std::function<void(std::string_view)>& consume);

 private:
  void Flush();

  int fd_ = -1;
  std::string buffer_;
  std::uint64_t size_ = 0;
};

}  // namespace tabulo::platform
