#pragma once

#include <cstdint>

#include "office/package/byte_sink.h"
#include "platform/spool_file.h"

namespace tabulo::office {

// Holds streamed bytes aside in an unnamed temporary file until they can be
// passed on, behind bytes that are known only later.
class SpoolSink final : public ByteSink {
 public:
  void Write(std::string_view bytes) override { file_.Write(bytes); }
  std::uint64_t Size() const { return file_.Size(); }
  void CopyTo(ByteSink& out) {
    file_.ReadBack([&out](std::string_view piece) { out.Write(piece); });
  }

 private:
  platform::SpoolFile file_;
};

}  // namespace tabulo::office
