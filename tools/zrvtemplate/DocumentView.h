// DocumentView.h - the loaded settings document as "zrvtemplate show" prints
// it: a readable layout for people and a JSON form for programs.
#ifndef ZRVTEMPLATE_DOCUMENTVIEW_H
#define ZRVTEMPLATE_DOCUMENTVIEW_H

#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

class CZRVReportItemManager;

namespace zrvtool {

/// The document as JSON: "header" (the [FileHeader] fields), "settings" (the
/// eight libraries in option-list order, each record with its name and
/// values), "extendedItems" (by position, with the row key of the position),
/// "modules" (the module list) and "sections" (one per module of the list, in
/// list order, with the items of that module in item-list order; items whose
/// module is not in the list follow in a section with a null tag). Two loads
/// of equal content give equal JSON.
nlohmann::ordered_json DocumentJson(const CZRVReportItemManager& Document);

/// Prints the document in a readable layout: the header, each setting
/// library with its records, the extended items, and the items grouped by
/// result section with their settings.
void PrintDocument(std::ostream& Out, const CZRVReportItemManager& Document);

/// The name show gives an item's output: "off", "PNG", "GIF" or "AVI" for 0
/// to 3; "?" for any other value.
const char* OutputName(int Output);

/// The name show gives an item's display mode: "surface result", "slicing",
/// "isosurface", "clipping" or "mode 4" for 0 to 4; "?" for any other value.
const char* DisplayModeName(int Mode);

/// A value of DocumentJson as show prints it: text as it is, reals with six
/// significant digits, lists joined by '-' (a percentage list reads
/// "25-50-75"), anything else as JSON.
std::string ValueText(const nlohmann::ordered_json& Value);

} // namespace zrvtool

#endif // ZRVTEMPLATE_DOCUMENTVIEW_H
