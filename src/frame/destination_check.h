#pragma once

#include "platform/hresult.h"

namespace tabulo::frame {

class CExport;

enum class DestinationAnswer {
  kGoOn,      // write the export
  kDeclined,  // the user chose not to replace the file: end without output
};

// Settles the Destination before anything is written: the chart template of
// the Office exports, the folder, the default extension, the replace rules,
// and the default file when none is given.
platform::HRESULT CheckDestination(CExport& component, DestinationAnswer* answer);

}  // namespace tabulo::frame
