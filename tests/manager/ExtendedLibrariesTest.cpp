// ExtendedLibrariesTest.cpp - the melt-front capture, animation and image
// libraries, their binding to the extended items at fixed positions, and the
// report-wide options with their messages.
#include "zrvreport/ZRVReportItemManager.h"

#include "ManagerTestUtil.h"

using namespace mtest;

namespace {

const std::wstring AnimationMessage = L"[ReportSetting] Can't not find Animation setting";
const std::wstring ImageMessage = L"[ReportSetting] Can't not find Image setting";
const std::wstring PdfMessage = L"[ReportItemManager] cant find Output3DPDF item index 2";

} // namespace

TEST(ExtendedLibraries, HandOverKeepsEmptyNamesAndCountsOptionsMeltSettingsByIndex) {
  Manager M;
  M.SetMeltMap(ZRVMeltMap{{L"b", {}}, {L"A", {}}, {L"", {}}, {L"D", {}}});
  M.SetAnimationMap(ZRVAnimationMap{{L"b", {}}, {L"", {}}});
  M.SetImageMap(ZRVImageMap{{L"D", {}}, {L"A", {}}});
  EXPECT_EQ(options(M, &Manager::GetMeltOption), (Names{L"", L"A", L"D", L"b"}));
  EXPECT_EQ(options(M, &Manager::GetAnimationOption), (Names{L"", L"b"}));
  EXPECT_EQ(options(M, &Manager::GetImageOption), (Names{L"A", L"D"}));
  M.SetImageSetting(L"A", 1, 2); // replacing moves the name to the end
  EXPECT_EQ(options(M, &Manager::GetImageOption), (Names{L"D", L"A"}));
  EXPECT_EQ(M.DeleteMeltSetting(L"D"), 1);
  EXPECT_EQ(M.DeleteMeltSetting(L"D"), 0);
  EXPECT_EQ(M.GetMeltOptionCount(), 3);
  M.RemoveAllItem(); // the melt-front list goes, animation and image lists stay
  EXPECT_EQ(M.GetMeltOptionCount(), 0);
  EXPECT_EQ(M.GetAnimationOptionCount() + M.GetImageOptionCount(), 4);
  EXPECT_EQ(got(M, &Manager::GetMeltOption, 0), Answer(0, L"untouched"));
  EXPECT_EQ(got(M, &Manager::GetImageOption, 2), Answer(0, L"untouched"));

  // Melt settings set by index.
  M = Manager();
  // The count and first four percentages of "m".
  auto m = [&] {
    const ItemEx::stMeltFrontTimeCapture R = M.GetMeltSetting(L"m");
    return std::make_pair(R.Count, std::vector<double>(R.Percentage, R.Percentage + 4));
  };
  using Melt = std::pair<int, std::vector<double>>;
  M.SetMeltSettingByIndex(L"m", 3, 25.0);
  EXPECT_EQ(m(), (Melt{1, {25.0, 0.0, 0.0, 0.0}}));
  M.SetMeltSettingByIndex(L"m", 1, 10.0); // the index just past the count extends it
  EXPECT_EQ(m(), (Melt{2, {25.0, 10.0, 0.0, 0.0}}));
  M.SetMeltSettingByIndex(L"m", 3, 75.0);
  EXPECT_EQ(m(), (Melt{4, {25.0, 10.0, 0.0, 75.0}}));
  M.SetMeltSettingByIndex(L"m", 0, 5.0); // Count is above 0: it stays
  EXPECT_EQ(m().first, 4);

  M.SetMeltSettingByIndex(L"n", -4, 50.0); // a new name takes any index
  EXPECT_EQ(M.GetMeltSetting(L"n").Count, 1);
  // Outside 0 to 99 a known name changes nothing, not even its option place.
  M.SetMeltSettingByIndex(L"m", 100, 1.0);
  M.SetMeltSettingByIndex(L"m", -1, 1.0);
  EXPECT_EQ(m(), (Melt{4, {5.0, 10.0, 0.0, 75.0}}));
  EXPECT_EQ(options(M, &Manager::GetMeltOption), (Names{L"m", L"n"}));
  M.SetMeltSettingByIndex(L"m", 99, 1.0);
  EXPECT_EQ(m().first, 100);
  EXPECT_EQ(options(M, &Manager::GetMeltOption), (Names{L"n", L"m"}));
}

