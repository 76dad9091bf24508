// PlatformPosix.cpp - the platform layer on POSIX systems (Linux).
#ifndef _WIN32

#include "platform/Platform.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cwctype>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <unistd.h>

namespace zrv::platform {

// ---- Text conversion ---------------------------------------------------------
// wchar_t holds UTF-32 here; the conversions are written out, so that invalid
// input gives U+FFFD exactly where Windows' converters give it.

std::string ToUtf8(std::wstring_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (wchar_t W : Text) {
    auto C = static_cast<unsigned long>(W);
    if ((C >= 0xD800 && C <= 0xDFFF) || C > 0x10FFFF)
      C = 0xFFFD;
    if (C < 0x80) {
      Out += static_cast<char>(C);
    } else if (C < 0x800) {
      Out += static_cast<char>(0xC0 | (C >> 6));
      Out += static_cast<char>(0x80 | (C & 0x3F));
    } else if (C < 0x10000) {
      Out += static_cast<char>(0xE0 | (C >> 12));
      Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
      Out += static_cast<char>(0x80 | (C & 0x3F));
    } else {
      Out += static_cast<char>(0xF0 | (C >> 18));
      Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
      Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
      Out += static_cast<char>(0x80 | (C & 0x3F));
    }
  }
  return Out;
}

std::wstring FromUtf8(std::string_view Bytes) {
  std::wstring Out;
  Out.reserve(Bytes.size());
  const auto* P = reinterpret_cast<const unsigned char*>(Bytes.data());
  const unsigned char* End = P + Bytes.size();
  while (P < End) {
    unsigned char B = *P;
    if (B < 0x80) {
      Out += static_cast<wchar_t>(B);
      ++P;
      continue;
    }
    // Length and first-continuation-byte bounds of a well-formed sequence
    // (the table of well-formed UTF-8 byte sequences).
    int Length = 0;
    unsigned long C = 0;
    unsigned char Lo = 0x80, Hi = 0xBF;
    if (B >= 0xC2 && B <= 0xDF) {
      Length = 2;
      C = B & 0x1Fu;
    } else if (B >= 0xE0 && B <= 0xEF) {
      Length = 3;
      C = B & 0x0Fu;
      if (B == 0xE0)
        Lo = 0xA0;
      else if (B == 0xED)
        Hi = 0x9F;
    } else if (B >= 0xF0 && B <= 0xF4) {
      Length = 4;
      C = B & 0x07u;
      if (B == 0xF0)
        Lo = 0x90;
      else if (B == 0xF4)
        Hi = 0x8F;
    } else {
      Out += L'\xFFFD';
      ++P;
      continue;
    }
    // A maximal subpart of a broken sequence becomes one U+FFFD.
    const unsigned char* Q = P + 1;
    int Seen = 1;
    bool Valid = true;
    while (Seen < Length) {
      if (Q >= End) {
        Valid = false;
        break;
      }
      unsigned char Next = *Q;
      unsigned char Low = Seen == 1 ? Lo : 0x80;
      unsigned char High = Seen == 1 ? Hi : 0xBF;
      if (Next < Low || Next > High) {
        Valid = false;
        break;
      }
      C = (C << 6) | (Next & 0x3Fu);
      ++Q;
      ++Seen;
    }
    Out += Valid ? static_cast<wchar_t>(C) : L'\xFFFD';
    P = Q;
  }
  return Out;
}

int CompareNoCase(std::wstring_view Left, std::wstring_view Right) {
  std::size_t N = Left.size() < Right.size() ? Left.size() : Right.size();
  for (std::size_t I = 0; I < N; ++I) {
    auto A = static_cast<long>(std::towlower(static_cast<std::wint_t>(Left[I])));
    auto B = static_cast<long>(std::towlower(static_cast<std::wint_t>(Right[I])));
    if (A != B)
      return A < B ? -1 : 1;
  }
  if (Left.size() == Right.size())
    return 0;
  return Left.size() < Right.size() ? -1 : 1;
}

std::wstring ToLower(std::wstring Text) {
  for (wchar_t& C : Text)
    C = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(C)));
  return Text;
}

// ---- Files -------------------------------------------------------------------

namespace {
std::string nativePath(const std::wstring& Path) { return ToUtf8(Path); }
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

bool PathExists(const std::wstring& Path) {
  return ::access(nativePath(Path).c_str(), F_OK) == 0;
}

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
  return std::rename(nativePath(From).c_str(), nativePath(To).c_str()) == 0;
}

bool RemoveFile(const std::wstring& Path) { return ::unlink(nativePath(Path).c_str()) == 0; }

bool FlushToDisk(std::FILE* Stream) {
  if (std::fflush(Stream) != 0)
    return false;
  return ::fsync(::fileno(Stream)) == 0;
}

bool CopyFile(const std::wstring& From, const std::wstring& To, bool FailIfExists) {
  int In = ::open(nativePath(From).c_str(), O_RDONLY | O_CLOEXEC);
  if (In < 0)
    return false;
  struct stat Status;
  if (::fstat(In, &Status) != 0 || S_ISDIR(Status.st_mode)) {
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
