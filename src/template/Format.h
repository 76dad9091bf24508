// Format.h - the line rules of a report template file: numbers as the file
// writes them, every data line as the writer formats it, and every line as the
// reader takes it apart.
//
// Writing formats each line once, from a pattern of the layout tables and the
// line's values, straight into the UTF-8 bytes of the file (the append...
// functions add one line, without its line end, to a buffer). Reading works on
// the bytes of one line as read from the file (UTF-8, its LF line end kept or
// not); names and texts come back decoded from UTF-8, invalid bytes as
// U+FFFD. Numbers are written and read the same way in every locale.
#ifndef ZRVREPORT_TEMPLATE_FORMAT_H
#define ZRVREPORT_TEMPLATE_FORMAT_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Utf8.h"
#include "template/TemplateLayout.h"
#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"

namespace zrv::format {

using ViewRecord = CZRVReportItem::tagVIEWSETTING;
using ClipRecord = CZRVReportItem::tagCLIPSETTING;
using SliceRecord = CZRVReportItem::tagSLICESETTING;
using ObjectRecord = CZRVReportItem::tagOBJECTSETTING;
using CaptureRecord = CZRVReportItem::tagFOCUSCAPTURE;
using MeltRecord = CZRVReportItemEx::stMeltFrontTimeCapture;
using AnimationRecord = CZRVReportItemEx::stAnimationSetting;
using ImageRecord = CZRVReportItemEx::stImageSetting;

// ---- Numbers as written ------------------------------------------------------------

/// The room that writeInt always has enough of ("-2147483648").
inline constexpr std::size_t IntRoom = 11;
/// The room that writeLg always has enough of ("-1.23457e+308").
inline constexpr std::size_t LgRoom = 32;
/// The room that writeFixed0 always has enough of (309 digits and a sign).
inline constexpr std::size_t Fixed0Room = 320;

/// Numbers written to the room from \p First to \p Last; the end of what was
/// written, or null (and the room's content undefined) when the room is too
/// small. writeInt writes an integer as "%d" does. writeLg writes a real as
/// "%lg" does in the "C" locale: 6 significant digits, the shorter of fixed
/// and exponential notation, trailing zeros dropped (90.0 gives "90", 0.25
/// "0.25", 1234567.0 "1.23457e+06", 1e-5 "1e-05"); the exponent has at least
/// two digits on every platform; negative zero gives "-0", infinities "inf"
/// and "-inf", NaN "nan" or "-nan" by its sign bit (what the reader's number
/// rule reads back as NaN). writeFixed0 writes a real as "%.0f" does in the
/// "C" locale: rounded to a whole number (halfway cases to even, as the exact
/// binary value decides), no decimal point (2.5 gives "2", 3.5 "4", -0.4 "-0").
char* writeInt(char* First, char* Last, int Value);
char* writeLg(char* First, char* Last, double Value);
char* writeFixed0(char* First, char* Last, double Value);

/// True when \p Value is a whole number within +-\p Limit (at most the int
/// range) that has no sign of its own to show (negative zero has one):
/// writeLg writes such a real below LgWholeLimit (six digits), writeFixed0
/// one below Fixed0WholeLimit, as writeInt writes the integer.
inline bool isPlainWholeNumber(double Value, double Limit) {
  return Value > -Limit && Value < Limit && Value == static_cast<double>(static_cast<int>(Value)) &&
         !(Value == 0.0 && std::signbit(Value));
}
inline constexpr double LgWholeLimit = 1e6;
inline constexpr double Fixed0WholeLimit = 2147483647.0;

/// The bytes of a file (or of some of its sections) as they are built: the
/// content, and room after it that the writers write into in place before
/// they make it part of the content. Growing it leaves the new room as it
/// is (a std::string would fill it first).
class ByteBuffer {
public:
  /// The content.
  std::string_view view() const { return std::string_view(Data.get(), Size); }
  std::size_t size() const { return Size; }
  /// Makes room for content of \p Total bytes in all.
  void reserve(std::size_t Total) {
    if (Total > Capacity)
      grow(Total - Size);
  }
  /// At least \p Count bytes of room after the content.
  char* room(std::size_t Count) {
    if (Capacity - Size < Count)
      grow(Count);
    return Data.get() + Size;
  }
  /// The bytes of room after the content.
  std::size_t spare() const { return Capacity - Size; }
  /// Makes the room up to \p End part of the content.
  void commit(const char* End) { Size = static_cast<std::size_t>(End - Data.get()); }
  void append(std::string_view Bytes) {
    copyPiece(room(Bytes.size()), Bytes);
    Size += Bytes.size();
  }
  /// Copies \p Bytes to \p Out and gives the end of the copy. Most pieces
  /// of a line are a line end, a separator or a short number: copied byte by
  /// byte rather than through a call to the library's block copy.
  static char* copyPiece(char* Out, std::string_view Bytes) {
    if (Bytes.size() > 8)
      return std::copy(Bytes.begin(), Bytes.end(), Out);
    for (char Byte : Bytes)
      *Out++ = Byte;
    return Out;
  }
  /// Appends one byte.
  void push(char Byte) {
    *room(1) = Byte;
    ++Size;
  }

private:
  void grow(std::size_t Count);

