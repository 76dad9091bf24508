/// \file
/// \brief An optional observer of a template load: it is told every line, name, key or
/// section that the load passes over or changes, with the line number, so that a tool can
/// report what a template loses.
#ifndef ZRVREPORT_ZRVTEMPLATEOBSERVER_H
#define ZRVREPORT_ZRVTEMPLATEOBSERVER_H

#include <string>
#include <vector>

/// What a load passed over or changed.
enum class ZRVTemplateFindingKind : int {
  /// A line longer than the reader reads at once (511 bytes with its line
  /// end): it arrives in pieces, each taken as a line of its own. Number is
  /// the line's length as far as it was read (at least 511).
  LineTooLong,
  /// A tag line ('[' on the line) that the reader's chain of sections did
  /// not take, so the lines up to the next tag line are passed over: a
  /// section out of order, a section this project type does not read, or a
  /// data line holding '['. Text is the line; Section is the section that
  /// the line ended (the one read before it), empty when it follows lines
  /// that belong to no section.
  SectionPassedOver,
  /// A data line that does not have the shape its section expects and is
  /// ignored; also the first line after [MeltFrontTimeCapture] when it is
  /// not the label line (that line is always dropped unread). Number is the
  /// number of comma-separated fields of the line. A line that holds nothing
  /// to lose is not reported: one that is blank once trailing commas and
  /// blanks are taken away, and the section's label line, also with its
  /// cells padded, quoted or unquoted as a spreadsheet writes them. Accepted
  /// holds, for a setting line, the value counts after the name that the
  /// section reads; for an item line of a full read, the field counts the
  /// reader takes; else nothing.
  LineIgnored,
  /// A setting name given on a second line of its section; the first line
  /// wins and this one is ignored. Text is the name.
  DuplicateSetting,
  /// An item key that the section's key list does not hold; the item line is
  /// dropped. Text is the key.
  UnknownItemKey,
  /// A setting name in an item line (Field 8 to 12) or a [ResultEx] row
  /// (Field 3) that no setting of the file resolves; nothing is attached.
  /// Text is the name.
  UnresolvedName,
  /// A value outside its range in an item line: Field 2 (output, 0 to 3),
  /// 3 (display mode, 0 to 4) or 15 (item count of one page, 1 to 4).
  /// Number is the value as read; Accepted holds the lowest and the highest
  /// value of the range. Text is the item's key.
  ValueOutOfRange,
  /// A result section whose item lines the file version does not read in
  /// full: below 1000 none, 1000 only the key and six numbers. Number is the
  /// file version.
  ItemLinesNotRead,
  /// A [ResultEx] row added an extended item. Number is its position in the
  /// document's list, Text its key.
  ExtendedItemAdded,
  /// The file ended without an "[EOF]" line. Line is the last line read.
  EndMissing,
  /// A tag line that the reader's chain took: the section is read (for
  /// [Info], its lines are skipped). Section is its tag, Text the line.
  SectionRead,
  /// A line whose bytes are not UTF-8: every invalid byte reads as U+FFFD.
  /// Number is the 1-based byte column of the first invalid byte (in the
  /// piece read, for a line read in pieces); Text is the line as decoded.
  TextNotUtf8,
  /// A number field of a [FileHeader] line (FileVersion, ProjectType,
  /// AppType) whose value does not start with a number, so it reads as 0.
  /// Text is the value as read, Number the field's index in the header
  /// keys (0 FileVersion).
  NotANumber
};

/// The number of finding kinds: one past the last (a kind added to the end
/// of the list above moves this along with it).
inline constexpr int ZRVTemplateFindingKindCount =
    static_cast<int>(ZRVTemplateFindingKind::NotANumber) + 1;

/// One finding of a load.
struct ZRVTemplateFinding {
  /// What the load passed over or changed.
  ZRVTemplateFindingKind Kind = ZRVTemplateFindingKind::LineIgnored;
  /// The 1-based line number in the file (a line that arrives in pieces keeps
  /// its number for each piece).
  int Line = 0;
  /// The tag of the section being read ("[FlowResult]"); empty before the
  /// first section.
  std::wstring Section;
  /// The key, name or line the finding is about (see the kind).
  std::wstring Text;
  /// A number the finding is about (see the kind); 0 otherwise.
  int Number = 0;
  /// The 1-based field of an item line the finding is about; 0 otherwise.
  int Field = 0;
  /// What the reader would have taken (see the kind); empty otherwise.
  std::vector<int> Accepted;
};

/// Receives the findings of a load. The load itself never depends on what
/// the observer does.
class ZRVTemplateObserver {
public:
  /// Observers are deleted through this interface by their owner; the library
  /// never deletes one.
  virtual ~ZRVTemplateObserver() = default;
  /// Called once for every finding, in file order.
  virtual void OnFinding(const ZRVTemplateFinding& Finding) = 0;
};

#endif // ZRVREPORT_ZRVTEMPLATEOBSERVER_H
