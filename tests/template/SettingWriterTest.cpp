// SettingWriterTest.cpp - the template writer's sections as bytes: the
// project's own view and object setting, names with blanks and '%', several
// views from the first alike item, [ResultEx] rows, module lists with
// repeated and unknown modules, empty library names, and the save's target
// and messages.
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportSettingWriter.h"

#include "TemplateTestSupport.h"

namespace {

using Writer = CZRVReportSettingWriter;
using SectionMember = void (Writer::*)(std::FILE*) const;

using zrvtest::joinLines;

/// The bytes one section writer puts into a stream opened in text mode.
std::string sectionBytes(const Writer& W, SectionMember Member) {
  zrvtest::TempDir Dir;
  const fs::path Path = Dir.path() / "section.txt";
  std::FILE* Stream = std::fopen(Path.string().c_str(), "w");
  EXPECT_NE(Stream, nullptr);
  if (!Stream)
    return std::string();
  (W.*Member)(Stream);
  std::fclose(Stream);
  return zrvtest::readBytes(Path);
}

/// The line under \p Tag in the example template (its label line).
std::string exampleLabel(const std::string& Tag) {
  const std::string Bytes = zrvtest::exampleBytes();
  const std::size_t At = Bytes.find(Tag + "\r\n") + Tag.size() + 2;
  return At < Tag.size() + 2 ? "?" : Bytes.substr(At, Bytes.find("\r\n", At) - At);
}

const std::string ItemLabel = exampleLabel("[FlowResult]");

CZRVReportItem makeItem(int ItemID, int ModuleID, const wchar_t* Key) {
  CZRVReportItem Item;
  Item.SetItemID(static_cast<ZRV_RESULT_ITEMS>(ItemID));
  Item.SetModuleID(static_cast<ZRV_RESULT_MODULES>(ModuleID));
  Item.SetItemSaveName(Key);
  Item.SetOutput(1);
  Item.SetFaceNumber(10);
  Item.SetItemCountOf1Page(1);
  return Item;
}

CZRVReportItem::tagVIEWSETTING view(double X, double Y, double Z, double Scale) {
  return {X, Y, Z, Scale, {}};
}

} // namespace

TEST(SettingWriter, EmptyDocumentSavesEverySectionToTheProjectPath) {
  // The save writes the project path and names the given path only; it
  // leaves no temporary file.
  zrvtest::TempDir Dir;
  CZRVReportItemManager Doc;
  const std::wstring Project = Dir.file(L"project.csv");
  Doc.SetProjectPath(Project.c_str());
  Writer W(&Doc);
  zrvtest::DiagnosticCapture Log;
  ASSERT_EQ(W.SaveTemplate(Dir.file(L"other.csv").c_str()), 1);
  EXPECT_EQ(Log.Messages, (std::vector<std::wstring>{
                              L"[ReportSetting] start to save template " + Dir.file(L"other.csv"),
                              L"[ReportSetting] Manager GetProjectPath CString start " + Project,
                              L"[ReportSetting] End to save template"}));
  EXPECT_EQ(zrvtest::folderNames(Dir.path()), std::set<std::wstring>{L"project.csv"});

  std::string Expected = joinLines(
      {"[FileHeader]", "FileVersion,0", "FileID,", "Name,", "Date,",
       "ProjectType,-1,\"(0:Solid,1:Shell)\"",
       "AppType,-1,\"(0:Injection,1:GasIn,2:RIM,3:ICPackage,4:ICM,5:FAIM,6:GAIM,7:WAIM,8:COIM,"
       "9:MCIM,10:CM,11:BIIM,12:PIM)\"",
       "CreateBy,", "Remark,", "", ""});
  for (const char* Tag : {"[ViewSetting]", "[ClippingSetting]", "[SlicingSetting]",
                          "[ObjectSetting]", "[FocusCapture]", "[MeltFrontTimeCapture]",
                          "[AnimationSetting]", "[ImageSetting]", "[ResultEx]"})
    Expected += joinLines({Tag, exampleLabel(Tag), "", ""});
  Expected += "[EOF],,,,,,,,,,";
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "project.csv"), Expected);
}

