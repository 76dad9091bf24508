// ReadLinesTest.cpp - every line as the reader takes it apart: [FileHeader],
// the eight setting kinds and their value counts, melt-front percentages,
// [ResultEx] rows, and item lines of every field count and version.
#include "template/Format.h"

#include <gtest/gtest.h>

using namespace zrv::format;

TEST(ReadLines, HeaderLines) {
  auto Remark = [](const char* Line) {
    auto Parsed = parseHeaderLine(Line);
    EXPECT_TRUE(!Parsed || Parsed->Field == HeaderField::Remark);
    return Parsed ? Parsed->Text : std::wstring(L"<nothing>");
  };
  EXPECT_EQ(Remark("Remark,a, b\n"), L"a");
  EXPECT_EQ(Remark("Remark,\n"), L"<nothing>");
  EXPECT_EQ(Remark("Remark, x \n"), L" x "); // the value's own blanks come back
  EXPECT_EQ(Remark("Remark,a| b"), L"a |b"); // "||" marks are undone left to right
  EXPECT_EQ(Remark("Remark,Bericht \xc3\x9c\xff"), L"Bericht \u00dc\ufffd");
  EXPECT_EQ(Remark(("Remark," + std::string(255, 'r')).c_str()), std::wstring(255, L'r'));
  EXPECT_EQ(Remark(("Remark," + std::string(256, 'r')).c_str()), L"<nothing>");

  auto Version = parseHeaderLine("FileVersion,1001\n");
  ASSERT_TRUE(Version);
  EXPECT_EQ(Version->Field, HeaderField::FileVersion);
  EXPECT_EQ(Version->Number, 1001);
  auto Type = parseHeaderLine("ProjectType,1,\"(0:Solid,1:Shell)\"\n");
  ASSERT_TRUE(Type);
  EXPECT_EQ(Type->Field, HeaderField::ProjectType);
  EXPECT_EQ(Type->Number, 1);
  EXPECT_EQ(parseHeaderLine("FileVersion,1000x")->Number, 1000);
  // The key is found by substring in the fixed order; the first match wins.
  EXPECT_EQ(parseHeaderLine("ProjectName,x")->Field, HeaderField::Name);
  EXPECT_EQ(parseHeaderLine("MyFileIDName,x")->Field, HeaderField::FileID);
  EXPECT_EQ(parseHeaderLine("DateCreateBy,x")->Field, HeaderField::Date);
  EXPECT_FALSE(parseHeaderLine("Author,x"));
}

