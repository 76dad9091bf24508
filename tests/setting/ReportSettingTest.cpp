// ReportSettingTest.cpp - the report setting facade: start values, loading by
// project type, project type names, folder and file paths, saving through one
// writer, replacing the document, copying facades, and a host's round trip.
#include "zrvreport/zrvreport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "SettingTestPeer.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

fs::path fixture() {
  const char* Dir = std::getenv("ZRV_TEST_DATA");
  return fs::path(Dir ? Dir : "tests/data") / "example_solid_injection.csv";
}

/// A copy of the example template in a temporary folder.
struct Project {
  zrvtest::TempDir Dir;
  std::wstring Path = Dir.file(L"project.csv");
  Project() { fs::copy_file(fixture(), Path); }
};

std::wstring nameOf(const CZRVReportSetting& S, int AppType, int RimMark) {
  wchar_t Buffer[64] = L"";
  S.GetProjectTypeName(0, AppType, RimMark, Buffer);
  return Buffer;
}

// ---- A document as text, for comparing two documents --------------------------------

template <typename Getter> std::wstring buffer(Getter Get) {
  wchar_t Buffer[512] = L"";
  Get(Buffer);
  return Buffer;
}

std::set<std::wstring> options(int Count, const std::function<int(int, wchar_t*)>& Get) {
  std::set<std::wstring> Names;
  for (int I = 0; I < Count; ++I)
    Names.insert(buffer([&](wchar_t* B) { Get(I, B); }));
  return Names;
}

