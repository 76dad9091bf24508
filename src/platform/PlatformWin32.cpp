// PlatformWin32.cpp - the platform layer on Windows: the C runtime's wide file
// functions and the Win32 calls for folders, copies, the module path, text
// conversion and the debugger output channel.
#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// windows.h maps these names to their A or W functions; here they name the
// platform layer's own functions.
#undef CopyFile
#undef CreateDirectory
#undef ReplaceFile

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <wchar.h>

#include "platform/Platform.h"

namespace zrv::platform {

int CompareNoCase(std::wstring_view Left, std::wstring_view Right) {
  std::wstring A(Left), B(Right);
  return ::_wcsicmp(A.c_str(), B.c_str());
}

std::wstring ToLower(std::wstring Text) {
  if (!Text.empty())
    ::_wcslwr_s(Text.data(), Text.size() + 1);
  return Text;
}

// ---- Failure reasons -------------------------------------------------------------
// The C runtime reports its failures in errno, the Win32 calls in
// GetLastError. The platform functions that use Win32 calls record the code
// of their failure here; the reason is the recorded code's text, or errno's.

namespace {

thread_local DWORD RecordedError = 0;
/// A failure's reason that no error code holds ("a pipe or socket is not a
/// file"); it goes before the code's text.
thread_local std::wstring RecordedReason;

/// Records the calling thread's last Win32 error; returns false for the
/// failing caller to pass on.
bool recordFailure() {
  RecordedError = ::GetLastError();
  return false;
}

/// The system's text for a Win32 error code, without its line end.
std::wstring win32Text(DWORD Code) {
  wchar_t* Buffer = nullptr;
  DWORD Length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, Code, 0, reinterpret_cast<wchar_t*>(&Buffer), 0, nullptr);
  std::wstring Text = Length && Buffer ? std::wstring(Buffer, Length) : std::wstring();
  if (Buffer)
    ::LocalFree(Buffer);
  while (!Text.empty() && (Text.back() == L'\n' || Text.back() == L'\r' || Text.back() == L' ' ||
                           Text.back() == L'.'))
    Text.pop_back();
  if (Text.empty())
    Text = L"system error " + std::to_wstring(Code);
  return Text;
}

} // namespace

std::wstring LastFailureReason() {
  if (!RecordedReason.empty())
    return RecordedReason;
  if (RecordedError != 0)
    return win32Text(RecordedError);
  if (errno != 0)
    return FromUtf8(std::strerror(errno));
  return std::wstring();
}

void ClearFailureReason() {
  RecordedReason.clear();
  RecordedError = 0;
  errno = 0;
}

// ---- Files -------------------------------------------------------------------

// The runtime's text mode turns "\n" into CR LF on writing.
const char* const TextModeLineEnd = "\n";

std::FILE* OpenFile(const std::wstring& Path, const char* Mode) {
  std::wstring WideMode(Mode, Mode + std::char_traits<char>::length(Mode));
  return ::_wfopen(Path.c_str(), WideMode.c_str());
}

std::FILE* OpenTextFileForWriting(const std::wstring& Path) {
  return ::_wfopen(Path.c_str(), L"w");
}

bool FileStatusOk(const std::wstring& Path) {
  struct _stat64i32 Status;
  return ::_wstat64i32(Path.c_str(), &Status) == 0;
}

