#pragma once

#include <string_view>

// Namespaces, relationship types, content types and part names of a
// SpreadsheetML package.
namespace tabulo::office::sml {

inline constexpr std::string_view kMainNamespace =
    "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
inline constexpr std::string_view kDrawingNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing";
inline constexpr std::string_view kDrawingMainNamespace =
    "http://schemas.openxmlformats.org/drawingml/2006/main";

inline constexpr std::string_view kWorksheetRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
inline constexpr std::string_view kStylesRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline constexpr std::string_view kSharedStringsRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings";
inline constexpr std::string_view kDrawingRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";

inline constexpr std::string_view kWorkbookContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml";
inline constexpr std::string_view kWorksheetContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml";
inline constexpr std::string_view kStylesContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml";
inline constexpr std::string_view kSharedStringsContentType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml";
inline constexpr std::string_view kDrawingContentType =
    "application/vnd.openxmlformats-officedocument.drawing+xml";

inline constexpr std::string_view kWorkbookPart = "xl/workbook.xml";
inline constexpr std::string_view kStylesPart = "xl/styles.xml";
inline constexpr std::string_view kSharedStringsPart = "xl/sharedStrings.xml";

}  // namespace tabulo::office::sml
