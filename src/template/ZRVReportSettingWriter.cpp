// ZRVReportSettingWriter.cpp - the template writer: builds the text of each
// section from the settings document, writes sections to a caller's stream,
// and saves a whole template safely; also the document's own save.
#include "zrvreport/ZRVReportSettingWriter.h"

#include "zrvreport/ZRVReportItemManager.h"

#include "manager/DocumentAccess.h"
#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"
#include "template/Format.h"
#include "util/Text.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <string_view>

using namespace zrv::format;

namespace {

/// A library record in the form the line formatter takes: the record itself,
/// or the public form of a melt-front capture record the document keeps short.
template <typename Record> const Record& publicRecord(const Record& R) { return R; }
inline MeltRecord publicRecord(const zrv::manager::StoredMelt& R) { return R; }

constexpr const wchar_t* StartMessage = L"[ReportSetting] start to save template %s";
// The messages of a failed save: the path, then why.
constexpr const wchar_t* OpenFailMessage = L"[ReportSetting] open file fail %s: %s";
constexpr const wchar_t* WriteFailMessage = L"[ReportSetting] write file fail %s: %s";
constexpr const wchar_t* EndMessage = L"[ReportSetting] End to save template";
constexpr const wchar_t* NameTooLongMessage =
    L"[ReportSetting] template not saved, name longer than 255 characters in %s: %s";
constexpr const wchar_t* LineTooLongMessage =
    L"[ReportSetting] template not saved, line longer than 511 bytes in %s: %s";

/// The line end of a saved template file, written in binary mode.
constexpr std::string_view FileLineEnd = "\r\n";

/// The subject of a refusal given as the kept form of a library's name,
/// widened only for the message.
struct KeptSubject {
  std::string_view Kept;
};
std::wstring subjectText(std::wstring_view Subject) { return std::wstring(Subject); }
std::wstring subjectText(KeptSubject Subject) { return zrv::platform::KeptToWide(Subject.Kept); }

/// The text of a template, or of some of its sections, as the bytes that go
/// into the file. It also notes the first line or name that a reader could
/// not read back whole, so that a save can be refused before anything is
/// written.
class TemplateText {
public:
  explicit TemplateText(std::string_view End) : LineEnd(End) {}

  /// Appends a line that \p Put appends to the bytes as UTF-8, and a line
  /// end. \p Section and \p Subject name the line in the message of a
  /// refusal.
  template <typename Append, typename Subject = std::wstring_view>
  void line(Append&& Put, std::wstring_view Section, const Subject& About) {
    const std::size_t Start = Bytes.size();
    Put(Bytes);
    if (!fitsReadLimit(Bytes.view().substr(Start)))
      refuse(LineTooLongMessage, Section, About);
    Bytes.append(LineEnd);
  }

  /// Appends fixed ASCII text (a tag or a label) as a line.
  void asciiLine(std::string_view Ascii, std::wstring_view Section, std::wstring_view Subject) {
    line([&](ByteBuffer& Out) { Out.append(Ascii); }, Section, Subject);
  }

  /// Notes a name or text value of \p Length wide characters that the line
  /// of \p Subject carries, when it is longer than a reader takes.
  template <typename Subject>
  void name(std::size_t Length, std::wstring_view Section, const Subject& About) {
    if (Length > MaxNameChars)
      refuse(NameTooLongMessage, Section, About);
  }
  void name(std::wstring_view Name, std::wstring_view Section, std::wstring_view Subject) {
    name(Name.size(), Section, Subject);
  }
  /// The same for a name in its kept form: it has no more characters than
  /// bytes, so only a long one is counted.
  template <typename Subject>
  void keptName(std::string_view Kept, std::wstring_view Section, const Subject& About) {
    if (Kept.size() > MaxNameChars)
      name(zrv::platform::KeptWideLength(Kept), Section, About);
  }

  /// The blank lines after a section.
  void sectionEnd() {
    for (int I = 0; I < BlankLinesAfterSection; ++I)
      Bytes.append(LineEnd);
  }

  /// Appends fixed ASCII text as it stands (the end line).
  void fixed(std::string_view Ascii) { Bytes.append(Ascii); }

