// BadInputTest.cpp - templates that come broken, truncated or hostile: what a
// load makes of each, asserted exactly. Whatever a file holds, a load neither
// crashes nor reads or writes out of bounds (the asan preset and valgrind run
// this suite as well).
#include "TemplateTestSupport.h"

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace zrvtest;
using Kind = ZRVTemplateFindingKind;

namespace {

const std::string ViewSection = "[ViewSetting]";
const std::string ViewLabel = "Settings,X (0-360),Y (0-360),Z (0-360),Scale (0.0-10.0)";

} // namespace

TEST(BadInput, SingleLineOfTenMegabytes) {
  // A 10 MB line inside [ViewSetting]: it arrives in pieces of 511 bytes, each
  // taken as a line of its own; none parses, and the lines after it load.
  const std::size_t Size = 10u << 20;
  std::string Bytes =
      header(1001) + joinLines({ViewSection, ViewLabel}) + std::string(Size, 'A') + Crlf +
      joinLines({"Top,90,0,0,1", "[FlowResult]", ItemLabel, itemLine("Pressure", "Top"), EofLine});
  TemplateFile File(Bytes);
  CZRVReportTemplateReader Reader;
  CZRVReportItemManager Doc;
  Recorder Findings;
  ASSERT_EQ(Reader.Load(ZRV_LOAD_SOLID_INJECTION, File.path().c_str(), &Doc, 0, 0, &Findings), 1);
  EXPECT_EQ(views(Doc), std::vector<std::wstring>{L"Top"});
  EXPECT_EQ(eachItem(Doc, &CZRVReportItem::GetViewName), std::vector<std::wstring>{L"Top"});

  // One finding for the long line (line 7), then the pieces: 20,521 of them,
  // each ignored as a line of one field.
  auto TooLong = Findings.of(Kind::LineTooLong);
  ASSERT_EQ(TooLong.size(), 1u);
  EXPECT_EQ(std::make_pair(TooLong[0].Line, TooLong[0].Number), std::make_pair(7, 511));
  auto Ignored = Findings.of(Kind::LineIgnored);
  EXPECT_EQ(Ignored.size(), (Size + 510) / 511);
  EXPECT_EQ(Ignored.back().Line, 7);
  EXPECT_TRUE(Findings.of(Kind::EndMissing).empty());

  // The header-only load finds [FileHeader] before the long line, and also
  // after it; the first [FileHeader] is the one read.
  CZRVReportItemManager HeaderDoc;
  EXPECT_EQ(Reader.LoadTemplateFileHeader(File.path().c_str(), &HeaderDoc), 1);
  EXPECT_EQ(HeaderDoc.GetFileVersion(), 1001);
  TemplateFile Late(std::string(Size, 'B') + Crlf + header(77) + header(78));
  EXPECT_EQ(Reader.LoadTemplateFileHeader(Late.path().c_str(), &HeaderDoc), 1);
  EXPECT_EQ(HeaderDoc.GetFileVersion(), 77);
}

