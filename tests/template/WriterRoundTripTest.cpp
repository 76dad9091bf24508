// WriterRoundTripTest.cpp - templates loaded by the reader and saved by the
// writer: the fixtures come back byte for byte, and a load of the saved file
// gives the same document.
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVReportSettingWriter.h"
#include "zrvreport/ZRVReportTemplateReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "DocumentCompare.h"
#include "TestSupport.h"

namespace {

std::filesystem::path fixture(const char* Name) {
  const char* Dir = std::getenv("ZRV_TEST_DATA");
  EXPECT_NE(Dir, nullptr);
  return std::filesystem::path(Dir ? Dir : ".") / Name;
}

/// A fixture and the reader entry point of its project type.
struct Fixture {
  const char* Name;
  ZRV_TEMPLATE_LOADER Loader;
};

const Fixture Fixtures[] = {
    {"example_solid_injection.csv", ZRV_LOAD_SOLID_INJECTION},
    {"shell_every_setting.csv", ZRV_LOAD_SHELL_INJECTION},
    {"shell_item_line_forms.csv", ZRV_LOAD_SHELL_INJECTION},
    {"shell_item_line_forms_saved.csv", ZRV_LOAD_SHELL_INJECTION},
};

void load(ZRV_TEMPLATE_LOADER Loader, const std::filesystem::path& Path,
          CZRVReportItemManager& Doc) {
  CZRVReportTemplateReader Reader;
  ASSERT_EQ(Reader.Load(Loader, Path.wstring().c_str(), &Doc), 1) << Path;
}

/// Saves \p Doc to \p Path through the writer; the bytes written.
std::string save(CZRVReportItemManager& Doc, const std::filesystem::path& Path) {
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
    load(Shell ? ZRV_LOAD_SHELL_INJECTION : ZRV_LOAD_SOLID_INJECTION, fixture(Input), Doc);
    EXPECT_EQ(save(Doc, Dir.path() / "saved.csv"), zrvtest::readBytes(fixture(Expected)));
  }

  // The document's own save writes the same bytes.
  zrvtest::TempDir Dir;
  CZRVReportItemManager Doc;
  load(ZRV_LOAD_SOLID_INJECTION, fixture("example_solid_injection.csv"), Doc);
  Doc.SetProjectPath(Dir.file(L"own.csv").c_str());
  Doc.SaveItemManager();
  EXPECT_EQ(zrvtest::readBytes(Dir.path() / "own.csv"),
            zrvtest::readBytes(fixture("example_solid_injection.csv")));
}

TEST(WriterRoundTrip, LoadSaveLoadGivesTheSameDocument) {
  for (const Fixture& F : Fixtures) {
    SCOPED_TRACE(F.Name);
    zrvtest::TempDir Dir;
    CZRVReportItemManager First;
    load(F.Loader, fixture(F.Name), First);
    save(First, Dir.path() / "saved.csv");
    CZRVReportItemManager Second;
    load(F.Loader, Dir.path() / "saved.csv", Second);
    // The tag name of a 16-field item line is not written back.
    EXPECT_TRUE(zrvtest::sameDocument(First, Second, {"TagName"}));
    EXPECT_EQ(zrvtest::documentDifferences(First, Second).size(),
              std::string(F.Name) == "shell_item_line_forms.csv" ? 1u : 0u);
  }
}

TEST(WriterRoundTrip, TheFixturesHoldWhatTheyAreMeantToCover) {
  CZRVReportItemManager Shell;
  load(ZRV_LOAD_SHELL_INJECTION, fixture("shell_every_setting.csv"), Shell);
  EXPECT_EQ(Shell.GetFileProjectType(), 1);
  for (int Count :
       {Shell.GetViewOptionCount(), Shell.GetClippingOptionCount(), Shell.GetSlicingOptionCount(),
        Shell.GetObjectOptionCount(), Shell.GetCaptureOptionCount(), Shell.GetMeltOptionCount(),
        Shell.GetAnimationOptionCount(), Shell.GetImageOptionCount()})
    EXPECT_GE(Count, 2);
  EXPECT_EQ(Shell.GetItemExCount(), 6);
  EXPECT_EQ(Shell.GetModuleCount(), 5);
  CZRVReportItem Melt;
  ASSERT_EQ(Shell.GetItem(2, Melt), 1);
  EXPECT_EQ(Melt.GetViewNameList(), (std::vector<std::wstring>{L"Iso", L"Top", L"Back"}));

  CZRVReportItemManager Forms;
  load(ZRV_LOAD_SHELL_INJECTION, fixture("shell_item_line_forms.csv"), Forms);
  CZRVReportItem Tagged;
  ASSERT_EQ(Forms.GetItem(4, Tagged), 1);
  EXPECT_EQ(Tagged.GetTagName(), L"Bulk_tag");
}

TEST(WriterRoundTrip, SavedDocumentsReadBackAsTheLayoutSays) {
  zrvtest::TempDir Dir;
  CZRVReportItemManager Doc;
  Doc.SetViewSetting(L"Top View", CZRVReportItem::tagVIEWSETTING());
  Doc.AddModuleID(1);
  CZRVReportItem Item;
  Item.SetItemID(static_cast<ZRV_RESULT_ITEMS>(3));
  Item.SetModuleID(static_cast<ZRV_RESULT_MODULES>(1));
  Item.SetItemSaveName(L"Pressure");
  Item.SetOutput(1);
  Item.SetViewName(L"Top View");
  Doc.AddItem(Item);

  // File version 0: the reader loads settings but no item lines.
  save(Doc, Dir.path() / "v0.csv");
  CZRVReportItemManager Version0;
  load(ZRV_LOAD_SOLID_INJECTION, Dir.path() / "v0.csv", Version0);
  EXPECT_EQ(Version0.GetItemCount(), 0);
  EXPECT_EQ(Version0.GetViewOptionCount(), 1);

  // From 1001 on the item comes back, referring to the view by its written
  // name.
  Doc.SetFileVersion(1001);
  save(Doc, Dir.path() / "v1001.csv");
  CZRVReportItemManager Reloaded;
  load(ZRV_LOAD_SOLID_INJECTION, Dir.path() / "v1001.csv", Reloaded);
  ASSERT_EQ(Reloaded.GetItemCount(), 1);
  wchar_t Name[256] = {};
  ASSERT_EQ(Reloaded.GetViewOption(0, Name), 1);
  EXPECT_EQ(std::wstring(Name), L"Top_View");
  ASSERT_EQ(Reloaded.GetOneViewNameByIndex(0, Name), 1);
  EXPECT_EQ(std::wstring(Name), L"Top_View");
}
