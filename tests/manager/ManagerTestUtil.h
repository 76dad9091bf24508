// ManagerTestUtil.h - helpers shared by the settings document's tests: items
// made in one call, copies read back, option lists and buffer texts as values.
#ifndef ZRVREPORT_TESTS_MANAGER_MANAGERTESTUTIL_H
#define ZRVREPORT_TESTS_MANAGER_MANAGERTESTUTIL_H

#include "TemplateTestSupport.h"

namespace mtest {

using Item = CZRVReportItem;
using ItemEx = CZRVReportItemEx;
using Manager = CZRVReportItemManager;
using Names = std::vector<std::wstring>;
/// A getter's result and the text it left in a buffer that held "untouched".
using Answer = std::pair<int, std::wstring>;

using zrvtest::itemAt;
using zrvtest::options;
using zrvtest::text;

constexpr auto Id(int Value) { return static_cast<ZRV_RESULT_ITEMS>(Value); }

inline Item makeItem(int ItemID, int Module, const wchar_t* Name = L"",
                     const wchar_t* SaveName = L"") {
  Item Result;
  Result.SetItemID(Id(ItemID));
  Result.SetModuleID(static_cast<ZRV_RESULT_MODULES>(Module));
  Result.SetItemName(Name);
  Result.SetItemSaveName(SaveName);
  return Result;
}

inline ItemEx itemExAt(const Manager& M, int Index) {
  ItemEx Result;
  EXPECT_EQ(M.GetItemEx(Index, Result), 1) << Index;
  return Result;
}

inline Manager withExtendedItems(int Count) {
  Manager M;
  for (int I = 0; I < Count; ++I)
    M.AddItemEx(ItemEx());
  return M;
}

/// A buffer getter's result and text: got(M, &Manager::GetViewName, Id(5)).
template <typename... P, typename... A>
Answer got(const Manager& M, int (Manager::*Get)(P...) const, A... Args) {
  wchar_t Buf[256] = L"untouched";
  const int Result = (M.*Get)(Args..., Buf);
  return {Result, Buf};
}

} // namespace mtest

#endif // ZRVREPORT_TESTS_MANAGER_MANAGERTESTUTIL_H
