// ItemIndexTest.cpp - the document's indexed lookups of "the first item with"
// an id, an id and module, or a name, and its usage scans, give exactly what
// plain walks of the item list give, through every kind of change of the list;
// its option lists keep exactly the order of last change; equal setting
// records are held once.
#include "zrvreport/ZRVReportItemManager.h"

#include "manager/ItemStore.h"
#include "manager/StoredMelt.h"
#include "platform/Platform.h"
#include "util/Text.h"

#include "ManagerTestUtil.h"

#include <cstring>

using mtest::Id;
using mtest::Item;
using mtest::Manager;

namespace {

constexpr auto Module(int Value) { return static_cast<ZRV_RESULT_MODULES>(Value); }

// What the test model keeps of one item.
struct Sig {
  int ItemID = 0;
  int ModuleID = -1;
  std::wstring Name, Save, Clipping, Slicing, Object, Capture, View;
  std::vector<std::wstring> Views;
  auto key() const {
    return std::tie(ItemID, ModuleID, Name, Save, Clipping, Slicing, Object, Capture, View, Views);
  }
  bool operator==(const Sig& O) const { return key() == O.key(); }
};

Sig sigOf(const Item& I) {
  return {I.GetItemID(),       I.GetModuleID(),    I.GetItemName(),   I.GetItemSaveName(),
          I.GetClippingName(), I.GetSlicingName(), I.GetObjectName(), I.GetCaptureName(),
          I.GetViewName(),     I.GetViewNameList()};
}

std::vector<Sig> listOf(const Manager& M) {
  std::vector<Sig> List;
  for (int I = 0; I < M.GetItemCount(); ++I)
    List.push_back(sigOf(mtest::itemAt(M, I)));
  return List;
}

// ---- Plain scans over the model: the rules as written, one walk per lookup ----------

constexpr int AnyModule = -99;

// The first item with the id (and the module, unless any module will do).
int refFirstWith(const std::vector<Sig>& L, int ItemID, int ModuleID = AnyModule) {
  for (std::size_t I = 0; I < L.size(); ++I)
    if (L[I].ItemID == ItemID && (ModuleID == AnyModule || L[I].ModuleID == ModuleID))
      return static_cast<int>(I);
  return -1;
}

std::wstring noSpaces(std::wstring S) {
  S.erase(std::remove(S.begin(), S.end(), L' '), S.end());
  return S;
}

int refIndexByName(const std::vector<Sig>& L, int ModuleID, const std::wstring& Name) {
  using zrv::platform::CompareNoCase;
  for (std::size_t I = 0; I < L.size(); ++I)
    if (L[I].ModuleID == ModuleID && (CompareNoCase(noSpaces(L[I].Name), noSpaces(Name)) == 0 ||
                                      CompareNoCase(noSpaces(L[I].Save), noSpaces(Name)) == 0))
      return static_cast<int>(I);
  return -1;
}

using NameField = std::wstring Sig::*;

// Items that use \p Name, each judged by the first item with its id.
std::vector<int> refUsers(const std::vector<Sig>& L, NameField Field, const std::wstring& Name) {
  std::vector<int> Users;
  for (std::size_t I = 0; I < L.size(); ++I)
    if (L[static_cast<std::size_t>(refFirstWith(L, L[I].ItemID))].*Field == Name)
      Users.push_back(static_cast<int>(I));
  return Users;
}

bool refViewUsed(const std::vector<Sig>& L, const std::wstring& Name) {
  if (!refUsers(L, &Sig::View, Name).empty())
    return true;
  for (const Sig& S : L)
    for (const std::wstring& V : S.Views)
      if (zrv::platform::CompareNoCase(V, Name) == 0)
        return true;
  return false;
}

// ---- Random documents ------------------------------------------------------------------

const std::vector<std::wstring> ItemNames = {L"Melt Front", L"meltfront", L"MELT FRONT",
                                             L"Pressure",   L"pres sure", L""};
const std::vector<std::wstring> SaveNames = {L"MeltFront", L"Pressure", L"Temp",
                                             L"Melt Front Time"};
const std::vector<std::wstring> SettingNames = {L"A", L"B", L"C", L"Default", L""};
const std::vector<std::wstring> ViewNames = {L"Top", L"side", L"TOP"};
const std::vector<std::wstring> NameQueries = {L"meltfront",       L"Melt front", L"MELTFRONT ",
                                               L"melt_front",      L"pressure",   L"temp",
                                               L"melt front time", L"",           L"x"};
constexpr int MaxID = 6;
const std::vector<int> Modules = {-1, 1, 2, 3};

class RandomDocument {
public:
  explicit RandomDocument(unsigned Seed) : Rng(Seed) {}