TEST(SettingWriter, ProjectViewAndObjectSettingAreLeftOutAndShownAsDash) {
  CZRVReportItemManager Doc;
  Doc.SetViewSetting(L"Iso", view(45, 30, 0, 1.2));
  Doc.SetViewSetting(L"Own View", view(10, 20, 30, 2));
  const CZRVReportItem::tagOBJECTSETTING Parts{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, L""}; // the part
  Doc.SetObjectSetting(L"Mine", Parts);
  Doc.SetObjectSetting(L"Parts", Parts);
  Doc.AddModuleID(1);
  CZRVReportItem Own = makeItem(1, 1, L"MeltFrontTime");
  Own.SetViewName(L"Own View");
  Own.SetObjectName(L"Mine");
  Doc.AddItem(Own);
  CZRVReportItem Other = makeItem(3, 1, L"Pressure");
  Other.SetViewName(L"Iso");
  Other.SetObjectName(L"Parts");
  Doc.AddItem(Other);

  Writer W(&Doc);
  W.SetPrjCurViewName(L"Own View");
  W.SetPrjCurSettingName(L"Mine");
  EXPECT_EQ(sectionBytes(W, &Writer::WriteViewData),
            joinLines({"[ViewSetting]", exampleLabel("[ViewSetting]"), "Iso,45,30,0,1.2", "", ""}));
  EXPECT_EQ(sectionBytes(W, &Writer::WriteObjectData),
            joinLines({"[ObjectSetting]", exampleLabel("[ObjectSetting]"),
                       "Parts, 0, 1, 0, 0,0,0,0,0,0,0", "", ""}));
  EXPECT_EQ(sectionBytes(W, &Writer::WriteResultData),
            joinLines({"[FlowResult]", ItemLabel, "MeltFrontTime,1,0,0,0,0,10,-,-,-,-,-,0,0,1",
                       "Pressure,1,0,0,0,0,10,-,Iso,Parts,-,-,0,0,1", "", ""}));

  // Without project names both are ordinary settings; the comparison is exact.
  W.SetPrjCurViewName(L"own view");
  W.SetPrjCurSettingName(nullptr);
  EXPECT_EQ(sectionBytes(W, &Writer::WriteViewData),
            joinLines({"[ViewSetting]", exampleLabel("[ViewSetting]"), "Iso,45,30,0,1.2",
                       "Own_View,10,20,30,2", "", ""}));
  EXPECT_TRUE(zrvtest::holds(sectionBytes(W, &Writer::WriteResultData),
                             "MeltFrontTime,1,0,0,0,0,10,-,Own_View,Mine,"));
}

TEST(SettingWriter, BlanksBecomeUnderscoresOnlyWhereTheLayoutSays) {
  CZRVReportItemManager Doc;
  Doc.SetViewSetting(L"Front Left", view(45, -30, 0, 0.75));
  CZRVReportItem::tagCLIPSETTING Clip;
  Clip.KeepX = 1;
  Clip.RangeX = 12.5;
  Doc.SetClippingSetting(L"Cut 50%", Clip);
  Doc.AddModuleID(1);
  CZRVReportItem Item = makeItem(3, 1, L"Pressure");
  Item.SetViewName(L"Front Left");
  Item.SetClippingName(L"Cut 50%");
  Item.SetCaptureName(L"Close Up");
  Doc.AddItem(Item);

  Writer W(&Doc);
  EXPECT_EQ(sectionBytes(W, &Writer::WriteViewData),
            joinLines({"[ViewSetting]", exampleLabel("[ViewSetting]"), "Front_Left,45,-30,0,0.75",
                       "", ""}));
  // The label's "%(0-100)" and the name's '%' reach the file as they stand.
  EXPECT_EQ(sectionBytes(W, &Writer::WriteClippingData),
            joinLines({"[ClippingSetting]", exampleLabel("[ClippingSetting]"),
                       "Cut_50%, 1, 1, 0, 0,12.5,50,50,0", "", ""}));
  // Field 9 as a single view takes '_'; fields 8 and 11 are written as stored.
  EXPECT_EQ(sectionBytes(W, &Writer::WriteResultData),
            joinLines({"[FlowResult]", ItemLabel,
                       "Pressure,1,0,0,0,0,10,Cut 50%,Front_Left,-,Close Up,-,0,0,1", "", ""}));
}

TEST(SettingWriter, LargeLibraryInAnyOrder) {
  // 40 views stored out of name order, so that a large library is searched
  // by name rather than walked along; then three stored again, which moves
  // them to the end of the option list.
  CZRVReportItemManager Doc;
  auto name = [](int N) { return L"V " + std::to_wstring(10 + N); };
  for (int I = 0; I < 40; ++I) {
    const int N = (I * 17) % 40;
    Doc.SetViewSetting(name(N).c_str(), view(N, 0, 0, 1));
  }
  for (int N : {5, 0, 39})
    Doc.SetViewSetting(name(N).c_str(), view(N, 1, 0, 1));
  Writer W(&Doc);
  W.SetPrjCurViewName(name(22).c_str());

  std::string Expected = joinLines({"[ViewSetting]", exampleLabel("[ViewSetting]")});
  for (int I = 0; I < 40; ++I) {
    const int N = (I * 17) % 40;
    if (N != 5 && N != 0 && N != 39 && N != 22)
      Expected += joinLines({"V_" + std::to_string(10 + N) + "," + std::to_string(N) + ",0,0,1"});
  }
  Expected += joinLines({"V_15,5,1,0,1", "V_10,0,1,0,1", "V_49,39,1,0,1", "", ""});
  EXPECT_EQ(sectionBytes(W, &Writer::WriteViewData), Expected);
}

