// ReadLinesTest.cpp - every line as the reader takes it apart: [FileHeader],
// the setting kinds and their value counts, melt-front percentages,
// [ResultEx] rows, and item lines of every form and version. Each parsed line
// is shown whole ("name: values", "-" for a line that gives nothing), so that
// a value read into the wrong field shows.
#include "template/Format.h"

#include "TestSupport.h"

#include <cstring>
#include <random>

using namespace zrv::format;

namespace {

std::string narrow(std::wstring_view Text) { return std::string(Text.begin(), Text.end()); }

/// The values joined by \p Separator.
template <typename... Values> std::string join(char Separator, const Values&... Items) {
  std::ostringstream Out;
  bool First = true;
  ((Out << (First ? "" : std::string(1, Separator)) << Items, First = false), ...);
  return Out.str();
}

// The record's values in file order, written out member by member.
std::string values(const ViewRecord& R) { return join(' ', R.AngleX, R.AngleY, R.AngleZ, R.Scale); }
std::string values(const ClipRecord& R) {
  return join(' ', R.ClipBy, R.KeepX, R.KeepY, R.KeepZ, R.RangeX, R.RangeY, R.RangeZ, R.Inverse);
}
std::string values(const SliceRecord& R) {
  return join(' ', R.SliceX, R.SliceY, R.SliceZ, R.RangeX, R.RangeY, R.RangeZ);
}
std::string values(const ObjectRecord& R) {
  return join(' ', R.ShowRunner, R.ShowPart, R.ShowPartInsert, R.ShowCoolChannel, R.ShowMoldbase,
              R.ShowMoldInsert, R.ShowMeltEntrance, R.ShowCoolantEntrance, R.ShowHeatingRod,
              R.ShowHotRunnerMetal);
}
std::string values(const MeltRecord& R) {
  std::ostringstream Out;
  for (int I = 0; I < R.Count; ++I)
    Out << (I ? " " : "") << R.Percentage[I];
  return Out.str();
}

template <typename Record> std::string shown(const std::optional<NamedSetting<Record>>& Parsed) {
  return Parsed ? narrow(Parsed->name()) + ": " + values(Parsed->Value) : "-";
}

std::string shown(const std::optional<ParsedResultExRow>& R) {
  return R ? join('|', static_cast<int>(R->Key), narrow(R->KeyText), R->Output, narrow(R->Setting),
                  R->WarpageScale)
           : "-";
}

std::string shown(const std::optional<ParsedItemLine>& L) {
  return L ? join('|', L->Key, L->Output, L->DisplayMode, L->ParameterX, L->ParameterY,
                  L->ParameterZ, L->FaceNumber, L->ClippingName, L->ViewField, L->ObjectName,
                  L->CaptureName, L->SlicingName, L->AirTrap, L->WeldLine, L->ItemCountOf1Page,
                  L->TagName, L->FieldCount)
           : "-";
}

/// A setting line of the record's kind as read, or nothing.
template <typename Record> std::optional<NamedSetting<Record>> parsed(std::string_view Line) {
  NamedSetting<Record> Setting;
  return readSettingLine(Line, Setting) ? std::optional(Setting) : std::nullopt;
}

} // namespace

TEST(ReadLines, HeaderLines) {
  auto Remark = [](const std::string& Line) {
    auto Parsed = parseHeaderLine(Line);
    EXPECT_TRUE(!Parsed || Parsed->Field == HeaderField::Remark);
    return Parsed ? Parsed->Text : std::wstring(L"<nothing>");
  };
  EXPECT_EQ(Remark("Remark,a, b\n"), L"a");
  EXPECT_EQ(Remark("Remark,\n"), L"<nothing>");
  EXPECT_EQ(Remark("Remark, x \n"), L" x "); // the value's own blanks come back
  EXPECT_EQ(Remark("Remark,a| b"), L"a |b"); // "||" marks are undone left to right
  EXPECT_EQ(Remark("Remark,Bericht \xc3\x9c\xff"), L"Bericht \u00dc\ufffd");
  EXPECT_EQ(Remark("Remark," + std::string(255, 'r')), std::wstring(255, L'r'));
  EXPECT_EQ(Remark("Remark," + std::string(256, 'r')), L"<nothing>");

  // The key is found by substring in the fixed order; the first match wins.
  auto is = [](HeaderField Field, int Number) {
    return join(' ', static_cast<int>(Field), Number);
  };
  auto field = [&](const char* Line) {
    auto Parsed = parseHeaderLine(Line);
    return Parsed ? is(Parsed->Field, Parsed->Number) : "-";
  };
  EXPECT_EQ(field("FileVersion,1001\n"), is(HeaderField::FileVersion, 1001));
  EXPECT_EQ(field("ProjectType,1,\"(0:Solid,1:Shell)\"\n"), is(HeaderField::ProjectType, 1));
  EXPECT_EQ(field("FileVersion,1000x"), is(HeaderField::FileVersion, 1000));
  EXPECT_EQ(field("ProjectName,x"), is(HeaderField::Name, 0));
  EXPECT_EQ(field("MyFileIDName,x"), is(HeaderField::FileID, 0));
  EXPECT_EQ(field("DateCreateBy,x"), is(HeaderField::Date, 0));
  EXPECT_EQ(field("Author,x"), "-");
}