  template <typename T> const T& pick(const std::vector<T>& From) {
    return From[std::uniform_int_distribution<std::size_t>(0, From.size() - 1)(Rng)];
  }
  int number(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(Rng); }

  Item item() {
    Item I;
    I.SetItemID(Id(number(1, MaxID)));
    I.SetModuleID(Module(pick(Modules)));
    I.SetItemName(pick(ItemNames).c_str());
    I.SetItemSaveName(pick(SaveNames).c_str());
    I.SetClippingName(pick(SettingNames).c_str());
    I.SetSlicingName(pick(SettingNames).c_str());
    I.SetObjectName(pick(SettingNames).c_str());
    I.SetCaptureName(pick(SettingNames).c_str());
    I.SetViewName(pick(SettingNames).c_str());
    for (int K = number(0, 2); K > 0; --K)
      I.SetManyViewName(pick(ViewNames).c_str());
    return I;
  }

  std::mt19937 Rng;
};

// Every lookup of the document against the plain scans of the model.
void expectLookupsMatch(const Manager& M, const std::vector<Sig>& L) {
  ASSERT_EQ(listOf(M), L);
  for (int ItemID = 0; ItemID <= MaxID + 1; ++ItemID) {
    const int First = refFirstWith(L, ItemID);
    EXPECT_EQ(M.IsItemExist(Id(ItemID)), First >= 0 ? 1 : 0) << ItemID;
    EXPECT_EQ(M.GetItemModuleID(ItemID), First >= 0 ? L[std::size_t(First)].ModuleID : -1);
    wchar_t Buffer[256] = L"untouched";
    EXPECT_EQ(M.GetClippingName(Id(ItemID), Buffer), First >= 0 ? 1 : 0);
    if (First >= 0) {
      EXPECT_EQ(std::wstring(Buffer), L[std::size_t(First)].Clipping);
    }
    for (int ModuleID : Modules) {
      const int Pos = refFirstWith(L, ItemID, ModuleID);
      EXPECT_EQ(M.GetItemIndex(ItemID, ModuleID), Pos) << ItemID << " " << ModuleID;
      EXPECT_EQ(M.GetViewCount(Id(ItemID), ModuleID),
                Pos >= 0 ? static_cast<int>(L[std::size_t(Pos)].Views.size()) : 0);
    }
  }
  for (int ModuleID : Modules)
    for (const std::wstring& Query : NameQueries)
      EXPECT_EQ(M.GetItemIndex(ModuleID, Query.c_str()), refIndexByName(L, ModuleID, Query))
          << ModuleID << " '" << std::string(Query.begin(), Query.end()) << "'";
  for (const std::wstring& Name : SettingNames) {
    const wchar_t* N = Name.c_str();
    EXPECT_EQ(M.CheckClippingUsed(N), refUsers(L, &Sig::Clipping, Name).empty() ? 0 : 1);
    EXPECT_EQ(M.CheckSlicingUsed(N), refUsers(L, &Sig::Slicing, Name).empty() ? 0 : 1);
    EXPECT_EQ(M.CheckObjectUsed(N), refUsers(L, &Sig::Object, Name).empty() ? 0 : 1);
    EXPECT_EQ(M.CheckCaptureUsed(N), refUsers(L, &Sig::Capture, Name).empty() ? 0 : 1);
  }
  for (const wchar_t* Name : {L"A", L"top", L"Side", L"TOP", L"none"})
    EXPECT_EQ(M.CheckViewUsed(Name), refViewUsed(L, Name) ? 1 : 0);
}

// Runs one random change on the document and the same change, by the plain
// rules, on the model.
void randomChange(RandomDocument& R, Manager& M, std::vector<Sig>& L) {
  const int Count = static_cast<int>(L.size());
  const int AnyIndex = Count > 0 ? R.number(0, Count - 1) : 0;
  const int ItemID = R.number(1, MaxID);
  const int Change = R.number(0, 15);
  switch (Change < 4 ? 0 : Change) {
  case 0: { // append, the reader's way (four times as often)
    Item I = R.item();
    M.AddItem(I);
    L.push_back(sigOf(I));
    break;
  }
  case 4: { // append a new default item
    M.AddItem(Id(ItemID), 1, 1, 0, 0, 1, 10);
    Sig S;
    S.ItemID = ItemID;
    L.push_back(S);
    break;
  }
  case 5: { // erase the first item with an id
    M.RemoveItem(Id(ItemID));
    const int First = refFirstWith(L, ItemID);
    if (First >= 0)
      L.erase(L.begin() + First);
    break;
  }
  case 6: { // replace by index, with other keys
    Item I = R.item();
    EXPECT_EQ(M.SetItem(AnyIndex, I), Count > 0 ? 1 : 0);
    if (Count > 0)
      L[std::size_t(AnyIndex)] = sigOf(I);
    break;
  }
  case 7: { // replace the first item with an id
    Item I = R.item();
    const int First = refFirstWith(L, ItemID);
    EXPECT_EQ(M.SetItem(Id(ItemID), I), First >= 0 ? 1 : 0);
    if (First >= 0)
      L[std::size_t(First)] = sigOf(I);
    break;
  }
  case 8: { // rename the first item with an id and module
    const int ModuleID = R.pick(Modules);
    const std::wstring& Name = R.pick(ItemNames);
    const int First = refFirstWith(L, ItemID, ModuleID);
    EXPECT_EQ(M.SetItemName(ModuleID, Id(ItemID), Name.c_str()), First >= 0 ? 1 : 0);
    if (First >= 0)
      L[std::size_t(First)].Name = Name;
    break;
  }
  case 9: { // switch users to a fallback
    const std::wstring& Name = R.pick(SettingNames);
    for (int U : refUsers(L, &Sig::Clipping, Name))
      L[std::size_t(U)].Clipping = L"Default";
    M.ChangeClippingToDefault(Name.c_str());
    for (int U : refUsers(L, &Sig::Object, Name))
      L[std::size_t(U)].Object = L"C";
    M.ChangeObjectToDefault(Name.c_str(), L"C");
    for (int U : refUsers(L, &Sig::View, Name))
      L[std::size_t(U)].View = L"B";
    M.ChangeViewToDefault(Name.c_str(), L"B");
    break;
  }
  case 10: { // delete settings whose users are reset
    const std::wstring& Name = R.pick(SettingNames);
    M.SetClippingSetting(Name.c_str(), Item::tagCLIPSETTING());
    M.SetObjectSetting(Name.c_str(), Item::tagOBJECTSETTING());
    for (int U : refUsers(L, &Sig::Clipping, Name))
      L[std::size_t(U)].Clipping.clear();
    EXPECT_EQ(M.DeleteClippingSetting(Name.c_str()), 1);
    for (int U : refUsers(L, &Sig::Object, Name))
      L[std::size_t(U)].Object.clear();
    EXPECT_EQ(M.DeleteObjectSetting(Name.c_str()), 1);
    break;
  }
  case 11: { // a copy carries its own indexes on
    Manager Copy(M);
    M = Manager();
    expectLookupsMatch(M, {});
    M = Copy;
    break;
  }
  case 12: { // synchronisation replaces the whole list
    Manager Other;
    std::vector<Sig> OtherList;
    for (int K = R.number(0, 6); K > 0; --K) {
      Item I = R.item();
      Other.AddItem(I);
      OtherList.push_back(sigOf(I));
    }
    M.SyncReportEngineData(&Other);
    L = OtherList;
    break;
  }
  case 13:
    if (R.number(0, 3) == 0) {
      M.RemoveAllItem();
      L.clear();
    }
    break;
  default: { // changes by index that keep the keys
    const std::wstring& Name = R.pick(SettingNames);
    EXPECT_EQ(M.SetItemClipping(AnyIndex, Name.c_str()), Count > 0 ? 1 : 0);
    if (Count > 0)
      L[std::size_t(AnyIndex)].Clipping = Name;
    break;
  }
  }
}

} // namespace