TEST(ReadLines, ValueCountsOfViewClippingSlicingObject) {
  auto View = parseViewLine("Iso_Front,45,30,0,1.2\n");
  ASSERT_TRUE(View);
  EXPECT_EQ(View->Name, L"Iso_Front");
  EXPECT_EQ(View->Value.Name, L"Iso_Front");
  EXPECT_EQ(View->Value.AngleX, 45.0);
  EXPECT_EQ(View->Value.AngleY, 30.0);
  EXPECT_EQ(View->Value.Scale, 1.2);
  EXPECT_FALSE(parseViewLine("V,1,2,3"));
  EXPECT_EQ(parseViewLine("V 1 2 3 4 5")->Value.Scale, 4.0);
  EXPECT_EQ(parseViewLine("V,1e1,-2,.5,4x")->Value.AngleX, 10.0);
  EXPECT_FALSE(parseViewLine(layoutOf(Section::ViewSetting).Label));
  EXPECT_EQ(parseViewLine("Ansicht_\xc3\x84,1,2,3,4")->Name, L"Ansicht_\u00c4");
  EXPECT_FALSE(parseViewLine(std::string(256, 'n') + ",1,2,3,4"));
  EXPECT_TRUE(parseViewLine(std::string(255, 'n') + ",1,2,3,4"));

  auto Clip8 = parseClippingLine("Half_X, 2, 1, 0, 1,10,20,30,1");
  ASSERT_TRUE(Clip8);
  EXPECT_EQ(Clip8->Value.ClipBy, 2);
  EXPECT_EQ(Clip8->Value.KeepZ, 1);
  EXPECT_EQ(Clip8->Value.RangeZ, 30.0);
  EXPECT_EQ(Clip8->Value.Inverse, 1);
  auto Clip7 = parseClippingLine("C, 2, 1, 0, 1,10,20,30");
  ASSERT_TRUE(Clip7);
  EXPECT_EQ(Clip7->Value.RangeZ, 30.0);
  EXPECT_EQ(Clip7->Value.Inverse, 0);
  EXPECT_FALSE(parseClippingLine("C, 2, 1, 0, 1,10,20"));
  EXPECT_FALSE(parseClippingLine("C, 1.5, 1, 0, 1,10,20,30,1")); // stops after "1"
  EXPECT_FALSE(parseClippingLine(layoutOf(Section::ClippingSetting).Label));

  auto Slice3 = parseSlicingLine("Mid_Z, 0, 0, 1");
  ASSERT_TRUE(Slice3);
  EXPECT_EQ(Slice3->Value.SliceZ, 1);
  EXPECT_EQ(Slice3->Value.RangeX, 50.0);
  auto Slice5 = parseSlicingLine("S, 1, 0, 0, 10, 20");
  ASSERT_TRUE(Slice5);
  EXPECT_EQ(Slice5->Value.RangeX, 50.0); // 3 to 5 values: the ranges stay 50
  EXPECT_EQ(Slice5->Value.RangeY, 50.0);
  auto Slice6 = parseSlicingLine("S, 1, 0, 0, 10, 20, 30, 99");
  ASSERT_TRUE(Slice6);
  EXPECT_EQ(Slice6->Value.RangeZ, 30.0);
  EXPECT_FALSE(parseSlicingLine("S, 1, 0"));
  EXPECT_FALSE(parseSlicingLine(layoutOf(Section::SlicingSetting).Label));

  auto Object10 = parseObjectLine("O, 1, 1, 1, 1,1,1,1,1,1,1");
  ASSERT_TRUE(Object10);
  EXPECT_EQ(Object10->Value.ShowHotRunnerMetal, 1);
  auto Object9 = parseObjectLine("O, 1, 1, 1, 1,1,1,1,1,1");
  ASSERT_TRUE(Object9);
  EXPECT_EQ(Object9->Value.ShowCoolantEntrance, 1);
  EXPECT_EQ(Object9->Value.ShowHeatingRod, 0); // the ninth value is not taken
  EXPECT_EQ(Object9->Value.ShowHotRunnerMetal, 0);
  EXPECT_TRUE(parseObjectLine("O, 1, 1, 1, 1,1,1,1,1"));
  EXPECT_FALSE(parseObjectLine("O, 1, 1, 1, 1,1,1,1"));
}

TEST(ReadLines, MeltFrontLines) {
  auto Quarters = parseMeltLine("Quarters,25-50-75-100 \n");
  ASSERT_TRUE(Quarters);
  EXPECT_EQ(Quarters->Name, L"Quarters");
  ASSERT_EQ(Quarters->Value.Count, 4);
  EXPECT_EQ(Quarters->Value.Percentage[0], 25.0);
  EXPECT_EQ(Quarters->Value.Percentage[3], 100.0);
  EXPECT_EQ(parseMeltLine("One,40")->Value.Count, 1);
  EXPECT_FALSE(parseMeltLine("Solo \n"));
  EXPECT_FALSE(parseMeltLine(" Lead,5")); // a line starting with a blank has no name
  // The label line parses like data; the reader skips it by its position.
  auto Label = parseMeltLine(layoutOf(Section::MeltFrontTimeCapture).Label);
  ASSERT_TRUE(Label);
  EXPECT_EQ(Label->Name, L"Settings");

  auto Odd = parseMeltLine("A, 10 - x-25-");
  ASSERT_TRUE(Odd);
  ASSERT_EQ(Odd->Value.Count, 4);
  EXPECT_EQ(Odd->Value.Percentage[0], 10.0);
  EXPECT_EQ(Odd->Value.Percentage[1], 0.0); // not a number
  EXPECT_EQ(Odd->Value.Percentage[2], 25.0);
  EXPECT_EQ(Odd->Value.Percentage[3], 0.0);

  std::string Many = "M,";
  for (int I = 1; I <= 150; ++I)
    Many += std::to_string(I) + (I < 150 ? "-" : "");
  auto Cut = parseMeltLine(Many);
  ASSERT_TRUE(Cut);
  EXPECT_EQ(Cut->Value.Count, MaxPercentages);
  EXPECT_EQ(Cut->Value.Percentage[99], 100.0);
}