TEST(ReadLines, ValueCountsOfEachSettingKind) {
  EXPECT_EQ(shown(parsed<ViewRecord>("Iso_Front,45,30,0,1.2\n")), "Iso_Front: 45 30 0 1.2");
  EXPECT_EQ(parsed<ViewRecord>("Iso_Front,45,30,0,1.2\n")->Value.Name, L""); // the name is apart
  EXPECT_EQ(shown(parsed<ViewRecord>("V,1,2,3")), "-");
  EXPECT_EQ(shown(parsed<ViewRecord>("V 1 2 3 4 5")), "V: 1 2 3 4");
  EXPECT_EQ(shown(parsed<ViewRecord>("V,1e1,-2,.5,4x")), "V: 10 -2 0.5 4");
  EXPECT_EQ(parsed<ViewRecord>("Ansicht_\xc3\x84,1,2,3,4")->name(), L"Ansicht_\u00c4");
  EXPECT_EQ(shown(parsed<ViewRecord>(std::string(256, 'n') + ",1,2,3,4")), "-");
  EXPECT_TRUE(parsed<ViewRecord>(std::string(255, 'n') + ",1,2,3,4"));

  EXPECT_EQ(shown(parsed<ClipRecord>("Half_X, 2, 1, 0, 1,10,20,30,1")),
            "Half_X: 2 1 0 1 10 20 30 1");
  EXPECT_EQ(shown(parsed<ClipRecord>("C, 2, 1, 0, 1,10,20,30")), "C: 2 1 0 1 10 20 30 0");
  EXPECT_EQ(shown(parsed<ClipRecord>("C, 2, 1, 0, 1,10,20")), "-");
  EXPECT_EQ(shown(parsed<ClipRecord>("C, 1.5, 1, 0, 1,10,20,30,1")), "-"); // stops after "1"

  // 3 to 5 values: the first three, the ranges stay 50.
  EXPECT_EQ(shown(parsed<SliceRecord>("Mid_Z, 0, 0, 1")), "Mid_Z: 0 0 1 50 50 50");
  EXPECT_EQ(shown(parsed<SliceRecord>("S, 1, 0, 0, 10, 20")), "S: 1 0 0 50 50 50");
  EXPECT_EQ(shown(parsed<SliceRecord>("S, 1, 0, 0, 10, 20, 30, 99")), "S: 1 0 0 10 20 30");
  EXPECT_EQ(shown(parsed<SliceRecord>("S, 1, 0")), "-");

  // 8 or 9 values: the first eight, the last two flags 0.
  EXPECT_EQ(shown(parsed<ObjectRecord>("O, 1, 2, 3, 4,5,6,7,8,9,10")), "O: 1 2 3 4 5 6 7 8 9 10");
  EXPECT_EQ(shown(parsed<ObjectRecord>("O, 1, 2, 3, 4,5,6,7,8,9")), "O: 1 2 3 4 5 6 7 8 0 0");
  EXPECT_EQ(shown(parsed<ObjectRecord>("O, 1, 2, 3, 4,5,6,7,8")), "O: 1 2 3 4 5 6 7 8 0 0");
  EXPECT_EQ(shown(parsed<ObjectRecord>("O, 1, 1, 1, 1,1,1,1")), "-");

  // Label lines give nothing.
  EXPECT_FALSE(parsed<ViewRecord>(layoutOf(Section::ViewSetting).Label));
  EXPECT_FALSE(parsed<ClipRecord>(layoutOf(Section::ClippingSetting).Label));
  EXPECT_FALSE(parsed<SliceRecord>(layoutOf(Section::SlicingSetting).Label));
}

