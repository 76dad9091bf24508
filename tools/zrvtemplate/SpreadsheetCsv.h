// SpreadsheetCsv.h - reads a template as a spreadsheet saves it (RFC 4180
// quotes, ',' or ';' separators, UTF-8 with or without BOM, UTF-16 with BOM or
// Windows-1252, any line ends) and gives the text the template reader reads,
// line for line, or the cells the template format cannot hold.
#ifndef ZRVTEMPLATE_SPREADSHEETCSV_H
#define ZRVTEMPLATE_SPREADSHEETCSV_H

#include <string>
#include <vector>

#include "CheckRules.h"

namespace zrvtool {

/// What a spreadsheet's CSV becomes for the template reader.
struct CleanedCsv {
  /// The cells of each record joined by ',' without quotes, in UTF-8 with LF
  /// line ends; a record stands on the line where it starts in the input, so
  /// that the reader's line numbers are the input's.
  std::string Text;
  /// The input's encoding: "UTF-8", "UTF-8 with BOM", "UTF-16" or
  /// "Windows-1252".
  std::string Encoding;
  /// The input's field separator: ',' or ';'.
  char Separator = ',';
  /// Cells the template format cannot hold (a ',' or a line end inside a
  /// name or value, a name or value over 255 characters, text in no known
  /// encoding): errors; nothing may be written when there are any.
  std::vector<Diagnostic> Refusals;
  /// What was changed so that the reader reads a cell as the spreadsheet shows
  /// it: blanks inside names written as '_' as the library's writer writes
  /// them, decimal commas of a ';' file written as '.'.
  std::vector<Diagnostic> Notes;
};

/// Cleans the bytes of a spreadsheet's CSV (parsed by libcsv, decoded by
/// iconv).
CleanedCsv CleanSpreadsheetCsv(const std::string& Bytes);

} // namespace zrvtool

#endif // ZRVTEMPLATE_SPREADSHEETCSV_H
