// ReportItemExTest.cpp - the extended report entry and its records.
#include "zrvreport/ZRVReportItemEx.h"

#include <gtest/gtest.h>

TEST(ReportItemEx, DefaultsOfEntryAndRecords) {
  CZRVReportItemEx Entry;
  EXPECT_EQ(Entry.Output, 1);
  EXPECT_EQ(Entry.MeltCapture.Count, 0);
  EXPECT_EQ(Entry.HasMeltCapture, 0);
  EXPECT_EQ(Entry.WarpageScale, 0.0);
  EXPECT_EQ(Entry.AnimationSetting.Output, 0);
  EXPECT_EQ(Entry.AnimationSetting.Time, 5.0);
  EXPECT_EQ(Entry.AnimationSetting.FPS, 5.0);
  EXPECT_EQ(Entry.AnimationSetting.Resolution, 4);
  EXPECT_EQ(Entry.ImageSetting.Output, 0);
  EXPECT_EQ(Entry.ImageSetting.Resolution, 4);
  EXPECT_TRUE(Entry.MeltName.empty() && Entry.AnimationName.empty() && Entry.ImageName.empty());
}

TEST(ReportItemEx, CopiesHoldAllHundredPercentages) {
  CZRVReportItemEx Entry;
  Entry.MeltCapture.Count = 100;
  for (int I = 0; I < 100; ++I)
    Entry.MeltCapture.Percentage[I] = I + 0.5;
  Entry.MeltName = L"Every";
  CZRVReportItemEx Copy(Entry);
  CZRVReportItemEx Assigned;
  Assigned = Entry;
  Entry.MeltCapture.Percentage[99] = -1;
  for (const CZRVReportItemEx* E : {&Copy, &Assigned}) {
    EXPECT_EQ(E->MeltCapture.Count, 100);
    for (int I = 0; I < 100; ++I)
      EXPECT_EQ(E->MeltCapture.Percentage[I], I + 0.5);
    EXPECT_EQ(E->MeltName, L"Every");
  }
}
