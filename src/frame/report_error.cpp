#include "frame/report_error.h"

#include <string>

#include "platform/class_table.h"
#include "platform/error_info.h"

namespace tabulo::frame {

void ReportError(const ComponentInfo& component, std::string_view text) {
  RegisterComponentClasses();
  auto registration = platform::FindClass(component.class_id);
  platform::SetErrorInfo({registration ? registration->prog_id : std::string(), std::string(text),
                          component.interface_id});
}

}  // namespace tabulo::frame
