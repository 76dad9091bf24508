// A host program built against the installed library.
#include <zrvreport/zrvreport.h>

#include <cstdio>

int main() {
  CZRVReportItem Item;
  Item.SetItemName(L"MeltFrontTime");
  Item.SetOutput(2);
  CZRVReportItem Copy(Item);
  if (Copy.GetOutput() != 2 || Copy.GetItemName() != L"MeltFrontTime")
    return 1;
  std::puts("consumer ok");
  return 0;
}
