// SafeSavePosixTest.cpp - what a save keeps of the file it replaces on POSIX
// systems (the file behind a symbolic link, owner, group and mode), and saves
// of one template by two processes at once.
#include "platform/SafeSave.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"

namespace {

using zrv::platform::SafeSaveResult;
using zrv::platform::SaveFileSafely;

struct stat statOf(const fs::path& Path) {
  struct stat Status {};
  EXPECT_EQ(::stat(Path.c_str(), &Status), 0);
  return Status;
}

bool flushStreamOnly(std::FILE* Stream) { return std::fflush(Stream) == 0; }
bool folderFlushed(const std::wstring&) { return true; }

} // namespace

TEST(SafeSavePosix, SaveThroughALinkUpdatesTheFileItNames) {
  zrvtest::TempDir Dir;
  fs::create_directory(Dir.path() / "real");
  zrvtest::writeBytes(Dir.path() / "real" / "t.csv", "old");
  // A relative link to a link: both stay links, the file behind them changes.
  fs::create_symlink("real/t.csv", Dir.path() / "near.csv");
  fs::create_symlink(Dir.path() / "near.csv", Dir.path() / "far.csv");
  EXPECT_EQ(SaveFileSafely((Dir.path() / "far.csv").wstring(), "new"), SafeSaveResult::Saved);
  EXPECT_TRUE(fs::is_symlink(Dir.path() / "far.csv"));
  EXPECT_TRUE(fs::is_symlink(Dir.path() / "near.csv"));
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "real" / "t.csv"), "new");
  EXPECT_EQ(zrvtest::folderNames(Dir.path() / "real"), std::set<std::wstring>{L"t.csv"});
  EXPECT_EQ(zrvtest::folderNames(Dir.path()),
            (std::set<std::wstring>{L"far.csv", L"near.csv", L"real"}));

  // A link loop is refused with the system's reason.
  fs::create_symlink("b.csv", Dir.path() / "a.csv");
  fs::create_symlink("a.csv", Dir.path() / "b.csv");
  std::wstring Reason;
  EXPECT_EQ(SaveFileSafely((Dir.path() / "a.csv").wstring(), "x", &Reason),
            SafeSaveResult::TargetNotWritable);
  EXPECT_EQ(Reason, L"Too many levels of symbolic links");
}

TEST(SafeSavePosix, OwnerGroupAndModeAreKept) {
  zrvtest::TempDir Dir;
  const fs::path Target = Dir.path() / "shared.csv";
  zrvtest::writeBytes(Target, "old");
  ASSERT_EQ(::chmod(Target.c_str(), 0640), 0);
  // Only root may give a file to another user; the test then checks that
  // the saved file goes back to that user and group.
  const bool Root = ::geteuid() == 0;
  if (Root) {
    ASSERT_EQ(::chown(Target.c_str(), 12345, 23456), 0);
  }
  const struct stat Before = statOf(Target);
  EXPECT_EQ(SaveFileSafely(Target.wstring(), "new"), SafeSaveResult::Saved);
  const struct stat After = statOf(Target);
  EXPECT_EQ(zrvtest::readBytes(Target), "new");
  EXPECT_NE(After.st_ino, Before.st_ino); // replaced, not rewritten
  EXPECT_EQ(After.st_mode & 07777, 0640u);
  EXPECT_EQ(After.st_uid, Before.st_uid);
  EXPECT_EQ(After.st_gid, Before.st_gid);
  if (Root) {
    EXPECT_EQ(After.st_uid, 12345u);
  }
}

TEST(SafeSavePosix, TwoProcessesSaveOneTemplateWithoutFailure) {
  // The disk flushes are left out (fflush only) to keep the run short; the
  // lock, the names, the stale-file removal and the rename are the real ones.
  constexpr int SavesEach = 2000;
  zrvtest::TempDir Dir;
  const std::wstring Target = (Dir.path() / "t.csv").wstring();
  const std::string Content[] = {std::string(3000, 'a'), std::string(5000, 'b')};
  zrv::platform::SafeSaveSteps& Steps = zrv::platform::CurrentSafeSaveSteps();
  Steps.Flush = flushStreamOnly;
  Steps.FlushFolder = folderFlushed;
  pid_t Children[2];
  for (int Child = 0; Child < 2; ++Child) {
    Children[Child] = ::fork();
    ASSERT_GE(Children[Child], 0);
    if (Children[Child] == 0) {
      int Failures = 0;
      for (int I = 0; I < SavesEach; ++I)
        Failures += SaveFileSafely(Target, Content[Child]) != SafeSaveResult::Saved;
      ::_exit(Failures > 100 ? 100 : Failures);
    }
  }
  Steps = zrv::platform::DefaultSafeSaveSteps();
  for (pid_t Child : Children) {
    int Status = 0;
    ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
    ASSERT_TRUE(WIFEXITED(Status));
    EXPECT_EQ(WEXITSTATUS(Status), 0) << "saves that failed";
  }
  const std::string Last = zrvtest::readBytes(Dir.path() / "t.csv");
  EXPECT_TRUE(Last == Content[0] || Last == Content[1]) << Last.size();
  EXPECT_EQ(zrvtest::folderNames(Dir.path()), std::set<std::wstring>{L"t.csv"});
}
