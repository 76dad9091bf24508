// Selection.h - which key list resolves each result section for each entry
// point of the template reader, and which sections each entry point accepts.
#ifndef ZRVREPORT_CATALOGUE_SELECTION_H
#define ZRVREPORT_CATALOGUE_SELECTION_H

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/KeyLists.h"
#include "zrvreport/ZRVReportResultItemMap.h"
#include "zrvreport/ZRVResultItems.h"

namespace zrv {

/// The entry points of the template reader, one per project type.
/// SolidGAIM and SolidWAIM are separate values with the same sections.
enum class ReaderEntryPoint : int {
  ShellInjection,
  ShellRIM,
  ShellGasIn,
  SolidInjection,
  SolidRIM,
  SolidICPackage,
  SolidGasIn,
  SolidCOIM,
  SolidICM,
  SolidMCIM,
  SolidCM,
  SolidGAIM,
  SolidWAIM,
  SolidPIM,
  SolidBIIM,
  SolidRTM,
  SolidCFM,
  Count
};

/// The name of the reader member of \p Entry ("LoadSolidICM"); the empty string
/// for a value outside the enumeration.
const wchar_t* EntryPointName(ReaderEntryPoint Entry);

/// True for the entry points that, after the file, fill every item's
/// several-view records (every solid entry point); false for the three shell
/// entry points and for a value outside the enumeration.
bool SetsManyViewData(ReaderEntryPoint Entry);

/// The result sections that \p Entry accepts, in the order of its dispatch
/// chain (for LoadSolidICPackage: 0, 1, 20, 17, 3, 4, 6, 7, 13). Empty for a
/// value outside the enumeration.
std::vector<ZRV_RESULT_MODULES> AcceptedSections(ReaderEntryPoint Entry);

/// The key lists that resolve one result section.
struct SectionLists {
  /// The list filled (cleared first) when the section's tag is met;
  /// KeyList::None when the entry point does not accept the section.
  KeyList List = KeyList::None;
  /// Entries added after List with insert-if-absent, or KeyList::None. Only
  /// LoadSolidCM without the thermoset flag has one, for [FlowResult]:
  /// KeyList::SolidCMFlowExtra.
  KeyList Extra = KeyList::None;

  /// True when the entry point accepts the section.
  bool accepted() const { return List != KeyList::None; }
};

/// The lists that resolve section \p Module (a ZRV_RESULT_MODULES value) for
/// \p Entry. \p Thermoset is the thermoset flag of LoadSolidICM, LoadSolidCM,
/// LoadSolidPIM and LoadSolidCFM (non-zero means thermoset); the other entry
/// points take no flag and ignore it. A section the entry point does not
/// accept, an unknown module or an entry point outside the enumeration gives
/// both lists KeyList::None.
SectionLists SelectSectionLists(ReaderEntryPoint Entry, int Thermoset, int Module);

/// A fill member of the catalogue.
using KeyListMember = void (CZRVReportResultItemMap::*)(ZRVItemMap&, int);

/// The fill member of \p List (&CZRVReportResultItemMap::LoadModelMap for
/// KeyList::Model); nullptr for KeyList::None and KeyList::SolidCMFlowExtra,
/// which have no member.
KeyListMember FillMemberOf(KeyList List);

/// Fills \p Map for a result section as the reader does each time it meets the
/// section's tag: calls the fill member of \p Lists.List on \p Catalogue with
/// clearFirst set (the map holds exactly that list), then inserts the entries
/// of \p Lists.Extra that are missing. Returns 1; returns 0 and leaves the map
/// untouched when \p Lists.List has no fill member (a section not accepted).
int FillSectionMap(CZRVReportResultItemMap& Catalogue, const SectionLists& Lists, ZRVItemMap& Map);

/// The keys of a result section ready for lookups: the same keys and ids that
/// FillSectionMap puts in a map (an entry of List wins over an entry of Extra
/// with the same key), held in a hash table over the catalogue's own key texts.
class SectionKeys {
public:
  explicit SectionKeys(const SectionLists& Lists);

  /// Sets \p Id to the id of \p Key and returns true; false, with \p Id
  /// untouched, when the section's lists do not hold the key. Keys compare
  /// exactly, as in the map.
  bool find(std::wstring_view Key, ZRV_RESULT_ITEMS& Id) const;
  /// The same for a key given as UTF-8 bytes, as an item line holds it: the
  /// answer for the text the bytes decode to, without decoding them (bytes
  /// that are not well-formed decode to a U+FFFD, which no key holds).
  bool find(std::string_view Utf8Key, ZRV_RESULT_ITEMS& Id) const;

  std::size_t size() const { return Ids.size(); }

private:
  std::vector<std::string> KeyBytes;                          ///< each key's UTF-8 bytes, once
  std::unordered_map<std::string_view, ZRV_RESULT_ITEMS> Ids; ///< by a key's bytes
};

/// The keys of the section that \p Lists resolve, built on first use and kept
/// for the life of the program, so that a load does not build a map for every
/// section tag it meets (safe to call from several threads). Null when
/// \p Lists.List has no fill member, where FillSectionMap leaves its map
/// untouched.
const SectionKeys* SectionKeysOf(const SectionLists& Lists);

} // namespace zrv

#endif // ZRVREPORT_CATALOGUE_SELECTION_H
