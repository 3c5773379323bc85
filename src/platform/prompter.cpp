#include "platform/prompter.h"

namespace tabulo::platform {

BoxAnswer SafeAnswer(BoxStyle style) {
  switch (style) {
    case BoxStyle::kQuestion:
      return BoxAnswer::kNo;
    case BoxStyle::kWarningCancel:
      return BoxAnswer::kCancel;
    case BoxStyle::kWarning:
    case BoxStyle::kInformation:
      break;
  }
  return BoxAnswer::kOk;
}

}  // namespace tabulo::platform
