// FuzzReader.cpp - every entry point of the template reader and the header-only
// load on arbitrary file contents. Beyond "no crash, no leak, no undefined
// behaviour" it checks what every load promises whatever the file holds:
// - a load of a file that opens returns 1; the header load returns 0 or 1 and,
//   with 0, leaves the document as it was;
// - the named member and the generic Load with the same flags load the same;
// - the libraries hold exactly the file's settings: a setting the document held
//   before the load survives only when the file names it;
// - every item a load appends has a catalogue id, a module of the module list
//   and only setting names that its document's libraries hold, and every name
//   and text stays within 255 characters;
// - a melt-front record holds at most 100 percentages.
#include "FuzzSupport.h"

#include <set>

namespace {

constexpr std::size_t NameLimit = 255;

template <typename CountFn, typename OptionFn>
void checkOptionNames(const CZRVReportItemManager& Doc, CountFn Count, OptionFn Option,
                      const zrvfuzz::Selection& In) {
  for (int I = 0; I < (Doc.*Count)(); ++I) {
    static wchar_t Name[4096];
    Name[0] = 0;
    ZRVFUZZ_CHECK((Doc.*Option)(I, Name) == 1);
    std::wstring Text = Name;
    ZRVFUZZ_CHECK(!Text.empty() && Text.size() <= NameLimit);
    if (Text == zrvfuzz::PrefillName)
      ZRVFUZZ_CHECK(zrvfuzz::contains(In.File, In.FileSize, "ZzPrefilled"));
  }
}

/// The names a library's option list holds.
std::set<std::wstring> optionNames(const CZRVReportItemManager& Doc,
                                   int (CZRVReportItemManager::*Count)() const,
                                   int (CZRVReportItemManager::*Option)(int, wchar_t*) const) {
  std::set<std::wstring> Names;
  for (int I = 0; I < (Doc.*Count)(); ++I) {
    static wchar_t Buffer[4096];
    Buffer[0] = 0;
    (Doc.*Option)(I, Buffer);
    Names.insert(Buffer);
  }
  return Names;
}

void checkDocument(const CZRVReportItemManager& Doc, int FirstNewItem,
                   const zrvfuzz::Selection& In) {
  using M = CZRVReportItemManager;
  checkOptionNames(Doc, &M::GetViewOptionCount, &M::GetViewOption, In);
  checkOptionNames(Doc, &M::GetClippingOptionCount, &M::GetClippingOption, In);
  checkOptionNames(Doc, &M::GetSlicingOptionCount, &M::GetSlicingOption, In);
  checkOptionNames(Doc, &M::GetObjectOptionCount, &M::GetObjectOption, In);
  checkOptionNames(Doc, &M::GetCaptureOptionCount, &M::GetCaptureOption, In);
  checkOptionNames(Doc, &M::GetMeltOptionCount, &M::GetMeltOption, In);
  checkOptionNames(Doc, &M::GetAnimationOptionCount, &M::GetAnimationOption, In);
  checkOptionNames(Doc, &M::GetImageOptionCount, &M::GetImageOption, In);

  for (int I = 0; I < Doc.GetMeltOptionCount(); ++I) {
    static wchar_t Name[4096];
    Doc.GetMeltOption(I, Name);
    auto Melt = Doc.GetMeltSetting(Name);
    ZRVFUZZ_CHECK(Melt.Count >= 1 && Melt.Count <= 100);
  }
  for (int I = 0; I < Doc.GetItemExCount(); ++I) {
    CZRVReportItemEx Entry;
    ZRVFUZZ_CHECK(Doc.GetItemEx(I, Entry) == 1);
    ZRVFUZZ_CHECK(Entry.MeltCapture.Count >= 0 && Entry.MeltCapture.Count <= 100);
    ZRVFUZZ_CHECK(Entry.Output == 0 || Entry.Output == 1);
    for (const std::wstring* Text :
         {&Entry.MeltName, &Entry.PPTTemplatePath, &Entry.AnimationName, &Entry.ImageName})
      ZRVFUZZ_CHECK(Text->size() <= NameLimit);
  }

  std::vector<int> Modules;
  Doc.GetModuleIDList(Modules);
  const auto Clippings = optionNames(Doc, &M::GetClippingOptionCount, &M::GetClippingOption);
  const auto Views = optionNames(Doc, &M::GetViewOptionCount, &M::GetViewOption);
  const auto Objects = optionNames(Doc, &M::GetObjectOptionCount, &M::GetObjectOption);
  const auto Captures = optionNames(Doc, &M::GetCaptureOptionCount, &M::GetCaptureOption);
  const auto Slicings = optionNames(Doc, &M::GetSlicingOptionCount, &M::GetSlicingOption);
  for (int I = FirstNewItem; I < Doc.GetItemCount(); ++I) {
    CZRVReportItem Item;
    ZRVFUZZ_CHECK(Doc.GetItem(I, Item) == 1);
    ZRVFUZZ_CHECK(Item.GetItemID() >= 1 && Item.GetItemID() <= 1598);
    bool Listed = false;
    for (int Module : Modules)
      Listed = Listed || Module == Item.GetModuleID();
    ZRVFUZZ_CHECK(Listed);
    ZRVFUZZ_CHECK(Item.GetOutput() >= 0 && Item.GetOutput() <= 3);
    ZRVFUZZ_CHECK(Item.GetDisplayMode() >= 0 && Item.GetDisplayMode() <= 4);
    ZRVFUZZ_CHECK(Item.GetItemCountOf1Page() != 0);
    ZRVFUZZ_CHECK(!Item.GetItemSaveName().empty() && Item.GetItemSaveName().size() <= NameLimit);
    ZRVFUZZ_CHECK(Item.GetTagName().size() <= NameLimit);
    auto check = [&](const std::wstring& Name, const std::set<std::wstring>& Names) {
      ZRVFUZZ_CHECK(Name.size() <= NameLimit);
      if (!Name.empty())
        ZRVFUZZ_CHECK(Names.count(Name) == 1);
    };
    check(Item.GetClippingName(), Clippings);
    check(Item.GetViewName(), Views);
    check(Item.GetObjectName(), Objects);
    check(Item.GetCaptureName(), Captures);
    check(Item.GetSlicingName(), Slicings);
    for (int V = 0; V < Item.GetViewCount(); ++V)
      check(Item.GetViewNameByIndex(V), Views);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zrvfuzz::Selection In = zrvfuzz::select(Data, Size);
  std::wstring Path = zrvfuzz::ScratchFolder::get().write("input.csv", In.File, In.FileSize);
  // Diagnostics go nowhere: a load of a file that opens sends none, and the
  // fuzzer's output stays readable.
  static bool Quiet = (ZRVSetDiagnosticSink([](const std::wstring&) {}), true);
  (void)Quiet;

  CZRVReportTemplateReader Reader;
  CZRVReportItemManager Doc;
  if (In.Prefilled)
    zrvfuzz::prefill(Doc);
  int ItemsBefore = Doc.GetItemCount();
  zrvfuzz::Dump Exact(zrvfuzz::Reals::Exact);
  bool HeaderOnly = In.Loader == static_cast<int>(ZRV_LOAD_COUNT);
  // Only the header load promises to leave a document as it was.
  std::string Before = HeaderOnly ? Exact.of(Doc) : std::string();
  int Result = In.Named || HeaderOnly
                   ? zrvfuzz::loadNamed(Reader, In.Loader, Path.c_str(), &Doc, In.FlagA, In.FlagB)
                   : Reader.Load(static_cast<ZRV_TEMPLATE_LOADER>(In.Loader), Path.c_str(), &Doc,
                                 In.FlagA, In.FlagB);
  if (zrvfuzz::notUtf8Text(In.File, In.FileSize)) {
    // Refused before anything is read: the document stays as it was.
    ZRVFUZZ_CHECK(Result == 0);
    ZRVFUZZ_CHECK(Doc.GetItemCount() == ItemsBefore);
    return 0;
  }
  if (HeaderOnly) {
    ZRVFUZZ_CHECK(Result == 0 || Result == 1);
    if (Result == 0)
      ZRVFUZZ_CHECK(Exact.of(Doc) == Before);
    else
      ZRVFUZZ_CHECK(zrvfuzz::contains(In.File, In.FileSize, "[FileHeader]"));
    return 0;
  }
  ZRVFUZZ_CHECK(Result == 1);
  checkDocument(Doc, ItemsBefore, In);

  if (In.Named) {
    // The generic member runs the same load.
    CZRVReportItemManager Same;
    if (In.Prefilled)
      zrvfuzz::prefill(Same);
    ZRVFUZZ_CHECK(Reader.Load(static_cast<ZRV_TEMPLATE_LOADER>(In.Loader), Path.c_str(), &Same,
                              In.FlagA, In.FlagB) == 1);
    ZRVFUZZ_CHECK(Exact.of(Same) == Exact.of(Doc));
  }
  return 0;
}
