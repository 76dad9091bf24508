// CheckRules.cpp - one rule per kind of reader finding, with advice drawn from
// the catalogue's selection table and the file's own settings.
#include "CheckRules.h"

#include <algorithm>
#include <optional>

#include "TextUtil.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVTemplateFormat.h"

using FindingKind = ZRVTemplateFindingKind;
using SectionKind = ZRVTemplateSectionKind;

namespace zrvtool {
namespace {

std::string quoted(const std::wstring& Text) { return "'" + Utf8(Text) + "'"; }

const std::vector<ZRVTemplateSectionInfo>& sections() {
  static const std::vector<ZRVTemplateSectionInfo> Table = ZRVTemplateSections();
  return Table;
}

const ZRVTemplateLimits& limits() {
  static const ZRVTemplateLimits Limits = ZRVTemplateReaderLimits();
  return Limits;
}

const std::vector<ZRVTemplateResultExRow>& resultExRows() {
  static const std::vector<ZRVTemplateResultExRow> Rows = ZRVTemplateResultExRows();
  return Rows;
}

/// The section whose tag \p Tag is ("[FlowResult]"), if any.
const ZRVTemplateSectionInfo* sectionOfTag(const std::wstring& Tag) {
  for (const ZRVTemplateSectionInfo& Row : sections())
    if (Row.Tag == Tag)
      return &Row;
  return nullptr;
}

/// The first known section whose tag the line holds (the end left out).
const ZRVTemplateSectionInfo* sectionInLine(const std::wstring& Line) {
  for (const ZRVTemplateSectionInfo& Row : sections())
    if (Row.Kind != SectionKind::End && Line.find(Row.Tag) != std::wstring::npos)
      return &Row;
  return nullptr;
}

/// A list of numbers in words ("11, 12, 14, 15 or 16").
std::string countsText(const std::vector<int>& Counts) {
  std::string Text;
  for (std::size_t I = 0; I < Counts.size(); ++I)
    Text += (I == 0 ? "" : I + 1 == Counts.size() ? " or " : ", ") + std::to_string(Counts[I]);
  return Text;
}

/// The tags of the result sections a loader reads, in its chain order.
std::string acceptedTags(const std::vector<ZRVTemplateSectionKeys>& Read) {
  std::string Tags;
  for (const ZRVTemplateSectionKeys& Section : Read)
    Tags += (Tags.empty() ? "" : ", ") + Utf8(Section.Tag);
  return Tags;
}

/// The key of \p Keys equal to \p Key ignoring letter case, if any.
std::optional<std::wstring> keyIgnoringCase(const ZRVTemplateSectionKeys& Keys,
                                            const std::wstring& Key) {
  for (const auto& Entry : Keys.Keys)
    if (CompareNoCase(Entry.first, Key) == 0)
      return Entry.first;
  return std::nullopt;
}

bool holdsKey(const ZRVTemplateSectionKeys& Keys, const std::wstring& Key) {
  for (const auto& Entry : Keys.Keys)
    if (Entry.first == Key)
      return true;
  return false;
}

// ---- Setting libraries -------------------------------------------------------------

/// How the names of one setting library are read from the document.
struct Library {
  const wchar_t* Tag;
  int (CZRVReportItemManager::*Count)() const;
  int (CZRVReportItemManager::*Option)(int, wchar_t*) const;
};

constexpr Library Libraries[] = {
    {L"[ViewSetting]", &CZRVReportItemManager::GetViewOptionCount,
     &CZRVReportItemManager::GetViewOption},
    {L"[ClippingSetting]", &CZRVReportItemManager::GetClippingOptionCount,
     &CZRVReportItemManager::GetClippingOption},
    {L"[SlicingSetting]", &CZRVReportItemManager::GetSlicingOptionCount,
     &CZRVReportItemManager::GetSlicingOption},
    {L"[ObjectSetting]", &CZRVReportItemManager::GetObjectOptionCount,
     &CZRVReportItemManager::GetObjectOption},
    {L"[FocusCapture]", &CZRVReportItemManager::GetCaptureOptionCount,
     &CZRVReportItemManager::GetCaptureOption},
    {L"[MeltFrontTimeCapture]", &CZRVReportItemManager::GetMeltOptionCount,
     &CZRVReportItemManager::GetMeltOption},
    {L"[AnimationSetting]", &CZRVReportItemManager::GetAnimationOptionCount,
     &CZRVReportItemManager::GetAnimationOption},
    {L"[ImageSetting]", &CZRVReportItemManager::GetImageOptionCount,
     &CZRVReportItemManager::GetImageOption},
};

std::optional<std::wstring> settingIgnoringCase(const CZRVReportItemManager* Document,
                                                const std::wstring& Tag, const std::wstring& Name) {
  if (!Document)
    return std::nullopt;
  for (const Library& Lib : Libraries) {
    if (Tag != Lib.Tag)
      continue;
    int Count = (Document->*Lib.Count)();
    for (int Index = 0; Index < Count; ++Index) {
      wchar_t Buffer[256] = {};
      if ((Document->*Lib.Option)(Index, Buffer) && CompareNoCase(Buffer, Name) == 0)
        return std::wstring(Buffer);
    }
  }
  return std::nullopt;
}

// ---- The rules -------------------------------------------------------------------

/// The state the rules share while they walk the findings in order.
class RuleRun {
public:
  RuleRun(const std::vector<ZRVTemplateFinding>& AllFindings, const CheckContext& Ctx)
      : Findings(AllFindings), Context(Ctx),
        Read(ZRVTemplateLoaderSections(Ctx.Loader, Ctx.Thermoset)) {}

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
    case FindingKind::SectionRead:
      sectionRead(F);
      break;
    case FindingKind::LineTooLong:
      add(F, Severity::Error, "long-line",
          "line is longer than the " + std::to_string(limits().ReadLineBytes) +
              " bytes the reader takes at once (line end included): the rest of it is read as a "
              "line of its own; shorten it");
      break;
    case FindingKind::SectionPassedOver:
      passedOver(F);
      break;
    case FindingKind::LineIgnored:
      lineIgnored(F);
      break;
    case FindingKind::DuplicateSetting:
      add(F, Severity::Warning, "duplicate-setting",
          "setting " + quoted(F.Text) + " is defined again in " + Utf8(F.Section) +
              ": the first definition wins and this line is ignored; rename or remove one");
      break;
    case FindingKind::UnknownItemKey:
      add(F, Severity::Error, "unknown-key",
          "item key " + quoted(F.Text) + " is not in the key list of " + Utf8(F.Section) + " for " +
              Context.ProjectDescription + ", so the item line is dropped; " +
              AdviseItemKey(F.Text, F.Section, Context));
      break;
    case FindingKind::UnresolvedName:
      unresolved(Index);
      break;
    case FindingKind::ValueOutOfRange:
      outOfRange(F);
      break;
    case FindingKind::ItemLinesNotRead:
      linesNotRead(F);
      break;
    case FindingKind::ExtendedItemAdded:
      extendedItem(F);
      break;
    case FindingKind::EndMissing:
      add(F, Severity::Warning, "end-missing",
          "the file ends without the \"[EOF]\" line; end it with \"[EOF]\"");
      break;
    case FindingKind::TextNotUtf8:
      add(F, Severity::Error, "not-utf8",
          "byte " + std::to_string(F.Number) +
              " of the line is not UTF-8, and each such byte reads as U+FFFD; save the file as "
              "UTF-8");
      break;
    case FindingKind::NotANumber: {
      std::vector<std::wstring> Keys = ZRVTemplateHeaderKeys();
      std::string Key = F.Number >= 0 && static_cast<std::size_t>(F.Number) < Keys.size()
                            ? Utf8(Keys[static_cast<std::size_t>(F.Number)])
                            : std::string("the value");
      add(F, Severity::Error, "not-a-number",
          Key + " " + quoted(F.Text) + " does not start with a number, so it reads as 0");
      break;
    }
    }
  }

