// CheckRules.cpp - one rule per kind of reader finding, with advice drawn from
// the catalogue's selection table and the file's own settings.
#include "CheckRules.h"

#include <algorithm>
#include <optional>

#include "TextUtil.h"
#include "catalogue/KeyLists.h"
#include "template/TemplateLayout.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportResultItemMap.h"

namespace fmt = zrv::format;
using Kind = ZRVTemplateFindingKind;

namespace zrvtool {
namespace {

std::string quoted(const std::wstring& Text) { return "'" + Utf8(Text) + "'"; }

/// The section whose tag \p Tag is ("[FlowResult]"), if any.
std::optional<fmt::Section> sectionOfTag(const std::wstring& Tag) {
  for (const fmt::SectionLayout& Row : fmt::Sections)
    if (fmt::widen(Row.Tag) == Tag)
      return Row.Id;
  return std::nullopt;
}

/// The first known section whose tag the line holds (the end tag left out).
std::optional<fmt::Section> sectionInLine(const std::string& Line) {
  const fmt::SectionSet Tags = fmt::tagsInLine(Line);
  for (const fmt::SectionLayout& Row : fmt::Sections)
    if (Row.Id != fmt::Section::EndOfFile && fmt::holdsTag(Tags, Row.Id))
      return Row.Id;
  return std::nullopt;
}

std::string tagText(fmt::Section Id) { return std::string(fmt::tagOf(Id)); }

/// The tags of the result sections an entry point reads, in its chain order.
std::string acceptedTags(zrv::ReaderEntryPoint Entry) {
  std::string Tags;
  for (ZRV_RESULT_MODULES Module : zrv::AcceptedSections(Entry))
    Tags += (Tags.empty() ? "" : ", ") + tagText(fmt::sectionOfModule(Module));
  return Tags;
}

/// The project type of an entry point by its member name without "Load".
std::string entryTypeName(zrv::ReaderEntryPoint Entry) {
  std::string Name = Utf8(zrv::EntryPointName(Entry));
  return Name.rfind("Load", 0) == 0 ? Name.substr(4) : Name;
}

/// The item map the reader resolves section \p Module with, or empty when the
/// entry point does not read the section.
std::optional<ZRVItemMap> sectionMap(zrv::ReaderEntryPoint Entry, int Thermoset, int Module) {
  CZRVReportResultItemMap Catalogue;
  ZRVItemMap Map;
  if (!zrv::FillSectionMap(Catalogue, zrv::SelectSectionLists(Entry, Thermoset, Module), Map))
    return std::nullopt;
  return Map;
}

/// The key of \p Map equal to \p Key ignoring letter case, if any.
std::optional<std::wstring> keyIgnoringCase(const ZRVItemMap& Map, const std::wstring& Key) {
  for (const auto& Entry : Map)
    if (CompareNoCase(Entry.first, Key) == 0)
      return Entry.first;
  return std::nullopt;
}

// ---- Setting libraries -------------------------------------------------------------

/// How the names of one setting library are read from the document.
struct Library {
  fmt::Section Section;
  const char* What; ///< "view", "clipping setting"
  int (CZRVReportItemManager::*Count)() const;
  int (CZRVReportItemManager::*Option)(int, wchar_t*) const;
};

constexpr Library Libraries[] = {
    {fmt::Section::ViewSetting, "view", &CZRVReportItemManager::GetViewOptionCount,
     &CZRVReportItemManager::GetViewOption},
    {fmt::Section::ClippingSetting, "clipping setting",
     &CZRVReportItemManager::GetClippingOptionCount, &CZRVReportItemManager::GetClippingOption},
    {fmt::Section::SlicingSetting, "slicing setting", &CZRVReportItemManager::GetSlicingOptionCount,
     &CZRVReportItemManager::GetSlicingOption},
    {fmt::Section::ObjectSetting, "object setting", &CZRVReportItemManager::GetObjectOptionCount,
     &CZRVReportItemManager::GetObjectOption},
    {fmt::Section::FocusCapture, "focus-capture setting",
     &CZRVReportItemManager::GetCaptureOptionCount, &CZRVReportItemManager::GetCaptureOption},
    {fmt::Section::MeltFrontTimeCapture, "melt-front capture setting",
     &CZRVReportItemManager::GetMeltOptionCount, &CZRVReportItemManager::GetMeltOption},
    {fmt::Section::AnimationSetting, "animation setting",
     &CZRVReportItemManager::GetAnimationOptionCount, &CZRVReportItemManager::GetAnimationOption},
    {fmt::Section::ImageSetting, "image setting", &CZRVReportItemManager::GetImageOptionCount,
     &CZRVReportItemManager::GetImageOption},
};

const Library& libraryOf(fmt::Section Id) {
  for (const Library& Entry : Libraries)
    if (Entry.Section == Id)
      return Entry;
  return Libraries[0];
}

/// The library an item-line field names (8 clipping to 12 slicing).
std::optional<fmt::Section> libraryOfField(int Field) {
  switch (Field) {
  case 8:
    return fmt::Section::ClippingSetting;
  case 9:
    return fmt::Section::ViewSetting;
  case 10:
    return fmt::Section::ObjectSetting;
  case 11:
    return fmt::Section::FocusCapture;
  case 12:
    return fmt::Section::SlicingSetting;
  default:
    return std::nullopt;
  }
}

/// The library the setting column of a [ResultEx] row names, by the row's key.
std::optional<fmt::Section> libraryOfResultExKey(const std::wstring& Key) {
  switch (fmt::resultExKeyOf(Utf8(Key))) {
  case fmt::ResultExKey::MeltFrontTime:
    return fmt::Section::MeltFrontTimeCapture;
  case fmt::ResultExKey::Animation:
    return fmt::Section::AnimationSetting;
  case fmt::ResultExKey::Image:
    return fmt::Section::ImageSetting;
  default:
    return std::nullopt;
  }
}

std::optional<std::wstring> settingIgnoringCase(const CZRVReportItemManager* Document,
                                                fmt::Section Id, const std::wstring& Name) {
  if (!Document)
    return std::nullopt;
  const Library& Lib = libraryOf(Id);
  int Count = (Document->*Lib.Count)();
  for (int Index = 0; Index < Count; ++Index) {
    wchar_t Buffer[256] = {};
    if ((Document->*Lib.Option)(Index, Buffer) && CompareNoCase(Buffer, Name) == 0)
      return std::wstring(Buffer);
  }
  return std::nullopt;
}

// ---- The rules -------------------------------------------------------------------

/// The state the rules share while they walk the findings in order.
class RuleRun {
public:
  RuleRun(const std::vector<ZRVTemplateFinding>& AllFindings, const CheckContext& Ctx)
      : Findings(AllFindings), Context(Ctx) {}