/// Everything a template keeps of a document: header fields, items with their
/// setting names, extended items, and each library's records by name.
std::wstring documentText(const CZRVReportItemManager& M) {
  std::wostringstream Out;
  Out << L"version " << M.GetFileVersion() << L" id " << buffer([&](wchar_t* B) { M.GetFileID(B); })
      << L" name " << buffer([&](wchar_t* B) { M.GetFileName(B); }) << L" date "
      << buffer([&](wchar_t* B) { M.GetFileDate(B); }) << L" by "
      << buffer([&](wchar_t* B) { M.GetCreateBy(B); }) << L" remark "
      << buffer([&](wchar_t* B) { M.GetRemark(B); }) << L"\n";
  for (int I = 0; I < M.GetItemCount(); ++I) {
    wchar_t Name[256], Clip[256], View[256], Object[256], Capture[256], Slice[256];
    int Output = 0, Display = 0, X = 0, Y = 0, Z = 0, Faces = 0;
    M.GetItem(I, Name, Output, Display, X, Y, Z, Faces, Clip, View, Object, Capture, Slice);
    Out << L"item " << M.GetItemID(I) << L"/" << M.GetItemModuleIDByIndex(I) << L" " << Name << L" "
        << Output << L" " << Display << L" " << X << Y << Z << L" " << Faces << L" " << Clip << L"|"
        << View << L"|" << Object << L"|" << Capture << L"|" << Slice << L" views "
        << M.GetViewCount(static_cast<ZRV_RESULT_ITEMS>(M.GetItemID(I)),
                          M.GetItemModuleIDByIndex(I))
        << L"\n";
  }
  std::vector<int> Modules;
  M.GetModuleIDList(Modules);
  for (int Module : Modules)
    Out << L"module " << Module << L"\n";
  for (int I = 0; I < M.GetItemExCount(); ++I) {
    CZRVReportItemEx E;
    M.GetItemEx(I, E);
    Out << L"ex " << E.Output << L" " << E.MeltName << L"|" << E.PPTTemplatePath << L"|"
        << E.AnimationName << L"|" << E.WarpageScale << L"|" << E.ImageName << L"\n";
  }
  for (const auto& N :
       options(M.GetViewOptionCount(), [&](int I, wchar_t*B) { return M.GetViewOption(I, B); })) {
    auto V = M.GetViewSetting(N.c_str());
    Out << L"view " << N << L" " << V.AngleX << L" " << V.AngleY << L" " << V.AngleZ << L" "
        << V.Scale << L"\n";
  }
  for (const auto& N : options(M.GetClippingOptionCount(),
                               [&](int I, wchar_t*B) { return M.GetClippingOption(I, B); })) {
    auto C = M.GetClippingSetting(N.c_str());
    Out << L"clip " << N << L" " << C.ClipBy << C.KeepX << C.KeepY << C.KeepZ << L" " << C.RangeX
        << L" " << C.RangeY << L" " << C.RangeZ << L" " << C.Inverse << L"\n";
  }
  for (const auto& N : options(M.GetSlicingOptionCount(),
                               [&](int I, wchar_t*B) { return M.GetSlicingOption(I, B); })) {
    auto S = M.GetSlicingSetting(N.c_str());
    Out << L"slice " << N << L" " << S.SliceX << S.SliceY << S.SliceZ << L" " << S.RangeX << L" "
        << S.RangeY << L" " << S.RangeZ << L"\n";
  }
  for (const auto& N : options(M.GetObjectOptionCount(),
                               [&](int I, wchar_t*B) { return M.GetObjectOption(I, B); })) {
    auto O = M.GetObjectSetting(N.c_str());
    Out << L"object " << N << L" " << O.ShowRunner << O.ShowPart << O.ShowPartInsert
        << O.ShowCoolChannel << O.ShowMoldbase << O.ShowMoldInsert << O.ShowMeltEntrance
        << O.ShowCoolantEntrance << O.ShowHeatingRod << O.ShowHotRunnerMetal << L"\n";
  }
  for (const auto& N : options(M.GetCaptureOptionCount(),
                               [&](int I, wchar_t*B) { return M.GetCaptureOption(I, B); })) {
    auto C = M.GetCaptureSetting(N.c_str());
    Out << L"capture " << N << L" " << C.Capture << L" " << C.Width << L" " << C.Height << L"\n";
  }
  for (const auto& N :
       options(M.GetMeltOptionCount(), [&](int I, wchar_t*B) { return M.GetMeltOption(I, B); })) {
    auto C = M.GetMeltSetting(N.c_str());
    Out << L"melt " << N;
    for (int I = 0; I < C.Count; ++I)
      Out << L" " << C.Percentage[I];
    Out << L"\n";
  }
  for (const auto& N : options(M.GetAnimationOptionCount(),
                               [&](int I, wchar_t*B) { return M.GetAnimationOption(I, B); })) {
    auto A = M.GetAnimationSetting(N.c_str());
    Out << L"animation " << N << L" " << A.Output << L" " << A.Time << L" " << A.FPS << L" "
        << A.Resolution << L"\n";
  }
  for (const auto& N :
       options(M.GetImageOptionCount(), [&](int I, wchar_t*B) { return M.GetImageOption(I, B); })) {
    auto I = M.GetImageSetting(N.c_str());
    Out << L"image " << N << L" " << I.Output << L" " << I.Resolution << L"\n";
  }
  return Out.str();
}

// ---- Tests -----------------------------------------------------------------------------

TEST(ReportSetting, StartValues) {
  CZRVReportSetting S;
  EXPECT_EQ(S.GetPrjoectType(), 0);
  EXPECT_EQ(S.GetAppType(), 0);
  EXPECT_EQ(S.GetIsUnderfill(), 0);
  EXPECT_EQ(S.GetIsEncapsulationCM(), 0);
  EXPECT_EQ(S.GetIsThermosetRun(), 0);
  wchar_t Buffer[16] = L"junk";
  S.GetProjectFilePath(0, Buffer);
  EXPECT_STREQ(Buffer, L"");
  std::wcscpy(Buffer, L"junk");
  S.GetProjectTypeDisplayName(0, Buffer);
  EXPECT_STREQ(Buffer, L"");
  ASSERT_NE(S.GetReportItemManager(), nullptr);
  EXPECT_NE(S.GetReportTemplateReader(), nullptr);
  EXPECT_EQ(S.GetReportItemManager()->GetItemCount(), 0);
  EXPECT_EQ(ZRVReportSettingTestPeer::writer(S), nullptr);
  // The document keeps its own start value until the project type is set.
  EXPECT_EQ(S.GetReportItemManager()->GetProjectType(), -1);
}

