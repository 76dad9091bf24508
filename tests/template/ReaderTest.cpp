// ReaderTest.cpp - loading report templates: the example file field by field,
// the order of sections, line shapes, versions, key lists and the findings a
// load reports to its observer.

#include "TemplateTestSupport.h"

using namespace zrvtest;
using Kind = ZRVTemplateFindingKind;

namespace {

/// \p Piece \p Count times.
template <typename Text> Text repeated(const Text& Piece, int Count) {
  Text Out;
  for (int I = 0; I < Count; ++I)
    Out += Piece;
  return Out;
}
std::string repeated(const char* Piece, int Count) { return repeated(std::string(Piece), Count); }
std::wstring repeated(const wchar_t* Piece, int Count) {
  return repeated(std::wstring(Piece), Count);
}

} // namespace

TEST(TemplateReader, ExampleFileLoadsFieldByField) {
  // The fields that a save writes back are compared byte for byte in
  // WriterRoundTripTest.cpp; here what a load adds: ids from the key lists,
  // records resolved from the libraries and the flags derived from them.
  CZRVReportItemManager M;
  CZRVReportTemplateReader Reader;
  ASSERT_EQ(
      Reader.LoadSolidInjection(dataFile("example_solid_injection.csv").wstring().c_str(), &M), 1);
  EXPECT_EQ(M.GetFileVersion(), 1001);
  EXPECT_EQ(text(M, &CZRVReportItemManager::GetRemark), L"first issue");
  EXPECT_EQ(M.GetClippingSetting(L"Half_X").Name, L"Half_X");
  EXPECT_EQ(M.GetMeltSetting(L"Quarters").Percentage[3], 100);
  ASSERT_EQ(M.GetItemExCount(), 6);
  CZRVReportItemEx Ex;
  M.GetItemEx(0, Ex);
  EXPECT_EQ(std::make_tuple(Ex.MeltName, Ex.HasMeltCapture, Ex.MeltCapture.Count),
            std::make_tuple(std::wstring(L"Quarters"), 1, 4));
  M.GetItemEx(3, Ex);
  EXPECT_EQ(Ex.AnimationSetting.FPS, 10);
  M.GetItemEx(5, Ex);
  EXPECT_EQ(Ex.ImageSetting.Resolution, 6);

  std::vector<int> Modules;
  M.GetModuleIDList(Modules);
  EXPECT_EQ(Modules, (std::vector<int>{0, 1}));
  EXPECT_EQ(itemIds(M), (std::vector<int>{1593, 417, 422}));
  const CZRVReportItem Shaded = itemAt(M, 0);
  EXPECT_EQ(std::make_tuple(Shaded.GetModuleID(), Shaded.GetItemName(), Shaded.GetViewX(),
                            Shaded.IsShowPart()),
            std::make_tuple(0, std::wstring(), 45.0, 1));
  const CZRVReportItem Melt = itemAt(M, 1);
  EXPECT_EQ(std::make_pair(Melt.IsFocusCapture(), Melt.GetItemCountOf1Page()),
            std::make_pair(1, 2));
  const CZRVReportItem Pressure = itemAt(M, 2);
  EXPECT_EQ(std::make_tuple(Pressure.HasClippingSetting(), Pressure.GetClipRecord().RangeX,
                            Pressure.GetParameterZ()),
            std::make_tuple(1, 50.0, 1));
  EXPECT_EQ(Pressure.GetViewNameList(), (std::vector<std::wstring>{L"Iso_Front", L"Top_View"}));
  ASSERT_EQ(Pressure.GetViewRecordList().size(), 2u); // filled after the load
  EXPECT_EQ(Pressure.GetViewRecordList()[0].AngleY, 30);
  EXPECT_EQ(Pressure.GetViewName(), L"");
  // An item's clipping, object, capture and slicing records carry the
  // setting's name; a single view's record only its angles and scale.
  EXPECT_EQ(std::make_tuple(Pressure.GetClipRecord().Name, Pressure.GetSliceRecord().Name,
                            Shaded.GetObjectRecord().Name, Melt.GetCaptureRecord().Name),
            std::make_tuple(L"Half_X", L"Mid_Z", L"Part_Only", L"Close_Up"));
  EXPECT_EQ(std::make_pair(Shaded.GetViewName(), Shaded.GetViewRecord().Name),
            std::make_pair(std::wstring(L"Iso_Front"), std::wstring()));
}

