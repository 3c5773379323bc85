#pragma once

#include <memory>
#include <string>

#include "tables/caxis_heading.h"
#include "tables/celement.h"
#include "tables/celement_heading.h"
#include "tables/handler_collections.h"
#include "tables/sax_event_handler.h"

namespace tabulo::tables {

class CAxes;

// Axis: a root axis ("Top", "Side") or a variable placed on one.
class CAxis final : public CSAXEventHandler {
 public:
  CAxis();
  ~CAxis() override;

  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override;
  // Resolves the headings: each element heading (with its net members'
  // headings) against the elements, then each axis heading against the
  // sub-axes; message 2017 for a name that is not there.
  void OnEndElement(std::string_view local_name) override;
  std::string_view GetElementName() const override { return "Axis"; }

  const std::string& Name() const { return name_; }
  // Markup-safe when UseFormattedLabels is on, as written otherwise.
  const std::string& Label() const { return label_; }

  // Each may be null when the document has no such element.
  CAxes* SubAxes() const { return sub_axes_.get(); }
  CAxisHeadings* AxisHeadings() const { return axis_headings_.get(); }
  CElements* Elements() const { return elements_.get(); }
  CElementHeadings* ElementHeadings() const { return element_headings_.get(); }

  // Root axes only, set by PrepareTableLayout: columns (top) or rows (side)
  // of the whole axis, and its number of heading levels.
  int TotalSpan() const { return total_span_; }
  int LevelCount() const { return level_count_; }
  void SetGeometry(int total_span, int level_count) {
    total_span_ = total_span;
    level_count_ = level_count;
  }

 private:
  std::string name_;
  std::string label_;
  int total_span_ = 0;
  int level_count_ = 0;
  std::unique_ptr<CAxes> sub_axes_;
  std::unique_ptr<CAxisHeadings> axis_headings_;
  std::unique_ptr<CElements> elements_;
  std::unique_ptr<CElementHeadings> element_headings_;
};

// Axes and SubAxes.
class CAxes final : public CSAXEventHandlerNamedCollection<CAxis> {
 public:
  std::string_view GetElementName() const override { return "Axes"; }
  std::string_view GetChildElementName() const override { return "Axis"; }
};

}  // namespace tabulo::tables
