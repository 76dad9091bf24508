// SafeSaveTest.cpp - a template save that fails at any step, or that is
// refused for a line or name a reader could not read back, leaves the old
// template as it was and no temporary file behind.
#include "platform/SafeSave.h"
#include "platform/Platform.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportSettingWriter.h"

#include "SafeSaveGuard.h"
#include "TestSupport.h"

namespace {

using zrv::platform::SafeSaveSteps;
using zrv::platform::SafeSaveTemporaryName;

/// A document with one setting of each kind and an item, saved to \p Path.
void fillDocument(CZRVReportItemManager& Doc, const std::wstring& Path) {
  Doc.SetProjectPath(Path.c_str());
  Doc.SetFileVersion(1001);
  Doc.SetViewSetting(L"Iso", CZRVReportItem::tagVIEWSETTING());
  Doc.AddModuleID(1);
  CZRVReportItem Item;
  Item.SetItemID(static_cast<ZRV_RESULT_ITEMS>(1));
  Item.SetModuleID(static_cast<ZRV_RESULT_MODULES>(1));
  Item.SetItemSaveName(L"MeltFrontTime");
  Doc.AddItem(Item);
}

/// A template file holding \p Old, and a document to save over it through a
/// writer, with the messages of the save captured.
struct OldTemplate {
  zrvtest::TempDir Dir;
  const std::wstring Target = Dir.file(L"template.csv");
  CZRVReportItemManager Doc;
  CZRVReportSettingWriter Writer{&Doc};
  zrvtest::DiagnosticCapture Log;
  explicit OldTemplate(const std::string& Old = "old") {
    zrvtest::writeBytes(Dir.path() / "template.csv", Old);
    fillDocument(Doc, Target);
  }
  int save() { return Writer.SaveTemplate(Target.c_str()); }
  std::string bytes() const { return zrvtest::readBytes(Dir.path() / "template.csv"); }
  /// True when the folder holds the template alone.
  bool alone() const {
    return zrvtest::folderNames(Dir.path()) == std::set<std::wstring>{L"template.csv"};
  }
};

// Failing stand-ins for the steps. A failing write puts half of the bytes
// into the file first, as a full disk would; a failing close still releases
// the stream.
bool failCheck(const std::wstring&) { return false; }
std::FILE* failCreate(const std::wstring&) { return nullptr; }
bool failWrite(std::FILE* Stream, std::string_view Bytes) {
  std::fwrite(Bytes.data(), 1, Bytes.size() / 2, Stream);
  return false;
}
bool failFlush(std::FILE*) { return false; }
bool failClose(std::FILE* Stream) {
  std::fclose(Stream);
  return false;
}
bool failReplace(const std::wstring&, const std::wstring&) { return false; }

} // namespace

TEST(SafeSave, FailureAtEveryStepKeepsTheOldTemplate) {
  struct Case {
    const char* Step;
    void (*Break)(SafeSaveSteps&);
    const wchar_t* Message;
  };
  const Case Cases[] = {
      {"check", [](SafeSaveSteps& S) { S.CheckTarget = failCheck; }, L"open file fail"},
      {"create", [](SafeSaveSteps& S) { S.CreateTemporary = failCreate; }, L"open file fail"},
      {"write", [](SafeSaveSteps& S) { S.Write = failWrite; }, L"write file fail"},
      {"flush", [](SafeSaveSteps& S) { S.Flush = failFlush; }, L"write file fail"},
      {"close", [](SafeSaveSteps& S) { S.Close = failClose; }, L"write file fail"},
      {"replace", [](SafeSaveSteps& S) { S.Replace = failReplace; }, L"open file fail"},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Step);
    const std::string Old = "old template\r\n[EOF],,,,,,,,,,";
    OldTemplate T(Old);
    zrvtest::SafeSaveGuard Guard;
    C.Break(Guard.steps());
    EXPECT_EQ(T.save(), 0);
    EXPECT_EQ(T.bytes(), Old);
    EXPECT_TRUE(T.alone());
    // The message says why: the system's reason, or what the step could
    // not do when the system gave none.
    ASSERT_EQ(T.Log.Messages.size(), 3u);
    EXPECT_EQ(T.Log.Messages[0], L"[ReportSetting] start to save template " + T.Target);
    const std::wstring Failed =
        L"[ReportSetting] " + std::wstring(C.Message) + L" " + T.Target + L": ";
    EXPECT_EQ(T.Log.Messages[2].substr(0, Failed.size()), Failed);
    EXPECT_GT(T.Log.Messages[2].size(), Failed.size());

    // With the real steps back the same writer saves.
    Guard.steps() = zrv::platform::DefaultSafeSaveSteps();
    EXPECT_EQ(T.save(), 1);
    EXPECT_EQ(T.bytes().substr(0, 14), "[FileHeader]\r\n");
    EXPECT_TRUE(T.alone());
  }
}

