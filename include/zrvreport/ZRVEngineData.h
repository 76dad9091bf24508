/// \file
/// \brief Records of the data the report engine hands over while a report is produced:
/// summaries, summary tables and XY curves.
#ifndef ZRVREPORT_ZRVENGINEDATA_H
#define ZRVREPORT_ZRVENGINEDATA_H

#include <cstdint>
#include <string>
#include <vector>

/// One summary table of the report: two columns of text whose entries pair
/// by position (row i is FirstColumn[i] beside SecondColumn[i]).
struct ZRVSummaryData {
  std::vector<std::wstring> FirstColumn;  ///< one entry per summary row
  std::vector<std::wstring> SecondColumn; ///< the entry beside it in the same row
};

/// The project's mesh, process and material information, as the report
/// engine reads it from the simulation results.
struct ZRVSummaryTableData {
  std::wstring MeshName; ///< name of the mesh
  /// A further text of the report engine; stored and copied, never read by
  /// this library.
  std::wstring SecondText;
  std::wstring ProcessName;                          ///< name of the process settings
  std::wstring ComputationParameterName;             ///< name of the computation parameters
  std::vector<std::wstring> PartMaterialNames;       ///< materials of the part
  std::vector<std::wstring> PartInsertMaterialNames; ///< materials of the part inserts
  std::vector<std::wstring> WireMaterialNames;       ///< materials of the wires
};

/// One XY curve of the report engine. The library stores and returns it; the
/// meaning of the texts and values belongs to the report engine.
struct ZRVXYCurveData {
  /// Together with Key identifies the curve when it is stored: a new curve
  /// replaces the stored one with the same SubKey and Key.
  std::int32_t SubKey = 0;
  /// The key by which the settings document finds the curve again.
  std::int32_t Key = 0;
  std::vector<std::wstring> FirstTexts;  ///< carried, not interpreted
  std::vector<std::wstring> SecondTexts; ///< carried, not interpreted
  std::vector<std::int32_t> Values;      ///< carried, not interpreted
};

#endif // ZRVREPORT_ZRVENGINEDATA_H