TEST(ReportSetting, FlagsLiveWhereTheyBelong) {
  CZRVReportSetting S;
  CZRVReportItemManager* M = S.GetReportItemManager();
  EXPECT_EQ(S.SetProjectType(2, 10), 1);
  EXPECT_EQ(M->GetProjectType(), 2);
  // Thermoset and valve pin are the document's; the facade forwards.
  S.SetIsThermosetRun(1);
  S.SetHasValvePin(1);
  EXPECT_EQ(M->GetProjectIsThermosetRun(), 1);
  EXPECT_EQ(M->GetHasValvePin(), 1);
  M->SetProjectIsThermosetRun(0);
  M->SetHasValvePin(0);
  EXPECT_EQ(S.GetIsThermosetRun(), 0);
  EXPECT_EQ(S.GetHasValvePin(), 0);
  // The IC-package flags are the facade's, kept as given.
  S.SetIsUnderfill(2);
  S.SetIsEncapsulationCM(-1);
  EXPECT_EQ(S.GetIsUnderfill(), 2);
  EXPECT_EQ(S.GetIsEncapsulationCM(), -1);
}

TEST(ReportSetting, LoadsAtOnceAndEmptiesFirst) {
  Project P;
  CZRVReportSetting S;
  CZRVReportItemManager* M = S.GetReportItemManager();
  S.SetProjectType(0, 0);
  EXPECT_EQ(S.SetProjectPath(P.Path.c_str()), 1);
  EXPECT_EQ(M->GetItemCount(), 3);
  EXPECT_EQ(M->GetModuleCount(), 2);
  EXPECT_EQ(M->GetItemExCount(), 6);
  EXPECT_EQ(M->GetProjectPath(), P.Path);

  // The project type alone reloads nothing.
  S.SetProjectType(0, 1);
  EXPECT_EQ(M->GetItemCount(), 3);
  // A project without a loader empties the document and says nothing.
  {
    zrvtest::DiagnosticCapture Capture;
    S.LoadTemplateFileData();
    EXPECT_TRUE(Capture.Messages.empty());
  }
  EXPECT_EQ(M->GetItemCount(), 0);
  EXPECT_EQ(M->GetItemExCount(), 0);
  EXPECT_EQ(M->GetModuleCount(), 0);

  // Loading twice does not double the items.
  S.SetProjectType(2, 0);
  S.LoadTemplateFileData();
  S.LoadTemplateFileData();
  EXPECT_EQ(M->GetItemCount(), 3);

  // A file that cannot be opened leaves the document empty; the reader says
  // so.
  const std::wstring Missing = P.Dir.file(L"missing.csv");
  zrvtest::DiagnosticCapture Capture;
  EXPECT_EQ(S.SetProjectPath(Missing.c_str()), 1);
  EXPECT_EQ(M->GetItemCount(), 0);
  ASSERT_EQ(Capture.Messages.size(), 1u);
  EXPECT_EQ(Capture.Messages[0],
            L"[ReportTemplateReader] Can't open this template file " + Missing);

  wchar_t Path[512];
  S.GetProjectFilePath(7, Path);
  EXPECT_EQ(std::wstring(Path), Missing);
  S.SetProjectPath(nullptr);
  S.GetProjectFilePath(0, Path);
  EXPECT_STREQ(Path, L"");
}

