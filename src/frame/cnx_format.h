#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "frame/component_info.h"
#include "platform/hresult.h"

namespace tabulo::frame {

using platform::HRESULT;

// A COM error as a catch handler sees it: the failing HRESULT and, when the
// failing call left one, its error description.
class CNXComError {
 public:
  explicit CNXComError(HRESULT result, std::optional<std::string> description = std::nullopt)
      : result_(result), description_(std::move(description)) {}

  HRESULT Error() const { return result_; }
  const std::optional<std::string>& Description() const { return description_; }

 private:
  HRESULT result_;
  std::optional<std::string> description_;
};

// One formatted message of a component's string table, ready to be shown to
// the user or handed to the caller as error information.
class CNXFormat {
 public:
  explicit CNXFormat(const ComponentInfo& component, std::uint16_t language = 0,
                     HRESULT result = platform::E_FAIL)
      : component_(component), language_(language), result_(result) {}
  virtual ~CNXFormat() = default;
  CNXFormat(const CNXFormat&) = default;
  CNXFormat& operator=(const CNXFormat&) = delete;

  template <typename... Inserts>
  void Format(int message_id, const Inserts&... inserts) {
    FormatById(message_id, std::vector<std::string>{std::string(inserts)...});
  }
  template <typename... Inserts>
  void FormatComError(const CNXComError& error, int message_id, const Inserts&... inserts) {
    FormatWithComError(message_id, std::vector<std::string>{std::string(inserts)...}, error);
  }
  template <typename... Inserts>
  void FormatWin32(std::int32_t code, int message_id, const Inserts&... inserts) {
    FormatById(message_id, std::vector<std::string>{std::string(inserts)...});
    SetWin32Result(code);
  }

  // The text to show or report; never empty.
  std::string GetText();
  HRESULT Result() const { return result_; }
  std::uint16_t Language() const { return language_; }

 protected:
  virtual void FormatWithComError(int message_id, std::span<const std::string> inserts,
                                  const CNXComError& error);
  virtual void FormatById(int message_id, std::span<const std::string> inserts);

  const ComponentInfo& component_;

 private:
  void SetWin32Result(std::int32_t code);

  std::string text_;
  std::string detail_;
  std::uint16_t language_;
  HRESULT result_;
};

// The text a COM error stands for: its own description, else the thread's
// current error description, else the platform's text for its HRESULT.
std::string ComErrorText(const CNXComError& error);

}  // namespace tabulo::frame