TEST(ItemIndex, RandomChangesMatchPlainScans) {
  for (unsigned Seed = 1; Seed <= 12; ++Seed) {
    SCOPED_TRACE("seed " + std::to_string(Seed));
    RandomDocument R(Seed);
    Manager M;
    std::vector<Sig> L;
    for (int Step = 0; Step < 300; ++Step) {
      randomChange(R, M, L);
      // A lookup by name between changes builds the name index, which later
      // appends then keep up to date.
      if (Step % 3 == 0)
        expectLookupsMatch(M, L);
      if (::testing::Test::HasFailure())
        return;
    }
    expectLookupsMatch(M, L);
  }
}

TEST(ItemIndex, OptionListsKeepTheOrderOfLastChange) {
  // The plain rules: a stored name moves to the end of the option list, a
  // deleted one leaves it. The clipping count counts the library's entries,
  // the capture count (capture lists empty names) the listed names.
  auto store = [](std::vector<std::wstring>& Options, const std::wstring& Name, bool Keep) {
    Options.erase(std::remove(Options.begin(), Options.end(), Name), Options.end());
    if (Keep)
      Options.push_back(Name);
  };
  for (unsigned Seed = 1; Seed <= 4; ++Seed) {
    SCOPED_TRACE("seed " + std::to_string(Seed));
    std::mt19937 Rng(Seed);
    auto number = [&](int Low, int High) {
      return std::uniform_int_distribution<int>(Low, High)(Rng);
    };
    Manager M;
    std::set<std::wstring> ClippingLibrary, CaptureLibrary;
    std::vector<std::wstring> ClippingOptions, CaptureOptions;
    for (int Step = 0; Step < 3000; ++Step) {
      // Long runs of stores, then of deletes, let holes pile up and go.
      const bool Storing = (Step / 500) % 2 == 0;
      const std::wstring Name = Step % 97 == 0 ? L"" : L"N" + std::to_wstring(number(0, 150));
      const int Op = number(0, 99);
      if (Op < 2) { // a hand-over lists the non-empty names in key order
        ZRVClipMap Map{{L"", Item::tagCLIPSETTING()}};
        for (int K = number(0, 40); K > 0; --K)
          Map[L"N" + std::to_wstring(number(0, 150))] = Item::tagCLIPSETTING();
        M.SetClippingMap(Map);
        ClippingLibrary.clear();
        ClippingOptions.clear();
        for (const auto& Entry : Map) {
          ClippingLibrary.insert(Entry.first);
          if (!Entry.first.empty())
            ClippingOptions.push_back(Entry.first);
        }
      } else if (Op < 3) {
        M.RemoveAllItem();
        ClippingOptions.clear();
        CaptureOptions.clear();
      } else if (Storing ? Op < 75 : Op < 25) {
        M.SetClippingSetting(Name.c_str(), Item::tagCLIPSETTING());
        M.SetCaptureSetting(Name.c_str(), Item::tagFOCUSCAPTURE());
        ClippingLibrary.insert(Name);
        CaptureLibrary.insert(Name);
        store(ClippingOptions, Name, true);
        store(CaptureOptions, Name, true);
      } else {
        EXPECT_EQ(M.DeleteClippingSetting(Name.c_str()), ClippingLibrary.erase(Name) ? 1 : 0);
        EXPECT_EQ(M.DeleteCaptureSetting(Name.c_str()), CaptureLibrary.erase(Name) ? 1 : 0);
        store(ClippingOptions, Name, false);
        store(CaptureOptions, Name, false);
      }
      ASSERT_EQ(M.GetClippingOptionCount(), static_cast<int>(ClippingLibrary.size()));
      ASSERT_EQ(M.GetCaptureOptionCount(), static_cast<int>(CaptureOptions.size()));
      if (Step % 7 == 0) {
        ASSERT_EQ(mtest::options(M, &Manager::GetClippingOption), ClippingOptions);
        ASSERT_EQ(mtest::options(M, &Manager::GetCaptureOption), CaptureOptions);
        // The count can exceed the list (unlisted entries): those indexes are refused.
        for (int I = static_cast<int>(ClippingOptions.size()); I <= M.GetClippingOptionCount(); ++I)
          ASSERT_EQ(mtest::got(M, &Manager::GetClippingOption, I).first, 0) << I;
        ASSERT_EQ(mtest::got(M, &Manager::GetClippingOption, -1).first, 0);
      }
    }
  }
}