  /// Makes room for about \p Size bytes in all.
  void reserve(std::size_t Size) { Bytes.reserve(Size); }

  std::string_view bytes() const { return Bytes.view(); }
  bool refused() const { return Refusal.has_value(); }
  /// True when the first refusal is for a name, false for a line.
  bool refusedForName() const { return Refusal && Refusal->Pattern == NameTooLongMessage; }
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

  template <typename Subject>
  void refuse(const wchar_t* Pattern, std::wstring_view Section, const Subject& About) {
    if (!Refusal)
      Refusal = RefusalNote{Pattern, std::wstring(Section), subjectText(About)};
  }

  std::string_view LineEnd;
  ByteBuffer Bytes;
  std::optional<RefusalNote> Refusal;
};

} // namespace

using ItemName = ZRVDocumentAccess::ItemName;

namespace zrv::writer {

/// The section builders. They read the document, its libraries and its items
/// in place (the document and its items let them), and append each section's
/// lines to a TemplateText.
struct Source {
  const CZRVReportItemManager* Document = nullptr;
  /// The document's data (texts, libraries, option lists, items) read in place.
  const ZRVDocumentAccess::Data* Data = nullptr;
  std::wstring PrjCurViewName;
  std::wstring PrjCurSettingName;

  void header(TemplateText& T) const;
  void info(TemplateText& T) const;
  void view(TemplateText& T) const {
    settings(T, Section::ViewSetting, Data->Views, PrjCurViewName);
  }
  void clipping(TemplateText& T) const {
    settings(T, Section::ClippingSetting, Data->Clippings, {});
  }
  void slicing(TemplateText& T) const { settings(T, Section::SlicingSetting, Data->Slicings, {}); }
  void object(TemplateText& T) const {
    settings(T, Section::ObjectSetting, Data->Objects, PrjCurSettingName);
  }
  void focusCapture(TemplateText& T) const {
    settings(T, Section::FocusCapture, Data->Captures, {});
  }
  void meltFrontTimeCapture(TemplateText& T) const {
    settings(T, Section::MeltFrontTimeCapture, Data->Melts, {});
  }
  void animation(TemplateText& T) const {
    settings(T, Section::AnimationSetting, Data->Animations, {});
  }
  void image(TemplateText& T) const { settings(T, Section::ImageSetting, Data->Images, {}); }
  void resultEx(TemplateText& T) const;
  void results(const std::vector<std::wstring>& Tags, TemplateText& T) const;

  /// About the size of a whole template of the document, so that its bytes
  /// are built in one buffer without moving them as it grows.
  std::size_t sizeEstimate() const {
    const std::size_t Settings = Data->Views.optionCount() + Data->Clippings.optionCount() +
                                 Data->Slicings.optionCount() + Data->Objects.optionCount() +
                                 Data->Captures.optionCount() + Data->Melts.optionCount() +
                                 Data->Animations.optionCount() + Data->Images.optionCount();
    return 8192 + 64 * Settings + 128 * Data->Items.size();
  }

private:
  template <typename Library>
  void settings(TemplateText& T, Section Id, const Library& Settings, std::wstring_view Skip) const;
  EncodedItemLine itemLine(std::size_t Index, EncodedNames& Names) const;

