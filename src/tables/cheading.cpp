#include "tables/cheading.h"

namespace tabulo::tables {

const std::string& CHeading::TextOf(TextKind kind) const {
  switch (kind) {
    case TextKind::kName:
      return GetName();
    case TextKind::kLabel:
      return GetLabel();
    case TextKind::kDisplay:
      break;
  }
  return GetDisplayText();
}

std::string CHeading::PathOf(TextKind kind) const {
  const CHeading* parent = PathParent();
  if (parent == nullptr) return TextOf(kind);
  std::string path = parent->PathOf(kind);
  path += PathSeparator();
  path += TextOf(kind);
  return path;
}

std::string CHeading::GetNamePath() const { return PathOf(TextKind::kName); }
std::string CHeading::GetLabelPath() const { return PathOf(TextKind::kLabel); }
std::string CHeading::GetDisplayPath() const { return PathOf(TextKind::kDisplay); }

}  // namespace tabulo::tables
