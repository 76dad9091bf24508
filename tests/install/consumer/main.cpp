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
  // What a template checker asks of the format, through the public interface.
  ZRVTemplateLoaderCall Call;
  if (!ZRVTemplateLoaderOf(0, 4, 0, 0, 0, Call) || Call.Loader != ZRV_LOAD_SOLID_ICM ||
      ZRVTemplateLoaderName(Call.Loader) != L"LoadSolidICM")
    return 2;
  std::vector<ZRVTemplateSectionKeys> Read = ZRVTemplateLoaderSections(Call.Loader, 0);
  if (Read.empty() || Read.front().Keys.empty() || ZRVTemplateSections().back().Tag != L"[EOF]")
    return 3;
  if (ZRVTemplateReaderLimits().ItemLineFieldCounts != std::vector<int>{11, 12, 14, 15, 16})
    return 4;
  std::puts("consumer ok");
  return 0;
}
