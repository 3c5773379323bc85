#include "tables/caxis.h"

#include "tables/ascii_case.h"
#include "tables/attribute_reading.h"
#include "tables/markup_text.h"
#include "tables/tables_error.h"

namespace tabulo::tables {
namespace {

// A heading list whose collection of targets is absent names nothing that
// exists: reported like any other missing item.
template <typename Collection>
auto& FindIn(const Collection* collection, const std::string& name) {
  if (collection == nullptr) RaiseMessage(kMsgItemDoesNotExist, name);
  return collection->Find(name);
}

void ResolveElementHeadings(const CElementHeadings& headings, const CElements* elements) {
  for (const auto& heading : headings.Items()) {
    CElement& element = FindIn(elements, heading->Name());
    heading->SetElement(element);
    if (const CElementHeadings* members = heading->SubElementHeadings()) {
      ResolveElementHeadings(*members, element.SubElements());
    }
  }
}

}  // namespace

CAxis::CAxis() = default;
CAxis::~CAxis() = default;

void CAxis::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Name", name_);
  ReadString(attributes, "Label", label_);
  if (context.use_formatted_labels) label_ = PrepareMarkupSafe(std::move(label_));
}

CSAXEventHandler* CAxis::CreateChildHandler(std::string_view local_name, const xml::Attributes& attributes) {
  if (EqualsIgnoringCase(local_name, "SubAxes")) return StartChild(sub_axes_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "AxisHeadings"))
    return StartChild(axis_headings_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "Elements")) return StartChild(elements_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "ElementHeadings")) {
    return StartChild(element_headings_, Context(), attributes);
  }
  return nullptr;
}

void CAxis::OnEndElement(std::string_view) {
  if (element_headings_) ResolveElementHeadings(*element_headings_, elements_.get());
  if (axis_headings_) {
    for (const auto& heading : axis_headings_->Items())
      heading->SetVariable(FindIn(sub_axes_.get(), heading->Name()));
  }
}

}  // namespace tabulo::tables
