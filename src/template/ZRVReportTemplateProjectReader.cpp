// ZRVReportTemplateProjectReader.cpp - one template load: the main loop, the
// chain of section parsers, the item and extended-item parsers and the hand-over
// of the file's settings to the document.
#include "template/ZRVReportTemplateProjectReader.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <utility>

#include "manager/DocumentAccess.h"
#include "platform/Diagnostics.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"
#include "template/Format.h"
#include "util/Text.h"
#include "zrvreport/ZRVReportItemManager.h"

namespace fileformat = zrv::format;
using FindingKind = ZRVTemplateFindingKind;

namespace {

struct FileCloser {
  void operator()(std::FILE* File) const { std::fclose(File); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

/// Items that LoadSolidICPackage removes right after a result section when a
/// flag is 1, in this order.
struct ICPackageRemoval {
  ZRV_RESULT_MODULES After;
  bool ByUnderfill; ///< the underfill flag decides; otherwise the encapsulation flag
  int Ids[3];
};

constexpr ICPackageRemoval ICPackageRemovals[] = {
    // GateContribution of the IC package flow list, XY_SpruePressure, XY_ClampingForce.
    {ZRV_MODULE_FLOW, true, {572, 1579, 1580}},
    // XY_SpruePressure, XY_FlowRate, XY_FlowRateGate.
    {ZRV_MODULE_FLOW, false, {1579, 1581, 1585}},
    // GateContribution of the IC package cure list, XY_SpruePressure, XY_ClampingForce.
    {ZRV_MODULE_CURE, true, {972, 1579, 1580}},
};

std::string_view withoutLineEnd(std::string_view Text) {
  while (!Text.empty() && (Text.back() == '\n' || Text.back() == '\r'))
    Text.remove_suffix(1);
  return Text;
}

int fieldCount(std::string_view Text) {
  int Count = 1;
  for (char C : Text)
    if (C == ',')
      ++Count;
  return Count;
}

/// Field \p Index (1-based) of an item line, or empty when the line has fewer.
std::string_view itemField(std::string_view Text, int Index) {
  std::size_t Begin = 0;
  for (int I = 1; I < Index; ++I) {
    std::size_t Comma = Text.find(',', Begin);
    if (Comma == std::string_view::npos)
      return std::string_view();
    Begin = Comma + 1;
  }
  std::size_t End = Text.find(',', Begin);
  return Text.substr(Begin, End == std::string_view::npos ? std::string_view::npos : End - Begin);
}

std::wstring decoded(std::string_view Text) {
  return zrv::platform::FromUtf8(withoutLineEnd(Text));
}

/// The 1-based column of the first byte of \p Text that is not part of a
/// UTF-8 sequence (overlong forms, surrogates and values above U+10FFFF
/// included); 0 when the text is UTF-8.
int firstInvalidUtf8(std::string_view Text) {
  std::size_t I = 0;
  while (I < Text.size()) {
    auto Byte = static_cast<unsigned char>(Text[I]);
    if (Byte < 0x80) {
      I += zrv::platform::AsciiPrefixLength(Text.substr(I));
      continue;
    }
    std::size_t Length = Byte >= 0xC2 && Byte <= 0xDF   ? 2
                         : Byte >= 0xE0 && Byte <= 0xEF ? 3
                         : Byte >= 0xF0 && Byte <= 0xF4 ? 4
                                                        : 0;
    if (Length == 0 || I + Length > Text.size())
      return static_cast<int>(I) + 1;
    for (std::size_t K = 1; K < Length; ++K) {
      auto Next = static_cast<unsigned char>(Text[I + K]);
      unsigned char Low = 0x80, High = 0xBF;
      if (K == 1 && Byte == 0xE0)
        Low = 0xA0;
      else if (K == 1 && Byte == 0xED)
        High = 0x9F;
      else if (K == 1 && Byte == 0xF0)
        Low = 0x90;
      else if (K == 1 && Byte == 0xF4)
        High = 0x8F;
      if (Next < Low || Next > High)
        return static_cast<int>(I) + 1;
    }
    I += Length;
  }
  return 0;
}

/// True when \p Text starts, after blanks, with a decimal integer as the
/// reader reads one (an optional sign, then a digit).
bool startsWithNumber(std::wstring_view Text) {
  std::size_t I = 0;
  while (I < Text.size() && Text[I] < 0x80 && fileformat::isSpaceByte(static_cast<char>(Text[I])))
    ++I;
  if (I < Text.size() && (Text[I] == L'+' || Text[I] == L'-'))
    ++I;
  return I < Text.size() && Text[I] >= L'0' && Text[I] <= L'9';
}

/// The cells of a line read one after another as a spreadsheet reads them:
/// split at commas outside double quotes, each cell's quotes taken away (""
/// inside quotes gives one '"') and its surrounding blanks trimmed.
class CellReader {
public:
  explicit CellReader(std::string_view Line) : Text(Line) {}

  /// Puts the next cell into \p Cell; false when the line has no more.
  bool next(std::string& Cell) {
    if (At > Text.size())
      return false;
    Cell.clear();
    bool Quoted = false;
    for (; At < Text.size(); ++At) {
      const char C = Text[At];
      if (C == '"') {
        if (Quoted && At + 1 < Text.size() && Text[At + 1] == '"')
          Cell += Text[++At];
        else
          Quoted = !Quoted;
      } else if (C == ',' && !Quoted) {
        break;
      } else {
        Cell += C;
      }
    }
    ++At; // past the comma, or past the end after the last cell
    std::size_t First = 0;
    while (First < Cell.size() && fileformat::isSpaceByte(Cell[First]))
      ++First;
    std::size_t Last = Cell.size();
    while (Last > First && fileformat::isSpaceByte(Cell[Last - 1]))
      --Last;
    Cell.erase(Last).erase(0, First);
    return true;
  }

private:
  std::string_view Text;
  std::size_t At = 0;
};

/// True when two lines hold the same cells, empty cells at their ends left
/// out. Cells are compared as they are read: two lines that differ in their
/// first cells are told apart after reading those.
bool sameCells(std::string_view Left, std::string_view Right) {
  CellReader LeftCells(Left);
  CellReader RightCells(Right);
  std::string L;
  std::string R;
  for (;;) {
    const bool HasLeft = LeftCells.next(L);
    const bool HasRight = RightCells.next(R);
    if (!HasLeft && !HasRight)
      return true;
    if (!HasLeft || !HasRight) {
      // The longer line's remaining cells must all be empty.
      CellReader& Rest = HasLeft ? LeftCells : RightCells;
      std::string& Cell = HasLeft ? L : R;
      do {
        if (!Cell.empty())
          return false;
      } while (Rest.next(Cell));
      return true;
    }
    if (L != R)
      return false;
  }
}

/// True when a line that a section's parser drops holds nothing to lose: it
/// is blank once the commas and blanks a spreadsheet pads rows with are
/// taken away, or it is the section's label line \p Label with its cells
/// padded, quoted or unquoted.
bool holdsNothing(std::string_view Text, std::string_view Label) {
  if (Text.find_first_not_of(", \t\r\n\v\f") == std::string_view::npos)
    return true;
  return !Label.empty() && (Text == Label || sameCells(Text, Label));
}

} // namespace

CZRVReportTemplateProjectReader::CZRVReportTemplateProjectReader() = default;
CZRVReportTemplateProjectReader::~CZRVReportTemplateProjectReader() = default;

// ---- Reading lines -------------------------------------------------------------

bool CZRVReportTemplateProjectReader::readLine() {
  std::string_view Piece;
  zrv::platform::PieceMarks Marks;
  LastReadOk = Reader->readLine(Piece, fileformat::TagMark, Marks);
  if (!LastReadOk)
    return false; // Line keeps the line read before, as fgets leaves its buffer
  LineNumber = NextLineNumber;
  bool Ends = !Piece.empty() && Piece.back() == '\n';
  bool Partial = !Ends && Piece.size() >= fileformat::MaxReadLineBytes;
  if (Ends)
    ++NextLineNumber;
  else if (Partial && !Reader->atEnd() && !InLongLine)
    note(FindingKind::LineTooLong, LineNumber, decoded(Piece.substr(0, 40)),
         static_cast<int>(Piece.size()));
  InLongLine = Partial;
  // A line's text ends at its first NUL byte, as in a reader of zero-terminated
  // lines: every name and value reaches the document and its callers as a
  // zero-terminated string, so nothing after a NUL could be stored or found.
  // The marks the line end's search left say which of these a line (nearly
  // every line: no NUL, no tag, ASCII only) needs no search for.
  if (Marks.Nul)
    Piece = Reader->cut(Piece, Piece.find('\0'));
  Line = Piece;
  // A tag holds '['; a cut may have taken the line's '[' away.
  AtTagLine = Marks.Watched && (!Marks.Nul || fileformat::isTagLine(Line));
  LineTags = AtTagLine ? fileformat::tagsInLine(Line) : 0;
  if (Options.Observer && Marks.NonAscii)
    if (int Column = firstInvalidUtf8(Line))
      note(FindingKind::TextNotUtf8, LineNumber, decoded(Line), Column);
  return true;
}

void CZRVReportTemplateProjectReader::note(FindingKind What, int Number, std::wstring Text,
                                           int Value, int Field, std::vector<int> Accepted) {
  if (!Options.Observer)
    return;
  ZRVTemplateFinding Finding;
  Finding.Kind = What;
  Finding.Line = Number;
  Finding.Section = SectionTag;
  Finding.Text = std::move(Text);
  Finding.Number = Value;
  Finding.Field = Field;
  Finding.Accepted = std::move(Accepted);
  // While a section is collected its lines are only read; what reading finds
  // (a line too long) waits until the parse of the collected lines reaches
  // that line, so that the observer hears of every line in file order.
  if (Collecting) {
    Deferred.push_back(std::move(Finding));
    return;
  }
  flushDeferred(Number);
  Options.Observer->OnFinding(Finding);
}

void CZRVReportTemplateProjectReader::flushDeferred(int UpToLine) {
  while (!Deferred.empty() && Deferred.front().Line <= UpToLine) {
    Options.Observer->OnFinding(Deferred.front());
    Deferred.pop_front();
  }
}

void CZRVReportTemplateProjectReader::noteIgnoredLine(fileformat::Section Id) {
  if (!Options.Observer)
    return;
  const fileformat::SectionLayout& Layout = fileformat::layoutOf(Id);
  std::vector<int> Accepted;
  if (Layout.Kind == fileformat::SectionKind::Setting &&
      Id != fileformat::Section::MeltFrontTimeCapture)
    for (int Count = Layout.PartialValueCount; Count <= Layout.FullValueCount; ++Count)
      Accepted.push_back(Count);
  noteDropped(Line, LineNumber, Layout.Label, std::move(Accepted));
}

void CZRVReportTemplateProjectReader::noteDropped(std::string_view Text, int Number,
                                                  std::string_view Label,
                                                  std::vector<int> Accepted) {
  Text = withoutLineEnd(Text);
  if (!Options.Observer || holdsNothing(Text, Label))
    return;
  note(FindingKind::LineIgnored, Number, decoded(Text), fieldCount(Text), 0, std::move(Accepted));
}

// ---- The load --------------------------------------------------------------------

int CZRVReportTemplateProjectReader::Load(const std::wstring& Path, CZRVReportItemManager& Target,
                                          const zrv::LoadOptions& LoadOptions) {
  // Only a regular file of UTF-8 text is a template: a FIFO would block the
  // load and a device never end it; a UTF-16 or binary file would load as
  // nothing. The message says why the file was not opened.
  zrv::platform::OpenFailure Failure;
  FilePtr File(zrv::platform::OpenTemplateFile(Path, Failure));
  if (!File) {
    zrv::Diagnose(L"[ReportTemplateReader] Can't open this template file %s: %s",
                  {Path, Failure.Reason});
    return 0;
  }
  zrv::platform::LineReader FileReader(File.get());
  Document = &Target;
  Options = LoadOptions;
  Reader = &FileReader;
  SectionKeys = nullptr;
  clearTables();
  // The result sections of the chain, looked up once for the whole load.
  ResultSections.clear();
  for (ZRV_RESULT_MODULES Module : zrv::AcceptedSections(Options.Entry))
    ResultSections.emplace_back(Module, fileformat::sectionOfModule(Module));

  while (readLine()) {
    if (AtTagLine)
      dispatch();
    if (Reader->atEnd() || !LastReadOk || fileformat::isEndLine(Line))
      break;
  }
  if (!fileformat::isEndLine(Line)) {
    SectionTag.clear();
    note(FindingKind::EndMissing, LineNumber, std::wstring());
  }
  File.reset();

  handOverTables();
  if (zrv::SetsManyViewData(Options.Entry))
    Document->SetAllManyViewData();
  ZRVDocumentAccess::trimItems(*Document);

  Reader = nullptr; // the lines read were views of its bytes
  Line = {};
  AtTagLine = false;
  LineTags = 0;
  Collected.clear();
  Document = nullptr;
  return 1;
}

void CZRVReportTemplateProjectReader::clearTables() {
  ClippingTable.clear();
  ViewTable.clear();
  ObjectTable.clear();
  CaptureTable.clear();
  MeltTable.clear();
  SlicingTable.clear();
  AnimationTable.clear();
  ImageTable.clear();
  ClippingIndex.clear();
  ViewIndex.clear();
  ObjectIndex.clear();
  CaptureIndex.clear();
  SlicingIndex.clear();
  SeenTexts.clear();
  KnownTexts.clear();
}

void CZRVReportTemplateProjectReader::handOverTables() {
  // Each table is moved into the document's library, which lists its names
  // as a hand-over of a copy would.
  ZRVDocumentAccess::adoptLibraries(*Document, std::move(ClippingTable), std::move(ViewTable),
                                    std::move(ObjectTable), std::move(CaptureTable),
                                    std::move(MeltTable), std::move(SlicingTable),
                                    std::move(AnimationTable), std::move(ImageTable));
  clearTables();
}

// The chain of tag tests, in a fixed order, on the same line buffer. A parser
// returns with the tag line that ended its section in the buffer, and the tests
// after it see that line; a tag earlier in the chain than the last one matched
// is not tested again for that line, so its section is passed over.
void CZRVReportTemplateProjectReader::dispatch() {
  TagTaken = false;
  auto take = [this](fileformat::Section Id) {
    if (!fileformat::holdsTag(LineTags, Id))
      return false;
    TagTaken = true;
    SectionTag = fileformat::widen(fileformat::tagOf(Id));
    if (Options.Observer)
      note(FindingKind::SectionRead, LineNumber, decoded(Line));
    return true;
  };
  // After a parser returns, the buffer holds a new tag line (or the last line
  // of the file); it has not been taken yet.
  auto parsed = [this] { TagTaken = false; };

  // A line that holds no tag of the chain takes none of its tests; it is
  // passed over at once (the same outcome as running every test).
  if (LineTags == 0) {
    passOver();
    return;
  }

  if (take(fileformat::Section::FileHeader)) {
    parseHeader();
    parsed();
  }
  take(fileformat::Section::Info); // its lines are left to the main loop, which ignores them
  if (take(fileformat::Section::ViewSetting)) {
    parseSettings<CZRVReportItem::tagVIEWSETTING>(fileformat::Section::ViewSetting, ViewTable,
                                                  &ViewIndex);
    parsed();
  }
  if (take(fileformat::Section::ClippingSetting)) {
    parseSettings<CZRVReportItem::tagCLIPSETTING>(fileformat::Section::ClippingSetting,
                                                  ClippingTable, &ClippingIndex);
    parsed();
  }
  if (take(fileformat::Section::SlicingSetting)) {
    parseSettings<CZRVReportItem::tagSLICESETTING>(fileformat::Section::SlicingSetting,
                                                   SlicingTable, &SlicingIndex);
    parsed();
  }
  if (take(fileformat::Section::ObjectSetting)) {
    parseSettings<CZRVReportItem::tagOBJECTSETTING>(fileformat::Section::ObjectSetting, ObjectTable,
                                                    &ObjectIndex);
    parsed();
  }
  if (take(fileformat::Section::FocusCapture)) {
    parseSettings<CZRVReportItem::tagFOCUSCAPTURE>(fileformat::Section::FocusCapture, CaptureTable,
                                                   &CaptureIndex);
    parsed();
  }
  if (take(fileformat::Section::MeltFrontTimeCapture)) {
    parseMeltSettings();
    parsed();
  }
  if (take(fileformat::Section::AnimationSetting)) {
    parseSettings<CZRVReportItemEx::stAnimationSetting>(fileformat::Section::AnimationSetting,
                                                        AnimationTable);
    parsed();
  }
  if (take(fileformat::Section::ImageSetting)) {
    parseSettings<CZRVReportItemEx::stImageSetting>(fileformat::Section::ImageSetting, ImageTable);
    parsed();
  }
  if (take(fileformat::Section::ResultEx)) {
    collectSection();
    parseResultEx();
    parsed();
  }
  for (const auto& [Module, Tag] : ResultSections) {
    if (take(Tag)) {
      collectSection();
      parseResultSection(Module);
      parsed();
    }
  }
  if (!TagTaken)
    passOver();
}

void CZRVReportTemplateProjectReader::passOver() {
  if (AtTagLine && !fileformat::isEndLine(Line)) {
    // The finding names the section this line ended; the lines after it up
    // to the next tag line belong to no section.
    if (Options.Observer) // the line is decoded only for an observer
      note(FindingKind::SectionPassedOver, LineNumber, decoded(Line));
    SectionTag.clear();
  }
}

// ---- [FileHeader] ------------------------------------------------------------------

void CZRVReportTemplateProjectReader::parseHeader() {
  while (readLine() && !AtTagLine) {
    std::optional<fileformat::ParsedHeaderValue> Value = fileformat::parseHeaderLine(Line);
    if (!Value) {
      noteIgnoredLine(fileformat::Section::FileHeader);
      continue;
    }
    if (Options.Observer &&
        fileformat::HeaderRows[static_cast<std::size_t>(Value->Field)].Kind ==
            fileformat::ValueKind::Number &&
        !startsWithNumber(Value->Text))
      note(FindingKind::NotANumber, LineNumber, Value->Text, static_cast<int>(Value->Field));
    switch (Value->Field) {
    case fileformat::HeaderField::FileVersion:
      Document->SetFileVersion(Value->Number);
      break;
    case fileformat::HeaderField::FileID:
      Document->SetFileID(Value->Text.c_str());
      break;
    case fileformat::HeaderField::Name:
      Document->SetFileName(Value->Text.c_str());
      break;
    case fileformat::HeaderField::Date:
      Document->SetFileDate(Value->Text.c_str());
      break;
    case fileformat::HeaderField::ProjectType:
      Document->SetFileProjectType(Value->Number);
      break;
    case fileformat::HeaderField::AppType:
      Document->SetFileAppType(Value->Number);
      break;
    case fileformat::HeaderField::CreateBy:
      Document->SetCreateBy(Value->Text.c_str());
      break;
    case fileformat::HeaderField::Remark:
      Document->SetRemark(Value->Text.c_str());
      break;
    case fileformat::HeaderField::Count:
      break;
    }
  }
}

int CZRVReportTemplateProjectReader::LoadHeader(const std::wstring& Path,
                                                CZRVReportItemManager& Target) {
  zrv::platform::OpenFailure Failure;
  FilePtr File(zrv::platform::OpenTemplateFile(Path, Failure));
  if (!File)
    return 0;
  zrv::platform::LineReader FileReader(File.get());
  Document = &Target;
  Options = zrv::LoadOptions();
  Reader = &FileReader;
  int Found = 0;
  while (readLine()) {
    if (AtTagLine && fileformat::lineHasTag(Line, fileformat::Section::FileHeader)) {
      parseHeader();
      Found = 1;
      break;
    }
    if (fileformat::isEndLine(Line))
      break;
  }
  Reader = nullptr; // the lines read were views of its bytes
  Line = {};
  AtTagLine = false;
  LineTags = 0;
  Collected.clear();
  Document = nullptr;
  return Found;
}

// ---- Setting sections ----------------------------------------------------------------

namespace {

/// The record a setting line was read into, in the form its table keeps.
template <typename Record> Record&& storedForm(Record& Read) { return std::move(Read); }
/// A melt-front record is kept with its places up to the last that is not
/// zero; a line's record has none from its count on.
zrv::manager::StoredMelt storedForm(fileformat::MeltRecord& Read) {
  return zrv::manager::StoredMelt(Read, Read.Count);
}

} // namespace

template <typename Parsed, typename Table, typename Index>
void CZRVReportTemplateProjectReader::parseSettings(fileformat::Section Id, Table& Settings,
                                                    Index* Names) {
  // One setting read line after line: its name keeps its room, so a line
  // allocates nothing until its name and record are added to the table.
  fileformat::NamedSetting<Parsed> Setting;
  while (readLine() && !AtTagLine) {
    if (!fileformat::readSettingLine(Line, Setting)) {
      noteIgnoredLine(Id);
      continue;
    }
    // The first line of a name wins; a later one leaves the name unmoved
    // for its finding. The record's name is its key.
    if (!Settings.addKept(Setting.kept(), storedForm(Setting.Value)))
      note(FindingKind::DuplicateSetting, LineNumber, Setting.name());
    else if (Names)
      Names->added();
  }
}

void CZRVReportTemplateProjectReader::parseMeltSettings() {
  // The first line after the tag is the label line: it is dropped unread.
  if (!readLine() || AtTagLine)
    return;
  noteDropped(Line, LineNumber,
              fileformat::layoutOf(fileformat::Section::MeltFrontTimeCapture).Label);
  parseSettings<fileformat::MeltRecord>(fileformat::Section::MeltFrontTimeCapture, MeltTable);
}

// ---- Collected sections ----------------------------------------------------------------

void CZRVReportTemplateProjectReader::collectSection() {
  CurrentSectionLine = std::string(Line.substr(0, fileformat::MaxTagLineBytes));
  Collected.clear();
  Collecting = true;
  while (readLine() && !AtTagLine) {
    Collected.push_back({Line, LineNumber});
  }
  Collecting = false;
}

void CZRVReportTemplateProjectReader::parseResultEx() {
  for (const CollectedLine& Row : Collected) {
    std::optional<fileformat::ParsedResultExRow> Parsed = fileformat::parseResultExRow(textOf(Row));
    if (!Parsed) {
      noteDropped(textOf(Row), Row.Number, fileformat::ResultExLabel);
      continue;
    }
    CZRVReportItemEx Entry;
    Entry.Output = Parsed->Output;
    bool Resolved = true;
    switch (Parsed->Key) {
    case fileformat::ResultExKey::MeltFrontTime:
      if (auto Found = MeltTable.find(Parsed->Setting); Found != MeltTable.NotFound) {
        Entry.MeltCapture = MeltTable.record(Found);
        if (Entry.MeltCapture.Count > 0)
          Entry.HasMeltCapture = 1;
        Entry.MeltName = Parsed->Setting;
      } else {
        Resolved = false;
      }
      break;
    case fileformat::ResultExKey::PPTTemplate:
      Entry.PPTTemplatePath = Parsed->Setting;
      break;
    case fileformat::ResultExKey::Animation:
      if (auto Found = AnimationTable.find(Parsed->Setting); Found != AnimationTable.NotFound) {
        Entry.AnimationSetting = AnimationTable.record(Found);
        Entry.AnimationName = Parsed->Setting;
      } else {
        Resolved = false;
      }
      break;
    case fileformat::ResultExKey::WarpageScale:
      Entry.WarpageScale = Parsed->WarpageScale;
      break;
    case fileformat::ResultExKey::Image:
      if (auto Found = ImageTable.find(Parsed->Setting); Found != ImageTable.NotFound) {
        Entry.ImageSetting = ImageTable.record(Found);
        Entry.ImageName = Parsed->Setting;
      } else {
        Resolved = false;
      }
      break;
    case fileformat::ResultExKey::PDF3D:
    case fileformat::ResultExKey::Count:
      break;
    }
    if (!Resolved)
      note(FindingKind::UnresolvedName, Row.Number, Parsed->Setting, 0, 3);
    int Position = Document->GetItemExCount();
    Document->AddItemEx(Entry);
    note(FindingKind::ExtendedItemAdded, Row.Number, Parsed->KeyText, Position);
  }
  if (Options.Observer)
    flushDeferred(INT_MAX);
}

// ---- Result sections -----------------------------------------------------------------------

void CZRVReportTemplateProjectReader::parseResultSection(ZRV_RESULT_MODULES Module) {
  // The section's key lists resolve its keys. (Every section the dispatch
  // takes has lists; were one without, the keys before it would stay, as in a
  // map filled per tag.)
  if (const zrv::SectionKeys* Keys =
          zrv::SectionKeysOf(zrv::SelectSectionLists(Options.Entry, Options.Thermoset, Module)))
    SectionKeys = Keys;
  int FileVersion = Document->GetFileVersion();
  if (fileformat::itemLineFormOf(FileVersion) != fileformat::ItemLineForm::Full &&
      !Collected.empty())
    note(FindingKind::ItemLinesNotRead, Collected.front().Number, std::wstring(), FileVersion);
  SectionModule =
      static_cast<ZRV_RESULT_MODULES>(fileformat::moduleOfSectionLine(CurrentSectionLine));
  // The section's lines add at most one key to the document's lookup indexes
  // per key of its lists, however many items share a key.
  ZRVDocumentAccess::makeRoomForKeys(
      *Document, SectionKeys ? std::min(Collected.size(), SectionKeys->size()) : 0);
  makeRoomForSettings();
  for (const CollectedLine& ItemLine : Collected)
    parseItemLine(ItemLine, FileVersion);
  if (Options.Observer)
    flushDeferred(INT_MAX);
  Document->AddModuleID(fileformat::moduleOfSectionLine(CurrentSectionLine));
  if (Options.Entry == zrv::ReaderEntryPoint::SolidICPackage)
    removeICPackageItems(Module);
}

void CZRVReportTemplateProjectReader::makeRoomForSettings() {
  // An item line names at most one setting of each kind, and the settings it
  // names are mostly those the file's libraries hold: the document's pools get
  // room for that many at once, so that their indexes are laid out once
  // instead of at each doubling while the lines are read. The room is a total,
  // not more per section: the sections after the first name the same settings.
  zrv::manager::ItemPools& Pools = ZRVDocumentAccess::itemPools(*Document);
  const std::size_t Lines = Collected.size();
  // Room for \p More entries beyond those held, up to \p Most in all.
  auto roomUpTo = [](auto& Pool, std::size_t More, std::size_t Most) {
    Pool.reserve(std::max(Pool.size(), std::min(Pool.size() + More, Most)));
  };
  roomUpTo(Pools.Clippings, Lines, ClippingTable.size() + 1);
  roomUpTo(Pools.Slicings, Lines, SlicingTable.size() + 1);
  roomUpTo(Pools.Views, Lines, ViewTable.size() + 1);
  roomUpTo(Pools.Objects, Lines, ObjectTable.size() + 1);
  roomUpTo(Pools.Captures, Lines, CaptureTable.size() + 1);
  // The names: one of each of the five kinds a line.
  const std::size_t Settings = ClippingTable.size() + SlicingTable.size() + ViewTable.size() +
                               ObjectTable.size() + CaptureTable.size();
  roomUpTo(Pools.Names, 5 * Lines, Settings + 1);
}

namespace {

/// The pool id of the name of the setting an index entry gives an item.
template <typename Index>
zrv::manager::PoolId pooledName(zrv::manager::ItemPools& Pools, const Index& Settings,
                                typename Index::Entry& Found) {
  if (Found.Name == zrv::manager::TextPool::NotFound)
    Found.Name = Pools.Names.internKept(Settings.keptName(Found));
  return Found.Name;
}

/// A number field of an item line whose value is checked against its range
/// when an observer is told of findings: the field's number (from 1), the
/// value as a full line's parse read it, the range.
struct CheckedRange {
  int Field;
  int fileformat::ParsedItemLine::*AsRead;
  int Low;
  int High;
};
constexpr CheckedRange CheckedRanges[] = {{2, &fileformat::ParsedItemLine::OutputAsRead, 0, 3},
                                          {3, &fileformat::ParsedItemLine::DisplayModeAsRead, 0, 4},
                                          {15, &fileformat::ParsedItemLine::ItemCountAsRead, 1, 4}};

/// Whether an item keeps a setting's record with the setting's own name or
/// as its numbers alone.
enum class KeptName { Own, None };

/// The pool id of the record an index entry gives an item (made into the
/// item's form by \p ItemForm, named as \p Kept says), pooled on the first
/// use. The record is made from the numbers the table keeps and its name
/// given as a pool id, so no name is copied: a record read from a file is
/// named by its key, its name in the table, whose pool id serves the record
/// too.
template <typename Index, typename Record, typename ItemForm>
zrv::manager::PoolId pooledRecord(zrv::manager::RecordPool<Record>& Pool,
                                  zrv::manager::ItemPools& Pools, const Index& Settings,
                                  typename Index::Entry& Found, KeptName Kept, ItemForm Form) {
  if (Found.Pooled == zrv::manager::IdTable::NotFound) {
    zrv::manager::PoolId Name = 0; // the empty text
    if (Kept == KeptName::Own) {
      Name = Settings.ownNameIsName(Found) ? pooledName(Pools, Settings, Found)
                                           : Pools.Names.intern(Settings.ownName(Found));
    }
    Found.Pooled = Pool.internNamed(Form(Settings.stored(Found)), Name);
  }
  return Found.Pooled;
}

/// The record as the library stores it.
template <typename Record> Record asStored(Record Setting) { return Setting; }

} // namespace

CZRVReportTemplateProjectReader::KnownText&
CZRVReportTemplateProjectReader::known(std::string_view Text) {
  return known(Text, zrv::hashBytes(Text));
}

CZRVReportTemplateProjectReader::KnownText&
CZRVReportTemplateProjectReader::known(std::string_view Text, std::uint32_t Hash) {
  const zrv::manager::PoolId Id = SeenTexts.intern(Text.data(), Text.size(), Hash);
  if (Id >= KnownTexts.size())
    KnownTexts.resize(SeenTexts.size());
  return KnownTexts[Id];
}

zrv::manager::PoolId CZRVReportTemplateProjectReader::pooledText(KnownText& Known,
                                                                 std::string_view Text) {
  if (Known.Pooled == zrv::manager::IdTable::NotFound) {
    zrv::manager::TextPool& Names = ZRVDocumentAccess::itemPools(*Document).Names;
    // ASCII bytes are their own kept form; others are decoded first, an
    // ill-formed sequence becoming U+FFFD.
    if (zrv::platform::IsAscii(Text)) {
      Known.Pooled = Names.internKept(Text);
    } else {
      fileformat::decodeInto(Text, WideName);
      Known.Pooled = Names.intern(WideName);
    }
  }
  return Known.Pooled;
}

void CZRVReportTemplateProjectReader::parseItemLine(const CollectedLine& Source, int FileVersion) {
  using zrv::manager::ItemName;
  std::string_view Text = withoutLineEnd(textOf(Source));
  fileformat::ParsedItemLine& Parsed = ItemFields;
  if (!fileformat::parseItemLine(Text, FileVersion, Parsed)) {
    if (fileformat::itemLineFormOf(FileVersion) == fileformat::ItemLineForm::Full)
      noteDropped(Text, Source.Number, fileformat::ItemLabel,
                  std::vector<int>(std::begin(fileformat::ItemLineFieldCounts),
                                   std::end(fileformat::ItemLineFieldCounts)));
    else if (fileformat::itemLineFormOf(FileVersion) == fileformat::ItemLineForm::KeyAndSixNumbers)
      noteDropped(Text, Source.Number, fileformat::ItemLabel);
    return;
  }
  // The key and the setting names are looked up in tables that the lines
  // and records a load streams through push out of the cache: the slots
  // where each is looked for start loading together, before the first
  // lookup waits for its own.
  const std::uint32_t KeyHash = zrv::hashBytes(Parsed.Key);
  const std::uint32_t ClippingHash = zrv::hashBytes(Parsed.ClippingName);
  const std::uint32_t ViewHash = zrv::hashBytes(Parsed.ViewField);
  const std::uint32_t ObjectHash = zrv::hashBytes(Parsed.ObjectName);
  const std::uint32_t CaptureHash = zrv::hashBytes(Parsed.CaptureName);
  const std::uint32_t SlicingHash = zrv::hashBytes(Parsed.SlicingName);
  SeenTexts.prefetch(KeyHash);
  ClippingTable.prefetch(ClippingHash);
  const bool ViewList = fileformat::isViewList(Parsed.ViewField);
  if (ViewList)
    SeenTexts.prefetch(ViewHash);
  else
    ViewTable.prefetch(ViewHash);
  ObjectTable.prefetch(ObjectHash);
  CaptureTable.prefetch(CaptureHash);
  SlicingTable.prefetch(SlicingHash);

  // The key is looked up once per section it appears in.
  KnownText& Key = known(Parsed.Key, KeyHash);
  if (Key.KeysOf != SectionKeys || !SectionKeys) {
    Key.Found = SectionKeys && SectionKeys->find(Parsed.Key, Key.Id);
    Key.KeysOf = SectionKeys;
  }
  if (!Key.Found) {
    // A version 1000 read takes the label line for the key "Item": not a finding.
    if (!holdsNothing(Text, fileformat::ItemLabel))
      note(FindingKind::UnknownItemKey, Source.Number, decoded(Parsed.Key));
    return;
  }

  if (Options.Observer) {
    const bool Full = Parsed.FieldCount != 0;
    for (const CheckedRange& Range : CheckedRanges) {
      if (Range.Field > 3 && Parsed.FieldCount < Range.Field)
        continue; // the line lacks the field
      const int AsRead = Parsed.*Range.AsRead;
      if (Full && AsRead >= Range.Low && AsRead <= Range.High)
        continue; // nearly every line: its value is in range, whatever its field holds
      // A version 1000 line's field is split and read here. An empty field
      // after the second is not checked.
      const std::string_view Value = Full ? Parsed.Fields[static_cast<std::size_t>(Range.Field - 1)]
                                          : itemField(Text, Range.Field);
      if (Value.empty() && Range.Field > 2)
        continue;
      const int Number = Full ? AsRead : fileformat::leadingInt(Value);
      if (Number < Range.Low || Number > Range.High)
        note(FindingKind::ValueOutOfRange, Source.Number, decoded(Parsed.Key), Number, Range.Field,
             {Range.Low, Range.High});
    }
  }

  // The item is built as its record: its names and the records of the
  // settings it names go into the document's pools (each setting's record
  // once per load), its numbers as its setters would store them.
  zrv::manager::ItemPools& Pools = ZRVDocumentAccess::itemPools(*Document);
  zrv::manager::ItemRecord Item;
  Item.ItemID = Key.Id;
  Item.Names[static_cast<int>(ItemName::Save)] = pooledText(Key, Parsed.Key);
  Item.Output = zrv::mapOutput(Parsed.Output);
  Item.DisplayMode = zrv::mapDisplayMode(Parsed.DisplayMode);
  Item.ParameterX = Parsed.ParameterX;
  Item.ParameterY = Parsed.ParameterY;
  Item.ParameterZ = Parsed.ParameterZ;
  Item.FaceNumber = Parsed.FaceNumber;
  Item.OutputAirTrap = Parsed.AirTrap;
  Item.OutputWeldLine = Parsed.WeldLine;
  Item.ItemCountOf1Page = Parsed.ItemCountOf1Page == 0 ? 1 : Parsed.ItemCountOf1Page;

  auto unresolved = [&](std::string_view Name, int Field) {
    if (Options.Observer && !Name.empty() && !fileformat::isNoSetting(Name))
      note(FindingKind::UnresolvedName, Source.Number, decoded(Name), 0, Field);
  };

  // Field 8: clipping.
  if (!Parsed.ClippingName.empty()) {
    if (auto* Found = ClippingIndex.find(Parsed.ClippingName, ClippingHash, WideName)) {
      Item.Clipping = pooledRecord(Pools.Clippings, Pools, ClippingIndex, *Found, KeptName::Own,
                                   asStored<CZRVReportItem::tagCLIPSETTING>);
      Item.HasClipping = 1;
      Item.Names[static_cast<int>(ItemName::Clipping)] = pooledName(Pools, ClippingIndex, *Found);
    } else {
      unresolved(Parsed.ClippingName, 8);
    }
  }

  // Field 9: a single view, or several views each followed by ';'. A single
  // view takes the angles and scale of its setting, not its name.
  const std::string_view ViewField = Parsed.ViewField;
  if (!ViewField.empty() && !fileformat::isNoSetting(ViewField)) {
    bool ManyFound = false;
    if (ViewList) {
      // Items often list the same views: a field whose every name was found
      // gives its list again without looking its names up.
      KnownText& Known = known(ViewField, ViewHash);
      if (Known.ViewList != zrv::manager::IdTable::NotFound) {
        Item.ViewNames = Known.ViewList;
        ManyFound = true;
      } else {
        bool AllFound = true;
        ViewParts.clear();
        fileformat::forEachViewName(ViewField, [&](std::string_view Part) {
          if (auto* Found = ViewIndex.find(Part, WideName)) {
            // A name listed twice is kept once: one entry has one name.
            const zrv::manager::PoolId Name = pooledName(Pools, ViewIndex, *Found);
            if (std::find(ViewParts.begin(), ViewParts.end(), Name) == ViewParts.end())
              ViewParts.push_back(Name);
            ManyFound = true;
          } else {
            AllFound = false;
            unresolved(Part, 9);
          }
        });
        if (ManyFound)
          Item.ViewNames = Pools.ViewNameLists.intern(ViewParts.data(), ViewParts.size());
        if (ManyFound && AllFound)
          Known.ViewList = Item.ViewNames;
      }
    }
    if (!ManyFound) {
      if (auto* Found = ViewIndex.find(ViewField, ViewHash, WideName)) {
        Item.View = pooledRecord(Pools.Views, Pools, ViewIndex, *Found, KeptName::None,
                                 [](const CZRVReportItem::tagVIEWSETTING& S) {
                                   CZRVReportItem::tagVIEWSETTING View;
                                   View.AngleX = S.AngleX;
                                   View.AngleY = S.AngleY;
                                   View.AngleZ = S.AngleZ;
                                   View.Scale = S.Scale;
                                   return View;
                                 });
        Item.HasView = 1;
        Item.Names[static_cast<int>(ItemName::View)] = pooledName(Pools, ViewIndex, *Found);
      } else if (!ViewList) {
        unresolved(ViewField, 9);
      }
    }
  }

  // Fields 10 to 12: object, focus capture, slicing. A capture record's
  // focus is on when it has a size, as the item's setter makes it.
  if (auto* Found = ObjectIndex.find(Parsed.ObjectName, ObjectHash, WideName)) {
    Item.Object = pooledRecord(Pools.Objects, Pools, ObjectIndex, *Found, KeptName::Own,
                               asStored<CZRVReportItem::tagOBJECTSETTING>);
    Item.HasObject = 1;
    Item.Names[static_cast<int>(ItemName::Object)] = pooledName(Pools, ObjectIndex, *Found);
  } else {
    unresolved(Parsed.ObjectName, 10);
  }
  if (auto* Found = CaptureIndex.find(Parsed.CaptureName, CaptureHash, WideName)) {
    Item.Capture = pooledRecord(Pools.Captures, Pools, CaptureIndex, *Found, KeptName::Own,
                                [](CZRVReportItem::tagFOCUSCAPTURE Capture) {
                                  Capture.FocusOn = Capture.Width > 0 && Capture.Height > 0 ? 1 : 0;
                                  return Capture;
                                });
    Item.Names[static_cast<int>(ItemName::Capture)] = pooledName(Pools, CaptureIndex, *Found);
  } else {
    unresolved(Parsed.CaptureName, 11);
  }
  if (auto* Found = SlicingIndex.find(Parsed.SlicingName, SlicingHash, WideName)) {
    Item.Slicing = pooledRecord(Pools.Slicings, Pools, SlicingIndex, *Found, KeptName::Own,
                                asStored<CZRVReportItem::tagSLICESETTING>);
    Item.HasSlicing = 1;
    Item.Names[static_cast<int>(ItemName::Slicing)] = pooledName(Pools, SlicingIndex, *Found);
  } else {
    unresolved(Parsed.SlicingName, 12);
  }

  // Field 16: the tag name.
  if (Parsed.FieldCount == 16)
    Item.Names[static_cast<int>(ItemName::Tag)] = pooledText(known(Parsed.TagName), Parsed.TagName);

  Item.ModuleID = SectionModule;
  ZRVDocumentAccess::appendRecord(*Document, std::move(Item));
}

void CZRVReportTemplateProjectReader::removeICPackageItems(ZRV_RESULT_MODULES Module) {
  for (const ICPackageRemoval& Removal : ICPackageRemovals) {
    int Flag = Removal.ByUnderfill ? Options.Underfill : Options.EncapsulationCM;
    if (Removal.After != Module || Flag != 1)
      continue;
    for (int Id : Removal.Ids)
      Document->RemoveItem(static_cast<ZRV_RESULT_ITEMS>(Id));
  }
}
