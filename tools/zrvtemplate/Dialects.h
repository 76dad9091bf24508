// Dialects.h - what spreadsheets and editors do to a template that the reader
// cannot take back: each recognised once, with the first line where it shows,
// how many lines it touches and what to do.
#ifndef ZRVTEMPLATE_DIALECTS_H
#define ZRVTEMPLATE_DIALECTS_H

#include <string>
#include <string_view>
#include <vector>

#include "CheckRules.h"

namespace zrvtool {

/// The dialects that lose data found in the bytes of a template file, in the
/// order: CR-only line ends, text that is not UTF-8, ';' separators, fields in
/// double quotes, blanks around [FileHeader] values; then, as one note at
/// line 1, what the reader forgives and the writer would change (a BOM, LF
/// line ends, trailing commas).
std::vector<Diagnostic> RecogniseDialects(const std::string& Bytes);

/// True when \p Line holds the cells of a section's label line (quotes,
/// blanks around cells and empty trailing cells aside): the reader drops those
/// lines and the writer writes its own.
bool IsLabelLine(std::string_view Line);

/// True when \p Cells, read by a CSV parser, are the cells of a section's
/// label line (blanks around cells and empty trailing cells aside).
bool IsLabelCells(std::vector<std::string> Cells);

} // namespace zrvtool

#endif // ZRVTEMPLATE_DIALECTS_H
