// Platform.h - the thin layer over the operating system: files by wide path,
// directories, the executable's path, text conversion and the debugger channel.
//
// This header and its two implementations (PlatformPosix.cpp, PlatformWin32.cpp)
// are the only places of the library that include system headers. Everything
// above it works with std::wstring paths and UTF-8 byte strings.
#ifndef ZRVREPORT_PLATFORM_PLATFORM_H
#define ZRVREPORT_PLATFORM_PLATFORM_H

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zrv::platform {

/// The separator that stands wherever a path is built with a separator:
/// '\\' on Windows, '/' elsewhere.
#ifdef _WIN32
inline constexpr wchar_t PathSeparator = L'\\';
#else
inline constexpr wchar_t PathSeparator = L'/';
#endif

// ---- Text conversion ---------------------------------------------------------

/// Converts wide text to UTF-8. A lone surrogate becomes U+FFFD.
std::string ToUtf8(std::wstring_view Text);

/// Converts UTF-8 bytes to wide text. Every invalid or truncated sequence
/// becomes U+FFFD; nothing is dropped silently. NUL bytes are kept.
std::wstring FromUtf8(std::string_view Bytes);

/// Compares two wide strings ignoring the case of the letters A to Z (as the
/// Windows runtime does in its default locale); <0, 0 or >0.
int CompareNoCase(std::wstring_view Left, std::wstring_view Right);

/// Returns \p Text with the letters A to Z in lower case; other characters
/// are kept.
std::wstring ToLower(std::wstring Text);

// ---- Files -------------------------------------------------------------------

/// Opens a file by wide path with a C runtime mode ("rb", "wb", "w", ...).
/// Returns null when the file cannot be opened, and for a folder (in every
/// mode, as on Windows).
std::FILE* OpenFile(const std::wstring& Path, const char* Mode);

/// Opens a file for writing in text mode, creating or truncating it. Lines
/// written with WriteTextLine end with CR LF on disk on every platform.
std::FILE* OpenTextFileForWriting(const std::wstring& Path);

/// The line end to write into a stream opened in text mode so that CR LF
/// reaches the disk: "\n" where the runtime translates it (Windows), "\r\n"
/// elsewhere.
extern const char* const TextModeLineEnd;

/// True when a file-status query on \p Path succeeds (the path names an
/// existing file or folder).
bool FileStatusOk(const std::wstring& Path);

/// True when \p Path names an existing file or folder.
bool PathExists(const std::wstring& Path);

/// Renames \p From to \p To. Fails, changing nothing, when \p To exists.
bool RenameNoReplace(const std::wstring& From, const std::wstring& To);

/// Replaces \p To with \p From in one step (\p To may exist); used by the
/// crash-safe save. False on failure, with both files left as they were. On
/// POSIX systems an existing target's permission bits carry over to the new
/// file and the folder is flushed to the disk after the rename; on Windows
/// the move is written through.
bool ReplaceFile(const std::wstring& From, const std::wstring& To);

/// Creates \p Path, which must not exist yet, and opens it for writing in
/// binary mode (the bytes written reach the file unchanged). Null when the
/// file exists already or cannot be created.
std::FILE* CreateNewFile(const std::wstring& Path);

/// True when \p Path names no existing file or folder, or names a file that
/// can be opened for writing. The check opens an existing file for update and
/// closes it again; its content and times stay as they were.
bool CanOpenForWriting(const std::wstring& Path);

/// Removes a file. False when it could not be removed.
bool RemoveFile(const std::wstring& Path);

/// Flushes a stream's buffers and the file's data to the disk. False on
/// failure.
bool FlushToDisk(std::FILE* Stream);

/// Copies one file. With \p FailIfExists an existing target is never
/// overwritten and the copy fails instead. False on failure.
bool CopyFile(const std::wstring& From, const std::wstring& To, bool FailIfExists);

/// Creates one folder level. False when it exists already or the parent is
/// missing.
bool CreateDirectory(const std::wstring& Path);

// ---- Directory listing ---------------------------------------------------------

/// One entry of a folder listing.
struct DirectoryEntry {
  std::wstring Name;          ///< the entry's name, without its folder
  bool IsDirectory = false;   ///< the directory bit
  bool IsReparsePoint = false; ///< a symbolic link (or other reparse point)
};

/// Lists the entries of \p Directory whose names match \p Pattern: "*" for
/// every entry, or "*.ext" for the names ending in ".ext", the extension
/// compared without regard to letter case. The entries "." and ".." are
/// listed as every other entry (they match "*"). Returns false, leaving
/// \p Entries empty, when the folder cannot be listed.
bool ListDirectory(const std::wstring& Directory, std::wstring_view Pattern,
                   std::vector<DirectoryEntry>& Entries);

/// True when \p Name matches a listing pattern ("*" or "*.ext"; see
/// ListDirectory).
bool MatchesPattern(std::wstring_view Name, std::wstring_view Pattern);

// ---- Process -------------------------------------------------------------------

/// The full path of the running executable; empty when it cannot be found.
std::wstring ExecutablePath();

/// Sends one message to the debugger output channel (OutputDebugStringW on
/// Windows; nothing elsewhere).
void DebugOutput(const std::wstring& Message);

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_PLATFORM_H