  void sectionRead(const ZRVTemplateFinding& F) {
    SectionLines.push_back({F.Section, F.Line});
    const ZRVTemplateSectionInfo* Info = sectionOfTag(F.Section);
    if (Info && Info->Kind == SectionKind::ResultEx && ResultExLine == 0)
      ResultExLine = F.Line;
    if (FirstResultLine == 0 && Info && Info->Kind == SectionKind::Result)
      FirstResultLine = F.Line;
  }

  /// The line of the tag that opened the latest section \p Tag read so far.
  int openingLine(const std::wstring& Tag) const {
    for (auto It = SectionLines.rbegin(); It != SectionLines.rend(); ++It)
      if (It->first == Tag)
        return It->second;
    return 0;
  }

  bool reads(const std::wstring& Tag) const {
    for (const ZRVTemplateSectionKeys& Section : Read)
      if (Section.Tag == Tag)
        return true;
    return false;
  }

  void passedOver(const ZRVTemplateFinding& F) {
    std::string Line = Utf8(F.Text);
    std::string Before = Utf8(F.Section);
    const ZRVTemplateSectionInfo* Known = sectionInLine(F.Text);
    if (Known && Known->Kind == SectionKind::ResultEx)
      ResultExPassedOver = true;
    if (Known && Known->Kind == SectionKind::Result && !reads(Known->Tag)) {
      add(F.Line, Before, Severity::Error, "section-not-read",
          "section " + Utf8(Known->Tag) + " is not read for " + Context.ProjectDescription +
              ": the reader passes it over with its lines (this project type reads " +
              acceptedTags(Read) + ")");
      return;
    }
    if (Known) {
      std::string Message = "section " + Utf8(Known->Tag);
      if (!Before.empty())
        Message += " stands after " + Before +
                   ", out of the order in which the reader takes sections, so it is passed over "
                   "with its lines; move it before " +
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
    const ZRVTemplateSectionInfo* Info = sectionOfTag(F.Section);
    if (!Info) {
      add(F, Severity::Error, "line-shape", "line is ignored");
      return;
    }
    switch (Info->Kind) {
    case SectionKind::Header: {
      std::string Keys;
      for (const std::wstring& Key : ZRVTemplateHeaderKeys())
        Keys += (Keys.empty() ? "" : ", ") + Utf8(Key);
      add(F, Severity::Error, "line-shape",
          "a [FileHeader] line needs one of the keys " + Keys + " and a value of at most " +
              std::to_string(limits().NameChars) + " characters; this line changes nothing");
      return;
    }
    case SectionKind::Setting:
      if (F.Accepted.empty()) { // the melt-front capture lines
        if (F.Line == openingLine(F.Section) + 1) {
          add(F, Severity::Error, "melt-label",
              "the first line after " + Utf8(F.Section) +
                  " is always dropped as the section's label line, and this line is not the "
                  "label, so it is lost; put the label line \"" +
                  Utf8(Info->Label) + "\" first");
          return;
        }
        add(F, Severity::Error, "line-shape",
            "a line of " + Utf8(F.Section) +
                " needs a setting name and percentages joined by '-' (20-40-60-80-100); this "
                "line is ignored");
        return;
      }
      add(F, Severity::Error, "line-shape",
          "a line of " + Utf8(F.Section) + " needs a setting name (one word) and " +
              countsText(F.Accepted) + " numbers; this line gives fewer and is ignored");
      return;
    case SectionKind::ResultEx:
      add(F, Severity::Error, "line-shape",
          "a [ResultEx] row needs a key, an output flag and a setting; this row is ignored and "
          "adds no extended item");
      return;
    case SectionKind::Result:
      if (F.Accepted.empty()) {
        add(F, Severity::Error, "line-shape",
            "with FileVersion " + std::to_string(limits().FullItemLineVersion - 1) +
                " an item line must give a key and six numbers; this line is ignored");
      } else if (std::find(F.Accepted.begin(), F.Accepted.end(), F.Number) == F.Accepted.end()) {
        add(F, Severity::Error, "field-count",
            "item line has " + std::to_string(F.Number) +
                " fields: the reader reads item lines of " + countsText(F.Accepted) +
                " fields and ignores this one");
      } else {
        add(F, Severity::Error, "line-shape",
            "item line gives no key, or a key or name longer than " +
                std::to_string(limits().NameChars) + " characters; it is ignored");
      }
      return;
    default:
      add(F, Severity::Error, "line-shape", "line is ignored");
      return;
    }
  }

  void unresolved(std::size_t Index) {
    const ZRVTemplateFinding& F = Findings[Index];
    std::wstring LibraryTag;
    std::string Where = "(field " + std::to_string(F.Field) + ")";
    const ZRVTemplateSectionInfo* Info = sectionOfTag(F.Section);
    if (Info && Info->Kind == SectionKind::ResultEx) {
      // The row's key comes with the extended item the same row adds.
      for (std::size_t Next = Index + 1; Next < Findings.size(); ++Next)
        if (Findings[Next].Kind == FindingKind::ExtendedItemAdded &&
            Findings[Next].Line == F.Line) {
          for (const ZRVTemplateResultExRow& Row : resultExRows())
            if (Row.Key == Findings[Next].Text)
              LibraryTag = Row.SettingSection;
          Where = "of the " + quoted(Findings[Next].Text) + " row";
          break;
        }
    } else {
      LibraryTag = ZRVTemplateFieldSection(F.Field);
    }
    const ZRVTemplateSectionInfo* Library = sectionOfTag(LibraryTag);
    if (!Library) {
      add(F, Severity::Error, "unresolved-name",
          "name " + quoted(F.Text) + " " + Where +
              " is not defined in this file; nothing is "
              "attached");
      return;
    }
    std::string Message = Utf8(Library->What) + " " + quoted(F.Text) + " " + Where +
                          " is not defined in this file's " + Utf8(Library->Tag) +
                          ", so nothing is attached";
    if (auto Other = settingIgnoringCase(Context.Document, Library->Tag, F.Text))
      Message += "; did you mean " + quoted(*Other) + "?";
    else
      Message += "; define it there or correct the name (names are case-sensitive)";
    add(F, Severity::Error, "unresolved-name", Message);
  }

  void outOfRange(const ZRVTemplateFinding& F) {
    static const std::pair<int, const char*> Names[] = {
        {2, "output"}, {3, "display mode"}, {15, "items per page"}};
    std::string What = "value";
    for (const auto& [Field, Name] : Names)
      if (Field == F.Field)
        What = Name;
    std::string Range = F.Accepted.size() == 2 ? " is outside " + std::to_string(F.Accepted[0]) +
                                                     " to " + std::to_string(F.Accepted[1])
                                               : " is out of range";
    // The item keeps 0 for an output or display mode out of range, and
    // reads an item count of 0 as 1.
    std::string ReadsAs =
        F.Field == 15 ? (F.Number == 0 ? " and reads as 1" : " but is kept") : " and reads as 0";
    add(F, Severity::Error, "value-range",
        What + " " + std::to_string(F.Number) + " (field " + std::to_string(F.Field) + ") of " +
            quoted(F.Text) + Range + ReadsAs);
  }

  void linesNotRead(const ZRVTemplateFinding& F) {
    std::string Full = std::to_string(limits().FullItemLineVersion);
    if (F.Number == limits().FullItemLineVersion - 1)
      add(F, Severity::Error, "file-version",
          "FileVersion " + std::to_string(F.Number) +
              " reads only the key and six numbers of each item line of " + Utf8(F.Section) +
              ": setting names, air trap, weld line and items per page are ignored; set "
              "FileVersion to " +
              Full);
    else
      add(F, Severity::Error, "file-version",
          "FileVersion " + std::to_string(F.Number) + " is below " +
              std::to_string(limits().FullItemLineVersion - 1) + ", so the item lines of " +
              Utf8(F.Section) + " are not read at all; set FileVersion to " + Full);
  }

  void extendedItem(const ZRVTemplateFinding& F) {
    ++ExtendedItems;
    const std::vector<ZRVTemplateResultExRow>& Rows = resultExRows();
    if (F.Number >= static_cast<int>(Rows.size())) {
      add(F, Severity::Warning, "resultex-rows",
          "row " + quoted(F.Text) + " adds extended item " + std::to_string(F.Number) +
              ", beyond the six positions that have a meaning (" + rowKeys(0) + "); remove it");
      return;
    }
    const std::wstring& Expected = Rows[static_cast<std::size_t>(F.Number)].Key;
    if (F.Text == Expected)
      return;
    bool KnownKey = std::any_of(Rows.begin(), Rows.end(), [&F](const ZRVTemplateResultExRow& Row) {
      return Row.Key == F.Text;
    });
    if (!KnownKey)
      add(F, Severity::Error, "resultex-rows",
          "row key " + quoted(F.Text) + " is none of " + rowKeys(0) + ": the row fills position " +
              std::to_string(F.Number) + " (" + quoted(Expected) + ") with its output flag only");
    else
      add(F, Severity::Error, "resultex-rows",
          "row " + quoted(F.Text) + " fills position " + std::to_string(F.Number) +
              ", which belongs to " + quoted(Expected) +
              ": rows are taken by position, so a row above it is missing or was ignored");
  }

  /// The keys of the [ResultEx] positions from \p First on, quoted.
  static std::string rowKeys(std::size_t First) {
    std::string Keys;
    const std::vector<ZRVTemplateResultExRow>& Rows = resultExRows();
    for (std::size_t I = First; I < Rows.size(); ++I)
      Keys += (Keys.empty() ? "" : ", ") + quoted(Rows[I].Key);
    return Keys;
  }

  void finishResultEx() {
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
    if (ExtendedItems < static_cast<int>(resultExRows().size()))
      add(ResultExLine, "[ResultEx]", Severity::Error, "resultex-rows",
          "[ResultEx] gives " + std::to_string(ExtendedItems) +
              " of the six rows; the document lacks " +
              rowKeys(static_cast<std::size_t>(ExtendedItems)));
  }

  const std::vector<ZRVTemplateFinding>& Findings;
  const CheckContext& Context;
  const std::vector<ZRVTemplateSectionKeys> Read; ///< the result sections the loader reads
  std::vector<Diagnostic> Result;
  std::vector<std::pair<std::wstring, int>> SectionLines; ///< sections read, with tag lines
  int ResultExLine = 0;
  int FirstResultLine = 0;
  bool ResultExPassedOver = false;
  int ExtendedItems = 0;
};

} // namespace

