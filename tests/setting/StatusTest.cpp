// StatusTest.cpp - the load and save status of the facade, the reader and the
// writer: one case per outcome, the messages that tell why, and the observer
// the facade hands to its loads.

#include "SafeSaveGuard.h"
#include "TemplateTestSupport.h"
#include "platform/SafeSave.h"

using zrvtest::TempDir;
using zrvtest::TemplateFile;

namespace {

struct Recorder : ZRVTemplateObserver {
  std::vector<ZRVTemplateFindingKind> Kinds;
  void OnFinding(const ZRVTemplateFinding& F) override { Kinds.push_back(F.Kind); }
};

ZRVLoadStatus loadAs(CZRVReportSetting& S, const std::wstring& Path) {
  S.SetProjectPath(Path.c_str());
  return S.GetLastLoadStatus();
}

/// The example template with one item key misspelt (a finding, not a failure).
zrvtest::TemplateFile misspeltExample() {
  std::string Bytes = zrvtest::exampleBytes();
  Bytes.replace(Bytes.find("\nMeltFrontTime,"), 15, "\nMeltFrontTim,");
  return zrvtest::TemplateFile(Bytes);
}

} // namespace

TEST(LoadStatus, EachOutcomeOfTheFacadeLoad) {
  zrvtest::DiagnosticCapture Quiet;
  CZRVReportSetting S;
  EXPECT_EQ(S.GetLastLoadStatus(), ZRVLoadStatus::NotLoaded);
  S.SetProjectType(0, 0);

  TempDir Dir;
  const std::wstring Missing = Dir.file(L"missing.csv");
  EXPECT_EQ(S.SetProjectPath(Missing.c_str()), 1); // the result stays 1
  EXPECT_EQ(S.GetLastLoadStatus(), ZRVLoadStatus::FileMissing);
  EXPECT_TRUE(zrvtest::holds(S.GetLastLoadMessage(), L"Can't open this template file " + Missing));
  EXPECT_EQ(loadAs(S, Dir.path().wstring()), ZRVLoadStatus::FileUnreadable);

  const fs::path Example = zrvtest::dataFile("example_solid_injection.csv");
  EXPECT_EQ(loadAs(S, Example.wstring()), ZRVLoadStatus::Loaded);
  EXPECT_TRUE(S.GetLastLoadMessage().empty());
  EXPECT_EQ(S.GetReportItemManager()->GetItemCount(), 3);

  // A key the section does not list is dropped: loaded, with findings.
  TemplateFile Misspelt = misspeltExample();
  EXPECT_EQ(loadAs(S, Misspelt.path()), ZRVLoadStatus::LoadedWithFindings);
  EXPECT_TRUE(ZRVLoadSucceeded(S.GetLastLoadStatus()));

  // Text without a single section tag, and a file holding only the end line.
  TemplateFile Prose("Dear reader,\r\nthis is a letter.\r\n");
  EXPECT_EQ(loadAs(S, Prose.path()), ZRVLoadStatus::NotATemplate);
  EXPECT_FALSE(ZRVLoadSucceeded(S.GetLastLoadStatus()));
  EXPECT_FALSE(S.GetLastLoadMessage().empty());
  TemplateFile EndOnly("[EOF],,,,,,,,,,");
  EXPECT_EQ(loadAs(S, EndOnly.path()), ZRVLoadStatus::NotATemplate);
  // UTF-16 text is refused before a line is read.
  TemplateFile Utf16(std::string("\xFF\xFE[\0F\0i\0l\0e\0", 12));
  EXPECT_EQ(loadAs(S, Utf16.path()), ZRVLoadStatus::NotATemplate);
  std::wstring Reason = L"stale";
  EXPECT_EQ(ZRVProbeTemplateFile(Utf16.path().c_str(), &Reason), ZRVFileProblem::NotUtf8Text);
  EXPECT_EQ(ZRVProbeTemplateFile(Example.wstring().c_str(), &Reason), ZRVFileProblem::None);
  EXPECT_TRUE(Reason.empty());
  EXPECT_EQ(ZRVProbeTemplateFile(Missing.c_str()), ZRVFileProblem::Missing);
  EXPECT_EQ(ZRVProbeTemplateFile(Dir.path().wstring().c_str()), ZRVFileProblem::Folder);
  EXPECT_EQ(ZRVProbeTemplateFile(nullptr), ZRVFileProblem::Missing);

  // Solid process 5 has no loader: nothing is read.
  S.SetProjectType(0, 5);
  EXPECT_EQ(loadAs(S, Example.wstring()), ZRVLoadStatus::NoLoader);
  EXPECT_EQ(S.GetReportItemManager()->GetItemCount(), 0);

  // A copy carries the status.
  CZRVReportSetting Copy(S);
  EXPECT_EQ(Copy.GetLastLoadStatus(), ZRVLoadStatus::NoLoader);
}

