// Dialects.cpp - recognises the lossy dialects of a template's bytes by lines,
// with the section labels (which the reader drops anyway) left out.
#include "Dialects.h"

#include <algorithm>
#include <string_view>

#include "TextUtil.h"
#include "zrvreport/ZRVTemplateFormat.h"

namespace zrvtool {
namespace {

/// A dialect's tally: its first line and how many lines show it.
struct Tally {
  int First = 0;
  int Lines = 0;
  std::string Example;
  void count(int Line, std::string Sample) {
    if (Lines++ == 0) {
      First = Line;
      Example = std::move(Sample);
    }
  }
};

/// The cells of a line split at commas, quotes kept.
std::vector<std::string_view> rawCells(std::string_view Line, char Separator = ',') {
  std::vector<std::string_view> Cells;
  for (std::size_t Start = 0;;) {
    std::size_t End = Line.find(Separator, Start);
    Cells.push_back(Line.substr(Start, End == std::string_view::npos ? End : End - Start));
    if (End == std::string_view::npos)
      return Cells;
    Start = End + 1;
  }
}

/// Trims the blanks around each cell and leaves out the empty cells at the
/// end, as a spreadsheet shows a row.
void trimCells(std::vector<std::string>& Cells) {
  for (std::string& Cell : Cells) {
    std::size_t First = Cell.find_first_not_of(" \t");
    std::size_t Last = Cell.find_last_not_of(" \t");
    Cell = First == std::string::npos ? std::string() : Cell.substr(First, Last - First + 1);
  }
  while (!Cells.empty() && Cells.back().empty())
    Cells.pop_back();
}

/// The line's cells as a spreadsheet reads them: quotes taken away, blanks
/// trimmed, empty trailing cells left out.
std::vector<std::string> plainCells(std::string_view Line) {
  std::vector<std::string> Cells(1);
  bool Quoted = false;
  for (std::size_t I = 0; I < Line.size(); ++I) {
    if (Line[I] == '"') {
      if (Quoted && I + 1 < Line.size() && Line[I + 1] == '"')
        Cells.back() += Line[++I];
      else
        Quoted = !Quoted;
    } else if (Line[I] == ',' && !Quoted) {
      Cells.emplace_back();
    } else {
      Cells.back() += Line[I];
    }
  }
  trimCells(Cells);
  return Cells;
}

std::string linesText(int Lines) {
  return std::to_string(Lines) + (Lines == 1 ? " line" : " lines");
}

} // namespace

bool IsLabelCells(std::vector<std::string> Cells) {
  static const std::vector<std::vector<std::string>> Labels = [] {
    std::vector<std::vector<std::string>> List;
    for (const ZRVTemplateSectionInfo& Section : ZRVTemplateSections())
      if (!Section.Label.empty())
        List.push_back(plainCells(Utf8(Section.Label)));
    return List;
  }();
  trimCells(Cells);
  return std::find(Labels.begin(), Labels.end(), Cells) != Labels.end();
}

bool IsLabelLine(std::string_view Line) { return IsLabelCells(plainCells(Line)); }

std::vector<Diagnostic> RecogniseDialects(const std::string& Bytes) {
  std::vector<Diagnostic> Found;
  std::size_t Lf = Bytes.find('\n');
  std::size_t Cr = Bytes.find('\r');
  if (Lf == std::string::npos && Cr != std::string::npos) {
    int Ends = 0;
    for (char C : Bytes)
      Ends += C == '\r';
    Found.push_back({1, Severity::Error, "cr-line-ends",
                     "the file's " + std::to_string(Ends) +
                         " line ends are CR alone (as old Mac editors write), so the reader sees "
                         "one long line; save it with CR LF or LF line ends",
                     ""});
    return Found;
  }
  Tally NotUtf8, Semicolons, Quotes, HeaderBlanks, Padded;
  int LfLines = 0;
  bool InHeader = false;
  int Number = 0;
  std::string_view Text(Bytes);
  const bool Bom = Text.substr(0, 3) == "\xEF\xBB\xBF";
  if (Bom)
    Text.remove_prefix(3);
  for (std::size_t Start = 0; Start < Text.size();) {
    std::size_t End = Text.find('\n', Start);
    std::string_view Line = Text.substr(Start, End == std::string_view::npos ? End : End - Start);
    Start = End == std::string_view::npos ? Text.size() : End + 1;
    ++Number;
    LfLines += End != std::string_view::npos && (Line.empty() || Line.back() != '\r');
    while (!Line.empty() && Line.back() == '\r')
      Line.remove_suffix(1);
    if (Line.find_first_not_of(",; \t") == std::string_view::npos)
      continue;
    std::string Utf8Line(Line);
    if (Wide(Utf8Line).find(L'\xFFFD') != std::wstring::npos &&
        Utf8Line.find("\xEF\xBF\xBD") == std::string::npos) {
      std::string Meant;
      if (auto Decoded = Windows1252ToUtf8(Line))
        Meant = *Decoded;
      NotUtf8.count(Number, Meant);
    }
    bool Tag = Line.find('[') != std::string_view::npos;
    if (!Tag && Line.back() == ',')
      Padded.count(Number, std::string());
    if (Tag)
      InHeader = Line.find("[FileHeader]") != std::string_view::npos;
    if (Line.find(';') != std::string_view::npos && Line.find(',') == std::string_view::npos)
      Semicolons.count(Number, std::string(Line));
    if (Tag || IsLabelLine(Line))
      continue;
    std::vector<std::string_view> Cells = rawCells(Line);
    auto quotedCell = [](std::string_view Cell) {
      std::size_t First = Cell.find_first_not_of(" \t");
      return First != std::string_view::npos && Cell[First] == '"';
    };
    // A [FileHeader] line may carry a quoted note after its value.
    std::size_t Looked = InHeader ? std::min<std::size_t>(2, Cells.size()) : Cells.size();
    for (std::size_t I = 0; I < Looked; ++I)
      if (quotedCell(Cells[I])) {
        Quotes.count(Number, std::string(Line));
        break;
      }
    if (InHeader && Cells.size() > 1 && !Cells[1].empty() &&
        (Cells[1].front() == ' ' || Cells[1].back() == ' ' || Cells[0].back() == ' '))
      HeaderBlanks.count(Number, std::string(Cells[0]));
  }
  if (NotUtf8.Lines)
    Found.push_back({NotUtf8.First, Severity::Error, "encoding",
                     "text is not UTF-8 on " + linesText(NotUtf8.Lines) +
                         ", so each byte that is not UTF-8 reads as U+FFFD" +
                         (NotUtf8.Example.empty()
                              ? std::string()
                              : "; read as Windows-1252 the line is \"" + NotUtf8.Example + "\"") +
                         "; save the file as UTF-8 (or run \"zrvtemplate import\")",
                     ""});
  if (Semicolons.Lines)
    Found.push_back({Semicolons.First, Severity::Error, "semicolons",
                     "fields are separated by ';' on " + linesText(Semicolons.Lines) +
                         " (as a spreadsheet writes CSV where the decimal mark is ','), but the "
                         "reader separates fields by ',' only; save with ',' as the separator "
                         "(or run \"zrvtemplate import\")",
                     ""});
  if (Quotes.Lines)
    Found.push_back({Quotes.First, Severity::Error, "quoted-fields",
                     "fields are in double quotes on " + linesText(Quotes.Lines) +
                         ", but the reader takes quotes as part of a name or value (a quoted "
                         "number reads as 0, a quoted name keeps its quotes, and a ',' or "
                         "blank inside quotes splits it); save without quoting text cells (or "
                         "run \"zrvtemplate import\")",
                     ""});
  if (HeaderBlanks.Lines)
    Found.push_back(
        {HeaderBlanks.First, Severity::Error, "header-blanks",
         "blanks stand around a [FileHeader] value on " + linesText(HeaderBlanks.Lines) +
             ", and the reader keeps them in the value (first: " + HeaderBlanks.Example +
             "); remove them",
         "[FileHeader]"});
  // What the reader forgives loses nothing: one note, which leaves a clean
  // check clean.
  std::string Forgiven;
  auto forgive = [&Forgiven](const std::string& What) {
    Forgiven += (Forgiven.empty() ? "" : ", ") + What;
  };
  if (Bom)
    forgive("a byte-order mark");
  if (LfLines)
    forgive("LF line ends on " + linesText(LfLines));
  if (Padded.Lines)
    forgive("trailing commas on " + linesText(Padded.Lines));
  if (!Forgiven.empty())
    Found.push_back({1, Severity::Note, "forgiven",
                     "the reader forgives what a spreadsheet or editor changed here (" + Forgiven +
                         "), so nothing is lost; \"zrvtemplate format -i\" writes the canonical "
                         "form",
                     ""});
  return Found;
}

} // namespace zrvtool