TEST(ItemPools, EqualRecordsAreHeldOnceAndAnyDifferenceCounts) {
  // Forty records, each differing from the others in one field or more (the
  // records I and I + 3 in their names only): more than the table's first 16
  // slots.
  using zrv::manager::PoolId;
  auto record = [](int I) {
    Item::tagCLIPSETTING R;
    R.ClipBy = I % 3;
    R.RangeY = I / 6;
    R.Name = I % 2 ? L"odd" : L"";
    return R;
  };
  zrv::manager::TextPool Names;
  zrv::manager::RecordPool<Item::tagCLIPSETTING> Pool;
  std::vector<PoolId> Ids;
  for (int I = 0; I < 40; ++I)
    Ids.push_back(Pool.intern(record(I), Names));
  EXPECT_EQ(std::set<PoolId>(Ids.begin(), Ids.end()).size(), Ids.size());
  for (int I = 0; I < 40; ++I) {
    EXPECT_EQ(Pool.intern(record(I), Names), Ids[std::size_t(I)]);
    const Item::tagCLIPSETTING Back = Pool.get(Ids[std::size_t(I)], Names);
    EXPECT_EQ(std::make_tuple(Back.ClipBy, Back.RangeY, Back.Name),
              std::make_tuple(I % 3, double(I / 6), record(I).Name));
  }
}

