// DocumentView.h - the loaded settings document as "zrvtemplate show" prints
// it: a readable layout for people and a JSON form for programs.
#ifndef ZRVTEMPLATE_DOCUMENTVIEW_H
#define ZRVTEMPLATE_DOCUMENTVIEW_H

#include <ostream>

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

} // namespace zrvtool

#endif // ZRVTEMPLATE_DOCUMENTVIEW_H
