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
/// crash-safe save. False on failure, with both files left as they were. An
/// existing target's owner, group and permission bits (POSIX, as far as the
/// process may set them) or its file attributes (Windows) carry over to the
/// new file; on Windows the move is written through.
bool ReplaceFile(const std::wstring& From, const std::wstring& To);

/// Flushes the folder that holds \p Path to the disk, so that a rename in it
/// survives a power loss (POSIX; on Windows the write-through move has done
/// this already and the call succeeds). False, with the reason recorded, when
/// the folder cannot be opened or flushed.
bool FlushFolderOf(const std::wstring& Path);

/// The path of the file that \p Path finally names: symbolic links in its
/// last part are followed (a relative link taken from the link's folder)
/// until a name that is not a link; \p Path itself when it is no link or
/// does not exist. Empty, with the reason recorded, for a link loop or a
/// link that cannot be read. On Windows an existing path becomes the final
/// path of the file it names (GetFinalPathNameByHandleW, links followed); a
/// path whose last part is a link (a reparse point) whose file is missing,
/// or a loop, gives empty with the reason; a path the system cannot resolve
/// otherwise is returned unchanged.
std::wstring ResolveLinks(const std::wstring& Path);

/// Takes the lock that serialises the saves of one file: \p LockPath is
/// created when missing and locked exclusively, waiting while another save
/// (of any process) holds it. A lock of a process that ended is free. Returns
/// a handle for UnlockSave, or -1 with the reason recorded.
long long LockSave(const std::wstring& LockPath);

/// Removes the lock file and releases the lock taken by LockSave.
void UnlockSave(long long Handle, const std::wstring& LockPath);

/// The id of the running process.
unsigned long ProcessId();

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

/// Copies one regular file; a FIFO, device or socket is refused at once. With \p FailIfExists an
/// existing target is never overwritten and the copy fails instead. False on failure.
bool CopyFile(const std::wstring& From, const std::wstring& To, bool FailIfExists);

/// Creates one folder level. False when it exists already or the parent is
/// missing.
bool CreateDirectory(const std::wstring& Path);

// ---- Failure reasons and template opening ---------------------------------------

/// The system's text for why the last failed file operation of this thread
/// failed ("Permission denied", strerror or FormatMessage); empty when no
/// failure was recorded since ClearFailureReason().
std::wstring LastFailureReason();

/// Forgets the recorded failure.
void ClearFailureReason();

/// Why a file could not be opened as a template.
enum class OpenProblem {
  None,           ///< opened
  Missing,        ///< no such file or folder
  Folder,         ///< a folder
  NotRegularFile, ///< a FIFO, device or socket
  LinkLoop,       ///< symbolic links that name each other
  NameTooLong,    ///< a path or name longer than the system allows
  NotUtf8Text,    ///< starts with a UTF-16 byte-order mark or holds NUL in its first line
  Other           ///< any other reason (permissions, ...)
};

/// What went wrong when a file could not be opened.
struct OpenFailure {
  OpenProblem Problem = OpenProblem::None;
  std::wstring Reason; ///< the reason as text ("Permission denied", "a FIFO is not a file")
};

/// Opens \p Path for reading in binary mode when it names a regular file.
/// A FIFO, device or socket is refused at once, without waiting for a writer
/// or reading any of it; a folder is refused too. Null on failure, with
/// \p Failure saying why.
std::FILE* OpenRegularFile(const std::wstring& Path, OpenFailure& Failure);

/// OpenRegularFile, and then refuses a file that is no UTF-8 text: one that
/// starts with a UTF-16 byte-order mark or holds a NUL byte in its first
/// line (NotUtf8Text, "not a UTF-8 text template"). The stream returned is at
/// the start of the file.
std::FILE* OpenTemplateFile(const std::wstring& Path, OpenFailure& Failure);

// ---- Directory listing ---------------------------------------------------------

/// One entry of a folder listing.
struct DirectoryEntry {
  std::wstring Name;           ///< the entry's name, without its folder
  bool IsDirectory = false;    ///< the directory bit
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
