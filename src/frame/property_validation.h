#pragma once

#include "platform/hresult.h"

namespace tabulo::frame {

class CExport;

// The component's checks after every successful put of the properties XML.
// A rejected value is first restored to its default; the Destination is
// stored as its expanded full path.
platform::HRESULT ValidateAfterMerge(CExport& component);

}  // namespace tabulo::frame
