// ReportSettingTest.cpp - the report setting facade: loading by project type,
// project type names, file paths, saving through one writer, replacing the
// document and copying facades. A host's whole cycle is the example
// examples/host_cycle.cpp, which the suite runs (example_host_cycle).

#include "SettingTestPeer.h"
#include "TemplateTestSupport.h"

namespace {

/// A copy of the example template in a temporary folder.
struct Project {
  zrvtest::TempDir Dir;
  std::wstring Path = Dir.file(L"project.csv");
  Project() { fs::copy_file(zrvtest::dataFile("example_solid_injection.csv"), Path); }
  /// Opens the copy in \p S as a solid injection project.
  void open(CZRVReportSetting& S) const {
    S.SetProjectType(0, 0);
    S.SetProjectPath(Path.c_str());
  }
};

std::wstring nameOf(const CZRVReportSetting& S, int AppType, int RimMark) {
  wchar_t Buffer[64] = L"";
  S.GetProjectTypeName(0, AppType, RimMark, Buffer);
  return Buffer;
}

/// A text the facade writes into a buffer that held "junk".
template <typename Getter> std::wstring text(Getter Get) {
  wchar_t Buffer[512] = L"junk";
  Get(Buffer);
  return Buffer;
}
std::wstring filePath(const CZRVReportSetting& S) {
  return text([&](wchar_t* B) { S.GetProjectFilePath(0, B); });
}
std::wstring displayName(const CZRVReportSetting& S) {
  return text([&](wchar_t* B) { S.GetProjectTypeDisplayName(0, B); });
}

// ---- Tests -----------------------------------------------------------------------------

TEST(ReportSetting, LoadsAtOnceAndEmptiesFirst) {
  Project P;
  CZRVReportSetting S;
  CZRVReportItemManager* M = S.GetReportItemManager();
  S.SetProjectType(0, 0);
  EXPECT_EQ(S.SetProjectPath(P.Path.c_str()), 1);
  EXPECT_EQ(std::make_tuple(M->GetItemCount(), M->GetModuleCount(), M->GetItemExCount(),
                            M->GetProjectPath()),
            std::make_tuple(3, 2, 6, P.Path));

  // The project type alone reloads nothing; a project without a loader
  // empties the document and says nothing.
  S.SetProjectType(0, 1);
  EXPECT_EQ(M->GetItemCount(), 3);
  {
    zrvtest::DiagnosticCapture Capture;
    S.LoadTemplateFileData();
    EXPECT_TRUE(Capture.Messages.empty());
  }
  EXPECT_EQ(M->GetItemCount() + M->GetItemExCount() + M->GetModuleCount(), 0);

  S.SetProjectType(2, 0);
  S.LoadTemplateFileData();
  EXPECT_EQ(M->GetItemCount(), 3);

  // A file that cannot be opened leaves the document empty (the status and
  // message: StatusTest.cpp).
  const std::wstring Missing = P.Dir.file(L"missing.csv");
  zrvtest::DiagnosticCapture Quiet;
  EXPECT_EQ(S.SetProjectPath(Missing.c_str()), 1);
  EXPECT_EQ(std::make_pair(M->GetItemCount(), filePath(S)), std::make_pair(0, Missing));
  S.SetProjectPath(nullptr);
  EXPECT_EQ(filePath(S), L"");
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
  for (auto [Kind, App] : {std::pair(1, 3), std::pair(3, 0), std::pair(-1, 0)}) {
    S.SetProjectType(Kind, App);
    EXPECT_EQ(nameOf(S, 0, 0), L"") << Kind << " " << App;
  }

  S.SetProjectTypeDisplayName(3, L"Solid / Injection");
  EXPECT_EQ(displayName(S), L"Solid / Injection");
}

TEST(ReportSetting, SavesThroughOneWriterWithTheCurrentNamesUntilTheDocumentIsReplaced) {
  Project P;
  CZRVReportSetting S;
  P.open(S);
  EXPECT_EQ(S.SaveTemplate(), 1);
  const CZRVReportSettingWriter* First = ZRVReportSettingTestPeer::writer(S);
  ASSERT_NE(First, nullptr);
  EXPECT_TRUE(zrvtest::holds(zrvtest::readBytes(P.Path), "\r\nTop_View,"));

  // The current view is left out of the file from the next save on.
  S.SetPrjCurViewName(L"Top_View");
  S.SetPrjCurSettingsName(L"Part_Only");
  EXPECT_EQ(S.SaveTemplate(), 1);
  EXPECT_EQ(ZRVReportSettingTestPeer::writer(S), First);
  const std::string Saved = zrvtest::readBytes(P.Path);
  EXPECT_FALSE(zrvtest::holds(Saved, "\r\nTop_View,"));
  EXPECT_FALSE(zrvtest::holds(Saved, "\r\nPart_Only,"));
  EXPECT_TRUE(zrvtest::holds(Saved, "\r\nIso_Front,"));

  // A replaced document goes back to the caller.
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
  const std::string SavedFresh = zrvtest::readBytes(P.Path);
  EXPECT_TRUE(zrvtest::holds(SavedFresh, "Remark,fresh document"));
  EXPECT_FALSE(zrvtest::holds(SavedFresh, "\r\nMeltFrontTime,"));

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
  EXPECT_EQ(std::make_tuple(B.GetReportItemManager()->GetItemCount(), B.GetPrjoectType(),
                            B.GetIsUnderfill() + B.GetIsEncapsulationCM(), filePath(B),
                            displayName(B)),
            std::make_tuple(3, 0, 2, P.Path, std::wstring(L"shown")));

  // Changing the copy leaves the original alone.
  B.GetReportItemManager()->RemoveAllItem();
  EXPECT_EQ(A.GetReportItemManager()->GetItemCount(), 3);

  CZRVReportSetting C(A);
  EXPECT_NE(C.GetReportItemManager(), A.GetReportItemManager());
  C = C;
  EXPECT_EQ(C.GetReportItemManager()->GetItemCount(), 3);
  EXPECT_EQ(C.SaveTemplate(), 1);
  EXPECT_NE(ZRVReportSettingTestPeer::writer(C), ZRVReportSettingTestPeer::writer(A));
}

} // namespace