TEST(ReadLines, ResultExRows) {
  auto Melt = parseResultExRow("Flow-MeltFrontTime, 1, Quarters \n");
  ASSERT_TRUE(Melt);
  EXPECT_EQ(Melt->Key, ResultExKey::MeltFrontTime);
  EXPECT_EQ(Melt->Output, 1);
  EXPECT_EQ(Melt->Setting, L"Quarters");
  auto Template = parseResultExRow("PPTTemplate, 0, report_a4.pptx \n");
  ASSERT_TRUE(Template);
  EXPECT_EQ(Template->Setting, L"report_a4.pptx");
  EXPECT_EQ(parseResultExRow("PPTTemplate, 1, - ")->Setting, L"");
  EXPECT_FALSE(parseResultExRow("PPTTemplate, 1, \n")); // two values only
  auto Pdf = parseResultExRow("3DPDF, 2, -");
  ASSERT_TRUE(Pdf);
  EXPECT_EQ(Pdf->Key, ResultExKey::PDF3D);
  EXPECT_EQ(Pdf->Output, 0);
  EXPECT_EQ(Pdf->Setting, L"-");
  auto Scale = parseResultExRow("WarpageScale, 1, 2.5e1 ");
  ASSERT_TRUE(Scale);
  EXPECT_EQ(Scale->WarpageScale, 25.0);
  EXPECT_EQ(parseResultExRow("WarpageScale, 1, big")->WarpageScale, 0.0);
  EXPECT_EQ(parseResultExRow("Animation, 1, 5")->WarpageScale, 0.0);
  auto Other = parseResultExRow("Sound, 1, Beep");
  ASSERT_TRUE(Other);
  EXPECT_EQ(Other->Key, ResultExKey::Count);
  EXPECT_EQ(Other->KeyText, L"Sound");
  EXPECT_FALSE(parseResultExRow(ResultExLabel));
  EXPECT_FALSE(parseResultExRow("Image, x, Large_Png"));
  EXPECT_FALSE(parseResultExRow("Image, 1, " + std::string(256, 'i')));
}

TEST(ReadLines, ItemLinesOfEveryFieldCount) {
  auto Full =
      parseItemLine("Pressure,1,1,0,0,1,10,Half_X,Iso_Front;Top_View;,-,-,Mid_Z,0,0,1\n", 1001);
  ASSERT_TRUE(Full);
  EXPECT_EQ(Full->FieldCount, 15);
  EXPECT_EQ(Full->Key, L"Pressure");
  EXPECT_EQ(Full->DisplayMode, 1);
  EXPECT_EQ(Full->ParameterZ, 1);
  EXPECT_EQ(Full->FaceNumber, 10);
  EXPECT_EQ(Full->ClippingName, L"Half_X");
  EXPECT_EQ(Full->ViewField, L"Iso_Front;Top_View;");
  EXPECT_EQ(Full->ObjectName, L"-");
  EXPECT_EQ(Full->SlicingName, L"Mid_Z");
  EXPECT_EQ(Full->ItemCountOf1Page, 1);

  auto Tagged = parseItemLine("K,1,0,0,0,0,10,-,-,-,-,-,1,1,3,My_Tag\n", 1002);
  ASSERT_TRUE(Tagged);
  EXPECT_EQ(Tagged->FieldCount, 16);
  EXPECT_EQ(Tagged->TagName, L"My_Tag");
  EXPECT_EQ(Tagged->AirTrap, 1);
  EXPECT_EQ(Tagged->ItemCountOf1Page, 3);

  auto Eleven = parseItemLine("K,1,0,0,0,0,10,C,V,O,F", 1001);
  ASSERT_TRUE(Eleven);
  EXPECT_EQ(Eleven->CaptureName, L"F");
  EXPECT_EQ(Eleven->SlicingName, L"");
  EXPECT_EQ(Eleven->AirTrap, 0);
  EXPECT_EQ(Eleven->ItemCountOf1Page, 1);
  EXPECT_EQ(parseItemLine("K,1,0,0,0,0,10,C,V,O,F,S", 1001)->SlicingName, L"S");
  auto Fourteen = parseItemLine("K,1,0,0,0,0,10,C,V,O,F,S,1,1", 1001);
  ASSERT_TRUE(Fourteen);
  EXPECT_EQ(Fourteen->WeldLine, 1);
  EXPECT_EQ(Fourteen->ItemCountOf1Page, 1);

  for (const char* Ignored : {"K,1,0,0,0,0,10,C,V,O,F,S,1", "K,1,0,0,0,0,10,C,V,O",
                              "K,1,0,0,0,0,10,C,V,O,F,S,1,1,1,T,x", "\n", ""})
    EXPECT_FALSE(parseItemLine(Ignored, 1001)) << Ignored;
  EXPECT_FALSE(parseItemLine(ItemLabel, 1001));
  EXPECT_FALSE(parseItemLine(",1,0,0,0,0,10,-,-,-,-,-,0,0,1", 1001)); // no key
}

