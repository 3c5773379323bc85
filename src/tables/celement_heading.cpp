#include "tables/celement_heading.h"

#include "tables/ascii_case.h"
#include "tables/attribute_reading.h"
#include "tables/caxis_heading.h"
#include "tables/celement.h"

namespace tabulo::tables {
namespace {

const std::string kNoText;

}  // namespace

CElementHeading::CElementHeading() = default;
CElementHeading::~CElementHeading() = default;

void CElementHeading::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Name", name_);
  ReadString(attributes, "HeadingId", heading_id_);
  ReadBoolean(attributes, "IsSortedOn", is_sorted_on_);
  ReadBoolean(attributes, "IsSingleValue", is_single_value_);
}

CSAXEventHandler* CElementHeading::CreateChildHandler(std::string_view local_name,
                                                      const xml::Attributes& attributes) {
  if (!EqualsIgnoringCase(local_name, "SubElementHeadings")) return nullptr;
  return StartChild(sub_element_headings_, Context(), attributes);
}

const std::string& CElementHeading::GetLabel() const { return element_ ? element_->Label() : kNoText; }

bool CElementHeading::IsShown() const { return element_ == nullptr || element_->ShownOnTable(); }

const std::string& CElementHeading::GetDisplayText() const {
  if (element_ == nullptr) return name_;
  bool use_label = element_->Type() == ElementType::kProfile ? Context().use_variable_labels
                                                             : Context().use_element_labels;
  return use_label ? element_->Label() : element_->Name();
}

const CHeading* CElementHeading::PathParent() const { return parent_; }

}  // namespace tabulo::tables
