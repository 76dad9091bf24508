// ZRVReportSettingWriter.cpp - the template writer: builds the text of each
// section from the settings document, writes sections to a caller's stream,
// and saves a whole template safely; also the document's own save.
#include "zrvreport/ZRVReportSettingWriter.h"

#include "zrvreport/ZRVReportItemManager.h"

#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"
#include "template/Format.h"
#include "util/Text.h"

#include <optional>
#include <string_view>

using namespace zrv::format;

namespace zrv::writer {

/// What the section builders read.
struct Source {
  const CZRVReportItemManager* Document = nullptr;
  std::wstring PrjCurViewName;
  std::wstring PrjCurSettingName;
  /// [FileHeader] and [Info] texts, indexed by HeaderField and InfoField
  /// (number rows keep an empty text).
  std::wstring HeaderTexts[HeaderFieldCount];
  std::wstring InfoTexts[InfoFieldCount];
  /// The option lists of the eight libraries.
  std::vector<std::wstring> ViewOptions;
  std::vector<std::wstring> ClippingOptions;
  std::vector<std::wstring> SlicingOptions;
  std::vector<std::wstring> ObjectOptions;
  std::vector<std::wstring> CaptureOptions;
  std::vector<std::wstring> MeltOptions;
  std::vector<std::wstring> AnimationOptions;
  std::vector<std::wstring> ImageOptions;
};

} // namespace zrv::writer

namespace {

using zrv::writer::Source;

constexpr const wchar_t* StartMessage = L"[ReportSetting] start to save template %s";
constexpr const wchar_t* OpenFailMessage = L"[ReportSetting] open file fail %s";
constexpr const wchar_t* WriteFailMessage = L"[ReportSetting] write file fail %s";
constexpr const wchar_t* EndMessage = L"[ReportSetting] End to save template";
constexpr const wchar_t* NameTooLongMessage =
    L"[ReportSetting] template not saved, name longer than 255 characters in %s: %s";
constexpr const wchar_t* LineTooLongMessage =
    L"[ReportSetting] template not saved, line longer than 511 bytes in %s: %s";

/// The line end of a saved template file, written in binary mode.
constexpr std::string_view FileLineEnd = "\r\n";

/// The text of a template, or of some of its sections, as the bytes that go
/// into the file. It also notes the first line or name that a reader could
/// not read back whole, so that a save can be refused before anything is
/// written.
class TemplateText {
public:
  explicit TemplateText(std::string_view End) : LineEnd(End) {}

  /// Appends \p Line as UTF-8 and a line end. \p Section and \p Subject name
  /// the line in the message of a refusal.
  void line(std::wstring_view Line, std::wstring_view Section, std::wstring_view Subject) {
    std::string Encoded = encodeLine(Line);
    if (!fitsReadLimit(Encoded))
      refuse(LineTooLongMessage, Section, Subject);
    Bytes += Encoded;
    Bytes += LineEnd;
  }

  /// Notes \p Name, a name or text value that the line of \p Subject
  /// carries, when it is longer than a reader takes.
  void name(std::wstring_view Name, std::wstring_view Section, std::wstring_view Subject) {
    if (!fitsNameLimit(Name))
      refuse(NameTooLongMessage, Section, Subject);
  }

  /// The blank lines after a section.
  void sectionEnd() {
    for (int I = 0; I < BlankLinesAfterSection; ++I)
      Bytes += LineEnd;
  }

  /// Appends fixed ASCII text as it stands (the end line).
  void fixed(std::string_view Ascii) { Bytes += Ascii; }

  const std::string& bytes() const { return Bytes; }
  bool refused() const { return Refusal.has_value(); }
  /// Sends the message of the first refusal.
  void reportRefusal() const {
    if (Refusal)
      zrv::Diagnose(Refusal->Pattern, {Refusal->Section, Refusal->Subject});
  }

private:
  struct RefusalNote {
    const wchar_t* Pattern;
    std::wstring Section;
    std::wstring Subject;
  };

  void refuse(const wchar_t* Pattern, std::wstring_view Section, std::wstring_view Subject) {
    if (!Refusal)
      Refusal = RefusalNote{Pattern, std::wstring(Section), std::wstring(Subject)};
  }

