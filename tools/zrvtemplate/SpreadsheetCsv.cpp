// SpreadsheetCsv.cpp - a spreadsheet's CSV decoded by iconv, parsed by libcsv
// and written back as the plain comma-separated lines the template reader
// reads.
#include "SpreadsheetCsv.h"

#include <algorithm>
#include <string_view>

#include <csv.h>

#include "Dialects.h"
#include "TextUtil.h"

namespace zrvtool {
namespace {

/// The longest name or text value the template format holds, in characters.
constexpr std::size_t MaxValueCharacters = 255;

/// One record of the CSV: its cells and the line where it starts.
struct Record {
  int Line = 0;
  std::vector<std::string> Cells;
};

struct ParseState {
  std::vector<Record> Records;
  std::vector<std::string> Cells;
  int StartLine = 1;
  bool AtRecordStart = true;
};

void onCell(void* Data, std::size_t Size, void* State) {
  auto& Parse = *static_cast<ParseState*>(State);
  Parse.Cells.emplace_back(Data ? static_cast<const char*>(Data) : "", Data ? Size : 0);
}

void onRecordEnd(int /*Terminator*/, void* State) {
  auto& Parse = *static_cast<ParseState*>(State);
  Parse.Records.push_back({Parse.StartLine, std::move(Parse.Cells)});
  Parse.Cells.clear();
  Parse.AtRecordStart = true;
}

/// The separator a spreadsheet used: ';' when the text holds more ';' than
/// ',' outside double quotes (a comma-decimal locale's CSV), else ','.
char separatorOf(std::string_view Text) {
  long long Commas = 0, Semicolons = 0;
  bool Quoted = false;
  for (char C : Text) {
    if (C == '"')
      Quoted = !Quoted;
    else if (!Quoted)
      Commas += C == ',', Semicolons += C == ';';
  }
  return Semicolons > Commas ? ';' : ',';
}

/// "12,5" or "-0,25": a number with a decimal comma.
bool isDecimalComma(std::string_view Cell) {
  std::size_t Comma = Cell.find(',');
  if (Comma == std::string_view::npos || Cell.find(',', Comma + 1) != std::string_view::npos)
    return false;
  std::string_view Whole = Cell.substr(0, Comma), Fraction = Cell.substr(Comma + 1);
  if (!Whole.empty() && (Whole.front() == '-' || Whole.front() == '+'))
    Whole.remove_prefix(1);
  auto digits = [](std::string_view Part) {
    return !Part.empty() &&
           std::all_of(Part.begin(), Part.end(), [](char C) { return C >= '0' && C <= '9'; });
  };
  return digits(Whole) && digits(Fraction);
}

std::string trimmed(const std::string& Cell) {
  std::size_t First = Cell.find_first_not_of(" \t");
  if (First == std::string::npos)
    return std::string();
  return Cell.substr(First, Cell.find_last_not_of(" \t") - First + 1);
}

/// The text in UTF-8, with the name of the encoding it came in; nothing when
/// it is in none the tool reads.
bool decode(const std::string& Bytes, CleanedCsv& Cleaned, std::string& Text) {
  std::string_view View(Bytes);
  if (View.substr(0, 3) == "\xEF\xBB\xBF") {
    Text = Bytes.substr(3);
    Cleaned.Encoding = "UTF-8 with BOM";
    return IsUtf8(Text);
  }
  if (View.substr(0, 2) == "\xFF\xFE" || View.substr(0, 2) == "\xFE\xFF") {
    // iconv's "UTF-16" reads the byte-order mark and drops it.
    auto Decoded = ConvertText(Bytes, "UTF-16", "UTF-8");
    Cleaned.Encoding = "UTF-16";
    Text = Decoded.value_or(std::string());
    return Decoded.has_value();
  }
  if (IsUtf8(Bytes)) {
    Text = Bytes;
    Cleaned.Encoding = "UTF-8";
    return true;
  }
  auto Decoded = Windows1252ToUtf8(Bytes);
  Cleaned.Encoding = "Windows-1252";
  Text = Decoded.value_or(std::string());
  return Decoded.has_value();
}

} // namespace

CleanedCsv CleanSpreadsheetCsv(const std::string& Bytes) {
  CleanedCsv Cleaned;
  std::string Text;
  if (!decode(Bytes, Cleaned, Text)) {
    Cleaned.Refusals.push_back(
        {1, Severity::Error, "encoding",
         "the text is neither UTF-8 nor " + Cleaned.Encoding +
             " (it holds a byte that has no character there); save it as UTF-8",
         ""});
    return Cleaned;
  }
  Cleaned.Separator = separatorOf(Text);

  csv_parser Parser;
  csv_init(&Parser, CSV_STRICT_FINI);
  csv_set_delim(&Parser, static_cast<unsigned char>(Cleaned.Separator));
  ParseState Parse;
  // Fed a byte at a time so that each record knows the line it starts on
  // (CR LF, LF and CR alone each end a line).
  int Line = 1;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    char C = Text[I];
    if (Parse.AtRecordStart && C != '\r' && C != '\n') {
      Parse.StartLine = Line;
      Parse.AtRecordStart = false;
    }
    csv_parse(&Parser, &Text[I], 1, onCell, onRecordEnd, &Parse);
    if (C == '\n' || (C == '\r' && (I + 1 == Text.size() || Text[I + 1] != '\n')))
      ++Line;
  }
  if (csv_fini(&Parser, onCell, onRecordEnd, &Parse) != 0)
    Cleaned.Refusals.push_back({Parse.StartLine, Severity::Error, "unclosed-quote",
                                "a double quote opened here is never closed, so the rest of the "
                                "file would be one cell; close it",
                                ""});
  csv_free(&Parser);

