// FormatWrite.cpp - every line of a template file as the writer formats it:
// one pattern routine and one routine per kind of line, each writing either
// wide text (the format... functions) or the UTF-8 bytes of the file (the
// append... functions), so that both give the same line.
#include "template/Format.h"

#include "platform/Utf8.h"

#include <algorithm>
#include <cassert>
#include <iterator>

namespace zrv::format {

namespace {

// ---- Where a line goes ----------------------------------------------------------------

/// A line built as wide text.
class WideSink {
public:
  explicit WideSink(std::wstring& Text) : Line(Text) {}
  void ascii(std::string_view Bytes) {
    for (char C : Bytes)
      Line += static_cast<wchar_t>(static_cast<unsigned char>(C));
  }
  void text(std::wstring_view Text) { Line.append(Text); }
  void name(std::wstring_view Name) {
    const std::size_t Start = Line.size();
    Line.append(Name);
    std::replace(Line.begin() + static_cast<std::ptrdiff_t>(Start), Line.end(), L' ',
                 NameBlankReplacement);
  }
  void integer(int Value) { ascii(formatInt(Value)); }
  void lg(double Value) { ascii(formatLg(Value)); }
  void fixed0(double Value) { ascii(formatFixed0(Value)); }

private:
  std::wstring& Line;
};

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

/// Formats \p Pattern into \p Out: each directive takes the next of the
/// \p Count values that \p ValueAt gives by index (formatLine's rules).
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
    LineValue::Kind Wanted = LineValue::Kind::Text;
    bool Fixed0 = false;
    if (Left >= 1 && Letters[0] == 's') {
      Length = 2;
    } else if (Left >= 1 && Letters[0] == 'd') {
      Length = 2;
      Wanted = LineValue::Kind::Int;
    } else if (Left >= 2 && Letters[0] == 'l' && Letters[1] == 'g') {
      Length = 3;
      Wanted = LineValue::Kind::Real;
    } else if (Left >= 3 && Letters[0] == '.' && Letters[1] == '0' && Letters[2] == 'f') {
      Length = 4;
      Wanted = LineValue::Kind::Real;
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
    const bool KindFits =
        V.kind() == Wanted || (Wanted == LineValue::Kind::Real && V.kind() == LineValue::Kind::Int);
    if (!KindFits) {
      assert(!"line value of the wrong kind for its directive");
      continue;
    }
    switch (Wanted) {
    case LineValue::Kind::Text:
      putText(Out, V);
      break;
    case LineValue::Kind::Int:
      Out.integer(V.intValue());
      break;
    case LineValue::Kind::Real:
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

/// Runs \p Put on a wide line and returns it.
template <typename Put> std::wstring wideLine(Put&& Build) {
  std::wstring Line;
  WideSink Out(Line);
  Build(Out);
  return Line;
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
  const auto Kind = kindOf(R);
  const std::size_t Count = std::size(Kind.Fields);
  putLine(Out, layoutOf(Kind.Id).DataPattern, Count + 1, [&](std::size_t I) {
    if (I == 0)
      return LineValue::writtenName(Name);
    const RecordField<Record>& Field = Kind.Fields[I - 1];
    return Field.Int ? LineValue(static_cast<int>(R.*Field.Int)) : LineValue(R.*Field.Real);
  });
}

/// The used percentages of a melt-front record (formatPercentages).
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

// ---- Wide lines -------------------------------------------------------------------------

std::wstring formatLine(std::string_view Pattern, std::initializer_list<LineValue> Values) {
  return wideLine([&](WideSink& Out) { putLine(Out, Pattern, Values); });
}

std::wstring writtenName(std::wstring_view Name) {
  return wideLine([&](WideSink& Out) { Out.name(Name); });
}

std::wstring formatHeaderLine(HeaderField Field, int Number, std::wstring_view Text) {
  return wideLine([&](WideSink& Out) {
    putKeyLine(Out, HeaderRows[static_cast<std::size_t>(Field)], Number, Text);
  });
}

std::wstring formatInfoLine(InfoField Field, int Number, std::wstring_view Text) {
  return wideLine([&](WideSink& Out) {
    putKeyLine(Out, InfoRows[static_cast<std::size_t>(Field)], Number, Text);
  });
}

std::wstring formatTagLine(Section Id) { return widen(tagOf(Id)); }

std::wstring formatLabelLine(Section Id) { return widen(layoutOf(Id).Label); }

namespace {
template <typename Record> std::wstring formatSetting(std::wstring_view Name, const Record& R) {
  return wideLine([&](WideSink& Out) { putSetting(Out, Name, R); });
}
} // namespace

std::wstring formatViewLine(std::wstring_view Name, const ViewRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatClippingLine(std::wstring_view Name, const ClipRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatSlicingLine(std::wstring_view Name, const SliceRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatObjectLine(std::wstring_view Name, const ObjectRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatFocusCaptureLine(std::wstring_view Name, const CaptureRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatMeltLine(std::wstring_view Name, const MeltRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatAnimationLine(std::wstring_view Name, const AnimationRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatImageLine(std::wstring_view Name, const ImageRecord& R) {
  return formatSetting(Name, R);
}

std::wstring formatPercentages(const MeltRecord& R) {
  return wideLine([&](WideSink& Out) { putText(Out, percentages(R)); });
}

std::optional<std::wstring> formatResultExRow(std::size_t Position, int Output,
                                              std::wstring_view Setting, double WarpageScale) {
  std::wstring Line;
  WideSink Out(Line);
  if (!putResultExRow(Out, Position, Output, Setting, WarpageScale))
    return std::nullopt;
  return Line;
}

std::wstring formatViewList(const std::vector<std::wstring>& Names) {
  return wideLine(
      [&](WideSink& Out) { putText(Out, LineValue::viewList(Names.data(), Names.size())); });
}

std::size_t viewListLength(const std::wstring* First, std::size_t Count) {
  std::size_t Length = Count;
  for (std::size_t I = 0; I < Count; ++I)
    Length += First[I].size();
  return Length;
}

std::wstring formatItemLine(const ItemLineRecord& Item, std::wstring_view ProjectViewName,
                            std::wstring_view ProjectSettingName) {
  return wideLine(
      [&](WideSink& Out) { putItemLine(Out, Item, ProjectViewName, ProjectSettingName); });
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