TEST(LoadStatus, ObserverAndReaderArguments) {
  TemplateFile Misspelt = misspeltExample();
  Recorder Seen;
  CZRVReportSetting S;
  S.SetProjectType(0, 0);
  S.SetTemplateObserver(&Seen);
  S.SetProjectPath(Misspelt.path().c_str());
  EXPECT_EQ(
      std::count(Seen.Kinds.begin(), Seen.Kinds.end(), ZRVTemplateFindingKind::UnknownItemKey), 1);
  EXPECT_EQ(Seen.Kinds.front(), ZRVTemplateFindingKind::SectionRead); // [FileHeader]
  S.SetTemplateObserver(nullptr);
  const std::size_t Told = Seen.Kinds.size();
  S.LoadTemplateFileData();
  EXPECT_EQ(Seen.Kinds.size(), Told);
  EXPECT_EQ(S.GetLastLoadStatus(), ZRVLoadStatus::LoadedWithFindings);

  CZRVReportTemplateReader Reader;
  CZRVReportItemManager Document;
  std::wstring Message = L"stale";
  const std::wstring Path = Misspelt.path();
  EXPECT_EQ(Reader.LoadWithStatus(ZRV_LOAD_COUNT, Path.c_str(), &Document, 0, 0, nullptr, &Message),
            ZRVLoadStatus::InvalidArgument);
  EXPECT_TRUE(Message.empty());
  EXPECT_EQ(Reader.LoadWithStatus(ZRV_LOAD_SOLID_INJECTION, nullptr, &Document),
            ZRVLoadStatus::InvalidArgument);
  EXPECT_EQ(Reader.LoadWithStatus(ZRV_LOAD_SOLID_INJECTION, Path.c_str(), nullptr),
            ZRVLoadStatus::InvalidArgument);
  // Load itself refuses a loader outside the list, on either side.
  EXPECT_EQ(Reader.Load(ZRV_LOAD_COUNT, Path.c_str(), &Document), 0);
  EXPECT_EQ(Reader.Load(static_cast<ZRV_TEMPLATE_LOADER>(-1), Path.c_str(), &Document), 0);
  EXPECT_EQ(Document.GetItemCount(), 0);
  // The same document as Load gives.
  CZRVReportItemManager ByLoad;
  Reader.Load(ZRV_LOAD_SOLID_INJECTION, Path.c_str(), &ByLoad);
  EXPECT_EQ(Reader.LoadWithStatus(ZRV_LOAD_SOLID_INJECTION, Path.c_str(), &Document),
            ZRVLoadStatus::LoadedWithFindings);
  EXPECT_EQ(Document.GetItemCount(), ByLoad.GetItemCount());
  EXPECT_EQ(Document.GetItemExCount(), ByLoad.GetItemExCount());
}