  std::vector<Diagnostic> run() {
    for (std::size_t I = 0; I < Findings.size(); ++I)
      apply(I);
    finishResultEx();
    std::stable_sort(Result.begin(), Result.end(),
                     [](const Diagnostic& A, const Diagnostic& B) { return A.Line < B.Line; });
    return Result;
  }

private:
  void add(const ZRVTemplateFinding& Finding, Severity Level, const char* Code,
           std::string Message) {
    add(Finding.Line, Utf8(Finding.Section), Level, Code, std::move(Message));
  }
  void add(int Line, std::string Section, Severity Level, const char* Code, std::string Message) {
    Result.push_back({Line, Level, Code, std::move(Message), std::move(Section)});
  }

  void apply(std::size_t Index) {
    const ZRVTemplateFinding& F = Findings[Index];
    switch (F.Kind) {
    case Kind::SectionRead:
      sectionRead(F);
      break;
    case Kind::LineTooLong:
      add(F, Severity::Error, "long-line",
          "line is longer than the " + std::to_string(fmt::MaxReadLineBytes) +
              " bytes the reader takes at once (line end included): the rest of it is read as a "
              "line of its own; shorten it");
      break;
    case Kind::SectionPassedOver:
      passedOver(F);
      break;
    case Kind::LineIgnored:
      lineIgnored(F);
      break;
    case Kind::DuplicateSetting:
      add(F, Severity::Warning, "duplicate-setting",
          "setting " + quoted(F.Text) + " is defined again in " + Utf8(F.Section) +
              ": the first definition wins and this line is ignored; rename or remove one");
      break;
    case Kind::UnknownItemKey:
      add(F, Severity::Error, "unknown-key",
          "item key " + quoted(F.Text) + " is not in the key list of " + Utf8(F.Section) + " for " +
              Context.ProjectDescription + ", so the item line is dropped; " +
              AdviseItemKey(F.Text, F.Section, Context));
      break;
    case Kind::UnresolvedName:
      unresolved(Index);
      break;
    case Kind::ValueOutOfRange:
      outOfRange(F);
      break;
    case Kind::ItemLinesNotRead:
      linesNotRead(F);
      break;
    case Kind::ExtendedItemAdded:
      extendedItem(F);
      break;
    case Kind::EndMissing:
      add(F, Severity::Warning, "end-missing",
          "the file ends without the \"[EOF]\" line; end it with \"" + std::string(fmt::EndLine) +
              "\"");
      break;
    }
  }