  std::string LineEnd;
  std::string Bytes;
  std::optional<RefusalNote> Refusal;
};

// ---- [FileHeader] and [Info] ---------------------------------------------------------------

void buildHeader(const Source& S, TemplateText& T) {
  const CZRVReportItemManager& Doc = *S.Document;
  const std::wstring Tag = formatTagLine(Section::FileHeader);
  T.line(Tag, Tag, Tag);
  int Numbers[HeaderFieldCount] = {};
  Numbers[static_cast<std::size_t>(HeaderField::FileVersion)] = Doc.GetFileVersion();
  Numbers[static_cast<std::size_t>(HeaderField::ProjectType)] = Doc.GetFileProjectType();
  Numbers[static_cast<std::size_t>(HeaderField::AppType)] = Doc.GetFileAppType();
  for (std::size_t I = 0; I < HeaderFieldCount; ++I) {
    const std::wstring Key = widen(HeaderRows[I].Key);
    if (HeaderRows[I].Kind == ValueKind::Text)
      T.name(S.HeaderTexts[I], Tag, Key);
    T.line(formatHeaderLine(static_cast<HeaderField>(I), Numbers[I], S.HeaderTexts[I]), Tag, Key);
  }
  T.sectionEnd();
}

void buildInfo(const Source& S, TemplateText& T) {
  const std::wstring Tag = formatTagLine(Section::Info);
  T.line(Tag, Tag, Tag);
  int Numbers[InfoFieldCount] = {};
  Numbers[static_cast<std::size_t>(InfoField::ReportType)] = S.Document->GetReportType();
  for (std::size_t I = 0; I < InfoFieldCount; ++I) {
    const std::wstring Key = widen(InfoRows[I].Key);
    if (InfoRows[I].Kind == ValueKind::Text)
      T.name(S.InfoTexts[I], Tag, Key);
    T.line(formatInfoLine(static_cast<InfoField>(I), Numbers[I], S.InfoTexts[I]), Tag, Key);
  }
  T.sectionEnd();
}

// ---- Setting sections ------------------------------------------------------------------------

/// A setting section: tag, label, one line per name of \p Options in order
/// (an empty name, and a name equal to \p Skip, left out), two blank lines.
/// \p Line formats the line of a name from the record stored under it.
template <typename LineOf>
void buildSettings(TemplateText& T, Section Id, const std::vector<std::wstring>& Options,
                   const std::wstring& Skip, LineOf Line) {
  const std::wstring Tag = formatTagLine(Id);
  T.line(Tag, Tag, Tag);
  T.line(formatLabelLine(Id), Tag, Tag);
  for (const std::wstring& Name : Options) {
    if (Name.empty() || Name == Skip)
      continue;
    T.name(Name, Tag, Name);
    T.line(Line(Name), Tag, Name);
  }
  T.sectionEnd();
}

void buildView(const Source& S, TemplateText& T) {
  buildSettings(T, Section::ViewSetting, S.ViewOptions, S.PrjCurViewName,
                [&](const std::wstring& Name) {
                  return formatViewLine(Name, S.Document->GetViewSetting(Name.c_str()));
                });
}

void buildClipping(const Source& S, TemplateText& T) {
  buildSettings(T, Section::ClippingSetting, S.ClippingOptions, std::wstring(),
                [&](const std::wstring& Name) {
                  return formatClippingLine(Name, S.Document->GetClippingSetting(Name.c_str()));
                });
}

void buildSlicing(const Source& S, TemplateText& T) {
  buildSettings(T, Section::SlicingSetting, S.SlicingOptions, std::wstring(),
                [&](const std::wstring& Name) {
                  return formatSlicingLine(Name, S.Document->GetSlicingSetting(Name.c_str()));
                });
}

void buildObject(const Source& S, TemplateText& T) {
  buildSettings(T, Section::ObjectSetting, S.ObjectOptions, S.PrjCurSettingName,
                [&](const std::wstring& Name) {
                  return formatObjectLine(Name, S.Document->GetObjectSetting(Name.c_str()));
                });
}

void buildFocusCapture(const Source& S, TemplateText& T) {
  buildSettings(T, Section::FocusCapture, S.CaptureOptions, std::wstring(),
                [&](const std::wstring& Name) {
                  return formatFocusCaptureLine(Name, S.Document->GetCaptureSetting(Name.c_str()));
                });
}

void buildMeltFrontTimeCapture(const Source& S, TemplateText& T) {
  buildSettings(T, Section::MeltFrontTimeCapture, S.MeltOptions, std::wstring(),
                [&](const std::wstring& Name) {
                  return formatMeltLine(Name, S.Document->GetMeltSetting(Name.c_str()));
                });
}

void buildAnimation(const Source& S, TemplateText& T) {
  buildSettings(T, Section::AnimationSetting, S.AnimationOptions, std::wstring(),
                [&](const std::wstring& Name) {
                  return formatAnimationLine(Name, S.Document->GetAnimationSetting(Name.c_str()));
                });
}

void buildImage(const Source& S, TemplateText& T) {
  buildSettings(T, Section::ImageSetting, S.ImageOptions, std::wstring(),
                [&](const std::wstring& Name) {
                  return formatImageLine(Name, S.Document->GetImageSetting(Name.c_str()));
                });
}

// ---- [ResultEx] ------------------------------------------------------------------------------

void buildResultEx(const Source& S, TemplateText& T) {
  const CZRVReportItemManager& Doc = *S.Document;
  const std::wstring Tag = formatTagLine(Section::ResultEx);
  T.line(Tag, Tag, Tag);
  T.line(formatLabelLine(Section::ResultEx), Tag, Tag);
  const int Count = Doc.GetItemExCount();
  for (int Position = 0; Position < Count; ++Position) {
    const auto Row = static_cast<std::size_t>(Position);
    if (Row >= ResultExRowCount)
      break; // no row from position 6 on
    CZRVReportItemEx Ex;
    Doc.GetItemEx(Position, Ex);
    // The texts the document's getters give for the row (GetMeltName,
    // GetPPTTemplate, GetAnimationName, GetImageName), read from the entry
    // itself so that no fixed-size buffer limits them.
    int Output = Ex.Output;
    std::wstring Setting;
    switch (static_cast<ResultExKey>(Position)) {
    case ResultExKey::MeltFrontTime:
      Setting = Ex.MeltName;
      break;
    case ResultExKey::PPTTemplate:
      Setting = Ex.PPTTemplatePath;
      break;
    case ResultExKey::Animation:
      Setting = Ex.AnimationName;
      break;
    case ResultExKey::WarpageScale:
      Output = Doc.IsItemExOutput(Position);
      break;
    case ResultExKey::Image:
      Output = Doc.IsItemExOutput(Position);
      Setting = Ex.ImageName;
      break;
    default:
      break;
    }
    const std::wstring Key = widen(ResultExRows[Row].Key);
    T.name(Setting, Tag, Key);
    if (std::optional<std::wstring> Line = formatResultExRow(Row, Output, Setting, Ex.WarpageScale))
      T.line(*Line, Tag, Key);
  }
  T.sectionEnd();
}

// ---- Result sections -----------------------------------------------------------------------

/// The first item of \p Items with the item id and module id of \p Item.
const CZRVReportItem& firstAlike(const std::vector<CZRVReportItem>& Items,
                                 const CZRVReportItem& Item) {
  for (const CZRVReportItem& Candidate : Items)
    if (Candidate.GetItemID() == Item.GetItemID() && Candidate.GetModuleID() == Item.GetModuleID())
      return Candidate;
  return Item;
}

void buildResults(const Source& S, const std::vector<std::wstring>& Tags, TemplateText& T) {
  const CZRVReportItemManager& Doc = *S.Document;
  std::vector<CZRVReportItem> Items(static_cast<std::size_t>(Doc.GetItemCount()));
  for (std::size_t I = 0; I < Items.size(); ++I)
    Doc.GetItem(static_cast<int>(I), Items[I]);

  const std::wstring Label = widen(ItemLabel);
  for (const std::wstring& Tag : Tags) {
    T.line(Tag, Tag, Tag);
    T.line(Label, Tag, Tag);
    for (std::size_t I = 0; I < Items.size(); ++I) {
      const CZRVReportItem& Item = Items[I];
      // An item whose module has no section has the empty tag, which every
      // tag line holds.
      if (Tag.find(moduleTag(Item.GetModuleID())) == std::wstring::npos)
        continue;
      const CZRVReportItem& First = firstAlike(Items, Item);
      ItemLineRecord Record;
      Record.Key = Item.GetItemSaveName();
      Record.Output = Item.GetOutput();
      Record.DisplayMode = Item.GetDisplayMode();
      Record.ParameterX = Item.GetParameterX();
      Record.ParameterY = Item.GetParameterY();
      Record.ParameterZ = Item.GetParameterZ();
      Record.FaceNumber = Item.GetFaceNumber();
      Record.ClippingName = Item.GetClippingName();
      Record.ViewName = Item.GetViewName();
      Record.ObjectName = Item.GetObjectName();
      Record.CaptureName = Item.GetCaptureName();
      Record.SlicingName = Item.GetSlicingName();
      for (int K = 0; K < First.GetViewCount(); ++K)
        Record.ManyViewNames.push_back(First.GetViewNameByIndex(K));
      Record.AirTrap = Doc.GetOutputAirTrapByIndex(static_cast<int>(I));
      Record.WeldLine = Doc.GetOutputWeldLineByIndex(static_cast<int>(I));
      Record.ItemCountOf1Page = First.GetItemCountOf1Page();

      // The names as the line carries them: the view and object names that
      // are the project's own are written "-".
      T.name(Record.Key, Tag, Record.Key);
      T.name(Record.ClippingName, Tag, Record.Key);
      T.name(Record.CaptureName, Tag, Record.Key);
      T.name(Record.SlicingName, Tag, Record.Key);
      if (Record.ObjectName != S.PrjCurSettingName)
        T.name(Record.ObjectName, Tag, Record.Key);
      if (!Record.ManyViewNames.empty())
        T.name(formatViewList(Record.ManyViewNames), Tag, Record.Key);
      else if (Record.ViewName != S.PrjCurViewName)
        T.name(Record.ViewName, Tag, Record.Key);

      T.line(formatItemLine(Record, S.PrjCurViewName, S.PrjCurSettingName), Tag, Record.Key);
    }
    T.sectionEnd();
  }
}

// ---- Writing -------------------------------------------------------------------------------

/// The sections SaveTemplate writes before the result sections, in file
/// order.
constexpr void (*SettingsPart[])(const Source&, TemplateText&) = {buildHeader,
                                                                  buildView,
                                                                  buildClipping,
                                                                  buildSlicing,
                                                                  buildObject,
                                                                  buildFocusCapture,
                                                                  buildMeltFrontTimeCapture,
                                                                  buildAnimation,
                                                                  buildImage,
                                                                  buildResultEx};

/// Writes the bytes of some sections to a caller's stream as they stand.
void writeToStream(std::FILE* Stream, const std::string& Bytes) {
  if (Stream && !Bytes.empty())
    std::fwrite(Bytes.data(), 1, Bytes.size(), Stream);
}

/// The bytes of one section with the line end of a text-mode stream.
std::string streamText(const Source& S, void (*Build)(const Source&, TemplateText&)) {
  TemplateText T(zrv::platform::TextModeLineEnd);
  Build(S, T);
  return T.bytes();
}

} // namespace

