#include "tables/ctable.h"

#include "tables/ascii_case.h"
#include "tables/attribute_reading.h"
#include "tables/markup_text.h"

namespace tabulo::tables {
namespace {

class NoAttributes final : public xml::Attributes {
 public:
  int Count() const override { return 0; }
  std::string_view Name(int) const override { return {}; }
  std::string_view Value(int) const override { return {}; }
};

bool CountsAsPresent(const CAxis* axis) {
  return axis != nullptr && axis->SubAxes() != nullptr && !axis->SubAxes()->empty() &&
         axis->AxisHeadings() != nullptr && !axis->AxisHeadings()->empty();
}

}  // namespace

CTable::CTable() = default;
CTable::~CTable() = default;

void CTable::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Name", name_);
  if (auto type = FindAttribute(attributes, "Type")) is_profile_ = EqualsIgnoringCase(*type, "Profile");
  ReadString(attributes, "Description", description_);
  description_ = PrepareMarkupSafe(std::move(description_));
  ReadString(attributes, "Base", base_);
  if (base_.empty() || base_ == "-1") base_.assign(1, '-');  // assign("-") trips a false -Wrestrict in GCC 12
  ReadBoolean(attributes, "IsPopulated", is_populated_);
}

CSAXEventHandler* CTable::CreateChildHandler(std::string_view local_name, const xml::Attributes& attributes) {
  if (EqualsIgnoringCase(local_name, "Axes")) return StartChild(axes_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "CellItems")) return StartChild(cell_items_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "Annotations")) return StartChild(annotations_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "CellValues")) return StartChild(rows_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "Filters")) return StartChild(filters_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "Properties")) return StartChild(properties_, Context(), attributes);
  return nullptr;
}

CAxis* CTable::RootAxis(std::string_view name) const { return axes_ ? axes_->FindOrNull(name) : nullptr; }

CAxis* CTable::TopAxis() const {
  CAxis* axis = RootAxis("Top");
  return CountsAsPresent(axis) ? axis : nullptr;
}

CAxis* CTable::SideAxis() const {
  CAxis* axis = RootAxis("Side");
  return CountsAsPresent(axis) ? axis : nullptr;
}

bool CTable::HasValues() const { return is_populated_ && rows_ != nullptr && !rows_->empty(); }

void CTable::UseSingleCountCellItem() {
  auto items = std::make_unique<CCellItems>();
  items->OnStartElement(Context(), NoAttributes());
  items->Add(std::make_unique<CCellItem>(CellItemType::kCount, -1));
  cell_items_ = std::move(items);
}

}  // namespace tabulo::tables
