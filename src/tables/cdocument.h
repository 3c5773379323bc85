#pragma once

#include <memory>
#include <string>

#include "tables/ctable.h"
#include "tables/sax_event_handler.h"

namespace tabulo::tables {

// DataSet: the survey data set.
class CDataSet final : public CSAXEventHandler {
 public:
  CDataSet() = default;
  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "DataSet"; }

  const std::string& Description() const { return description_; }

 private:
  std::string description_;
};

// The root element, whatever its name: the whole table model of one
// Tables XML document.
class CDocument final : public CSAXEventHandler {
 public:
  CDocument();
  ~CDocument() override;
  CDocument(CDocument&&) noexcept;
  CDocument& operator=(CDocument&&) noexcept;

  // Also writes the image location and a non-zero LocaleId into the context.
  void OnStartElement(RenderContext& context, const xml::Attributes& attributes) override;
  CSAXEventHandler* CreateChildHandler(std::string_view local_name,
                                       const xml::Attributes& attributes) override;
  std::string_view GetElementName() const override { return "Document"; }

  const std::string& Description() const { return description_; }
  // Ends in "/", "\" or "=" unless empty.
  const std::string& ImageLocation() const { return image_location_; }
  // Each may be null when the document has no such element.
  const CDataSet* DataSet() const { return data_set_.get(); }
  CTables* Tables() const { return tables_.get(); }

 private:
  std::string description_;
  std::string image_location_;
  std::unique_ptr<CDataSet> data_set_;
  std::unique_ptr<CTables> tables_;
};

}  // namespace tabulo::tables