TEST(TemplateReader, SectionsOutOfOrderArePassedOverWithTheirLines) {
  const std::string Bytes =
      header(1001) +
      joinLines({"[ObjectSetting]", "Obj, 0, 1, 0, 0,0,0,0,0,0,0", "", "[SlicingSetting]",
                 "Cut, 0, 0, 1, 50, 50, 50", "", "[FocusCapture]", "Cap, 1, 10, 10 ", "",
                 "[CoolResult]", ItemLabel, itemLine("Temperature"), "[FlowResult]", ItemLabel,
                 itemLine("Pressure"), "[WarpResult]", itemLine("XDisplacement"), EofLine});
  CZRVReportItemManager M;
  Recorder Findings;
  ASSERT_EQ(loadBytes(Bytes, M, &Findings), 1);
  EXPECT_EQ(M.GetObjectOptionCount(), 1);
  EXPECT_EQ(M.GetSlicingOptionCount(), 0); // directly after [ObjectSetting]: passed over
  EXPECT_EQ(M.GetCaptureOptionCount(), 1); // the next tag runs the chain from its start
  std::vector<int> Modules;
  M.GetModuleIDList(Modules);
  EXPECT_EQ(Modules, (std::vector<int>{3, 4})); // [FlowResult] after [CoolResult]: passed over
  EXPECT_EQ(itemIds(M), (std::vector<int>{1018, 1186}));
  // Each passed-over tag names the section it ended.
  std::vector<std::pair<int, std::wstring>> PassedOver;
  for (const ZRVTemplateFinding& F : Findings.Findings)
    PassedOver.emplace_back(F.Kind == Kind::SectionPassedOver ? F.Line : -1, F.Section);
  ASSERT_EQ(PassedOver.size(), 2u);
  EXPECT_EQ(PassedOver.front(), std::make_pair(8, std::wstring(L"[ObjectSetting]")));
  EXPECT_EQ(PassedOver.back().second, L"[CoolResult]");
  // The sections read, with their tag lines: the chain runs again from
  // [FocusCapture] on line 11.
  ASSERT_EQ(Findings.SectionsRead.size(), 5u);
  EXPECT_EQ(std::make_pair(Findings.SectionsRead[2].Line, Findings.SectionsRead[2].Section),
            std::make_pair(11, std::wstring(L"[FocusCapture]")));
}

TEST(TemplateReader, FileVersionsDecideHowItemLinesAreRead) {
  auto load = [](int Version) {
    TemplateFile File(header(Version) +
                      joinLines({"[ViewSetting]", "V,1,2,3,1", "", "[FlowResult]", ItemLabel,
                                 "Pressure,1,1,0,0,1,10,-,V,-,-,-,1,0,3", EofLine}));
    auto M = std::make_unique<CZRVReportItemManager>();
    CZRVReportTemplateReader Reader;
    EXPECT_EQ(Reader.LoadSolidInjection(File.path().c_str(), M.get()), 1);
    return M;
  };
  auto V999 = load(999);
  EXPECT_EQ(V999->GetItemCount(), 0);
  EXPECT_EQ(V999->GetModuleCount(), 1); // the section still adds its module
  EXPECT_EQ(V999->GetViewOptionCount(), 1);

  // Version 1000 reads the key and six numbers (ReadLinesTest.cpp): no view.
  auto V1000 = load(1000);
  ASSERT_EQ(V1000->GetItemCount(), 1);
  EXPECT_EQ(itemAt(*V1000, 0).GetViewName(), L"");

  auto V1001 = load(1001);
  ASSERT_EQ(V1001->GetItemCount(), 1);
  EXPECT_EQ(itemAt(*V1001, 0).GetViewName(), L"V");
  EXPECT_EQ(itemAt(*V1001, 0).GetItemCountOf1Page(), 3);
}

