#include "office/spreadsheet/workbook.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "office/markup/xml_characters.h"
#include "office/spreadsheet/sheet_name.h"

namespace tabulo::office {
namespace {

CellFormat NormalFormatOf(const WorkbookOptions& options) {
  CellFormat format;
  format.font = options.default_font;
  return format;
}

}  // namespace

const NamedStyle* WorkbookContext::FindStyle(std::string_view name) const {
  for (const NamedStyle& style : styles) {
    if (style.name == name) return &style;
  }
  return nullptr;
}

Workbook::Workbook(const WorkbookOptions& options) : context_(NormalFormatOf(options)) {}

void Workbook::CheckNewName(std::string_view name, const Worksheet* renamed) const {
  if (auto problem = SheetNameProblem(name)) throw std::invalid_argument(*problem + ": " + std::string(name));
  const Worksheet* existing = FindSheet(name);
  if (existing != nullptr && existing != renamed) {
    throw std::invalid_argument("a sheet named " + existing->Name() + " exists already");
  }
}

Worksheet& Workbook::AddWorksheet(std::string_view name) {
  CheckNewName(name, nullptr);
  sheet_by_key_.emplace(SheetNameKey(name), sheets_.size());
  sheets_.push_back(std::make_unique<Worksheet>(std::string(name), context_));
  return *sheets_.back();
}

Worksheet& Workbook::AddWorksheet() {
  for (std::size_t number = sheets_.size() + 1;; ++number) {
    const std::string name = "Sheet" + std::to_string(number);
    if (!HasWorksheetNamed(name)) return AddWorksheet(name);
  }
}

std::string Workbook::MakeValidName(std::string_view name) const {
  return MakeValidSheetName(name,
                            [this](std::string_view candidate) { return HasWorksheetNamed(candidate); });
}

bool Workbook::HasWorksheetNamed(std::string_view name) const { return FindSheet(name) != nullptr; }

Worksheet& Workbook::Sheet(std::size_t index) {
  if (index >= sheets_.size()) throw std::out_of_range("no worksheet " + std::to_string(index));
  return *sheets_[index];
}

const Worksheet& Workbook::Sheet(std::size_t index) const {
  if (index >= sheets_.size()) throw std::out_of_range("no worksheet " + std::to_string(index));
  return *sheets_[index];
}

Worksheet* Workbook::FindSheet(std::string_view name) {
  return const_cast<Worksheet*>(std::as_const(*this).FindSheet(name));
}

const Worksheet* Workbook::FindSheet(std::string_view name) const {
  const auto found = sheet_by_key_.find(SheetNameKey(name));
  return found == sheet_by_key_.end() ? nullptr : sheets_[found->second].get();
}

void Workbook::RenameSheet(std::size_t index, std::string_view name) {
  Worksheet& sheet = Sheet(index);
  CheckNewName(name, &sheet);
  sheet_by_key_.erase(SheetNameKey(sheet.name_));
  sheet_by_key_.emplace(SheetNameKey(name), index);
  sheet.name_ = std::string(name);
}

void Workbook::SetActiveSheet(std::size_t index) {
  if (index >= sheets_.size()) throw std::out_of_range("no worksheet " + std::to_string(index));
  active_sheet_ = index;
}

void Workbook::AddNamedStyle(const NamedStyle& style) {
  if (style.name.empty() || Utf16Length(style.name) > 255) {
    throw std::invalid_argument("a style name must have 1 to 255 characters");
  }
  if (style.name == kNormalStyleName) throw std::invalid_argument("the Normal style cannot be redefined");
  NamedStyle stored = style;
  stored.format.style_name = style.name;
  auto found = std::find_if(context_.styles.begin(), context_.styles.end(),
                            [&](const NamedStyle& existing) { return existing.name == style.name; });
  if (found != context_.styles.end()) {
    *found = std::move(stored);
  } else {
    context_.styles.push_back(std::move(stored));
  }
}

}  // namespace tabulo::office
