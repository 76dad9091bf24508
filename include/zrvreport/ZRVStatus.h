/// \file
/// \brief How the last load or save of a template ended, as a value a host can test
/// instead of reading the diagnostic messages.
#ifndef ZRVREPORT_ZRVSTATUS_H
#define ZRVREPORT_ZRVSTATUS_H

#include <string>

#include "zrvreport/ZRVCommon.h"

/// How a template load ended. The numbers are stable: new outcomes are added
/// at the end.
enum class ZRVLoadStatus : int {
  /// No load has run yet.
  NotLoaded = 0,
  /// The file was read to its end and nothing in it was passed over or
  /// changed.
  Loaded = 1,
  /// The file was read to its end, but the load passed over or changed some
  /// of it (a line of the wrong shape, an unknown item key, a name that does
  /// not resolve, a missing "[EOF]" ...); an observer is told each finding.
  LoadedWithFindings = 2,
  /// The file was read to its end but holds no section the loader reads (no
  /// [FileHeader], no setting or result section), or it was not read at all
  /// because it is no UTF-8 text (ZRVFileProblem::NotUtf8Text). Nothing was
  /// loaded from it.
  NotATemplate = 3,
  /// There is no file at the path.
  FileMissing = 4,
  /// There is something at the path, but it cannot be opened or read as a
  /// file (a folder, no permission, not a regular file, a path the system
  /// refuses).
  FileUnreadable = 5,
  /// The project type, application type and flags choose no loader, so
  /// nothing was read (the document is left empty).
  NoLoader = 6,
  /// The path or the document is null, or the loader is outside
  /// ZRV_TEMPLATE_LOADER.
  InvalidArgument = 7
};

/// How a template save ended. The numbers are stable: new outcomes are added
/// at the end. Every value but Saved and NotSaved means the save failed and
/// the file at the target is as it was before.
enum class ZRVSaveStatus : int {
  /// No save has run yet.
  NotSaved = 0,
  /// The target holds the new template.
  Saved = 1,
  /// There is no document, or its project path is empty.
  NoTarget = 2,
  /// A setting name, item key or text is longer than 255 characters, which
  /// a reader could not read back; nothing was written.
  NameTooLong = 3,
  /// A line would be longer than 511 bytes, which a reader could not read
  /// back; nothing was written.
  LineTooLong = 4,
  /// The target exists but cannot be written (a folder, a read-only file,
  /// not a regular file).
  TargetNotWritable = 5,
  /// No temporary file could be created beside the target, or the save's
  /// lock file could not be taken (a missing or read-only folder, no
  /// permission, no room).
  CreateFailed = 6,
  /// Writing, flushing or closing the temporary file failed (a full disk,
  /// an input/output error).
  WriteFailed = 7,
  /// The temporary file could not take the target's place, or the folder
  /// could not be flushed to the disk after it did (then the target may
  /// already hold the new bytes, but they are not known to be durable).
  ReplaceFailed = 8
};

/// Why a path cannot be opened as a template file, as ZRVProbeTemplateFile
/// finds it.
enum class ZRVFileProblem : int {
  /// It opens as a template file would.
  None = 0,
  /// Nothing is at the path.
  Missing = 1,
  /// It is a folder.
  Folder = 2,
  /// It is a FIFO, a device or a socket: refused without reading from it.
  NotRegularFile = 3,
  /// Its path runs into symbolic links that name each other.
  LinkLoop = 4,
  /// The path, or a name in it, is longer than the system allows.
  NameTooLong = 5,
  /// It starts with a UTF-16 byte-order mark or holds a NUL byte in its
  /// first line: "not a UTF-8 text template".
  NotUtf8Text = 6,
  /// Any other reason (no permission, an input/output error ...).
  Other = 7
};

/// Opens \p Path as the reader opens a template and closes it again, telling
/// why it cannot be opened: ZRVFileProblem::None when it can. \p Reason,
/// when not null, receives the system's text for a failure ("Permission
/// denied") and is emptied otherwise. A null path is Missing.
ZRVREPORT_EXPORT ZRVFileProblem ZRVProbeTemplateFile(const wchar_t* Path,
                                                     std::wstring* Reason = nullptr);

/// A short English description of \p Status ("file missing"); "unknown load
/// status" for a value outside the enumeration. The text is static.
ZRVREPORT_EXPORT const wchar_t* ZRVLoadStatusText(ZRVLoadStatus Status);

/// A short English description of \p Status ("saved"); "unknown save status"
/// for a value outside the enumeration. The text is static.
ZRVREPORT_EXPORT const wchar_t* ZRVSaveStatusText(ZRVSaveStatus Status);

/// True for the load outcomes after which the document holds what the file
/// gives: Loaded and LoadedWithFindings.
inline bool ZRVLoadSucceeded(ZRVLoadStatus Status) {
  return Status == ZRVLoadStatus::Loaded || Status == ZRVLoadStatus::LoadedWithFindings;
}

#endif // ZRVREPORT_ZRVSTATUS_H
