// SettingTestPeer.h - lets the facade's tests see its writer and call its
// private file-copy members.
#ifndef ZRVREPORT_TESTS_SETTING_SETTINGTESTPEER_H
#define ZRVREPORT_TESTS_SETTING_SETTINGTESTPEER_H

#include "TestSupport.h"

#include "zrvreport/ZRVReportSetting.h"

class ZRVReportSettingTestPeer {
public:
  static const CZRVReportSettingWriter* writer(const CZRVReportSetting& Setting) {
    return Setting.Writer;
  }
  static int rename(CZRVReportSetting& Setting, const std::wstring& Source,
                    const std::wstring& Target) {
    return Setting.RenameReportTemplateFileName(Source.c_str(), Target.c_str());
  }
  static int copyTree(CZRVReportSetting& Setting, const wchar_t* Source, const wchar_t* Target,
                      int KeepExisting) {
    return Setting.CopyFolderFiles(Source, Target, KeepExisting);
  }
  static int copyByExtension(CZRVReportSetting& Setting, const wchar_t* Source,
                             const wchar_t* Target, const wchar_t* Extension, int KeepExisting) {
    return Setting.CopyFolderFiles(Source, Target, Extension, KeepExisting);
  }
};

#endif // ZRVREPORT_TESTS_SETTING_SETTINGTESTPEER_H
