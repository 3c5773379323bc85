#pragma once

#include <string_view>

#include "frame/cnx_format.h"

namespace tabulo::frame {

// Installs the thread's error information for a failing call of the
// component: source its ProgID, the given description, interface IExport.
void ReportError(const ComponentInfo& component, std::string_view text);

// Formats a message, reports it and returns the formatter's result.
template <typename... Inserts>
HRESULT ReportMessage(const ComponentInfo& component, int message_id, const Inserts&... inserts) {
  CNXFormat format(component);
  format.Format(message_id, inserts...);
  ReportError(component, format.GetText());
  return format.Result();
}

// Formats a message followed by the text of a COM error, reports it and
// returns the COM error's HRESULT.
template <typename... Inserts>
HRESULT ReportComError(const ComponentInfo& component, const CNXComError& error, int message_id,
                       const Inserts&... inserts) {
  CNXFormat format(component, 0, error.Error());
  format.FormatComError(error, message_id, inserts...);
  ReportError(component, format.GetText());
  return format.Result();
}

}  // namespace tabulo::frame