  void sectionRead(const ZRVTemplateFinding& F) {
    SectionLines.push_back({F.Section, F.Line});
    if (F.Section == fmt::widen(fmt::tagOf(fmt::Section::ResultEx)) && ResultExLine == 0)
      ResultExLine = F.Line;
    if (FirstResultLine == 0)
      if (auto Id = sectionOfTag(F.Section);
          Id && fmt::layoutOf(*Id).Kind == fmt::SectionKind::Result)
        FirstResultLine = F.Line;
  }

  /// The line of the tag that opened the latest section \p Tag read so far.
  int openingLine(const std::wstring& Tag) const {
    for (auto It = SectionLines.rbegin(); It != SectionLines.rend(); ++It)
      if (It->first == Tag)
        return It->second;
    return 0;
  }

  void passedOver(const ZRVTemplateFinding& F) {
    std::string Line = Utf8(F.Text);
    std::string Before = Utf8(F.Section);
    std::optional<fmt::Section> Known = sectionInLine(Line);
    if (Known && *Known == fmt::Section::ResultEx)
      ResultExPassedOver = true;
    if (Known && fmt::layoutOf(*Known).Kind == fmt::SectionKind::Result) {
      std::vector<ZRV_RESULT_MODULES> Accepted = zrv::AcceptedSections(Context.Entry);
      int Module = fmt::layoutOf(*Known).ModuleId;
      if (std::find(Accepted.begin(), Accepted.end(), Module) == Accepted.end()) {
        add(F.Line, Before, Severity::Error, "section-not-read",
            "section " + tagText(*Known) + " is not read for " + Context.ProjectDescription +
                ": the reader passes it over with its lines (this project type reads " +
                acceptedTags(Context.Entry) + ")");
        return;
      }
    }
    if (Known) {
      std::string Message = "section " + tagText(*Known);
      if (!Before.empty())
        Message += " stands after " + Before +
                   ", out of the order in which the reader takes "
                   "sections, so it is passed over with its lines; "
                   "move it before " +
                   Before;
      else
        Message += " is passed over with its lines";
      add(F.Line, Before, Severity::Error, "section-order", Message);
      return;
    }
    // No known tag: a section of another name, or a '[' in a data line.
    std::size_t Open = Line.find_first_not_of(" \t");
    std::size_t Close = Line.find(']');
    bool TagShaped = Open != std::string::npos && Line[Open] == '[' && Close != std::string::npos &&
                     Line.find_first_not_of(", \t\r", Close + 1) == std::string::npos;
    if (TagShaped) {
      add(F.Line, Before, Severity::Error, "unknown-section",
          "unknown section " + Line.substr(Open, Close + 1 - Open) +
              ": the reader passes it over with its lines");
      return;
    }
    std::string Where = Before.empty() ? std::string("a data line") : "a data line of " + Before;
    std::string Ends = Before.empty() ? std::string() : ", ends " + Before + " there";
    add(F.Line, Before, Severity::Error, "bracket-in-line",
        "'[' in " + Where + ": the reader takes the line for a section tag" + Ends +
            " and passes over the lines up to the next section; remove the '['");
  }