TEST(ItemPools, TextsAreHeldOnceAndStayWhereTheyAreThroughCopies) {
  // 3,000 names fill several blocks; one name is longer than any block.
  using zrv::manager::PoolId;
  using zrv::manager::TextPool;
  auto name = [](int I) { return L"Name_" + std::to_wstring(I); };
  const std::wstring Long(20000, L'x');
  TextPool Pool;
  EXPECT_EQ(Pool.intern(L""), PoolId(0));
  const PoolId First = Pool.intern(name(0));
  const std::string_view FirstSeen = Pool[First];
  std::vector<PoolId> Ids;
  for (int I = 0; I < 3000; ++I)
    Ids.push_back(Pool.intern(name(I)));
  const PoolId LongId = Pool.intern(Long);
  EXPECT_EQ(Ids.front(), First);
  EXPECT_EQ(FirstSeen.data(), Pool[First].data()) << "a text moved when the pool grew";
  EXPECT_EQ(std::set<PoolId>(Ids.begin(), Ids.end()).size(), Ids.size());
  EXPECT_EQ(Pool.find(L"Name_3000"), TextPool::NotFound);
  EXPECT_EQ(Pool.find(L"Name_29"), Ids[29]);

  // A copy answers alone once the original is gone, and adds texts of its own.
  auto Copy = std::make_unique<TextPool>(Pool);
  Pool.clear();
  EXPECT_EQ(Pool.find(L"Name_29"), TextPool::NotFound);
  EXPECT_EQ(Pool.size(), 1u);
  Pool.intern(L"other");
  for (int I = 0; I < 3000; I += 7)
    ASSERT_EQ(Copy->wide(Ids[std::size_t(I)]), name(I)) << I;
  EXPECT_EQ(Copy->wide(LongId), Long);
  const PoolId Next = PoolId(Copy->size());
  EXPECT_EQ(Copy->intern(L"Name_3000"), Next);
  EXPECT_EQ(Copy->wide(Copy->find(L"Name_3000")), L"Name_3000");
  EXPECT_EQ(Copy->wide(0), L"");

  // Trimmed after a load, the pool still reads its names and adds new ones.
  Copy->shrinkToFit();
  EXPECT_EQ(Copy->intern(L"Name_3001"), Next + 1);
  EXPECT_EQ(Copy->wide(Ids[2999]), L"Name_2999");
  EXPECT_EQ(Copy->wide(Next), L"Name_3000");

  // Odd wide names stay apart and come back exactly; a well-formed name is
  // held as its UTF-8 bytes, which find it as a file's line holds them.
  const std::wstring Lone = zrvtest::wideOf({0xD800, 'a'});
  const PoolId LoneId = Copy->intern(Lone);
  EXPECT_NE(LoneId, Copy->intern(zrvtest::wideOf({0xFFFD, 'a'})));
  EXPECT_EQ(Copy->wide(LoneId), Lone);
  EXPECT_EQ(Copy->findKept("Obj\xc3\x84"), Copy->intern(L"Obj\u00c4"));
}

