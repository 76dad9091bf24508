/// \file
/// \brief The umbrella header: includes every public header of the report settings
/// library.
#ifndef ZRVREPORT_ZRVREPORT_H
#define ZRVREPORT_ZRVREPORT_H

#include "zrvreport/ZRVCommon.h"
#include "zrvreport/ZRVEngineData.h"
#include "zrvreport/ZRVReportItem.h"
#include "zrvreport/ZRVReportItemEx.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportResultItemMap.h"
#include "zrvreport/ZRVReportSetting.h"
#include "zrvreport/ZRVReportSettingWriter.h"
#include "zrvreport/ZRVReportTemplateReader.h"
#include "zrvreport/ZRVResultItemMap_Custom.h"
#include "zrvreport/ZRVResultItems.h"
#include "zrvreport/ZRVStatus.h"
#include "zrvreport/ZRVTemplateFormat.h"
#include "zrvreport/ZRVTemplateObserver.h"

#endif // ZRVREPORT_ZRVREPORT_H
