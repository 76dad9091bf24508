// FormatWrite.cpp - every line of a template file as the writer formats it:
// one pattern routine and one routine per kind of line, each appending the
// UTF-8 bytes of the file to a buffer.
#include "template/Format.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <type_traits>
#include <utility>

namespace zrv::format {

namespace {

// ---- The values of a line ------------------------------------------------------------

/// Reals written each as "%.0f", joined by a separator (the percentages of a
/// melt-front record).
struct WholeNumbers {
  const double* First = nullptr;
  std::size_t Count = 0;
  char Separator = '\0';
};

/// Field 9 of an item line, names held as \p Name: the several views, each
/// followed by ViewListSeparator, as stored; without them the single view
/// with its blanks as NameBlankReplacement; without that NoSetting.
template <typename Name> struct ViewColumn {
  NameSpanOf<Name> Many;
  const Name* Single = nullptr;
};

template <typename Value> struct IsViewColumn : std::false_type {};
template <typename Name> struct IsViewColumn<ViewColumn<Name>> : std::true_type {};

// ---- Where a line goes ----------------------------------------------------------------

/// A line appended to a buffer as UTF-8 bytes, each piece written in place
/// into the buffer's room. The sink keeps its own place in the room, so that
/// writing a byte neither reads nor updates the buffer; what was written
/// becomes the buffer's content when the sink goes. When \p CheckRoom is
/// false the room for the whole line is made when the sink is made (the
/// caller knows its bound) and no piece checks it again.
template <bool CheckRoom> class Utf8SinkOf {
public:
  explicit Utf8SinkOf(ByteBuffer& Buffer, std::size_t LineRoom = 0) : Bytes(Buffer) {
    refill(LineRoom);
  }
  Utf8SinkOf(const Utf8SinkOf&) = delete;
  Utf8SinkOf& operator=(const Utf8SinkOf&) = delete;
  ~Utf8SinkOf() { Bytes.commit(At); }

  void ascii(std::string_view Text) { copy(Text); }
  void ascii(char Byte) {
    *room(1) = Byte;
    ++At;
  }
  void text(std::wstring_view Text) { put<false>(Text); }
  void name(std::wstring_view Name) { put<true>(Name); }
  /// An encoded name, copied in blocks of NamePadding bytes: the room takes
  /// what a block writes past the name, and the next piece writes over it.
  void text(const EncodedName& Text) {
    constexpr std::size_t Block = EncodedName::NamePadding;
    const std::size_t Size = Text.Bytes.size();
    char* Out = room(Size + Block);
    for (std::size_t I = 0; I < Size; I += Block)
      std::memcpy(Out + I, Text.Bytes.data() + I, Block);
    At = Out + Size;
  }
  /// An encoded name with its blanks replaced in the bytes (see put).
  void name(const EncodedName& Name) {
    const std::string_view In = Name.Bytes;
    At = std::replace_copy(In.begin(), In.end(), room(In.size()), ' ',
                           static_cast<char>(NameBlankReplacement));
  }
  /// A name in the kept form of the setting libraries
  /// (platform::WideToKept): ASCII bytes copied with their blanks replaced,
  /// any other name widened and written as name() writes it.
  void keptName(std::string_view Kept) {
    if (platform::IsAscii(Kept)) {
      At = std::replace_copy(Kept.begin(), Kept.end(), room(Kept.size()), ' ',
                             static_cast<char>(NameBlankReplacement));
      return;
    }
    name(platform::KeptToWide(Kept));
  }
  void text(const EncodedName* Text) { text(*Text); }
  void name(const EncodedName* Name) { name(*Name); }
  void integer(int Value) {
    // Most integers of a template are flags and counts of one or two digits.
    const auto Digits = static_cast<unsigned>(Value);
    if (Digits < 10) {
      ascii(static_cast<char>('0' + Digits));
    } else if (Digits < 100) {
      char* Out = room(2);
      Out[0] = static_cast<char>('0' + Digits / 10);
      Out[1] = static_cast<char>('0' + Digits % 10);
      At = Out + 2;
    } else {
      number(IntRoom, Value, writeInt);
    }
  }
  void lg(double Value) {
    // Most reals of a template are whole numbers: written here as the
    // integers they are, without the call.
    if (isPlainWholeNumber(Value, LgWholeLimit))
      integer(static_cast<int>(Value));
    else
      number(LgRoom, Value, writeLg);
  }
  void fixed0(double Value) {
    // Most reals are short: the full room only when they do not fit.
    if (isPlainWholeNumber(Value, Fixed0WholeLimit))
      integer(static_cast<int>(Value));
    else
      number(LgRoom, Value, writeFixed0) || number(Fixed0Room, Value, writeFixed0);
  }

private:
  /// Writes \p Text, with every blank as NameBlankReplacement when
  /// \p BlanksAsMark. Names are ASCII nearly always: they are narrowed in one
  /// pass that also notes whether any character was not ASCII, and only such
  /// a text is encoded again as UTF-8. (A blank is the byte 0x20 in UTF-8 and
  /// no other character's bytes hold it, so blanks can be replaced in the
  /// bytes.)
  template <bool BlanksAsMark> void put(std::wstring_view Text) {
    const std::size_t Size = Text.size();
    char* First = room(platform::Utf8Room * Size);
    if (narrowAscii<BlanksAsMark>(First, Text)) {
      At = First + Size;
      return;
    }
    At = platform::EncodeUtf8(First, Text);
    if (BlanksAsMark)
      std::replace(First, At, ' ', static_cast<char>(NameBlankReplacement));
  }

  /// At least \p Count bytes of room from At on.
  char* room(std::size_t Count) {
    if constexpr (CheckRoom) {
      if (static_cast<std::size_t>(Limit - At) < Count)
        refill(Count);
    } else {
      assert(static_cast<std::size_t>(Limit - At) >= Count && "the line's room was too small");
    }
    return At;
  }
  /// Makes what was written content, and room for \p Count bytes more.
  void refill(std::size_t Count) {
    if (At)
      Bytes.commit(At);
    At = Bytes.room(Count);
    Limit = At + Bytes.spare();
  }

  /// Copies \p Text as it stands.
  void copy(std::string_view Text) { At = ByteBuffer::copyPiece(room(Text.size()), Text); }

  /// The byte of the ASCII character \p C, a blank as NameBlankReplacement
  /// when \p BlanksAsMark.
  template <bool BlanksAsMark> static char asciiByte(std::uint32_t C) {
    return BlanksAsMark && C == ' ' ? static_cast<char>(NameBlankReplacement)
                                    : static_cast<char>(C);
  }

  /// Writes the bytes of \p Text at \p Out when all its characters are
  /// ASCII; false (and \p Out left undefined) when one is not. Eight
  /// characters at a time go to the buffer as one word, their blanks
  /// replaced in the word.
  template <bool BlanksAsMark> static bool narrowAscii(char* Out, std::wstring_view Text) {
    constexpr std::size_t Block = sizeof(std::uint64_t);
    const wchar_t* In = Text.data();
    const std::size_t Size = Text.size();
    std::size_t I = 0;
    for (; I + Block <= Size; I += Block) {
      std::uint32_t Seen = 0;
      char Bytes[Block];
      for (std::size_t K = 0; K < Block; ++K) {
        const auto C = static_cast<std::uint32_t>(In[I + K]);
        Seen |= C;
        Bytes[K] = static_cast<char>(C);
      }
      if (Seen >= 0x80)
        return false;
      std::uint64_t Word;
      std::memcpy(&Word, Bytes, Block);
      if (BlanksAsMark)
        Word = marksForBlanks(Word);
      std::memcpy(Out + I, &Word, Block);
    }
    for (; I < Size; ++I) {
      const auto C = static_cast<std::uint32_t>(In[I]);
      if (C >= 0x80)
        return false;
      Out[I] = asciiByte<BlanksAsMark>(C);
    }
    return true;
  }

  /// \p Word, eight ASCII bytes, with every blank made NameBlankReplacement.
  static std::uint64_t marksForBlanks(std::uint64_t Word) {
    constexpr std::uint64_t Ones = 0x0101010101010101u;
    constexpr std::uint64_t Low7 = 0x7F7F7F7F7F7F7F7Fu;
    // A byte of Other is 0 where Word holds a blank; adding 0x7F to its low
    // seven bits sets the high bit of every other byte (ASCII bytes carry
    // no high bit and no carry crosses a byte).
    const std::uint64_t Other = Word ^ (Ones * ' ');
    const std::uint64_t Blanks = ~(((Other & Low7) + Low7) | Other) & (Ones << 7);
    return Word + (Blanks >> 7) * static_cast<std::uint64_t>(NameBlankReplacement - L' ');
  }

  template <typename Number, typename Writer>
  bool number(std::size_t Size, Number Value, Writer Write) {
    char* First = room(Size);
    char* End = Write(First, First + Size, Value);
    if (End)
      At = End;
    return End != nullptr;
  }

  ByteBuffer& Bytes;
  char* At = nullptr;    ///< where the next byte goes
  char* Limit = nullptr; ///< the end of the room
};

/// A sink that checks its room for each piece.
using Utf8Sink = Utf8SinkOf<true>;

// ---- The pattern routine ------------------------------------------------------------

template <typename Sink> void putValue(Sink& Out, const WholeNumbers& Value) {
  for (std::size_t I = 0; I < Value.Count; ++I) {
    if (I > 0)
      Out.ascii(Value.Separator);
    Out.fixed0(Value.First[I]);
  }
}

template <typename Sink, typename Name> void putValue(Sink& Out, const ViewColumn<Name>& Value) {
  if (!Value.Many.empty()) {
    for (const Name& Each : Value.Many) {
      Out.text(Each);
      Out.ascii(static_cast<char>(ViewListSeparator));
    }
  } else if (Value.Single) {
    Out.name(*Value.Single);
  } else {
    Out.text(std::wstring_view(NoSetting));
  }
}

/// A line pattern taken apart when the library is compiled: each directive
/// with the literal text before it, and the literal text after the last one.
/// Every line is written from the steps of its pattern (putFixedLine), so no
/// pattern is read again while a file is written.
class PatternSteps {
public:
  /// The directives of a line pattern.
  enum class Directive { Text, Int, Lg, Fixed0 };
  struct Step {
    std::string_view Literal; ///< the text before the directive, as it stands
    Directive Type = Directive::Text;
  };
  /// The most directives a pattern of the layout tables holds (an item line
  /// has 15).
  static constexpr std::size_t MaxSteps = 16;

