#include "platform/system_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string_view>
#include <utility>

namespace tabulo::platform {
namespace {

struct CodeText {
  std::uint32_t code;
  std::string_view text;
};

// Texts of the Win32 error codes the system reports most, sorted by code.
constexpr std::array kWin32Texts{
    CodeText{0, "The operation completed successfully."},
    CodeText{1, "Incorrect function."},
    CodeText{2, "The system cannot find the file specified."},
    CodeText{3, "The system cannot find the path specified."},
    CodeText{4, "The system cannot open the file."},
    CodeText{5, "Access is denied."},
    CodeText{6, "The handle is invalid."},
    CodeText{8, "Not enough memory resources are available to process this command."},
    CodeText{13, "The data is invalid."},
    CodeText{14, "Not enough memory resources are available to complete this operation."},
    CodeText{15, "The system cannot find the drive specified."},
    CodeText{19, "The media is write protected."},
    CodeText{21, "The device is not ready."},
    CodeText{32, "The process cannot access the file because it is being used by another process."},
    CodeText{33,
             "The process cannot access the file because another process has locked a portion of the file."},
    CodeText{50, "The request is not supported."},
    CodeText{80, "The file exists."},
    CodeText{87, "The parameter is incorrect."},
    CodeText{112, "There is not enough space on the disk."},
    CodeText{122, "The data area passed to a system call is too small."},
    CodeText{123, "The filename, directory name, or volume label syntax is incorrect."},
    CodeText{145, "The directory is not empty."},
    CodeText{161, "The specified path is invalid."},
    CodeText{183, "Cannot create a file when that file already exists."},
    CodeText{206, "The filename or extension is too long."},
    CodeText{267, "The directory name is invalid."},
    CodeText{1168, "Element not found."},
    CodeText{1223, "The operation was canceled by the user."},
    CodeText{1460, "This operation returned because the timeout period expired."},
};

// Texts of COM and OLE Automation result codes outside the Win32 facility,
// sorted by code.
constexpr std::array kComTexts{
    CodeText{0x80004001, "Not implemented"},
    CodeText{0x80004002, "No such interface supported"},
    CodeText{0x80004003, "Invalid pointer"},
    CodeText{0x80004004, "Operation aborted"},
    CodeText{0x80004005, "Unspecified error"},
    CodeText{0x8000FFFF, "Catastrophic failure"},
    CodeText{0x80020001, "Unknown interface."},
    CodeText{0x80020003, "Member not found."},
    CodeText{0x80020004, "Parameter not found."},
    CodeText{0x80020005, "Type mismatch."},
    CodeText{0x80020006, "Unknown name."},
    CodeText{0x80020007, "No named arguments."},
    CodeText{0x80020008, "Bad variable type."},
    CodeText{0x80020009, "Exception occurred."},
    CodeText{0x8002000A, "Out of present range."},
    CodeText{0x8002000B, "Invalid index."},
    CodeText{0x8002000E, "Invalid number of parameters."},
    CodeText{0x8002000F, "Parameter not optional."},
    CodeText{0x80020012, "Division by zero."},
    CodeText{0x8002802B, "Element not found."},
    CodeText{0x80040110, "Class does not support aggregation (or class object is remote)"},
    CodeText{0x80040111, "ClassFactory cannot supply requested class"},
    CodeText{0x80040154, "Class not registered"},
    CodeText{0x800401F3, "Invalid class string"},
};

constexpr bool IsSortedByCode(std::span<const CodeText> table) {
  return std::is_sorted(table.begin(), table.end(),
                        [](const CodeText& a, const CodeText& b) { return a.code < b.code; });
}
static_assert(IsSortedByCode(kWin32Texts) && IsSortedByCode(kComTexts), "lookups need sorted tables");

template <std::size_t N>
std::optional<std::string> Find(const std::array<CodeText, N>& table, std::uint32_t code) {
  const auto* found =
      std::lower_bound(table.begin(), table.end(), code,
                       [](const CodeText& entry, std::uint32_t wanted) { return entry.code < wanted; });
  if (found == table.end() || found->code != code) return std::nullopt;
  return std::string(found->text);
}

constexpr std::uint32_t kWin32FacilityMask = 0xFFFF0000u;
constexpr std::uint32_t kWin32Facility = 0x80070000u;
constexpr std::uint32_t kFirstDispatchCode = 0x80040200u;
constexpr std::uint32_t kLastDispatchCode = 0x8004FFFFu;

}  // namespace

std::optional<std::string> SystemMessage(HRESULT hr) {
  const auto code = static_cast<std::uint32_t>(hr);
  if (code <= 0xFFFFu) return Find(kWin32Texts, code);
  if ((code & kWin32FacilityMask) == kWin32Facility) return Find(kWin32Texts, code & 0xFFFFu);
  return Find(kComTexts, code);
}

std::string ComErrorMessage(HRESULT hr) {
  if (std::optional<std::string> text = SystemMessage(hr)) return std::move(*text);
  const auto code = static_cast<std::uint32_t>(hr);
  char buffer[48];
  if (code >= kFirstDispatchCode && code <= kLastDispatchCode) {
    std::snprintf(buffer, sizeof buffer, "IDispatch error #%u", (code & 0xFFFFu) - 0x200u);
  } else {
    std::snprintf(buffer, sizeof buffer, "Unknown error 0x%X", code);
  }
  return buffer;
}

std::string Win32ErrorText(std::int32_t code) {
  if (std::optional<std::string> text = SystemMessage(HResultFromWin32(code))) return std::move(*text);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "WIN32 error 0x%08x", static_cast<std::uint32_t>(code));
  return buffer;
}

}  // namespace tabulo::platform
