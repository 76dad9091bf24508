// TemplateGenerator.cpp - builds solid injection report templates of a chosen
// size from the format layer's line rules and the catalogue's key lists.
#include "TemplateGenerator.h"

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"
#include "template/Format.h"
#include "template/TemplateLayout.h"

#include <cstdio>
#include <vector>

namespace fileformat = zrv::format;

namespace zrvbench {
namespace {

constexpr const char* LineEnd = "\r\n";

struct SectionKeys {
  fileformat::Section Id;
  std::vector<std::wstring> Keys;
};

/// The result sections that the solid injection loader accepts, in file
/// order, with the keys of their lists.
std::vector<SectionKeys> acceptedSections() {
  std::vector<SectionKeys> Result;
  for (int S = static_cast<int>(fileformat::Section::ModelResult);
       S <= static_cast<int>(fileformat::Section::HotRunnerSteadyResult); ++S) {
    const auto Id = static_cast<fileformat::Section>(S);
    const zrv::SectionLists Lists = zrv::SelectSectionLists(zrv::ReaderEntryPoint::SolidInjection,
                                                            0, fileformat::layoutOf(Id).ModuleId);
    if (!Lists.accepted())
      continue;
    SectionKeys Section{Id, {}};
    const zrv::KeyListEntries Entries = zrv::EntriesOfKeyList(Lists.List);
    for (std::size_t I = 0; I < Entries.Size; ++I)
      Section.Keys.emplace_back(Entries.Entries[I].Key);
    Result.push_back(std::move(Section));
  }
  return Result;
}

/// "Prefix_0042": names without blanks, so that they are written as stored.
std::wstring settingName(const wchar_t* Prefix, std::size_t Index) {
  wchar_t Digits[16];
  std::swprintf(Digits, 16, L"_%04zu", Index);
  return std::wstring(Prefix) + Digits;
}

/// The file's bytes, built line by line through the format layer's append
/// functions.
class TextBuilder {
public:
  /// A line of ASCII bytes (a tag or a label line).
  void line(std::string_view Ascii) {
    Text.append(Ascii);
    Text.append(LineEnd);
  }
  /// A line that \p Append adds to the buffer.
  template <typename Append> void lineBy(Append&& AppendLine) {
    AppendLine(Text);
    Text.append(LineEnd);
  }
  /// A section's tag and label lines.
  void head(fileformat::Section Id) {
    line(fileformat::tagOf(Id));
    line(fileformat::layoutOf(Id).Label);
  }
  void header(fileformat::HeaderField Field, int Number, std::wstring_view Value) {
    lineBy([&](fileformat::ByteBuffer& Out) {
      fileformat::appendHeaderLine(Out, Field, Number, Value);
    });
  }
  void blank() { Text.append(LineEnd); }
  void sectionEnd() {
    for (int I = 0; I < fileformat::BlankLinesAfterSection; ++I)
      blank();
  }
  void raw(const char* Bytes) { Text.append(Bytes); }
  std::string take() { return std::string(Text.view()); }

private:
  fileformat::ByteBuffer Text;
};

template <typename Record, typename Fill>
void settingSection(TextBuilder& Out, fileformat::Section Id, const wchar_t* Prefix,
                    std::size_t Count, Fill FillRecord) {
  Out.head(Id);
  for (std::size_t I = 0; I < Count; ++I) {
    Record R;
    FillRecord(R, I);
    const std::wstring Name = settingName(Prefix, I);
    Out.lineBy(
        [&](fileformat::ByteBuffer& Bytes) { fileformat::appendSettingLine(Bytes, Name, R); });
  }
  Out.sectionEnd();
}

} // namespace

std::size_t SolidInjectionKeyCount() {
  std::size_t Count = 0;
  for (const SectionKeys& Section : acceptedSections())
    Count += Section.Keys.size();
  return Count;
}

std::string GenerateSolidInjectionTemplate(const TemplateShape& Shape) {
  const std::size_t S = Shape.SettingsPerKind > 0 ? Shape.SettingsPerKind : 1;
  TextBuilder Out;

  Out.line(fileformat::tagOf(fileformat::Section::FileHeader));
  Out.header(fileformat::HeaderField::FileVersion, fileformat::FullItemLineVersion, L"");
  Out.header(fileformat::HeaderField::FileID, 0, L"BENCH");
  Out.header(fileformat::HeaderField::Name, 0, L"Generated benchmark template");
  Out.header(fileformat::HeaderField::Date, 0, L"01/01/24");
  Out.header(fileformat::HeaderField::ProjectType, 0, L"");
  Out.header(fileformat::HeaderField::AppType, 0, L"");
  Out.header(fileformat::HeaderField::CreateBy, 0, L"bench");
  Out.header(fileformat::HeaderField::Remark, 0, L"generated");
  Out.sectionEnd();

  settingSection<fileformat::ViewRecord>(Out, fileformat::Section::ViewSetting, L"View", S,
                                         [](fileformat::ViewRecord& R, std::size_t I) {
                                           R.AngleX = static_cast<double>(I % 360);
                                           R.AngleY = static_cast<double>((I * 7) % 360);
                                           R.AngleZ = 15.0;
                                           R.Scale = 1.0 + static_cast<double>(I % 9) / 4.0;
                                         });
  settingSection<fileformat::ClipRecord>(Out, fileformat::Section::ClippingSetting, L"Clip", S,
                                         [](fileformat::ClipRecord& R, std::size_t I) {
                                           R.ClipBy = static_cast<int>(I % 3) + 1;
                                           R.KeepX = static_cast<int>(I % 2);
                                           R.RangeX = static_cast<double>(I % 100);
                                         });
  settingSection<fileformat::SliceRecord>(Out, fileformat::Section::SlicingSetting, L"Slice", S,
                                          [](fileformat::SliceRecord& R, std::size_t I) {
                                            R.SliceZ = 1;
                                            R.RangeZ = static_cast<double>(I % 100);
                                          });
  settingSection<fileformat::ObjectRecord>(Out, fileformat::Section::ObjectSetting, L"Object", S,
                                           [](fileformat::ObjectRecord& R, std::size_t I) {
                                             R.ShowPart = 1;
                                             R.ShowRunner = static_cast<int>(I % 2);
                                           });
  settingSection<fileformat::CaptureRecord>(Out, fileformat::Section::FocusCapture, L"Capture", S,
                                            [](fileformat::CaptureRecord& R, std::size_t I) {
                                              R.Capture = 1;
                                              R.Width = 640 + static_cast<int>(I % 4) * 160;
                                              R.Height = 480;
                                            });
  settingSection<fileformat::MeltRecord>(Out, fileformat::Section::MeltFrontTimeCapture, L"Melt", S,
                                         [](fileformat::MeltRecord& R, std::size_t I) {
                                           R.Count = 4;
                                           for (int K = 0; K < 4; ++K)
                                             R.Percentage[K] = static_cast<double>(25 * (K + 1)) -
                                                               static_cast<double>(I % 5);
                                         });
  settingSection<fileformat::AnimationRecord>(Out, fileformat::Section::AnimationSetting,
                                              L"Animation", S,
                                              [](fileformat::AnimationRecord& R, std::size_t I) {
                                                R.Output = static_cast<int>(I % 2);
                                                R.Time = 5.0 + static_cast<double>(I % 10);
                                              });
  settingSection<fileformat::ImageRecord>(
      Out, fileformat::Section::ImageSetting, L"Image", S,
      [](fileformat::ImageRecord& R, std::size_t I) { R.Resolution = static_cast<int>(I % 8); });

  Out.head(fileformat::Section::ResultEx);
  const std::wstring ExSettings[fileformat::ResultExRowCount] = {
      settingName(L"Melt", 0), L"report.pptx", L"", settingName(L"Animation", 0), L"",
      settingName(L"Image", 0)};
  for (std::size_t P = 0; P < fileformat::ResultExRowCount; ++P)
    Out.lineBy([&](fileformat::ByteBuffer& Bytes) {
      fileformat::appendResultExRow(Bytes, P, 1, ExSettings[P], 5.0);
    });
  Out.sectionEnd();

  // Items cycle through the keys of all accepted sections; item j goes to the
  // section of key j modulo the key count, so every section keeps its share.
  const std::vector<SectionKeys> Sections = acceptedSections();
  std::size_t KeyCount = 0;
  for (const SectionKeys& Section : Sections)
    KeyCount += Section.Keys.size();
  const std::size_t Items = Shape.ItemCount > 0 ? Shape.ItemCount : KeyCount;

  std::size_t J = 0; // running item number across sections
  std::size_t FirstKey = 0;
  for (const SectionKeys& Section : Sections) {
    Out.head(Section.Id);
    // Global key positions FirstKey .. FirstKey+size-1 belong to this section;
    // item numbers n with n % KeyCount in that range land here.
    for (std::size_t Round = 0; Round * KeyCount < Items; ++Round) {
      for (std::size_t K = 0; K < Section.Keys.size(); ++K) {
        const std::size_t N = Round * KeyCount + FirstKey + K;
        if (N >= Items)
          break;
        const std::wstring Clipping = settingName(L"Clip", J % S);
        const std::wstring Object = settingName(L"Object", (J + 1) % S);
        const std::wstring Capture = settingName(L"Capture", (J + 2) % S);
        const std::wstring Slicing = settingName(L"Slice", (J + 3) % S);
        std::wstring View;
        std::vector<std::wstring> ManyViews;
        if (J % 4 == 0 || Shape.ViewsPerItem < 2) {
          View = settingName(L"View", J % S);
        } else {
          for (std::size_t V = 0; V < Shape.ViewsPerItem; ++V)
            ManyViews.push_back(settingName(L"View", (J + V) % S));
        }
        fileformat::ItemLineView R;
        R.Key = Section.Keys[K];
        R.Output = static_cast<int>(J % 3) + 1;
        R.DisplayMode = static_cast<int>(J % 4);
        R.ParameterZ = 1;
        R.FaceNumber = 10;
        R.ClippingName = Clipping;
        R.ObjectName = Object;
        R.CaptureName = Capture;
        R.SlicingName = Slicing;
        R.ViewName = View;
        const std::vector<std::wstring_view> ManyViewNames(ManyViews.begin(), ManyViews.end());
        R.ManyViewNames = {ManyViewNames.data(), ManyViewNames.size()};
        R.ItemCountOf1Page = 1;
        Out.lineBy(
            [&](fileformat::ByteBuffer& Bytes) { fileformat::appendItemLine(Bytes, R, L"", L""); });
        ++J;
      }
    }
    FirstKey += Section.Keys.size();
    Out.sectionEnd();
  }
  Out.raw("[EOF],,,,,,,,,,");
  return Out.take();
}

} // namespace zrvbench