  constexpr PatternSteps() = default;
  /// Takes \p Pattern apart (the directives of a line pattern: "%s", "%d", "%lg", "%.0f";
  /// a '%' that starts none of them stands for itself). \p Pattern must stay
  /// alive with the steps.
  explicit constexpr PatternSteps(std::string_view Pattern) {
    std::size_t Pos = 0;
    std::size_t LiteralStart = 0;
    while (Pos < Pattern.size()) {
      if (Pattern[Pos] != '%') {
        ++Pos;
        continue;
      }
      const std::string_view Letters = Pattern.substr(Pos + 1);
      std::size_t Length = 0;
      Directive Type = Directive::Text;
      if (Letters.substr(0, 1) == "s") {
        Length = 2;
      } else if (Letters.substr(0, 1) == "d") {
        Length = 2;
        Type = Directive::Int;
      } else if (Letters.substr(0, 2) == "lg") {
        Length = 3;
        Type = Directive::Lg;
      } else if (Letters.substr(0, 3) == ".0f") {
        Length = 4;
        Type = Directive::Fixed0;
      } else {
        ++Pos; // the '%' stands for itself, as part of the literal text
        continue;
      }
      if (Count == MaxSteps) {
        assert(!"line pattern with more directives than PatternSteps holds");
        break;
      }
      Steps[Count++] = {Pattern.substr(LiteralStart, Pos - LiteralStart), Type};
      Pos += Length;
      LiteralStart = Pos;
    }
    Tail = Pattern.substr(std::min(LiteralStart, Pattern.size()));
  }