TEST(TemplateReader, ItemLinesByFieldCount) {
  const std::string Bytes =
      header(1001) +
      joinLines({"[SlicingSetting]", "S, 0, 1, 0, 50, 50, 50", "", "[FlowResult]", ItemLabel,
                 "Pressure,1,0,0,0,0,10,-,-,-,-",           // 11 fields
                 "Temperature,1,0,0,0,0,10,-,-,-,-,S",      // 12: slicing
                 "ShearRate,1,0,0,0,0,10,-,-,-,-,S,1",      // 13: ignored
                 "Density,1,0,0,0,0,10,-,-,-,-,S,1,1",      // 14: AirTrap, WeldLine
                 "Viscosity,1,0,0,0,0,10,-,-,-,-,-,0,0,0",  // 15: count 0 reads 1
                 "WeldLine,7,5,0,0,0,10,,,,,,0,0,4,My tag", // 16: tag name
                 itemLine("Bogus"),                         // no such key
                 itemLine("HeatFlux"),                      // a key of the cooling list
                 itemLine("CentralTemperature"),            // shell-only key
                 EofLine});
  CZRVReportItemManager M;
  Recorder Findings;
  ASSERT_EQ(loadBytes(Bytes, M, &Findings), 1);
  EXPECT_EQ(eachItem(M, &CZRVReportItem::GetItemSaveName),
            (std::vector<std::wstring>{L"Pressure", L"Temperature", L"Density", L"Viscosity",
                                       L"WeldLine"}));
  EXPECT_EQ(itemAt(M, 0).GetSlicingName(), L"");
  EXPECT_EQ(std::make_pair(itemAt(M, 1).GetSlicingName(), itemAt(M, 1).GetParameterY()),
            std::make_pair(std::wstring(L"S"), 1));
  const CZRVReportItem Fourteen = itemAt(M, 2);
  EXPECT_EQ(std::make_tuple(Fourteen.GetOutputAirTrap(), Fourteen.GetOutputWeldLine(),
                            Fourteen.GetItemCountOf1Page()),
            std::make_tuple(1, 1, 1));
  EXPECT_EQ(itemAt(M, 3).GetItemCountOf1Page(), 1);
  // How the 16-field line's values read: ReadLinesTest.cpp.
  EXPECT_EQ(itemAt(M, 4).GetTagName(), L"My");

  EXPECT_EQ(Findings.of(Kind::UnknownItemKey).size(), 3u);
  std::vector<std::pair<int, int>> OutOfRange; // field, value
  for (const ZRVTemplateFinding& F : Findings.of(Kind::ValueOutOfRange))
    OutOfRange.emplace_back(F.Field, F.Number);
  EXPECT_EQ(OutOfRange, (std::vector<std::pair<int, int>>{{15, 0}, {2, 7}, {3, 5}}));
  const auto Ignored = Findings.of(Kind::LineIgnored);
  ASSERT_EQ(Ignored.size(), 1u);
  EXPECT_EQ(std::make_tuple(Ignored[0].Line, Ignored[0].Number, Ignored[0].Section),
            std::make_tuple(12, 13, std::wstring(L"[FlowResult]")));

  // Version 1000: the key and six numbers, the ranges of fields 2 and 3
  // checked on the line's own fields.
  CZRVReportItemManager Old;
  Recorder OldFindings;
  ASSERT_EQ(loadBytes(header(1000) + joinLines({"[FlowResult]", ItemLabel, "Pressure,7,9,0,0,1,10",
                                                "Density,3,4,0,0,1,10", EofLine}),
                      Old, &OldFindings),
            1);
  EXPECT_EQ(Old.GetItemCount(), 2);
  OutOfRange.clear();
  for (const ZRVTemplateFinding& F : OldFindings.of(Kind::ValueOutOfRange))
    OutOfRange.emplace_back(F.Field, F.Number);
  EXPECT_EQ(OutOfRange, (std::vector<std::pair<int, int>>{{2, 7}, {3, 9}}));
}