  /// The several-view names of the last item line, seen in place: kept for
  /// its room from line to line.
  mutable std::vector<const EncodedName*> ViewNames;
};

// ---- [FileHeader] and [Info] ---------------------------------------------------------------

namespace {

/// A [FileHeader] or [Info] section: the tag, then the line of each row
/// (\p Append formats it) with the row's number or text, whose text must fit
/// a reader.
template <typename Field, std::size_t N>
void keySection(TemplateText& T, Section Id, const std::array<KeyRowLayout, N>& Rows,
                const int (&Numbers)[N], const std::wstring* const (&Texts)[N],
                void (*Append)(ByteBuffer&, Field, int, std::wstring_view)) {
  const std::wstring Tag = widen(tagOf(Id));
  T.asciiLine(tagOf(Id), Tag, Tag);
  for (std::size_t I = 0; I < N; ++I) {
    const std::wstring Key = widen(Rows[I].Key);
    const std::wstring_view Text = Texts[I] ? std::wstring_view(*Texts[I]) : std::wstring_view();
    if (Rows[I].Kind == ValueKind::Text)
      T.name(Text, Tag, Key);
    T.line([&](ByteBuffer& Out) { Append(Out, static_cast<Field>(I), Numbers[I], Text); }, Tag,
           Key);
  }
  T.sectionEnd();
}

} // namespace

void Source::header(TemplateText& T) const {
  const CZRVReportItemManager& Doc = *Document;
  int Numbers[HeaderFieldCount] = {};
  Numbers[static_cast<std::size_t>(HeaderField::FileVersion)] = Doc.GetFileVersion();
  Numbers[static_cast<std::size_t>(HeaderField::ProjectType)] = Doc.GetFileProjectType();
  Numbers[static_cast<std::size_t>(HeaderField::AppType)] = Doc.GetFileAppType();
  const std::wstring* Texts[HeaderFieldCount] = {};
  Texts[static_cast<std::size_t>(HeaderField::FileID)] = &Data->FileID;
  Texts[static_cast<std::size_t>(HeaderField::Name)] = &Data->FileName;
  Texts[static_cast<std::size_t>(HeaderField::Date)] = &Data->FileDate;
  Texts[static_cast<std::size_t>(HeaderField::CreateBy)] = &Data->CreateBy;
  Texts[static_cast<std::size_t>(HeaderField::Remark)] = &Data->Remark;
  keySection(T, Section::FileHeader, HeaderRows, Numbers, Texts, appendHeaderLine);
}

void Source::info(TemplateText& T) const {
  const CZRVReportItemManager& Doc = *Document;
  int Numbers[InfoFieldCount] = {};
  Numbers[static_cast<std::size_t>(InfoField::ReportType)] = Doc.GetReportType();
  const std::wstring* Texts[InfoFieldCount] = {};
  Texts[static_cast<std::size_t>(InfoField::CompanyName)] = &Data->CompanyName;
  Texts[static_cast<std::size_t>(InfoField::CompanyWebSite)] = &Data->CompanyWebSite;
  Texts[static_cast<std::size_t>(InfoField::AuthorName)] = &Data->AuthorName;
  Texts[static_cast<std::size_t>(InfoField::AuthorEMail)] = &Data->AuthorEMail;
  Texts[static_cast<std::size_t>(InfoField::TemplateName)] = &Data->TemplateName;
  keySection(T, Section::Info, InfoRows, Numbers, Texts, appendInfoLine);
}

// ---- Setting sections ------------------------------------------------------------------------

/// A setting section: tag, label, one line per name of the library's option
/// list in order (an empty name, and a name equal to \p Skip, left out), two
/// blank lines. Each line holds the record listed under its name.
template <typename Library>
void Source::settings(TemplateText& T, Section Id, const Library& Settings,
                      std::wstring_view Skip) const {
  const std::wstring Tag = widen(tagOf(Id));
  T.asciiLine(tagOf(Id), Tag, Tag);
  T.asciiLine(layoutOf(Id).Label, Tag, Tag);
  // Names are written from the kept form the library holds them in.
  const zrv::manager::KeptOf SkipKept(Skip);
  for (std::size_t I = 0; I < Settings.optionCount(); ++I) {
    const auto Listed = Settings.optionAt(I);
    const std::string_view Kept = Settings.keptName(Listed);
    if (Kept.empty() || Kept == SkipKept.view())
      continue;
    const auto& R = Settings.stored(Listed);
    const KeptSubject About{Kept};
    T.keptName(Kept, Tag, About);
    T.line([&](ByteBuffer& Out) { appendKeptSettingLine(Out, Kept, publicRecord(R)); }, Tag, About);
  }
  T.sectionEnd();
}

// ---- [ResultEx] ------------------------------------------------------------------------------

void Source::resultEx(TemplateText& T) const {
  const CZRVReportItemManager& Doc = *Document;
  const std::wstring Tag = widen(tagOf(Section::ResultEx));
  T.asciiLine(tagOf(Section::ResultEx), Tag, Tag);
  T.asciiLine(layoutOf(Section::ResultEx).Label, Tag, Tag);
  const int Count = Doc.GetItemExCount();
  for (int Position = 0; Position < Count; ++Position) {
    const auto Row = static_cast<std::size_t>(Position);
    if (Row >= ResultExRowCount)
      break; // no row from position 6 on
    const CZRVReportItemEx& Ex = Data->ItemExs[Row];
    // The texts the document's getters give for the row (GetMeltName,
    // GetPPTTemplate, GetAnimationName, GetImageName), read from the entry
    // itself so that no fixed-size buffer limits them.
    int Output = Ex.Output;
    std::wstring_view Setting;
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
    T.line([&](ByteBuffer& Out) { appendResultExRow(Out, Row, Output, Setting, Ex.WarpageScale); },
           Tag, Key);
  }
  T.sectionEnd();
}

// ---- Result sections -----------------------------------------------------------------------

/// The item line of the item at \p Index, its names read in place. The view
/// list and the item count of one page come from the first item with the
/// same item id and module id (the document's index answers it).
EncodedItemLine Source::itemLine(std::size_t Index, EncodedNames& Names) const {
  const zrv::manager::ItemStore& Items = Data->Items;
  const zrv::manager::ItemRecord& R = Items.record(Index);
  const int FirstIndex = Document->GetItemIndex(R.ItemID, R.ModuleID);
  const zrv::manager::ItemRecord& First =
      FirstIndex >= 0 ? Items.record(static_cast<std::size_t>(FirstIndex)) : R;
  const auto NameOf = [&](ItemName Which) { return &Names[R.Names[static_cast<int>(Which)]]; };
  // The parameters as GetParameterX, Y, Z give them: the slicing values.
  const auto& Slicing = Items.pools().Slicings.fields(R.Slicing);
  EncodedItemLine Line;
  Line.Key = NameOf(ItemName::Save);
  Line.Output = R.Output;
  Line.DisplayMode = R.DisplayMode;
  Line.ParameterX = std::get<0>(Slicing);
  Line.ParameterY = std::get<1>(Slicing);
  Line.ParameterZ = std::get<2>(Slicing);
  Line.FaceNumber = R.FaceNumber;
  Line.ClippingName = NameOf(ItemName::Clipping);
  Line.ViewName = NameOf(ItemName::View);
  Line.ObjectName = NameOf(ItemName::Object);
  Line.CaptureName = NameOf(ItemName::Capture);
  Line.SlicingName = NameOf(ItemName::Slicing);
  ViewNames.clear();
  for (const zrv::manager::PoolId Id : Items.pools().ViewNameLists[First.ViewNames])
    ViewNames.push_back(&Names[Id]);
  Line.ManyViewNames = {ViewNames.data(), ViewNames.size()};
  Line.AirTrap = R.OutputAirTrap;
  Line.WeldLine = R.OutputWeldLine;
  Line.ItemCountOf1Page = First.ItemCountOf1Page;
  return Line;
}

void Source::results(const std::vector<std::wstring>& Tags, TemplateText& T) const {
  const zrv::manager::ItemStore& Items = Data->Items;

  // The items of each section in document order, found once; at
  // SectionCount the items of modules without a section, whose empty tag
  // every tag line holds.
  std::vector<std::size_t> Members[SectionCount + 1];
  int LastModule = 0;
  Section LastSection = sectionOfModule(LastModule);
  for (std::size_t I = 0; I < Items.size(); ++I) {
    if (Items[I].GetModuleID() != LastModule) {
      LastModule = Items[I].GetModuleID();
      LastSection = sectionOfModule(LastModule);
    }
    Members[static_cast<std::size_t>(LastSection)].push_back(I);
  }

  // Every name the items hold, encoded once for all the lines that carry it
  // (when the first of them is written), and the project's names in the
  // kept form the item names are compared in.
  const zrv::manager::TextPool& Pool = Items.pools().Names;
  EncodedNames Names;
  Names.reserve(Pool.size(), Pool.elementCount());
  for (zrv::manager::PoolId Id = 0; Id < Pool.size(); ++Id)
    Names.add(Pool[Id]);
  const zrv::manager::KeptOf ProjectView(PrjCurViewName);
  const zrv::manager::KeptOf ProjectSetting(PrjCurSettingName);

  std::vector<std::size_t> Written;
  std::vector<std::size_t> Merged;
  for (const std::wstring& Tag : Tags) {
    // The items whose module's tag the tag line holds, in document order.
    Written = Members[SectionCount];
    for (const SectionLayout& Row : Sections) {
      const std::vector<std::size_t>& Of = Members[static_cast<std::size_t>(Row.Id)];
      if (Row.Kind != SectionKind::Result || Of.empty() || !containsAscii(Tag, Row.Tag))
        continue;
      Merged.clear();
      std::merge(Written.begin(), Written.end(), Of.begin(), Of.end(), std::back_inserter(Merged));
      Written.swap(Merged);
    }

    T.line([&](ByteBuffer& Out) { appendUtf8(Out, Tag); }, Tag, Tag);
    T.asciiLine(ItemLabel, Tag, Tag);
    for (std::size_t I : Written) {
      const EncodedItemLine Line = itemLine(I, Names);
      const KeptSubject Key{Line.Key->Kept};
      // The names as the line carries them: the view and object names that
      // are the project's own are written "-".
      T.keptName(Line.Key->Kept, Tag, Key);
      T.keptName(Line.ClippingName->Kept, Tag, Key);
      T.keptName(Line.CaptureName->Kept, Tag, Key);
      T.keptName(Line.SlicingName->Kept, Tag, Key);
      if (Line.ObjectName->Kept != ProjectSetting.view())
        T.keptName(Line.ObjectName->Kept, Tag, Key);
      if (!Line.ManyViewNames.empty()) {
        if (viewListKeptSize(Line.ManyViewNames) > MaxNameChars)
          T.name(viewListLength(Line.ManyViewNames), Tag, Key);
      } else if (Line.ViewName->Kept != ProjectView.view()) {
        T.keptName(Line.ViewName->Kept, Tag, Key);
      }
      T.line(
          [&](ByteBuffer& Out) {
            appendItemLine(Out, Line, ProjectView.view(), ProjectSetting.view());
          },
          Tag, Key);
    }
    T.sectionEnd();
  }
}

} // namespace zrv::writer

