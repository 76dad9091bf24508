// PlatformPosix.cpp - the platform layer on POSIX systems (Linux).
#ifndef _WIN32

#include "platform/Platform.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

namespace zrv::platform {

// Letter case is folded as the Windows runtime folds it in its default "C"
// locale: A to Z only. Names that differ in other letters' case stay different,
// so that a template behaves the same on both platforms.
namespace {
wchar_t foldAscii(wchar_t C) { return C >= L'A' && C <= L'Z' ? static_cast<wchar_t>(C + 32) : C; }
} // namespace

int CompareNoCase(std::wstring_view Left, std::wstring_view Right) {
  std::size_t N = Left.size() < Right.size() ? Left.size() : Right.size();
  for (std::size_t I = 0; I < N; ++I) {
    wchar_t A = foldAscii(Left[I]), B = foldAscii(Right[I]);
    if (A != B)
      return A < B ? -1 : 1;
  }
  if (Left.size() == Right.size())
    return 0;
  return Left.size() < Right.size() ? -1 : 1;
}

std::wstring ToLower(std::wstring Text) {
  for (wchar_t& C : Text)
    C = foldAscii(C);
  return Text;
}

// ---- Files -------------------------------------------------------------------

namespace {
std::string nativePath(const std::wstring& Path) { return ToUtf8(Path); }

/// A failure's reason that errno cannot hold ("a FIFO (named pipe) is not a
/// file"); it goes before errno's text.
thread_local std::wstring RecordedReason;
} // namespace

const char* const TextModeLineEnd = "\r\n";

std::FILE* OpenFile(const std::wstring& Path, const char* Mode) {
  std::FILE* File = std::fopen(nativePath(Path).c_str(), Mode);
  // Here a folder opens for reading (and every read then fails); the Windows
  // runtime refuses to open one. A folder is not a file: refuse it too, so that
  // a template path naming a folder fails to open instead of loading as empty.
  struct stat Status;
  if (File && ::fstat(::fileno(File), &Status) == 0 && S_ISDIR(Status.st_mode)) {
    std::fclose(File);
    errno = EISDIR;
    return nullptr;
  }
  return File;
}

std::FILE* OpenTextFileForWriting(const std::wstring& Path) { return OpenFile(Path, "w"); }

bool FileStatusOk(const std::wstring& Path) {
  struct stat Status;
  return ::stat(nativePath(Path).c_str(), &Status) == 0;
}

bool PathExists(const std::wstring& Path) { return ::access(nativePath(Path).c_str(), F_OK) == 0; }

bool RenameNoReplace(const std::wstring& From, const std::wstring& To) {
  std::string Source = nativePath(From), Target = nativePath(To);
#if defined(__linux__) && defined(SYS_renameat2)
  long Result = ::syscall(SYS_renameat2, AT_FDCWD, Source.c_str(), AT_FDCWD, Target.c_str(),
                          1u /* RENAME_NOREPLACE */);
  if (Result == 0)
    return true;
  if (errno != ENOSYS && errno != EINVAL)
    return false;
#endif
  // Without an atomic no-replace rename: a hard link fails when the target
  // exists, and then the old name is removed.
  if (::link(Source.c_str(), Target.c_str()) != 0)
    return false;
  ::unlink(Source.c_str());
  return true;
}

bool ReplaceFile(const std::wstring& From, const std::wstring& To) {
  std::string Source = nativePath(From), Target = nativePath(To);
  // The new file takes the place of the old one with the old one's owner,
  // group and permission bits, so that a save does not change who may read
  // or write the template. Owner and group are set as far as the process may
  // (a user may give a file to a group of their own, only root to another
  // user); the bits are set after them, as a change of owner clears the
  // set-id bits. What the new file has already (the same user saving again)
  // is not set again: each change is a change of the file's metadata that
  // the flush of the folder then writes.
  struct stat Status;
  if (::stat(Target.c_str(), &Status) == 0 && S_ISREG(Status.st_mode)) {
    struct stat Own;
    const bool Known = ::stat(Source.c_str(), &Own) == 0;
    const bool SameOwner = Known && Own.st_uid == Status.st_uid && Own.st_gid == Status.st_gid;
    if (!SameOwner && ::chown(Source.c_str(), Status.st_uid, Status.st_gid) != 0)
      (void)!::chown(Source.c_str(), static_cast<uid_t>(-1), Status.st_gid);
    if (!SameOwner || (Own.st_mode & 07777) != (Status.st_mode & 07777))
      ::chmod(Source.c_str(), Status.st_mode & 07777);
  }
  errno = 0;
  return std::rename(Source.c_str(), Target.c_str()) == 0;
}

bool FlushFolderOf(const std::wstring& Path) {
  std::string Target = nativePath(Path);
  std::string::size_type Slash = Target.rfind('/');
  std::string Folder = Slash == std::string::npos ? "." : Target.substr(0, Slash + 1);
  int Descriptor = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (Descriptor < 0)
    return false;
  bool Flushed = ::fsync(Descriptor) == 0;
  int Saved = errno;
  ::close(Descriptor);
  errno = Saved;
  return Flushed;
}

std::wstring ResolveLinks(const std::wstring& Path) {
  // The limit of links the system follows in one path.
  constexpr int MaxLinks = 40;
  std::string Current = nativePath(Path);
  for (int Followed = 0; Followed <= MaxLinks; ++Followed) {
    struct stat Status;
    if (::lstat(Current.c_str(), &Status) != 0 || !S_ISLNK(Status.st_mode))
      return FromUtf8(Current);
    std::string Link(PATH_MAX, '\0');
    ssize_t Length = ::readlink(Current.c_str(), Link.data(), Link.size());
    if (Length < 0)
      return std::wstring();
    Link.resize(static_cast<std::size_t>(Length));
    std::string::size_type Slash = Current.rfind('/');
    if (Link.empty() || Link[0] == '/' || Slash == std::string::npos)
      Current = Link;
    else
      Current = Current.substr(0, Slash + 1) + Link;
  }
  errno = ELOOP;
  return std::wstring();
}

long long LockSave(const std::wstring& LockPath) {
  std::string Native = nativePath(LockPath);
  for (;;) {
    int Descriptor = ::open(Native.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
    if (Descriptor < 0)
      return -1;
    int Locked;
    do
      Locked = ::flock(Descriptor, LOCK_EX);
    while (Locked != 0 && errno == EINTR);
    if (Locked != 0) {
      int Saved = errno;
      ::close(Descriptor);
      errno = Saved;
      return -1;
    }
    // The save that held the lock before removes the lock file when it ends;
    // a lock taken on a file that is no longer under the name locks nothing.
    struct stat Held, Named;
    if (::fstat(Descriptor, &Held) == 0 && ::stat(Native.c_str(), &Named) == 0 &&
        Held.st_dev == Named.st_dev && Held.st_ino == Named.st_ino)
      return Descriptor;
    ::close(Descriptor);
  }
}

void UnlockSave(long long Handle, const std::wstring& LockPath) {
  if (Handle < 0)
    return;
  // Removed while still locked, so that no other save locks the old file
  // after the name is gone without seeing that it is gone.
  ::unlink(nativePath(LockPath).c_str());
  ::close(static_cast<int>(Handle));
}

unsigned long ProcessId() { return static_cast<unsigned long>(::getpid()); }

std::FILE* CreateNewFile(const std::wstring& Path) {
  int Descriptor = ::open(nativePath(Path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (Descriptor < 0)
    return nullptr;
  std::FILE* Stream = ::fdopen(Descriptor, "wb");
  if (!Stream) {
    ::close(Descriptor);
    ::unlink(nativePath(Path).c_str());
  }
  return Stream;
}

bool CanOpenForWriting(const std::wstring& Path) {
  std::string Native = nativePath(Path);
  if (::access(Native.c_str(), F_OK) != 0)
    return errno == ENOENT;
  std::FILE* Stream = std::fopen(Native.c_str(), "r+b");
  if (!Stream)
    return false;
  std::fclose(Stream);
  return true;
}

bool RemoveFile(const std::wstring& Path) { return ::unlink(nativePath(Path).c_str()) == 0; }

bool FlushToDisk(std::FILE* Stream) {
  if (std::fflush(Stream) != 0)
    return false;
  return ::fsync(::fileno(Stream)) == 0;
}

bool CopyFile(const std::wstring& From, const std::wstring& To, bool FailIfExists) {
  OpenFailure Failure;
  std::FILE* Stream = OpenRegularFile(From, Failure);
  if (!Stream) {
    RecordedReason = Failure.Reason;
    return false;
  }
  int In = ::dup(::fileno(Stream));
  std::fclose(Stream);
  if (In < 0)
    return false;
  struct stat Status;
  if (::fstat(In, &Status) != 0) {
    ::close(In);
    return false;
  }
  int Flags = O_WRONLY | O_CREAT | O_CLOEXEC | (FailIfExists ? O_EXCL : O_TRUNC);
  int Out = ::open(nativePath(To).c_str(), Flags, Status.st_mode & 0777);
  if (Out < 0) {
    ::close(In);
    return false;
  }
  bool Ok = true;
  char Buffer[65536];
  for (;;) {
    ssize_t Got = ::read(In, Buffer, sizeof(Buffer));
    if (Got == 0)
      break;
    if (Got < 0) {
      if (errno == EINTR)
        continue;
      Ok = false;
      break;
    }
    for (ssize_t Done = 0; Done < Got;) {
      ssize_t Put = ::write(Out, Buffer + Done, static_cast<std::size_t>(Got - Done));
      if (Put < 0) {
        if (errno == EINTR)
          continue;
        Ok = false;
        break;
      }
      Done += Put;
    }
    if (!Ok)
      break;
  }
  ::close(In);
  if (::close(Out) != 0)
    Ok = false;
  if (!Ok)
    ::unlink(nativePath(To).c_str());
  return Ok;
}

bool CreateDirectory(const std::wstring& Path) {
  return ::mkdir(nativePath(Path).c_str(), 0777) == 0;
}

// ---- Failure reasons and template opening ---------------------------------------

std::wstring LastFailureReason() {
  if (!RecordedReason.empty())
    return RecordedReason;
  return errno == 0 ? std::wstring() : FromUtf8(std::strerror(errno));
}

void ClearFailureReason() {
  RecordedReason.clear();
  errno = 0;
}

namespace {

OpenProblem problemOf(int Error) {
  switch (Error) {
  case ENOENT:
  case ENOTDIR:
    return OpenProblem::Missing;
  case EISDIR:
    return OpenProblem::Folder;
  case ELOOP:
    return OpenProblem::LinkLoop;
  case ENAMETOOLONG:
    return OpenProblem::NameTooLong;
  case ENXIO: // a socket, or a device without its driver
    return OpenProblem::NotRegularFile;
  default:
    return OpenProblem::Other;
  }
}

/// What a file of type \p Mode is, for the message that refuses it.
const wchar_t* kindOfFile(mode_t Mode) {
  if (S_ISFIFO(Mode))
    return L"a FIFO (named pipe)";
  if (S_ISSOCK(Mode))
    return L"a socket";
  if (S_ISCHR(Mode))
    return L"a character device";
  if (S_ISBLK(Mode))
    return L"a block device";
  return L"not a regular file";
}

void refuse(OpenFailure& Failure, OpenProblem Problem, std::wstring Reason) {
  Failure.Problem = Problem;
  Failure.Reason = std::move(Reason);
}

} // namespace

std::FILE* OpenRegularFile(const std::wstring& Path, OpenFailure& Failure) {
  Failure = OpenFailure();
  std::string Native = nativePath(Path);
  // A socket cannot be opened at all; say what it is rather than "No such
  // device or address".
  struct stat Status;
  if (::stat(Native.c_str(), &Status) == 0 && S_ISSOCK(Status.st_mode)) {
    refuse(Failure, OpenProblem::NotRegularFile,
           std::wstring(kindOfFile(Status.st_mode)) + L" is not a file");
    return nullptr;
  }
  // Without waiting: a FIFO opens at once instead of waiting for a writer,
  // and is refused below.
  int Descriptor = ::open(Native.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (Descriptor < 0) {
    int Error = errno;
    refuse(Failure, problemOf(Error), FromUtf8(std::strerror(Error)));
    return nullptr;
  }
  if (::fstat(Descriptor, &Status) != 0 || !S_ISREG(Status.st_mode)) {
    bool Folder = S_ISDIR(Status.st_mode);
    ::close(Descriptor);
    if (Folder)
      refuse(Failure, OpenProblem::Folder, FromUtf8(std::strerror(EISDIR)));
    else
      refuse(Failure, OpenProblem::NotRegularFile,
             std::wstring(kindOfFile(Status.st_mode)) + L" is not a file");
    return nullptr;
  }
  int Flags = ::fcntl(Descriptor, F_GETFL);
  if (Flags >= 0)
    ::fcntl(Descriptor, F_SETFL, Flags & ~O_NONBLOCK);
  std::FILE* Stream = ::fdopen(Descriptor, "rb");
  if (!Stream) {
    int Error = errno;
    ::close(Descriptor);
    refuse(Failure, OpenProblem::Other, FromUtf8(std::strerror(Error)));
  }
  return Stream;
}

// ---- Directory listing ---------------------------------------------------------

bool ListDirectory(const std::wstring& Directory, std::wstring_view Pattern,
                   std::vector<DirectoryEntry>& Entries) {
  Entries.clear();
  std::string Folder = nativePath(Directory);
  DIR* Handle = ::opendir(Folder.empty() ? "." : Folder.c_str());
  if (!Handle)
    return false;
  if (!Folder.empty() && Folder.back() != '/')
    Folder += '/';
  while (struct dirent* Entry = ::readdir(Handle)) {
    DirectoryEntry Item;
    Item.Name = FromUtf8(Entry->d_name);
    if (!MatchesPattern(Item.Name, Pattern))
      continue;
    std::string Full = Folder + Entry->d_name;
    struct stat Status;
    if (::lstat(Full.c_str(), &Status) == 0) {
      if (S_ISLNK(Status.st_mode)) {
        // A symbolic link is a reparse point; like Windows, it carries the
        // directory bit when it points to a folder.
        Item.IsReparsePoint = true;
        struct stat Target;
        Item.IsDirectory = ::stat(Full.c_str(), &Target) == 0 && S_ISDIR(Target.st_mode);
      } else {
        Item.IsDirectory = S_ISDIR(Status.st_mode);
      }
    }
    Entries.push_back(std::move(Item));
  }
  ::closedir(Handle);
  return true;
}

// ---- Process -------------------------------------------------------------------

std::wstring ExecutablePath() {
  std::string Buffer(PATH_MAX, '\0');
  ssize_t Length = ::readlink("/proc/self/exe", Buffer.data(), Buffer.size());
  if (Length <= 0)
    return std::wstring();
  Buffer.resize(static_cast<std::size_t>(Length));
  return FromUtf8(Buffer);
}

void DebugOutput(const std::wstring&) {
  // No debugger channel here: the message is discarded, as on Windows when
  // nobody listens.
}

} // namespace zrv::platform

#endif // !_WIN32