TEST(TemplateReader, AnItemsCaptureFocusNeedsAWidthAndAHeight) {
  CZRVReportItemManager M;
  ASSERT_EQ(
      loadBytes(header(1001) + joinLines({"[FocusCapture]", "Wide, 1, 800, 0", "Full, 1, 800, 600",
                                          "[FlowResult]", ItemLabel,
                                          "Pressure,1,0,0,0,0,10,-,-,-,Wide,-,0,0,1",
                                          "Density,1,0,0,0,0,10,-,-,-,Full,-,0,0,1", EofLine}),
                M),
      1);
  ASSERT_EQ(M.GetItemCount(), 2);
  EXPECT_EQ(std::make_pair(itemAt(M, 0).IsFocusCapture(), itemAt(M, 1).IsFocusCapture()),
            std::make_pair(0, 1));
}

TEST(TemplateReader, ViewListsResolvePartByPart) {
  TemplateFile File(
      header(1001) +
      joinLines({"[ViewSetting]", "Top,90,0,0,1", "Side,0,90,0,1", "", "[FlowResult]", ItemLabel,
                 itemLine("Pressure", "Top;Nowhere;"), itemLine("Temperature", "Gone;Lost;"),
                 itemLine("Density"), itemLine("Viscosity", "Side"),
                 itemLine("ShearRate", "Top;Side;"), itemLine("MeltFrontTime", "Side;Top;"),
                 itemLine("WeldLine", "Top;Top;Nowhere;Side;"), EofLine}));
  CZRVReportItemManager Shell, Solid;
  CZRVReportTemplateReader Reader;
  ASSERT_EQ(Reader.LoadSolidInjection(File.path().c_str(), &Solid), 1);
  EXPECT_EQ(itemAt(Solid, 0).GetViewNameList(), std::vector<std::wstring>{L"Top"});
  EXPECT_EQ(itemAt(Solid, 0).GetViewRecordList().size(), 1u);
  EXPECT_EQ(eachItem(Solid, &CZRVReportItem::HasViewSetting),
            (std::vector<int>{1, 0, 0, 1, 1, 1, 1}));
  EXPECT_EQ(itemAt(Solid, 1).GetViewCount(), 0);
  EXPECT_EQ(std::make_pair(itemAt(Solid, 3).GetViewY(), itemAt(Solid, 3).GetViewName()),
            std::make_pair(90.0, std::wstring(L"Side")));
  // The same views in the same order make one list, repeats and unknown
  // names aside; another order is another list.
  const std::vector<std::wstring> TopSide{L"Top", L"Side"}, SideTop{L"Side", L"Top"};
  EXPECT_EQ(itemAt(Solid, 6).GetViewNameList(), TopSide);
  EXPECT_EQ(itemAt(Solid, 4).GetViewNameList(), TopSide);
  EXPECT_EQ(itemAt(Solid, 5).GetViewNameList(), SideTop);
  EXPECT_EQ(itemAt(Solid, 5).GetViewRecordList()[1].AngleX, 90.0);

  // A shell load keeps the names but fills no records.
  TemplateFile ShellFile(header(1001) +
                         joinLines({"[ViewSetting]", "Top,90,0,0,1", "Side,0,90,0,1", "",
                                    "[FlowResult]", ItemLabel, itemLine("Pressure", "Top;Side;")}));
  ASSERT_EQ(Reader.LoadShellInjection(ShellFile.path().c_str(), &Shell), 1);
  EXPECT_EQ(itemAt(Shell, 0).GetViewCount(), 2);
  EXPECT_EQ(itemAt(Shell, 0).GetViewRecordList().size(), 0u);
}

