// FormatRead.cpp - every line of a template file as the reader takes it apart.
#include "template/Format.h"

#include "platform/ByteBlock.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"
#include "util/Text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>

namespace zrv::format {

namespace {

std::wstring decode(std::string_view Bytes) { return platform::FromUtf8(Bytes); }

constexpr std::uint64_t WordOnes = 0x0101010101010101u;
constexpr std::uint64_t WordHighBits = 0x8080808080808080u;

/// A word whose high bits (WordHighBits) are not all 0 when some byte of
/// \p Word is below 0x21 (a blank, a control byte). A byte's borrow reaches
/// the bytes above it only when it is itself below 0x21, so the test of the
/// whole word is exact (though not which byte). The words of a text may be
/// ORed together and masked once.
constexpr std::uint64_t below21Bits(std::uint64_t Word) { return (Word - WordOnes * 0x21) & ~Word; }

/// True when some byte of \p Text is below 0x21: eight bytes are looked at
/// in one step.
bool hasByteBelow21(std::string_view Text) {
  std::size_t I = 0;
  for (std::uint64_t Word; I + sizeof Word <= Text.size(); I += sizeof Word) {
    std::memcpy(&Word, Text.data() + I, sizeof Word);
    if ((below21Bits(Word) & WordHighBits) != 0)
      return true;
  }
  for (; I < Text.size(); ++I)
    if (static_cast<unsigned char>(Text[I]) < 0x21)
      return true;
  return false;
}

/// The first word of \p Text, empty when it holds none.
std::string_view firstWord(std::string_view Text) {
  // A name's field nearly always holds the name alone, with no space byte
  // (all of them are below 0x21): the field is its word.
  if (!hasByteBelow21(Text))
    return Text;
  std::string_view Word;
  LineScanner(Text).readWord(Word);
  return Word;
}

/// The most values a setting line's pattern asks for after the name.
constexpr std::size_t MaxSettingValues = 10;

/// What a setting line's pattern asks for after the name: how many values,
/// and which of them are integers ("%d"; the others, "%lg" and "%.0f", are
/// read as reals).
struct ValueKinds {
  std::uint32_t IntegerMask = 0; ///< bit I: value I is an integer
  std::size_t Count = 0;
};

/// The value kinds of the data pattern of every setting section (none for
/// the others), taken from the layout table when the library is compiled.
constexpr std::array<ValueKinds, SectionCount> valueKindsOfSections() {
  std::array<ValueKinds, SectionCount> Kinds{};
  for (std::size_t S = 0; S < SectionCount; ++S) {
    const char* Directive = Sections[S].DataPattern;
    if (Sections[S].Kind != SectionKind::Setting || Directive[0] != '%' || Directive[1] != 's')
      continue;
    for (Directive += 2; *Directive != '\0'; ++Directive) {
      if (*Directive != '%')
        continue;
      if (Directive[1] == 'd')
        Kinds[S].IntegerMask |= std::uint32_t{1} << Kinds[S].Count;
      ++Kinds[S].Count;
    }
  }
  return Kinds;
}
constexpr std::array<ValueKinds, SectionCount> SettingValueKinds = valueKindsOfSections();
constexpr bool fitsValues() {
  for (const ValueKinds& Kinds : SettingValueKinds)
    if (Kinds.Count > MaxSettingValues)
      return false;
  return true;
}
static_assert(fitsValues(), "a data pattern asks for more values than a line holds");
static_assert(
    SettingValueKinds[static_cast<std::size_t>(Section::ClippingSetting)].Count == 8 &&
        SettingValueKinds[static_cast<std::size_t>(Section::ClippingSetting)].IntegerMask == 0x8F,
    "a clipping line: four integers, three reals, an integer");

/// The name and values of a setting line, read by its section's pattern.
class ScannedSetting {
public:
  /// Reads \p Line by the pattern of \p Id, the name's bytes in the line
  /// into \p NameBytes; false when the line gives fewer values than the
  /// section accepts.
  bool scan(std::string_view Line, Section Id, std::string_view& NameBytes);
  /// Value \p Index as an integer when the line's accepted values include it,
  /// else \p Default.
  int integer(std::size_t Index, int Default) const {
    return Index < Taken ? Values[Index].Int : Default;
  }
  /// Value \p Index as a real when accepted, else \p Default.
  double real(std::size_t Index, double Default) const {
    return Index < Taken ? Values[Index].Real : Default;
  }

private:
  bool scanPlain(std::string_view Line, const ValueKinds& Kinds, std::string_view& Name,
                 std::size_t& Read);

