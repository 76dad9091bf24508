// TemplateGenerator.cpp - builds solid injection report templates of a chosen
// size from the format layer's line rules and the catalogue's key lists.
#include "TemplateGenerator.h"

#include "catalogue/KeyLists.h"
#include "catalogue/Selection.h"
#include "template/Format.h"
#include "template/TemplateLayout.h"

#include <cstdio>
#include <vector>

namespace fmt = zrv::format;

namespace zrvbench {
namespace {

constexpr const char* LineEnd = "\r\n";

struct SectionKeys {
  fmt::Section Id;
  std::vector<std::wstring> Keys;
};

/// The result sections that the solid injection loader accepts, in file
/// order, with the keys of their lists.
std::vector<SectionKeys> acceptedSections() {
  std::vector<SectionKeys> Result;
  for (int S = static_cast<int>(fmt::Section::ModelResult);
       S <= static_cast<int>(fmt::Section::HotRunnerSteadyResult); ++S) {
    const auto Id = static_cast<fmt::Section>(S);
    const zrv::SectionLists Lists = zrv::SelectSectionLists(zrv::ReaderEntryPoint::SolidInjection,
                                                            0, fmt::layoutOf(Id).ModuleId);
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

class TextBuilder {
public:
  void line(std::wstring_view Wide) {
    Text += fmt::encodeLine(Wide);
    Text += LineEnd;
  }
  void blank() { Text += LineEnd; }
  void sectionEnd() {
    for (int I = 0; I < fmt::BlankLinesAfterSection; ++I)
      blank();
  }
  void raw(const char* Bytes) { Text += Bytes; }
  std::string take() { return std::move(Text); }

private:
  std::string Text;
};

template <typename Record, typename Format, typename Fill>
void settingSection(TextBuilder& Out, fmt::Section Id, const wchar_t* Prefix, std::size_t Count,
                    Format FormatLine, Fill FillRecord) {
  Out.line(fmt::formatTagLine(Id));
  Out.line(fmt::formatLabelLine(Id));
  for (std::size_t I = 0; I < Count; ++I) {
    Record R;
    FillRecord(R, I);
    Out.line(FormatLine(settingName(Prefix, I), R));
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

  Out.line(fmt::formatTagLine(fmt::Section::FileHeader));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::FileVersion, fmt::FullItemLineVersion, L""));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::FileID, 0, L"BENCH"));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::Name, 0, L"Generated benchmark template"));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::Date, 0, L"01/01/24"));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::ProjectType, 0, L""));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::AppType, 0, L""));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::CreateBy, 0, L"bench"));
  Out.line(fmt::formatHeaderLine(fmt::HeaderField::Remark, 0, L"generated"));
  Out.sectionEnd();

  settingSection<fmt::ViewRecord>(Out, fmt::Section::ViewSetting, L"View", S, fmt::formatViewLine,
                                  [](fmt::ViewRecord& R, std::size_t I) {
                                    R.AngleX = static_cast<double>(I % 360);
                                    R.AngleY = static_cast<double>((I * 7) % 360);
                                    R.AngleZ = 15.0;
                                    R.Scale = 1.0 + static_cast<double>(I % 9) / 4.0;
                                  });
  settingSection<fmt::ClipRecord>(Out, fmt::Section::ClippingSetting, L"Clip", S,
                                  fmt::formatClippingLine, [](fmt::ClipRecord& R, std::size_t I) {
                                    R.ClipBy = static_cast<int>(I % 3) + 1;
                                    R.KeepX = static_cast<int>(I % 2);
                                    R.RangeX = static_cast<double>(I % 100);
                                  });
  settingSection<fmt::SliceRecord>(Out, fmt::Section::SlicingSetting, L"Slice", S,
                                   fmt::formatSlicingLine, [](fmt::SliceRecord& R, std::size_t I) {
                                     R.SliceZ = 1;
                                     R.RangeZ = static_cast<double>(I % 100);
                                   });
  settingSection<fmt::ObjectRecord>(Out, fmt::Section::ObjectSetting, L"Object", S,
                                    fmt::formatObjectLine, [](fmt::ObjectRecord& R, std::size_t I) {
                                      R.ShowPart = 1;
                                      R.ShowRunner = static_cast<int>(I % 2);
                                    });
  settingSection<fmt::CaptureRecord>(Out, fmt::Section::FocusCapture, L"Capture", S,
                                     fmt::formatFocusCaptureLine,
                                     [](fmt::CaptureRecord& R, std::size_t I) {
                                       R.Capture = 1;
                                       R.Width = 640 + static_cast<int>(I % 4) * 160;
                                       R.Height = 480;
                                     });
  settingSection<fmt::MeltRecord>(Out, fmt::Section::MeltFrontTimeCapture, L"Melt", S,
                                  fmt::formatMeltLine, [](fmt::MeltRecord& R, std::size_t I) {
                                    R.Count = 4;
                                    for (int K = 0; K < 4; ++K)
                                      R.Percentage[K] = static_cast<double>(25 * (K + 1)) -
                                                        static_cast<double>(I % 5);
                                  });
  settingSection<fmt::AnimationRecord>(Out, fmt::Section::AnimationSetting, L"Animation", S,
                                       fmt::formatAnimationLine,
                                       [](fmt::AnimationRecord& R, std::size_t I) {
                                         R.Output = static_cast<int>(I % 2);
                                         R.Time = 5.0 + static_cast<double>(I % 10);
                                       });
  settingSection<fmt::ImageRecord>(
      Out, fmt::Section::ImageSetting, L"Image", S, fmt::formatImageLine,
      [](fmt::ImageRecord& R, std::size_t I) { R.Resolution = static_cast<int>(I % 8); });

  Out.line(fmt::formatTagLine(fmt::Section::ResultEx));
  Out.line(fmt::formatLabelLine(fmt::Section::ResultEx));
  const std::wstring ExSettings[fmt::ResultExRowCount] = {
      settingName(L"Melt", 0), L"report.pptx", L"", settingName(L"Animation", 0), L"",
      settingName(L"Image", 0)};
  for (std::size_t P = 0; P < fmt::ResultExRowCount; ++P)
    Out.line(*fmt::formatResultExRow(P, 1, ExSettings[P], 5.0));
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
    Out.line(fmt::formatTagLine(Section.Id));
    Out.line(fmt::formatLabelLine(Section.Id));
    // Global key positions FirstKey .. FirstKey+size-1 belong to this section;
    // item numbers n with n % KeyCount in that range land here.
    for (std::size_t Round = 0; Round * KeyCount < Items; ++Round) {
      for (std::size_t K = 0; K < Section.Keys.size(); ++K) {
        const std::size_t N = Round * KeyCount + FirstKey + K;
        if (N >= Items)
          break;
        fmt::ItemLineRecord R;
        R.Key = Section.Keys[K];
        R.Output = static_cast<int>(J % 3) + 1;
        R.DisplayMode = static_cast<int>(J % 4);
        R.ParameterZ = 1;
        R.FaceNumber = 10;
        R.ClippingName = settingName(L"Clip", J % S);
        R.ObjectName = settingName(L"Object", (J + 1) % S);
        R.CaptureName = settingName(L"Capture", (J + 2) % S);
        R.SlicingName = settingName(L"Slice", (J + 3) % S);
        if (J % 4 == 0 || Shape.ViewsPerItem < 2) {
          R.ViewName = settingName(L"View", J % S);
        } else {
          for (std::size_t V = 0; V < Shape.ViewsPerItem; ++V)
            R.ManyViewNames.push_back(settingName(L"View", (J + V) % S));
        }
        R.ItemCountOf1Page = 1;
        Out.line(fmt::formatItemLine(R, L"", L""));
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
