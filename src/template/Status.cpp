// Status.cpp - the descriptions of the load and save outcomes.
#include "zrvreport/ZRVStatus.h"

#include <cstdio>
#include <iterator>

#include "platform/Platform.h"

namespace {

// Indexed by the enumerations' values, which are stable.
constexpr const wchar_t* LoadStatusTexts[] = {L"not loaded",
                                              L"loaded",
                                              L"loaded with findings",
                                              L"not a template",
                                              L"file missing",
                                              L"file unreadable",
                                              L"no loader for this project type",
                                              L"invalid argument"};

constexpr const wchar_t* SaveStatusTexts[] = {L"not saved",
                                              L"saved",
                                              L"no target path",
                                              L"name longer than 255 characters",
                                              L"line longer than 511 bytes",
                                              L"target not writable",
                                              L"temporary file not created",
                                              L"write failed",
                                              L"replace failed"};

template <typename Status, std::size_t N>
const wchar_t* textOf(Status Value, const wchar_t* const (&Texts)[N], const wchar_t* Unknown) {
  const auto Index = static_cast<int>(Value);
  return Index >= 0 && static_cast<std::size_t>(Index) < N ? Texts[Index] : Unknown;
}

static_assert(std::size(LoadStatusTexts) == static_cast<int>(ZRVLoadStatus::InvalidArgument) + 1,
              "one text per load status");
static_assert(std::size(SaveStatusTexts) == static_cast<int>(ZRVSaveStatus::ReplaceFailed) + 1,
              "one text per save status");

} // namespace

const wchar_t* ZRVLoadStatusText(ZRVLoadStatus Status) {
  return textOf(Status, LoadStatusTexts, L"unknown load status");
}

const wchar_t* ZRVSaveStatusText(ZRVSaveStatus Status) {
  return textOf(Status, SaveStatusTexts, L"unknown save status");
}

ZRVFileProblem ZRVProbeTemplateFile(const wchar_t* Path, std::wstring* Reason) {
  using zrv::platform::OpenProblem;
  if (Reason)
    Reason->clear();
  if (!Path)
    return ZRVFileProblem::Missing;
  zrv::platform::OpenFailure Failure;
  if (std::FILE* File = zrv::platform::OpenTemplateFile(Path, Failure)) {
    std::fclose(File);
    return ZRVFileProblem::None;
  }
  if (Reason)
    *Reason = Failure.Reason;
  switch (Failure.Problem) {
  case OpenProblem::None:
    break;
  case OpenProblem::Missing:
    return ZRVFileProblem::Missing;
  case OpenProblem::Folder:
    return ZRVFileProblem::Folder;
  case OpenProblem::NotRegularFile:
    return ZRVFileProblem::NotRegularFile;
  case OpenProblem::LinkLoop:
    return ZRVFileProblem::LinkLoop;
  case OpenProblem::NameTooLong:
    return ZRVFileProblem::NameTooLong;
  case OpenProblem::NotUtf8Text:
    return ZRVFileProblem::NotUtf8Text;
  case OpenProblem::Other:
    break;
  }
  return ZRVFileProblem::Other;
}
