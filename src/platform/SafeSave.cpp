// SafeSave.cpp - the safe save over the platform's file operations.
#include "platform/SafeSave.h"

#include "platform/Platform.h"

namespace zrv::platform {

namespace {

/// Temporary names tried before the save gives up; more than one only when
/// earlier saves left temporary files behind (a crash between create and
/// replace).
constexpr int TemporaryNameAttempts = 100;

bool writeAll(std::FILE* Stream, std::string_view Bytes) {
  return std::fwrite(Bytes.data(), 1, Bytes.size(), Stream) == Bytes.size();
}

bool closeStream(std::FILE* Stream) { return std::fclose(Stream) == 0; }

const SafeSaveSteps RealSteps = {CanOpenForWriting, CreateNewFile, writeAll,  FlushToDisk,
                                 closeStream,       ReplaceFile,   RemoveFile};

SafeSaveSteps Steps = RealSteps;

} // namespace

SafeSaveSteps& CurrentSafeSaveSteps() { return Steps; }

const SafeSaveSteps& DefaultSafeSaveSteps() { return RealSteps; }

std::wstring SafeSaveTemporaryName(const std::wstring& Target, int Attempt) {
  std::wstring Name = Target + L".zrvsave";
  if (Attempt > 0)
    Name += L"." + std::to_wstring(Attempt);
  return Name + L".tmp";
}

SafeSaveResult SaveFileSafely(const std::wstring& Target, std::string_view Bytes) {
  const SafeSaveSteps& Use = Steps;
  if (!Use.CheckTarget(Target))
    return SafeSaveResult::TargetNotWritable;

  std::wstring Temporary;
  std::FILE* Stream = nullptr;
  for (int Attempt = 0; Attempt < TemporaryNameAttempts && !Stream; ++Attempt) {
    Temporary = SafeSaveTemporaryName(Target, Attempt);
    Stream = Use.CreateTemporary(Temporary);
    // Only a name taken by an earlier save is worth another try.
    if (!Stream && !PathExists(Temporary))
      break;
  }
  if (!Stream)
    return SafeSaveResult::CreateFailed;

  SafeSaveResult Result = SafeSaveResult::Saved;
  if (!Use.Write(Stream, Bytes))
    Result = SafeSaveResult::WriteFailed;
  else if (!Use.Flush(Stream))
    Result = SafeSaveResult::FlushFailed;
  // The stream is closed in every case, before the file is replaced or
  // removed (neither works on an open file on every system).
  bool Closed = Use.Close(Stream);
  if (Result == SafeSaveResult::Saved && !Closed)
    Result = SafeSaveResult::CloseFailed;
  if (Result == SafeSaveResult::Saved && !Use.Replace(Temporary, Target))
    Result = SafeSaveResult::ReplaceFailed;
  if (Result != SafeSaveResult::Saved)
    Use.Remove(Temporary);
  return Result;
}

} // namespace zrv::platform
