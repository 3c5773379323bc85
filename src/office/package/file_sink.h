#pragma once

#include "office/package/byte_sink.h"
#include "platform/atomic_file.h"

namespace tabulo::office {

// Streams into a file that takes its name only when committed.
class FileSink final : public ByteSink {
 public:
  explicit FileSink(platform::AtomicFile& file) : file_(file) {}
  void Write(std::string_view bytes) override { file_.Write(bytes); }

 private:
  platform::AtomicFile& file_;
};

}  // namespace tabulo::office
