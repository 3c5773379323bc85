#include "tables/cdocument.h"

#include "tables/ascii_case.h"
#include "tables/attribute_reading.h"

namespace tabulo::tables {

void CDataSet::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Description", description_);
}

CDocument::CDocument() = default;
CDocument::~CDocument() = default;
CDocument::CDocument(CDocument&&) noexcept = default;
CDocument& CDocument::operator=(CDocument&&) noexcept = default;

void CDocument::OnStartElement(RenderContext& context, const xml::Attributes& attributes) {
  CSAXEventHandler::OnStartElement(context, attributes);
  ReadString(attributes, "Description", description_);
  ReadString(attributes, "ImageLocation", image_location_);
  // A folder gets its separator so that image names can be appended; a
  // location ending in "=" is the start of a query and stays as it is.
  if (!image_location_.empty()) {
    char last = image_location_.back();
    if (last != '/' && last != '\\' && last != '=') image_location_ += '\\';
  }
  context.image_location = image_location_;
  std::int32_t locale_id = 0;
  ReadInteger(attributes, "LocaleId", locale_id);
  if (locale_id != 0) context.locale_id = locale_id;
}

CSAXEventHandler* CDocument::CreateChildHandler(std::string_view local_name,
                                                const xml::Attributes& attributes) {
  if (EqualsIgnoringCase(local_name, "DataSet")) return StartChild(data_set_, Context(), attributes);
  if (EqualsIgnoringCase(local_name, "Tables")) return StartChild(tables_, Context(), attributes);
  return nullptr;
}

}  // namespace tabulo::tables
