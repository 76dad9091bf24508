// ZRVReportResultItemMap.cpp - the fill members of the result item catalogue,
// each one a call of the shared fill routine with its own key list.
#include "zrvreport/ZRVReportResultItemMap.h"

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"

#include <iterator>

CZRVReportResultItemMap::~CZRVReportResultItemMap() = default;

#define ZRV_DEFINE_FILL_MEMBER(Name)                                                               \
  void CZRVReportResultItemMap::Load##Name##Map(ZRVItemMap& Map, int clearFirst) {                 \
    zrv::FillItemMap(zrv::KeyList::Name, Map, clearFirst);                                         \
  }
ZRV_KEY_LISTS(ZRV_DEFINE_FILL_MEMBER)
#undef ZRV_DEFINE_FILL_MEMBER

namespace zrv {

KeyListMember FillMemberOf(KeyList List) {
  static constexpr KeyListMember Members[] = {
#define ZRV_FILL_MEMBER_ROW(Name) &CZRVReportResultItemMap::Load##Name##Map,
      ZRV_KEY_LISTS(ZRV_FILL_MEMBER_ROW)
#undef ZRV_FILL_MEMBER_ROW
  };
  const int Index = static_cast<int>(List);
  if (Index < 0 || Index >= static_cast<int>(std::size(Members)))
    return nullptr;
  return Members[Index];
}

} // namespace zrv
