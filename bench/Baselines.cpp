// Baselines.cpp - the plain line scan, the libcsv tokenisation and the plain
// writes that the benchmarks compare the template load and save with.
#include "Baselines.h"

#include "platform/LineReader.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#if ZRV_BENCH_HAVE_LIBCSV
#include <csv.h>
#endif

namespace zrvbench {
namespace {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* File) const { std::fclose(File); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

} // namespace

std::size_t ScanLines(const std::wstring& Path) {
  FilePtr File(zrv::platform::OpenFile(Path, "rb"));
  if (!File)
    return 0;
  zrv::platform::LineReader Reader(File.get());
  std::string Piece;
  std::size_t Chars = 0;
  while (Reader.readLine(Piece))
    Chars += zrv::platform::FromUtf8(Piece).size();
  return Chars;
}

#if ZRV_BENCH_HAVE_LIBCSV

namespace {

/// The table libcsv fills: one row of strings per record.
struct Table {
  std::vector<std::vector<std::string>> Rows;
  std::vector<std::string> Current;
  std::size_t Fields = 0;
};

void onField(void* Field, std::size_t Length, void* Data) {
  auto* T = static_cast<Table*>(Data);
  T->Current.emplace_back(static_cast<const char*>(Field), Length);
  ++T->Fields;
}

void onRecord(int, void* Data) {
  auto* T = static_cast<Table*>(Data);
  T->Rows.push_back(std::move(T->Current));
  T->Current.clear();
}

} // namespace

bool HaveLibcsv() { return true; }

std::size_t TokeniseWithLibcsv(const std::wstring& Path) {
  FilePtr File(zrv::platform::OpenFile(Path, "rb"));
  if (!File)
    return 0;
  csv_parser Parser;
  if (csv_init(&Parser, 0) != 0)
    return 0;
  Table T;
  char Buffer[65536];
  std::size_t Read;
  while ((Read = std::fread(Buffer, 1, sizeof Buffer, File.get())) > 0)
    csv_parse(&Parser, Buffer, Read, onField, onRecord, &T);
  csv_fini(&Parser, onField, onRecord, &T);
  csv_free(&Parser);
  return T.Fields;
}

#else

bool HaveLibcsv() { return false; }
std::size_t TokeniseWithLibcsv(const std::wstring&) { return 0; }

#endif

bool WriteBytes(const std::wstring& Path, const std::string& Bytes) {
  FilePtr File(zrv::platform::OpenFile(Path, "wb"));
  if (!File)
    return false;
  return std::fwrite(Bytes.data(), 1, Bytes.size(), File.get()) == Bytes.size();
}

bool WriteBytesDurably(const std::wstring& Path, const std::string& Bytes) {
  const std::wstring Temporary = Path + L".durable.tmp";
  std::FILE* File = zrv::platform::CreateNewFile(Temporary);
  if (!File)
    return false;
  const bool Written = std::fwrite(Bytes.data(), 1, Bytes.size(), File) == Bytes.size() &&
                       zrv::platform::FlushToDisk(File);
  const bool Closed = std::fclose(File) == 0;
  std::error_code Error;
  if (Written && Closed)
    fs::rename(fs::path(Temporary), fs::path(Path), Error);
  if (!Written || !Closed || Error) {
    fs::remove(fs::path(Temporary), Error);
    return false;
  }
  return zrv::platform::FlushFolderOf(Path);
}

bool WriteBytesSafely(const std::wstring& Path, std::string_view Bytes) {
  return zrv::platform::SaveFileSafely(Path, Bytes) == zrv::platform::SafeSaveResult::Saved;
}

std::string ReadBytes(const std::wstring& Path) {
  FilePtr File(zrv::platform::OpenFile(Path, "rb"));
  std::string Bytes;
  if (!File)
    return Bytes;
  char Buffer[65536];
  std::size_t Read;
  while ((Read = std::fread(Buffer, 1, sizeof Buffer, File.get())) > 0)
    Bytes.append(Buffer, Read);
  return Bytes;
}

} // namespace zrvbench