namespace {

/// The values of a setting record as its kind's table lists them.
template <typename Record> std::vector<double> fieldValues(const Record& R) {
  std::vector<double> Out;
  for (const RecordField<Record>& Field : kindOf(R).Fields)
    Out.push_back(Field.Int ? R.*Field.Int : R.*Field.Real);
  return Out;
}

/// Reads random lines of values, separators and oddities as they stand and
/// with a leading blank, which always takes the scanner: both give the same
/// name and the same bits of every value.
template <typename Record> void expectPlainLinesReadAsScanned(std::mt19937& Random) {
  const char* const Values[] = {"0",
                                "7",
                                "12",
                                "123456789",
                                "1234567890",
                                "9999999999",
                                "00012",
                                "1.5",
                                "2.",
                                "3.25",
                                "9e2",
                                "1E-3",
                                ".5",
                                "-4",
                                "+4",
                                "inf",
                                "0x10",
                                "12ab",
                                "1.5.3",
                                "123456789012345",
                                "1234567890123456",
                                "0.000000000000001"};
  const char* const Gaps[] = {",", ", ", " ,", ",,", " ", "\t", ", \t", ""};
  const char* const Ends[] = {"", " ", ",", "\r", "\n", "e"};
  const auto pick = [&](const auto& From) {
    return From[std::uniform_int_distribution<std::size_t>(0, std::size(From) - 1)(Random)];
  };
  for (int Round = 0; Round < 4000; ++Round) {
    std::string Line = Round % 7 == 0 ? "N\xc3\x84" : "Name_1";
    const int Count = std::uniform_int_distribution<int>(0, 11)(Random);
    for (int I = 0; I < Count; ++I)
      Line += std::string(Round % 3 == 0 ? pick(Gaps) : ",") + (Round % 2 ? pick(Values) : "5");
    Line += pick(Ends);
    const std::string Spaced = " " + Line; // a setting read refers to its line's bytes
    const auto Plain = parsed<Record>(Line);
    const auto Scanned = parsed<Record>(Spaced);
    ASSERT_EQ(Plain.has_value(), Scanned.has_value()) << Line;
    if (!Plain)
      continue;
    EXPECT_EQ(Plain->name(), Scanned->name()) << Line;
    const std::vector<double> A = fieldValues(Plain->Value), B = fieldValues(Scanned->Value);
    EXPECT_EQ(std::memcmp(A.data(), B.data(), A.size() * sizeof(double)), 0) << Line;
  }
}

} // namespace

TEST(ReadLines, PlainSettingLinesReadAsTheScannerReadsThem) {
  std::mt19937 Random(11);
  expectPlainLinesReadAsScanned<ViewRecord>(Random);
  expectPlainLinesReadAsScanned<ClipRecord>(Random);
  expectPlainLinesReadAsScanned<SliceRecord>(Random);
  expectPlainLinesReadAsScanned<ObjectRecord>(Random);
  expectPlainLinesReadAsScanned<CaptureRecord>(Random);
  expectPlainLinesReadAsScanned<AnimationRecord>(Random);
  expectPlainLinesReadAsScanned<ImageRecord>(Random);
}

TEST(ReadLines, MeltFrontLines) {
  EXPECT_EQ(shown(parsed<MeltRecord>("Quarters,25-50-75-100 \n")), "Quarters: 25 50 75 100");
  EXPECT_EQ(shown(parsed<MeltRecord>("One,40")), "One: 40");
  EXPECT_EQ(shown(parsed<MeltRecord>("Solo \n")), "-");
  EXPECT_EQ(shown(parsed<MeltRecord>(" Lead,5")), "-"); // a line starting with a blank has no name
  // The label line parses like data; the reader skips it by its position.
  EXPECT_EQ(parsed<MeltRecord>(layoutOf(Section::MeltFrontTimeCapture).Label)->name(), L"Settings");
  EXPECT_EQ(shown(parsed<MeltRecord>("A, 10 - x-25-")), "A: 10 0 25 0"); // not a number: 0
  EXPECT_EQ(shown(parsed<MeltRecord>("B,12.5-5.-0.25--1e1-+3")), "B: 12.5 5 0.25 0 10 3");
  EXPECT_EQ(shown(parsed<MeltRecord>("C,7-0.1234567890123-99")), "C: 7 0.123457 99");
  EXPECT_EQ(parsed<MeltRecord>("C,7-0.1234567890123-99")->Value.Percentage[1], 0.1234567890123);
  EXPECT_EQ(parsed<MeltRecord>("D,0.12345678901234567")->Value.Percentage[0], 0.12345678901234567);

  std::string Many = "M,";
  for (int I = 1; I <= 150; ++I)
    Many += std::to_string(I) + (I < 150 ? "-" : "");
  auto Cut = parsed<MeltRecord>(Many);
  ASSERT_TRUE(Cut);
  EXPECT_EQ(Cut->Value.Count, MaxPercentages);
  EXPECT_EQ(Cut->Value.Percentage[99], 100.0);
}

