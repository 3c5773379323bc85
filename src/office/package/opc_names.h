#pragma once

#include <string_view>

// Namespaces, relationship types and content types of the packaging layer
// and of the parts every Office document carries.
namespace tabulo::office::opc {

inline constexpr std::string_view kContentTypesNamespace =
    "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr std::string_view kRelationshipsNamespace =
    "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr std::string_view kOfficeRelationshipsNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

inline constexpr std::string_view kOfficeDocumentRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr std::string_view kCorePropertiesRelationship =
    "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
inline constexpr std::string_view kExtendedPropertiesRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties";

inline constexpr std::string_view kRelationshipsContentType =
    "application/vnd.openxmlformats-package.relationships+xml";
inline constexpr std::string_view kXmlContentType = "application/xml";
inline constexpr std::string_view kCorePropertiesContentType =
    "application/vnd.openxmlformats-package.core-properties+xml";
inline constexpr std::string_view kExtendedPropertiesContentType =
    "application/vnd.openxmlformats-officedocument.extended-properties+xml";

}  // namespace tabulo::office::opc