TEST(TemplateReader, ItemLineNamesResolveAsTheirDecodedText) {
  // Item lines name settings by their bytes: ASCII names as they stand,
  // others as they decode, ill-formed bytes as the U+FFFD they decode to.
  // 261 bytes, 255 characters: the longest name.
  const std::string LongName = repeated("v", 249) + repeated("\xc3\x84", 6);
  auto line = [](const std::string& Key, const std::string& View, const std::string& Slicing) {
    return Key + ",1,0,0,0,0,10,-," + View + ",-,-," + Slicing + ",0,0,1";
  };
  const std::string Bytes = header(1001) + joinLines({"[ViewSetting]",
                                                      "Top,90,0,0,1",
                                                      "\xc3\x84,0,90,0,1",
                                                      LongName + ",0,0,90,1",
                                                      "",
                                                      "[SlicingSetting]",
                                                      "\xff, 0, 1, 0, 50, 50, 50",
                                                      "",
                                                      "[ResultEx]",
                                                      "WarpageScale, 1, 2.5",
                                                      "Image, 1, Gone",
                                                      "",
                                                      "[FlowResult]",
                                                      ItemLabel,
                                                      line("Pressure", "Top", "\xfe"),
                                                      line("Temperature", "To", "-"),
                                                      line("Density", "Top2", "-"),
                                                      line("Viscosity", "\xc3\x84", "-"),
                                                      line("ShearRate", LongName, "-"),
                                                      line("WeldLine", LongName + "\xc3\x84", "-"),
                                                      "[PackResult]",
                                                      ItemLabel,
                                                      line("Temperature", "Top;Nope;", "-"),
                                                      line("Density", "Top;Nope;", "-"),
                                                      line("Viscosity", "Top;\xc3\x84;Top;", "-"),
                                                      line("ShearRate", "Top;\xc3\x84;Top;", "-"),
                                                      line("Pressure", "-", "-"),
                                                      EofLine});
  CZRVReportItemManager M;
  Recorder Findings;
  ASSERT_EQ(loadBytes(Bytes, M, &Findings), 1);
  EXPECT_EQ(eachItem(M, &CZRVReportItem::GetViewName),
            (std::vector<std::wstring>{L"Top", L"", L"", L"\u00c4",
                                       repeated(L"v", 249) + repeated(L"\u00c4", 6), L"", L"", L"",
                                       L"", L""}));
  // A several-view field read again gives the same names, and tells again
  // of a name not found.
  using Names = std::vector<std::wstring>;
  EXPECT_EQ(std::make_tuple(itemAt(M, 5).GetViewNameList(), itemAt(M, 6).GetViewNameList(),
                            itemAt(M, 7).GetViewNameList(), itemAt(M, 8).GetViewNameList()),
            std::make_tuple(Names{L"Top"}, Names{L"Top"}, Names{L"Top", L"\u00c4"},
                            Names{L"Top", L"\u00c4"}));
  EXPECT_EQ(itemAt(M, 0).GetSlicingName(), L"\ufffd");
  std::vector<std::wstring> Unresolved;
  for (const ZRVTemplateFinding& F : Findings.of(Kind::UnresolvedName))
    Unresolved.push_back(F.Text);
  // A warpage scale names no setting: only the image is unresolved there.
  EXPECT_EQ(Unresolved, (std::vector<std::wstring>{L"Gone", L"To", L"Top2", L"Nope", L"Nope"}));
  // A name of 256 characters drops its line.
  EXPECT_EQ(Findings.of(Kind::LineIgnored).size(), 1u);

  // A key gives each section's own item.
  auto idsOf = [](const std::string& Sections) {
    CZRVReportItemManager Doc;
    EXPECT_EQ(loadBytes(header(1001) + Sections, Doc), 1);
    return itemIds(Doc);
  };
  const std::string Flow = joinLines({"[FlowResult]", ItemLabel, itemLine("Pressure"), ""});
  const std::string Pack = joinLines({"[PackResult]", ItemLabel, itemLine("Pressure"), ""});
  const int FlowId = idsOf(Flow).at(0), PackId = idsOf(Pack).at(0);
  EXPECT_NE(FlowId, PackId);
  EXPECT_EQ(idsOf(Flow + Pack), (std::vector<int>{FlowId, PackId}));
  EXPECT_EQ(itemIds(M).back(), PackId);
}

