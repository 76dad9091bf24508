// CatalogueView.h - the result item keys that each result section of a project
// type accepts, as "zrvtemplate catalogue" lists them.
#ifndef ZRVTEMPLATE_CATALOGUEVIEW_H
#define ZRVTEMPLATE_CATALOGUEVIEW_H

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "zrvreport/ZRVReportTemplateReader.h"

namespace zrvtool {

/// One result section of a project type with the keys its item lines may use.
struct CatalogueSection {
  std::string Tag;      ///< "[FlowResult]"
  int Module = -1;      ///< its module id
  std::string ListName; ///< the key list(s) that fill it ("SolidICMFlow+SolidCMFlowExtra")
  /// Key and result item id, exactly the map the reader resolves the section
  /// with, ordered by id and then by key.
  std::vector<std::pair<std::string, int>> Keys;
};

/// The sections that \p Loader reads, in its chain order, each with its keys
/// (thermoset lists when \p Thermoset is non-zero).
std::vector<CatalogueSection> CatalogueOf(ZRV_TEMPLATE_LOADER Loader, int Thermoset);

/// The sections as JSON: an array of {"tag", "module", "list", "keys": [{"key",
/// "id"}]}.
nlohmann::ordered_json CatalogueJson(const std::vector<CatalogueSection>& Sections);

/// One block per section: the tag with the list name and key count, then one
/// "key id" line per key.
void PrintCatalogue(std::ostream& Out, const std::vector<CatalogueSection>& Sections);

} // namespace zrvtool

#endif // ZRVTEMPLATE_CATALOGUEVIEW_H
