// FuzzSupport.h - what the template fuzzers share: the scratch file each
// input is written to, the choice of entry point and flags from the first
// bytes of an input, and a canonical text dump of a whole settings document
// through its public getters, so that two documents can be compared.
#ifndef ZRVREPORT_FUZZ_FUZZSUPPORT_H
#define ZRVREPORT_FUZZ_FUZZSUPPORT_H

#include "zrvreport/zrvreport.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace zrvfuzz {

/// Stops the fuzzer with a message: a finding.
[[noreturn]] inline void fail(const char* What) {
  std::fprintf(stderr, "zrvfuzz: property violated: %s\n", What);
  std::fflush(stderr);
  std::abort();
}

#define ZRVFUZZ_CHECK(Condition)                                                                   \
  do {                                                                                             \
    if (!(Condition))                                                                              \
      ::zrvfuzz::fail(#Condition);                                                                 \
  } while (false)

/// One file per process in a private temporary folder (in /dev/shm when it
/// can be written), overwritten for every input (writing a new file per input would cost more than
/// the load). The folder goes when the process ends normally.
class ScratchFolder {
public:
  static ScratchFolder& get() {
    static ScratchFolder Folder;
    return Folder;
  }
  /// Writes \p Bytes to the file \p Name in the folder and returns its path.
  std::wstring write(const char* Name, const std::uint8_t* Bytes, std::size_t Size) {
    std::filesystem::path Path = Root / Name;
    std::FILE* File = std::fopen(Path.c_str(), "wb");
    if (!File)
      fail("cannot write the scratch file");
    if (Size && std::fwrite(Bytes, 1, Size, File) != Size)
      fail("cannot write the scratch file");
    std::fclose(File);
    return Path.wstring();
  }
  std::wstring path(const char* Name) const { return (Root / Name).wstring(); }
  std::string read(const char* Name) const {
    std::string Bytes;
    std::FILE* File = std::fopen((Root / Name).c_str(), "rb");
    if (!File)
      return Bytes;
    char Buffer[4096];
    for (std::size_t Got; (Got = std::fread(Buffer, 1, sizeof(Buffer), File)) > 0;)
      Bytes.append(Buffer, Got);
    std::fclose(File);
    return Bytes;
  }

private:
  ScratchFolder() {
    // A memory file system where there is one: the file is rewritten for
    // every input.
    std::error_code Error;
    std::filesystem::path Base =
        std::filesystem::is_directory("/dev/shm", Error) && ::access("/dev/shm", W_OK) == 0
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
    std::string Pattern = (Base / "zrvfuzz_XXXXXX").string();
    if (!::mkdtemp(Pattern.data()))
      fail("cannot create the scratch folder");
    Root = Pattern;
  }
  ~ScratchFolder() {
    std::error_code Ignored;
    std::filesystem::remove_all(Root, Ignored);
  }
  std::filesystem::path Root;
};

/// The load an input asks for: its first two bytes choose the entry point
/// and the flags, the rest is the file.
struct Selection {
  /// A loader of the enumeration, or ZRV_LOAD_COUNT for LoadTemplateFileHeader.
  int Loader = 0;
  int FlagA = 0;
  int FlagB = 0;
  /// Call the named member (LoadSolidICM ...) instead of the generic Load.
  bool Named = false;
  /// Load into a document that already holds settings and items.
  bool Prefilled = false;
  const std::uint8_t* File = nullptr;
  std::size_t FileSize = 0;
};

/// Byte 0: the loader (modulo the 17 loaders and the header load). Byte 1:
/// bits 0-1 flag A, bits 2-3 flag B, each one of 0, 1, 2, -1 (only 1 counts
/// as set for the IC package flags; any non-zero value for the thermoset
/// flag); bit 4 the named member; bit 5 a prefilled document. Shorter inputs
/// use solid injection with no flags and take all bytes as the file.
inline Selection select(const std::uint8_t* Data, std::size_t Size) {
  static constexpr int Flags[4] = {0, 1, 2, -1};
  Selection S;
  S.File = Data;
  S.FileSize = Size;
  if (Size < 2) {
    S.Loader = ZRV_LOAD_SOLID_INJECTION;
    return S;
  }
  S.Loader = Data[0] % (static_cast<int>(ZRV_LOAD_COUNT) + 1);
  S.FlagA = Flags[Data[1] & 3];
  S.FlagB = Flags[(Data[1] >> 2) & 3];
  S.Named = (Data[1] & 0x10) != 0;
  S.Prefilled = (Data[1] & 0x20) != 0;
  S.File = Data + 2;
  S.FileSize = Size - 2;
  return S;
}

/// Runs the named member of \p Loader with its flags (flag A is the
/// thermoset flag, or the underfill flag of the IC package loader; flag B its
/// encapsulation flag).
inline int loadNamed(CZRVReportTemplateReader& Reader, int Loader, const wchar_t* Path,
                     CZRVReportItemManager* Doc, int FlagA, int FlagB) {
  switch (Loader) {
  case ZRV_LOAD_SHELL_INJECTION:
    return Reader.LoadShellInjection(Path, Doc);
  case ZRV_LOAD_SHELL_RIM:
    return Reader.LoadShellRIM(Path, Doc);
  case ZRV_LOAD_SHELL_GASIN:
    return Reader.LoadShellGasIn(Path, Doc);
  case ZRV_LOAD_SOLID_INJECTION:
    return Reader.LoadSolidInjection(Path, Doc);
  case ZRV_LOAD_SOLID_RIM:
    return Reader.LoadSolidRIM(Path, Doc);
  case ZRV_LOAD_SOLID_ICPACKAGE:
    return Reader.LoadSolidICPackage(Path, Doc, FlagA, FlagB);
  case ZRV_LOAD_SOLID_GASIN:
    return Reader.LoadSolidGasIn(Path, Doc);
  case ZRV_LOAD_SOLID_COIM:
    return Reader.LoadSolidCOIM(Path, Doc);
  case ZRV_LOAD_SOLID_ICM:
    return Reader.LoadSolidICM(Path, Doc, FlagA);
  case ZRV_LOAD_SOLID_MCIM:
    return Reader.LoadSolidMCIM(Path, Doc);
  case ZRV_LOAD_SOLID_CM:
    return Reader.LoadSolidCM(Path, Doc, FlagA);
  case ZRV_LOAD_SOLID_GAIM:
    return Reader.LoadSolidGAIM(Path, Doc);
  case ZRV_LOAD_SOLID_WAIM:
    return Reader.LoadSolidWAIM(Path, Doc);
  case ZRV_LOAD_SOLID_PIM:
    return Reader.LoadSolidPIM(Path, Doc, FlagA);
  case ZRV_LOAD_SOLID_BIIM:
    return Reader.LoadSolidBIIM(Path, Doc);
  case ZRV_LOAD_SOLID_RTM:
    return Reader.LoadSolidRTM(Path, Doc);
  case ZRV_LOAD_SOLID_CFM:
    return Reader.LoadSolidCFM(Path, Doc, FlagA);
  default:
    return Reader.LoadTemplateFileHeader(Path, Doc);
  }
}

/// A name no fuzz input is likely to hold, used by prefilled documents.
inline constexpr const wchar_t* PrefillName = L"ZzPrefilled";

/// Gives \p Doc one setting of every kind named PrefillName, an extended
/// item, a module and an item using the settings, as a document that a host
/// loads into without emptying it first.
inline void prefill(CZRVReportItemManager& Doc) {
  CZRVReportItem::tagVIEWSETTING View;
  View.AngleX = 12.5;
  Doc.SetViewSetting(PrefillName, View);
  CZRVReportItem::tagCLIPSETTING Clip;
  Clip.KeepY = 1;
  Doc.SetClippingSetting(PrefillName, Clip);
  Doc.SetSlicingSetting(PrefillName, CZRVReportItem::tagSLICESETTING());
  Doc.SetObjectSetting(PrefillName, CZRVReportItem::tagOBJECTSETTING());
  Doc.SetCaptureSetting(PrefillName, CZRVReportItem::tagFOCUSCAPTURE());
  CZRVReportItemEx::stMeltFrontTimeCapture Melt;
  Melt.Count = 2;
  Melt.Percentage[0] = 50;
  Melt.Percentage[1] = 100;
  Doc.SetMeltSetting(PrefillName, Melt);
  Doc.SetAnimationSetting(PrefillName, CZRVReportItemEx::stAnimationSetting());
  Doc.SetImageSetting(PrefillName, CZRVReportItemEx::stImageSetting());
  Doc.AddItemEx(CZRVReportItemEx());
  Doc.AddModuleID(ZRV_MODULE_FLOW);
  CZRVReportItem Item;
  Item.SetItemID(static_cast<ZRV_RESULT_ITEMS>(1));
  Item.SetModuleID(ZRV_MODULE_FLOW);
  Item.SetViewName(PrefillName);
  Item.SetClippingName(PrefillName);
  Doc.AddItem(Item);
  Doc.SetFileVersion(4711);
}

/// How reals appear in a dump.
enum class Reals {
  Exact,    ///< every bit (NaN equals NaN of the same bits)
  AsWritten ///< as a template file can hold them: "%lg", six significant digits
};

/// A canonical text of everything a template load can change in a document,
/// read through the public getters: header fields, the eight libraries in
/// option-list order with their records, the extended items, the module list
/// and every item with its settings and views.
class Dump {
public:
  /// With \p AsFileHolds, only what a template file can hold: an item's X, Y,
  /// Z values as set are left out (a line holds its slice flags there) and so
  /// are the extended items from position 6 on (they have no row); an item
  /// shows the view list and item count of one page of the first item with
  /// its item id and module id (its line holds those).
  explicit Dump(Reals RealMode, bool AsFileHolds = false) : Mode(RealMode), FileHeld(AsFileHolds) {}

  std::string of(const CZRVReportItemManager& Doc) {
    Out.clear();
    header(Doc);
    libraries(Doc);
    extended(Doc);
    items(Doc);
    return Out;
  }

  /// Only the [FileHeader] fields.
  std::string headerOf(const CZRVReportItemManager& Doc) {
    Out.clear();
    header(Doc);
    return Out;
  }

  /// Only the items (from index \p First on) and the module list.
  std::string itemsOf(const CZRVReportItemManager& Doc, int First = 0) {
    Out.clear();
    items(Doc, First);
    return Out;
  }

  /// Only the extended items.
  std::string extendedOf(const CZRVReportItemManager& Doc) {
    Out.clear();
    extended(Doc);
    return Out;
  }

  /// Only the eight libraries.
  std::string librariesOf(const CZRVReportItemManager& Doc) {
    Out.clear();
    libraries(Doc);
    return Out;
  }

  void real(double Value) {
    char Buffer[64];
    std::to_chars_result R =
        Mode == Reals::Exact
            ? std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::hex)
            : std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::general, 6);
    Out.append(Buffer, R.ptr);
    Out += ' ';
  }
  void fixed0(double Value) {
    if (Mode == Reals::Exact)
      return real(Value);
    char Buffer[400];
    std::to_chars_result R =
        std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::fixed, 0);
    Out.append(Buffer, R.ptr);
    Out += ' ';
  }
  void integer(long long Value) {
    Out += std::to_string(Value);
    Out += ' ';
  }
  void text(const std::wstring& Value) {
    Out += '"';
    for (wchar_t C : Value) {
      auto Code = static_cast<unsigned long>(C);
      if (Code >= 0x20 && Code < 0x7F && C != L'"' && C != L'\\')
        Out += static_cast<char>(C);
      else
        Out += "\\u" + std::to_string(Code) + ";";
    }
    Out += "\" ";
  }
  void line(const char* Label) {
    Out += '\n';
    Out += Label;
    Out += ": ";
  }