  std::unique_ptr<char[]> Data;
  std::size_t Size = 0;
  std::size_t Capacity = 0;
};

/// Appends the UTF-8 bytes of \p Text to \p Out (platform::EncodeUtf8).
void appendUtf8(ByteBuffer& Out, std::wstring_view Text);

// ---- Line limits -------------------------------------------------------------------

/// True when \p Utf8Line (without line end) can be read back whole: with its
/// line end it fits the reader's MaxReadLineBytes.
bool fitsReadLimit(std::string_view Utf8Line);

/// True when a name or text value has at most MaxNameChars wide characters.
inline bool fitsNameLimit(std::wstring_view Name) { return Name.size() <= MaxNameChars; }
/// The same for a name as UTF-8 bytes, counted as it decodes (no name has
/// more characters than bytes, so a short one is not decoded).
bool fitsNameLimit(std::string_view Utf8Name);

/// Decodes the UTF-8 bytes \p Bytes into \p Out, reusing its room (no
/// allocation once it has room for the text).
void decodeInto(std::string_view Bytes, std::wstring& Out);

// ---- Setting records -------------------------------------------------------------

/// One value of a setting line after the name: an integer or a real member
/// of the record.
template <typename Record> struct RecordField {
  constexpr RecordField(std::int32_t Record::*Member) : Int(Member) {}
  constexpr RecordField(double Record::*Member) : Real(Member) {}
  std::int32_t Record::*Int = nullptr;
  double Record::*Real = nullptr;
};

/// The values of each kind of setting line, in the order the section's
/// pattern lists them after the name (its %d and %lg directives); the writer
/// writes and the reader reads a setting line by these tables.
inline constexpr RecordField<ViewRecord> ViewFields[] = {&ViewRecord::AngleX, &ViewRecord::AngleY,
                                                         &ViewRecord::AngleZ, &ViewRecord::Scale};
inline constexpr RecordField<ClipRecord> ClippingFields[] = {
    &ClipRecord::ClipBy, &ClipRecord::KeepX,  &ClipRecord::KeepY,  &ClipRecord::KeepZ,
    &ClipRecord::RangeX, &ClipRecord::RangeY, &ClipRecord::RangeZ, &ClipRecord::Inverse};
inline constexpr RecordField<SliceRecord> SlicingFields[] = {
    &SliceRecord::SliceX, &SliceRecord::SliceY, &SliceRecord::SliceZ,
    &SliceRecord::RangeX, &SliceRecord::RangeY, &SliceRecord::RangeZ};
inline constexpr RecordField<ObjectRecord> ObjectFields[] = {
    &ObjectRecord::ShowRunner,       &ObjectRecord::ShowPart,
    &ObjectRecord::ShowPartInsert,   &ObjectRecord::ShowCoolChannel,
    &ObjectRecord::ShowMoldbase,     &ObjectRecord::ShowMoldInsert,
    &ObjectRecord::ShowMeltEntrance, &ObjectRecord::ShowCoolantEntrance,
    &ObjectRecord::ShowHeatingRod,   &ObjectRecord::ShowHotRunnerMetal};
inline constexpr RecordField<CaptureRecord> CaptureFields[] = {
    &CaptureRecord::Capture, &CaptureRecord::Width, &CaptureRecord::Height};
inline constexpr RecordField<AnimationRecord> AnimationFields[] = {
    &AnimationRecord::Output, &AnimationRecord::Time, &AnimationRecord::FPS,
    &AnimationRecord::Resolution};
inline constexpr RecordField<ImageRecord> ImageFields[] = {&ImageRecord::Output,
                                                           &ImageRecord::Resolution};

/// The section of each kind of setting line and the values it holds, found
/// by the record's type (kindOf); the writer and the reader take both from
/// here.
template <typename Record, std::size_t N> struct SettingKind {
  Section Id;
  const RecordField<Record> (&Fields)[N];
};
template <typename Record, std::size_t N>
constexpr SettingKind<Record, N> kind(Section Id, const RecordField<Record> (&Fields)[N]) {
  return {Id, Fields};
}
constexpr auto kindOf(const ViewRecord&) { return kind(Section::ViewSetting, ViewFields); }
constexpr auto kindOf(const ClipRecord&) { return kind(Section::ClippingSetting, ClippingFields); }
constexpr auto kindOf(const SliceRecord&) { return kind(Section::SlicingSetting, SlicingFields); }
constexpr auto kindOf(const ObjectRecord&) { return kind(Section::ObjectSetting, ObjectFields); }
constexpr auto kindOf(const CaptureRecord&) { return kind(Section::FocusCapture, CaptureFields); }
constexpr auto kindOf(const AnimationRecord&) {
  return kind(Section::AnimationSetting, AnimationFields);
}
constexpr auto kindOf(const ImageRecord&) { return kind(Section::ImageSetting, ImageFields); }

// ---- Lines as written ---------------------------------------------------------------

/// What the writer knows of one report item for its item line, with the
/// names held as \p Text and the several views as \p Names (a list with
/// data(), size() and empty()). Every name must be set when Text is a
/// pointer (the empty name is a name too).
template <typename Text, typename Names> struct ItemLineFields {
  Text Key{}; ///< field 1, the item's save name
  int Output = 0;
  int DisplayMode = 0;
  int ParameterX = 0;
  int ParameterY = 0;
  int ParameterZ = 0;
  int FaceNumber = 0;
  Text ClippingName{};
  Text ViewName{}; ///< the single view
  Text ObjectName{};
  Text CaptureName{};
  Text SlicingName{};
  /// The several views; when not empty field 9 lists them instead of ViewName.
  Names ManyViewNames;
  int AirTrap = 0;
  int WeldLine = 0;
  int ItemCountOf1Page = 1;
};

/// Names kept elsewhere (an item's list of several views), seen in place.
template <typename Name> struct NameSpanOf {
  const Name* First = nullptr;
  std::size_t Count = 0;
  const Name* data() const { return First; }
  const Name* begin() const { return First; }
  const Name* end() const { return First + Count; }
  std::size_t size() const { return Count; }
  bool empty() const { return Count == 0; }
};
using NameSpan = NameSpanOf<std::wstring_view>;

/// An item line's values with names that stay where they are.
using ItemLineView = ItemLineFields<std::wstring_view, NameSpan>;

/// A name whose UTF-8 bytes are at hand: the line's comparisons and length
/// checks read its kept form (platform::WideToKept), the line takes the
/// bytes as they stand. At least NamePadding bytes after the first byte of
/// Bytes can be read (they are copied in blocks of that size).
struct EncodedName {
  static constexpr std::size_t NamePadding = 16;