TEST(SettingWriter, SeveralViewsAndItemCountComeFromTheFirstAlikeItem) {
  CZRVReportItemManager Doc;
  Doc.AddModuleID(1);
  Doc.AddModuleID(2);
  CZRVReportItem First = makeItem(3, 1, L"Pressure");
  First.SetViewName(L"Iso");
  First.SetManyViewName(L"Top");
  First.SetManyViewName(L"Side View");
  First.SetItemCountOf1Page(2);
  Doc.AddItem(First);
  CZRVReportItem Twin = makeItem(3, 1, L"Pressure");
  Twin.SetViewName(L"Back");
  Twin.SetItemCountOf1Page(4);
  Doc.AddItem(Twin);
  // Same item id in another module: its own views and count.
  CZRVReportItem Packed = makeItem(3, 2, L"Pressure");
  Packed.SetViewName(L"Back");
  Packed.SetItemCountOf1Page(3);
  Doc.AddItem(Packed);
  Doc.SetOutputAirTrapByIndex(1, 1);
  Doc.SetOutputWeldLineByIndex(2, 1);

  Writer W(&Doc);
  W.SetPrjCurViewName(L"Iso");
  EXPECT_EQ(
      sectionBytes(W, &Writer::WriteResultData),
      joinLines({"[FlowResult]", ItemLabel, "Pressure,1,0,0,0,0,10,-,Top;Side View;,-,-,-,0,0,2",
                 "Pressure,1,0,0,0,0,10,-,Top;Side View;,-,-,-,1,0,2", "", "", "[PackResult]",
                 ItemLabel, "Pressure,1,0,0,0,0,10,-,Back,-,-,-,0,1,3", "", ""}));
}

TEST(SettingWriter, ResultExRowsFollowTheExtendedItemPositions) {
  CZRVReportItemManager Doc;
  for (int I = 0; I < 4; ++I)
    Doc.AddItemEx(CZRVReportItemEx());
  Doc.SetItemExOutput(1, 0);
  Writer W(&Doc);
  // Empty melt-front and animation names give "Default", an empty
  // presentation template "-".
  const std::string Head = joinLines({"[ResultEx]", exampleLabel("[ResultEx]")});
  EXPECT_EQ(sectionBytes(W, &Writer::WriteResultExData),
            Head + joinLines({"Flow-MeltFrontTime, 1, Default ", "PPTTemplate, 0, - ",
                              "3DPDF, 1, -", "Animation, 1, Default ", "", ""}));

  CZRVReportItemEx Melt;
  Melt.MeltName = L"Quarters";
  Melt.Output = 0;
  CZRVReportItemManager Full;
  Full.AddItemEx(Melt);
  for (int I = 1; I < 7; ++I)
    Full.AddItemEx(CZRVReportItemEx());
  Full.SetPPTTemplate(L"a4 report.pptx");
  Full.SetItemAnimation(1, L"Short Gif");
  Full.SetWarpageScale(2.5);
  Full.SetItemExOutput(4, 0);
  Full.SetItemImage(L"Large");
  // Position 6 has no row of its own.
  Writer WFull(&Full);
  EXPECT_EQ(sectionBytes(WFull, &Writer::WriteResultExData),
            Head + joinLines({"Flow-MeltFrontTime, 0, Quarters ", "PPTTemplate, 1, a4 report.pptx ",
                              "3DPDF, 1, -", "Animation, 1, Short Gif ", "WarpageScale, 0, 2.5 ",
                              "Image, 1, Large ", "", ""}));
}

TEST(SettingWriter, ModuleListedTwiceAndModuleWithoutSection) {
  CZRVReportItemManager Doc;
  Doc.AddModuleID(1);
  Doc.AddModuleID(1);
  Doc.AddModuleID(9);
  Doc.AddItem(makeItem(1, 1, L"MeltFrontTime"));
  Doc.AddItem(makeItem(289, 3, L"CoolingTime"));
  Doc.AddItem(makeItem(500, 9, L"Odd"));

  Writer W(&Doc);
  std::vector<std::wstring> Tags{L"stale"};
  W.GetModuleList(Tags);
  EXPECT_EQ(Tags, (std::vector<std::wstring>{L"[FlowResult]", L"[FlowResult]", L""}));
  EXPECT_EQ(W.GetModuleNameByID(20), L"[CureResult]");
  Writer Unbound(nullptr);
  Unbound.GetModuleList(Tags);
  EXPECT_TRUE(Tags.empty());
  const std::string Flow =
      joinLines({"[FlowResult]", ItemLabel, "MeltFrontTime,1,0,0,0,0,10,-,-,-,-,-,0,0,1",
                 "Odd,1,0,0,0,0,10,-,-,-,-,-,0,0,1", "", ""});
  // Module 9 has an empty tag line; only items without a section follow it.
  EXPECT_EQ(sectionBytes(W, &Writer::WriteResultData),
            Flow + Flow + joinLines({"", ItemLabel, "Odd,1,0,0,0,0,10,-,-,-,-,-,0,0,1", "", ""}));
}

