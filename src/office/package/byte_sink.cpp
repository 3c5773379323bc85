#include "office/package/byte_sink.h"

#include <utility>

namespace tabulo::office {

void StringSink::Write(std::string_view bytes) { bytes_.append(bytes); }

std::string StringSink::TakeBytes() { return std::exchange(bytes_, std::string()); }

}  // namespace tabulo::office