bool PathExists(const std::wstring& Path) {
  // The attribute query that PathFileExistsW makes, without the shell library.
  return ::GetFileAttributesW(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RenameNoReplace(const std::wstring& From, const std::wstring& To) {
  // _wrename never replaces an existing target on Windows.
  return ::_wrename(From.c_str(), To.c_str()) == 0;
}

bool ReplaceFile(const std::wstring& From, const std::wstring& To) {
  // The new file takes the old one's attributes (hidden, system, archive,
  // not indexed), so that a save does not show or hide the template.
  constexpr DWORD Kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  DWORD Attributes = ::GetFileAttributesW(To.c_str());
  if (Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY))
    ::SetFileAttributesW(From.c_str(),
                         (Attributes & Kept) ? (Attributes & Kept) : FILE_ATTRIBUTE_NORMAL);
  if (::MoveFileExW(From.c_str(), To.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  return recordFailure();
}

bool FlushFolderOf(const std::wstring&) {
  // The move was written through (MOVEFILE_WRITE_THROUGH): the folder entry
  // is on the disk when ReplaceFile returns.
  return true;
}

std::wstring ResolveLinks(const std::wstring& Path) {
  // A missing name is the file to create. Otherwise the file is opened with
  // the links followed (no FILE_FLAG_OPEN_REPARSE_POINT) and for no access,
  // and the handle tells the path of the file the chain of links finally
  // names. This also follows what the system does not show as a reparse
  // point (a Unix symbolic link under Wine).
  DWORD Attributes = ::GetFileAttributesW(Path.c_str());
  if (Attributes == INVALID_FILE_ATTRIBUTES)
    return Path;
  // For a name that is itself a link, a failure is the save's failure (a
  // loop, a link whose file is missing); for any other name the path stays
  // as given when the system cannot tell the final path.
  const bool IsLink = (Attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  auto fail = [&]() {
    if (!IsLink)
      return Path;
    recordFailure();
    return std::wstring();
  };
  HANDLE File =
      ::CreateFileW(Path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (File == INVALID_HANDLE_VALUE)
    return fail();
  std::wstring Final(MAX_PATH, L'\0');
  DWORD Length = ::GetFinalPathNameByHandleW(File, Final.data(), static_cast<DWORD>(Final.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  if (Length >= Final.size()) {
    Final.resize(Length);
    Length = ::GetFinalPathNameByHandleW(File, Final.data(), static_cast<DWORD>(Final.size()),
                                         FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  }
  DWORD Error = ::GetLastError();
  ::CloseHandle(File);
  if (Length == 0 || Length >= Final.size()) {
    ::SetLastError(Error);
    return fail();
  }
  Final.resize(Length);
  // The system gives the long-path form, \\?\C:\... or \\?\UNC\server\...;
  // the usual form is returned while the path is short enough for it, with
  // room for the temporary file's name beside it.
  constexpr std::size_t UsualLimit = MAX_PATH - 48;
  const std::wstring Long = L"\\\\?\\", LongUnc = L"\\\\?\\UNC\\";
  if (Final.size() < UsualLimit && Final.compare(0, LongUnc.size(), LongUnc) == 0)
    return L"\\\\" + Final.substr(LongUnc.size());
  if (Final.size() < UsualLimit && Final.compare(0, Long.size(), Long) == 0)
    return Final.substr(Long.size());
  return Final;
}

long long LockSave(const std::wstring& LockPath) {
  // Opened without sharing: a second save's open fails until the first one
  // closes the handle, and the system deletes the file then (also when the
  // process ends without closing it). While the deletion is pending the open
  // fails with access denied; both are waited out.
  constexpr DWORD WaitStepMs = 1;
  constexpr int MaxDeniedWaits = 2000;
  int DeniedWaits = 0;
  for (;;) {
    HANDLE File =
        ::CreateFileW(LockPath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (File != INVALID_HANDLE_VALUE)
      return static_cast<long long>(reinterpret_cast<intptr_t>(File));
    DWORD Error = ::GetLastError();
    // A deletion pending lasts only as long as the last save takes to close
    // its handle; access denied for longer is a real refusal (a folder that
    // takes no new files, where the save could not work anyway).
    if (Error == ERROR_ACCESS_DENIED)
      ++DeniedWaits;
    if ((Error != ERROR_SHARING_VIOLATION && Error != ERROR_ACCESS_DENIED) ||
        DeniedWaits > MaxDeniedWaits) {
      RecordedError = Error;
      return -1;
    }
    ::Sleep(WaitStepMs);
  }
}

void UnlockSave(long long Handle, const std::wstring&) {
  if (Handle != -1)
    ::CloseHandle(reinterpret_cast<HANDLE>(static_cast<intptr_t>(Handle)));
}

unsigned long ProcessId() { return static_cast<unsigned long>(::GetCurrentProcessId()); }

std::FILE* CreateNewFile(const std::wstring& Path) {
  HANDLE File = ::CreateFileW(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE) {
    recordFailure();
    return nullptr;
  }
  int Descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(File), _O_WRONLY | _O_BINARY);
  if (Descriptor < 0) {
    ::CloseHandle(File);
    ::DeleteFileW(Path.c_str());
    return nullptr;
  }
  std::FILE* Stream = ::_fdopen(Descriptor, "wb");
  if (!Stream) {
    ::_close(Descriptor);
    ::DeleteFileW(Path.c_str());
  }
  return Stream;
}

bool CanOpenForWriting(const std::wstring& Path) {
  DWORD Attributes = ::GetFileAttributesW(Path.c_str());
  if (Attributes == INVALID_FILE_ATTRIBUTES) {
    DWORD Error = ::GetLastError();
    return Error == ERROR_FILE_NOT_FOUND || Error == ERROR_PATH_NOT_FOUND;
  }
  if (Attributes & FILE_ATTRIBUTE_DIRECTORY) {
    errno = EISDIR;
    return false;
  }
  // A read-only file is refused by its attribute, not only by an open that
  // fails: where the attribute maps to permission bits (Wine), a process
  // with the right to ignore them could open it.
  if (Attributes & FILE_ATTRIBUTE_READONLY) {
    RecordedError = ERROR_ACCESS_DENIED;
    return false;
  }
  std::FILE* Stream = ::_wfopen(Path.c_str(), L"r+b");
  if (!Stream)
    return false;
  std::fclose(Stream);
  return true;
}

bool RemoveFile(const std::wstring& Path) {
  return ::DeleteFileW(Path.c_str()) != 0 || recordFailure();
}

bool FlushToDisk(std::FILE* Stream) {
  if (std::fflush(Stream) != 0)
    return false;
  return ::_commit(::_fileno(Stream)) == 0;
}

bool CopyFile(const std::wstring& From, const std::wstring& To, bool FailIfExists) {
  OpenFailure Failure;
  std::FILE* Source = OpenRegularFile(From, Failure);
  if (!Source) {
    RecordedReason = Failure.Reason;
    return false;
  }
  std::fclose(Source);
  return ::CopyFileW(From.c_str(), To.c_str(), FailIfExists ? TRUE : FALSE) != 0 || recordFailure();
}

bool CreateDirectory(const std::wstring& Path) {
  return ::CreateDirectoryW(Path.c_str(), nullptr) != 0 || recordFailure();
}

// ---- Template opening ------------------------------------------------------------------

namespace {

OpenProblem problemOf(DWORD Error) {
  switch (Error) {
  case ERROR_FILE_NOT_FOUND:
  case ERROR_PATH_NOT_FOUND:
  case ERROR_INVALID_NAME:
    return OpenProblem::Missing;
  case ERROR_CANT_RESOLVE_FILENAME:
    return OpenProblem::LinkLoop;
  case ERROR_FILENAME_EXCED_RANGE:
  case ERROR_BUFFER_OVERFLOW:
    return OpenProblem::NameTooLong;
  default:
    return OpenProblem::Other;
  }
}

const wchar_t* kindOfHandle(DWORD Type) {
  switch (Type) {
  case FILE_TYPE_PIPE:
    return L"a pipe or socket";
  case FILE_TYPE_CHAR:
    return L"a character device";
  default:
    return L"not a regular file";
  }
}

} // namespace

std::FILE* OpenRegularFile(const std::wstring& Path, OpenFailure& Failure) {
  Failure = OpenFailure();
  DWORD Attributes = ::GetFileAttributesW(Path.c_str());
  if (Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    Failure.Problem = OpenProblem::Folder;
    Failure.Reason = win32Text(ERROR_DIRECTORY);
    return nullptr;
  }
  HANDLE File = ::CreateFileW(Path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE) {
    DWORD Error = ::GetLastError();
    Failure.Problem = problemOf(Error);
    Failure.Reason = win32Text(Error);
    return nullptr;
  }
  // Devices (NUL, CON, COM1) and pipes open like files; only a disk file is
  // a template.
  DWORD Type = ::GetFileType(File);
  if (Type != FILE_TYPE_DISK) {
    ::CloseHandle(File);
    Failure.Problem = OpenProblem::NotRegularFile;
    Failure.Reason = std::wstring(kindOfHandle(Type)) + L" is not a file";
    return nullptr;
  }
  int Descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(File), _O_RDONLY | _O_BINARY);
  if (Descriptor < 0) {
    ::CloseHandle(File);
    Failure.Problem = OpenProblem::Other;
    Failure.Reason = FromUtf8(std::strerror(errno));
    return nullptr;
  }
  std::FILE* Stream = ::_fdopen(Descriptor, "rb");
  if (!Stream) {
    ::_close(Descriptor);
    Failure.Problem = OpenProblem::Other;
    Failure.Reason = FromUtf8(std::strerror(errno));
  }
  return Stream;
}

// ---- Directory listing ---------------------------------------------------------

bool ListDirectory(const std::wstring& Directory, std::wstring_view Pattern,
                   std::vector<DirectoryEntry>& Entries) {
  Entries.clear();
  // Every entry is listed and matched here, so that "*.csv" means the same as
  // on Linux (FindFirstFileW would also match 8.3 short names).
  std::wstring Query = Directory;
  if (!Query.empty() && Query.back() != L'\\' && Query.back() != L'/')
    Query += L'\\';
  Query += L'*';
  WIN32_FIND_DATAW Data;
  HANDLE Find = ::FindFirstFileW(Query.c_str(), &Data);
  if (Find == INVALID_HANDLE_VALUE)
    return recordFailure();
  do {
    DirectoryEntry Item;
    Item.Name = Data.cFileName;
    if (!MatchesPattern(Item.Name, Pattern))
      continue;
    Item.IsDirectory = (Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    Item.IsReparsePoint = (Data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    Entries.push_back(std::move(Item));
  } while (::FindNextFileW(Find, &Data));
  ::FindClose(Find);
  return true;
}

// ---- Process -------------------------------------------------------------------

std::wstring ExecutablePath() {
  // The module path of the process's executable (not of this DLL); the buffer
  // grows until the path fits, up to the longest path Windows has.
  for (DWORD Capacity = MAX_PATH; Capacity <= 32768; Capacity *= 2) {
    std::wstring Buffer(Capacity, L'\0');
    DWORD Length = ::GetModuleFileNameW(nullptr, Buffer.data(), Capacity);
    if (Length == 0)
      return std::wstring();
    if (Length < Capacity) {
      Buffer.resize(Length);
      return Buffer;
    }
  }
  return std::wstring();
}

void DebugOutput(const std::wstring& Message) { ::OutputDebugStringW(Message.c_str()); }

} // namespace zrv::platform

#endif // _WIN32
