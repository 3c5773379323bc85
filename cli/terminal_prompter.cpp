#include "terminal_prompter.h"

#include <fstream>
#include <iostream>
#include <string>

namespace tabulo::cli {
namespace {

using platform::BoxAnswer;
using platform::BoxStyle;

struct Choice {
  const char* prompt;
  char accept;  // the key that gives the positive answer
  BoxAnswer positive;
  BoxAnswer negative;
};

Choice ChoiceFor(BoxStyle style) {
  switch (style) {
    case BoxStyle::kQuestion:
      return {"[y/N] ", 'y', BoxAnswer::kYes, BoxAnswer::kNo};
    case BoxStyle::kWarningCancel:
      return {"[o = OK / C = Cancel] ", 'o', BoxAnswer::kOk, BoxAnswer::kCancel};
    case BoxStyle::kWarning:
    case BoxStyle::kInformation:
      break;
  }
  return {"[press Enter] ", '\0', BoxAnswer::kOk, BoxAnswer::kOk};
}

}  // namespace

BoxAnswer TerminalPrompter::Show(std::string_view caption, std::string_view text, BoxStyle style,
                                 bool help_button) {
  std::cerr << caption << ": " << text << '\n';
  if (help_button) std::cerr << "(help is available from the application that started this export)\n";
  Choice choice = ChoiceFor(style);
  std::ifstream terminal("/dev/tty");
  if (!terminal) return platform::SafeAnswer(style);
  std::cerr << choice.prompt << std::flush;
  std::string line;
  if (!std::getline(terminal, line)) return platform::SafeAnswer(style);
  if (choice.accept == '\0') return choice.positive;
  bool accepted =
      !line.empty() && (line.front() == choice.accept || line.front() == choice.accept - 'a' + 'A');
  return accepted ? choice.positive : choice.negative;
}

}  // namespace tabulo::cli
