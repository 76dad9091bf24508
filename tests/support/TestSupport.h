// TestSupport.h - helpers shared by the tests: temporary folders that clean up
// after themselves, whole-file reads and writes, folder listings, folder trees
// written and compared in a short notation, and capture of diagnostics. It
// brings GoogleTest and the standard headers the tests use, so the tests
// include it instead of listing them each.
#ifndef ZRVREPORT_TESTS_TESTSUPPORT_H
#define ZRVREPORT_TESTS_TESTSUPPORT_H

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "zrvreport/ZRVCommon.h"

namespace fs = std::filesystem;

namespace zrvtest {

/// A fresh folder under the system's temporary folder, removed with its
/// contents when the object goes.
class TempDir {
public:
  TempDir() {
    static std::atomic<unsigned> Counter{0};
    auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    Root = fs::temp_directory_path() /
           ("zrvtest_" + std::to_string(Stamp) + "_" + std::to_string(Counter++));
    fs::create_directories(Root);
  }
  ~TempDir() {
    std::error_code Ignored;
    fs::remove_all(Root, Ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const fs::path& path() const { return Root; }
  /// The wide path of \p Name inside the folder.
  std::wstring file(const std::wstring& Name) const { return (Root / Name).wstring(); }

private:
  fs::path Root;
};

inline void writeBytes(const fs::path& Path, const std::string& Bytes) {
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}

/// The names in folder \p Folder (without "." and "..").
inline std::set<std::wstring> folderNames(const fs::path& Folder) {
  std::set<std::wstring> Names;
  for (const auto& Entry : fs::directory_iterator(Folder))
    Names.insert(Entry.path().filename().wstring());
  return Names;
}

inline std::string readBytes(const fs::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

/// A folder tree: files as "path" (with '/' between folders) and their
/// bytes, folders as "path/" and "".
using Tree = std::map<std::string, std::string>;

/// The files and folders under \p Root.
inline Tree treeOf(const fs::path& Root) {
  Tree Found;
  for (const auto& Entry : fs::recursive_directory_iterator(Root)) {
    const std::string Name = Entry.path().lexically_relative(Root).generic_string();
    Found[Entry.is_directory() ? Name + "/" : Name] =
        Entry.is_directory() ? "" : readBytes(Entry.path());
  }
  return Found;
}

/// The tree that \p Entries describes: blank-separated "path=bytes" files,
/// each with the folders on its path, and "path/" folders; \p Bytes, when
/// given, turns each written value into the file's bytes.
inline Tree tree(const std::string& Entries, std::string (*Bytes)(const std::string&) = nullptr) {
  Tree Described;
  std::istringstream In(Entries);
  for (std::string Entry; In >> Entry;) {
    const std::size_t Equals = Entry.find('=');
    const std::string Path = Entry.substr(0, Equals);
    for (std::size_t Slash = Path.find('/'); Slash != std::string::npos;
         Slash = Path.find('/', Slash + 1))
      Described[Path.substr(0, Slash + 1)] = "";
    if (Equals != std::string::npos)
      Described[Path] = Bytes ? Bytes(Entry.substr(Equals + 1)) : Entry.substr(Equals + 1);
  }
  return Described;
}

/// Makes under \p Root the files and folders that \p Entries describe.
inline void plant(const fs::path& Root, const std::string& Entries,
                  std::string (*Bytes)(const std::string&) = nullptr) {
  fs::create_directories(Root);
  for (const auto& [Path, Content] : tree(Entries, Bytes)) {
    if (Path.back() == '/')
      fs::create_directories(Root / Path);
    else
      writeBytes(Root / Path, Content);
  }
}

/// Whether \p Whole holds \p Part; a failure shows both.
template <typename Char>
::testing::AssertionResult holds(const std::basic_string<Char>& Whole,
                                 const std::basic_string<Char>& Part) {
  if (Whole.find(Part) != std::basic_string<Char>::npos)
    return ::testing::AssertionSuccess() << "'" << Part << "' in:\n" << Whole;
  return ::testing::AssertionFailure() << "'" << Part << "' not in:\n" << Whole;
}
inline ::testing::AssertionResult holds(const std::string& Whole, const char* Part) {
  return holds(Whole, std::string(Part));
}
inline ::testing::AssertionResult holds(const std::wstring& Whole, const wchar_t* Part) {
  return holds(Whole, std::wstring(Part));
}

/// A wide text of the given code units or values, any the language's
/// literals cannot spell (a lone surrogate, a value above U+10FFFF).
inline std::wstring wideOf(std::initializer_list<std::uint32_t> Units) {
  std::wstring Text;
  for (std::uint32_t Unit : Units)
    Text += static_cast<wchar_t>(Unit);
  return Text;
}

/// Collects the diagnostic messages sent while it lives.
class DiagnosticCapture {
public:
  DiagnosticCapture() {
    Previous =
        ZRVSetDiagnosticSink([this](const std::wstring& Message) { Messages.push_back(Message); });
  }
  ~DiagnosticCapture() { ZRVSetDiagnosticSink(Previous); }
  DiagnosticCapture(const DiagnosticCapture&) = delete;
  DiagnosticCapture& operator=(const DiagnosticCapture&) = delete;

  std::vector<std::wstring> Messages;

private:
  ZRVDiagnosticSink Previous;
};

} // namespace zrvtest

#endif // ZRVREPORT_TESTS_TESTSUPPORT_H