namespace {

using zrv::writer::Source;

/// The sections SaveTemplate writes before the result sections, in file
/// order.
constexpr void (Source::*SettingsPart[])(TemplateText&) const = {&Source::header,
                                                                 &Source::view,
                                                                 &Source::clipping,
                                                                 &Source::slicing,
                                                                 &Source::object,
                                                                 &Source::focusCapture,
                                                                 &Source::meltFrontTimeCapture,
                                                                 &Source::animation,
                                                                 &Source::image,
                                                                 &Source::resultEx};

/// Writes the bytes of some sections to a caller's stream as they stand.
void writeToStream(std::FILE* Stream, std::string_view Bytes) {
  if (Stream && !Bytes.empty())
    std::fwrite(Bytes.data(), 1, Bytes.size(), Stream);
}

/// The bytes of one section with the line end of a text-mode stream.
std::string streamText(const Source& S, void (Source::*Build)(TemplateText&) const) {
  TemplateText T(zrv::platform::TextModeLineEnd);
  (S.*Build)(T);
  return std::string(T.bytes());
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

namespace {

/// Fills \p Out with what the section builders read: the document and its
/// data and the two project names. False for a null document.
bool readSource(const CZRVReportItemManager* Document, const std::wstring& PrjCurViewName,
                const std::wstring& PrjCurSettingName, Source& Out) {
  if (!Document)
    return false;
  Out.Document = Document;
  Out.Data = &ZRVDocumentAccess::data(*Document);
  Out.PrjCurViewName = PrjCurViewName;
  Out.PrjCurSettingName = PrjCurSettingName;
  return true;
}

} // namespace

int CZRVReportSettingWriter::SaveTemplate(const wchar_t* Path) {
  zrv::Diagnose(StartMessage, {Path});
  Source S;
  if (!readSource(Document, PrjCurViewName, PrjCurSettingName, S)) {
    zrv::Diagnose(OpenFailMessage, {L"", L"no document to save"});
    return finishSave(ZRVSaveStatus::NoTarget);
  }
  const std::wstring Target = Document->GetProjectPath();
  if (Target.empty()) {
    zrv::Diagnose(OpenFailMessage, {Target, L"the document has no project path"});
    return finishSave(ZRVSaveStatus::NoTarget);
  }

  TemplateText T(FileLineEnd);
  T.reserve(S.sizeEstimate());
  for (auto Build : SettingsPart)
    (S.*Build)(T);
  std::vector<std::wstring> Tags;
  GetModuleList(Tags);
  S.results(Tags, T);
  T.fixed(EndLine);
  if (T.refused()) {
    T.reportRefusal();
    return finishSave(T.refusedForName() ? ZRVSaveStatus::NameTooLong : ZRVSaveStatus::LineTooLong);
  }

  using zrv::platform::SafeSaveResult;
  std::wstring Reason;
  switch (zrv::platform::SaveFileSafely(Target, T.bytes(), &Reason)) {
  case SafeSaveResult::Saved:
    break;
  case SafeSaveResult::WriteFailed:
  case SafeSaveResult::FlushFailed:
  case SafeSaveResult::CloseFailed:
    zrv::Diagnose(WriteFailMessage, {Target, Reason});
    return finishSave(ZRVSaveStatus::WriteFailed);
  case SafeSaveResult::FolderFlushFailed:
    zrv::Diagnose(WriteFailMessage, {Target, Reason});
    return finishSave(ZRVSaveStatus::ReplaceFailed);
  case SafeSaveResult::TargetNotWritable:
    zrv::Diagnose(OpenFailMessage, {Target, Reason});
    return finishSave(ZRVSaveStatus::TargetNotWritable);
  case SafeSaveResult::LockFailed:
  case SafeSaveResult::CreateFailed:
    zrv::Diagnose(OpenFailMessage, {Target, Reason});
    return finishSave(ZRVSaveStatus::CreateFailed);
  case SafeSaveResult::ReplaceFailed:
    zrv::Diagnose(OpenFailMessage, {Target, Reason});
    return finishSave(ZRVSaveStatus::ReplaceFailed);
  }
  zrv::Diagnose(EndMessage);
  return finishSave(ZRVSaveStatus::Saved);
}

int CZRVReportSettingWriter::finishSave(ZRVSaveStatus Status) {
  LastSaveStatus = Status;
  if (Status == ZRVSaveStatus::Saved)
    LastSaveMessage.clear();
  else
    LastSaveMessage = zrv::LastDiagnostic();
  return Status == ZRVSaveStatus::Saved ? 1 : 0;
}

ZRVSaveStatus CZRVReportSettingWriter::GetLastSaveStatus() const { return LastSaveStatus; }

std::wstring CZRVReportSettingWriter::GetLastSaveMessage() const { return LastSaveMessage; }

void CZRVReportSettingWriter::WriteHeaderData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::header));
}