// ---- CZRVReportSettingWriter -------------------------------------------------------------------

CZRVReportSettingWriter::CZRVReportSettingWriter(CZRVReportItemManager* Doc) : Document(Doc) {}

CZRVReportSettingWriter::~CZRVReportSettingWriter() = default;

void CZRVReportSettingWriter::SetPrjCurViewName(const wchar_t* Name) {
  PrjCurViewName = zrv::text(Name);
}

void CZRVReportSettingWriter::SetPrjCurSettingName(const wchar_t* Name) {
  PrjCurSettingName = zrv::text(Name);
}

bool CZRVReportSettingWriter::readSource(Source& Out) const {
  if (!Document)
    return false;
  const CZRVReportItemManager& Doc = *Document;
  Out.Document = Document;
  Out.PrjCurViewName = PrjCurViewName;
  Out.PrjCurSettingName = PrjCurSettingName;
  auto header = [&](HeaderField Field) -> std::wstring& {
    return Out.HeaderTexts[static_cast<std::size_t>(Field)];
  };
  header(HeaderField::FileID) = Doc.FileID;
  header(HeaderField::Name) = Doc.FileName;
  header(HeaderField::Date) = Doc.FileDate;
  header(HeaderField::CreateBy) = Doc.CreateBy;
  header(HeaderField::Remark) = Doc.Remark;
  auto info = [&](InfoField Field) -> std::wstring& {
    return Out.InfoTexts[static_cast<std::size_t>(Field)];
  };
  info(InfoField::CompanyName) = Doc.CompanyName;
  info(InfoField::CompanyWebSite) = Doc.CompanyWebSite;
  info(InfoField::AuthorName) = Doc.AuthorName;
  info(InfoField::AuthorEMail) = Doc.AuthorEMail;
  info(InfoField::TemplateName) = Doc.TemplateName;
  Out.ViewOptions = Doc.ViewOptions;
  Out.ClippingOptions = Doc.ClippingOptions;
  Out.SlicingOptions = Doc.SlicingOptions;
  Out.ObjectOptions = Doc.ObjectOptions;
  Out.CaptureOptions = Doc.CaptureOptions;
  Out.MeltOptions = Doc.MeltOptions;
  Out.AnimationOptions = Doc.AnimationOptions;
  Out.ImageOptions = Doc.ImageOptions;
  return true;
}