TEST(BadInput, NulBytesEndTheTextOfTheirLine) {
  using namespace std::string_literals;
  std::string Bytes = "[FileHeader]\r\nFileVersion,1001\r\nRemark,ab\0cd\r\n"s +
                      "Name,\0hidden\r\n"s + // no value before the NUL: unchanged
                      "[ViewSetting]\r\n"
                      "Top,90,0,0,1\0,junk\r\n"s +  // loads: the junk is cut off
                      "Secret\0View,1,2,3,4\r\n"s + // only the name is left: ignored
                      "\0[ObjectSetting]\r\n"s +    // no '[' before the NUL: not a tag
                      "Side,0,90,0,1\r\n"
                      "[FlowResult]\r\n" +
                      ItemLabel + "\r\n" + itemLine("Pressure", "Side") + "\0,extra,fields\r\n"s +
                      "\0[EOF],,,,,,,,,,\r\n"s + // not the end line
                      itemLine("MeltFrontTime", "Top") + "\r\n";
  CZRVReportItemManager Doc;
  Doc.SetFileName(L"before");
  Recorder Findings;
  ASSERT_EQ(loadBytes(Bytes, Doc, &Findings), 1);
  EXPECT_EQ(text(Doc, &CZRVReportItemManager::GetRemark), L"ab");
  EXPECT_EQ(text(Doc, &CZRVReportItemManager::GetFileName), L"before");
  EXPECT_EQ(views(Doc), (std::vector<std::wstring>{L"Side", L"Top"}));
  EXPECT_EQ(Doc.GetViewSetting(L"Top").AngleX, 90);
  EXPECT_EQ(Doc.GetObjectOptionCount(), 0);
  EXPECT_EQ(eachItem(Doc, &CZRVReportItem::GetViewName),
            (std::vector<std::wstring>{L"Side", L"Top"}));
  ASSERT_EQ(Findings.of(Kind::EndMissing).size(), 1u);
  // The ignored lines are reported as the reader saw them.
  EXPECT_EQ(Findings.where(Kind::LineIgnored),
            (std::vector<std::pair<int, std::wstring>>{{4, L"Name,"}, {7, L"Secret"}}));
  // An ignored setting line says how many values its section reads.
  std::vector<int> ViewCounts;
  for (const ZRVTemplateSectionInfo& Section : ZRVTemplateSections())
    if (Section.Tag == L"[ViewSetting]")
      for (int Count = Section.FewestValues; Count <= Section.MostValues; ++Count)
        ViewCounts.push_back(Count);
  ASSERT_FALSE(ViewCounts.empty());
  EXPECT_EQ(Findings.of(Kind::LineIgnored).back().Accepted, ViewCounts);
}

TEST(BadInput, InvalidAndTruncatedUtf8BecomesReplacementCharacters) {
  // Each sequence's decoding is in PlatformTest.cpp; here what a load makes
  // of names that decode alike.
  std::string Bytes =
      header(1001) +
      joinLines({"Remark,caf\xC3", ViewSection, ViewLabel,
                 "Bad\xFFName,1,2,3,4", // invalid byte
                 "Bad\xFEName,5,6,7,8", // decodes like the line before
                 "[FlowResult]", ItemLabel, itemLine("Pressure", "Bad\xFDName"), EofLine});
  CZRVReportItemManager Doc;
  Recorder Findings;
  ASSERT_EQ(loadBytes(Bytes, Doc, &Findings), 1);
  EXPECT_EQ(text(Doc, &CZRVReportItemManager::GetRemark), L"caf\uFFFD");
  EXPECT_EQ(views(Doc), std::vector<std::wstring>{L"Bad\uFFFDName"});
  // The first of the two names that decode alike wins.
  EXPECT_EQ(Doc.GetViewSetting(L"Bad\uFFFDName").AngleX, 1);
  EXPECT_EQ(Findings.where(Kind::DuplicateSetting),
            (std::vector<std::pair<int, std::wstring>>{{9, L"Bad\uFFFDName"}}));
  // An item line naming a third invalid spelling resolves to it as well.
  EXPECT_EQ(eachItem(Doc, &CZRVReportItem::GetViewName),
            std::vector<std::wstring>{L"Bad\uFFFDName"});
}

