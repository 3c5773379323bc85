#include "webline/new_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace tabulo::deliverables::webline {

NewFileResult WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
  int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (descriptor < 0) return errno == EEXIST ? NewFileResult::kAlreadyThere : NewFileResult::kCannotCreate;
  std::size_t written = 0;
  while (written < bytes.size()) {
    ssize_t count = write(descriptor, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    written += static_cast<std::size_t>(count);
  }
  bool complete = close(descriptor) == 0 && written == bytes.size();
  if (complete) return NewFileResult::kWritten;
  unlink(path.c_str());
  return NewFileResult::kIncomplete;
}

}  // namespace tabulo::deliverables::webline
