// SafeSave.h - replacing a file's content so that a failure at any point
// leaves the old file as it was: the new bytes go to a temporary file in the
// same folder, are flushed to the disk, and the temporary file then takes the
// target's place in one step. Saves of one file are serialised by a lock
// file beside it, and a save removes the temporary files that saves which
// ended before their replace (a crash, a killed process) left behind.
#ifndef ZRVREPORT_PLATFORM_SAFESAVE_H
#define ZRVREPORT_PLATFORM_SAFESAVE_H

#include <cstdio>
#include <string>
#include <string_view>

namespace zrv::platform {

/// The steps of a safe save, one function each. SafeSaveSteps() is the table
/// in force; a test replaces entries to make one step fail and puts the
/// table back with DefaultSafeSaveSteps() afterwards.
struct SafeSaveSteps {
  /// True when the target may be written: it does not exist, or it is a file
  /// that can be opened for writing (CanOpenForWriting).
  bool (*CheckTarget)(const std::wstring& Path);
  /// Creates the temporary file, which must not exist yet, for binary
  /// writing (CreateNewFile); null on failure.
  std::FILE* (*CreateTemporary)(const std::wstring& Path);
  /// Writes all of \p Bytes; false when not all of them were written.
  bool (*Write)(std::FILE* Stream, std::string_view Bytes);
  /// Flushes the stream and the file's data to the disk (FlushToDisk).
  bool (*Flush)(std::FILE* Stream);
  /// Closes the stream. The stream is released whatever the result.
  bool (*Close)(std::FILE* Stream);
  /// Puts the temporary file in the target's place in one step, replacing
  /// an existing target (ReplaceFile).
  bool (*Replace)(const std::wstring& From, const std::wstring& To);
  /// Removes the temporary file after a failure (RemoveFile).
  bool (*Remove)(const std::wstring& Path);
  /// Flushes the target's folder after the replace, so that the new name
  /// survives a power loss (FlushFolderOf).
  bool (*FlushFolder)(const std::wstring& Path);
};

/// The table the next safe save uses.
SafeSaveSteps& CurrentSafeSaveSteps();

/// The table of the real file operations.
const SafeSaveSteps& DefaultSafeSaveSteps();

/// How a safe save ended. Every value but Saved and FolderFlushFailed leaves
/// the target as it was; no value leaves a temporary file behind.
enum class SafeSaveResult {
  Saved,             ///< the target holds the new bytes
  TargetNotWritable, ///< the target exists but cannot be written (a folder, read-only, a link loop)
  LockFailed,        ///< the lock file beside the target could not be created or locked
  CreateFailed,      ///< no temporary file could be created in the target's folder
  WriteFailed,       ///< writing the bytes failed
  FlushFailed,       ///< flushing them to the disk failed
  CloseFailed,       ///< closing the temporary file failed
  ReplaceFailed,     ///< the temporary file could not take the target's place
  FolderFlushFailed  ///< the target holds the new bytes, but the folder could not be
                     ///< flushed: the replace may be lost with a power loss
};

/// Replaces the content of the file \p Target names with \p Bytes. A
/// symbolic link is followed: the file it names is replaced and the link
/// stays. The save, holding the lock file SafeSaveLockName() of that file:
/// removes the temporary files of that file that earlier saves left behind
/// (every save of the file holds the lock while its temporary file exists,
/// so those are stale), writes the bytes to a new temporary file beside it
/// (SafeSaveTemporaryName(), created only when the name is free, another
/// name tried when it is taken), flushes it, puts it in the file's place and
/// flushes the folder. Uses the steps of CurrentSafeSaveSteps(). On failure
/// \p Reason, when given, receives why (the system's reason text).
SafeSaveResult SaveFileSafely(const std::wstring& Target, std::string_view Bytes,
                              std::wstring* Reason = nullptr);

/// The name of a temporary file of \p Target: Target + ".zrvsave." + the
/// process id + "." + \p Unique in hexadecimal + ".tmp".
std::wstring SafeSaveTemporaryName(const std::wstring& Target, unsigned long long Unique);

/// The name of the lock file that serialises the saves of \p Target:
/// Target + ".zrvsave.lock". It exists while a save runs.
std::wstring SafeSaveLockName(const std::wstring& Target);

/// True when the folder entry \p Name is a temporary file that a save of the
/// file named \p TargetName (without its folder) creates.
bool IsSafeSaveTemporaryOf(std::wstring_view Name, std::wstring_view TargetName);

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_SAFESAVE_H