TEST(ExtendedLibraries, BindingToExtendedItems) {
  Manager None;
  EXPECT_EQ(None.SetItemMelt(0, L"m"), 0);
  EXPECT_EQ(got(None, &Manager::GetMeltName), Answer(0, L"untouched"));
  EXPECT_EQ(None.IsOutputMelt(), 1);
  EXPECT_EQ(None.IsOutputAnimation() + None.HasMeltFrontCaptureSetting(0), 0);

  Manager Three = withExtendedItems(3);
  {
    zrvtest::DiagnosticCapture Capture;
    EXPECT_EQ(Three.SetItemAnimation(1, L"a"), 0);
    EXPECT_EQ(got(Three, &Manager::GetAnimationName), Answer(0, L"untouched"));
    EXPECT_EQ(Three.IsOutputAnimation(), 0);
    EXPECT_EQ(Three.SetItemImage(L"i"), 0);
    EXPECT_EQ(Capture.Messages, (Names{AnimationMessage, ImageMessage}));
  }

  Manager M = withExtendedItems(6);
  M.SetMeltSettingByIndex(L"full", 0, 30.0);
  M.SetMeltSetting(L"empty", {});
  EXPECT_EQ(M.SetItemMelt(4, L"full"), 1); // the number is not used: always item 0
  EXPECT_EQ(std::make_pair(M.HasMeltFrontCaptureSetting(0), M.HasMeltFrontCaptureSetting(4)),
            std::make_pair(1, 0));
  EXPECT_EQ(M.SetItemMelt(0, L"empty"), 1);
  const ItemEx Melt = itemExAt(M, 0);
  // HasMeltCapture is not cleared by an empty record.
  EXPECT_EQ(std::make_tuple(Melt.MeltName, Melt.MeltCapture.Count, Melt.MeltCapture.Percentage[0],
                            Melt.HasMeltCapture),
            std::make_tuple(std::wstring(L"empty"), 0, 0.0, 1));
  EXPECT_EQ(got(M, &Manager::GetMeltName), Answer(1, L"empty"));
  EXPECT_EQ(M.SetItemExOutput(0, 0), 1);
  EXPECT_EQ(M.IsOutputMelt(), 0);

  M.SetAnimationSetting(L"anim", 1, 9.0, 9.0, 1);
  EXPECT_EQ(M.SetItemAnimation(1, L"anim"), 1);
  EXPECT_EQ(M.IsOutputAnimation(), 1);
  EXPECT_EQ(M.SetItemAnimation(2, L"anim"), 1);
  EXPECT_EQ(M.IsOutputAnimation(), 0);
  EXPECT_EQ(itemExAt(M, 3).AnimationSetting.Time, 5.0); // record not copied
  EXPECT_EQ(got(M, &Manager::GetAnimationName), Answer(1, L"anim"));
  EXPECT_EQ(M.SetItemImage(L"img"), 1);
  EXPECT_EQ(got(M, &Manager::GetImageName), Answer(1, L"img"));
}

TEST(ExtendedLibraries, DeletesSwitchBoundNamesToDefault) {
  Manager M = withExtendedItems(6);
  M.SetAnimationSetting(L"anim", 0, 1.0, 1.0, 1);
  M.SetAnimationSetting(L"spare", 0, 1.0, 1.0, 1);
  M.SetImageSetting(L"img", 0, 1);
  M.SetMeltSetting(L"melt", {});
  M.SetItemAnimation(1, L"anim");
  M.SetItemImage(L"img");
  M.SetItemMelt(0, L"melt");

  EXPECT_EQ(M.DeleteAnimationSetting(L"missing"), 0);
  EXPECT_EQ(M.DeleteAnimationSetting(L"spare"), 1);
  EXPECT_EQ(itemExAt(M, 3).AnimationName, L"anim");
  EXPECT_EQ(M.DeleteAnimationSetting(L"anim"), 1);
  EXPECT_EQ(std::make_pair(itemExAt(M, 3).AnimationName, itemExAt(M, 3).Output),
            std::make_pair(std::wstring(L"Default"), 1));
  EXPECT_EQ(M.DeleteImageSetting(L"img"), 1);
  EXPECT_EQ(itemExAt(M, 5).ImageName, L"Default");
  EXPECT_EQ(M.DeleteMeltSetting(L"melt"), 1);
  EXPECT_EQ(itemExAt(M, 0).MeltName, L"melt");

  Manager Short = withExtendedItems(1); // no item 3 or 5 to reset
  Short.SetAnimationSetting(L"anim", 0, 1.0, 1.0, 1);
  Short.SetImageSetting(L"img", 0, 1);
  EXPECT_EQ(Short.DeleteAnimationSetting(L"anim") + Short.DeleteImageSetting(L"img"), 2);
}

TEST(ExtendedLibraries, ReportWideOptionsNeedTheirPositions) {
  Manager Two = withExtendedItems(2);
  {
    zrvtest::DiagnosticCapture Capture;
    EXPECT_EQ(Two.SetPPTTemplate(L"/t/a.pptx"), 1);
    EXPECT_EQ(got(Two, &Manager::GetPPTTemplate), Answer(1, L"/t/a.pptx"));
    EXPECT_EQ(Two.IsOutput3DPDF(), 0);
    Two.SetIsOutput3DPDF(1);
    EXPECT_EQ(Two.SetWarpageScale(3.0), 0);
    EXPECT_EQ(Two.GetWarpageScale(), 0.0);
    EXPECT_EQ(Capture.Messages, (Names{PdfMessage, PdfMessage}));
  }
  Manager One = withExtendedItems(1);
  EXPECT_EQ(One.SetPPTTemplate(L"x"), 0);
  EXPECT_EQ(got(One, &Manager::GetPPTTemplate), Answer(0, L"untouched"));

  Manager Five = withExtendedItems(5);
  zrvtest::DiagnosticCapture Capture;
  EXPECT_EQ(Five.SetWarpageScale(2.5), 1);
  // A new extended item is output.
  EXPECT_EQ(std::make_pair(Five.GetWarpageScale(), Five.IsOutput3DPDF()), std::make_pair(2.5, 1));
  Five.SetIsOutput3DPDF(2); // only 1 means on
  EXPECT_EQ(Five.IsOutput3DPDF(), 0);
  EXPECT_TRUE(Capture.Messages.empty());
}