int CZRVReportSettingWriter::SaveTemplate(const wchar_t* Path) {
  zrv::Diagnose(StartMessage, {Path});
  Source S;
  if (!readSource(S)) {
    zrv::Diagnose(OpenFailMessage, {L""});
    return 0;
  }
  const std::wstring Target = Document->GetProjectPath();
  if (Target.empty()) {
    zrv::Diagnose(OpenFailMessage, {Target});
    return 0;
  }

  TemplateText T(FileLineEnd);
  for (auto Build : SettingsPart)
    Build(S, T);
  std::vector<std::wstring> Tags;
  GetModuleList(Tags);
  buildResults(S, Tags, T);
  T.fixed(EndLine);
  if (T.refused()) {
    T.reportRefusal();
    return 0;
  }

  switch (zrv::platform::SaveFileSafely(Target, T.bytes())) {
  case zrv::platform::SafeSaveResult::Saved:
    break;
  case zrv::platform::SafeSaveResult::WriteFailed:
  case zrv::platform::SafeSaveResult::FlushFailed:
  case zrv::platform::SafeSaveResult::CloseFailed:
    zrv::Diagnose(WriteFailMessage, {Target});
    return 0;
  case zrv::platform::SafeSaveResult::TargetNotWritable:
  case zrv::platform::SafeSaveResult::CreateFailed:
  case zrv::platform::SafeSaveResult::ReplaceFailed:
    zrv::Diagnose(OpenFailMessage, {Target});
    return 0;
  }
  zrv::Diagnose(EndMessage);
  return 1;
}

