// SafeSave.cpp - the safe save over the platform's file operations.
#include "platform/SafeSave.h"

#include "platform/Platform.h"

#include <random>
#include <vector>

namespace zrv::platform {

namespace {

/// Temporary names tried before the save gives up. Names hold the process id
/// and a random part, so a second try is needed only when a name is taken
/// by chance.
constexpr int TemporaryNameAttempts = 16;

/// What every temporary and lock name of a target starts with after the
/// target's own name.
constexpr const wchar_t* SaveMark = L".zrvsave";
constexpr const wchar_t* TemporaryEnd = L".tmp";

/// Writes the bytes of a new stream. They are all in memory already, so they
/// go to the file in one call rather than through the stream's buffer, a
/// block of it at a time and the rest at the flush.
bool writeAll(std::FILE* Stream, std::string_view Bytes) {
  std::setvbuf(Stream, nullptr, _IONBF, 0);
  return std::fwrite(Bytes.data(), 1, Bytes.size(), Stream) == Bytes.size();
}

bool closeStream(std::FILE* Stream) { return std::fclose(Stream) == 0; }

const SafeSaveSteps RealSteps = {CanOpenForWriting, CreateNewFile, writeAll,   FlushToDisk,
                                 closeStream,       ReplaceFile,   RemoveFile, FlushFolderOf};

SafeSaveSteps Steps = RealSteps;

/// A random number for temporary names, from a generator seeded once per
/// thread by the system's random source.
unsigned long long randomPart() {
  thread_local std::mt19937_64 Generator{std::random_device{}()};
  return Generator();
}

/// Where the file name starts in \p Path (after its last separator).
std::size_t nameStart(const std::wstring& Path) {
  const wchar_t Separators[] = {PathSeparator, L'/', L'\0'};
  std::size_t Last = Path.find_last_of(Separators);
  return Last == std::wstring::npos ? 0 : Last + 1;
}

/// Removes the temporary files of \p Target that earlier saves left behind.
/// Runs under the target's lock, so no running save holds any of them.
void removeStaleTemporaries(const std::wstring& Target, const SafeSaveSteps& Use) {
  const std::size_t Start = nameStart(Target);
  const std::wstring Folder = Target.substr(0, Start);
  const std::wstring Name = Target.substr(Start);
  std::vector<DirectoryEntry> Entries;
  // Only names ending like a temporary file are listed (and looked at
  // further), so that the other files of a large folder cost nothing.
  if (!ListDirectory(Folder, std::wstring(L"*") + TemporaryEnd, Entries))
    return;
  for (const DirectoryEntry& Entry : Entries)
    if (!Entry.IsDirectory && IsSafeSaveTemporaryOf(Entry.Name, Name))
      Use.Remove(Folder + Entry.Name);
}

/// The reason of the step that just failed: the system's text, or
/// \p Fallback when the step recorded none.
std::wstring reasonOr(const wchar_t* Fallback) {
  std::wstring Reason = LastFailureReason();
  return Reason.empty() ? std::wstring(Fallback) : Reason;
}

/// Holds the lock of one target for the time of a save.
class SaveLock {
public:
  explicit SaveLock(const std::wstring& Target)
      : Path(SafeSaveLockName(Target)), Handle(LockSave(Path)) {}
  ~SaveLock() { UnlockSave(Handle, Path); }
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;
  bool held() const { return Handle != -1; }

private:
  std::wstring Path;
  long long Handle;
};

} // namespace

SafeSaveSteps& CurrentSafeSaveSteps() { return Steps; }

const SafeSaveSteps& DefaultSafeSaveSteps() { return RealSteps; }

std::wstring SafeSaveTemporaryName(const std::wstring& Target, unsigned long long Unique) {
  static const wchar_t Digits[] = L"0123456789abcdef";
  std::wstring Hex(16, L'0');
  for (std::size_t I = Hex.size(); I-- > 0; Unique >>= 4)
    Hex[I] = Digits[Unique & 0xF];
  return Target + SaveMark + L"." + std::to_wstring(ProcessId()) + L"." + Hex + TemporaryEnd;
}

std::wstring SafeSaveLockName(const std::wstring& Target) { return Target + SaveMark + L".lock"; }

bool IsSafeSaveTemporaryOf(std::wstring_view Name, std::wstring_view TargetName) {
  const std::wstring_view Mark = SaveMark, End = TemporaryEnd;
  return Name.size() >= TargetName.size() + Mark.size() + End.size() &&
         Name.substr(0, TargetName.size()) == TargetName &&
         Name.substr(TargetName.size(), Mark.size()) == Mark &&
         Name.substr(Name.size() - End.size()) == End;
}

SafeSaveResult SaveFileSafely(const std::wstring& Requested, std::string_view Bytes,
                              std::wstring* Reason) {
  std::wstring Ignored;
  std::wstring& Why = Reason ? *Reason : Ignored;
  Why.clear();
  const SafeSaveSteps& Use = Steps;

  // A link stays a link: its file is replaced, with the temporary file
  // beside that file (a rename does not cross file systems).
  ClearFailureReason();
  const std::wstring Target = ResolveLinks(Requested);
  if (Target.empty()) {
    Why = reasonOr(L"the symbolic link cannot be followed");
    return SafeSaveResult::TargetNotWritable;
  }
  ClearFailureReason();
  if (!Use.CheckTarget(Target)) {
    Why = reasonOr(L"the file cannot be opened for writing");
    return SafeSaveResult::TargetNotWritable;
  }

  ClearFailureReason();
  SaveLock Lock(Target);
  if (!Lock.held()) {
    Why = reasonOr(L"the lock file cannot be created");
    return SafeSaveResult::LockFailed;
  }
  removeStaleTemporaries(Target, Use);

  std::wstring Temporary;
  std::FILE* Stream = nullptr;
  for (int Attempt = 0; Attempt < TemporaryNameAttempts && !Stream; ++Attempt) {
    Temporary = SafeSaveTemporaryName(Target, randomPart());
    ClearFailureReason();
    Stream = Use.CreateTemporary(Temporary);
    // Only a name taken already is worth another try.
    if (!Stream && !PathExists(Temporary))
      break;
  }
  if (!Stream) {
    Why = reasonOr(L"no temporary file can be created beside the file");
    return SafeSaveResult::CreateFailed;
  }

  SafeSaveResult Result = SafeSaveResult::Saved;
  ClearFailureReason();
  if (!Use.Write(Stream, Bytes)) {
    Result = SafeSaveResult::WriteFailed;
    Why = reasonOr(L"not every byte could be written");
  } else {
    ClearFailureReason();
    if (!Use.Flush(Stream)) {
      Result = SafeSaveResult::FlushFailed;
      Why = reasonOr(L"the bytes could not be flushed to the disk");
    }
  }
  // The stream is closed in every case, before the file is replaced or
  // removed (neither works on an open file on every system).
  ClearFailureReason();
  bool Closed = Use.Close(Stream);
  if (Result == SafeSaveResult::Saved && !Closed) {
    Result = SafeSaveResult::CloseFailed;
    Why = reasonOr(L"the temporary file could not be closed");
  }
  if (Result == SafeSaveResult::Saved) {
    ClearFailureReason();
    if (!Use.Replace(Temporary, Target)) {
      Result = SafeSaveResult::ReplaceFailed;
      Why = reasonOr(L"the temporary file could not take the file's place");
    }
  }
  if (Result != SafeSaveResult::Saved) {
    Use.Remove(Temporary);
    return Result;
  }
  ClearFailureReason();
  if (!Use.FlushFolder(Target)) {
    Why = L"the folder could not be flushed to the disk: " + reasonOr(L"the system gave no reason");
    return SafeSaveResult::FolderFlushFailed;
  }
  return SafeSaveResult::Saved;
}

} // namespace zrv::platform
