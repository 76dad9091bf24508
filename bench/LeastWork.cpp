// LeastWork.cpp - the least load and save of a template that the benchmarks
// measure the library's between (see LeastWork.h).
#include "LeastWork.h"

#include "platform/LineReader.h"
#include "platform/Platform.h"
#include "platform/Utf8.h"
#include "template/TemplateLayout.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <memory>

namespace zrvbench {
namespace {

using zrv::format::Section;
using zrv::format::SectionKind;

constexpr double PowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

/// Reads the numbers of a setting line after its name: runs of digits with at
/// most one '.', apart by anything else.
void readValues(std::string_view Text, LeastDocument::Setting& Out) {
  const char* At = Text.data();
  const char* End = At + Text.size();
  Out.Count = 0;
  while (At < End && Out.Count < LeastDocument::MostValues) {
    while (At < End && static_cast<unsigned>(*At - '0') >= 10 && *At != '.')
      ++At;
    std::uint64_t Digits = 0;
    int Count = 0, Decimals = -1;
    for (; At < End; ++At) {
      if (static_cast<unsigned>(*At - '0') < 10) {
        Digits = Digits * 10 + static_cast<unsigned>(*At - '0');
        ++Count;
        Decimals += Decimals >= 0;
      } else if (*At == '.' && Decimals < 0) {
        Decimals = 0;
      } else {
        break;
      }
    }
    if (Count == 0 || Count > 15)
      continue;
    Out.Values[Out.Count++] = Decimals > 0 ? static_cast<double>(Digits) / PowersOfTen[Decimals]
                                           : static_cast<double>(Digits);
  }
}

int readInt(std::string_view Text) {
  int Value = 0;
  std::size_t I = 0;
  while (I < Text.size() && Text[I] == ' ')
    ++I;
  for (; I < Text.size() && static_cast<unsigned>(Text[I] - '0') < 10 && I < 10; ++I)
    Value = Value * 10 + (Text[I] - '0');
  return Value;
}

/// The section whose tag starts \\p Line; Section::Count when none does.
Section sectionOf(std::string_view Line) {
  for (const zrv::format::SectionLayout& Row : zrv::format::Sections) {
    const std::string_view Tag = Row.Tag;
    if (Line.substr(0, Tag.size()) == Tag)
      return Row.Id;
  }
  return Section::Count;
}

constexpr auto index(Section Id) { return static_cast<std::size_t>(Id); }

char* putInt(char* At, long Value) { return std::to_chars(At, At + 24, Value).ptr; }

char* putName(char* At, const ByteNames& Names, std::uint32_t Id) {
  if (Id == ByteNames::NotFound) {
    *At = '-';
    return At + 1;
  }
  const std::string_view Name = Names[Id];
  std::memcpy(At, Name.data(), Name.size());
  return At + Name.size();
}

} // namespace

std::size_t LoadLeast(const std::wstring& Path, LeastDocument& Document) {
  Document = LeastDocument();
  Document.Names.resize(zrv::format::SectionCount);
  Document.Settings.resize(zrv::format::SectionCount);
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> File(zrv::platform::OpenFile(Path, "rb"),
                                                       &std::fclose);
  if (!File)
    return 0;
  std::fseek(File.get(), 0, SEEK_END);
  const long Size = std::ftell(File.get());
  std::fseek(File.get(), 0, SEEK_SET);
  // An item line is about a hundred bytes long and names two or three views.
  Document.Items.reserve(static_cast<std::size_t>(Size > 0 ? Size : 0) / 100);
  Document.Views.reserve(static_cast<std::size_t>(Size > 0 ? Size : 0) / 40);

  zrv::platform::LineReader Reader(File.get());
  std::u32string Decoded;
  SectionKind Kind = SectionKind::Header;
  std::size_t At = 0;
  bool LabelNext = false;
  std::string_view Line;
  while (Reader.readLine(Line)) {
    if (!zrv::platform::IsAscii(Line))
      Decoded = zrv::platform::DecodeUtf8(Line);
    while (!Line.empty() && (Line.back() == '\n' || Line.back() == '\r'))
      Line.remove_suffix(1);
    if (Line.empty())
      continue;
    if (Line[0] == '[') {
      const Section Id = sectionOf(Line);
      if (Id == Section::EndOfFile)
        break;
      if (Id != Section::Count) {
        Kind = zrv::format::layoutOf(Id).Kind;
        At = index(Id);
        LabelNext = *zrv::format::layoutOf(Id).Label != '\0';
        continue;
      }
    }
    if (LabelNext) {
      LabelNext = false;
      continue;
    }
    if (Kind == SectionKind::Setting || Kind == SectionKind::ResultEx) {
      const std::size_t Comma = Line.find(',');
      if (Comma == std::string_view::npos)
        continue;
      const std::uint32_t Id = Document.Names[At].intern(Line.substr(0, Comma));
      if (Id < Document.Settings[At].size())
        continue; // the first line of a name holds
      LeastDocument::Setting Record;
      readValues(Line.substr(Comma + 1), Record);
      Document.Settings[At].push_back(Record);
    } else if (Kind == SectionKind::Result) {
      std::string_view Fields[16];
      int Count = 0;
      for (std::size_t Start = 0; Count < 16;) {
        const std::size_t Comma = Line.find(',', Start);
        Fields[Count++] =
            Line.substr(Start, Comma == std::string_view::npos ? Comma : Comma - Start);
        if (Comma == std::string_view::npos)
          break;
        Start = Comma + 1;
      }
      if (Count < 15)
        continue;
      LeastDocument::Item Item;
      Item.Key = Document.Keys.intern(Fields[0]);
      constexpr int NumberFields[9] = {1, 2, 3, 4, 5, 6, 12, 13, 14};
      for (int I = 0; I < 9; ++I)
        Item.Numbers[I] = readInt(Fields[NumberFields[I]]);
      const auto& Names = Document.Names;
      Item.Settings[0] = Names[index(Section::ClippingSetting)].find(Fields[7]);
      Item.Settings[1] = Names[index(Section::ObjectSetting)].find(Fields[9]);
      Item.Settings[2] = Names[index(Section::FocusCapture)].find(Fields[10]);
      Item.Settings[3] = Names[index(Section::SlicingSetting)].find(Fields[11]);
      Item.ViewsAt = static_cast<std::uint32_t>(Document.Views.size());
      const std::string_view ViewField = Fields[8];
      for (std::size_t Start = 0; Start < ViewField.size();) {
        std::size_t End = ViewField.find(';', Start);
        if (End == std::string_view::npos)
          End = ViewField.size();
        Document.Views.push_back(
            Names[index(Section::ViewSetting)].find(ViewField.substr(Start, End - Start)));
        Start = End + 1;
      }
      Item.ViewCount = static_cast<std::uint32_t>(Document.Views.size()) - Item.ViewsAt;
      Document.Items.push_back(Item);
    }
  }
  return Document.Items.size();
}

std::string_view FormatLeast(const LeastDocument& Document, std::vector<char>& Buffer) {
  // Room for the longest form of every line: 24 bytes a number, the longest
  // name for every name.
  std::size_t Longest = Document.Keys.size() ? 0 : 1;
  for (std::uint32_t Id = 0; Id < Document.Keys.size(); ++Id)
    Longest = std::max(Longest, Document.Keys[Id].size());
  std::size_t Room = 0;
  for (const zrv::format::SectionLayout& Row : zrv::format::Sections)
    Room += std::strlen(Row.Tag) + std::strlen(Row.Label) + 4;
  for (std::size_t At = 0; At < Document.Settings.size(); ++At) {
    const ByteNames& Names = Document.Names[At];
    for (std::uint32_t Id = 0; Id < Names.size(); ++Id) {
      Room += Names[Id].size() + 2;
      Longest = std::max(Longest, Names[Id].size());
    }
    Room += Document.Settings[At].size() * 25 * LeastDocument::MostValues;
  }
  Room +=
      Document.Items.size() * (10 * 25 + 6 * (Longest + 1)) + Document.Views.size() * (Longest + 1);
  if (Buffer.size() < Room)
    Buffer.resize(Room);

  char* Out = Buffer.data();
  auto lineEnd = [&Out] {
    Out[0] = '\r';
    Out[1] = '\n';
    Out += 2;
  };
  for (std::size_t At = 0; At < Document.Settings.size(); ++At) {
    if (Document.Settings[At].empty())
      continue;
    for (const std::string_view Line :
         {zrv::format::Sections[At].Tag, zrv::format::Sections[At].Label}) {
      std::memcpy(Out, Line.data(), Line.size());
      Out += Line.size();
      lineEnd();
    }
    for (std::uint32_t Id = 0; Id < Document.Settings[At].size(); ++Id) {
      Out = putName(Out, Document.Names[At], Id);
      const LeastDocument::Setting& Record = Document.Settings[At][Id];
      for (int I = 0; I < Record.Count; ++I) {
        *Out++ = ',';
        const double Value = Record.Values[I];
        const auto Whole = static_cast<long>(Value);
        Out = static_cast<double>(Whole) == Value ? putInt(Out, Whole)
                                                  : std::to_chars(Out, Out + 24, Value).ptr;
      }
      lineEnd();
    }
  }
  const auto& Names = Document.Names;
  for (const LeastDocument::Item& Item : Document.Items) {
    Out = putName(Out, Document.Keys, Item.Key);
    for (int I = 0; I < 6; ++I) {
      *Out++ = ',';
      Out = putInt(Out, Item.Numbers[I]);
    }
    *Out++ = ',';
    Out = putName(Out, Names[index(Section::ClippingSetting)], Item.Settings[0]);
    *Out++ = ',';
    for (std::uint32_t V = 0; V < Item.ViewCount; ++V) {
      Out = putName(Out, Names[index(Section::ViewSetting)], Document.Views[Item.ViewsAt + V]);
      *Out++ = ';';
    }
    const Section Others[] = {Section::ObjectSetting, Section::FocusCapture,
                              Section::SlicingSetting};
    for (int I = 0; I < 3; ++I) {
      *Out++ = ',';
      Out = putName(Out, Names[index(Others[I])], Item.Settings[I + 1]);
    }
    for (int I = 6; I < 9; ++I) {
      *Out++ = ',';
      Out = putInt(Out, Item.Numbers[I]);
    }
    lineEnd();
  }
  return std::string_view(Buffer.data(), static_cast<std::size_t>(Out - Buffer.data()));
}

} // namespace zrvbench