TEST(ReadLines, ResultExRows) {
  EXPECT_EQ(shown(parseResultExRow("Flow-MeltFrontTime, 1, Quarters \n")),
            "0|Flow-MeltFrontTime|1|Quarters|0");
  EXPECT_EQ(shown(parseResultExRow("PPTTemplate, 0, report_a4.pptx \n")),
            "1|PPTTemplate|0|report_a4.pptx|0");
  EXPECT_EQ(shown(parseResultExRow("PPTTemplate, 1, - ")), "1|PPTTemplate|1||0");
  EXPECT_EQ(shown(parseResultExRow("PPTTemplate, 1, \n")), "-"); // two values only
  EXPECT_EQ(shown(parseResultExRow("3DPDF, 2, -")), "2|3DPDF|0|-|0");
  EXPECT_EQ(shown(parseResultExRow("WarpageScale, 1, 2.5e1 ")), "4|WarpageScale|1|2.5e1|25");
  EXPECT_EQ(parseResultExRow("WarpageScale, 1, big")->WarpageScale, 0.0);
  EXPECT_EQ(parseResultExRow("Animation, 1, 5")->WarpageScale, 0.0);
  EXPECT_EQ(shown(parseResultExRow("Sound, 1, Beep")),
            join('|', static_cast<int>(ResultExKey::Count), "Sound", 1, "Beep", 0));
  EXPECT_EQ(shown(parseResultExRow(ResultExLabel)), "-");
  EXPECT_EQ(shown(parseResultExRow("Image, x, Large_Png")), "-");
  EXPECT_EQ(shown(parseResultExRow("Image, 1, " + std::string(256, 'i'))), "-");
}

