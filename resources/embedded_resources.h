#pragma once

#include <span>

#include "platform/resources.h"

namespace tabulo::resources {

// Every resource file of every deliverable, embedded at build time.
std::span<const platform::ResourceEntry> Embedded();

}  // namespace tabulo::resources