  std::vector<std::string> Lines(static_cast<std::size_t>(Line));
  std::string Section;
  for (Record& Row : Parse.Records) {
    std::vector<std::string>& Cells = Row.Cells;
    for (std::string& Cell : Cells)
      Cell = trimmed(Cell);
    if (!Cells.empty() && !Cells[0].empty() && Cells[0].front() == '[')
      Section = Cells[0];
    bool Label = IsLabelCells(Cells);
    // A label cell that holds a ',' is quoted again, as the writer writes it.
    auto joined = [&Cells, Label] {
      std::string Joined;
      for (std::size_t I = 0; I < Cells.size(); ++I) {
        bool Quote = Label && Cells[I].find(',') != std::string::npos;
        Joined += (I ? "," : "") + std::string(Quote ? "\"" : "") + Cells[I] + (Quote ? "\"" : "");
      }
      return Joined;
    };
    bool Header = Section == "[FileHeader]";
    // The reader ignores the [Info] section, tag lines hold no values, and
    // label lines are dropped by the reader and written anew by the writer.
    bool Values = Section != "[Info]" && (Cells.empty() || Cells[0] != Section) && !Label;
    for (std::size_t I = 0; Values && I < Cells.size(); ++I) {
      std::string& Cell = Cells[I];
      // A [FileHeader] line's cells after its value are notes the reader
      // skips (the labels of ProjectType and AppType).
      if (Header && I >= 2)
        break;
      auto refuse = [&](const std::string& Why) {
        Cleaned.Refusals.push_back({Row.Line, Severity::Error, "unwritable-value",
                                    "cell " + std::to_string(I + 1) + " '" + Cell + "' " + Why,
                                    Section});
      };
      if (Cell.find_first_of("\r\n") != std::string::npos) {
        refuse("holds a line end, which the template format cannot hold (a template line is "
               "one line); remove it");
        continue;
      }
      if (Cell.find(',') != std::string::npos) {
        if (Cleaned.Separator == ';' && isDecimalComma(Cell)) {
          std::string Before = Cell;
          std::replace(Cell.begin(), Cell.end(), ',', '.');
          Cleaned.Notes.push_back({Row.Line, Severity::Note, "decimal-comma",
                                   "number '" + Before + "' written as '" + Cell + "'", Section});
        } else {
          refuse("holds a ',', which the template format cannot hold (the reader splits every "
                 "line at ','); rename it without ','");
          continue;
        }
      }
      if (Wide(Cell).size() > MaxValueCharacters) {
        refuse("is " + std::to_string(Wide(Cell).size()) +
               " characters long, longer than the 255 the template format holds; shorten it");
        continue;
      }
      if (!Header && Cell.find_first_of(" \t") != std::string::npos) {
        std::string Before = Cell;
        std::replace_if(
            Cell.begin(), Cell.end(), [](char C) { return C == ' ' || C == '\t'; }, '_');
        Cleaned.Notes.push_back({Row.Line, Severity::Note, "blank-in-name",
                                 "name '" + Before + "' written as '" + Cell +
                                     "': the reader ends a name at a blank, and the library's "
                                     "writer writes the blanks of names as '_'",
                                 Section});
      }
    }
    Lines[static_cast<std::size_t>(Row.Line - 1)] = joined();
  }
  for (const std::string& Out : Lines)
    Cleaned.Text += Out + "\n";
  return Cleaned;
}

} // namespace zrvtool
