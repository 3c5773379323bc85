#include "platform/class_table.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace tabulo::platform {
namespace {

struct Table {
  std::mutex mutex;
  std::vector<ClassRegistration> classes;
};

Table& TheTable() {
  static Table table;
  return table;
}

}  // namespace

void RegisterClass(ClassRegistration registration) {
  Table& table = TheTable();
  std::scoped_lock lock(table.mutex);
  auto same = [&](const ClassRegistration& c) { return c.class_id == registration.class_id; };
  std::erase_if(table.classes, same);
  table.classes.push_back(std::move(registration));
}

std::optional<ClassRegistration> FindClass(const Guid& class_id) {
  Table& table = TheTable();
  std::scoped_lock lock(table.mutex);
  auto it = std::ranges::find(table.classes, class_id, &ClassRegistration::class_id);
  if (it == table.classes.end()) return std::nullopt;
  return *it;
}

std::optional<ClassRegistration> FindClassByProgId(std::string_view prog_id) {
  Table& table = TheTable();
  std::scoped_lock lock(table.mutex);
  auto it = std::ranges::find_if(table.classes, [&](const ClassRegistration& c) {
    return c.prog_id == prog_id || c.independent_id == prog_id;
  });
  if (it == table.classes.end()) return std::nullopt;
  return *it;
}

}  // namespace tabulo::platform
