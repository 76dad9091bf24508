// LoaderChoiceTest.cpp - which reader entry point the facade loads with, for
// every project type, application type and flag: the facade's load is
// compared with a direct load through the entry point the project calls for,
// on one template whose sections hold the keys of every catalogue list.
#include "zrvreport/zrvreport.h"

#include "TestSupport.h"
#include "catalogue/Selection.h"
#include "template/TemplateLayout.h"

namespace {

/// A loader and the two flag arguments it is called with.
struct Choice {
  ZRV_TEMPLATE_LOADER Loader;
  int FlagA = 0;
  int FlagB = 0;
  bool operator<(const Choice& O) const {
    return std::tie(Loader, FlagA, FlagB) < std::tie(O.Loader, O.FlagA, O.FlagB);
  }
};

/// The loader a project calls for: a shell project by its application type 0
/// to 2, a solid one (kind 0 or 2) by 0 to 14; ZRV_LOAD_COUNT where none does.
const ZRV_TEMPLATE_LOADER ShellLoaders[] = {ZRV_LOAD_SHELL_INJECTION, ZRV_LOAD_SHELL_GASIN,
                                            ZRV_LOAD_SHELL_RIM};
const ZRV_TEMPLATE_LOADER SolidLoaders[] = {
    ZRV_LOAD_SOLID_INJECTION, ZRV_LOAD_COUNT,      ZRV_LOAD_SOLID_RIM,  ZRV_LOAD_SOLID_ICPACKAGE,
    ZRV_LOAD_SOLID_ICM,       ZRV_LOAD_COUNT,      ZRV_LOAD_SOLID_GAIM, ZRV_LOAD_SOLID_WAIM,
    ZRV_LOAD_SOLID_COIM,      ZRV_LOAD_SOLID_MCIM, ZRV_LOAD_SOLID_CM,   ZRV_LOAD_SOLID_BIIM,
    ZRV_LOAD_SOLID_PIM,       ZRV_LOAD_SOLID_RTM,  ZRV_LOAD_SOLID_CFM};

std::optional<Choice> expectedChoice(int Kind, int App, int Thermoset, int Underfill,
                                     int Encapsulation) {
  if (Kind == 1 && App >= 0 && App <= 2)
    return Choice{ShellLoaders[App]};
  if ((Kind != 0 && Kind != 2) || App < 0 || App > 14 || SolidLoaders[App] == ZRV_LOAD_COUNT)
    return std::nullopt;
  Choice C{SolidLoaders[App]};
  if (App == 0 && Thermoset)
    C.Loader = ZRV_LOAD_SOLID_RIM; // thermoset injection is read as reaction injection
  if (App == 3)
    C = Choice{C.Loader, Underfill, Encapsulation};
  if (App == 4 || App == 10 || App == 12 || App == 14)
    C.FlagA = Thermoset; // the loaders that take the thermoset flag
  return C;
}

std::string narrow(const std::wstring& Ascii) { return std::string(Ascii.begin(), Ascii.end()); }

/// A template whose result sections, in file order, each hold every key that
/// any entry point's list for that section knows, so that two entry points
/// with different lists or sections load different items.
std::string allKeysTemplate() {
  using zrv::ReaderEntryPoint;
  const int Modules[] = {0, 1, 2, 20, 17, 3, 4, 18, 6, 7, 5, 13, 19};
  CZRVReportResultItemMap Catalogue;
  std::string Bytes = "[FileHeader]\r\nFileVersion,1001\r\n\r\n\r\n";
  for (int Module : Modules) {
    std::set<std::wstring> Keys;
    for (int Entry = 0; Entry < static_cast<int>(ReaderEntryPoint::Count); ++Entry) {
      for (int Thermoset : {0, 1}) {
        ZRVItemMap Map;
        auto Lists =
            zrv::SelectSectionLists(static_cast<ReaderEntryPoint>(Entry), Thermoset, Module);
        if (zrv::FillSectionMap(Catalogue, Lists, Map))
          for (const auto& KeyAndId : Map)
            Keys.insert(KeyAndId.first);
      }
    }
    Bytes += narrow(zrv::format::moduleTag(Module)) + "\r\n" + zrv::format::ItemLabel + "\r\n";
    for (const std::wstring& Key : Keys)
      Bytes += narrow(Key) + ",1,0,0,0,0,10,-,-,-,-,-,0,0,1\r\n";
    Bytes += "\r\n\r\n";
  }
  return Bytes + "[EOF],,,,,,,,,,";
}

/// What a load put into a document: every item's id and module, then the
/// module list.
using Signature = std::pair<std::vector<std::pair<int, int>>, std::vector<int>>;

Signature signatureOf(const CZRVReportItemManager& M) {
  Signature S;
  for (int I = 0; I < M.GetItemCount(); ++I)
    S.first.emplace_back(M.GetItemID(I), M.GetItemModuleIDByIndex(I));
  M.GetModuleIDList(S.second);
  return S;
}

TEST(LoaderChoice, EveryProjectLoadsThroughItsEntryPoint) {
  zrvtest::TempDir Dir;
  zrvtest::writeBytes(Dir.path() / "all.csv", allKeysTemplate());
  const std::wstring Path = Dir.file(L"all.csv");

  // Direct loads, one per loader and flags.
  std::map<Choice, Signature> Direct;
  CZRVReportTemplateReader Reader;
  auto directLoad = [&](const Choice& C) -> const Signature& {
    auto Found = Direct.find(C);
    if (Found == Direct.end()) {
      CZRVReportItemManager M;
      EXPECT_EQ(Reader.Load(C.Loader, Path.c_str(), &M, C.FlagA, C.FlagB), 1);
      Found = Direct.emplace(C, signatureOf(M)).first;
    }
    return Found->second;
  };

  // One facade for every combination: each load must first empty what the
  // one before left.
  CZRVReportSetting Setting;
  Setting.SetProjectPath(Path.c_str());
  for (int Kind = -1; Kind <= 3; ++Kind) {
    for (int App = -1; App <= 15; ++App) {
      for (int Thermoset : {0, 1}) {
        for (int Underfill : {0, 1}) {
          for (int Encapsulation : {0, 1}) {
            Setting.SetProjectType(Kind, App);
            Setting.SetIsThermosetRun(Thermoset);
            Setting.SetIsUnderfill(Underfill);
            Setting.SetIsEncapsulationCM(Encapsulation);
            Setting.LoadTemplateFileData();
            const Signature Got = signatureOf(*Setting.GetReportItemManager());
            const auto Expected = expectedChoice(Kind, App, Thermoset, Underfill, Encapsulation);
            SCOPED_TRACE(::testing::Message()
                         << "kind " << Kind << " app " << App << " thermoset " << Thermoset
                         << " underfill " << Underfill << " encapsulation " << Encapsulation);
            if (!Expected) {
              EXPECT_TRUE(Got.first.empty());
              EXPECT_TRUE(Got.second.empty());
            } else {
              EXPECT_FALSE(Got.first.empty());
              EXPECT_EQ(Got, directLoad(*Expected));
            }
          }
        }
      }
    }
  }

  // The comparison tells the loaders apart: every loader and flag setting
  // the facade can choose gives a load of its own (water-assisted injection
  // is the same load as gas-assisted injection).
  std::set<Signature> Distinct;
  std::size_t Choices = 0;
  for (const auto& [C, S] : Direct) {
    if (C.Loader == ZRV_LOAD_SOLID_WAIM) {
      EXPECT_EQ(S, directLoad(Choice{ZRV_LOAD_SOLID_GAIM}));
      continue;
    }
    ++Choices;
    Distinct.insert(S);
  }
  EXPECT_EQ(Choices, 22u);
  EXPECT_EQ(Distinct.size(), Choices);
}

TEST(LoaderChoice, NamesSectionsAndCallsAtTheEndsOfTheRanges) {
  for (auto [Loader, Name] : {std::pair(ZRV_LOAD_SHELL_INJECTION, L"LoadShellInjection"),
                              std::pair(ZRV_LOAD_SOLID_CFM, L"LoadSolidCFM")}) {
    EXPECT_EQ(ZRVTemplateLoaderName(Loader), Name);
    EXPECT_FALSE(ZRVTemplateLoaderSections(Loader, 0).empty()) << Loader;
  }
  for (auto Outside : {static_cast<ZRV_TEMPLATE_LOADER>(-1), ZRV_LOAD_COUNT}) {
    EXPECT_EQ(ZRVTemplateLoaderName(Outside), L"");
    EXPECT_TRUE(ZRVTemplateLoaderSections(Outside, 0).empty());
  }
  // Kinds 0 and 2 are solid, 1 shell; -1 and 3 have no loader.
  ZRVTemplateLoaderCall Call;
  for (auto [Kind, Loader] :
       {std::pair(0, ZRV_LOAD_SOLID_INJECTION), std::pair(1, ZRV_LOAD_SHELL_INJECTION),
        std::pair(2, ZRV_LOAD_SOLID_INJECTION)}) {
    Call.Loader = ZRV_LOAD_COUNT;
    EXPECT_TRUE(ZRVTemplateLoaderOf(Kind, 0, 0, 0, 0, Call));
    EXPECT_EQ(Call.Loader, Loader) << Kind;
  }
  EXPECT_FALSE(ZRVTemplateLoaderOf(-1, 0, 0, 0, 0, Call));
  EXPECT_FALSE(ZRVTemplateLoaderOf(3, 0, 0, 0, 0, Call));
}

} // namespace