TEST(ItemPools, ByteHashAndCompareReadEveryByteOfTheirTextAndNoOther) {
  // Texts of 0 to 40 bytes (whole words, a tail after them, shorter than a
  // word) hash and compare alike wherever they stand, whatever bytes surround
  // them, and differently when any one of their bytes differs or one is a
  // byte shorter.
  std::string Text;
  for (int I = 0; I < 40; ++I)
    Text += static_cast<char>('A' + I % 26);
  for (std::size_t Size = 0; Size <= Text.size(); ++Size) {
    const std::string Alone = Text.substr(0, Size);
    const std::string Framed = "\xff\xfe\xfd" + Alone + "\x01\x02\x03\x04\x05\x06\x07\x08";
    const std::uint32_t Hash = zrv::hashElements(Alone.data(), Size);
    ASSERT_EQ(zrv::hashElements(Framed.data() + 3, Size), Hash) << Size;
    ASSERT_TRUE(zrv::sameBytes(Alone, std::string_view(Framed).substr(3, Size))) << Size;
    if (Size > 0) {
      ASSERT_FALSE(zrv::sameBytes(Alone, std::string_view(Framed).substr(3, Size - 1))) << Size;
    }
    for (std::size_t At = 0; At < Size; ++At) {
      std::string Changed = Alone;
      Changed[At] = static_cast<char>(Changed[At] ^ 0x20);
      ASSERT_NE(zrv::hashElements(Changed.data(), Size), Hash) << Size << " " << At;
      ASSERT_FALSE(zrv::sameBytes(Changed, Alone)) << Size << " " << At;
    }
  }
}

TEST(ItemIndex, ListsLongerThanAChunkKeepTheirOrderThroughRemovalsAndCopies) {
  // Items are kept in chunks of 128: removals shift items over chunk
  // boundaries, and a copy's last chunk has no room to spare. Every tenth
  // item has a side block (a description): the blocks of removed items are
  // used again by later ones, and no other item's block changes.
  Manager M;
  std::vector<int> Ids;
  auto described = [](int ItemID) {
    return ItemID % 10 == 0 ? L"D" + std::to_wstring(ItemID) : std::wstring();
  };
  auto add = [&](Manager& To, int ItemID) {
    Item I;
    I.SetItemID(Id(ItemID));
    I.SetItemName((L"N" + std::to_wstring(ItemID)).c_str());
    I.SetDescription(described(ItemID).c_str());
    To.AddItem(I);
  };
  for (int K = 1; K <= 300; ++K) {
    add(M, K);
    Ids.push_back(K);
  }
  for (int Position : {299, 255, 128, 127, 0, 8}) {
    M.RemoveItem(Id(Ids[std::size_t(Position)]));
    Ids.erase(Ids.begin() + Position);
  }
  Manager Copy(M);
  for (int K = 301; K <= 420; ++K) {
    add(Copy, K);
    Ids.push_back(K);
  }
  ASSERT_EQ(Copy.GetItemCount(), int(Ids.size()));
  ASSERT_EQ(M.GetItemCount(), 294);
  for (std::size_t P = 0; P < Ids.size(); ++P) {
    const Item Got = mtest::itemAt(Copy, int(P));
    ASSERT_EQ(std::make_tuple(int(Got.GetItemID()), Got.GetItemName(), Got.GetDescription()),
              std::make_tuple(Ids[P], L"N" + std::to_wstring(Ids[P]), described(Ids[P])))
        << P;
    ASSERT_EQ(Copy.GetItemIndex(Ids[P], Got.GetModuleID()), int(P));
  }
}

TEST(ItemPools, ErasedSlotsAreProbedPastAndDropWhenTheTableGrows) {
  // Ids of one hash share a probe chain; erasing one in the middle must not
  // cut the chain, nor may its slot be taken again until the table grows.
  using zrv::manager::IdTable;
  IdTable Table;
  constexpr std::uint32_t Hash = 7;
  auto slotOf = [&](std::uint32_t Id, std::uint32_t Of = 7) {
    return Table.slotOf(Of, [Id](std::uint32_t Held) { return Held == Id; });
  };
  for (std::uint32_t Id = 0; Id < 3; ++Id)
    Table.put(slotOf(Id), Hash, Id, Id + 1);
  const std::size_t Middle = slotOf(1);
  Table.erase(Middle);
  EXPECT_EQ(Table[slotOf(1)], IdTable::NotFound);
  EXPECT_EQ(Table[slotOf(2)], 2u) << "the erased slot cut the probe chain";
  const std::size_t Free = slotOf(3);
  EXPECT_NE(Free, Middle);
  Table.put(Free, Hash, 3, 4);
  EXPECT_EQ(Table[slotOf(3)], 3u);
  // Growing lays out the held ids again, the erased one left out.
  for (std::uint32_t Id = 4; Id < 40; ++Id)
    Table.put(slotOf(Id, 100 + Id), 100 + Id, Id, Id + 1);
  EXPECT_EQ(Table[slotOf(1)], IdTable::NotFound);
  EXPECT_EQ(Table[slotOf(2)], 2u);
  EXPECT_EQ(Table[slotOf(0)], 0u);
}

