// ZRVEngineData.h - records of the data the report engine hands over while a
// report is produced: summaries, summary tables and XY curves.
#ifndef ZRVREPORT_ZRVENGINEDATA_H
#define ZRVREPORT_ZRVENGINEDATA_H

#include <string>
#include <vector>

/// The records ZRVSummaryData, ZRVSummaryTableData and ZRVXYCurveData are
/// declared here.

#endif // ZRVREPORT_ZRVENGINEDATA_H
