// CatalogueView.cpp - fills each section's item map as the reader does and
// lists it.
#include "CatalogueView.h"

#include <algorithm>

#include "TextUtil.h"
#include "zrvreport/ZRVTemplateFormat.h"

namespace zrvtool {

std::vector<CatalogueSection> CatalogueOf(ZRV_TEMPLATE_LOADER Loader, int Thermoset) {
  std::vector<CatalogueSection> Result;
  for (const ZRVTemplateSectionKeys& Keys : ZRVTemplateLoaderSections(Loader, Thermoset)) {
    CatalogueSection Section;
    Section.Tag = Utf8(Keys.Tag);
    Section.Module = Keys.Module;
    Section.ListName = Utf8(Keys.ListName);
    for (const auto& [Key, Id] : Keys.Keys)
      Section.Keys.emplace_back(Utf8(Key), Id);
    std::stable_sort(Section.Keys.begin(), Section.Keys.end(),
                     [](const auto& A, const auto& B) { return A.second < B.second; });
    Result.push_back(std::move(Section));
  }
  return Result;
}

nlohmann::ordered_json CatalogueJson(const std::vector<CatalogueSection>& Sections) {
  nlohmann::ordered_json List = nlohmann::ordered_json::array();
  for (const CatalogueSection& Section : Sections) {
    nlohmann::ordered_json Keys = nlohmann::ordered_json::array();
    for (const auto& [Key, Id] : Section.Keys)
      Keys.push_back({{"key", Key}, {"id", Id}});
    List.push_back({{"tag", Section.Tag},
                    {"module", Section.Module},
                    {"list", Section.ListName},
                    {"keys", Keys}});
  }
  return List;
}

void PrintCatalogue(std::ostream& Out, const std::vector<CatalogueSection>& Sections) {
  bool First = true;
  for (const CatalogueSection& Section : Sections) {
    if (!First)
      Out << "\n";
    First = false;
    Out << Section.Tag << " module " << Section.Module << ", list " << Section.ListName << ", "
        << Section.Keys.size() << " keys\n";
    for (const auto& [Key, Id] : Section.Keys)
      Out << "  " << Key << " " << Id << "\n";
  }
}

} // namespace zrvtool
