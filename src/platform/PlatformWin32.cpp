// PlatformWin32.cpp - the platform layer on Windows.
#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <wchar.h>

#include "platform/Platform.h"

namespace zrv::platform {

std::string ToUtf8(std::wstring_view Text) {
  if (Text.empty())
    return std::string();
  int Size = ::WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()),
                                   nullptr, 0, nullptr, nullptr);
  std::string Out(static_cast<std::size_t>(Size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Out.data(), Size,
                        nullptr, nullptr);
  return Out;
}

std::wstring FromUtf8(std::string_view Bytes) {
  if (Bytes.empty())
    return std::wstring();
  int Size = ::MultiByteToWideChar(CP_UTF8, 0, Bytes.data(), static_cast<int>(Bytes.size()),
                                   nullptr, 0);
  std::wstring Out(static_cast<std::size_t>(Size), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, Bytes.data(), static_cast<int>(Bytes.size()), Out.data(),
                        Size);
  return Out;
}

int CompareNoCase(std::wstring_view Left, std::wstring_view Right) {
  std::wstring A(Left), B(Right);
  return ::_wcsicmp(A.c_str(), B.c_str());
}

std::wstring ToLower(std::wstring Text) {
  if (!Text.empty())
    ::_wcslwr_s(Text.data(), Text.size() + 1);
  return Text;
}

const char* const TextModeLineEnd = "\n";

std::FILE* OpenFile(const std::wstring& Path, const char* Mode) {
  std::wstring WideMode(Mode, Mode + std::char_traits<char>::length(Mode));
  return ::_wfopen(Path.c_str(), WideMode.c_str());
}

std::FILE* OpenTextFileForWriting(const std::wstring& Path) { return ::_wfopen(Path.c_str(), L"w"); }

bool FileStatusOk(const std::wstring& Path) {
  struct _stat64i32 Status;
  return ::_wstat64i32(Path.c_str(), &Status) == 0;
}

bool PathExists(const std::wstring& Path) {
  return ::GetFileAttributesW(Path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool RenameNoReplace(const std::wstring& From, const std::wstring& To) {
  return ::_wrename(From.c_str(), To.c_str()) == 0;
}

bool ReplaceFile(const std::wstring& From, const std::wstring& To) {
  return ::MoveFileExW(From.c_str(), To.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::FILE* CreateNewFile(const std::wstring& Path) {
  HANDLE File = ::CreateFileW(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (File == INVALID_HANDLE_VALUE)
    return nullptr;
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
  if (Attributes & FILE_ATTRIBUTE_DIRECTORY)
    return false;
  std::FILE* Stream = ::_wfopen(Path.c_str(), L"r+b");
  if (!Stream)
    return false;
  std::fclose(Stream);
  return true;
}

bool RemoveFile(const std::wstring& Path) { return ::DeleteFileW(Path.c_str()) != 0; }

bool FlushToDisk(std::FILE* Stream) {
  if (std::fflush(Stream) != 0)
    return false;
  return ::_commit(::_fileno(Stream)) == 0;
}

bool CopyFile(const std::wstring& From, const std::wstring& To, bool FailIfExists) {
  return ::CopyFileW(From.c_str(), To.c_str(), FailIfExists ? TRUE : FALSE) != 0;
}

bool CreateDirectory(const std::wstring& Path) {
  return ::CreateDirectoryW(Path.c_str(), nullptr) != 0;
}

bool ListDirectory(const std::wstring& Directory, std::wstring_view Pattern,
                   std::vector<DirectoryEntry>& Entries) {
  Entries.clear();
  std::wstring Query = Directory;
  if (!Query.empty() && Query.back() != L'\\' && Query.back() != L'/')
    Query += L'\\';
  Query += L'*';
  WIN32_FIND_DATAW Data;
  HANDLE Find = ::FindFirstFileW(Query.c_str(), &Data);
  if (Find == INVALID_HANDLE_VALUE)
    return false;
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

std::wstring ExecutablePath() {
  std::wstring Buffer(32768, L'\0');
  DWORD Length = ::GetModuleFileNameW(nullptr, Buffer.data(), static_cast<DWORD>(Buffer.size()));
  Buffer.resize(Length);
  return Buffer;
}

void DebugOutput(const std::wstring& Message) { ::OutputDebugStringW(Message.c_str()); }

} // namespace zrv::platform

#endif // _WIN32
