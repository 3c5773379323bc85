#pragma once

#include <string_view>

#include "platform/hresult.h"
#include "platform/variant.h"

namespace tabulo::frame {

class CExport;

// The component's own part of an export, run once the destination is
// settled: rendering, the Office host or the script host.
class ExportStage {
 public:
  virtual ~ExportStage() = default;
  virtual platform::HRESULT Run(CExport& component, std::string_view tables_xml,
                                platform::Variant* result) = 0;
};

// The stage of a component whose export this build does not contain: it fails
// clearly rather than succeed without output.
class UnavailableStage final : public ExportStage {
 public:
  platform::HRESULT Run(CExport& component, std::string_view tables_xml,
                        platform::Variant* result) override;
};

}  // namespace tabulo::frame