TEST(TemplateReader, ICPackageRemovalsCountOnlyFlagOneAndThermosetSwitchesKeyLists) {
  TemplateFile File(
      header(1001) +
      joinLines({"[FlowResult]", ItemLabel, itemLine("GateContribution"),
                 itemLine("XY_SpruePressure"), itemLine("XY_ClampingForce"),
                 itemLine("XY_FlowRate"), itemLine("XY_FlowRateGate"), "[CureResult]", ItemLabel,
                 itemLine("GateContribution"), itemLine("XY_SpruePressure"), EofLine}));
  CZRVReportTemplateReader Reader;
  auto ids = [&](int Underfill, int Encapsulation) {
    CZRVReportItemManager M;
    EXPECT_EQ(Reader.LoadSolidICPackage(File.path().c_str(), &M, Underfill, Encapsulation), 1);
    return itemIds(M);
  };
  EXPECT_EQ(ids(0, 0), (std::vector<int>{572, 1579, 1580, 1581, 1585, 972, 1579}));
  EXPECT_EQ(ids(2, 2), (std::vector<int>{572, 1579, 1580, 1581, 1585, 972, 1579}));
  EXPECT_EQ(ids(1, 0), (std::vector<int>{1581, 1585}));
  EXPECT_EQ(ids(0, 1), (std::vector<int>{572, 1580, 972, 1579}));

  // The thermoset flag switches key lists.
  TemplateFile CM(header(1001) + joinLines({"[FlowResult]", ItemLabel, itemLine("MeltFrontTime"),
                                            "FiberConcetrationVolumePercentage,1,0,0,0,0,10,-,-,"
                                            "-,-,-,0,0,1",
                                            EofLine}));
  CZRVReportItemManager Plain, Thermoset;
  ASSERT_EQ(Reader.LoadSolidCM(CM.path().c_str(), &Plain, 0), 1);
  ASSERT_EQ(Reader.LoadSolidCM(CM.path().c_str(), &Thermoset, 1), 1);
  // The CM extra key resolves without thermoset; with it, the reaction-injection flow list.
  ASSERT_EQ(itemIds(Plain).size(), 2u);
  EXPECT_EQ(itemIds(Plain)[1], 462);
  EXPECT_EQ(itemIds(Thermoset), std::vector<int>{509});
}

TEST(TemplateReader, TextNotUtf8IsToldAtItsFirstBadByte) {
  CZRVReportItemManager M;
  Recorder Findings;
  loadBytes(joinLines({"[ViewSetting]",
                       "abcdefghijklmnop\xFF,1,2,3,1", // after two words of ASCII
                       "\xC3\xA9"
                       "abcdefghij\xE0\x80,1",                       // after a good sequence
                       "\xFFx",                                      // at once
                       "caf\xC3\xA9 au lait, 1, 2, 3, 1",            // well-formed
                       "\xF4\x8F\xBF\xBF \xC2\x80 \xF0\x90\x80\x80", // U+10FFFF, U+0080, U+10000
                       "\xE0\xA0\x80 \xED\x9F\xBF \xEE\x80\x80",     // U+0800, U+D7FF, U+E000
                       "a\xC1\xBF",                                  // an overlong lead
                       "ab\xF5\x80\x80\x80",                         // past U+10FFFF
                       "abc\x80",                                    // a lone continuation byte
                       EofLine}),
            M, &Findings);
  std::vector<std::pair<int, int>> Where; // line, column
  for (const ZRVTemplateFinding& F : Findings.of(Kind::TextNotUtf8))
    Where.emplace_back(F.Line, F.Number);
  EXPECT_EQ(Where,
            (std::vector<std::pair<int, int>>{{2, 17}, {3, 13}, {4, 1}, {8, 2}, {9, 3}, {10, 4}}));
}

