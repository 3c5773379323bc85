#pragma once

#include "platform/prompter.h"

namespace tabulo::cli {

// Shows message boxes on the terminal: the text on standard error, the answer
// read from the controlling terminal (standard input may carry the Tables
// XML). Without a terminal every question gets the safe answer.
class TerminalPrompter final : public platform::Prompter {
 public:
  platform::BoxAnswer Show(std::string_view caption, std::string_view text, platform::BoxStyle style,
                           bool help_button) override;
};

}  // namespace tabulo::cli