const char* SeverityName(Severity Level) {
  return Level == Severity::Error ? "error" : Level == Severity::Warning ? "warning" : "note";
}

std::vector<Diagnostic> CheckFindings(const std::vector<ZRVTemplateFinding>& Findings,
                                      const CheckContext& Context) {
  return RuleRun(Findings, Context).run();
}

std::string AdviseItemKey(const std::wstring& Key, const std::wstring& SectionTag,
                          const CheckContext& Context) {
  std::vector<ZRVTemplateSectionKeys> Read =
      ZRVTemplateLoaderSections(Context.Loader, Context.Thermoset);
  for (const ZRVTemplateSectionKeys& Own : Read)
    if (Own.Tag == SectionTag)
      if (auto Other = keyIgnoringCase(Own, Key))
        return "did you mean " + quoted(*Other) + "? (keys are case-sensitive)";

  // Other sections of the same project type: every one that holds the key.
  std::vector<std::string> Holders;
  std::string Similar;
  for (const ZRVTemplateSectionKeys& Other : Read) {
    if (Other.Tag == SectionTag)
      continue;
    if (holdsKey(Other, Key))
      Holders.push_back(Utf8(Other.Tag));
    else if (auto Found = keyIgnoringCase(Other, Key); Found && Similar.empty())
      Similar = quoted(*Found) + " of " + Utf8(Other.Tag) + " differs only in letter case";
  }
  if (!Holders.empty()) {
    std::string List = Holders.front();
    for (std::size_t I = 1; I < Holders.size(); ++I)
      List += (I + 1 == Holders.size() ? " and " : ", ") + Holders[I];
    return "the key belongs to " + List + ": move the line there";
  }
  if (!Similar.empty())
    return Similar;

  // Another project type: every loader, without and with the thermoset flag.
  for (int Loader = 0; Loader < ZRV_LOAD_COUNT; ++Loader)
    for (int Thermoset : {0, 1})
      for (const ZRVTemplateSectionKeys& Other :
           ZRVTemplateLoaderSections(static_cast<ZRV_TEMPLATE_LOADER>(Loader), Thermoset))
        if (holdsKey(Other, Key)) {
          std::string Name = Utf8(ZRVTemplateLoaderName(static_cast<ZRV_TEMPLATE_LOADER>(Loader)));
          if (Name.rfind("Load", 0) == 0)
            Name = Name.substr(4);
          return "it is a key of " + Utf8(Other.Tag) + " for " + Name +
                 (Thermoset ? " (thermoset)" : "") + ", not for this project type";
        }
  return "no key list of the catalogue holds it (\"zrvtemplate catalogue\" lists the keys)";
}

std::vector<Diagnostic> CheckHeaderProjectType(const CZRVReportItemManager& Document,
                                               const ProjectType& Checked, int HeaderLine) {
  int FileKind = Document.GetFileProjectType() == 1 ? 1 : 0;
  int CheckedKind = Checked.ProjectKind == 1 ? 1 : 0;
  if (FileKind == CheckedKind && Document.GetFileAppType() == Checked.AppType)
    return {};
  ProjectType InFile;
  InFile.ProjectKind = Document.GetFileProjectType();
  InFile.AppType = Document.GetFileAppType();
  return {{HeaderLine, Severity::Warning, "project-type",
           "the [FileHeader] names a " + Describe(InFile) + " template (ProjectType " +
               std::to_string(InFile.ProjectKind) + ", AppType " + std::to_string(InFile.AppType) +
               "), but it is checked as " + Describe(Checked),
           "[FileHeader]"}};
}

} // namespace zrvtool
