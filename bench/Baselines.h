// Baselines.h - what the template load and save are measured against: a plain
// line scan with the platform layer, a general CSV reader tokenising the file
// into a table of strings, and writing the same bytes to a file.
#ifndef ZRVREPORT_BENCH_BASELINES_H
#define ZRVREPORT_BENCH_BASELINES_H

#include <cstddef>
#include <string>

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

/// Writes \p Bytes to \p Path the way a template save puts them on the disk:
/// into a temporary file beside it, flushed to the disk, which then replaces
/// \p Path. False when any step fails.
bool WriteBytesSafely(const std::wstring& Path, const std::string& Bytes);

/// The whole content of \p Path; empty when it cannot be read.
std::string ReadBytes(const std::wstring& Path);

} // namespace zrvbench

#endif // ZRVREPORT_BENCH_BASELINES_H