  constexpr const Step* begin() const { return Steps; }
  constexpr const Step* end() const { return Steps + Count; }
  constexpr std::size_t size() const { return Count; }
  constexpr std::string_view tail() const { return Tail; }

private:
  Step Steps[MaxSteps] = {};
  std::size_t Count = 0;
  std::string_view Tail;
};

/// Writes the literal text at \p At of \p Steps (a step's, or the tail when
/// \p At is the step count), known when the library is compiled.
template <const PatternSteps& Steps, std::size_t At, typename Sink>
void putFixedLiteral(Sink& Out) {
  constexpr std::string_view Literal = At < Steps.size() ? Steps.begin()[At].Literal : Steps.tail();
  if constexpr (Literal.size() == 1)
    Out.ascii(Literal.front());
  else if constexpr (!Literal.empty())
    Out.ascii(Literal);
}

/// A setting name, written with every blank as NameBlankReplacement
/// (writtenName).
struct WrittenName {
  std::wstring_view Text;
};
/// The same for a name in the kept form of the setting libraries.
struct WrittenKeptName {
  std::string_view Kept;
};

/// ASCII text of the layout tables (a key, a label), written as it stands or
/// enclosed in double quotes.
struct AsciiText {
  std::string_view Text;
  bool Quoted = false;
};

/// Step \p I of \p Steps written with its value \p V: the literal text
/// before the directive, then the value as the directive writes it. That
/// the value's type fits its directive is checked when the library is
/// compiled (text for "%s", an int for "%d", an int or
/// a double for "%lg" and "%.0f").
template <const PatternSteps& Steps, std::size_t I, typename Sink, typename Value>
void putFixedStep(Sink& Out, const Value& V) {
  using Directive = PatternSteps::Directive;
  constexpr PatternSteps::Step Step = Steps.begin()[I];
  putFixedLiteral<Steps, I>(Out);
  if constexpr (Step.Type == Directive::Text) {
    static_assert(std::is_same_v<Value, std::wstring_view> ||
                      std::is_same_v<Value, const EncodedName*> ||
                      std::is_same_v<Value, WrittenName> ||
                      std::is_same_v<Value, WrittenKeptName> || std::is_same_v<Value, AsciiText> ||
                      std::is_same_v<Value, WholeNumbers> || IsViewColumn<Value>::value,
                  "a text for a %s directive");
    if constexpr (std::is_same_v<Value, WholeNumbers> || IsViewColumn<Value>::value) {
      putValue(Out, V);
    } else if constexpr (std::is_same_v<Value, WrittenName>) {
      Out.name(V.Text);
    } else if constexpr (std::is_same_v<Value, WrittenKeptName>) {
      Out.keptName(V.Kept);
    } else if constexpr (std::is_same_v<Value, AsciiText>) {
      if (V.Quoted)
        Out.ascii('"');
      Out.ascii(V.Text);
      if (V.Quoted)
        Out.ascii('"');
    } else {
      Out.text(V);
    }
  } else if constexpr (Step.Type == Directive::Int) {
    static_assert(std::is_same_v<Value, int>, "an int for a %d directive");
    Out.integer(V);
  } else {
    static_assert(std::is_same_v<Value, int> || std::is_same_v<Value, double>,
                  "a number for a %lg or %.0f directive");
    if constexpr (Step.Type == Directive::Lg)
      Out.lg(V);
    else
      Out.fixed0(V);
  }
}

template <const PatternSteps& Steps, typename Sink, std::size_t... I, typename... Values>
void putFixedSteps(Sink& Out, std::index_sequence<I...>, const Values&... V) {
  (putFixedStep<Steps, I>(Out, V), ...);
}

/// Formats the line of \p Steps, a pattern known when the library is
/// compiled, with one value per directive: the steps are laid out in code
/// with no test of a value's kind left for run time.
template <const PatternSteps& Steps, typename Sink, typename... Values>
void putFixedLine(Sink& Out, const Values&... V) {
  static_assert(Steps.size() == sizeof...(Values), "one value per directive of the pattern");
  putFixedSteps<Steps>(Out, std::index_sequence_for<Values...>{}, V...);
  putFixedLiteral<Steps, sizeof...(Values)>(Out);
}

/// The steps of the item line, of the data pattern of section \p Id, of row
/// \p I of a table of key rows (HeaderRows, InfoRows) and of [ResultEx] row
/// \p I, taken apart when the library is compiled.
constexpr PatternSteps ItemSteps(ItemPattern);
template <Section Id>
constexpr PatternSteps DataSteps(Sections[static_cast<std::size_t>(Id)].DataPattern);
template <const auto& Rows, std::size_t I> constexpr PatternSteps KeyRowSteps(Rows[I].Pattern);
template <std::size_t I> constexpr PatternSteps ResultExSteps(ResultExRows[I].Pattern);

/// True when \p Steps hold a directive of type \p Type.
constexpr bool hasDirective(const PatternSteps& Steps, PatternSteps::Directive Type) {
  for (const PatternSteps::Step& Step : Steps)
    if (Step.Type == Type)
      return true;
  return false;
}

/// One writer per row of a table, indexed by the row's position: each writes
/// its row from its own steps.
template <typename Writer, template <std::size_t> typename WriterOf, std::size_t... I>
constexpr std::array<Writer, sizeof...(I)> writersOf(std::index_sequence<I...>) {
  return {{&WriterOf<I>::put...}};
}

// ---- [FileHeader] and [Info] ------------------------------------------------------------

/// A [FileHeader] or [Info] line of row \p I of \p Rows: the key with the
/// number, followed by the row's label in double quotes when it has one, or
/// with the text.
template <const auto& Rows> struct KeyRowWriter {
  template <std::size_t I> struct Row {
    static void put(Utf8Sink& Out, int Number, std::wstring_view Text) {
      constexpr KeyRowLayout Layout = Rows[I];
      constexpr const PatternSteps& Steps = KeyRowSteps<Rows, I>;
      if constexpr (Layout.Kind == ValueKind::Text)
        putFixedLine<Steps>(Out, Text);
      else if constexpr (std::string_view(Layout.Label).empty())
        putFixedLine<Steps>(Out, Number);
      else
        putFixedLine<Steps>(Out, Number, AsciiText{Layout.Label, true});
    }
  };
  using Put = void (*)(Utf8Sink&, int, std::wstring_view);
  static constexpr auto Writers = writersOf<Put, Row>(
      std::make_index_sequence<std::tuple_size_v<std::decay_t<decltype(Rows)>>>{});
};

// ---- Setting lines ------------------------------------------------------------------

/// An object of each kind of setting record, for kindOf when the library is
/// compiled (kindOf looks at the record's type only).
template <typename Record> const Record RecordSample{};

/// The value of field \p I of the record's kind (kindOf), as its line holds
/// it: an int or a double.
template <std::size_t I, typename Record> auto fieldValue(const Record& R) {
  constexpr RecordField<Record> Field = kindOf(RecordSample<Record>).Fields[I];
  if constexpr (Field.Int != nullptr)
    return static_cast<int>(R.*Field.Int);
  else
    return R.*Field.Real;
}

template <typename Sink, typename Named, typename Record, std::size_t... I>
void putSettingFields(Sink& Out, Named Name, const Record& R, std::index_sequence<I...>) {
  constexpr Section Id = kindOf(RecordSample<Record>).Id;
  putFixedLine<DataSteps<Id>>(Out, Name, fieldValue<I>(R)...);
}

/// A setting line: the name with blanks as '_', then the record's values in
/// the order of its kind's table.
template <typename Sink, typename Named, typename Record>
void putSetting(Sink& Out, Named Name, const Record& R) {
  constexpr std::size_t Count = std::size(kindOf(RecordSample<Record>).Fields);
  putSettingFields(Out, Name, R, std::make_index_sequence<Count>{});
}

/// The used percentages of a melt-front record (formatPercentages).
WholeNumbers percentages(const MeltRecord& R) {
  const int Count = std::clamp(R.Count, 0, MaxPercentages);
  return {R.Percentage, static_cast<std::size_t>(Count), PercentageSeparator};
}

template <typename Sink, typename Named>
void putSetting(Sink& Out, Named Name, const MeltRecord& R) {
  putFixedLine<DataSteps<Section::MeltFrontTimeCapture>>(Out, Name, percentages(R));
}

// ---- [ResultEx] ------------------------------------------------------------------------

/// [ResultEx] row \p I: the key, the output column (1 or 0) and the row's
/// value: nothing more, the warpage scale, or the setting name (the row's
/// replacement for an empty name).
template <std::size_t I> struct ResultExWriter {
  static void put(Utf8Sink& Out, int Column, std::wstring_view Setting, double WarpageScale) {
    constexpr ResultExRowLayout Row = ResultExRows[I];
    constexpr const PatternSteps& Steps = ResultExSteps<I>;
    constexpr AsciiText Key{Row.Key};
    if constexpr (static_cast<ResultExKey>(I) == ResultExKey::PDF3D)
      putFixedLine<Steps>(Out, Key, Column);
    else if constexpr (static_cast<ResultExKey>(I) == ResultExKey::WarpageScale)
      putFixedLine<Steps>(Out, Key, Column, WarpageScale);
    else if (Setting.empty())
      putFixedLine<Steps>(Out, Key, Column, AsciiText{Row.EmptySetting});
    else
      putFixedLine<Steps>(Out, Key, Column, Setting);
  }
};

// ---- Item lines -------------------------------------------------------------------------

/// The form a name is compared in: a wide name as it stands, an encoded one
/// by its kept form.
inline std::wstring_view comparedOf(std::wstring_view Name) { return Name; }
inline std::string_view comparedOf(const EncodedName* Name) { return Name->Kept; }

/// NoSetting as a name of the kind \p Name.
template <typename Name> Name noSettingName() {
  if constexpr (std::is_same_v<Name, const EncodedName*>) {
    static_assert(NoSetting[0] < 0x80 && NoSetting[1] == L'\0', "one ASCII character");
    static constexpr char Padded[EncodedName::NamePadding] = {static_cast<char>(NoSetting[0])};
    static constexpr EncodedName Encoded{std::string_view(Padded, 1), std::string_view(Padded, 1)};
    return &Encoded;
  } else {
    return NoSetting;
  }
}

/// An empty name written as "-".
template <typename Name> Name orNoSetting(const Name& Value) {
  return comparedOf(Value).empty() ? noSettingName<Name>() : Value;
}

/// The item line of \p I, whose names are wide (std::wstring_view) or
/// encoded (EncodedName); names are compared by their wide forms, or their
/// kept forms (equal exactly when the wide forms are) with the project's
/// names in that form.
template <typename Sink, typename Item, typename Compared>
void putItemLine(Sink& Out, const Item& I, Compared ProjectViewName, Compared ProjectSettingName) {
  using Name = std::decay_t<decltype(I.Key)>;
  const Compared ViewName = comparedOf(I.ViewName);
  const Compared ObjectName = comparedOf(I.ObjectName);
  ViewColumn<Name> View{I.ManyViewNames};
  if (I.ManyViewNames.empty() && !ViewName.empty() && ViewName != ProjectViewName)
    View.Single = &I.ViewName;
  const Name Object = (ObjectName.empty() || ObjectName == ProjectSettingName)
                          ? noSettingName<Name>()
                          : I.ObjectName;
  putFixedLine<ItemSteps>(Out, I.Key, I.Output, I.DisplayMode, I.ParameterX, I.ParameterY,
                          I.ParameterZ, I.FaceNumber, orNoSetting(I.ClippingName), View, Object,
                          orNoSetting(I.CaptureName), orNoSetting(I.SlicingName), I.AirTrap,
                          I.WeldLine, I.ItemCountOf1Page);
}

} // namespace

std::size_t viewListLength(NameSpanOf<const EncodedName*> Names) {
  std::size_t Length = Names.size();
  for (const EncodedName* Name : Names)
    Length += platform::KeptWideLength(Name->Kept);
  return Length;
}

std::size_t viewListKeptSize(NameSpanOf<const EncodedName*> Names) {
  std::size_t Size = Names.size();
  for (const EncodedName* Name : Names)
    Size += Name->Kept.size();
  return Size;
}

// ---- UTF-8 lines ------------------------------------------------------------------------

void appendHeaderLine(ByteBuffer& Out, HeaderField Field, int Number, std::wstring_view Text) {
  Utf8Sink Sink(Out);
  KeyRowWriter<HeaderRows>::Writers[static_cast<std::size_t>(Field)](Sink, Number, Text);
}

void appendInfoLine(ByteBuffer& Out, InfoField Field, int Number, std::wstring_view Text) {
  Utf8Sink Sink(Out);
  KeyRowWriter<InfoRows>::Writers[static_cast<std::size_t>(Field)](Sink, Number, Text);
}

namespace {

/// A setting line whose name \p Name (WrittenName or WrittenKeptName) takes
/// at most \p NameRoom bytes.
template <typename Named, typename Record>
void appendNamedSetting(ByteBuffer& Out, Named Name, std::size_t NameRoom, const Record& R) {
  if constexpr (std::is_same_v<Record, MeltRecord>) {
    Utf8Sink Sink(Out); // up to a hundred percentages of any length
    putSetting(Sink, Name, R);
  } else {
    // The most room the line's pieces ask for: the name, each value (an
    // integer or a "%lg" real), the pattern's literal text (less than the
    // pattern).
    constexpr auto Kind = kindOf(RecordSample<Record>);
    static_assert(!hasDirective(DataSteps<Kind.Id>, PatternSteps::Directive::Fixed0),
                  "a \"%.0f\" value may need more room than LgRoom");
    constexpr std::size_t Fixed =
        std::size(Kind.Fields) * std::max(IntRoom, LgRoom) +
        std::string_view(Sections[static_cast<std::size_t>(Kind.Id)].DataPattern).size();
    Utf8SinkOf<false> Sink(Out, Fixed + NameRoom);
    putSetting(Sink, Name, R);
  }
}

} // namespace

template <typename Record>
void appendSettingLine(ByteBuffer& Out, std::wstring_view Name, const Record& R) {
  appendNamedSetting(Out, WrittenName{Name}, platform::Utf8Room * Name.size(), R);
}

template <typename Record>
void appendKeptSettingLine(ByteBuffer& Out, std::string_view Kept, const Record& R) {
  // A kept name has a byte or more for each character, of which UTF-8 takes
  // at most Utf8Room.
  appendNamedSetting(Out, WrittenKeptName{Kept}, platform::Utf8Room * Kept.size(), R);
}

template void appendSettingLine(ByteBuffer&, std::wstring_view, const ViewRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const ClipRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const SliceRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const ObjectRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const CaptureRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const MeltRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const AnimationRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const ImageRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const ViewRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const ClipRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const SliceRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const ObjectRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const CaptureRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const MeltRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const AnimationRecord&);
template void appendKeptSettingLine(ByteBuffer&, std::string_view, const ImageRecord&);

bool appendResultExRow(ByteBuffer& Out, std::size_t Position, int Output, std::wstring_view Setting,
                       double WarpageScale) {
  using Put = void (*)(Utf8Sink&, int, std::wstring_view, double);
  static constexpr auto Writers =
      writersOf<Put, ResultExWriter>(std::make_index_sequence<ResultExRowCount>{});
  if (Position >= Writers.size())
    return false;
  Utf8Sink Sink(Out);
  Writers[Position](Sink, Output == 1 ? 1 : 0, Setting, WarpageScale);
  return true;
}

void appendItemLine(ByteBuffer& Out, const ItemLineView& Item, std::wstring_view ProjectViewName,
                    std::wstring_view ProjectSettingName) {
  Utf8Sink Sink(Out);
  putItemLine(Sink, Item, ProjectViewName, ProjectSettingName);
}

void appendItemLine(ByteBuffer& Out, const EncodedItemLine& Item, std::string_view ProjectViewKept,
                    std::string_view ProjectSettingKept) {
  // The most room the line's pieces ask for: the pattern's literal text
  // (less than the pattern), nine integers, six names or their "-" (one of
  // them written from its wide form), the several views and their
  // separators, and a block of padding for each name.
  constexpr std::size_t Fixed = std::string_view(ItemPattern).size() + 9 * IntRoom + 6 +
                                platform::Utf8Room + 6 * EncodedName::NamePadding;
  std::size_t Room = Fixed + Item.ManyViewNames.size() * (1 + EncodedName::NamePadding);
  for (const EncodedName* Name : {Item.Key, Item.ClippingName, Item.ViewName, Item.ObjectName,
                                  Item.CaptureName, Item.SlicingName})
    Room += Name->Bytes.size();
  for (const EncodedName* Name : Item.ManyViewNames)
    Room += Name->Bytes.size();
  Utf8SinkOf<false> Sink(Out, Room);
  putItemLine(Sink, Item, ProjectViewKept, ProjectSettingKept);
}

} // namespace zrv::format