  std::string_view Kept;
  std::string_view Bytes;
};

/// An item line whose names a save has encoded once for all the lines that
/// carry them (EncodedNames), each referred to where the table holds it.
using EncodedItemLine = ItemLineFields<const EncodedName*, NameSpanOf<const EncodedName*>>;

/// The UTF-8 bytes of names numbered from 0 in the order they are added (the
/// kept forms of the names a document holds once each): a name carried by
/// many lines is encoded once, when it is first asked for, so that a name no
/// line carries costs nothing. A kept form with neither a lone surrogate nor
/// a value above U+10FFFF is its UTF-8 already and is copied; any other is
/// widened and encoded, those values becoming U+FFFD. The bytes of the name encoded last are
/// followed by NamePadding bytes of room filled with zeros. The names must stay alive with the
/// table. What operator[] gives stays valid until the next add: the view of bytes it holds follows
/// the bytes when a later name's encoding moves them.
class EncodedNames {
public:
  /// Makes room for \p Names more names of \p KeptBytes bytes in all.
  void reserve(std::size_t Names, std::size_t KeptBytes) {
    Entries.reserve(Entries.size() + Names);
    Bytes.reserve(Bytes.size() + KeptBytes + EncodedName::NamePadding);
  }
  /// Adds the name of kept form \p Kept as the next number.
  void add(std::string_view Kept) { Entries.push_back({Kept, {}}); }
  std::size_t size() const { return Entries.size(); }
  /// Name \p At, which must be below size(), encoded now unless it was
  /// before.
  const EncodedName& operator[](std::size_t At) {
    EncodedName& Entry = Entries[At];
    if (!Entry.Bytes.data())
      encode(Entry);
    return Entry;
  }

private:
  void encode(EncodedName& Entry);