private:
  using Getter = void (CZRVReportItemManager::*)(wchar_t*) const;
  void headerText(const CZRVReportItemManager& Doc, Getter Get) {
    static wchar_t Buffer[4096];
    Buffer[0] = 0;
    (Doc.*Get)(Buffer);
    text(Buffer);
  }

  void header(const CZRVReportItemManager& Doc) {
    line("header");
    integer(Doc.GetFileVersion());
    integer(Doc.GetFileProjectType());
    integer(Doc.GetFileAppType());
    headerText(Doc, &CZRVReportItemManager::GetFileID);
    headerText(Doc, &CZRVReportItemManager::GetFileName);
    headerText(Doc, &CZRVReportItemManager::GetFileDate);
    headerText(Doc, &CZRVReportItemManager::GetCreateBy);
    headerText(Doc, &CZRVReportItemManager::GetRemark);
  }

  template <typename CountFn, typename OptionFn, typename RecordFn>
  void library(const char* Kind, const CZRVReportItemManager& Doc, CountFn Count, OptionFn Option,
               RecordFn Record) {
    int N = (Doc.*Count)();
    line(Kind);
    integer(N);
    for (int I = 0; I < N; ++I) {
      static wchar_t Name[4096];
      Name[0] = 0;
      (Doc.*Option)(I, Name);
      line(Kind);
      text(Name);
      Record(Name);
    }
  }

  void melt(const CZRVReportItemEx::stMeltFrontTimeCapture& M) {
    integer(M.Count);
    for (int I = 0; I < M.Count && I < CZRVReportItemEx::stMeltFrontTimeCapture::MaxCount; ++I)
      fixed0(M.Percentage[I]);
  }

  void libraries(const CZRVReportItemManager& Doc) {
    using M = CZRVReportItemManager;
    library("view", Doc, &M::GetViewOptionCount, &M::GetViewOption, [&](const wchar_t* N) {
      auto R = Doc.GetViewSetting(N);
      real(R.AngleX), real(R.AngleY), real(R.AngleZ), real(R.Scale);
    });
    library("clip", Doc, &M::GetClippingOptionCount, &M::GetClippingOption, [&](const wchar_t* N) {
      auto R = Doc.GetClippingSetting(N);
      integer(R.ClipBy), integer(R.KeepX), integer(R.KeepY), integer(R.KeepZ);
      real(R.RangeX), real(R.RangeY), real(R.RangeZ), integer(R.Inverse);
    });
    library("slice", Doc, &M::GetSlicingOptionCount, &M::GetSlicingOption, [&](const wchar_t* N) {
      auto R = Doc.GetSlicingSetting(N);
      integer(R.SliceX), integer(R.SliceY), integer(R.SliceZ);
      real(R.RangeX), real(R.RangeY), real(R.RangeZ);
    });
    library("object", Doc, &M::GetObjectOptionCount, &M::GetObjectOption, [&](const wchar_t* N) {
      auto R = Doc.GetObjectSetting(N);
      for (int V : {R.ShowRunner, R.ShowPart, R.ShowPartInsert, R.ShowCoolChannel, R.ShowMoldbase,
                    R.ShowMoldInsert, R.ShowMeltEntrance, R.ShowCoolantEntrance, R.ShowHeatingRod,
                    R.ShowHotRunnerMetal})
        integer(V);
    });
    library("capture", Doc, &M::GetCaptureOptionCount, &M::GetCaptureOption, [&](const wchar_t* N) {
      auto R = Doc.GetCaptureSetting(N);
      integer(R.Capture), integer(R.Width), integer(R.Height), integer(R.FocusOn);
    });
    library("melt", Doc, &M::GetMeltOptionCount, &M::GetMeltOption,
            [&](const wchar_t* N) { melt(Doc.GetMeltSetting(N)); });
    library("animation", Doc, &M::GetAnimationOptionCount, &M::GetAnimationOption,
            [&](const wchar_t* N) {
              auto R = Doc.GetAnimationSetting(N);
              integer(R.Output), real(R.Time), real(R.FPS), integer(R.Resolution);
            });
    library("image", Doc, &M::GetImageOptionCount, &M::GetImageOption, [&](const wchar_t* N) {
      auto R = Doc.GetImageSetting(N);
      integer(R.Output), integer(R.Resolution);
    });
  }

  void extended(const CZRVReportItemManager& Doc) {
    int N = Doc.GetItemExCount();
    if (FileHeld && N > ExtendedRows)
      N = ExtendedRows;
    line("extended");
    integer(N);
    for (int I = 0; I < N; ++I) {
      CZRVReportItemEx E;
      Doc.GetItemEx(I, E);
      line("extended");
      integer(E.Output), integer(E.HasMeltCapture), text(E.MeltName);
      melt(E.MeltCapture);
      text(E.PPTTemplatePath), text(E.AnimationName);
      integer(E.AnimationSetting.Output), real(E.AnimationSetting.Time);
      real(E.AnimationSetting.FPS), integer(E.AnimationSetting.Resolution);
      real(E.WarpageScale), text(E.ImageName);
      integer(E.ImageSetting.Output), integer(E.ImageSetting.Resolution);
    }
  }

  void items(const CZRVReportItemManager& Doc, int First = 0) {
    line("modules");
    for (int I = 0; I < Doc.GetModuleCount(); ++I)
      integer(Doc.GetModuleID(I));
    int N = Doc.GetItemCount();
    line("items");
    integer(N);
    for (int I = First; I < N; ++I) {
      CZRVReportItem Item;
      Doc.GetItem(I, Item);
      line("item");
      integer(Item.GetItemID()), integer(Item.GetModuleID()), text(Item.GetItemSaveName());
      integer(Item.GetOutput()), integer(Item.GetDisplayMode());
      integer(Item.GetParameterX()), integer(Item.GetParameterY()), integer(Item.GetParameterZ());
      if (!FileHeld) {
        integer(Item.GetParameterValueX()), integer(Item.GetParameterValueY());
        integer(Item.GetParameterValueZ());
      }
      // A file holds the view list and the item count of one page of the
      // first item with the same item id and module id.
      CZRVReportItem FirstAlike;
      if (FileHeld)
        Doc.GetItem(Doc.GetItemIndex(Item.GetItemID(), Item.GetModuleID()), FirstAlike);
      const CZRVReportItem& Alike = FileHeld ? FirstAlike : Item;
      integer(Item.GetFaceNumber()), integer(Item.GetOutputAirTrap());
      integer(Item.GetOutputWeldLine()), integer(Alike.GetItemCountOf1Page());
      text(Item.GetTagName());
      line("item clip");
      text(Item.GetClippingName()), integer(Item.HasClippingSetting());
      integer(Item.GetClipMode()), integer(Item.IsClipKeptX()), integer(Item.IsClipKeptY());
      integer(Item.IsClipKeptZ()), integer(Item.IsInversed());
      real(Item.GetClippingRangeX()), real(Item.GetClippingRangeY());
      real(Item.GetClippingRangeZ());
      line("item slice");
      text(Item.GetSlicingName()), integer(Item.HasSlicingSetting());
      integer(Item.GetSliceMode());
      line("item view");
      text(Item.GetViewName()), integer(Item.HasViewSetting());
      real(Item.GetViewX()), real(Item.GetViewY()), real(Item.GetViewZ());
      real(Item.GetViewScale());
      for (int V = 0; V < Alike.GetViewCount(); ++V) {
        CZRVReportItem::tagVIEWSETTING View;
        Alike.GetViewByIndex(V, View);
        text(Alike.GetViewNameByIndex(V)), real(View.AngleX), real(View.AngleY);
        real(View.AngleZ), real(View.Scale);
      }
      line("item object");
      text(Item.GetObjectName()), integer(Item.HasObjectSetting());
      for (int V : {Item.IsShowRunner(), Item.IsShowPart(), Item.IsShowPartInsert(),
                    Item.IsShowCoolChannel(), Item.IsShowMoldbase(), Item.IsShowMoldInsert(),
                    Item.IsShowMeltEntrance(), Item.IsShowCoolantEntrance(),
                    Item.IsShowHeatingRod(), Item.IsShowHotRunnerMetal()})
        integer(V);
      line("item capture");
      text(Item.GetCaptureName()), integer(Item.GetCaptureWidth());
      integer(Item.GetCaptureHeight()), integer(Item.IsFocusCapture());
    }
  }

  static constexpr int ExtendedRows = 6;
  Reals Mode;
  bool FileHeld;
  std::string Out;
};

/// True when the reader refuses the file as no UTF-8 text: it starts with a
/// UTF-16 byte-order mark, or its first line (the first 511 bytes at most)
/// holds a NUL byte.
inline bool notUtf8Text(const std::uint8_t* Data, std::size_t Size) {
  if (Size >= 2 && ((Data[0] == 0xFF && Data[1] == 0xFE) || (Data[0] == 0xFE && Data[1] == 0xFF)))
    return true;
  for (std::size_t I = 0; I < Size && I < 511 && Data[I] != '\n'; ++I)
    if (Data[I] == 0)
      return true;
  return false;
}

/// True when \p Haystack holds \p Needle.
inline bool contains(const std::uint8_t* Data, std::size_t Size, std::string_view Needle) {
  return std::string_view(reinterpret_cast<const char*>(Data), Size).find(Needle) !=
         std::string_view::npos;
}

} // namespace zrvfuzz

#endif // ZRVREPORT_FUZZ_FUZZSUPPORT_H
