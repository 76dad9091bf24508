// WriterRoundTripTest.cpp - templates loaded by the reader and saved by the
// writer: the fixtures come back byte for byte, so whatever a load reads
// wrongly or a save leaves out shows as a difference in the bytes.
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportSettingWriter.h"
#include "zrvreport/ZRVReportTemplateReader.h"

#include "TemplateTestSupport.h"

namespace {

using zrvtest::dataFile;

void load(ZRV_TEMPLATE_LOADER Loader, const fs::path& Path, CZRVReportItemManager& Doc) {
  CZRVReportTemplateReader Reader;
  ASSERT_EQ(Reader.Load(Loader, Path.wstring().c_str(), &Doc), 1) << Path;
}

/// Saves \p Doc to \p Path through the writer; the bytes written.
std::string save(CZRVReportItemManager& Doc, const fs::path& Path) {
  Doc.SetProjectPath(Path.wstring().c_str());
  CZRVReportSettingWriter Writer(&Doc);
  EXPECT_EQ(Writer.SaveTemplate(Path.wstring().c_str()), 1);
  return zrvtest::readBytes(Path);
}

} // namespace

TEST(WriterRoundTrip, FixturesSaveBackByteForByte) {
  // The line-forms fixture has item lines of 11 to 16 fields; it saves as
  // its canonical form, which itself saves back unchanged.
  const std::pair<const char*, const char*> Cases[] = {
      {"example_solid_injection.csv", "example_solid_injection.csv"},
      {"shell_every_setting.csv", "shell_every_setting.csv"},
      {"shell_item_line_forms.csv", "shell_item_line_forms_saved.csv"},
      {"shell_item_line_forms_saved.csv", "shell_item_line_forms_saved.csv"},
  };
  for (const auto& [Input, Expected] : Cases) {
    SCOPED_TRACE(Input);
    zrvtest::TempDir Dir;
    CZRVReportItemManager Doc;
    bool Shell = std::string(Input).rfind("shell", 0) == 0;
    load(Shell ? ZRV_LOAD_SHELL_INJECTION : ZRV_LOAD_SOLID_INJECTION, dataFile(Input), Doc);
    EXPECT_EQ(save(Doc, Dir.path() / "saved.csv"), zrvtest::readBytes(dataFile(Expected)));
  }

  // The document's own save writes the same bytes.
  zrvtest::TempDir Dir;
  CZRVReportItemManager Doc;
  load(ZRV_LOAD_SOLID_INJECTION, dataFile("example_solid_injection.csv"), Doc);
  Doc.SetProjectPath(Dir.file(L"own.csv").c_str());
  Doc.SaveItemManager();
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "own.csv"),
            zrvtest::readBytes(dataFile("example_solid_injection.csv")));
}
