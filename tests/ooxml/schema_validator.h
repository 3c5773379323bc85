#pragma once

// Validates Office Open XML parts against the transitional schemas of this
// folder, from memory. The schema set is compiled once per process.

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tabulo::testing {

class OoxmlSchemaValidator {
 public:
  // `schema_path` is local/ooxml-all.xsd of this folder.
  static const OoxmlSchemaValidator& Get(const std::string& schema_path) {
    // Compiled on first use; later calls get the same set whatever path they pass.
    static const OoxmlSchemaValidator instance(schema_path);
    return instance;
  }

  // The errors of one part (empty when it is valid); `name` prefixes them.
  std::vector<std::string> Validate(std::string_view name, std::string_view xml) const {
    std::vector<std::string> errors;
    xmlDocPtr document = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), nullptr, nullptr,
                                       XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (document == nullptr) {
      errors.push_back(std::string(name) + ": not well-formed");
      return errors;
    }
    xmlSchemaValidCtxtPtr context = xmlSchemaNewValidCtxt(schema_);
    Sink sink{&errors, std::string(name)};
    xmlSchemaSetValidStructuredErrors(context, &OoxmlSchemaValidator::Collect, &sink);
    const int result = xmlSchemaValidateDoc(context, document);
    if (result != 0 && errors.empty()) errors.push_back(std::string(name) + ": invalid");
    xmlSchemaFreeValidCtxt(context);
    xmlFreeDoc(document);
    return errors;
  }

  OoxmlSchemaValidator(const OoxmlSchemaValidator&) = delete;
  OoxmlSchemaValidator& operator=(const OoxmlSchemaValidator&) = delete;
  ~OoxmlSchemaValidator() { xmlSchemaFree(schema_); }

 private:
  struct Sink {
    std::vector<std::string>* errors;
    std::string name;
  };

  explicit OoxmlSchemaValidator(const std::string& schema_path) {
    // Other code of the process may have shut the entity loader for safety;
    // the schema's own imports are local files and need the plain one.
    xmlInitParser();
    const xmlExternalEntityLoader previous = xmlGetExternalEntityLoader();
    xmlSetExternalEntityLoader(xmlNoNetExternalEntityLoader);
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(schema_path.c_str());
    xmlSchemaSetParserStructuredErrors(parser, &OoxmlSchemaValidator::Ignore, nullptr);
    schema_ = xmlSchemaParse(parser);
    xmlSchemaFreeParserCtxt(parser);
    xmlSetExternalEntityLoader(previous);
    if (schema_ == nullptr) throw std::runtime_error("the OOXML schemas did not compile: " + schema_path);
  }

  static void Ignore(void*, xmlErrorPtr) {}

  static void Collect(void* user_data, xmlErrorPtr error) {
    auto* sink = static_cast<Sink*>(user_data);
    if (error == nullptr || error->level < XML_ERR_ERROR) return;
    std::string message = error->message != nullptr ? error->message : "error";
    while (!message.empty() && message.back() == '\n') message.pop_back();
    sink->errors->push_back(sink->name + ":" + std::to_string(error->line) + ": " + message);
  }

  xmlSchemaPtr schema_ = nullptr;
};

}  // namespace tabulo::testing