TEST(SaveStatus, EachOutcomeOfTheFacadeSave) {
  zrvtest::DiagnosticCapture Log;
  TempDir Dir;
  const std::wstring Target = Dir.file(L"project.csv");
  fs::copy_file(zrvtest::dataFile("example_solid_injection.csv"), Target);
  CZRVReportSetting S;
  EXPECT_EQ(S.GetLastSaveStatus(), ZRVSaveStatus::NotSaved);
  S.SetProjectType(0, 0);
  S.SetProjectPath(Target.c_str());
  EXPECT_EQ(S.SaveTemplate(), 1);
  EXPECT_EQ(S.GetLastSaveStatus(), ZRVSaveStatus::Saved);
  EXPECT_TRUE(S.GetLastSaveMessage().empty());

  const std::string Saved = zrvtest::readBytes(Target);
  {
    zrvtest::SafeSaveGuard Guard;
    auto& Steps = zrv::platform::CurrentSafeSaveSteps();
    Steps.Write = [](std::FILE*, std::string_view) { return false; };
    EXPECT_EQ(S.SaveTemplate(), 1);
    EXPECT_EQ(S.GetLastSaveStatus(), ZRVSaveStatus::WriteFailed);
    EXPECT_EQ(S.GetLastSaveMessage(), Log.Messages.back());
    EXPECT_TRUE(zrvtest::holds(S.GetLastSaveMessage(), L"write file fail"));
    Steps = zrv::platform::DefaultSafeSaveSteps();
    Steps.Replace = [](const std::wstring&, const std::wstring&) { return false; };
    S.SaveTemplate();
    EXPECT_EQ(S.GetLastSaveStatus(), ZRVSaveStatus::ReplaceFailed);
  }
  EXPECT_EQ(zrvtest::readBytes(Target), Saved);

  // A folder at the target, a missing folder, an empty path (solid process 5
  // has no loader, so setting the path loads nothing).
  const std::wstring Folder = Dir.file(L"folder.csv");
  fs::create_directory(Folder);
  CZRVReportSetting AtFolder;
  AtFolder.SetProjectType(0, 5);
  AtFolder.SetProjectPath(Folder.c_str());
  AtFolder.SaveTemplate();
  EXPECT_EQ(AtFolder.GetLastSaveStatus(), ZRVSaveStatus::TargetNotWritable);
  const std::wstring NoFolder = Dir.file(L"no/such/folder.csv");
  AtFolder.SetProjectPath(NoFolder.c_str());
  AtFolder.SaveTemplate();
  EXPECT_EQ(AtFolder.GetLastSaveStatus(), ZRVSaveStatus::CreateFailed);
  AtFolder.SetProjectPath(L"");
  AtFolder.SaveTemplate();
  EXPECT_EQ(AtFolder.GetLastSaveStatus(), ZRVSaveStatus::NoTarget);
  EXPECT_FALSE(AtFolder.GetLastSaveMessage().empty());
}

TEST(SaveStatus, WriterAndTexts) {
  zrvtest::DiagnosticCapture Quiet;
  CZRVReportSettingWriter Unbound(nullptr);
  EXPECT_EQ(Unbound.GetLastSaveStatus(), ZRVSaveStatus::NotSaved);
  EXPECT_EQ(Unbound.SaveTemplate(L"x"), 0);
  EXPECT_EQ(Unbound.GetLastSaveStatus(), ZRVSaveStatus::NoTarget);

  // The refusals of a line or name too long: SafeSaveTest.cpp.

  EXPECT_STREQ(ZRVLoadStatusText(ZRVLoadStatus::NotLoaded), L"not loaded");
  EXPECT_STREQ(ZRVLoadStatusText(ZRVLoadStatus::FileMissing), L"file missing");
  EXPECT_STREQ(ZRVLoadStatusText(ZRVLoadStatus::InvalidArgument), L"invalid argument");
  EXPECT_STREQ(ZRVLoadStatusText(static_cast<ZRVLoadStatus>(8)), L"unknown load status");
  EXPECT_STREQ(ZRVLoadStatusText(static_cast<ZRVLoadStatus>(-1)), L"unknown load status");
  EXPECT_STREQ(ZRVSaveStatusText(ZRVSaveStatus::ReplaceFailed), L"replace failed");
  EXPECT_STREQ(ZRVSaveStatusText(static_cast<ZRVSaveStatus>(9)), L"unknown save status");
}