TEST(ItemPools, ReservedTablesAreLaidOutOnceAndGiveBackWhatALoadLeftUnused) {
  using zrv::manager::IdTable;
  IdTable Table;
  auto slotOf = [&](std::uint32_t Id) {
    return Table.slotOf(Id * 2654435761u, [Id](std::uint32_t Held) { return Held == Id; });
  };
  Table.reserve(1000);
  EXPECT_EQ(Table.slotCount(), 2048u) << "at most half full, a power of two";
  Table.reserve(1024);
  EXPECT_EQ(Table.slotCount(), 2048u) << "exactly half full is full enough";
  Table.reserve(3);
  EXPECT_EQ(Table.slotCount(), 2048u) << "reserving less never shrinks";
  for (std::uint32_t Id = 0; Id < 21; ++Id)
    Table.put(slotOf(Id), Id * 2654435761u, Id, Id + 1);
  EXPECT_EQ(Table.slotCount(), 2048u) << "reserved room grew again";
  Table.erase(slotOf(20));
  // 20 ids held of 2,048 slots: laid out again a quarter full at most.
  Table.shrinkToFit(20);
  EXPECT_EQ(Table.slotCount(), 128u);
  for (std::uint32_t Id = 0; Id < 20; ++Id)
    ASSERT_EQ(Table[slotOf(Id)], Id) << Id;
  EXPECT_EQ(Table[slotOf(20)], IdTable::NotFound) << "the erased id came back";
  Table.shrinkToFit(20);
  Table.shrinkToFit(16);
  EXPECT_EQ(Table.slotCount(), 128u) << "a table of about the right size was laid out again";
  IdTable Small;
  Small.shrinkToFit(0);
  EXPECT_EQ(Small.slotCount(), 16u);
  // After the shrink the table still grows as ids come.
  for (std::uint32_t Id = 20; Id < 300; ++Id)
    Table.put(slotOf(Id), Id * 2654435761u, Id, Id);
  EXPECT_EQ(Table.slotCount(), 1024u);
  for (std::uint32_t Id = 0; Id < 300; ++Id)
    ASSERT_EQ(Table[slotOf(Id)], Id) << Id;
}

TEST(ItemPools, MeltRecordsKeepEveryPlaceUpToTheLastThatIsNotZero) {
  using Melt = zrv::manager::StoredMelt;
  // The last used place at every position, given as a value or as -0.0
  // (kept: a place is unused only when all its bits are zero).
  for (int Last = -1; Last < Melt::Record::MaxCount; ++Last)
    for (double Value : {7.5, -0.0}) {
      Melt::Record In;
      In.Count = Last + 1;
      if (Last >= 1)
        In.Percentage[0] = 1.0;
      if (Last >= 0)
        In.Percentage[Last] = Value;
      const Melt Kept(In);
      ASSERT_EQ(Kept.Used, Last + 1) << Last;
      // Kept in the record itself or in a block of its own (past four
      // places), a record and its copy give back every place.
      auto samePlaces = [&In](const Melt::Record& Out) {
        return Out.Count == In.Count &&
               std::memcmp(Out.Percentage, In.Percentage, sizeof In.Percentage) == 0;
      };
      const Melt Copy = Kept;
      EXPECT_TRUE(samePlaces(Kept)) << Last;
      EXPECT_TRUE(samePlaces(Copy)) << Last;
      // Told that the places from the first unused one (or any later one)
      // on are zero, as a read line's record is, it keeps the same places.
      for (int Written : {Last + 1, Last + 2, Last + 5, Melt::Record::MaxCount + 1}) {
        const Melt Read(In, Written);
        ASSERT_EQ(Read.Used, Kept.Used) << Last << " " << Written;
        ASSERT_TRUE(samePlaces(Read)) << Last << " " << Written;
      }
    }
}
