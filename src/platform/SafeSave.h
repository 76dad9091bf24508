// SafeSave.h - replacing a file's content so that a failure at any point
// leaves the old file as it was: the new bytes go to a temporary file in the
// same folder, are flushed to the disk, and the temporary file then takes the
// target's place in one step.
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
};

/// The table the next safe save uses.
SafeSaveSteps& CurrentSafeSaveSteps();

/// The table of the real file operations.
const SafeSaveSteps& DefaultSafeSaveSteps();

/// How a safe save ended; every value but Saved leaves the target as it was
/// and no temporary file behind.
enum class SafeSaveResult {
  Saved,             ///< the target holds the new bytes
  TargetNotWritable, ///< the target exists but cannot be written (a folder, read-only)
  CreateFailed,      ///< no temporary file could be created in the target's folder
  WriteFailed,       ///< writing the bytes failed
  FlushFailed,       ///< flushing them to the disk failed
  CloseFailed,       ///< closing the temporary file failed
  ReplaceFailed      ///< the temporary file could not take the target's place
};

/// Replaces the content of \p Target with \p Bytes through a temporary file
/// in the same folder, named after the target (Target + ".zrvsave.tmp"; when
/// that name is taken, a number is put before ".tmp"). Uses the steps of
/// CurrentSafeSaveSteps().
SafeSaveResult SaveFileSafely(const std::wstring& Target, std::string_view Bytes);

/// The name of the \p Attempt-th temporary file tried for \p Target (0 the
/// first).
std::wstring SafeSaveTemporaryName(const std::wstring& Target, int Attempt);

} // namespace zrv::platform

#endif // ZRVREPORT_PLATFORM_SAFESAVE_H