  /// A value as read: only the values below Taken are read back, each of
  /// them set by the read, so the others are left uninitialised.
  struct Value {
    int Int;
    double Real;
  };
  std::array<Value, MaxSettingValues> Values;
  std::size_t Taken = 0;
};

/// Reads \p Line when it has the plain shape a template's writer gives it:
/// the name at the start, then each value as digits after a run of ',' and
/// ' ' (an integer of at most MostShortIntDigits, a real of at most
/// MostShortDecimalDigits with at most one '.' among them; as the scanner, a
/// value may follow the one before directly, "1.5" reading as 1 and .5).
/// Such a line gives the name and values that scanning it gives, without the
/// scanner; false for any other line (a sign, another blank, an exponent),
/// which the caller scans.
bool ScannedSetting::scanPlain(std::string_view Line, const ValueKinds& Kinds,
                               std::string_view& Name, std::size_t& Read) {
  constexpr std::uint64_t NameEnds = SpaceByteMask | (std::uint64_t(1) << FieldSeparator);
  const char* At = Line.data();
  const char* const End = At + Line.size();
  // A name nearly always runs to the first comma with no byte below 0x21 in
  // it (the space bytes are among those): found by one search and one test.
  const auto* Comma = static_cast<const char*>(std::memchr(At, FieldSeparator, Line.size()));
  const char* NameEnd = Comma ? Comma : End;
  if (!hasByteBelow21(std::string_view(At, static_cast<std::size_t>(NameEnd - At))))
    At = NameEnd;
  else
    while (At != End && !inByteMask(*At, NameEnds))
      ++At;
  if (At == Line.data())
    return false;
  Name = std::string_view(Line.data(), static_cast<std::size_t>(At - Line.data()));
  for (Read = 0; Read < Kinds.Count; ++Read) {
    while (At != End && (*At == FieldSeparator || *At == ' '))
      ++At;
    if (At == End)
      break; // fewer values: the scanner stops here too
    const bool Integer = (Kinds.IntegerMask >> Read & 1) != 0;
    const PlainDecimal Number = plainDecimal(At, End, !Integer);
    if (Number.Count == 0)
      return false;
    if (Integer) {
      if (Number.Count > MostShortIntDigits)
        return false; // may need clamping to the 32-bit range
      Values[Read].Int = static_cast<int>(Number.Digits);
    } else {
      if (!isShortDecimal(Number, At, End))
        return false;
      Values[Read].Real = shortDecimalValue(Number.Digits, Number.Decimals);
    }
  }
  return true;
}

bool ScannedSetting::scan(std::string_view Line, Section Id, std::string_view& NameBytes) {
  const SectionLayout& Row = layoutOf(Id);
  // The directives after the name's "%s" say which values follow and of what
  // kind; reading stops at the first value that is not a number.
  const ValueKinds& Kinds = SettingValueKinds[static_cast<std::size_t>(Id)];
  std::size_t Read = 0;
  if (!scanPlain(Line, Kinds, NameBytes, Read)) {
    LineScanner Scanner(Line, true);
    if (!Scanner.readWord(NameBytes))
      return false;
    for (Read = 0; Read < Kinds.Count; ++Read) {
      const bool Ok = (Kinds.IntegerMask >> Read & 1) != 0 ? Scanner.readInt(Values[Read].Int)
                                                           : Scanner.readReal(Values[Read].Real);
      if (!Ok)
        break;
    }
  }

  std::size_t Full = static_cast<std::size_t>(Row.FullValueCount);
  std::size_t Partial = static_cast<std::size_t>(Row.PartialValueCount);
  if (Read >= Full)
    Taken = Full;
  else if (Read >= Partial)
    Taken = Partial;
  else
    return false;
  return true;
}

/// Takes \p Bytes as the name of \p Setting: ASCII bytes as they stand (they
/// are the name's kept form), others decoded (an ill-formed sequence as
/// U+FFFD) and kept in the kept form of the name. False when the name is
/// longer than MaxNameChars.
template <typename Record> bool takeName(NamedSetting<Record>& Setting, std::string_view Bytes) {
  Setting.NameBytes = Bytes;
  Setting.Ascii = platform::IsAscii(Bytes);
  if (Setting.Ascii)
    return Bytes.size() <= MaxNameChars;
  std::wstring Name;
  decodeInto(Bytes, Name);
  if (!fitsNameLimit(Name))
    return false;
  std::string& Kept = Setting.NonAsciiKept;
  Kept.resize(Name.size() * platform::KeptRoom);
  Kept.resize(static_cast<std::size_t>(platform::WideToKept(Kept.data(), Name) - Kept.data()));
  return true;
}

} // namespace

// ---- [FileHeader] ------------------------------------------------------------------

std::optional<ParsedHeaderValue> parseHeaderLine(std::string_view Line) {
  std::string Marked;
  Marked.reserve(Line.size() * 2);
  for (char C : Line) {
    if (C == ' ')
      Marked += HeaderBlankMark;
    else if (C == FieldSeparator)
      Marked += ' ';
    else
      Marked += C;
  }
  LineScanner Scanner(Marked);
  std::string_view Key;
  std::string_view Word;
  if (!Scanner.readWord(Key) || !Scanner.readWord(Word))
    return std::nullopt;

  std::optional<ParsedHeaderValue> Parsed;
  for (std::size_t I = 0; I < HeaderRows.size() && !Parsed; ++I)
    if (Key.find(HeaderRows[I].Key) != std::string_view::npos) {
      Parsed.emplace();
      Parsed->Field = static_cast<HeaderField>(I);
    }
  if (!Parsed)
    return std::nullopt;

  // The value is one word, so it has no blank of its own to trim; the blanks
  // of the written value come back from their marks.
  std::string Value(Word);
  std::size_t Pos = 0;
  while ((Pos = Value.find(HeaderBlankMark, Pos)) != std::string::npos) {
    Value.replace(Pos, HeaderBlankMark.size(), " ");
    Pos += 1;
  }
  Parsed->Number = leadingInt(Value);
  Parsed->Text = decode(Value);
  if (HeaderRows[static_cast<std::size_t>(Parsed->Field)].Kind == ValueKind::Text &&
      !fitsNameLimit(Parsed->Text))
    return std::nullopt;
  return Parsed;
}

// ---- Setting lines ---------------------------------------------------------------------

namespace {

/// A setting line read by the section's pattern into \p Setting: the name,
/// and a record whose values are the kind's fields; values the line does not
/// give keep the record's defaults. The record's Name field is left empty.
template <typename Record> bool readSetting(std::string_view Line, NamedSetting<Record>& Setting) {
  const auto Kind = kindOf(Record());
  ScannedSetting S;
  std::string_view NameBytes;
  if (!S.scan(Line, Kind.Id, NameBytes) || !takeName(Setting, NameBytes))
    return false;
  Record& R = Setting.Value;
  R = Record();
  for (std::size_t I = 0; I < std::size(Kind.Fields); ++I) {
    const RecordField<Record>& Field = Kind.Fields[I];
    if (Field.Int)
      R.*Field.Int = S.integer(I, R.*Field.Int);
    else
      R.*Field.Real = S.real(I, R.*Field.Real);
  }
  return true;
}

} // namespace

bool readSettingLine(std::string_view Line, NamedSetting<ViewRecord>& Setting) {
  return readSetting(Line, Setting);
}
bool readSettingLine(std::string_view Line, NamedSetting<ClipRecord>& Setting) {
  return readSetting(Line, Setting);
}
bool readSettingLine(std::string_view Line, NamedSetting<SliceRecord>& Setting) {
  return readSetting(Line, Setting);
}
bool readSettingLine(std::string_view Line, NamedSetting<ObjectRecord>& Setting) {
  return readSetting(Line, Setting);
}
bool readSettingLine(std::string_view Line, NamedSetting<CaptureRecord>& Setting) {
  return readSetting(Line, Setting);
}
bool readSettingLine(std::string_view Line, NamedSetting<AnimationRecord>& Setting) {
  return readSetting(Line, Setting);
}
bool readSettingLine(std::string_view Line, NamedSetting<ImageRecord>& Setting) {
  return readSetting(Line, Setting);
}

namespace {

/// Reads the percentages of a melt-front line into \p R when each is plain
/// digits with at most one '.' among them (at most MostShortDecimalDigits
/// digits, at least one) and they are joined by single '-', at most
/// MaxPercentages of them: the values and count that reading each piece as a
/// real gives. False for any other text (an empty piece, a blank, a sign, an
/// exponent), which the caller reads piece by piece; \p R is then partly
/// written.
bool readPlainPercentages(std::string_view Text, MeltRecord& R) {
  const char* At = Text.data();
  const char* const End = At + Text.size();
  int Count = 0;
  for (;; ++At) {
    if (Count == MaxPercentages)
      return false;
    const PlainDecimal Value = plainDecimal(At, End, true);
    if (!isShortDecimal(Value, At, End))
      return false;
    R.Percentage[Count++] = shortDecimalValue(Value.Digits, Value.Decimals);
    if (At == End)
      break;
    if (*At != PercentageSeparator)
      return false;
  }
  R.Count = Count;
  return true;
}

} // namespace

bool readSettingLine(std::string_view Line, NamedSetting<MeltRecord>& Setting) {
  // Commas count as blanks throughout (the line is read as if each were one).
  auto isBlank = [](char C) { return isSpaceByte(C) || C == FieldSeparator; };
  std::string_view Text = Line;
  while (!Text.empty() && isBlank(Text.back()))
    Text.remove_suffix(1);
  LineScanner Scanner(Text, true);
  std::string_view First;
  std::string_view Second;
  if (!Scanner.readWord(First) || !Scanner.readWord(Second))
    return false;
  std::size_t Cut = 0;
  while (!isBlank(Text[Cut]))
    ++Cut;
  if (Cut == 0)
    return false;

  if (!takeName(Setting, Text.substr(0, Cut)))
    return false;
  std::string_view Rest = Text.substr(Cut + 1);
  MeltRecord& R = Setting.Value;
  R = MeltRecord();
  if (readPlainPercentages(Rest, R))
    return true;
  R = MeltRecord();
  int Count = 0;
  for (std::size_t Start = 0; Count < MaxPercentages; ++Count) {
    std::size_t End = Rest.find(PercentageSeparator, Start);
    double Value = 0.0;
    R.Percentage[Count] =
        LineScanner(Rest.substr(Start, End - Start), true).readReal(Value) ? Value : 0.0;
    if (End == std::string_view::npos) {
      ++Count;
      break;
    }
    Start = End + 1;
  }
  R.Count = Count;
  return true;
}

void decodeInto(std::string_view Bytes, std::wstring& Out) {
  // Names are ASCII nearly always: widened in place (an assign from narrow
  // iterators would build a temporary wide string first, an allocation per
  // name) while the bytes are tested, and decoded again when one is not.
  Out.resize(Bytes.size());
  wchar_t* const To = Out.data();
  unsigned Seen = 0;
  for (std::size_t I = 0; I < Bytes.size(); ++I) {
    const auto Byte = static_cast<unsigned char>(Bytes[I]);
    Seen |= Byte;
    To[I] = static_cast<wchar_t>(Byte);
  }
  if (Seen >= 0x80)
    Out = decode(Bytes);
}

bool fitsNameLimit(std::string_view Utf8Name) {
  return Utf8Name.size() <= MaxNameChars || fitsNameLimit(decode(Utf8Name));
}

// ---- [ResultEx] ---------------------------------------------------------------------

std::optional<ParsedResultExRow> parseResultExRow(std::string_view Line) {
  LineScanner Scanner(Line, true);
  std::string_view Key;
  int Output = 0;
  std::string_view Third;
  if (!Scanner.readWord(Key) || !Scanner.readInt(Output) || !Scanner.readWord(Third))
    return std::nullopt;
  ParsedResultExRow Row;
  Row.Key = resultExKeyOf(Key);
  Row.KeyText = decode(Key);
  Row.Output = Output == 1 ? 1 : 0;
  if (!(Row.Key == ResultExKey::PPTTemplate && Third == "-"))
    Row.Setting = decode(Third);
  if (Row.Key == ResultExKey::WarpageScale)
    Row.WarpageScale = leadingReal(Third);
  if (!fitsNameLimit(Row.Setting) || !fitsNameLimit(Row.KeyText))
    return std::nullopt;
  return Row;
}

// ---- Item lines -------------------------------------------------------------------

namespace {

bool isReadFieldCount(std::size_t Count) {
  for (int Accepted : ItemLineFieldCounts)
    if (Count == static_cast<std::size_t>(Accepted))
      return true;
  return false;
}

/// The most fields an item line is read with.
constexpr std::size_t MaxItemFields = ParsedItemLine::MaxFields;

/// An item line cut at its commas.
struct CutLine {
  std::size_t FieldCount = 0;
  bool HasBlank = false; ///< some byte of the line is below 0x21
};

/// Cuts \p Line at its commas into \p Field (the first MaxItemFields fields
/// kept) in one pass over its bytes, and tells whether it holds a blank.
/// Sixteen bytes are looked at in one step and each comma is found from the
/// block's mask: an item line has a comma every few bytes, too close
/// together for a search per field to pay for its call.
CutLine cutItemLine(std::string_view Line, std::array<std::string_view, MaxItemFields>& Field) {
  using platform::ByteBlock;
  const char* const Data = Line.data();
  CutLine Cut;
  std::size_t Start = 0;
  std::uint32_t Blanks = 0;
  auto cutBlock = [&](const ByteBlock& Block, std::size_t At) {
    Blanks |= Block.below(0x21);
    for (std::uint32_t Found = Block.equalTo(FieldSeparator); Found != 0; Found &= Found - 1) {
      const std::size_t Comma = At + platform::lowestBit(Found);
      if (Cut.FieldCount < MaxItemFields)
        Field[Cut.FieldCount] = std::string_view(Data + Start, Comma - Start);
      ++Cut.FieldCount;
      Start = Comma + 1;
    }
  };
  std::size_t At = 0;
  for (; At + ByteBlock::Size <= Line.size(); At += ByteBlock::Size)
    cutBlock(ByteBlock(Data + At), At);
  // The last bytes are padded with a byte that is neither a comma nor a blank.
  if (At < Line.size())
    cutBlock(ByteBlock(Data + At, Line.size() - At, 'x'), At);
  Cut.HasBlank = Blanks != 0;
  if (Cut.FieldCount < MaxItemFields)
    Field[Cut.FieldCount] = Line.substr(Start);
  ++Cut.FieldCount;
  return Cut;
}

/// Reads a full item line into \p Item (every field set afresh); false as
/// parseItemLine's empty result.
bool readFullItemLine(std::string_view Line, ParsedItemLine& Item) {
  std::array<std::string_view, MaxItemFields>& Field = Item.Fields;
  const CutLine Cut = cutItemLine(Line, Field);
  const std::size_t FieldCount = Cut.FieldCount;
  if (!isReadFieldCount(FieldCount))
    return false;

  // A line without blanks (nearly every one) has each name field as its
  // word: the line is tested once instead of each field.
  const bool NoBlank = !Cut.HasBlank;
  auto Name = [&](std::size_t I, std::string_view& Out) {
    Out = NoBlank ? Field[I] : firstWord(Field[I]);
  };
  auto Number = [&](std::size_t I) { return leadingInt(Field[I]); };

  Item.FieldCount = static_cast<int>(FieldCount);
  Name(0, Item.Key);
  Item.OutputAsRead = Number(1);
  Item.DisplayModeAsRead = Number(2);
  Item.Output = mapOutput(Item.OutputAsRead);
  Item.DisplayMode = mapDisplayMode(Item.DisplayModeAsRead);
  Item.ParameterX = Number(3);
  Item.ParameterY = Number(4);
  Item.ParameterZ = Number(5);
  Item.FaceNumber = Number(6);
  Name(7, Item.ClippingName);
  Name(8, Item.ViewField);
  Name(9, Item.ObjectName);
  Name(10, Item.CaptureName);
  Item.SlicingName = {};
  if (FieldCount >= 12)
    Name(11, Item.SlicingName);
  Item.AirTrap = 0;
  Item.WeldLine = 0;
  if (FieldCount >= 14) {
    Item.AirTrap = Number(12);
    Item.WeldLine = Number(13);
  }
  Item.ItemCountOf1Page = 1;
  Item.ItemCountAsRead = 0;
  if (FieldCount >= 15) {
    Item.ItemCountAsRead = Number(14);
    Item.ItemCountOf1Page = Item.ItemCountAsRead == 0 ? 1 : Item.ItemCountAsRead;
  }
  Item.TagName = {};
  if (FieldCount >= 16)
    Name(15, Item.TagName);

  for (std::string_view Text : {Item.Key, Item.ClippingName, Item.ViewField, Item.ObjectName,
                                Item.CaptureName, Item.SlicingName, Item.TagName})
    if (!fitsNameLimit(Text))
      return false;
  return true;
}

std::optional<ParsedItemLine> parseFullItemLine(std::string_view Line) {
  ParsedItemLine Item;
  if (!readFullItemLine(Line, Item))
    return std::nullopt;
  return Item;
}

std::optional<ParsedItemLine> parseShortItemLine(std::string_view Line) {
  LineScanner Scanner(Line, true);
  std::string_view Key;
  if (!Scanner.readWord(Key))
    return std::nullopt;
  ParsedItemLine Item;
  Item.Key = Key;
  if (!fitsNameLimit(Item.Key))
    return std::nullopt;
  std::array<int, 6> Numbers{};
  for (int& Value : Numbers)
    if (!Scanner.readInt(Value))
      break;
  Item.Output = mapOutput(Numbers[0]);
  Item.DisplayMode = mapDisplayMode(Numbers[1]);
  Item.ParameterX = Numbers[2];
  Item.ParameterY = Numbers[3];
  Item.ParameterZ = Numbers[4];
  Item.FaceNumber = Numbers[5];
  return Item;
}

} // namespace

std::optional<ParsedItemLine> parseItemLine(std::string_view Line, int FileVersion) {
  std::optional<ParsedItemLine> Item;
  switch (itemLineFormOf(FileVersion)) {
  case ItemLineForm::Full:
    Item = parseFullItemLine(Line);
    break;
  case ItemLineForm::KeyAndSixNumbers:
    Item = parseShortItemLine(Line);
    break;
  case ItemLineForm::None:
    break;
  }
  if (Item && Item->Key.empty())
    return std::nullopt;
  return Item;
}

bool parseItemLine(std::string_view Line, int FileVersion, ParsedItemLine& Item) {
  if (itemLineFormOf(FileVersion) == ItemLineForm::Full)
    return readFullItemLine(Line, Item) && !Item.Key.empty();
  std::optional<ParsedItemLine> Read = parseItemLine(Line, FileVersion);
  if (!Read)
    return false;
  Item = std::move(*Read);
  return true;
}

} // namespace zrv::format
