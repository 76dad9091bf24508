// SafeSaveWin32Test.cpp - what a save keeps of the file it replaces on
// Windows: the file behind a symbolic link, and the file's attributes; a
// read-only file is refused.
#include "platform/SafeSave.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "TestSupport.h"

namespace {

using zrv::platform::SafeSaveResult;
using zrv::platform::SaveFileSafely;

DWORD attributesOf(const fs::path& Path) { return ::GetFileAttributesW(Path.c_str()); }

/// Under Wine: makes \p Link a Unix symbolic link to \p Target with the Unix
/// "ln" (Wine starts Unix programs). False elsewhere or when that fails.
bool makeUnixLink(const fs::path& Target, const fs::path& Link) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (!unixName)
    return false;
  char* From = unixName(Target.c_str());
  // The link's folder exists; its name does not yet, so the folder's Unix
  // name is asked and the link's name added.
  char* Folder = unixName(Link.parent_path().c_str());
  if (!From || !Folder)
    return false;
  std::wstring Command = L"/bin/ln -s \"" + fs::u8path(From).wstring() + L"\" \"" +
                         fs::u8path(Folder).wstring() + L"/" + Link.filename().wstring() + L"\"";
  ::HeapFree(::GetProcessHeap(), 0, From);
  ::HeapFree(::GetProcessHeap(), 0, Folder);
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  PROCESS_INFORMATION Process{};
  if (!::CreateProcessW(L"Z:\\bin\\ln", Command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &Startup, &Process))
    return false;
  ::CloseHandle(Process.hThread);
  ::CloseHandle(Process.hProcess);
  // Wine does not follow a Unix process to its end: the link is waited for.
  for (int Wait = 0; Wait < 500 && attributesOf(Link) == INVALID_FILE_ATTRIBUTES; ++Wait)
    ::Sleep(10);
  return attributesOf(Link) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

TEST(SafeSaveWin32, AttributesAreKeptAndAReadOnlyFileIsRefused) {
  zrvtest::TempDir Dir;
  const fs::path Target = Dir.path() / "t.csv";
  constexpr DWORD Kept =
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  zrvtest::writeBytes(Target, "old");
  ASSERT_TRUE(::SetFileAttributesW(Target.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_EQ(attributesOf(Target) & Kept, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(SaveFileSafely(Target.wstring(), "new"), SafeSaveResult::Saved);
  EXPECT_EQ(zrvtest::readBytes(Target), "new");
  EXPECT_EQ(attributesOf(Target) & Kept, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);

  // A file without them does not get them.
  ASSERT_TRUE(::SetFileAttributesW(Target.c_str(), FILE_ATTRIBUTE_NORMAL));
  EXPECT_EQ(SaveFileSafely(Target.wstring(), "newer"), SafeSaveResult::Saved);
  EXPECT_EQ(attributesOf(Target) & FILE_ATTRIBUTE_HIDDEN, 0u);

  // Read-only: refused with the system's reason, the file as it was.
  ASSERT_TRUE(::SetFileAttributesW(Target.c_str(), FILE_ATTRIBUTE_READONLY));
  std::wstring Reason;
  EXPECT_EQ(SaveFileSafely(Target.wstring(), "refused", &Reason),
            SafeSaveResult::TargetNotWritable);
  EXPECT_FALSE(Reason.empty());
  EXPECT_EQ(zrvtest::readBytes(Target), "newer");
  EXPECT_EQ(zrvtest::folderNames(Dir.path()), std::set<std::wstring>{L"t.csv"});
  ::SetFileAttributesW(Target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(SafeSaveWin32, SaveThroughALinkUpdatesTheFileItNames) {
  zrvtest::TempDir Dir;
  fs::create_directory(Dir.path() / "real");
  const fs::path Real = Dir.path() / "real" / "t.csv", Link = Dir.path() / "link.csv";
  zrvtest::writeBytes(Real, "old");
  // A Windows link needs the developer mode or the privilege to make one.
  // Wine 8 reports success without making one, but follows the Unix links
  // of its file systems: there the link is made by the Unix "ln".
  const bool WindowsLink = ::CreateSymbolicLinkW(Link.c_str(), Real.c_str(),
                                                 SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
                           (attributesOf(Link) & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                           attributesOf(Link) != INVALID_FILE_ATTRIBUTES;
  if (!WindowsLink && !makeUnixLink(Real, Link))
    GTEST_SKIP() << "no symbolic link can be made here";

  EXPECT_EQ(SaveFileSafely(Link.wstring(), "new"), SafeSaveResult::Saved);
  EXPECT_EQ(SaveFileSafely(Link.wstring(), "newer"), SafeSaveResult::Saved);
  // The file behind the link holds the bytes (a link replaced by the saved
  // file would leave it "old"), and the link still names it.
  EXPECT_EQ(zrvtest::readBytes(Real), "newer");
  EXPECT_EQ(zrvtest::readBytes(Link), "newer");
  if (WindowsLink) {
    EXPECT_NE(attributesOf(Link) & FILE_ATTRIBUTE_REPARSE_POINT, 0u);
  }
  EXPECT_EQ(zrvtest::folderNames(Dir.path() / "real"), std::set<std::wstring>{L"t.csv"});
  EXPECT_EQ(zrvtest::folderNames(Dir.path()), (std::set<std::wstring>{L"link.csv", L"real"}));

  // A link whose file is missing is refused with the system's reason (a
  // Windows link; Wine shows a dangling Unix link as no file at all, which a
  // save creates).
  if (WindowsLink) {
    fs::remove(Real);
    std::wstring Reason;
    EXPECT_EQ(SaveFileSafely(Link.wstring(), "x", &Reason), SafeSaveResult::TargetNotWritable);
    EXPECT_FALSE(Reason.empty());
    EXPECT_TRUE(zrvtest::folderNames(Dir.path() / "real").empty());
  }
}