  ByteBuffer Bytes;
  /// Each name's kept form and, once encoded, a view of its bytes in Bytes
  /// (never null then; moved along when Bytes grows).
  std::vector<EncodedName> Entries;
};

/// The length in wide characters of the several-view field of \p Names
/// (each name and its ';').
std::size_t viewListLength(NameSpanOf<const EncodedName*> Names);
/// The bytes of the kept forms of the several-view field of \p Names (each
/// name and its ';'): never less than its length in wide characters.
std::size_t viewListKeptSize(NameSpanOf<const EncodedName*> Names);

// ---- Lines appended as written ---------------------------------------------------------
// Each appends the UTF-8 bytes of one line to Out, without its line end. A
// pattern's directives ("%s" text, "%d" integer, "%lg" and "%.0f" real) take
// the line's values in order; texts are inserted as data, so a '%' in a value
// reaches the line unchanged.

/// The [FileHeader] line of \p Field: a number row ("FileVersion,1001",
/// "ProjectType,0,"(0:Solid,1:Shell)"") takes \p Number, a text row
/// ("Remark,first issue") takes \p Text unquoted and unescaped; the other
/// argument is not used.
void appendHeaderLine(ByteBuffer& Out, HeaderField Field, int Number, std::wstring_view Text);
/// The [Info] line of \p Field, built like appendHeaderLine.
void appendInfoLine(ByteBuffer& Out, InfoField Field, int Number, std::wstring_view Text);
/// The setting line of the record's kind (any of the eight setting records).
/// \p Name is the stored name; it is written with every blank as '_' (and
/// nothing else changed), followed by the record's values in the pattern of
/// the section. The record's own Name field is not used; FocusOn is not
/// written. A melt-front record writes its used percentages, each "%.0f",
/// joined by '-' ("25-50-75-100"): Count is taken within 0 to 100, Count 0
/// gives none. A negative percentage is written with its minus sign, which
/// the reader takes as a separator: such values do not read back.
template <typename Record>
void appendSettingLine(ByteBuffer& Out, std::wstring_view Name, const Record& R);
/// The same for the name whose kept form (platform::WideToKept) is \p Kept,
/// as a setting library holds it: the same bytes as for the name itself.
template <typename Record>
void appendKeptSettingLine(ByteBuffer& Out, std::string_view Kept, const Record& R);
/// The [ResultEx] row of extended item \p Position (0 to 5). The output column
/// is 1 when \p Output is 1, else 0. The setting column is \p Setting,
/// unchanged (no '_' replacement), or the row's replacement when \p Setting is
/// empty: "Default" at positions 0, 3 and 5, "-" at position 1 (no
/// presentation template); position 2 always writes "-", position 4 writes
/// \p WarpageScale as "%lg" and ignores \p Setting. Positions from 6 on have
/// no row: false, and nothing appended.
bool appendResultExRow(ByteBuffer& Out, std::size_t Position, int Output, std::wstring_view Setting,
                       double WarpageScale);
/// The item line of \p Item (fields 1 to 15, no blanks between fields).
/// Field 8, 11, 12: the name, or "-" when empty. Field 10: "-" when empty or
/// equal to \p ProjectSettingName. Field 9: when ManyViewNames is not empty,
/// each name followed by ';', names as stored; otherwise "-" when ViewName is
/// empty or equal to \p ProjectViewName, else ViewName with blanks as '_'.
/// Names of fields 8, 10, 11, 12 are written as stored. Comparisons are exact.
void appendItemLine(ByteBuffer& Out, const ItemLineView& Item, std::wstring_view ProjectViewName,
                    std::wstring_view ProjectSettingName);
/// The same line from names encoded already, compared with the kept forms of
/// the project's names: the same bytes as the line of the item with the wide
/// forms of its names.
void appendItemLine(ByteBuffer& Out, const EncodedItemLine& Item, std::string_view ProjectViewKept,
                    std::string_view ProjectSettingKept);

// ---- Reading values from a line --------------------------------------------------------

/// The bytes that separate words when a line is read (blank, tab, LF, CR,
/// vertical tab and form feed) as bits of a mask of the bytes 0 to 63.
inline constexpr std::uint64_t SpaceByteMask =
    (std::uint64_t(1) << ' ') | (std::uint64_t(1) << '\t') | (std::uint64_t(1) << '\n') |
    (std::uint64_t(1) << '\r') | (std::uint64_t(1) << '\v') | (std::uint64_t(1) << '\f');

/// True when \p C is one of the bytes 0 to 63 whose bit \p Mask sets.
inline bool inByteMask(char C, std::uint64_t Mask) {
  const auto Byte = static_cast<unsigned char>(C);
  return Byte < 64 && ((Mask >> Byte) & 1u) != 0;
}

/// True for the bytes that separate words when a line is read.
inline bool isSpaceByte(char C) { return inByteMask(C, SpaceByteMask); }

/// The most digits of a decimal read without the general conversion: a whole
/// number of 15 digits is exact in a double, as is a power of ten up to 10^22.
inline constexpr int MostShortDecimalDigits = 15;
/// The decimal \p Digits / 10^\p Decimals (\p Digits of at most
/// MostShortDecimalDigits digits, \p Decimals at most as many): one division
/// of exact values, rounded correctly, gives the correctly rounded value of
/// the decimal, as the general conversion does.
inline double shortDecimalValue(std::uint64_t Digits, int Decimals) {
  static constexpr double PowersOfTen[MostShortDecimalDigits + 1] = {
      1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  return static_cast<double>(Digits) / PowersOfTen[Decimals];
}

/// The most digits of a whole number read without a check of the int range.
inline constexpr int MostShortIntDigits = 9;

/// The digits of a decimal as plainDecimal reads them.
struct PlainDecimal {
  std::uint64_t Digits = 0; ///< all its digits as one whole number
  int Count = 0;            ///< how many digits (a count past 19 wraps Digits)
  int Decimals = 0;         ///< how many of them follow the '.'
};

/// Reads the digits from \p At up to \p End, and with \p WithPoint a '.'
/// and the digits after it; \p At is left after them.
inline PlainDecimal plainDecimal(const char*& At, const char* End, bool WithPoint) {
  const auto isDigit = [](char C) { return C >= '0' && C <= '9'; };
  PlainDecimal Read;
  for (; At != End && isDigit(*At); ++At, ++Read.Count)
    Read.Digits = Read.Digits * 10 + static_cast<std::uint64_t>(*At - '0');
  if (WithPoint && At != End && *At == '.')
    for (++At; At != End && isDigit(*At); ++At, ++Read.Count, ++Read.Decimals)
      Read.Digits = Read.Digits * 10 + static_cast<std::uint64_t>(*At - '0');
  return Read;
}

/// True when \p Read, which plainDecimal left at \p Next, is a decimal whose
/// shortDecimalValue is what the general conversion gives: one to
/// MostShortDecimalDigits digits, and no exponent after them.
inline bool isShortDecimal(const PlainDecimal& Read, const char* Next, const char* End) {
  return Read.Count > 0 && Read.Count <= MostShortDecimalDigits &&
         !(Next != End && (*Next == 'e' || *Next == 'E'));
}

/// Reads a line from left to right as formatted input does in the "C" locale:
/// each read skips leading space bytes first. A failed read leaves the
/// position where the value should have started.
class LineScanner {
public:
  /// A scanner of \p Line; with \p CommasAreBlanks each ',' counts as a
  /// space byte, as if the line had been read with its commas replaced by
  /// blanks, without making that copy.
  explicit LineScanner(std::string_view Line, bool CommasAreBlanks = false)
      : Text(Line), Spaces(SpaceByteMask | (CommasAreBlanks ? std::uint64_t(1) << ',' : 0)) {}

  /// A word: the run of non-space bytes. False when only space is left.
  bool readWord(std::string_view& Word);
  /// A decimal integer: optional sign, then at least one digit; reading stops
  /// at the first byte that is not a digit ("12ab" gives 12 and leaves "ab").
  /// A value beyond the 32-bit range is clamped to it.
  bool readInt(int& Value);
  /// A real: optional sign, digits with an optional '.', an optional exponent
  /// ("1.5", ".5", "5.", "2e3"), or "inf", "infinity", "nan" in any letter
  /// case; the longest such prefix is taken. Hexadecimal is not read ("0x1"
  /// gives 0 and leaves "x1"). A value outside the range of double is not a
  /// number.
  bool readReal(double& Value);
  /// What is left of the line.
  std::string_view rest() const { return Text.substr(Pos); }

private:
  void skipSpace();
  bool isSpace(char C) const { return inByteMask(C, Spaces); }
  /// readReal's short way from \p At, after the sign: a decimal of at most
  /// 15 digits with no exponent. False (and nothing read) for any other
  /// number, which the general conversion reads.
  bool readShortDecimal(std::size_t At, bool Negative, double& Value);
  std::string_view Text;
  std::size_t Pos = 0;
  std::uint64_t Spaces; ///< the space bytes, ',' among them when commas are blanks
};

/// The integer at the start of \p Text (after space), 0 when there is none.
int leadingInt(std::string_view Text);
/// The real at the start of \p Text (after space), 0.0 when there is none.
double leadingReal(std::string_view Text);

// ---- Lines as read ---------------------------------------------------------------

/// One [FileHeader] line as read.
struct ParsedHeaderValue {
  HeaderField Field = HeaderField::Count;
  /// The value read as a decimal integer (0 when it is not a number); what a
  /// number field stores.
  int Number = 0;
  /// The value decoded from UTF-8; what a text field stores.
  std::wstring Text;
};

/// Reads a [FileHeader] line: every blank becomes "||", every comma a blank;
/// the first two words are the key and the value; the value's leading and
/// trailing blanks are removed, then every "||" in it (left to right) becomes
/// one blank; the key selects the field by substring test in the order of
/// HeaderRows ("FileVersion", "FileID", "Name", "Date", "ProjectType",
/// "AppType", "CreateBy", "Remark"), first match wins. Empty result, so that
/// nothing changes, for a line with fewer than two words, a key that holds
/// none of the keys, or a text longer than MaxNameChars.
std::optional<ParsedHeaderValue> parseHeaderLine(std::string_view Line);

/// A setting line as read: the name and the record built from the record's
/// defaults and the values read (its Name field left empty).
template <typename Record> struct NamedSetting {
  Record Value;
  std::string_view NameBytes; ///< the name's bytes in the line read
  bool Ascii = true;          ///< NameBytes are ASCII, and so the name's kept form
  std::string NonAsciiKept;   ///< else the kept form of the name they decode to
  /// The name in the form the setting libraries keep names in
  /// (platform::WideToKept): the bytes of the line when they are ASCII.
  std::string_view kept() const { return Ascii ? NameBytes : std::string_view(NonAsciiKept); }
  /// The name decoded from UTF-8 (an ill-formed sequence as U+FFFD).
  std::wstring name() const { return platform::KeptToWide(kept()); }
};

/// Reads a setting line of the section's kind: commas become blanks; then a
/// name (one word) and the values of the section's pattern in order (integers
/// for %d, reals for %lg), reading stopping at the first value that is not a
/// number. The count of values read decides (FullValueCount,
/// PartialValueCount of the section's row); a line giving fewer values, a
/// label line and a blank line among them, or whose name is longer than
/// MaxNameChars, gives the empty result.
/// - view: at least 4 values; clipping: 8, or 7 with Inverse 0; slicing: 6,
///   or 3 to 5 with the first 3 and the ranges at 50.0; object: 10, or 8 or 9
///   with the first 8 and the last two flags 0; focus capture: 3 (FocusOn
///   0); animation: 4; image: 2.
///
/// A [MeltFrontTimeCapture] data line (the section's first line, the
/// label, is the caller's to skip): commas become blanks and trailing space
/// is removed; the line must then hold at least two words. The name is the
/// text before the first space byte (a line starting with space gives the
/// empty result); the rest after that byte is split at every '-' and each
/// part is read as a real after leading space (0.0 when it is not a number).
/// Count is the number of parts; parts beyond the 100th are dropped (Count
/// 100). The places from Count on are 0.
///
/// Each overload reads the line into \p Setting, whose name keeps its room from
/// earlier lines: true and the name and the record's values set afresh, or
/// false (the empty result) and \p Setting not to be used. The record's Name
/// field is left empty: the name is Setting.Name.
bool readSettingLine(std::string_view Line, NamedSetting<ViewRecord>& Setting);
bool readSettingLine(std::string_view Line, NamedSetting<ClipRecord>& Setting);
bool readSettingLine(std::string_view Line, NamedSetting<SliceRecord>& Setting);
bool readSettingLine(std::string_view Line, NamedSetting<ObjectRecord>& Setting);
bool readSettingLine(std::string_view Line, NamedSetting<CaptureRecord>& Setting);
bool readSettingLine(std::string_view Line, NamedSetting<AnimationRecord>& Setting);
bool readSettingLine(std::string_view Line, NamedSetting<ImageRecord>& Setting);
bool readSettingLine(std::string_view Line, NamedSetting<MeltRecord>& Setting);

/// One [ResultEx] row as read.
struct ParsedResultExRow {
  /// The row kind by key; ResultExKey::Count for any other key.
  ResultExKey Key = ResultExKey::Count;
  std::wstring KeyText; ///< the key as read, decoded
  int Output = 0;       ///< 1 when the row's integer is 1, else 0
  /// The third word decoded from UTF-8; for "PPTTemplate" the word "-" gives
  /// the empty text (no presentation template).
  std::wstring Setting;
  /// "WarpageScale" rows: the third word as a real (0.0 when it is not a
  /// number); 0.0 for the other rows.
  double WarpageScale = 0.0;
};

/// Reads a [ResultEx] row: commas become blanks; the row must give a key word,
/// an integer and a third word, else the result is empty and the row adds
/// nothing. A third word longer than MaxNameChars also gives the empty result.
std::optional<ParsedResultExRow> parseResultExRow(std::string_view Line);

/// One item line as read. Its names are the bytes of the line (views into
/// it, valid while it is), so that a reader can look an ASCII name up as it
/// stands and decode only the others.
struct ParsedItemLine {
  std::string_view Key; ///< field 1; never empty
  int Output = 0;       ///< field 2: 1, 2, 3 as read, anything else 0
  int DisplayMode = 0;  ///< field 3: 1 to 4 as read, anything else 0
  int ParameterX = 0;   ///< fields 4 to 6
  int ParameterY = 0;
  int ParameterZ = 0;
  int FaceNumber = 0;            ///< field 7
  std::string_view ClippingName; ///< field 8; empty when the field holds no word
  /// Field 9 as read: a view name, a list of names each followed by ';'
  /// (forEachViewName), or "-" for no view.
  std::string_view ViewField;
  std::string_view ObjectName;  ///< field 10
  std::string_view CaptureName; ///< field 11
  std::string_view SlicingName; ///< field 12; empty when the line has 11 fields
  int AirTrap = 0;              ///< field 13; 0 when the line lacks it
  int WeldLine = 0;             ///< field 14; 0 when the line lacks it
  /// Field 15; 1 when the line lacks it, when it is 0 or not a number.
  int ItemCountOf1Page = 1;
  std::string_view TagName; ///< field 16; empty when the line lacks it
  /// Fields 2, 3 and 15 of a full line as the numbers they hold, before
  /// Output, DisplayMode and ItemCountOf1Page map them (0 when a field is
  /// not a number or the line lacks it), for the checks of their ranges.
  int OutputAsRead = 0;
  int DisplayModeAsRead = 0;
  int ItemCountAsRead = 0;
  /// The number of fields of the line (11, 12, 14, 15 or 16); 0 for a
  /// version 1000 line.
  int FieldCount = 0;
  /// The most fields of a line kept in Fields.
  static constexpr std::size_t MaxFields = 16;
  /// The first FieldCount fields as they stand in the line read, for checks
  /// of what a field holds; unset for a version 1000 line.
  std::array<std::string_view, MaxFields> Fields{};
};

/// Reads an item line by the file's version (itemLineFormOf):
/// - 1001 or greater: the fields are the parts between commas, an empty part
///   counting as a field; 11, 12, 14, 15 or 16 fields are read, any other count
///   gives the empty result. Numeric fields are read as a decimal integer
///   after leading space, 0 when not a number; name fields as one word after
///   leading space, empty when there is none. Fields the line lacks take the
///   values at the start of a section (empty slicing and tag names, AirTrap 0,
///   WeldLine 0, item count of one page 1), never those of an earlier line.
/// - 1000: commas become blanks and the line is read as the key and six
///   integers (fields 2 to 7, 0 for those not given); the rest is ignored, no
///   names are read.
/// - below 1000: always the empty result.
/// Also empty: a line without a key, or one whose key or any name field is
/// longer than MaxNameChars.
std::optional<ParsedItemLine> parseItemLine(std::string_view Line, int FileVersion);
/// As above, into \p Item (its names views into \p Line); false for the
/// empty result (\p Item then holds no meaning).
bool parseItemLine(std::string_view Line, int FileVersion, ParsedItemLine& Item);

/// Calls \p Visit with each name of a several-view field (the bytes of an
/// item line), split at every ';', empty parts left out ("Top;Side;" gives
/// Top, then Side).
template <typename Visitor> void forEachViewName(std::string_view Field, Visitor Visit) {
  constexpr char Separator = static_cast<char>(ViewListSeparator);
  for (std::size_t Start = 0;;) {
    std::size_t End = Field.find(Separator, Start);
    std::string_view Part = Field.substr(Start, End - Start);
    if (!Part.empty())
      Visit(Part);
    if (End == std::string_view::npos)
      break;
    Start = End + 1;
  }
}

/// True when a view field lists several views (holds ';').
inline bool isViewList(std::string_view Field) {
  return Field.find(static_cast<char>(ViewListSeparator)) != std::string_view::npos;
}

/// True when a name field means no setting ("-" alone).
inline bool isNoSetting(std::string_view Field) {
  return Field.size() == 1 && Field[0] == static_cast<char>(NoSetting[0]);
}

} // namespace zrv::format

#endif // ZRVREPORT_TEMPLATE_FORMAT_H
