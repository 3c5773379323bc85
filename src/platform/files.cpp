#include "platform/files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <system_error>

namespace tabulo::platform {
namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

std::size_t LastSeparator(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1])) return i - 1;
  }
  return std::string_view::npos;
}

// An open descriptor that is closed on every path.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool FileExists(const fs::path& path) {
  std::error_code error;
  return fs::exists(path, error) && !fs::is_directory(path, error);
}

bool DirectoryExists(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::optional<std::string> ExpandFullPath(std::string_view path) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;
  std::string slashed(path);
  for (char& c : slashed) {
    if (c == '\\') c = '/';
  }
  std::error_code error;
  fs::path absolute = fs::absolute(fs::path(slashed), error);
  if (error) return std::nullopt;
  std::string full = absolute.lexically_normal().string();
  // A trailing separator names a folder, not a file; keep it as written.
  if (full.size() > 1 && full.back() == '/' && !IsSeparator(path.back())) full.pop_back();
  return full;
}

std::string RemoveLastComponent(std::string_view path) {
  std::size_t separator = LastSeparator(path);
  if (separator == std::string_view::npos) return {};
  if (separator == 0) return std::string(path.substr(0, 1));
  return std::string(path.substr(0, separator));
}

std::string DisplayTitle(std::string_view path) {
  std::size_t separator = LastSeparator(path);
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

bool HasExtension(std::string_view path) {
  std::string title = DisplayTitle(path);
  std::size_t dot = title.rfind('.');
  return dot != std::string::npos && dot + 1 < title.size();
}

bool IsWritable(const fs::path& path) {
  // A read-only file stays read-only for the superuser too, as a file marked
  // read-only does for an administrator: look at the write bits themselves.
  if (geteuid() == 0) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return false;
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
  }
  return access(path.c_str(), W_OK) == 0;
}

bool CanOpenExclusively(const fs::path& path) {
  Descriptor file(open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
  if (file.get() < 0) return false;
  return flock(file.get(), LOCK_EX | LOCK_NB) == 0;
}

bool IsLockedByOther(const fs::path& path) {
  Descriptor file(open(path.c_str(), O_RDWR | O_CLOEXEC));
  if (file.get() < 0) return true;
  return flock(file.get(), LOCK_EX | LOCK_NB) != 0;
}

std::string TempFolder() {
  const char* folder = std::getenv("TMPDIR");
  std::string result = folder != nullptr && *folder != '\0' ? folder : "/tmp";
  if (result.back() != '/') result += '/';
  return result;
}

std::string SafeFileName(std::string_view name) {
  std::string safe;
  safe.reserve(name.size());
  for (char c : name) {
    auto byte = static_cast<unsigned char>(c);
    bool reserved = byte < 0x20 || byte == 0x7F || std::strchr("/\\:*?\"<>|", c) != nullptr;
    safe += reserved ? '_' : c;
  }
  for (std::size_t dots = safe.find(".."); dots != std::string::npos; dots = safe.find("..", dots)) {
    safe.replace(dots, 2, "__");
  }
  if (safe.empty()) safe = "_";
  return safe;
}

}  // namespace tabulo::platform
