#pragma once

#include <stdexcept>
#include <string>

#include "frame/cnx_format.h"
#include "frame/component_info.h"
#include "platform/hresult.h"

namespace tabulo::tables {

// Message ids of Webline's string table used by the table model.
inline constexpr int kMsgItemDoesNotExist = 2017;  // Item '%1!s!' doesn't exist
inline constexpr int kMsgParseFailed = 2018;       // An error occurred while parsing the Tables XML: %1!s!
inline constexpr int kMsgInvalidAttributeValue = 2019;  // Invalid value '%1!s!' for the '%2!s!' attribute
inline constexpr int kMsgUnexpectedInputError =
    2021;  // An unexpected error occurred while processing the input
inline constexpr int kMsgHeadingListTooShort = 2103;  // table name
inline constexpr int kMsgTableTooLarge = 2104;        // table name
inline constexpr int kMsgHeadingUsedTwice = 2105;     // table name

// Every failure of reading or laying out the Tables XML. what() is the full
// formatted message text; Result() the HRESULT the caller reports.
class TablesError : public std::runtime_error {
 public:
  TablesError(const std::string& text, platform::HRESULT result)
      : std::runtime_error(text), result_(result) {}
  platform::HRESULT Result() const { return result_; }

 private:
  platform::HRESULT result_;
};

// The text of a message of Webline's string table with its inserts.
template <typename... Inserts>
std::string WeblineMessage(int message_id, const Inserts&... inserts) {
  frame::CNXFormat format(frame::Component(frame::ComponentKind::kWebline));
  format.Format(message_id, inserts...);
  return format.GetText();
}

// Throws TablesError (E_FAIL) with a message of Webline's string table.
template <typename... Inserts>
[[noreturn]] void RaiseMessage(int message_id, const Inserts&... inserts) {
  throw TablesError(WeblineMessage(message_id, inserts...), platform::E_FAIL);
}

// A state that a well-formed run cannot reach: message 2021.
[[noreturn]] void RaiseUnexpected();

}  // namespace tabulo::tables