TEST(ReadLines, ItemLineFieldValues) {
  // ",," is an empty field, not a missing one.
  auto Empty = parseItemLine("K,1,0,0,0,0,10,,Iso_Front,,,,0,0,1", 1001);
  ASSERT_TRUE(Empty);
  EXPECT_EQ(Empty->FieldCount, 15);
  EXPECT_EQ(Empty->ClippingName, L"");
  EXPECT_EQ(Empty->ViewField, L"Iso_Front");

  auto Mapped = parseItemLine("K,7,5,x, 2,-3,abc, Top View ,-,-,-,-,0,0,0", 1001);
  ASSERT_TRUE(Mapped);
  EXPECT_EQ(Mapped->Output, 0);
  EXPECT_EQ(Mapped->DisplayMode, 0);
  EXPECT_EQ(Mapped->ParameterX, 0);
  EXPECT_EQ(Mapped->ParameterY, 2);
  EXPECT_EQ(Mapped->ParameterZ, -3);
  EXPECT_EQ(Mapped->FaceNumber, 0);
  EXPECT_EQ(Mapped->ClippingName, L"Top"); // one word
  EXPECT_EQ(Mapped->ItemCountOf1Page, 1);
  EXPECT_EQ(parseItemLine("K,3,4,0,0,0,0,-,-,-,-,-,0,0,4", 1001)->DisplayMode, 4);
  EXPECT_EQ(parseItemLine("K,3,4,0,0,0,0,-,-,-,-,-,0,0,4", 1001)->Output, 3);
  EXPECT_EQ(parseItemLine("K,3,4,0,0,0,0,-,-,-,-,-,0,0,zz", 1001)->ItemCountOf1Page, 1);
  EXPECT_EQ(parseItemLine("\xc3\x84,1,0,0,0,0,10,-,-,-,-,-", 1001)->Key, L"\u00c4");
  EXPECT_FALSE(parseItemLine("K,1,0,0,0,0,10,-," + std::string(256, 'v') + ",-,-,-", 1001));

  // Version 1000: the key and six numbers, nothing else.
  auto Short = parseItemLine("Pressure,1,1,0,0,1,10\n", 1000);
  ASSERT_TRUE(Short);
  EXPECT_EQ(Short->FieldCount, 0);
  EXPECT_EQ(Short->DisplayMode, 1);
  EXPECT_EQ(Short->ParameterZ, 1);
  EXPECT_EQ(Short->FaceNumber, 10);
  auto ShortOfFull = parseItemLine("Pressure,2,1,0,0,1,10,Half_X,V,O,F,S,1,1,4,T", 1000);
  ASSERT_TRUE(ShortOfFull);
  EXPECT_EQ(ShortOfFull->ClippingName, L"");
  EXPECT_EQ(ShortOfFull->ViewField, L"");
  EXPECT_EQ(ShortOfFull->AirTrap, 0);
  EXPECT_EQ(ShortOfFull->ItemCountOf1Page, 1);
  EXPECT_FALSE(parseItemLine("Pressure,1,1,0,0,1,10", 999));
  EXPECT_FALSE(parseItemLine("Pressure,1,1,0,0,1,10,-,-,-,-,-,0,0,1", 0));

  auto split = [](std::wstring_view Field) {
    std::vector<std::wstring> Names;
    forEachViewName(Field, [&](std::wstring_view Name) { Names.emplace_back(Name); });
    return Names;
  };
  EXPECT_EQ(split(L"Iso_Front;Top_View;"), (std::vector<std::wstring>{L"Iso_Front", L"Top_View"}));
  EXPECT_EQ(split(L"A;;B"), (std::vector<std::wstring>{L"A", L"B"}));
  EXPECT_TRUE(split(L";").empty());
  EXPECT_TRUE(isViewList(L"A;"));
  EXPECT_FALSE(isViewList(L"A"));
  EXPECT_TRUE(isNoSetting(L"-"));
  EXPECT_FALSE(isNoSetting(L"--"));
}