TEST(BadInput, ByteOrderMarkBeforeFileHeaderIsHarmless) {
  // The reader does not skip a byte-order mark: it needs not, because a tag
  // is found anywhere on its line and the mark stands before the first tag.
  // The file loads exactly as without the mark.
  std::string Plain = exampleBytes();
  ASSERT_FALSE(Plain.empty());
  TemplateFile WithoutMark(Plain);
  TemplateFile WithMark("\xEF\xBB\xBF" + Plain);
  CZRVReportTemplateReader Reader;
  CZRVReportItemManager A, B;
  ASSERT_EQ(Reader.LoadSolidInjection(WithoutMark.path().c_str(), &A), 1);
  ASSERT_EQ(Reader.LoadSolidInjection(WithMark.path().c_str(), &B), 1);
  EXPECT_EQ(std::make_tuple(B.GetFileVersion(), text(B, &CZRVReportItemManager::GetFileID),
                            views(B), B.GetItemExCount(), itemIds(B)),
            std::make_tuple(1001, std::wstring(L"T0001"), views(A), 6, itemIds(A)));
  EXPECT_EQ(itemIds(B).size(), 3u);
  CZRVReportItemManager HeaderOnly;
  EXPECT_EQ(Reader.LoadTemplateFileHeader(WithMark.path().c_str(), &HeaderOnly), 1);
  EXPECT_EQ(HeaderOnly.GetFileVersion(), 1001);

  // A mark before a data line is part of that line: here it makes a name
  // that the items do not use.
  TemplateFile MarkedName(header(1001) +
                          joinLines({ViewSection, "\xEF\xBB\xBFTop,90,0,0,1", "[FlowResult]",
                                     itemLine("Pressure", "Top"), EofLine}));
  CZRVReportItemManager C;
  ASSERT_EQ(Reader.LoadSolidInjection(MarkedName.path().c_str(), &C), 1);
  EXPECT_EQ(views(C), std::vector<std::wstring>{L"\uFEFFTop"});
  EXPECT_EQ(eachItem(C, &CZRVReportItem::GetViewName), std::vector<std::wstring>{L""});
}

TEST(BadInput, CarriageReturnAloneDoesNotEndALine) {
  // Old-style line ends: the whole file is one line. Its first tag starts the
  // header parser, which finds no further line; nothing else is read.
  std::string Bytes =
      "[FileHeader]\rFileVersion,1001\rRemark,r\r[ViewSetting]\rTop,90,0,0,1\r" + EofLine;
  TemplateFile File(Bytes);
  CZRVReportTemplateReader Reader;
  CZRVReportItemManager Doc;
  Recorder Findings;
  ASSERT_EQ(Reader.Load(ZRV_LOAD_SOLID_INJECTION, File.path().c_str(), &Doc, 0, 0, &Findings), 1);
  EXPECT_EQ(std::make_tuple(Doc.GetFileVersion(), text(Doc, &CZRVReportItemManager::GetRemark),
                            Doc.GetViewOptionCount(), Findings.Findings.size()),
            std::make_tuple(0, std::wstring(), 0, std::size_t{0})); // the one line holds "[EOF]"
  CZRVReportItemManager HeaderOnly;
  EXPECT_EQ(Reader.LoadTemplateFileHeader(File.path().c_str(), &HeaderOnly), 1);
  EXPECT_EQ(HeaderOnly.GetFileVersion(), 0);
}

TEST(BadInput, TenThousandMeltFrontPercentagesKeepOneHundred) {
  // What reaches the line parser is at most 511 bytes: the reader's pieces.
  std::string Many = "Many,";
  for (int I = 1; I <= 10000; ++I)
    Many += (I > 1 ? "-" : "") + std::to_string(I);
  const std::string Bytes =
      header(1001) +
      joinLines({"[MeltFrontTimeCapture]", "Settings,\"Capture Percentage\"", Many, "After,10-20",
                 "[ResultEx]", "Flow-MeltFrontTime, 1, Many", EofLine});
  CZRVReportItemManager Doc;
  ASSERT_EQ(loadBytes(Bytes, Doc), 1);
  // The first piece holds 154 percentages (the last cut short); 100 are kept. The other pieces
  // are single words (no blank) and are ignored.
  EXPECT_EQ(options(Doc, &CZRVReportItemManager::GetMeltOption),
            (std::vector<std::wstring>{L"After", L"Many"}));
  auto Melt = Doc.GetMeltSetting(L"Many");
  ASSERT_EQ(Melt.Count, 100);
  for (int I = 0; I < 100; ++I)
    ASSERT_EQ(Melt.Percentage[I], I + 1) << I;
  EXPECT_EQ(Doc.GetMeltSetting(L"After").Count, 2);
  CZRVReportItemEx Entry;
  ASSERT_EQ(Doc.GetItemEx(0, Entry), 1);
  EXPECT_EQ(std::make_pair(Entry.MeltCapture.Count, Entry.MeltCapture.Percentage[99]),
            std::make_pair(100, 100.0));
}

