#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tables/cannotation.h"
#include "tables/caxis.h"
#include "tables/ccell_item.h"
#include "tables/cfilter.h"
#include "tables/cproperty.h"
#include "tables/crows.h"
#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"

namespace tabulo::tables {

// Table: one cross-table with its axes, cell items, values, annotations,
// filters and properties.
class CTable final : public CSAXEventHandler {
 public:
  CTable();
  ~CTable() override;

  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Table"; }

  const std::string& Name() const { return name_; }
  // Type "Profile" in any letter case.
  bool IsProfile() const { return is_profile_; }
  // Markup-safe.
  const std::string& Description() const { return description_; }
  // "-" when the document gives none (absent, empty or "-1").
  const std::string& Base() const { return base_; }
  bool IsPopulated() const { return is_populated_; }

  // Each may be null when the document has no such element.
  CAxes* Axes() const { return axes_.get(); }
  CCellItems* CellItems() const { return cell_items_.get(); }
  CAnnotations* Annotations() const { return annotations_.get(); }
  CRows* Rows() const { return rows_.get(); }
  CFilters* Filters() const { return filters_.get(); }
  CProperties* Properties() const { return properties_.get(); }

  // The root axis of that name ("Top", "Side") without regard to letter
  // case, or null.
  CAxis* RootAxis(std::string_view name) const;
  // The root axes as the layout sees them: null also when the axis has no
  // sub-axes or no axis headings.
  CAxis* TopAxis() const;
  CAxis* SideAxis() const;
  // IsPopulated and at least one value row.
  bool HasValues() const;

  // Filled by PrepareTableLayout: the leaf element headings of each root
  // axis in leaf order, hidden leaves and leaves of span 0 included.
  const std::vector<CElementHeading*>& TopLeaves() const { return top_leaves_; }
  const std::vector<CElementHeading*>& SideLeaves() const { return side_leaves_; }
  std::vector<CElementHeading*>& TopLeaves() { return top_leaves_; }
  std::vector<CElementHeading*>& SideLeaves() { return side_leaves_; }

  // Replaces the cell items by the single item "Count" (decimals -1).
  void UseSingleCountCellItem();

 private:
  std::string name_;
  bool is_profile_ = false;
  std::string description_;
  std::string base_;
  bool is_populated_ = false;
  std::unique_ptr<CAxes> axes_;
  std::unique_ptr<CCellItems> cell_items_;
  std::unique_ptr<CAnnotations> annotations_;
  std::unique_ptr<CRows> rows_;
  std::unique_ptr<CFilters> filters_;
  std::unique_ptr<CProperties> properties_;
  std::vector<CElementHeading*> top_leaves_;
  std::vector<CElementHeading*> side_leaves_;
};

// Tables: the tables in document order, found by name (the first of equal names).
class CTables final : public CSAXEventHandlerNamedCollection<CTable> {
 public:
  std::string_view GetElementName() const override { return "Tables"; }
  std::string_view GetChildElementName() const override { return "Table"; }
};

}  // namespace tabulo::tables