namespace {
int CreateCalls = 0;
/// Finds its first name taken (another process created it just before).
std::FILE* createAfterCollision(const std::wstring& Path) {
  if (CreateCalls++ == 0) {
    zrvtest::writeBytes(fs::path(Path), "someone else's");
    return zrv::platform::CreateNewFile(Path);
  }
  return zrv::platform::CreateNewFile(Path);
}
bool failFolderFlush(const std::wstring&) {
  errno = EIO;
  return false;
}
} // namespace

TEST(SafeSave, StaleTemporaryFilesGoATakenNameIsRetriedAFolderFlushFailureIsReported) {
  zrvtest::TempDir Dir;
  const std::wstring Target = Dir.file(L"t.csv");
  const std::wstring Name = SafeSaveTemporaryName(Target, 0x2a);
  EXPECT_EQ(Name.rfind(Target + L".zrvsave.", 0), 0u);
  EXPECT_EQ(Name.substr(Name.size() - 21), L".000000000000002a.tmp");
  // What a hundred crashed saves leave, in the names of this and of earlier
  // versions, is removed; the temporary files of another template stay.
  for (unsigned long long I = 0; I < 100; ++I)
    zrvtest::writeBytes(fs::path(SafeSaveTemporaryName(Target, I)), "half");
  zrvtest::writeBytes(Dir.path() / "t.csv.zrvsave.tmp", "half");
  zrvtest::writeBytes(Dir.path() / "t.csv.zrvsave.7.tmp", "half");
  zrvtest::writeBytes(Dir.path() / "u.csv.zrvsave.1.tmp", "other");
  ASSERT_EQ(zrvtest::folderNames(Dir.path()).size(), 103u);
  zrvtest::SafeSaveGuard Guard;
  Guard.steps().CreateTemporary = createAfterCollision;
  CreateCalls = 0;
  std::wstring Reason;
  EXPECT_EQ(zrv::platform::SaveFileSafely(Target, "new", &Reason),
            zrv::platform::SafeSaveResult::Saved);
  EXPECT_EQ(CreateCalls, 2);
  EXPECT_EQ(Reason, L"");
  EXPECT_EQ(zrvtest::readBytes(fs::path(Target)), "new");

  // The rename happened, but the folder did not reach the disk: the save
  // fails and says why, through the writer as well.
  Guard.steps() = zrv::platform::DefaultSafeSaveSteps();
  Guard.steps().FlushFolder = failFolderFlush;
  EXPECT_EQ(zrv::platform::SaveFileSafely(Target, "newer", &Reason),
            zrv::platform::SafeSaveResult::FolderFlushFailed);
  const std::wstring Expected = L"the folder could not be flushed to the disk: ";
  EXPECT_EQ(Reason.substr(0, Expected.size()), Expected);
  EXPECT_GT(Reason.size(), Expected.size());
  EXPECT_EQ(zrvtest::readBytes(fs::path(Target)), "newer");

  CZRVReportItemManager Doc;
  fillDocument(Doc, Target);
  CZRVReportSettingWriter Writer(&Doc);
  zrvtest::DiagnosticCapture Log;
  EXPECT_EQ(Writer.SaveTemplate(Target.c_str()), 0);
  EXPECT_EQ(Log.Messages.back(), L"[ReportSetting] write file fail " + Target + L": " + Reason);
  EXPECT_EQ(zrvtest::folderNames(Dir.path()),
            (std::set<std::wstring>{L"t.csv", L"u.csv.zrvsave.1.tmp"}));
}

TEST(SafeSave, LineTooLongForTheReaderRefusesTheSave) {
  OldTemplate T;

  // A view line of 510 UTF-8 bytes plus its line end is read in one piece:
  // 250 two-byte letters and one more letter, then ",90,0,0,1".
  const std::wstring Fits = std::wstring(250, L'\u00FC') + L"a";
  T.Doc.SetViewSetting(Fits.c_str(), CZRVReportItem::tagVIEWSETTING());
  ASSERT_EQ(T.save(), 1);
  EXPECT_NE(T.bytes().find(",90,0,0,1\r\n"), std::string::npos);

  // One byte more and the line would arrive in two pieces: nothing is
  // written, the message names the section and the setting.
  zrvtest::writeBytes(T.Dir.path() / "template.csv", "old");
  T.Doc.DeleteViewSetting(Fits.c_str());
  const std::wstring TooLong = Fits + L"b";
  T.Doc.SetViewSetting(TooLong.c_str(), CZRVReportItem::tagVIEWSETTING());
  T.Log.Messages.clear();
  EXPECT_EQ(T.save(), 0);
  EXPECT_EQ(T.Writer.GetLastSaveStatus(), ZRVSaveStatus::LineTooLong);
  EXPECT_EQ(T.bytes(), "old");
  EXPECT_TRUE(T.alone());
  EXPECT_EQ(T.Log.Messages.back(), L"[ReportSetting] template not saved, line longer than 511 "
                                   L"bytes in [ViewSetting]: " +
                                       TooLong);
  T.Doc.DeleteViewSetting(TooLong.c_str());

  // An item line whose names are each short enough but together too long.
  CZRVReportItem Item;
  T.Doc.GetItem(0, Item);
  const std::wstring Long(120, L'n');
  Item.SetClippingName(Long.c_str());
  Item.SetObjectName(Long.c_str());
  Item.SetCaptureName(Long.c_str());
  Item.SetSlicingName(Long.c_str());
  T.Doc.SetItem(0, Item);
  EXPECT_EQ(T.save(), 0);
  EXPECT_EQ(T.Log.Messages.back(), L"[ReportSetting] template not saved, line longer than 511 "
                                   L"bytes in [FlowResult]: MeltFrontTime");
  EXPECT_EQ(T.bytes(), "old");
}

