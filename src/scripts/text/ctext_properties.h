#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "xml/document.h"

namespace tabulo::text {

class PropertyValue;

// The export settings the text logic reads from the properties XML.
class CTextProperties {
 public:
  // Parses the properties XML and reads every property at once. Throws
  // ScriptError when it does not parse or when a property is missing or
  // does not convert.
  void SetPropertiesXML(std::string_view properties_xml);
  // Reads every property again from the document given last.
  void ReParse();

  const std::string& Destination() const { return destination_; }
  bool LaunchApplication() const { return launch_application_; }
  bool DisplayAnnotations() const { return display_annotations_; }
  bool UseElementLabels() const { return use_element_labels_; }
  bool UseVariableLabels() const { return use_variable_labels_; }
  // The delimiter characters (UTF-8) whose codes the properties hold.
  const std::string& FieldDelimiter() const { return field_delimiter_; }
  const std::string& TableDelimiter() const { return table_delimiter_; }
  bool Interactive() const { return interactive_; }
  bool OverwriteOutput() const { return overwrite_output_; }

 private:
  PropertyValue GetPropValue(std::string_view name) const;
  bool GetBoolean(std::string_view name) const;
  std::string GetDelimiter(std::string_view name) const;

  std::optional<xml::Document> document_;
  std::string destination_;
  bool launch_application_ = false;
  bool display_annotations_ = true;
  bool use_element_labels_ = true;
  bool use_variable_labels_ = true;
  std::string field_delimiter_ = "\t";
  std::string table_delimiter_ = "\f";
  bool interactive_ = false;
  bool overwrite_output_ = false;
};

}  // namespace tabulo::text