  void lineIgnored(const ZRVTemplateFinding& F) {
    std::optional<fmt::Section> Id = sectionOfTag(F.Section);
    if (!Id) {
      add(F, Severity::Error, "line-shape", "line is ignored");
      return;
    }
    const fmt::SectionLayout& Layout = fmt::layoutOf(*Id);
    switch (Layout.Kind) {
    case fmt::SectionKind::Header: {
      std::string Keys;
      for (const fmt::KeyRowLayout& Row : fmt::HeaderRows)
        Keys += (Keys.empty() ? "" : ", ") + std::string(Row.Key);
      add(F, Severity::Error, "line-shape",
          "a [FileHeader] line needs one of the keys " + Keys + " and a value of at most " +
              std::to_string(fmt::MaxNameChars) + " characters; this line changes nothing");
      return;
    }
    case fmt::SectionKind::Setting:
      if (*Id == fmt::Section::MeltFrontTimeCapture) {
        if (F.Line == openingLine(F.Section) + 1) {
          add(F, Severity::Error, "melt-label",
              "the first line after [MeltFrontTimeCapture] is always dropped as the section's "
              "label line, and this line is not the label, so it is lost; put the label line \"" +
                  std::string(Layout.Label) + "\" first");
          return;
        }
        add(F, Severity::Error, "line-shape",
            "a line of [MeltFrontTimeCapture] needs a setting name and percentages joined by '-' "
            "(20-40-60-80-100); this line is ignored");
        return;
      }
      add(F, Severity::Error, "line-shape",
          "a line of " + tagText(*Id) + " needs a setting name and at least " +
              std::to_string(Layout.PartialValueCount) + " numbers" +
              (Layout.FullValueCount > Layout.PartialValueCount
                   ? " (up to " + std::to_string(Layout.FullValueCount) + " are read)"
                   : std::string()) +
              "; this line gives fewer and is ignored");
      return;
    case fmt::SectionKind::ResultEx:
      add(F, Severity::Error, "line-shape",
          "a [ResultEx] row needs a key, an output flag and a setting; this row is ignored and "
          "adds no extended item");
      return;
    case fmt::SectionKind::Result:
      itemLineIgnored(F);
      return;
    default:
      add(F, Severity::Error, "line-shape", "line is ignored");
      return;
    }
  }

  void itemLineIgnored(const ZRVTemplateFinding& F) {
    int Version = Context.Document ? Context.Document->GetFileVersion() : fmt::FullItemLineVersion;
    if (fmt::itemLineFormOf(Version) == fmt::ItemLineForm::KeyAndSixNumbers) {
      add(F, Severity::Error, "line-shape",
          "with FileVersion 1000 an item line must give a key and six numbers; this line is "
          "ignored");
      return;
    }
    static constexpr int ReadCounts[] = {11, 12, 14, 15, 16};
    if (std::find(std::begin(ReadCounts), std::end(ReadCounts), F.Number) == std::end(ReadCounts)) {
      add(F, Severity::Error, "field-count",
          "item line has " + std::to_string(F.Number) +
              " fields: the reader reads item lines of 11, 12, 14, 15 or 16 fields and ignores "
              "this one");
      return;
    }
    add(F, Severity::Error, "line-shape",
        "item line gives no key, or a key or name longer than " +
            std::to_string(fmt::MaxNameChars) + " characters; it is ignored");
  }

  void unresolved(std::size_t Index) {
    const ZRVTemplateFinding& F = Findings[Index];
    std::optional<fmt::Section> Library;
    std::string Where = "(field " + std::to_string(F.Field) + ")";
    if (F.Section == fmt::widen(fmt::tagOf(fmt::Section::ResultEx))) {
      // The row's key comes with the extended item the same row adds.
      for (std::size_t Next = Index + 1; Next < Findings.size(); ++Next)
        if (Findings[Next].Kind == Kind::ExtendedItemAdded && Findings[Next].Line == F.Line) {
          Library = libraryOfResultExKey(Findings[Next].Text);
          Where = "of the " + quoted(Findings[Next].Text) + " row";
          break;
        }
    } else {
      Library = libraryOfField(F.Field);
    }
    if (!Library) {
      add(F, Severity::Error, "unresolved-name",
          "name " + quoted(F.Text) + " " + Where +
              " is not defined in this file; nothing is "
              "attached");
      return;
    }
    std::string Message = std::string(libraryOf(*Library).What) + " " + quoted(F.Text) + " " +
                          Where + " is not defined in this file's " + tagText(*Library) +
                          ", so nothing is attached";
    if (auto Other = settingIgnoringCase(Context.Document, *Library, F.Text))
      Message += "; did you mean " + quoted(*Other) + "?";
    else
      Message += "; define it there or correct the name (names are case-sensitive)";
    add(F, Severity::Error, "unresolved-name", Message);
  }

