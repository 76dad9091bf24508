// ProjectTypeTest.cpp - process names and numbers, the flags the tool passes
// to the loader it picks, and the project type names. That the tool picks the
// facade's loader for every project type is in FormatInstallTest.cpp.
#include "TestSupport.h"

#include "ProjectType.h"

using namespace zrvtool;

TEST(ZrvTemplateProjectType, NamesAndNumbers) {
  // What each text gives; -1 where it is refused.
  auto parsed = [](auto Parse, std::initializer_list<const char*> Texts) {
    std::vector<int> Values;
    for (const char* Text : Texts)
      Values.push_back(Parse(Text).value_or(-1));
    return Values;
  };
  EXPECT_EQ(parsed(ParseKind, {"solid", "Shell", "2", "3", "solids"}),
            (std::vector<int>{0, 1, 2, -1, -1}));
  EXPECT_EQ(parsed(ParseProcess, {"icpackage", "GasIn", "cfm", "0", "14", "15", "-1", "4x", ""}),
            (std::vector<int>{3, 1, 14, 0, 14, -1, -1, -1, -1}));
  ASSERT_EQ(Processes().size(), 15u);
  for (std::size_t I = 0; I < Processes().size(); ++I)
    EXPECT_EQ(Processes()[I].AppType, static_cast<int>(I));
}

TEST(ZrvTemplateProjectType, ProcessFlags) {
  // The tool takes the library's loader call whole: the loader, its two flag
  // arguments and the thermoset flag that selects the key lists.
  auto call = [](const ProjectType& Type) {
    auto C = ChooseLoader(Type);
    return C ? std::make_tuple(C->Loader, C->FlagA, C->FlagB, C->Thermoset)
             : std::make_tuple(ZRV_LOAD_COUNT, -1, -1, -1);
  };
  EXPECT_EQ(call(ProjectType{0, 3, true, false, true}),
            std::make_tuple(ZRV_LOAD_SOLID_ICPACKAGE, 0, 1, 0));
  EXPECT_EQ(call(ProjectType{0, 4, true}), std::make_tuple(ZRV_LOAD_SOLID_ICM, 1, 0, 1));
  EXPECT_EQ(call(ProjectType{1, 3}), std::make_tuple(ZRV_LOAD_COUNT, -1, -1, -1));
  EXPECT_EQ(LoaderName(ZRV_LOAD_SOLID_ICPACKAGE), "LoadSolidICPackage");
}

TEST(ZrvTemplateProjectType, TypeNamesAndDescriptions) {
  // The names themselves are the library's (ReportSettingTest.cpp); the
  // tool passes the kind and the thermoset flag on.
  EXPECT_EQ(ProjectTypeName(ProjectType{2, 3}), "SolidEncapsulation");
  EXPECT_EQ(ProjectTypeName(ProjectType{0, 0, true}), "SolidInjection(RIM)");
  EXPECT_EQ(Describe(ProjectType{1, 1}), "shell gas injection");
  EXPECT_EQ(Describe(ProjectType{0, 4, true}), "solid injection compression (thermoset)");
  EXPECT_EQ(Describe(ProjectType{0, 5}), "solid FAIM");
}