TEST(ReadLines, ItemLinesOfEveryFormAndVersion) {
  // Fields: key, output, display, X, Y, Z, faces, clipping, view, object,
  // capture, slicing, air trap, weld line, items per page, tag; field count.
  // The 11-, 12- and 14-field forms and what a line lacks are in
  // ReaderTest.cpp (TemplateReader.ItemLinesByFieldCount).
  EXPECT_EQ(shown(parseItemLine(
                "Pressure,1,1,0,0,1,10,Half_X,Iso_Front;Top_View;,-,-,Mid_Z,0,0,1\n", 1001)),
            "Pressure|1|1|0|0|1|10|Half_X|Iso_Front;Top_View;|-|-|Mid_Z|0|0|1||15");
  EXPECT_EQ(shown(parseItemLine("K,1,0,0,0,0,10,-,-,-,-,-,1,1,3,My_Tag\n", 1002)),
            "K|1|0|0|0|0|10|-|-|-|-|-|1|1|3|My_Tag|16");
  for (const char* Ignored : {"K,1,0,0,0,0,10,C,V,O,F,S,1", "K,1,0,0,0,0,10,C,V,O",
                              "K,1,0,0,0,0,10,C,V,O,F,S,1,1,1,T,x", "\n", ""})
    EXPECT_EQ(shown(parseItemLine(Ignored, 1001)), "-") << Ignored;
  EXPECT_EQ(shown(parseItemLine(ItemLabel, 1001)), "-");
  EXPECT_EQ(shown(parseItemLine(",1,0,0,0,0,10,-,-,-,-,-,0,0,1", 1001)), "-"); // no key

  // ",," is an empty field, not a missing one; numbers out of their set read
  // as 0 (the page count as 1), a name field is one word.
  EXPECT_EQ(shown(parseItemLine("K,1,0,0,0,0,10,,Iso_Front,,,,0,0,1", 1001)),
            "K|1|0|0|0|0|10||Iso_Front||||0|0|1||15");
  EXPECT_EQ(shown(parseItemLine("K,7,5,x, 2,-3,abc, Top View ,-,-,-,-,0,0,0", 1001)),
            "K|0|0|0|2|-3|0|Top|-|-|-|-|0|0|1||15");
  EXPECT_EQ(shown(parseItemLine("K,3,4,0,0,0,0,-,-,-,-,-,0,0,4", 1001)),
            "K|3|4|0|0|0|0|-|-|-|-|-|0|0|4||15");
  EXPECT_EQ(parseItemLine("K,3,4,0,0,0,0,-,-,-,-,-,0,0,zz", 1001)->ItemCountOf1Page, 1);
  EXPECT_EQ(parseItemLine("\xc3\x84,1,0,0,0,0,10,-,-,-,-,-", 1001)->Key, "\xc3\x84");
  // A name field's first word ends at any space byte, at any place of the
  // field; other bytes below the blank, and bytes beyond ASCII, are part of
  // it.
  EXPECT_EQ(shown(parseItemLine("K,1,0,0,0,0,10,Iso_Front_View Left,A\x01"
                                "B,Half_Clip\tX,"
                                "\xc3\x84\xc3\x84\xc3\x84\xc3\x84\xc3\x84,  Mid\r,0,0,1",
                                1001)),
            "K|1|0|0|0|0|10|Iso_Front_View|A\x01"
            "B|Half_Clip|\xc3\x84\xc3\x84\xc3\x84\xc3\x84\xc3\x84|Mid|0|0|1||15");
  EXPECT_EQ(shown(parseItemLine("K,1,0,0,0,0,10,-," + std::string(256, 'v') + ",-,-,-", 1001)),
            "-");
  // Fields are cut eight bytes at a time: a comma in each of the eight
  // places of a word, and 0xAC (a comma's byte with its high bit set, as in
  // "\u20ac") is no comma.
  EXPECT_EQ(shown(parseItemLine("K\xe2\x82\xac,1,0,12,345,67,0,C,Vw,Obj,Capt,\xac\xac\xac\xac\xac,"
                                "0,0,2,TagName",
                                1001)),
            "K\xe2\x82\xac|1|0|12|345|67|0|C|Vw|Obj|Capt|\xac\xac\xac\xac\xac|0|0|2|TagName|16");
  EXPECT_EQ(shown(parseItemLine("Kkkkkkk,1,0,0,0,0,10,-,-,-,-,-,0,0,1,Tag,", 1001)), "-");
  // A blank only in the last bytes, after the last whole word, still ends
  // its name's word.
  EXPECT_EQ(parseItemLine("K,1,0,0,0,0,10,-,-,-,-,-,1,1,3,My Tag", 1001)->TagName, "My");

  // Version 1000: the key and six numbers, nothing else; below: nothing.
  EXPECT_EQ(shown(parseItemLine("Pressure,1,1,0,0,1,10\n", 1000)),
            "Pressure|1|1|0|0|1|10||||||0|0|1||0");
  EXPECT_EQ(shown(parseItemLine("Pressure,2,1,0,0,1,10,Half_X,V,O,F,S,1,1,4,T", 1000)),
            "Pressure|2|1|0|0|1|10||||||0|0|1||0");
  EXPECT_EQ(shown(parseItemLine("Pressure,1,1,0,0,1,10", 999)), "-");
  EXPECT_EQ(shown(parseItemLine("Pressure,1,1,0,0,1,10,-,-,-,-,-,0,0,1", 0)), "-");
}

TEST(ReadLines, ViewListsAndNoSetting) {
  auto split = [](std::string_view Field) {
    std::vector<std::string> Names;
    forEachViewName(Field, [&](std::string_view Name) { Names.emplace_back(Name); });
    return Names;
  };
  EXPECT_EQ(split("Iso_Front;Top_View;"), (std::vector<std::string>{"Iso_Front", "Top_View"}));
  EXPECT_EQ(split("A;;B"), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(split("\xc3\x84;B"), (std::vector<std::string>{"\xc3\x84", "B"}));
  EXPECT_TRUE(split(";").empty());
  EXPECT_TRUE(isViewList("A;"));
  EXPECT_FALSE(isViewList("A"));
  EXPECT_TRUE(isNoSetting("-"));
  EXPECT_FALSE(isNoSetting("--"));
  EXPECT_FALSE(isNoSetting(""));
}
