// ProjectTypeTest.cpp - process names and numbers, the loader the facade picks
// for each project type, and the project type names.
#include <gtest/gtest.h>

#include "ProjectType.h"

using namespace zrvtool;

namespace {

ProjectType type(int ProjectKind, int AppType, bool Thermoset = false) {
  ProjectType T;
  T.ProjectKind = ProjectKind;
  T.AppType = AppType;
  T.Thermoset = Thermoset;
  return T;
}

} // namespace

TEST(ZrvTemplateProjectType, NamesAndNumbers) {
  EXPECT_EQ(ParseKind("solid"), 0);
  EXPECT_EQ(ParseKind("Shell"), 1);
  EXPECT_EQ(ParseKind("2"), 2);
  EXPECT_FALSE(ParseKind("3"));
  EXPECT_FALSE(ParseKind("solids"));
  EXPECT_EQ(ParseProcess("icpackage"), 3);
  EXPECT_EQ(ParseProcess("GasIn"), 1);
  EXPECT_EQ(ParseProcess("cfm"), 14);
  EXPECT_EQ(ParseProcess("0"), 0);
  EXPECT_EQ(ParseProcess("14"), 14);
  EXPECT_FALSE(ParseProcess("15"));
  EXPECT_FALSE(ParseProcess("-1"));
  EXPECT_FALSE(ParseProcess("4x"));
  EXPECT_FALSE(ParseProcess(""));
  ASSERT_EQ(Processes().size(), 15u);
  for (std::size_t I = 0; I < Processes().size(); ++I)
    EXPECT_EQ(Processes()[I].AppType, static_cast<int>(I));
}

TEST(ZrvTemplateProjectType, LoaderOfEveryProjectType) {
  // Solid: the loader of each application type; 1 and 5 have none.
  const ZRV_TEMPLATE_LOADER Solid[] = {
      ZRV_LOAD_SOLID_INJECTION, ZRV_LOAD_COUNT,      ZRV_LOAD_SOLID_RIM,  ZRV_LOAD_SOLID_ICPACKAGE,
      ZRV_LOAD_SOLID_ICM,       ZRV_LOAD_COUNT,      ZRV_LOAD_SOLID_GAIM, ZRV_LOAD_SOLID_WAIM,
      ZRV_LOAD_SOLID_COIM,      ZRV_LOAD_SOLID_MCIM, ZRV_LOAD_SOLID_CM,   ZRV_LOAD_SOLID_BIIM,
      ZRV_LOAD_SOLID_PIM,       ZRV_LOAD_SOLID_RTM,  ZRV_LOAD_SOLID_CFM};
  for (int App = 0; App <= 14; ++App)
    for (int Kind : {0, 2}) {
      auto Choice = ChooseLoader(type(Kind, App));
      if (Solid[App] == ZRV_LOAD_COUNT) {
        EXPECT_FALSE(Choice) << App;
      } else {
        ASSERT_TRUE(Choice) << App;
        EXPECT_EQ(Choice->Loader, Solid[App]) << App;
      }
    }
  EXPECT_EQ(ChooseLoader(type(1, 0))->Loader, ZRV_LOAD_SHELL_INJECTION);
  EXPECT_EQ(ChooseLoader(type(1, 1))->Loader, ZRV_LOAD_SHELL_GASIN);
  EXPECT_EQ(ChooseLoader(type(1, 2))->Loader, ZRV_LOAD_SHELL_RIM);
  EXPECT_FALSE(ChooseLoader(type(1, 3)));
  EXPECT_FALSE(ChooseLoader(type(3, 0)));
  EXPECT_FALSE(ChooseLoader(type(0, 15)));
}

TEST(ZrvTemplateProjectType, ProcessFlags) {
  // Thermoset injection loads as reaction injection; the flag reaches the
  // loaders that take it and selects their key lists.
  EXPECT_EQ(ChooseLoader(type(0, 0, true))->Loader, ZRV_LOAD_SOLID_RIM);
  EXPECT_EQ(ChooseLoader(type(0, 0, true))->FlagA, 0);
  auto Icm = ChooseLoader(type(0, 4, true));
  EXPECT_EQ(Icm->FlagA, 1);
  EXPECT_EQ(Icm->Thermoset, 1);
  EXPECT_EQ(ChooseLoader(type(0, 13, true))->Thermoset, 0); // RTM takes no flag
  // IC package: underfill and encapsulation are its two flags.
  ProjectType Package = type(0, 3, true);
  Package.EncapsulationCM = true;
  auto Choice = ChooseLoader(Package);
  EXPECT_EQ(Choice->FlagA, 0);
  EXPECT_EQ(Choice->FlagB, 1);
  EXPECT_EQ(Choice->Thermoset, 0);
  EXPECT_EQ(LoaderName(ZRV_LOAD_SOLID_ICPACKAGE), "LoadSolidICPackage");
}

TEST(ZrvTemplateProjectType, TypeNamesAndDescriptions) {
  EXPECT_EQ(ProjectTypeName(type(1, 1)), "ShellGasIn");
  EXPECT_EQ(ProjectTypeName(type(0, 9)), "SolidFIM");
  EXPECT_EQ(ProjectTypeName(type(2, 3)), "SolidEncapsulation");
  EXPECT_EQ(ProjectTypeName(type(0, 0, true)), "SolidInjection(RIM)");
  EXPECT_EQ(ProjectTypeName(type(0, 5)), "");
  EXPECT_EQ(ProjectTypeName(type(1, 4)), "");
  EXPECT_EQ(Describe(type(1, 1)), "shell gas injection");
  EXPECT_EQ(Describe(type(0, 4, true)), "solid injection compression (thermoset)");
  EXPECT_EQ(Describe(type(0, 5)), "solid FAIM");
}