TEST(TemplateReader, LibrariesAreReplacedAndListsAppended) {
  TemplateFile File(
      header(1001) +
      joinLines({"[ViewSetting]", "V,1,2,3,1", "", "[ResultEx]", "3DPDF, 1, -", "", "[FlowResult]",
                 ItemLabel, itemLine("Pressure", "V"), EofLine, "trailing text"}));
  CZRVReportItemManager M;
  CZRVReportItem::tagCLIPSETTING Old;
  M.SetClippingSetting(L"Old", Old);
  CZRVReportTemplateReader Reader;
  ASSERT_EQ(Reader.LoadSolidInjection(File.path().c_str(), &M), 1);
  EXPECT_EQ(M.GetClippingOptionCount(), 0); // no [ClippingSetting]: emptied
  ASSERT_EQ(Reader.LoadSolidInjection(File.path().c_str(), &M), 1);
  EXPECT_EQ(std::make_tuple(M.GetItemCount(), M.GetItemExCount(), M.GetModuleCount(),
                            M.GetViewOptionCount()),
            std::make_tuple(2, 2, 2, 1));
}

TEST(TemplateReader, HeaderOnlyLoadAndFailures) {
  CZRVReportTemplateReader Reader;
  CZRVReportItemManager M;
  TemplateFile NoHeader(
      joinLines({"[ViewSetting]", "V,1,2,3,1", EofLine, "[FileHeader]", "FileVersion,5"}));
  EXPECT_EQ(Reader.LoadTemplateFileHeader(NoHeader.path().c_str(), &M), 0);
  EXPECT_EQ(M.GetFileVersion(), 0);

  TemplateFile WithHeader(joinLines({"[Info]", "CompanyName,Acme", "[FileHeader]", "FileVersion,7",
                                     "Remark,a b", "[ViewSetting]", "V,1,2,3,1"}));
  EXPECT_EQ(Reader.LoadTemplateFileHeader(WithHeader.path().c_str(), &M), 1);
  EXPECT_EQ(std::make_tuple(M.GetFileVersion(), text(M, &CZRVReportItemManager::GetRemark),
                            M.GetViewOptionCount()),
            std::make_tuple(7, std::wstring(L"a b"), 0));

  const std::wstring Missing = WithHeader.folder().file(L"missing.csv");
  EXPECT_EQ(Reader.LoadSolidCM(nullptr, &M, 0), 0);
  EXPECT_EQ(Reader.LoadSolidCM(Missing.c_str(), nullptr, 0), 0);
  EXPECT_EQ(Reader.Load(ZRV_LOAD_COUNT, Missing.c_str(), &M), 0);
  EXPECT_EQ(Reader.LoadTemplateFileHeader(nullptr, &M), 0);
  EXPECT_EQ(Reader.LoadTemplateFileHeader(WithHeader.path().c_str(), nullptr), 0);
}