TEST(ReportSetting, ProjectTypeNames) {
  CZRVReportSetting S;
  const wchar_t* Solid[] = {L"SolidInjection", L"",         L"SolidRIM",  L"SolidEncapsulation",
                            L"SolidICM",       L"",         L"SolidGAIM", L"SolidWAIM",
                            L"SolidCOIM",      L"SolidFIM", L"SolidCM",   L"SolidBIIM",
                            L"SolidPIM",       L"SolidRTM", L"SolidCFM"};
  for (int Kind : {0, 2}) {
    // The facade's own application type does not matter for a solid project.
    S.SetProjectType(Kind, 5);
    for (int App = 0; App < 15; ++App)
      EXPECT_EQ(nameOf(S, App, 0), Solid[App]) << Kind << " " << App;
    EXPECT_EQ(nameOf(S, -1, 0), L"");
    EXPECT_EQ(nameOf(S, 15, 0), L"");
  }
  // "(RIM)" follows solid injection for the mark or the thermoset flag.
  EXPECT_EQ(nameOf(S, 0, 1), L"SolidInjection(RIM)");
  EXPECT_EQ(nameOf(S, 0, -3), L"SolidInjection(RIM)");
  EXPECT_EQ(nameOf(S, 2, 1), L"SolidRIM");
  S.SetIsThermosetRun(1);
  EXPECT_EQ(nameOf(S, 0, 0), L"SolidInjection(RIM)");

  // A shell project is named by its own application type; the mark and the
  // thermoset flag do not count.
  const wchar_t* Shell[] = {L"ShellInjection", L"ShellGasIn", L"ShellRIM"};
  for (int App = 0; App < 3; ++App) {
    S.SetProjectType(1, App);
    for (int Asked : {0, 2, 9})
      EXPECT_EQ(nameOf(S, Asked, 1), Shell[App]) << App << " " << Asked;
  }
  S.SetProjectType(1, 3);
  EXPECT_EQ(nameOf(S, 0, 0), L"");
  S.SetProjectType(3, 0);
  EXPECT_EQ(nameOf(S, 0, 0), L"");
  S.SetProjectType(-1, 0);
  EXPECT_EQ(nameOf(S, 0, 0), L"");

  // The name is appended to what the buffer holds.
  S.SetProjectType(1, 0);
  wchar_t Buffer[64] = L"";
  S.GetProjectTypeName(0, 0, 0, Buffer);
  S.GetProjectTypeName(0, 0, 0, Buffer);
  EXPECT_STREQ(Buffer, L"ShellInjectionShellInjection");
  S.GetProjectTypeName(0, 0, 0, nullptr);

  S.SetProjectTypeDisplayName(3, L"Solid / Injection");
  S.GetProjectTypeDisplayName(9, Buffer);
  EXPECT_STREQ(Buffer, L"Solid / Injection");
}

TEST(ReportSetting, ProjectFolderBesideTheExecutable) {
  CZRVReportSetting S;
  wchar_t Buffer[4096] = L"junk";
  S.GetProjectFolderPath(Buffer);
  const std::wstring Folder = Buffer;
  const std::wstring Sep(1, fs::path::preferred_separator);
  const std::wstring Tail = Sep + L"ReportSetting" + Sep;
  ASSERT_GT(Folder.size(), Tail.size());
  EXPECT_EQ(Folder.substr(Folder.size() - Tail.size()), Tail);
  EXPECT_EQ(Folder.find(Sep + Sep), std::wstring::npos);
  // The folder before it holds this test program.
  const fs::path Executable =
      fs::path(Folder.substr(0, Folder.size() - Tail.size())) / "setting_tests";
  EXPECT_TRUE(fs::exists(Executable) || fs::exists(fs::path(Executable).concat(".exe")))
      << Executable;
  S.GetProjectFolderPath(nullptr);
}