  void outOfRange(const ZRVTemplateFinding& F) {
    std::string Value = std::to_string(F.Number);
    switch (F.Field) {
    case 2:
      add(F, Severity::Error, "value-range",
          "output " + Value + " (field 2) of " + quoted(F.Text) +
              " is outside 0 to 3 and reads as 0 (off)");
      return;
    case 3:
      add(F, Severity::Error, "value-range",
          "display mode " + Value + " (field 3) of " + quoted(F.Text) +
              " is outside 0 to 4 and reads as 0 (surface result)");
      return;
    case 15:
      add(F, Severity::Error, "value-range",
          "items per page " + Value + " (field 15) of " + quoted(F.Text) + " is outside 1 to 4" +
              (F.Number == 0 ? " and reads as 1" : " but is kept"));
      return;
    default:
      add(F, Severity::Error, "value-range",
          "value " + Value + " (field " + std::to_string(F.Field) + ") is out of range");
      return;
    }
  }

  void linesNotRead(const ZRVTemplateFinding& F) {
    std::string Version = std::to_string(F.Number);
    if (fmt::itemLineFormOf(F.Number) == fmt::ItemLineForm::KeyAndSixNumbers)
      add(F, Severity::Error, "file-version",
          "FileVersion 1000 reads only the key and six numbers of each item line of " +
              Utf8(F.Section) +
              ": setting names, air trap, weld line and items per page are ignored; set "
              "FileVersion to 1001");
    else
      add(F, Severity::Error, "file-version",
          "FileVersion " + Version + " is below 1000, so the item lines of " + Utf8(F.Section) +
              " are not read at all; set FileVersion to 1001");
  }

  void extendedItem(const ZRVTemplateFinding& F) {
    ++ExtendedItems;
    std::string Key = Utf8(F.Text);
    if (F.Number >= static_cast<int>(fmt::ResultExRowCount)) {
      add(F, Severity::Warning, "resultex-rows",
          "row " + quoted(F.Text) + " adds extended item " + std::to_string(F.Number) +
              ", beyond the six positions that have a meaning (" + rowKeys(0) + "); remove it");
      return;
    }
    const char* Expected = fmt::ResultExRows[static_cast<std::size_t>(F.Number)].Key;
    if (Key == Expected)
      return;
    if (fmt::resultExKeyOf(Key) == fmt::ResultExKey::Count)
      add(F, Severity::Error, "resultex-rows",
          "row key " + quoted(F.Text) + " is none of " + rowKeys(0) + ": the row fills position " +
              std::to_string(F.Number) + " ('" + Expected + "') with its output flag only");
    else
      add(F, Severity::Error, "resultex-rows",
          "row " + quoted(F.Text) + " fills position " + std::to_string(F.Number) +
              ", which belongs to '" + Expected +
              "': rows are taken by position, so a row above it is missing or was ignored");
  }

  /// The keys of the [ResultEx] positions from \p First on, quoted.
  static std::string rowKeys(std::size_t First) {
    std::string Keys;
    for (std::size_t I = First; I < fmt::ResultExRowCount; ++I)
      Keys += (Keys.empty() ? "'" : ", '") + std::string(fmt::ResultExRows[I].Key) + "'";
    return Keys;
  }

  void finishResultEx() {
    std::string Tag = tagText(fmt::Section::ResultEx);
    if (ResultExLine == 0) {
      if (ResultExPassedOver)
        return; // already reported where it stands
      add(FirstResultLine > 0 ? FirstResultLine : 1, std::string(), Severity::Error,
          "resultex-rows",
          "the file has no [ResultEx] section, so the document gets none of the six extended "
          "items (" +
              rowKeys(0) + "); add it before the result sections");
      return;
    }
    if (ExtendedItems < static_cast<int>(fmt::ResultExRowCount))
      add(ResultExLine, Tag, Severity::Error, "resultex-rows",
          "[ResultEx] gives " + std::to_string(ExtendedItems) +
              " of the six rows; the document lacks " +
              rowKeys(static_cast<std::size_t>(ExtendedItems)));
  }