TEST(TemplateReader, HeaderFieldsQuotedLabelCellsAndALongLineAfterAFullOne) {
  CZRVReportItemManager M;
  loadBytes(joinLines({"[FileHeader]", "Date,2024", "Name,N1", "FileID,F1", EofLine}), M);
  // Each header line sets its own field only.
  EXPECT_EQ(std::make_tuple(text(M, &CZRVReportItemManager::GetFileDate),
                            text(M, &CZRVReportItemManager::GetFileName),
                            text(M, &CZRVReportItemManager::GetFileID), M.GetFileProjectType()),
            std::make_tuple(std::wstring(L"2024"), std::wstring(L"N1"), std::wstring(L"F1"), -1));
  // Header numbers may carry a sign.
  Recorder Signed;
  loadBytes(joinLines({"[FileHeader]", "FileVersion,+5", "ProjectType, -1", "AppType,x", EofLine}),
            M, &Signed);
  EXPECT_EQ(Signed.where(ZRVTemplateFindingKind::NotANumber),
            (std::vector<std::pair<int, std::wstring>>{{4, L"x"}}));
  EXPECT_EQ(std::make_pair(M.GetFileVersion(), M.GetFileProjectType()), std::make_pair(5, -1));
  // "" inside quotes is one '"': only the second line is the label line.
  auto findingsAfterLabel = [&](const std::string& Label) {
    Recorder Seen;
    loadBytes(joinLines({"[MeltFrontTimeCapture]", Label, EofLine}), M, &Seen);
    return Seen.Findings.size();
  };
  EXPECT_EQ(findingsAfterLabel("Settings,\"Capture \"\"Percentage\"\"\""), 1u);
  EXPECT_EQ(findingsAfterLabel("Settings,\"\"Capture Percentage\"\""), 0u);
  // Cells are trimmed and empty ones at the end left out, on either side;
  // one cell more or less is another line.
  EXPECT_EQ(findingsAfterLabel(" Settings , Capture Percentage,,\" \", "), 0u);
  EXPECT_EQ(findingsAfterLabel("Settings,Capture Percentage,,x"), 1u);
  EXPECT_EQ(findingsAfterLabel("Settings,,Capture Percentage"), 1u);
  EXPECT_EQ(findingsAfterLabel("Settings"), 1u);

  // A line that fills a whole piece with its line end is no long line: the
  // long line after it is told.
  Recorder Long;
  loadBytes(joinLines({"[ViewSetting]", std::string(510, 'a'), std::string(600, 'b'), EofLine}), M,
            &Long);
  EXPECT_EQ(Long.where(ZRVTemplateFindingKind::LineTooLong).size(), 1u);
}

TEST(TemplateReader, BracketDenseInputLoadsAsFastAsPlainLines) {
  // Lines of '[' run the tag chain on every line; they must not cost more
  // than three times the time of plain lines of the same size (8 MB a file).
  // The fastest of seven loads counts, so that a busy machine does not decide.
  zrvtest::TempDir Dir;
  auto fastestLoad = [&](const std::wstring& Name, const std::string& Line) {
    std::string Bytes;
    for (int I = 0; I < 16000; ++I)
      Bytes += Line;
    zrvtest::writeBytes(Dir.path() / Name, Bytes);
    auto Best = std::chrono::steady_clock::duration::max();
    for (int Round = 0; Round < 7; ++Round) {
      CZRVReportItemManager Doc;
      auto Start = std::chrono::steady_clock::now();
      EXPECT_EQ(CZRVReportTemplateReader().LoadSolidInjection(Dir.file(Name).c_str(), &Doc), 1);
      Best = std::min(Best, std::chrono::steady_clock::now() - Start);
    }
    return Best;
  };
  const auto PlainTime = fastestLoad(L"plain.csv", "Top" + std::string(506, ',') + "\r\n");
  const auto DenseTime = fastestLoad(L"dense.csv", std::string(509, '[') + "\r\n");
  EXPECT_LE(DenseTime, 3 * PlainTime + std::chrono::milliseconds(10))
      << "dense " << std::chrono::duration<double, std::milli>(DenseTime).count() << " ms, plain "
      << std::chrono::duration<double, std::milli>(PlainTime).count() << " ms";
}
