// Preview.cpp - lays the loaded document out as the report it describes: the
// header, the melt-front captures and extended items, then each result
// section's items as cards on pages, with what the load passed over struck
// through beside its finding. The content comes from DocumentJson (the walk
// that show prints) and from the check rules over the observer's findings.
#include "Preview.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "Commands.h"
#include "DocumentView.h"
#include "TextUtil.h"
#include "zrvreport/ZRVTemplateFormat.h"

using Json = nlohmann::ordered_json;

namespace zrvtool {
namespace {

/// The page's style sheet: cards in a wrapping row whose width is the item's
/// share of a page, long names broken anywhere so that no card overflows.
const char* const StyleSheet = R"css(
*{box-sizing:border-box}
body{margin:0;padding:24px;background:#eef0f3;color:#1d232b;
 font:14px/1.45 system-ui,"Segoe UI","DejaVu Sans",sans-serif}
main{max-width:1200px;margin:0 auto}
h1,h2,h3,p,dl,dd,ul{margin:0}
h1,h2,h3,dd,li,p,.card{overflow-wrap:anywhere}
.report-header{background:#1f3a5f;color:#fff;border-radius:8px;padding:18px 22px}
.report-header .caption{font-size:12px;letter-spacing:.08em;text-transform:uppercase;opacity:.75}
.report-header h1{font-size:26px;margin:2px 0 10px}
.facts{display:grid;grid-template-columns:repeat(auto-fit,minmax(220px,1fr));gap:6px 18px}
.facts .label{font-size:11px;text-transform:uppercase;opacity:.7}
.block{background:#fff;border-radius:8px;padding:14px 18px;margin-top:18px}
.block>h2{font-size:18px;margin-bottom:10px}
.block>h2 .meta{font-size:13px;font-weight:normal;color:#5b6573}
.summary.clean{color:#1c6b36}.summary.found{color:#8a1c1c}
.findings{list-style:none;padding:0;margin-top:8px}
.findings li{border-left:4px solid #c9ccd1;padding:3px 8px;margin:4px 0;background:#f7f7f8}
.findings li.error{border-color:#c62828}.findings li.warning{border-color:#e0a100}
.findings li.note{border-color:#2f6fb3}
.sev{font-weight:600;text-transform:uppercase;font-size:11px;margin-right:4px}
.code{font-family:"DejaVu Sans Mono",monospace;font-size:12px;color:#5b6573}
.page{border:1px solid #d5d9df;border-radius:6px;padding:8px 10px 10px;margin-top:10px}
.page-label{font-size:11px;text-transform:uppercase;letter-spacing:.06em;color:#5b6573;
 margin-bottom:6px}
h3.page-label{margin-top:14px}
.page-break{display:flex;align-items:center;gap:8px;color:#8a93a0;font-size:11px;
 text-transform:uppercase;margin-top:10px}
.page-break::before,.page-break::after{content:"";flex:1;border-top:2px dashed #b8bec7}
.cards{display:flex;flex-wrap:wrap;gap:12px}
.card{min-width:0;border:1px solid #cfd5dc;border-radius:6px;padding:8px 10px;background:#fbfcfd}
.n1{flex:0 0 100%}.n2{flex:0 0 calc(50% - 6px)}.n3{flex:0 0 calc(33.333% - 8px)}
.n4{flex:0 0 calc(25% - 9px)}
.card h3{font-size:15px}
.card .id{font-size:12px;color:#5b6573}
.badges{margin:4px 0 6px}
.badge{display:inline-block;font-size:11px;padding:1px 7px;border-radius:9px;background:#e3e8ef;
 margin:0 4px 2px 0}
.badge.output{background:#1f3a5f;color:#fff}
.card.off{opacity:.6}.card.off .badge.output{background:#8a93a0}
.settings{display:grid;grid-template-columns:96px minmax(0,1fr);column-gap:6px}
.settings dt,.settings dd{border-top:1px solid #eceff3;padding:2px 0}
.settings dt{color:#5b6573;font-size:12px}
.settings .name{font-weight:600}
.card.passed{background:#fdf3f3;border-color:#e3b5b5}
.card.passed h3 s{color:#8a1c1c}
.card.passed .findings{margin-top:4px}
.block.passed>h2 s{color:#8a1c1c}
@media print{body{background:#fff;padding:0}.page{break-after:page;border:none}
 .page-break{display:none}}
)css";

/// The resolutions of the animation and image settings by code, as the
/// settings' file labels number them.
const char* const ResolutionNames[] = {"160X120", "240X180", "320X240",  "480X360",
                                       "640X480", "800X600", "1024X768", "ScreenRatio"};

/// The output of the animation and image settings by code.
const char* const MovieOutputNames[] = {"GIF", "AVI"};

/// "angleX" as "angle X", "coolingChannel" as "cooling channel": the JSON
/// keys of DocumentJson as words.
std::string words(const std::string& Key) {
  std::string Text;
  for (std::size_t I = 0; I < Key.size(); ++I) {
    char C = Key[I];
    bool Upper = C >= 'A' && C <= 'Z';
    if (Upper && I > 0)
      Text += ' ';
    Text += Upper && I + 1 < Key.size() && Key[I + 1] >= 'a' && Key[I + 1] <= 'z'
                ? static_cast<char>(C - 'A' + 'a')
                : C;
  }
  return Text;
}

std::string text(const Json& Value) { return EscapeHtml(ValueText(Value)); }

/// The record of \p Library named \p Name, or null.
const Json* recordNamed(const Json& Library, const std::string& Name) {
  for (const Json& Record : Library)
    if (Record["name"] == Name)
      return &Record;
  return nullptr;
}

/// The values of a setting record after its name: "angle X 45 · scale 1.2";
/// for the visible objects only those switched on.
std::string recordValues(const Json& Record, bool OnlyOn) {
  std::string Text;
  for (const auto& [Key, Value] : Record.items()) {
    if (Key == "name" || (OnlyOn && Value == 0))
      continue;
    Text += (Text.empty() ? "" : " · ") + EscapeHtml(words(Key));
    if (!OnlyOn)
      Text += " " + text(Value);
  }
  return Text.empty() && OnlyOn ? "none" : Text;
}

/// Builds the page in one string.
class PageWriter {
public:
  PageWriter(const LoadedTemplate& Load, const PreviewRequest& Asked)
      : Loaded(Load), Request(Asked), Doc(DocumentJson(*Load.Document)) {}

  std::string write() {
    placeFindings();
    const Json& H = Doc["header"];
    std::string Name = ValueText(H["name"]);
    Out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<title>Report preview: " << EscapeHtml(Name.empty() ? Request.File : Name)
        << "</title>\n<style>" << StyleSheet << "</style>\n</head>\n<body>\n<main>\n";
    header(H);
    findingsBlock();
    extendedBlock();
    for (const Json& Section : Doc["sections"])
      resultSection(Section);
    passedSections();
    Out << "</main>\n</body>\n</html>\n";
    return Out.str();
  }

private:
  const LoadedTemplate& Loaded;
  const PreviewRequest& Request;
  const Json Doc;
  std::ostringstream Out;
  int NextPage = 1;

  /// An item line the load dropped: its key as the line gives it.
  struct DroppedLine {
    std::string Section;
    std::string Key;
  };
  std::map<int, DroppedLine> DroppedItems;
  /// Tag lines whose sections the load passed over, by line.
  std::map<int, std::string> PassedSections;
  /// The diagnostics by where the page shows them.
  std::map<int, std::vector<Diagnostic>> AtLine;
  std::map<std::string, std::vector<Diagnostic>> InSection;
  std::vector<Diagnostic> Elsewhere;
  std::vector<Diagnostic> All;

  static bool isResultSection(const std::wstring& Tag) {
    static const std::vector<ZRVTemplateSectionInfo> Sections = ZRVTemplateSections();
    return std::any_of(Sections.begin(), Sections.end(), [&Tag](const auto& Info) {
      return Info.Kind == ZRVTemplateSectionKind::Result && Info.Tag == Tag;
    });
  }

  /// The first comma-separated field of a line, without surrounding blanks.
  static std::string firstField(const std::wstring& Line) {
    std::wstring Field = Line.substr(0, Line.find(L','));
    std::size_t Begin = Field.find_first_not_of(L" \t\r\n");
    std::size_t End = Field.find_last_not_of(L" \t\r\n");
    return Begin == std::wstring::npos ? std::string() : Utf8(Field.substr(Begin, End - Begin + 1));
  }

  void placeFindings() {
    using FindingKind = ZRVTemplateFindingKind;
    for (const ZRVTemplateFinding& F : Loaded.Findings) {
      if (F.Kind == FindingKind::UnknownItemKey)
        DroppedItems[F.Line] = {Utf8(F.Section), Utf8(F.Text)};
      else if (F.Kind == FindingKind::LineIgnored && isResultSection(F.Section))
        DroppedItems.emplace(F.Line, DroppedLine{Utf8(F.Section), firstField(F.Text)});
      else if (F.Kind == FindingKind::SectionPassedOver)
        PassedSections[F.Line] = Utf8(F.Text);
    }
    All = CheckFindings(Loaded.Findings, Request.Context);
    if (Request.GivenType && Loaded.HeaderLine > 0) {
      std::vector<Diagnostic> Header =
          CheckHeaderProjectType(*Loaded.Document, *Request.GivenType, Loaded.HeaderLine);
      All.insert(All.begin(), Header.begin(), Header.end());
    }
    std::set<std::string> Shown;
    for (const Json& Section : Doc["sections"])
      if (Section["tag"].is_string())
        Shown.insert(Section["tag"].get<std::string>());
    for (const Diagnostic& D : All) {
      auto Dropped = DroppedItems.find(D.Line);
      if ((Dropped != DroppedItems.end() && Shown.count(Dropped->second.Section)) ||
          PassedSections.count(D.Line))
        AtLine[D.Line].push_back(D);
      else if (Shown.count(D.Section))
        InSection[D.Section].push_back(D);
      else
        Elsewhere.push_back(D);
    }
  }

  void fact(const char* Label, const std::string& Html) {
    Out << "<div><p class=\"label\">" << Label << "</p><p>" << (Html.empty() ? "(none)" : Html)
        << "</p></div>\n";
  }

  void header(const Json& H) {
    ProjectType InFile;
    InFile.ProjectKind = H["projectType"].get<int>();
    InFile.AppType = H["appType"].get<int>();
    std::string TypeName = ProjectTypeName(InFile);
    std::string Name = ValueText(H["name"]);
    Out << "<header class=\"report-header\">\n<p class=\"caption\">Report template preview</p>\n"
        << "<h1>" << (Name.empty() ? "(no name)" : EscapeHtml(Name)) << "</h1>\n"
        << "<div class=\"facts\">\n";
    fact("Project type", EscapeHtml(TypeName.empty() ? "(none)" : TypeName) + " (ProjectType " +
                             text(H["projectType"]) + ", AppType " + text(H["appType"]) + ")");
    fact("Author", text(H["createdBy"]));
    fact("Remark", text(H["remark"]));
    fact("File", EscapeHtml(Request.File) + "<br>FileVersion " + text(H["fileVersion"]) +
                     " · FileID " + text(H["fileId"]) + " · Date " + text(H["date"]));
    fact("Loaded as", EscapeHtml(Request.LoadedAs));
    Out << "</div>\n</header>\n";
  }

  void findingList(const std::vector<Diagnostic>& List) {
    if (List.empty())
      return;
    Out << "<ul class=\"findings\">\n";
    for (const Diagnostic& D : List)
      Out << "<li class=\"" << SeverityName(D.Level) << "\"><span class=\"sev\">"
          << SeverityName(D.Level) << "</span> line " << D.Line << ": " << EscapeHtml(D.Message)
          << " <span class=\"code\">[" << EscapeHtml(D.Code) << "]</span></li>\n";
    Out << "</ul>\n";
  }

  void findingsBlock() {
    int Errors = 0, Warnings = 0;
    for (const Diagnostic& D : All) {
      Errors += D.Level == Severity::Error;
      Warnings += D.Level == Severity::Warning;
    }
    int Notes = static_cast<int>(All.size()) - Errors - Warnings;
    Out << "<section class=\"block\">\n<h2>What the load passed over or changed</h2>\n";
    if (All.empty()) {
      Out << "<p class=\"summary clean\">Nothing: the document holds all the file gives.</p>\n";
    } else {
      Out << "<p class=\"summary found\">" << Errors << (Errors == 1 ? " error, " : " errors, ")
          << Warnings << (Warnings == 1 ? " warning, " : " warnings, ") << Notes
          << (Notes == 1 ? " note" : " notes") << "; " << All.size() - Elsewhere.size()
          << " shown beside the items and sections they concern, struck through where the load "
             "passed them over.</p>\n";
    }
    if (Loaded.FindingsNotKept > 0)
      Out << "<p>" << Loaded.FindingsNotKept
          << " more reader findings were not examined (the first " << MaxKeptFindingsPerKind
          << " of each kind are).</p>\n";
    findingList(Elsewhere);
    Out << "</section>\n";
  }

  /// One card of the extended block.
  void extendedCard(const std::string& Title, bool On, const std::string& BodyHtml) {
    Out << "<article class=\"card n3" << (On ? "" : " off") << "\">\n<h3>" << EscapeHtml(Title)
        << "</h3>\n<p class=\"badges\"><span class=\"badge output\">" << (On ? "on" : "off")
        << "</span></p>\n"
        << BodyHtml << "</article>\n";
  }

  /// The settings row of a named animation or image setting.
  std::string movieSetting(const char* Library, const std::string& Name) {
    if (Name.empty())
      return "<p>no setting</p>\n";
    std::string Html = "<dl class=\"settings\"><dt>Setting</dt><dd><span class=\"name\">" +
                       EscapeHtml(Name) + "</span>";
    if (const Json* Record = recordNamed(Doc["settings"][Library], Name)) {
      for (const auto& [Key, Value] : Record->items()) {
        if (Key == "name")
          continue;
        int Code = Value.is_number_integer() ? Value.get<int>() : -1;
        std::string Shown = text(Value);
        if (Key == "output" && Code >= 0 && Code < 2)
          Shown = MovieOutputNames[Code];
        else if (Key == "resolution" && Code >= 0 && Code < 8)
          Shown = ResolutionNames[Code];
        Html += " · " + EscapeHtml(words(Key)) + " " + Shown;
      }
    }
    return Html + "</dd></dl>\n";
  }

  void extendedBlock() {
    const Json& Melts = Doc["settings"]["meltFrontCaptures"];
    const Json& Extended = Doc["extendedItems"];
    Out << "<section class=\"block\">\n<h2>Melt-front captures and extended items</h2>\n"
        << "<div class=\"cards\">\n";
    for (const Json& Melt : Melts) {
      std::string Percentages;
      for (const Json& P : Melt["percentages"])
        Percentages += "<span class=\"badge\">" + text(P) + " %</span>";
      Out << "<article class=\"card n3\">\n<h3>Melt-front capture <span class=\"name\">"
          << text(Melt["name"]) << "</span></h3>\n<p class=\"badges\">"
          << (Percentages.empty() ? "no percentages" : Percentages) << "</p>\n</article>\n";
    }
    for (const Json& E : Extended) {
      std::string Key = ValueText(E["key"]);
      bool On = E["output"] != 0;
      std::string Body;
      if (E.contains("percentages")) {
        Body = "<p>capture " +
               (ValueText(E["setting"]).empty()
                    ? std::string("(none)")
                    : "<span class=\"name\">" + text(E["setting"]) + "</span>") +
               ":";
        for (const Json& P : E["percentages"])
          Body += " <span class=\"badge\">" + text(P) + " %</span>";
        Body += "</p>\n";
      } else if (E.contains("template")) {
        Body = "<p>template " +
               (ValueText(E["template"]).empty()
                    ? std::string("(none)")
                    : "<span class=\"name\">" + text(E["template"]) + "</span>") +
               "</p>\n";
      } else if (E.contains("scale")) {
        Body = "<p>scale " + text(E["scale"]) + "</p>\n";
      } else if (E.contains("setting")) {
        Body = movieSetting(Key == "Image" ? "images" : "animations", ValueText(E["setting"]));
      }
      extendedCard(Key, On, Body);
    }
    Out << "</div>\n";
    if (Melts.empty() && Extended.empty())
      Out << "<p>The template gives no melt-front captures and no extended items.</p>\n";
    Out << "</section>\n";
  }

  /// One row of a card's settings: a named setting and its values.
  void settingRow(const char* Label, const std::string& Name, const char* Library, bool OnlyOn) {
    if (Name.empty())
      return;
    Out << "<dt>" << Label << "</dt><dd><span class=\"name\">" << EscapeHtml(Name) << "</span>";
    if (const Json* Record = recordNamed(Doc["settings"][Library], Name))
      Out << " " << recordValues(*Record, OnlyOn);
    Out << "</dd>\n";
  }

  static int share(const Json& Item) {
    int Count = Item["itemsPerPage"].get<int>();
    return Count >= 1 && Count <= 4 ? Count : 1;
  }

  void itemCard(const Json& Item) {
    int Output = Item["output"].get<int>();
    Out << "<article class=\"card n" << share(Item) << (Output == 0 ? " off" : "") << "\">\n"
        << "<h3>" << text(Item["key"]) << "</h3>\n<p class=\"id\">item id " << text(Item["id"])
        << "</p>\n<p class=\"badges\"><span class=\"badge output\">output " << OutputName(Output)
        << "</span><span class=\"badge\">display "
        << DisplayModeName(Item["displayMode"].get<int>()) << "</span><span class=\"badge\">"
        << share(Item) << " per page</span></p>\n<dl class=\"settings\">\n";
    if (!Item["views"].empty()) {
      for (const Json& View : Item["views"])
        settingRow("View", View.get<std::string>(), "views", false);
    } else {
      settingRow("View", Item["view"].get<std::string>(), "views", false);
    }
    settingRow("Clipping", Item["clipping"].get<std::string>(), "clippings", false);
    settingRow("Slicing", Item["slicing"].get<std::string>(), "slicings", false);
    settingRow("Visible objects", Item["object"].get<std::string>(), "objects", true);
    settingRow("Capture", Item["capture"].get<std::string>(), "focusCaptures", false);
    Out << "<dt>Parameters</dt><dd>X " << text(Item["x"]) << " · Y " << text(Item["y"]) << " · Z "
        << text(Item["z"]) << " · faces " << text(Item["faces"]) << " · air trap "
        << text(Item["airTrap"]) << " · weld line " << text(Item["weldLine"]) << "</dd>\n";
    if (!ValueText(Item["tag"]).empty())
      Out << "<dt>Tag</dt><dd>" << text(Item["tag"]) << "</dd>\n";
    Out << "</dl>\n</article>\n";
  }

  /// A struck-through card for what the load passed over at \p Line.
  void passedCard(int Line, const std::string& Title) {
    Out << "<article class=\"card n4 passed\">\n<h3><s>" << EscapeHtml(Title)
        << "</s></h3>\n<p class=\"id\">line " << Line << ", passed over</p>\n";
    findingList(AtLine[Line]);
    Out << "</article>\n";
  }

  void resultSection(const Json& Section) {
    const Json& Items = Section["items"];
    std::string Tag = Section["tag"].is_string() ? Section["tag"].get<std::string>() : "";
    std::vector<int> Shares;
    for (const Json& Item : Items)
      Shares.push_back(Item["output"] == 0 ? 0 : share(Item));
    std::vector<int> Pages = PageOfItems(Shares, NextPage);
    int Last = Pages.empty() ? NextPage - 1 : Pages.back();
    Out << "<section class=\"block result\">\n<h2>"
        << (Tag.empty() ? std::string("Items of no listed module") : EscapeHtml(Tag))
        << " <span class=\"meta\">" << Items.size() << (Items.size() == 1 ? " item" : " items");
    if (!Pages.empty())
      Out << " · " << (Last == NextPage ? "page " : "pages ") << NextPage
          << (Last == NextPage ? "" : "–" + std::to_string(Last));
    Out << "</span></h2>\n";
    for (std::size_t I = 0; I < Items.size(); ++I) {
      if (I == 0 || Pages[I] != Pages[I - 1]) {
        if (I > 0)
          Out << "</div>\n</div>\n<p class=\"page-break\">page break</p>\n";
        Out << "<div class=\"page\">\n<p class=\"page-label\">Page " << Pages[I]
            << "</p>\n<div class=\"cards\">\n";
      }
      itemCard(Items[I]);
    }
    if (!Items.empty())
      Out << "</div>\n</div>\n";
    NextPage = Last + 1;
    bool Heading = false;
    for (const auto& [Line, Dropped] : DroppedItems) {
      if (Dropped.Section != Tag || Tag.empty())
        continue;
      if (!Heading)
        Out << "<h3 class=\"page-label\">Item lines the load passed over</h3>\n"
            << "<div class=\"cards\">\n";
      Heading = true;
      passedCard(Line, Dropped.Key.empty() ? "(no key)" : Dropped.Key);
    }
    if (Heading)
      Out << "</div>\n";
    if (!Tag.empty())
      findingList(InSection[Tag]);
    if (Items.empty() && !Heading)
      Out << "<p>No items.</p>\n";
    Out << "</section>\n";
  }

  void passedSections() {
    for (const auto& [Line, TagLine] : PassedSections) {
      Out << "<section class=\"block passed\">\n<h2><s>" << EscapeHtml(TagLine)
          << "</s> <span class=\"meta\">line " << Line
          << ": the section and its lines were passed over</span></h2>\n";
      findingList(AtLine[Line]);
      Out << "</section>\n";
    }
  }
};

/// Whether an HTML page may hold code point \p C as a character.
bool allowedInPage(char32_t C) {
  if (C == U'\t' || C == U'\n' || C == U'\r')
    return true;
  if (C < 0x20 || (C >= 0x7F && C <= 0x9F))
    return false;
  if ((C >= 0xFDD0 && C <= 0xFDEF) || (C & 0xFFFE) == 0xFFFE)
    return false;
  return !(C >= 0xD800 && C <= 0xDFFF) && C <= 0x10FFFF;
}

} // namespace

std::string EscapeHtml(std::string_view Text) {
  std::wstring Decoded = Wide(Text);
  std::wstring Kept;
  Kept.reserve(Decoded.size());
  for (wchar_t C : Decoded)
    Kept += allowedInPage(static_cast<char32_t>(C)) ? C : L'\xFFFD';
  std::string Encoded = Utf8(Kept);
  std::string Html;
  Html.reserve(Encoded.size());
  for (char C : Encoded) {
    switch (C) {
    case '&':
      Html += "&amp;";
      break;
    case '<':
      Html += "&lt;";
      break;
    case '>':
      Html += "&gt;";
      break;
    case '"':
      Html += "&quot;";
      break;
    case '\'':
      Html += "&#39;";
      break;
    default:
      Html += C;
    }
  }
  return Html;
}

std::vector<int> PageOfItems(const std::vector<int>& ItemsPerPage, int FirstPage) {
  // Shares are counted in twelfths, which 1, 2, 3 and 4 all divide.
  constexpr int Whole = 12;
  std::vector<int> Pages;
  int Page = FirstPage;
  int Used = 0;
  for (int Count : ItemsPerPage) {
    int Share = Count == 0 ? 0 : Whole / (Count >= 1 && Count <= 4 ? Count : 1);
    if (Used > 0 && Used + Share > Whole) {
      ++Page;
      Used = 0;
    }
    Used += Share;
    Pages.push_back(Page);
  }
  return Pages;
}

std::string PreviewHtml(const LoadedTemplate& Loaded, const PreviewRequest& Request) {
  PreviewRequest WithDocument = Request;
  WithDocument.Context.Document = Loaded.Document.get();
  return PageWriter(Loaded, WithDocument).write();
}

int WritePreview(const std::string& Page, const std::string& Html, std::ostream& Out,
                 std::ostream& Err) {
  if (Page == "-") {
    Out << Html;
    return ExitClean;
  }
  std::ofstream File(std::filesystem::u8path(Page), std::ios::binary | std::ios::trunc);
  File << Html;
  File.close();
  if (!File) {
    Err << "zrvtemplate: error: cannot write '" << Page << "'; give a writable file with -o\n";
    return ExitError;
  }
  return ExitClean;
}

} // namespace zrvtool