TEST(ReportSetting, SavesThroughOneWriterWithTheCurrentNames) {
  Project P;
  CZRVReportSetting S;
  S.SetProjectType(0, 0);
  S.SetProjectPath(P.Path.c_str());
  EXPECT_EQ(S.SaveTemplate(), 1);
  const CZRVReportSettingWriter* First = ZRVReportSettingTestPeer::writer(S);
  ASSERT_NE(First, nullptr);
  EXPECT_NE(zrvtest::readBytes(P.Path).find("\r\nTop_View,"), std::string::npos);

  // The current view is left out of the file from the next save on.
  S.SetPrjCurViewName(L"Top_View");
  S.SetPrjCurSettingsName(L"Part_Only");
  EXPECT_EQ(S.SaveTemplate(), 1);
  EXPECT_EQ(ZRVReportSettingTestPeer::writer(S), First);
  const std::string Saved = zrvtest::readBytes(P.Path);
  EXPECT_EQ(Saved.find("\r\nTop_View,"), std::string::npos);
  EXPECT_EQ(Saved.find("\r\nPart_Only,"), std::string::npos);
  EXPECT_NE(Saved.find("\r\nIso_Front,"), std::string::npos);

  // A save that cannot be written still gives 1.
  const std::wstring Unwritable = (P.Dir.path() / "missing" / "x.csv").wstring();
  S.SetProjectPath(Unwritable.c_str());
  EXPECT_EQ(S.SaveTemplate(), 1);
  EXPECT_FALSE(fs::exists(Unwritable));
}

TEST(ReportSetting, ReplacedDocumentGoesBackToTheCaller) {
  Project P;
  CZRVReportSetting S;
  S.SetProjectType(0, 0);
  S.SetProjectPath(P.Path.c_str());
  S.SaveTemplate();
  ASSERT_NE(ZRVReportSettingTestPeer::writer(S), nullptr);

  CZRVReportItemManager* Old = S.GetReportItemManager();
  auto* Fresh = new CZRVReportItemManager();
  Fresh->SetProjectPath(P.Path.c_str());
  Fresh->SetFileVersion(1001);
  Fresh->SetRemark(L"fresh document");
  S.SetReportItemManager(Fresh);
  EXPECT_EQ(S.GetReportItemManager(), Fresh);
  // The writer of the old document is gone; the next save writes the new one.
  EXPECT_EQ(ZRVReportSettingTestPeer::writer(S), nullptr);
  S.SaveTemplate();
  EXPECT_NE(ZRVReportSettingTestPeer::writer(S), nullptr);
  const std::string Saved = zrvtest::readBytes(P.Path);
  EXPECT_NE(Saved.find("Remark,fresh document"), std::string::npos);
  EXPECT_EQ(Saved.find("MeltFrontTime"), std::string::npos);

  // Null and the same document change nothing.
  const CZRVReportSettingWriter* Writer = ZRVReportSettingTestPeer::writer(S);
  S.SetReportItemManager(nullptr);
  S.SetReportItemManager(Fresh);
  EXPECT_EQ(S.GetReportItemManager(), Fresh);
  EXPECT_EQ(ZRVReportSettingTestPeer::writer(S), Writer);

  // The old document is still whole and the caller's to delete.
  EXPECT_EQ(Old->GetItemCount(), 3);
  delete Old;
}

TEST(ReportSetting, CopiesAreDeepAndIndependent) {
  Project P;
  CZRVReportSetting A;
  A.SetProjectType(1, 2);
  A.SetIsUnderfill(1);
  A.SetIsEncapsulationCM(1);
  A.SetIsThermosetRun(1);
  A.SetProjectTypeDisplayName(0, L"shown");
  A.SetProjectType(0, 0);
  A.SetIsThermosetRun(0);
  A.SetProjectPath(P.Path.c_str());
  A.SaveTemplate();

  CZRVReportSetting B;
  B = A;
  EXPECT_NE(B.GetReportItemManager(), A.GetReportItemManager());
  EXPECT_NE(B.GetReportTemplateReader(), A.GetReportTemplateReader());
  EXPECT_EQ(ZRVReportSettingTestPeer::writer(B), nullptr);
  EXPECT_EQ(documentText(*B.GetReportItemManager()), documentText(*A.GetReportItemManager()));
  EXPECT_EQ(B.GetPrjoectType(), 0);
  EXPECT_EQ(B.GetIsUnderfill(), 1);
  EXPECT_EQ(B.GetIsEncapsulationCM(), 1);
  wchar_t Buffer[512];
  B.GetProjectFilePath(0, Buffer);
  EXPECT_EQ(std::wstring(Buffer), P.Path);
  B.GetProjectTypeDisplayName(0, Buffer);
  EXPECT_STREQ(Buffer, L"shown");

  // Changing the copy leaves the original alone.
  B.GetReportItemManager()->RemoveAllItem();
  EXPECT_EQ(A.GetReportItemManager()->GetItemCount(), 3);

  CZRVReportSetting C(A);
  EXPECT_NE(C.GetReportItemManager(), A.GetReportItemManager());
  EXPECT_EQ(C.GetReportItemManager()->GetItemCount(), 3);
  C = C;
  EXPECT_EQ(C.GetReportItemManager()->GetItemCount(), 3);
  EXPECT_EQ(C.SaveTemplate(), 1);
  EXPECT_NE(ZRVReportSettingTestPeer::writer(C), ZRVReportSettingTestPeer::writer(A));
}

