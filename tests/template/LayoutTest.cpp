// LayoutTest.cpp - the template layout tables: sections in file order, tags,
// module ids, the tag and end line tests and the version rule. The labels and
// key rows as they stand in a file are compared with the example file and
// written bytes in SettingWriterTest.cpp.
#include "platform/Platform.h"
#include "template/TemplateLayout.h"

#include "TestSupport.h"

using namespace zrv::format;

TEST(TemplateLayout, SectionsStandInFileOrderWithTheirTags) {
  std::string Tags;
  for (const SectionLayout& Row : Sections)
    Tags += std::string(Row.Tag) + " ";
  EXPECT_EQ(Tags, "[FileHeader] [Info] [ViewSetting] [ClippingSetting] [SlicingSetting] "
                  "[ObjectSetting] [FocusCapture] [MeltFrontTimeCapture] [AnimationSetting] "
                  "[ImageSetting] [ResultEx] [ModelResult] [FlowResult] [PackResult] [CureResult] "
                  "[MoldPreheatResult] [CoolResult] [WarpResult] [MoldDeformationResult] "
                  "[WireSweep] [PaddleShift] [OpticsResult] [StressResult] "
                  "[HotRunnerSteadyResult] [EOF] ");
  for (std::size_t I = 0; I < Sections.size(); ++I) {
    const SectionLayout& Row = Sections[I];
    EXPECT_EQ(static_cast<std::size_t>(Row.Id), I);
    EXPECT_LE(std::string_view(Row.Tag).size() + 1, MaxTagLineBytes);
    bool HasData = Row.Kind == SectionKind::Setting || Row.Kind == SectionKind::Result;
    EXPECT_EQ(std::string_view(Row.DataPattern).empty(), !HasData) << Row.Tag;
    EXPECT_EQ(std::string_view(Row.Label).empty(), !HasData && Row.Kind != SectionKind::ResultEx)
        << Row.Tag;
    EXPECT_EQ(Row.ModuleId >= 0, Row.Kind == SectionKind::Result) << Row.Tag;
  }
  // No tag holds another, so a substring test finds exactly one section.
  for (const SectionLayout& A : Sections)
    for (const SectionLayout& B : Sections)
      if (A.Id != B.Id) {
        EXPECT_EQ(std::string_view(A.Tag).find(B.Tag), std::string_view::npos);
      }
}

TEST(TemplateLayout, ModuleIdsAndTagsOfResultSections) {
  // The modules with a result section and their tags, in module order.
  std::wstring Listed;
  for (int Module = -2; Module <= 25; ++Module) {
    const std::wstring Tag = moduleTag(Module);
    if (Tag.empty()) {
      EXPECT_EQ(sectionOfModule(Module), Section::Count) << Module;
      continue;
    }
    Listed += std::to_wstring(Module) + Tag + L" ";
    EXPECT_EQ(moduleOfSectionLine(zrv::platform::ToUtf8(Tag) + "\n"), Module);
  }
  EXPECT_EQ(Listed, L"0[ModelResult] 1[FlowResult] 2[PackResult] 3[CoolResult] 4[WarpResult] "
                    L"5[OpticsResult] 6[WireSweep] 7[PaddleShift] 13[StressResult] "
                    L"17[MoldPreheatResult] 18[MoldDeformationResult] 19[HotRunnerSteadyResult] "
                    L"20[CureResult] ");
  EXPECT_EQ(sectionOfModule(20), Section::CureResult);
  EXPECT_EQ(moduleOfSectionLine("junk [CoolResult] junk"), 3);
  EXPECT_EQ(moduleOfSectionLine("[CureResult][ModelResult]"), 0); // first in file order
  EXPECT_EQ(moduleOfSectionLine("[ViewSetting]"), -1);
  EXPECT_EQ(moduleOfSectionLine(""), -1);
}

TEST(TemplateLayout, TagLinesVersionsAndKeyRows) {
  EXPECT_TRUE(isTagLine("Iso_Front,45,[30,0,1"));
  EXPECT_FALSE(isTagLine("Iso_Front,45,30,0,1\n"));
  EXPECT_TRUE(lineHasTag("  [FocusCapture] trailing", Section::FocusCapture));
  EXPECT_FALSE(lineHasTag("[FocusCapture", Section::FocusCapture));
  EXPECT_TRUE(isEndLine("[EOF],,,,,,,,,,"));
  EXPECT_TRUE(isEndLine("text [EOF]"));
  EXPECT_FALSE(isEndLine("[EOF"));

  EXPECT_EQ(itemLineFormOf(0), ItemLineForm::None);
  EXPECT_EQ(itemLineFormOf(999), ItemLineForm::None);
  EXPECT_EQ(itemLineFormOf(1000), ItemLineForm::KeyAndSixNumbers);
  EXPECT_EQ(itemLineFormOf(1001), ItemLineForm::Full);
  EXPECT_EQ(itemLineFormOf(2000), ItemLineForm::Full);
  EXPECT_EQ(itemLineFormOf(-1000), ItemLineForm::None);

  // The key rows' texts are compared as written in SettingWriterTest.cpp;
  // here the lookup of a [ResultEx] key: exact, whole word.
  for (std::size_t I = 0; I < ResultExRows.size(); ++I)
    EXPECT_EQ(resultExKeyOf(ResultExRows[I].Key), static_cast<ResultExKey>(I));
  EXPECT_EQ(resultExKeyOf("image"), ResultExKey::Count);
  EXPECT_EQ(resultExKeyOf("Flow-MeltFrontTime2"), ResultExKey::Count);
}