void CZRVReportSettingWriter::WriteInfoData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::info));
}

void CZRVReportSettingWriter::WriteViewData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::view));
}

void CZRVReportSettingWriter::WriteClippingData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::clipping));
}

void CZRVReportSettingWriter::WriteSlicingData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::slicing));
}

void CZRVReportSettingWriter::WriteObjectData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::object));
}

void CZRVReportSettingWriter::WriteFocusCaptureData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::focusCapture));
}

void CZRVReportSettingWriter::WriteMeltFrontTimeCaptureData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::meltFrontTimeCapture));
}

void CZRVReportSettingWriter::WriteAnimationSetting(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::animation));
}

void CZRVReportSettingWriter::WriteImageSetting(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::image));
}

void CZRVReportSettingWriter::WriteResultExData(std::FILE* Stream) const {
  Source S;
  if (readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    writeToStream(Stream, streamText(S, &Source::resultEx));
}

void CZRVReportSettingWriter::WriteResultData(std::FILE* Stream) const {
  Source S;
  if (!readSource(Document, PrjCurViewName, PrjCurSettingName, S))
    return;
  std::vector<std::wstring> Tags;
  GetModuleList(Tags);
  TemplateText T(zrv::platform::TextModeLineEnd);
  S.results(Tags, T);
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