TEST(SettingWriter, EmptyLibraryNamesAreNotWrittenInfoFieldsAre) {
  CZRVReportItemManager Doc;
  CZRVReportItem::tagCLIPSETTING Clip;
  // An empty name stays in the map but not in the clipping option list.
  Doc.SetClippingMap(ZRVClipMap{{L"", Clip}, {L"A", Clip}});
  ASSERT_EQ(Doc.GetClippingOptionCount(), 2);
  // The slicing and melt-front option lists do list an empty name.
  Doc.SetSlicingSetting(L"", CZRVReportItem::tagSLICESETTING());
  CZRVReportItemEx::stMeltFrontTimeCapture Melt;
  Melt.Count = 3;
  Melt.Percentage[0] = 12.4;
  Melt.Percentage[1] = 50;
  Melt.Percentage[2] = 99.5;
  Doc.SetMeltMap(ZRVMeltMap{{L"", Melt}, {L"Thirds", Melt}});
  ASSERT_EQ(Doc.GetMeltOptionCount(), 2);
  // [FileHeader] stands in every fixture that WriterRoundTripTest.cpp saves
  // back; [Info] in none of them.
  Doc.SetCompanyName(L"Firm");
  Doc.SetComanyWebSite(L"www.example.org");
  Doc.SetAuthorName(L"A. Author");
  Doc.SetAuthorEMail(L"a@example.org");
  Doc.SetReportType(1);
  Doc.SetTemplateName(L"T, 100%");

  Writer W(&Doc);
  EXPECT_EQ(sectionBytes(W, &Writer::WriteInfoData),
            joinLines({"[Info]", "CompanyName,Firm", "CompanyWebSite,www.example.org",
                       "AuthorName,A. Author", "AuthorE-mail,a@example.org",
                       "ReportType,1,\"(0:HTML, 1:PPT)\"", "TemplateName,T, 100%", "", ""}));
  EXPECT_EQ(sectionBytes(W, &Writer::WriteClippingData),
            joinLines({"[ClippingSetting]", exampleLabel("[ClippingSetting]"),
                       "A, 1, 0, 0, 0,50,50,50,0", "", ""}));
  EXPECT_EQ(sectionBytes(W, &Writer::WriteSlicingData),
            joinLines({"[SlicingSetting]", exampleLabel("[SlicingSetting]"), "", ""}));
  EXPECT_EQ(sectionBytes(W, &Writer::WriteMeltFrontTimeCaptureData),
            joinLines({"[MeltFrontTimeCapture]", exampleLabel("[MeltFrontTimeCapture]"),
                       "Thirds,12-50-100 ", "", ""}));
}

TEST(SettingWriter, TargetThatCannotBeWrittenGivesOpenFileFail) {
  zrvtest::TempDir Dir;
  CZRVReportItemManager Doc;
  Writer W(&Doc);
  zrvtest::DiagnosticCapture Log;

  const std::wstring Missing = Dir.file(L"no folder") + L"/t.csv";
  Doc.SetProjectPath(Missing.c_str());
  EXPECT_EQ(W.SaveTemplate(L"x"), 0);
  // The message ends with the system's reason for the missing folder.
  const std::wstring Failed = L"[ReportSetting] open file fail " + Missing + L": ";
  EXPECT_EQ(Log.Messages.back().substr(0, Failed.size()), Failed);
  EXPECT_GT(Log.Messages.back().size(), Failed.size());

  Doc.SetProjectPath(nullptr);
  EXPECT_EQ(W.SaveTemplate(L"x"), 0);
  EXPECT_EQ(Log.Messages.back(),
            L"[ReportSetting] open file fail : the document has no project path");

  Writer Unbound(nullptr);
  Log.Messages.clear();
  EXPECT_EQ(Unbound.SaveTemplate(L"x"), 0);
  EXPECT_EQ(Log.Messages, (std::vector<std::wstring>{L"[ReportSetting] start to save template x",
                                                     L"[ReportSetting] open file fail : no "
                                                     L"document to save"}));
  // Section writers without a document or a stream write nothing.
  EXPECT_EQ(sectionBytes(Unbound, &Writer::WriteHeaderData), "");
  W.WriteResultData(nullptr);
  W.WriteHeaderData(nullptr);
}