TEST(BadInput, NumbersBeyondIntAreClampedRealsBeyondDoubleAreNotNumbers) {
  const std::string ItemBeyondInt = "Pressure,99999999999,-99999999999,4294967297,-2147483649,"
                                    "2147483647,99999999999999999999,-,-,"
                                    "-,-,-,99999999999,-99999999999,99999999999";
  const std::string Bytes =
      joinLines({"[FileHeader]", "FileVersion,99999999999", "ProjectType,-99999999999",
                 "AppType,2147483648", "[ViewSetting]", "Big,1e308,0,0,1", "Huge,1e309,0,0,1"}) +
      joinLines({"Tiny,1e-400,0,0,1", "[ClippingSetting]",
                 "Clip, 99999999999, -99999999999, 0, 0,50,50,50,0", "[MeltFrontTimeCapture]",
                 "Settings", "Melt,1e999-5", "[ResultEx]",
                 "Flow-MeltFrontTime, 99999999999, Melt"}) +
      joinLines({"PPTTemplate, 1, -", "3DPDF, 0, -", "Animation, 0, Default",
                 "WarpageScale, 1, 1e999", "[FlowResult]", ItemLabel, ItemBeyondInt, EofLine});
  CZRVReportItemManager Doc;
  ASSERT_EQ(loadBytes(Bytes, Doc), 1);
  const int Max = 2147483647, Min = -Max - 1;
  EXPECT_EQ(std::make_tuple(Doc.GetFileVersion(), Doc.GetFileProjectType(), Doc.GetFileAppType()),
            std::make_tuple(Max, Min, Max));
  // 1e309 and 1e-400 lie outside double: not numbers, so their lines give
  // no values and are ignored.
  EXPECT_EQ(views(Doc), std::vector<std::wstring>{L"Big"});
  EXPECT_EQ(Doc.GetViewSetting(L"Big").AngleX, 1e308);
  auto Clip = Doc.GetClippingSetting(L"Clip");
  EXPECT_EQ(std::make_pair(Clip.ClipBy, Clip.KeepX), std::make_pair(Max, Min));
  auto Melt = Doc.GetMeltSetting(L"Melt");
  EXPECT_EQ(std::make_tuple(Melt.Count, Melt.Percentage[0], Melt.Percentage[1]),
            std::make_tuple(2, 0.0, 5.0));
  ASSERT_EQ(Doc.GetItemExCount(), 5);
  CZRVReportItemEx First, Last;
  Doc.GetItemEx(0, First);
  Doc.GetItemEx(4, Last);
  // Only 1 sets the output.
  EXPECT_EQ(std::make_pair(First.Output, Last.WarpageScale), std::make_pair(0, 0.0));
  ASSERT_EQ(Doc.GetItemCount(), 1);
  const CZRVReportItem Item = itemAt(Doc, 0);
  EXPECT_EQ(std::make_tuple(Item.GetOutput(), Item.GetDisplayMode(), Item.GetParameterValueX(),
                            Item.GetParameterValueY(), Item.GetParameterValueZ(),
                            Item.GetFaceNumber(), Item.GetOutputAirTrap(), Item.GetOutputWeldLine(),
                            Item.GetItemCountOf1Page()),
            std::make_tuple(0, 0, Max, Min, Max, Max, Max, Min, Max));
}

