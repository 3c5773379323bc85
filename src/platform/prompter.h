#pragma once

#include <string_view>

namespace tabulo::platform {

// Message box styles in use, with the platform's numeric values.
enum class BoxStyle : unsigned {
  kWarning = 48,          // exclamation icon, OK
  kQuestion = 36,         // question icon, Yes and No
  kWarningCancel = 49,    // exclamation icon, OK and Cancel
  kInformation = 64,      // information icon, OK
};
inline constexpr unsigned kHelpButton = 0x4000;

enum class BoxAnswer : int { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };

// Shows a message to the user and returns the button chosen. Supplied by the
// host; a component without a prompter answers every question safely.
class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual BoxAnswer Show(std::string_view caption, std::string_view text, BoxStyle style,
                         bool help_button) = 0;
};

// The answer given when no prompter is attached: No to a question, Cancel
// where there is one, OK otherwise.
BoxAnswer SafeAnswer(BoxStyle style);

}  // namespace tabulo::platform
