// DiagnosticsTest.cpp - message formatting and the replaceable sink.
#include "platform/Diagnostics.h"

#include "TestSupport.h"

TEST(Diagnostics, FormatsTextAndNumbersInOrderForAReplaceableSink) {
  EXPECT_EQ(zrv::FormatDiagnostic(L"[ReportItemManager] cant find AirTrap item, index %d", {7}),
            L"[ReportItemManager] cant find AirTrap item, index 7");
  EXPECT_EQ(zrv::FormatDiagnostic(L"%s at %d of %s", {L"key", -3, std::wstring(L"file")}),
            L"key at -3 of file");
  EXPECT_EQ(zrv::FormatDiagnostic(L"100%% done %s"), L"100% done %s");
  EXPECT_EQ(zrv::FormatDiagnostic(L"%s", {static_cast<const wchar_t*>(nullptr)}), L"");
  // Sizes and the other integer types of either platform format as numbers.
  std::vector<int> Three(3);
  EXPECT_EQ(zrv::FormatDiagnostic(L"%d %d %d %d", {Three.size(), 4u, -5L, 6ULL}), L"3 4 -5 6");

  // The sink receives the messages and is replaceable.
  std::vector<std::wstring> First;
  ZRVDiagnosticSink Old = ZRVSetDiagnosticSink([&](const std::wstring& M) { First.push_back(M); });
  zrv::Diagnose(L"[ReportSetting] Manager GetProjectPath end %s", {L"C:\\a.csv"});
  {
    zrvtest::DiagnosticCapture Capture;
    zrv::Diagnose(L"[ReportSetting] inner");
    EXPECT_EQ(Capture.Messages, std::vector<std::wstring>{L"[ReportSetting] inner"});
  }
  zrv::Diagnose(L"[ReportSetting] back");
  ZRVDiagnosticSink Mine = ZRVSetDiagnosticSink(Old);
  EXPECT_TRUE(static_cast<bool>(Mine));
  EXPECT_EQ(First,
            (std::vector<std::wstring>{L"[ReportSetting] Manager GetProjectPath end C:\\a.csv",
                                       L"[ReportSetting] back"}));
}
