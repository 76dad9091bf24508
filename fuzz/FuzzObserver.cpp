// FuzzObserver.cpp - the reader's observer path (what a template checker
// reports) on arbitrary file contents. A recording observer collects the
// findings of a load and the harness checks:
// - the load is the same with and without the observer;
// - findings come in file order: their line numbers never decrease;
// - every line number lies within the file (1 to its number of lines; only
//   EndMissing on a file without any line gives 0);
// - EndMissing comes at most once, last, and only when no piece of a line (as
//   the reader reads it) holds "[EOF]" as its only '[' before a NUL byte (or
//   some line is long enough to be read in pieces); a file where no piece
//   holds "[EOF]" reports it;
// - the numbers and fields of each kind stay in their ranges (a too-long line
//   is at least 511 bytes, extended items are numbered 0, 1, 2 ... in order,
//   item-line fields are 1 to 16, the section of a finding is empty or a tag).
#include "FuzzSupport.h"

#include <algorithm>
#include <vector>

namespace {

using Kind = ZRVTemplateFindingKind;

struct Recorder : ZRVTemplateObserver {
  std::vector<ZRVTemplateFinding> Findings;
  void OnFinding(const ZRVTemplateFinding& Finding) override { Findings.push_back(Finding); }
};

/// The lines of a file as the reader counts them: every LF ends one, and
/// bytes after the last LF make one more.
int lineCount(const std::uint8_t* Data, std::size_t Size) {
  int Lines = 0;
  for (std::size_t I = 0; I < Size; ++I)
    Lines += Data[I] == '\n';
  if (Size > 0 && Data[Size - 1] != '\n')
    ++Lines;
  return Lines;
}

/// True when a piece of a line holds "[EOF]" before any NUL byte. The reader
/// reads a line in pieces of at most 511 bytes (line end included) and sees
/// each piece only up to its first NUL, so a NUL early in a long line hides
/// only the rest of its own piece. With \p Plain, only a piece whose one '['
/// is that of "[EOF]" counts: a piece that also holds a section tag may be
/// taken by that section's parser, and the load then reads on.
bool hasEndLine(const std::uint8_t* Data, std::size_t Size, bool Plain) {
  constexpr std::size_t PieceBytes = 511;
  std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  for (std::size_t Start = 0; Start < Text.size();) {
    std::size_t LineEnd = Text.find('\n', Start);
    LineEnd = LineEnd == std::string_view::npos ? Text.size() : LineEnd + 1;
    std::size_t End = std::min(LineEnd, Start + PieceBytes);
    std::string_view Piece = Text.substr(Start, End - Start);
    Piece = Piece.substr(0, Piece.find('\0'));
    if (Piece.find("[EOF]") != std::string_view::npos &&
        (!Plain || Piece.find('[') == Piece.rfind('[')))
      return true;
    Start = End;
  }
  return false;
}

/// True when some line is longer than one read takes (511 bytes with its
/// LF): its pieces may split a tag, so a tag in it may go unseen.
bool hasLongLine(const std::uint8_t* Data, std::size_t Size) {
  std::size_t Length = 0;
  for (std::size_t I = 0; I < Size; ++I) {
    Length = Data[I] == '\n' ? 0 : Length + 1;
    if (Length >= 510)
      return true;
  }
  return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  zrvfuzz::Selection In = zrvfuzz::select(Data, Size);
  if (In.Loader == static_cast<int>(ZRV_LOAD_COUNT))
    In.Loader = ZRV_LOAD_SOLID_INJECTION; // the header load has no observer
  std::wstring Path = zrvfuzz::ScratchFolder::get().write("observed.csv", In.File, In.FileSize);

  CZRVReportTemplateReader Reader;
  CZRVReportItemManager Observed;
  CZRVReportItemManager Plain;
  Recorder Record;
  auto Loader = static_cast<ZRV_TEMPLATE_LOADER>(In.Loader);
  if (zrvfuzz::notUtf8Text(In.File, In.FileSize)) {
    // Refused before anything is read, with nothing to observe.
    ZRVFUZZ_CHECK(Reader.Load(Loader, Path.c_str(), &Observed, In.FlagA, In.FlagB, &Record) == 0);
    return 0;
  }
  ZRVFUZZ_CHECK(Reader.Load(Loader, Path.c_str(), &Observed, In.FlagA, In.FlagB, &Record) == 1);
  ZRVFUZZ_CHECK(Reader.Load(Loader, Path.c_str(), &Plain, In.FlagA, In.FlagB) == 1);
  zrvfuzz::Dump Exact(zrvfuzz::Reals::Exact);
  ZRVFUZZ_CHECK(Exact.of(Observed) == Exact.of(Plain));

  const int Lines = lineCount(In.File, In.FileSize);
  const bool HasEnd = hasEndLine(In.File, In.FileSize, false);
  const bool HasPlainEnd = hasEndLine(In.File, In.FileSize, true);
  int LastLine = 0;
  int ExtendedSeen = 0;
  int EndMissing = 0;
  for (std::size_t I = 0; I < Record.Findings.size(); ++I) {
    const ZRVTemplateFinding& F = Record.Findings[I];
    ZRVFUZZ_CHECK(F.Line >= LastLine);
    LastLine = F.Line;
    if (F.Kind == Kind::EndMissing && Lines == 0)
      ZRVFUZZ_CHECK(F.Line == 0);
    else
      ZRVFUZZ_CHECK(F.Line >= 1 && F.Line <= Lines);
    ZRVFUZZ_CHECK(F.Field >= 0 && F.Field <= 16);
    ZRVFUZZ_CHECK(F.Section.empty() || (F.Section.front() == L'[' && F.Section.back() == L']'));
    switch (F.Kind) {
    case Kind::LineTooLong:
      ZRVFUZZ_CHECK(F.Number >= 511);
      break;
    case Kind::LineIgnored:
      ZRVFUZZ_CHECK(F.Number >= 1);
      break;
    case Kind::ExtendedItemAdded:
      ZRVFUZZ_CHECK(F.Number == ExtendedSeen);
      ++ExtendedSeen;
      break;
    case Kind::ValueOutOfRange:
      ZRVFUZZ_CHECK(F.Field == 2 || F.Field == 3 || F.Field == 15);
      break;
    case Kind::UnresolvedName:
      ZRVFUZZ_CHECK((F.Field >= 8 && F.Field <= 12) || F.Field == 3);
      ZRVFUZZ_CHECK(!F.Text.empty());
      break;
    case Kind::UnknownItemKey:
    case Kind::DuplicateSetting:
      ZRVFUZZ_CHECK(!F.Text.empty());
      break;
    case Kind::EndMissing:
      ++EndMissing;
      ZRVFUZZ_CHECK(I + 1 == Record.Findings.size());
      ZRVFUZZ_CHECK(!HasPlainEnd || hasLongLine(In.File, In.FileSize));
      break;
    case Kind::SectionRead:
      ZRVFUZZ_CHECK(!F.Section.empty());
      break;
    case Kind::TextNotUtf8:
      ZRVFUZZ_CHECK(F.Number >= 1);
      break;
    case Kind::NotANumber:
      ZRVFUZZ_CHECK(F.Number >= 0 && F.Number <= 5);
      break;
    case Kind::SectionPassedOver:
    case Kind::ItemLinesNotRead:
      break;
    }
  }
  ZRVFUZZ_CHECK(EndMissing <= 1);
  if (!HasEnd)
    ZRVFUZZ_CHECK(EndMissing == 1);
  ZRVFUZZ_CHECK(ExtendedSeen == Observed.GetItemExCount());
  return 0;
}
