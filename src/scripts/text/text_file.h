#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/atomic_file.h"

namespace tabulo::text {

// The export file: UTF-16 little-endian with a byte-order mark, CR LF line
// ends, headed by an empty line, the two descriptions and another empty
// line. It is written under a temporary name and only moved into place by
// Save, so a failed export leaves no partial file and keeps an existing one.
// Lines given before the descriptions wait in an anonymous temporary file.
// A destination that cannot be written is reported by Save only, after the
// whole document was rendered, as a save at the end would report it.
class TextFile {
 public:
  explicit TextFile(std::string destination);

  void Descriptions(std::string_view project, std::string_view document);
  void WriteLine(std::string_view line);
  // Throws ScriptError naming the destination and the system's reason.
  void Save(bool overwrite);

 private:
  struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };

  void Flush();
  void CopyPending();
  void Fail(std::string reason);

  std::string destination_;
  std::optional<platform::AtomicFile> file_;
  std::unique_ptr<std::FILE, FileCloser> pending_;
  bool descriptions_written_ = false;
  std::string buffer_;
  std::optional<std::string> failure_;
};

}  // namespace tabulo::text
