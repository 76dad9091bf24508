// host_example.cpp - uses the library as a host application would: it prepares
// a report item with its named settings and prints what the report will do.
#include <zrvreport/zrvreport.h>

#include <cstdio>
#include <string>

namespace {
std::string narrow(const std::wstring& Text) { return std::string(Text.begin(), Text.end()); }
} // namespace

int main() {
  CZRVReportItem Item;
  Item.SetItemID(static_cast<ZRV_RESULT_ITEMS>(417));
  Item.SetItemName(L"MeltFrontTime");
  Item.SetModuleID(ZRV_MODULE_FLOW);
  Item.SetOutput(2);
  Item.SetDisplayMode(1);

  CZRVReportItem::tagSLICESETTING Slice;
  Slice.Name = L"Mid_Z";
  Slice.SliceZ = 1;
  Item.SetSlicingSetting(Slice);
  Item.SetSlicingName(Slice.Name.c_str());

  for (const wchar_t* View : {L"Top", L"Side"}) {
    CZRVReportItem::tagVIEWSETTING Record;
    Record.Name = View;
    Item.SetManyViewName(View);
    Item.SetManyView(Record);
  }

  std::printf("item %d %s (module %d): output %d, display mode %d, slice mode %d\n",
              static_cast<int>(Item.GetItemID()), narrow(Item.GetItemName()).c_str(),
              static_cast<int>(Item.GetModuleID()), Item.GetOutput(), Item.GetDisplayMode(),
              static_cast<int>(Item.GetSliceMode()));
  for (int I = 0; I < Item.GetViewCount(); ++I)
    std::printf("  view %d: %s\n", I, narrow(Item.GetViewNameByIndex(I)).c_str());
  return 0;
}
