// FuzzRoundTrip.cpp - whatever a template load makes of arbitrary file
// contents, the template writer saves it and the reader loads it back, and
// repeated loads and saves settle on a fixed point:
// - The first save writes what the format can hold (a name field that did not
//   resolve is dropped, X, Y, Z are the slice flags, values keep six
//   significant digits).
// - A module listed twice, or out of the file order of the result sections, is
//   written where the list puts it, and the reader passes over a section that
//   comes after a later one; each load and save can therefore drop some of
//   the module list's repeats. The module list never grows, and once a save
//   writes the bytes of the save before it, the two documents that made them
//   are the same, field by field, in all that a file holds. A file does not
//   hold the X, Y, Z values the items were given (a line holds the slice
//   flags there, and a FileVersion 1000 file reads the numbers but not the
//   slicing name), nor extended items from position 6 on (a module without a
//   tag is written under an empty tag line, and its lines then load as
//   [ResultEx] rows); and an item line holds the view list and the item count
//   of one page of the first item with the same item id and module id. In the
//   later document the X, Y, Z values are the slice flags and at most six
//   extended items remain. That point is reached
//   within as many rounds as the module list had entries, plus one. An IC
//   package load with the underfill or compression flag removes one item of
//   each dropped key per section, while a module listed several times writes
//   its items under each of its tags (so the first rounds may multiply them):
//   there, each round must leave at most as many rounds to go as its
//   document has modules and items, plus two, and only the first
//   RemovalRounds rounds are run (a file of many such items would take as
//   many rounds, each loading and saving it again).
// A save that is refused (a line or a name beyond what the reader can read
// back) must leave no file behind; such inputs are not taken further.
#include "FuzzSupport.h"

#include "zrvreport/ZRVReportSettingWriter.h"

#include <algorithm>

namespace {

/// The rounds run for an IC package load that removes items.
constexpr int RemovalRounds = 16;

/// Saves \p Doc to \p Path through a writer; the document's own project path
/// names the file written.
int save(CZRVReportItemManager& Doc, const std::wstring& Path) {
  Doc.SetProjectPath(Path.c_str());
  CZRVReportSettingWriter Writer(&Doc);
  return Writer.SaveTemplate(Path.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zrvfuzz::Selection In = zrvfuzz::select(Data, Size);
  if (In.Loader == static_cast<int>(ZRV_LOAD_COUNT))
    return 0; // the header-only load builds no document to save
  zrvfuzz::ScratchFolder& Scratch = zrvfuzz::ScratchFolder::get();
  const std::wstring Input = Scratch.write("input.csv", In.File, In.FileSize);
  const std::wstring First = Scratch.path("first.csv");
  const std::wstring Second = Scratch.path("second.csv");
  static bool Quiet = (ZRVSetDiagnosticSink([](const std::wstring&) {}), true);
  (void)Quiet;

  const auto Loader = static_cast<ZRV_TEMPLATE_LOADER>(In.Loader);
  CZRVReportTemplateReader Reader;
  CZRVReportItemManager Loaded;
  if (zrvfuzz::notUtf8Text(In.File, In.FileSize)) {
    ZRVFUZZ_CHECK(Reader.Load(Loader, Input.c_str(), &Loaded, In.FlagA, In.FlagB) == 0);
    return 0; // refused: nothing loaded to save
  }
  ZRVFUZZ_CHECK(Reader.Load(Loader, Input.c_str(), &Loaded, In.FlagA, In.FlagB) == 1);
  std::remove(std::string(First.begin(), First.end()).c_str());
  if (save(Loaded, First) == 0) {
    ZRVFUZZ_CHECK(Scratch.read("first.csv").empty());
    return 0;
  }

  // Load and save again until a save repeats the bytes of the one before.
  int Rounds = Loaded.GetModuleCount() + 1;
  const bool Removes = Loader == ZRV_LOAD_SOLID_ICPACKAGE && (In.FlagA == 1 || In.FlagB == 1);
  std::string Previous = Scratch.read("first.csv");
  CZRVReportItemManager Before(Loaded);
  for (int Round = 0;; ++Round) {
    if (Removes && Round == RemovalRounds)
      return 0; // settling may take as many rounds as there are items
    ZRVFUZZ_CHECK(Round <= Rounds);
    CZRVReportItemManager Again;
    ZRVFUZZ_CHECK(Reader.Load(Loader, First.c_str(), &Again, In.FlagA, In.FlagB) == 1);
    ZRVFUZZ_CHECK(Again.GetModuleCount() <= Before.GetModuleCount());
    if (Removes)
      Rounds = std::max(Rounds, Round + Again.GetModuleCount() + Again.GetItemCount() + 2);
    ZRVFUZZ_CHECK(save(Again, Second) == 1);
    std::string Bytes = Scratch.read("second.csv");
    if (Bytes == Previous) {
      if (Round > 0) {
        zrvfuzz::Dump Exact(zrvfuzz::Reals::Exact, true);
        Again.SetProjectPath(First.c_str());
        ZRVFUZZ_CHECK(Exact.of(Again) == Exact.of(Before));
        ZRVFUZZ_CHECK(Again.GetItemExCount() <= 6);
        for (int I = 0; I < Again.GetItemCount(); ++I) {
          CZRVReportItem Item;
          Again.GetItem(I, Item);
          ZRVFUZZ_CHECK(Item.GetParameterValueX() == Item.GetParameterX());
          ZRVFUZZ_CHECK(Item.GetParameterValueY() == Item.GetParameterY());
          ZRVFUZZ_CHECK(Item.GetParameterValueZ() == Item.GetParameterZ());
        }
      }
      return 0;
    }
    Scratch.write("first.csv", reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size());
    Previous = std::move(Bytes);
    Before = Again;
    Before.SetProjectPath(First.c_str());
  }
}