  const std::vector<ZRVTemplateFinding>& Findings;
  const CheckContext& Context;
  std::vector<Diagnostic> Result;
  std::vector<std::pair<std::wstring, int>> SectionLines; ///< sections read, with tag lines
  int ResultExLine = 0;
  int FirstResultLine = 0;
  bool ResultExPassedOver = false;
  int ExtendedItems = 0;
};

} // namespace

const char* SeverityName(Severity Level) { return Level == Severity::Error ? "error" : "warning"; }

std::vector<Diagnostic> CheckFindings(const std::vector<ZRVTemplateFinding>& Findings,
                                      const CheckContext& Context) {
  return RuleRun(Findings, Context).run();
}

std::string AdviseItemKey(const std::wstring& Key, const std::wstring& SectionTag,
                          const CheckContext& Context) {
  std::optional<fmt::Section> Id = sectionOfTag(SectionTag);
  int Module = Id ? fmt::layoutOf(*Id).ModuleId : -1;
  if (auto Own = sectionMap(Context.Entry, Context.Thermoset, Module))
    if (auto Other = keyIgnoringCase(*Own, Key))
      return "did you mean " + quoted(*Other) + "? (keys are case-sensitive)";

  // Other sections of the same project type: every one that holds the key.
  std::vector<std::string> Holders;
  std::string Similar;
  for (ZRV_RESULT_MODULES Other : zrv::AcceptedSections(Context.Entry)) {
    if (Other == Module)
      continue;
    std::optional<ZRVItemMap> Map = sectionMap(Context.Entry, Context.Thermoset, Other);
    if (!Map)
      continue;
    std::string OtherTag = tagText(fmt::sectionOfModule(Other));
    if (Map->count(Key))
      Holders.push_back(OtherTag);
    else if (auto Found = keyIgnoringCase(*Map, Key); Found && Similar.empty())
      Similar = quoted(*Found) + " of " + OtherTag + " differs only in letter case";
  }
  if (!Holders.empty()) {
    std::string List = Holders.front();
    for (std::size_t I = 1; I < Holders.size(); ++I)
      List += (I + 1 == Holders.size() ? " and " : ", ") + Holders[I];
    return "the key belongs to " + List + ": move the line there";
  }
  if (!Similar.empty())
    return Similar;

  // Another project type: every entry point, without and with the thermoset flag.
  for (int Entry = 0; Entry < static_cast<int>(zrv::ReaderEntryPoint::Count); ++Entry) {
    auto Point = static_cast<zrv::ReaderEntryPoint>(Entry);
    for (int Thermoset : {0, 1})
      for (ZRV_RESULT_MODULES Other : zrv::AcceptedSections(Point)) {
        std::optional<ZRVItemMap> Map = sectionMap(Point, Thermoset, Other);
        if (Map && Map->count(Key))
          return "it is a key of " + tagText(fmt::sectionOfModule(Other)) + " for " +
                 entryTypeName(Point) + (Thermoset ? " (thermoset)" : "") +
                 ", not for this project type";
      }
  }
  return "no key list of the catalogue holds it (\"zrvtemplate catalogue\" lists the keys)";
}

std::vector<Diagnostic> CheckHeaderProjectType(const CZRVReportItemManager& Document,
                                               const ProjectType& Checked, int HeaderLine) {
  int FileKind = Document.GetFileProjectType() == 1 ? 1 : 0;
  int CheckedKind = Checked.Kind == 1 ? 1 : 0;
  if (FileKind == CheckedKind && Document.GetFileAppType() == Checked.AppType)
    return {};
  ProjectType InFile;
  InFile.Kind = Document.GetFileProjectType();
  InFile.AppType = Document.GetFileAppType();
  return {{HeaderLine, Severity::Warning, "project-type",
           "the [FileHeader] names a " + Describe(InFile) + " template (ProjectType " +
               std::to_string(InFile.Kind) + ", AppType " + std::to_string(InFile.AppType) +
               "), but it is checked as " + Describe(Checked),
           "[FileHeader]"}};
}

} // namespace zrvtool
