#pragma once

#include <string>
#include <string_view>

namespace tabulo::office {

// Where streamed bytes go. Writes come in many small pieces (headers apart
// from data), so a sink that reaches a file or socket should buffer.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // May throw; the caller treats the stream as broken afterwards.
  virtual void Write(std::string_view bytes) = 0;
};

// Collects the bytes in a string, for tests and small packages.
class StringSink final : public ByteSink {
 public:
  void Write(std::string_view bytes) override;
  const std::string& Bytes() const { return bytes_; }
  // Hands the bytes over and leaves the sink empty.
  std::string TakeBytes();

 private:
  std::string bytes_;
};

}  // namespace tabulo::office