TEST(BadInput, NamesOf255CharactersLoadLongerOnesDoNot) {
  const std::string N255(255, 'n'), N256(256, 'm'), N1000(1000, 'k');
  const std::string N700 = std::string(511, 'a') + std::string(189, 't');
  CZRVReportItemManager Doc;
  ASSERT_EQ(
      loadBytes(
          header(1001) +
              joinLines({"Remark," + std::string(255, 'r'), "CreateBy," + std::string(256, 'c'),
                         ViewSection, N255 + ",1,0,0,1", N256 + ",2,0,0,1", N1000 + ",3,0,0,1",
                         N700 + ",4,0,0,1", "[FlowResult]", ItemLabel, itemLine("Pressure", N255),
                         itemLine("MeltFrontTime", N256), EofLine}),
          Doc),
      1);
  EXPECT_EQ(text(Doc, &CZRVReportItemManager::GetRemark), std::wstring(255, L'r'));
  EXPECT_EQ(text(Doc, &CZRVReportItemManager::GetCreateBy), L""); // 256: the line is ignored
  // 255 loads; 256 does not; the 1,000-character line arrives in two pieces:
  // 511 characters without values, then 489 characters with values, still
  // too long a name. A 700-character name leaves a 189-character tail that
  // the reader takes as a line of its own: the tail loads as a name.
  EXPECT_EQ(views(Doc),
            (std::vector<std::wstring>{std::wstring(255, L'n'), std::wstring(189, L't')}));
  EXPECT_EQ(Doc.GetViewSetting(std::wstring(189, L't').c_str()).AngleX, 4);
  // The item naming the 255-character view has it; the item line with a
  // 256-character name field is ignored as a whole.
  EXPECT_EQ(eachItem(Doc, &CZRVReportItem::GetViewName),
            std::vector<std::wstring>{std::wstring(255, L'n')});
}

TEST(BadInput, BracketInANameEndsItsSection) {
  CZRVReportItemManager Doc;
  Recorder Findings;
  ASSERT_EQ(loadBytes(joinLines({"[FileHeader]", "FileVersion,1001", "Remark,a[b", "CreateBy,lost",
                                 ViewSection, ViewLabel, "Top,90,0,0,1", "Odd[1],1,2,3,4",
                                 "Side,0,90,0,1", "[FlowResult]", ItemLabel,
                                 itemLine("Pressure", "Top"), itemLine("MeltFrontTime", "Odd[1]"),
                                 itemLine("Density", "Top"), EofLine}),
                      Doc, &Findings),
            1);
  // "Remark,a[b" ends [FileHeader]: the remark and the line after it are
  // lost, and the main loop passes over lines up to the next tag.
  EXPECT_EQ(std::make_tuple(Doc.GetFileVersion(), text(Doc, &CZRVReportItemManager::GetRemark),
                            text(Doc, &CZRVReportItemManager::GetCreateBy)),
            std::make_tuple(1001, std::wstring(), std::wstring()));
  // "Odd[1]" ends [ViewSetting]; "Side" after it is passed over.
  EXPECT_EQ(views(Doc), std::vector<std::wstring>{L"Top"});
  // The item line holding '[' ends [FlowResult]: the module and the item
  // before it stay, the item after it is passed over.
  EXPECT_EQ(Doc.GetModuleCount(), 1);
  EXPECT_EQ(eachItem(Doc, &CZRVReportItem::GetItemSaveName),
            std::vector<std::wstring>{L"Pressure"});
  auto PassedOver = Findings.where(Kind::SectionPassedOver);
  ASSERT_EQ(PassedOver.size(), 3u);
  EXPECT_EQ(std::make_tuple(PassedOver[0].first, PassedOver[1], PassedOver[2].first),
            std::make_tuple(3, std::make_pair(8, std::wstring(L"Odd[1],1,2,3,4")), 13));
}

TEST(BadInput, AFolderOrAnUnreadableFileIsNotLoaded) {
  // Opening a folder for reading works on some systems; the load must fail as
  // for a file that cannot be opened, and leave the document alone. One
  // message each, with the reason after the path (its words: StatusTest.cpp).
  TempDir Dir;
  fs::create_directory(Dir.path() / "folder.csv");
  TemplateFile File(header(1001) + joinLines({ViewSection, "Top,90,0,0,1"}));
  std::vector<std::pair<std::wstring, std::wstring>> Cases = {{Dir.file(L"folder.csv"), L""}};
#ifndef _WIN32 // no read permission to take away there; root reads without it
  if (::geteuid() != 0) {
    fs::permissions(File.folder().path() / "t.csv", fs::perms::none);
    Cases.emplace_back(File.path(), L"Permission denied");
  }
#endif
  for (const auto& [Path, Reason] : Cases) {
    CZRVReportTemplateReader Reader;
    CZRVReportItemManager Doc;
    Doc.SetViewSetting(L"Kept", CZRVReportItem::tagVIEWSETTING());
    Doc.SetFileVersion(5);
    DiagnosticCapture Capture;
    EXPECT_EQ(Reader.LoadShellInjection(Path.c_str(), &Doc), 0);
    EXPECT_EQ(Reader.LoadTemplateFileHeader(Path.c_str(), &Doc), 0);
    ASSERT_EQ(Capture.Messages.size(), 1u);
    const std::wstring Lead =
        L"[ReportTemplateReader] Can't open this template file " + Path + L": ";
    if (Reason.empty()) // the folder's reason differs between systems
      EXPECT_TRUE(Capture.Messages[0].rfind(Lead, 0) == 0 &&
                  Capture.Messages[0].size() > Lead.size());
    else
      EXPECT_EQ(Capture.Messages[0], Lead + Reason);
    EXPECT_EQ(views(Doc), std::vector<std::wstring>{L"Kept"});
    EXPECT_EQ(Doc.GetFileVersion(), 5);
  }
  fs::permissions(File.folder().path() / "t.csv", fs::perms::owner_all);
}