void CZRVReportSettingWriter::WriteHeaderData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildHeader));
}

void CZRVReportSettingWriter::WriteInfoData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildInfo));
}

void CZRVReportSettingWriter::WriteViewData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildView));
}

void CZRVReportSettingWriter::WriteClippingData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildClipping));
}

void CZRVReportSettingWriter::WriteSlicingData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildSlicing));
}

void CZRVReportSettingWriter::WriteObjectData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildObject));
}

void CZRVReportSettingWriter::WriteFocusCaptureData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildFocusCapture));
}

void CZRVReportSettingWriter::WriteMeltFrontTimeCaptureData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildMeltFrontTimeCapture));
}

void CZRVReportSettingWriter::WriteAnimationSetting(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildAnimation));
}

void CZRVReportSettingWriter::WriteImageSetting(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildImage));
}

void CZRVReportSettingWriter::WriteResultExData(std::FILE* Stream) const {
  Source S;
  if (readSource(S))
    writeToStream(Stream, streamText(S, buildResultEx));
}

void CZRVReportSettingWriter::WriteResultData(std::FILE* Stream) const {
  Source S;
  if (!readSource(S))
    return;
  std::vector<std::wstring> Tags;
  GetModuleList(Tags);
  TemplateText T(zrv::platform::TextModeLineEnd);
  buildResults(S, Tags, T);
  writeToStream(Stream, T.bytes());
}

void CZRVReportSettingWriter::GetModuleList(std::vector<std::wstring>& Tags) const {
  Tags.clear();
  if (!Document)
    return;
  std::vector<int> Modules;
  Document->GetModuleIDList(Modules);
  for (int Module : Modules)
    Tags.push_back(GetModuleNameByID(Module));
}

std::wstring CZRVReportSettingWriter::GetModuleNameByID(int ModuleID) const {
  return moduleTag(ModuleID);
}

// ---- The document's own save -------------------------------------------------------------------

void CZRVReportItemManager::SaveItemManager() {
  CZRVReportSettingWriter Writer(this);
  const std::wstring Path = GetProjectPath();
  Writer.SaveTemplate(Path.c_str());
}
