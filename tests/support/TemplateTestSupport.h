// TemplateTestSupport.h - helpers of the tests that read and write template
// files: files of the test data folder, template files built from lines in
// their own temporary folders, a recording observer and short access to the
// document's texts, option lists and items.
#ifndef ZRVREPORT_TESTS_TEMPLATETESTSUPPORT_H
#define ZRVREPORT_TESTS_TEMPLATETESTSUPPORT_H

#include "zrvreport/zrvreport.h"

#include <type_traits>

#include "TestSupport.h"

namespace zrvtest {

inline const std::string Crlf = "\r\n";

/// The lines, each followed by CR LF.
inline std::string joinLines(std::initializer_list<std::string> Lines) {
  std::string Bytes;
  for (const std::string& Line : Lines)
    Bytes += Line + Crlf;
  return Bytes;
}

/// A [FileHeader] section giving only the file version.
inline std::string header(int Version) {
  return joinLines({"[FileHeader]", "FileVersion," + std::to_string(Version), "", ""});
}

/// The item label line of a result section, as the format describes it (the
/// labels as written are compared with the fixtures in WriterRoundTripTest.cpp).
inline const std::string ItemLabel = [] {
  for (const ZRVTemplateSectionInfo& Section : ZRVTemplateSections())
    if (Section.Kind == ZRVTemplateSectionKind::Result)
      return std::string(Section.Label.begin(), Section.Label.end());
  return std::string();
}();

/// The end line of a template as a save writes it.
inline const std::string EofLine = "[EOF],,,,,,,,,,";

/// A result item line of \p Key with output 1, face number 10, view \p View
/// and nothing else attached.
inline std::string itemLine(const std::string& Key, const std::string& View = "-") {
  return Key + ",1,0,0,0,0,10,-," + View + ",-,-,-,0,0,1";
}

/// A file of the test data folder (tests/data).
inline fs::path dataFile(const std::string& Name) {
  const char* Dir = std::getenv("ZRV_TEST_DATA");
  return fs::path(Dir ? Dir : "tests/data") / Name;
}

/// The bytes of the example template of the test data folder.
inline std::string exampleBytes() { return readBytes(dataFile("example_solid_injection.csv")); }

/// A template file with the given bytes in its own temporary folder.
class TemplateFile {
public:
  explicit TemplateFile(const std::string& Bytes) { writeBytes(Dir.path() / "t.csv", Bytes); }
  std::wstring path() const { return Dir.file(L"t.csv"); }
  const TempDir& folder() const { return Dir; }

private:
  TempDir Dir;
};

/// Records the findings of a load; the sections read are kept apart, as they
/// report no fault.
struct Recorder : ZRVTemplateObserver {
  std::vector<ZRVTemplateFinding> Findings;
  std::vector<ZRVTemplateFinding> SectionsRead;
  void OnFinding(const ZRVTemplateFinding& Finding) override {
    (Finding.Kind == ZRVTemplateFindingKind::SectionRead ? SectionsRead : Findings)
        .push_back(Finding);
  }
  std::vector<ZRVTemplateFinding> of(ZRVTemplateFindingKind Kind) const {
    std::vector<ZRVTemplateFinding> Found;
    for (const ZRVTemplateFinding& F : Findings)
      if (F.Kind == Kind)
        Found.push_back(F);
    return Found;
  }
  /// The line and text of each finding of \p Kind, in the order reported.
  std::vector<std::pair<int, std::wstring>> where(ZRVTemplateFindingKind Kind) const {
    std::vector<std::pair<int, std::wstring>> Found;
    for (const ZRVTemplateFinding& F : of(Kind))
      Found.emplace_back(F.Line, F.Text);
    return Found;
  }
};

/// Loads \p Bytes, written to a template file of their own, into \p Doc
/// through \p Loader, telling \p Observer; the reader's result.
inline int loadBytes(const std::string& Bytes, CZRVReportItemManager& Doc,
                     ZRVTemplateObserver* Observer = nullptr,
                     ZRV_TEMPLATE_LOADER Loader = ZRV_LOAD_SOLID_INJECTION) {
  TemplateFile File(Bytes);
  return CZRVReportTemplateReader().Load(Loader, File.path().c_str(), &Doc, 0, 0, Observer);
}

/// The text a getter without result leaves in a buffer that held "untouched":
/// text(Doc, &CZRVReportItemManager::GetRemark).
template <typename... P, typename... A>
std::wstring text(const CZRVReportItemManager& Doc, void (CZRVReportItemManager::*Get)(P...) const,
                  A... Args) {
  wchar_t Buffer[4096] = L"untouched";
  (Doc.*Get)(Args..., Buffer);
  return Buffer;
}

/// Every name an option getter lists, up to the first index it refuses.
inline std::vector<std::wstring> options(const CZRVReportItemManager& Doc,
                                         int (CZRVReportItemManager::*Option)(int, wchar_t*)
                                             const) {
  std::vector<std::wstring> Listed;
  wchar_t Buffer[4096];
  for (int I = 0; (Doc.*Option)(I, Buffer) == 1; ++I)
    Listed.emplace_back(Buffer);
  return Listed;
}

inline std::vector<std::wstring> views(const CZRVReportItemManager& Doc) {
  return options(Doc, &CZRVReportItemManager::GetViewOption);
}

inline CZRVReportItem itemAt(const CZRVReportItemManager& Doc, int Index) {
  CZRVReportItem Item;
  EXPECT_EQ(Doc.GetItem(Index, Item), 1) << Index;
  return Item;
}

/// One value of each item of the document, in list order.
template <typename Value>
std::vector<Value> eachItem(const CZRVReportItemManager& Doc,
                            Value (CZRVReportItem::*Get)() const) {
  std::vector<Value> Values;
  for (int I = 0; I < Doc.GetItemCount(); ++I)
    Values.push_back((itemAt(Doc, I).*Get)());
  return Values;
}

/// The item ids of the document in list order.
inline std::vector<int> itemIds(const CZRVReportItemManager& Doc) {
  std::vector<int> Ids;
  for (int I = 0; I < Doc.GetItemCount(); ++I)
    Ids.push_back(Doc.GetItemID(I));
  return Ids;
}

} // namespace zrvtest

#endif // ZRVREPORT_TESTS_TEMPLATETESTSUPPORT_H
