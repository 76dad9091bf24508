// FormatWrite.cpp - every line of a template file as the writer formats it:
// one pattern routine and one routine per kind of line, each appending the
// UTF-8 bytes of the file to a buffer.
#include "template/Format.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <iterator>

namespace zrv::format {

namespace {

// ---- The values of a line ------------------------------------------------------------

/// One value formatted into a line pattern.
class LineValue {
public:
  enum class ValueType { Int, Real, Text };
  /// How a text value is written.
  enum class TextForm {
    AsStored,     ///< as it stands
    BlanksAsMark, ///< every blank as NameBlankReplacement (a setting name)
    ViewList,     ///< several names, each followed by ViewListSeparator
    WholeNumbers  ///< several reals, each as "%.0f", joined by a separator
  };
  LineValue(int Number) : Type(ValueType::Int) { Value.Int = Number; }
  LineValue(double Number) : Type(ValueType::Real) { Value.Real = Number; }
  LineValue(std::wstring_view Text) : Type(ValueType::Text), Size(Text.size()) {
    Value.Chars = Text.data();
  }
  LineValue(const std::wstring& Text) : LineValue(std::wstring_view(Text)) {}
  LineValue(const wchar_t* Text) : LineValue(std::wstring_view(Text ? Text : L"")) {}

  /// A setting name written with every blank as '_'.
  static LineValue writtenName(std::wstring_view Name) {
    LineValue Result(Name);
    Result.Form = TextForm::BlanksAsMark;
    return Result;
  }
  /// The \p Count names from \p First, each followed by ';'.
  static LineValue viewList(const std::wstring* First, std::size_t Count) {
    LineValue Result(std::wstring_view{});
    Result.Form = TextForm::ViewList;
    Result.Value.Names = First;
    Result.Size = Count;
    return Result;
  }
  /// The \p Count reals from \p First, each "%.0f", joined by \p Separator.
  static LineValue wholeNumbers(const double* First, std::size_t Count, char Separator) {
    LineValue Result(std::wstring_view{});
    Result.Form = TextForm::WholeNumbers;
    Result.Value.Reals = First;
    Result.Size = Count;
    Result.ListSeparator = Separator;
    return Result;
  }

  ValueType type() const { return Type; }
  TextForm textForm() const { return Form; }
  int intValue() const { return Value.Int; }
  double realValue() const { return Type == ValueType::Int ? Value.Int : Value.Real; }
  /// The text of an AsStored or BlanksAsMark value.
  std::wstring_view textValue() const { return std::wstring_view(Value.Chars, Size); }
  /// The names of a ViewList value, the reals of a WholeNumbers value.
  const std::wstring* names() const { return Value.Names; }
  const double* reals() const { return Value.Reals; }
  std::size_t count() const { return Size; }
  char separator() const { return ListSeparator; }

private:
  // Kept small: a line's values are built for every line written.
  union Payload {
    int Int;
    double Real;
    const wchar_t* Chars;
    const std::wstring* Names;
    const double* Reals;
  };
  ValueType Type;
  TextForm Form = TextForm::AsStored;
  char ListSeparator = '\0';
  Payload Value{};
  std::size_t Size = 0;
};

// ---- Where a line goes ----------------------------------------------------------------

/// A line appended to a buffer as UTF-8 bytes, each piece written in place
/// into the buffer's room.
class Utf8Sink {
public:
  explicit Utf8Sink(ByteBuffer& Buffer) : Bytes(Buffer) {}

  void ascii(std::string_view Text) { Bytes.append(Text); }
  void text(std::wstring_view Text) {
    Bytes.commit(platform::EncodeUtf8(Bytes.room(platform::Utf8Room * Text.size()), Text));
  }
  void name(std::wstring_view Name) {
    // A blank is the byte 0x20 in UTF-8 and no other character's bytes hold
    // it, so the blanks are replaced in the bytes.
    char* First = Bytes.room(platform::Utf8Room * Name.size());
    char* Last = platform::EncodeUtf8(First, Name);
    std::replace(First, Last, ' ', static_cast<char>(NameBlankReplacement));
    Bytes.commit(Last);
  }
  void integer(int Value) { number(IntRoom, Value, writeInt); }
  void lg(double Value) { number(LgRoom, Value, writeLg); }
  void fixed0(double Value) {
    // Most reals are short: the full room only when they do not fit.
    number(LgRoom, Value, writeFixed0) || number(Fixed0Room, Value, writeFixed0);
  }

private:
  template <typename Number, typename Writer>
  bool number(std::size_t Size, Number Value, Writer Write) {
    char* First = Bytes.room(Size);
    char* End = Write(First, First + Size, Value);
    if (End)
      Bytes.commit(End);
    return End != nullptr;
  }

