// ZRVReportItemManager.h - the settings document of one project: report items,
// extended items, result modules, header and info fields, the eight libraries
// of named settings with their usage checks and fallbacks, and the data the
// report engine hands over while a report is produced.
#ifndef ZRVREPORT_ZRVREPORTITEMMANAGER_H
#define ZRVREPORT_ZRVREPORTITEMMANAGER_H

#include <string>
#include <vector>

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVEngineData.h"
#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"
#include "zrvreport/ZRVResultItems.h"

class ZRVREPORT_EXPORT CZRVReportItemManager {
public:
  CZRVReportItemManager();
  CZRVReportItemManager(const CZRVReportItemManager& Other);
  CZRVReportItemManager& operator=(const CZRVReportItemManager& Other);
  virtual ~CZRVReportItemManager();

  // ==== Document core: fields, items, extended items, modules ================

  // ==== Named setting libraries: clipping, slicing, view, object, capture ====

  // ==== Extended setting libraries: melt-front capture, animation, image =====

  // ==== Setting usage, defaults and project views =============================

  // ==== Report engine data ====================================================

private:
  // ---- Document core data ------------------------------------------------------

  // ---- Setting library data ----------------------------------------------------

  // ---- Report engine data --------------------------------------------------------
};

#endif // ZRVREPORT_ZRVREPORTITEMMANAGER_H