TEST(ReportSetting, HostRoundTrip) {
  Project P;
  CZRVReportSetting Host;
  Host.SetZorvinPath(P.Dir.path().wstring().c_str());
  Host.SetProjectType(0, 0);
  Host.SetIsThermosetRun(0);
  Host.SetIsUnderfill(0);
  Host.SetIsEncapsulationCM(0);
  Host.SetProjectPath(P.Path.c_str());
  CZRVReportItemManager* M = Host.GetReportItemManager();
  ASSERT_EQ(M->GetItemCount(), 3);

  // Items: outputs, display modes and settings.
  EXPECT_EQ(M->SetItemOutput(0, CZRVReportItem::ZRV_OUTPUT_AVI), 1);
  EXPECT_EQ(M->SetItemDisplayMode(1, CZRVReportItem::ZRV_DISPLAY_ISOSURFACE), 1);
  CZRVReportItem::tagVIEWSETTING Side;
  Side.AngleX = 0;
  Side.AngleY = 90;
  Side.Scale = 2;
  M->SetViewSetting(L"Side_View", Side);
  EXPECT_EQ(M->SetItemView(0, L"Side_View"), 1);
  CZRVReportItem::tagCLIPSETTING Quarter;
  Quarter.ClipBy = 2;
  Quarter.KeepY = 1;
  Quarter.RangeY = 25;
  M->SetClippingSetting(L"Quarter_Y", Quarter);
  EXPECT_EQ(M->SetItemClipping(1, L"Quarter_Y"), 1);
  EXPECT_EQ(M->DeleteClippingSetting(L"Half_X"), 1);
  // Report-wide settings.
  M->SetAnimationSetting(L"Long_Avi", 1, 10.0, 25.0, 5);
  EXPECT_EQ(M->SetItemAnimation(1, L"Long_Avi"), 1);
  M->SetMeltSettingByIndex(L"Quarters", 4, 90.0);
  EXPECT_EQ(M->SetWarpageScale(8.0), 1);
  M->SetRemark(L"edited by the host");

  EXPECT_EQ(Host.SaveTemplate(), 1);
  const std::string Saved = zrvtest::readBytes(P.Path);

  CZRVReportSetting Second;
  Second.SetProjectType(0, 0);
  Second.SetProjectPath(P.Path.c_str());
  const std::wstring Expected = documentText(*M);
  EXPECT_EQ(documentText(*Second.GetReportItemManager()), Expected);
  EXPECT_NE(Expected.find(L"Side_View"), std::wstring::npos);
  EXPECT_NE(Expected.find(L"Quarter_Y"), std::wstring::npos);
  EXPECT_EQ(Expected.find(L"Half_X"), std::wstring::npos);
  EXPECT_NE(Expected.find(L"Long_Avi"), std::wstring::npos);
  EXPECT_NE(Expected.find(L"melt Quarters 25 50 75 100 90"), std::wstring::npos);

  // Saved again unchanged, the file is the same to the byte.
  EXPECT_EQ(Second.SaveTemplate(), 1);
  EXPECT_EQ(zrvtest::readBytes(P.Path), Saved);
}

} // namespace