TEST(SafeSave, NameLongerThan255CharactersRefusesTheSave) {
  OldTemplate T;
  const std::wstring Max(255, L'x');
  const std::wstring Over(256, L'x');
  const std::wstring Refused = L"[ReportSetting] template not saved, name longer than 255 "
                               L"characters in ";

  // 255 characters are a name; 256 are not, wherever the name stands.
  T.Doc.SetRemark(Max.c_str());
  T.Doc.SetCaptureSetting(Max.c_str(), CZRVReportItem::tagFOCUSCAPTURE());
  ASSERT_EQ(T.save(), 1);

  zrvtest::writeBytes(T.Dir.path() / "template.csv", "old");
  T.Doc.SetRemark(Over.c_str());
  EXPECT_EQ(T.save(), 0);
  EXPECT_EQ(T.Writer.GetLastSaveStatus(), ZRVSaveStatus::NameTooLong);
  EXPECT_EQ(T.Log.Messages.back(), Refused + L"[FileHeader]: Remark");
  T.Doc.SetRemark(nullptr);

  // A single view's name is checked as the other names are.
  CZRVReportItem Item;
  T.Doc.GetItem(0, Item);
  const std::wstring ViewName = Item.GetViewName();
  Item.SetViewName(Over.c_str());
  T.Doc.SetItem(0, Item);
  EXPECT_EQ(T.save(), 0);
  EXPECT_EQ(T.Log.Messages.back(), Refused + L"[FlowResult]: MeltFrontTime");
  Item.SetViewName(ViewName.c_str());

  // The several-view field counts as one name.
  for (int I = 0; I < 26; ++I)
    Item.SetManyViewName((L"View_" + std::to_wstring(1000 + I)).c_str()); // 26 x 10 characters
  T.Doc.SetItem(0, Item);
  EXPECT_EQ(T.save(), 0);
  EXPECT_EQ(T.Log.Messages.back(), Refused + L"[FlowResult]: MeltFrontTime");

  T.Doc.SetItem(0, CZRVReportItem());
  for (int I = 0; I < 6; ++I)
    T.Doc.AddItemEx(CZRVReportItemEx());
  T.Doc.SetPPTTemplate(Over.c_str());
  EXPECT_EQ(T.save(), 0);
  EXPECT_EQ(T.Log.Messages.back(), Refused + L"[ResultEx]: PPTTemplate");
  EXPECT_EQ(T.bytes(), "old");
  EXPECT_TRUE(T.alone());
}

TEST(SafeSave, ASaveWaitsWhileTheLockIsHeldAndALeftLockFileIsFree) {
  zrvtest::TempDir Dir;
  const std::wstring Target = Dir.file(L"t.csv");
  const std::wstring LockName = zrv::platform::SafeSaveLockName(Target);
  zrvtest::writeBytes(Dir.path() / "t.csv", "old");

  // Another save holds the lock: this one waits, then saves.
  const long long Held = zrv::platform::LockSave(LockName);
  ASSERT_NE(Held, -1) << zrv::platform::ToUtf8(zrv::platform::LastFailureReason());
  std::atomic<bool> Done{false};
  zrv::platform::SafeSaveResult Result = zrv::platform::SafeSaveResult::LockFailed;
  std::thread Saver([&] {
    Result = zrv::platform::SaveFileSafely(Target, "new");
    Done = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_FALSE(Done);
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "t.csv"), "old");
  EXPECT_TRUE(fs::exists(fs::path(LockName)));
  zrv::platform::UnlockSave(Held, LockName);
  Saver.join();
  EXPECT_EQ(Result, zrv::platform::SafeSaveResult::Saved);
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "t.csv"), "new");
  EXPECT_EQ(zrvtest::folderNames(Dir.path()), std::set<std::wstring>{L"t.csv"});

  // A lock file that no save holds (its process ended) stops nothing and
  // goes with the save.
  zrvtest::writeBytes(fs::path(LockName), "");
  EXPECT_EQ(zrv::platform::SaveFileSafely(Target, "newer"), zrv::platform::SafeSaveResult::Saved);
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "t.csv"), "newer");
  EXPECT_EQ(zrvtest::folderNames(Dir.path()), std::set<std::wstring>{L"t.csv"});
}