  ByteBuffer& Bytes;
};

// ---- The pattern routine ------------------------------------------------------------

template <typename Sink> void putText(Sink& Out, const LineValue& Value) {
  switch (Value.textForm()) {
  case LineValue::TextForm::AsStored:
    Out.text(Value.textValue());
    break;
  case LineValue::TextForm::BlanksAsMark:
    Out.name(Value.textValue());
    break;
  case LineValue::TextForm::ViewList: {
    const char Separator = static_cast<char>(ViewListSeparator);
    for (std::size_t I = 0; I < Value.count(); ++I) {
      Out.text(Value.names()[I]);
      Out.ascii(std::string_view(&Separator, 1));
    }
    break;
  }
  case LineValue::TextForm::WholeNumbers: {
    const char Separator = Value.separator();
    for (std::size_t I = 0; I < Value.count(); ++I) {
      if (I > 0)
        Out.ascii(std::string_view(&Separator, 1));
      Out.fixed0(Value.reals()[I]);
    }
    break;
  }
  }
}

/// Formats \p Pattern into \p Out: each directive ("%s" text, "%d" integer,
/// "%lg" and "%.0f" real) takes the next of the \p Count values that
/// \p ValueAt gives by index; every other character of the pattern stands for
/// itself. A directive whose value is missing or of another type (an integer
/// for a real directive is accepted) is a fault of the caller; it writes
/// nothing.
template <typename Sink, typename ValueAt>
void putLine(Sink& Out, std::string_view Pattern, std::size_t Count, ValueAt&& Value) {
  std::size_t Next = 0;
  std::size_t Pos = 0;
  while (Pos < Pattern.size()) {
    // The literal text up to the next directive (runs are a few characters).
    std::size_t Percent = Pos;
    while (Percent < Pattern.size() && Pattern[Percent] != '%')
      ++Percent;
    if (Percent > Pos)
      Out.ascii(Pattern.substr(Pos, Percent - Pos));
    if (Percent == Pattern.size())
      break;
    // The directive: its letters after the '%'.
    const char* Letters = Pattern.data() + Percent + 1;
    const std::size_t Left = Pattern.size() - Percent - 1;
    std::size_t Length = 0;
    LineValue::ValueType Wanted = LineValue::ValueType::Text;
    bool Fixed0 = false;
    if (Left >= 1 && Letters[0] == 's') {
      Length = 2;
    } else if (Left >= 1 && Letters[0] == 'd') {
      Length = 2;
      Wanted = LineValue::ValueType::Int;
    } else if (Left >= 2 && Letters[0] == 'l' && Letters[1] == 'g') {
      Length = 3;
      Wanted = LineValue::ValueType::Real;
    } else if (Left >= 3 && Letters[0] == '.' && Letters[1] == '0' && Letters[2] == 'f') {
      Length = 4;
      Wanted = LineValue::ValueType::Real;
      Fixed0 = true;
    } else {
      Out.ascii("%");
      Pos = Percent + 1;
      continue;
    }
    Pos = Percent + Length;
    if (Next == Count) {
      assert(!"line pattern has more directives than values");
      continue;
    }
    const auto& V = Value(Next++);
    const bool TypeFits = V.type() == Wanted || (Wanted == LineValue::ValueType::Real &&
                                                 V.type() == LineValue::ValueType::Int);
    if (!TypeFits) {
      assert(!"line value of the wrong type for its directive");
      continue;
    }
    switch (Wanted) {
    case LineValue::ValueType::Text:
      putText(Out, V);
      break;
    case LineValue::ValueType::Int:
      Out.integer(V.intValue());
      break;
    case LineValue::ValueType::Real:
      if (Fixed0)
        Out.fixed0(V.realValue());
      else
        Out.lg(V.realValue());
      break;
    }
  }
  assert(Next == Count && "line pattern has fewer directives than values");
}

template <typename Sink>
void putLine(Sink& Out, std::string_view Pattern, std::initializer_list<LineValue> Values) {
  putLine(Out, Pattern, Values.size(),
          [&](std::size_t I) -> const LineValue& { return Values.begin()[I]; });
}

// ---- [FileHeader] and [Info] ------------------------------------------------------------

/// A [FileHeader] or [Info] line: the row's pattern (the key literal in it)
/// with the number, followed by the row's label in double quotes when it has
/// one, or with the text.
template <typename Sink>
void putKeyLine(Sink& Out, const KeyRowLayout& Row, int Number, std::wstring_view Text) {
  if (Row.Kind == ValueKind::Text)
    return putLine(Out, Row.Pattern, {Text});
  if (*Row.Label == '\0')
    return putLine(Out, Row.Pattern, {Number});
  const std::wstring Quoted = L"\"" + widen(Row.Label) + L"\"";
  putLine(Out, Row.Pattern, {Number, Quoted});
}

// ---- Setting lines ------------------------------------------------------------------

/// A setting line: the name with blanks as '_', then the record's values in
/// the order of its kind's table.
template <typename Sink, typename Record>
void putSetting(Sink& Out, std::wstring_view Name, const Record& R) {
  const auto Setting = kindOf(R);
  const std::size_t Count = std::size(Setting.Fields);
  putLine(Out, layoutOf(Setting.Id).DataPattern, Count + 1, [&](std::size_t I) {
    if (I == 0)
      return LineValue::writtenName(Name);
    const RecordField<Record>& Field = Setting.Fields[I - 1];
    return Field.Int ? LineValue(static_cast<int>(R.*Field.Int)) : LineValue(R.*Field.Real);
  });
}

/// The used percentages of a melt-front record: Count taken within 0 to 100.
LineValue percentages(const MeltRecord& R) {
  const int Count = std::clamp(R.Count, 0, MaxPercentages);
  return LineValue::wholeNumbers(R.Percentage, static_cast<std::size_t>(Count),
                                 PercentageSeparator);
}

template <typename Sink> void putSetting(Sink& Out, std::wstring_view Name, const MeltRecord& R) {
  putLine(Out, layoutOf(Section::MeltFrontTimeCapture).DataPattern,
          {LineValue::writtenName(Name), percentages(R)});
}

// ---- [ResultEx] ------------------------------------------------------------------------

template <typename Sink>
bool putResultExRow(Sink& Out, std::size_t Position, int Output, std::wstring_view Setting,
                    double WarpageScale) {
  if (Position >= ResultExRows.size())
    return false;
  const ResultExRowLayout& Row = ResultExRows[Position];
  const std::wstring Key = widen(Row.Key);
  const int Column = Output == 1 ? 1 : 0;
  switch (static_cast<ResultExKey>(Position)) {
  case ResultExKey::PDF3D:
    putLine(Out, Row.Pattern, {Key, Column});
    break;
  case ResultExKey::WarpageScale:
    putLine(Out, Row.Pattern, {Key, Column, WarpageScale});
    break;
  default:
    if (Setting.empty())
      putLine(Out, Row.Pattern, {Key, Column, widen(Row.EmptySetting)});
    else
      putLine(Out, Row.Pattern, {Key, Column, Setting});
    break;
  }
  return true;
}

// ---- Item lines -------------------------------------------------------------------------

/// An empty name written as "-".
std::wstring_view orNoSetting(std::wstring_view Name) {
  return Name.empty() ? std::wstring_view(NoSetting) : Name;
}

template <typename Sink, typename Item>
void putItemLine(Sink& Out, const Item& I, std::wstring_view ProjectViewName,
                 std::wstring_view ProjectSettingName) {
  const std::wstring_view ViewName = I.ViewName;
  const std::wstring_view ObjectName = I.ObjectName;
  const LineValue View =
      !I.ManyViewNames.empty() ? LineValue::viewList(I.ManyViewNames.data(), I.ManyViewNames.size())
      : (ViewName.empty() || ViewName == ProjectViewName) ? LineValue(NoSetting)
                                                          : LineValue::writtenName(ViewName);
  const std::wstring_view Object = (ObjectName.empty() || ObjectName == ProjectSettingName)
                                       ? std::wstring_view(NoSetting)
                                       : ObjectName;
  putLine(Out, ItemPattern,
          {std::wstring_view(I.Key), I.Output, I.DisplayMode, I.ParameterX, I.ParameterY,
           I.ParameterZ, I.FaceNumber, orNoSetting(I.ClippingName), View, Object,
           orNoSetting(I.CaptureName), orNoSetting(I.SlicingName), I.AirTrap, I.WeldLine,
           I.ItemCountOf1Page});
}

} // namespace

std::size_t viewListLength(const std::wstring* First, std::size_t Count) {
  std::size_t Length = Count;
  for (std::size_t I = 0; I < Count; ++I)
    Length += First[I].size();
  return Length;
}

// ---- UTF-8 lines ------------------------------------------------------------------------

void appendHeaderLine(ByteBuffer& Out, HeaderField Field, int Number, std::wstring_view Text) {
  Utf8Sink Sink(Out);
  putKeyLine(Sink, HeaderRows[static_cast<std::size_t>(Field)], Number, Text);
}

void appendInfoLine(ByteBuffer& Out, InfoField Field, int Number, std::wstring_view Text) {
  Utf8Sink Sink(Out);
  putKeyLine(Sink, InfoRows[static_cast<std::size_t>(Field)], Number, Text);
}

template <typename Record>
void appendSettingLine(ByteBuffer& Out, std::wstring_view Name, const Record& R) {
  Utf8Sink Sink(Out);
  putSetting(Sink, Name, R);
}

template void appendSettingLine(ByteBuffer&, std::wstring_view, const ViewRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const ClipRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const SliceRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const ObjectRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const CaptureRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const MeltRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const AnimationRecord&);
template void appendSettingLine(ByteBuffer&, std::wstring_view, const ImageRecord&);

bool appendResultExRow(ByteBuffer& Out, std::size_t Position, int Output, std::wstring_view Setting,
                       double WarpageScale) {
  Utf8Sink Sink(Out);
  return putResultExRow(Sink, Position, Output, Setting, WarpageScale);
}

void appendItemLine(ByteBuffer& Out, const ItemLineView& Item, std::wstring_view ProjectViewName,
                    std::wstring_view ProjectSettingName) {
  Utf8Sink Sink(Out);
  putItemLine(Sink, Item, ProjectViewName, ProjectSettingName);
}

} // namespace zrv::format
