// Baselines.h - what the template load and save are measured against: a plain
// line scan with the platform layer, a general CSV reader tokenising the file
// into a table of strings, and writing the same bytes to a file: plainly,
// durably, and through the library's safe save.
#ifndef ZRVREPORT_BENCH_BASELINES_H
#define ZRVREPORT_BENCH_BASELINES_H

#include <cstddef>
#include <string>
#include <string_view>

namespace zrvbench {

/// Reads every line of \p Path with the platform line reader and decodes it
/// from UTF-8, nothing else. Returns the number of wide characters decoded
/// (0 when the file cannot be opened).
std::size_t ScanLines(const std::wstring& Path);

/// True when the benchmark was built with libcsv.
bool HaveLibcsv();

/// Tokenises \p Path with libcsv into a table of strings (one row per record,
/// one string per field). Returns the number of fields; 0 when the file
/// cannot be opened or libcsv is not built in.
std::size_t TokeniseWithLibcsv(const std::wstring& Path);

/// Writes \p Bytes to \p Path (created or truncated) with one buffered write
/// and closes it. False when the file cannot be created.
bool WriteBytes(const std::wstring& Path, const std::string& Bytes);

/// Writes \p Bytes to \p Path durably and nothing more: a new temporary file
/// beside it, one write, the file flushed to the disk (fsync), closed,
/// renamed over \p Path, and the folder flushed (fsync) so that the rename
/// survives a power loss. False when any step fails. This is what any
/// crash-safe save of these bytes costs at least.
bool WriteBytesDurably(const std::wstring& Path, const std::string& Bytes);

/// Writes \p Bytes to \p Path through the library's safe save
/// (platform::SaveFileSafely): the durable write above, and the lock file,
/// the removal of stale temporary files, links followed and owner and mode
/// carried over. False when it fails.
bool WriteBytesSafely(const std::wstring& Path, std::string_view Bytes);

/// The whole content of \p Path; empty when it cannot be read.
std::string ReadBytes(const std::wstring& Path);

} // namespace zrvbench

#endif // ZRVREPORT_BENCH_BASELINES_H