TEST(BadInput, FindingsOfALongLineInAResultSectionComeInFileOrder) {
  // A result section is collected before its lines are parsed; a line too
  // long to read at once inside it is still reported in its place, and once
  // also when a NUL byte cuts its first piece short (the NUL ends the text of
  // that piece only: each later piece is a line of its own).
  using namespace std::string_literals;
  std::string Long = itemLine("Pressure", "-") + ",";
  Long += std::string(1500 - Long.size(), 'x');
  std::string LongWithNul = "Ghost\0"s + std::string(1500, 'y');
  CZRVReportItemManager Doc;
  Recorder Findings;
  ASSERT_EQ(loadBytes(header(1001) +
                          joinLines({"[FlowResult]", ItemLabel, itemLine("Unknown"), Long,
                                     LongWithNul, "Density,9,0,0,0,0,10,-,-,-,-,-,0,0,1", EofLine}),
                      Doc, &Findings),
            1);
  std::vector<Kind> Kinds;
  std::vector<int> Lines;
  for (const ZRVTemplateFinding& F : Findings.Findings) {
    Kinds.push_back(F.Kind);
    Lines.push_back(F.Line);
  }
  const Kind U = Kind::UnknownItemKey, T = Kind::LineTooLong, I = Kind::LineIgnored;
  EXPECT_EQ(Kinds, (std::vector<Kind>{U, T, I, I, I, T, I, I, I, Kind::ValueOutOfRange}));
  EXPECT_EQ(Lines, (std::vector<int>{7, 8, 8, 8, 8, 9, 9, 9, 9, 10}));
  EXPECT_EQ(eachItem(Doc, &CZRVReportItem::GetItemSaveName), std::vector<std::wstring>{L"Density"});
}

TEST(BadInput, TemplateTreeWithALinkLoopAndALinkOutside) {
  // ReportSetting/sub/loop points back at ReportSetting, ReportSetting/away at
  // a folder outside the tree: the copy must end, and neither link is
  // descended into.
  TempDir Dir;
  const fs::path Source = Dir.path() / "install" / "ReportSetting";
  const fs::path Outside = Dir.path() / "elsewhere";
  plant(Source, "sub/picture.png=png");
  plant(Outside, "private.txt=private");
  std::error_code Error;
  fs::create_directory_symlink(Source, Source / "sub" / "loop", Error);
  if (!Error)
    fs::create_directory_symlink(Outside, Source / "away", Error);
  if (Error)
    GTEST_SKIP() << "symbolic links cannot be made here";

  CZRVReportSetting Setting;
  const std::wstring From = (Dir.path() / "install").wstring();
  const std::wstring To = (Dir.path() / "project").wstring();
  fs::create_directories(Dir.path() / "project");
  EXPECT_EQ(Setting.CopyReportSettingTemplateFile(From.c_str(), To.c_str()), 1);
  const fs::path Target = Dir.path() / "project" / "ReportSetting";
  EXPECT_EQ(readBytes(Target / "sub" / "picture.png"), "png");
  EXPECT_FALSE(fs::is_directory(Target / "sub" / "loop"));
  EXPECT_FALSE(fs::exists(Target / "away" / "private.txt"));
}
