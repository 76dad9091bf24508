// CheckRulesTest.cpp - the check rules on findings made up for the purpose:
// how a passed-over tag is told apart, the [ResultEx] positions, the advice for
// unknown keys and names, and the order of the messages.
#include "TestSupport.h"

#include "CheckRules.h"
#include "zrvreport/ZRVReportItemManager.h"

using namespace zrvtool;
using K = ZRVTemplateFindingKind;

namespace {

ZRVTemplateFinding finding(K Kind, int Line, std::wstring Section, std::wstring Text = L"",
                           int Number = 0, int Field = 0) {
  return {Kind, Line, std::move(Section), std::move(Text), Number, Field, {}};
}

/// The six [ResultEx] rows as a clean load reports them, from line 20 on.
std::vector<ZRVTemplateFinding> cleanResultEx() {
  std::vector<ZRVTemplateFinding> F = {finding(K::SectionRead, 18, L"[ResultEx]")};
  const wchar_t* Keys[] = {L"Flow-MeltFrontTime", L"PPTTemplate",  L"3DPDF",
                           L"Animation",          L"WarpageScale", L"Image"};
  for (int I = 0; I < 6; ++I)
    F.push_back(finding(K::ExtendedItemAdded, 20 + I, L"[ResultEx]", Keys[I], I));
  return F;
}

CheckContext solidInjection(const CZRVReportItemManager* Document = nullptr) {
  CheckContext C;
  C.Loader = ZRV_LOAD_SOLID_INJECTION;
  C.ProjectDescription = "solid injection";
  C.Document = Document;
  return C;
}

std::vector<std::string> codes(const std::vector<Diagnostic>& Found) {
  std::vector<std::string> Result;
  for (const Diagnostic& D : Found)
    Result.push_back(std::to_string(D.Line) + " " + D.Code);
  return Result;
}

} // namespace

TEST(ZrvTemplateCheckRules, PassedOverTagsAndResultExPositions) {
  std::vector<ZRVTemplateFinding> F = cleanResultEx();
  F.push_back(finding(K::SectionPassedOver, 40, L"[CoolResult]", L"[FlowResult]"));
  F.push_back(finding(K::SectionPassedOver, 50, L"[FlowResult]", L"[WireSweep],,"));
  F.push_back(finding(K::SectionPassedOver, 60, L"[WarpResult]", L" [Notes] ,,"));
  F.push_back(finding(K::SectionPassedOver, 70, L"[ViewSetting]", L"Front[1],0,0,0,1"));
  F.push_back(finding(K::SectionPassedOver, 80, L"", L"Top[2]"));
  std::vector<Diagnostic> D = CheckFindings(F, solidInjection());
  ASSERT_EQ(codes(D), (std::vector<std::string>{"40 section-order", "50 section-not-read",
                                                "60 unknown-section", "70 bracket-in-line",
                                                "80 bracket-in-line"}));
  EXPECT_EQ(D[0].Section + ": " + D[0].Message,
            "[CoolResult]: section [FlowResult] stands after [CoolResult], out of the order in "
            "which the reader takes sections, so it is passed over with its lines; move it before "
            "[CoolResult]");
  EXPECT_EQ(D[2].Message, "unknown section [Notes]: the reader passes it over with its lines");
  EXPECT_EQ(D[4].Message, "'[' in a data line: the reader takes the line for a section tag and "
                          "passes over the lines up to the next section; remove the '['");
  // [WireSweep] is read by the IC package loader, so there it is out of order.
  CheckContext Package = solidInjection();
  Package.Loader = ZRV_LOAD_SOLID_ICPACKAGE;
  std::vector<ZRVTemplateFinding> Sweep = cleanResultEx();
  Sweep.push_back(F[8]);
  EXPECT_EQ(codes(CheckFindings(Sweep, Package)), (std::vector<std::string>{"50 section-order"}));

  // The [ResultEx] positions.
  EXPECT_TRUE(CheckFindings(cleanResultEx(), solidInjection()).empty());

  // No [ResultEx]: one error at the first result section's tag.
  std::vector<ZRVTemplateFinding> None = {finding(K::SectionRead, 1, L"[FileHeader]"),
                                          finding(K::SectionRead, 30, L"[FlowResult]")};
  EXPECT_EQ(codes(CheckFindings(None, solidInjection())),
            (std::vector<std::string>{"30 resultex-rows"}));
  // ... but not when it was passed over, which has its own message.
  None.push_back(finding(K::SectionPassedOver, 40, L"[FlowResult]", L"[ResultEx]"));
  EXPECT_EQ(codes(CheckFindings(None, solidInjection())),
            (std::vector<std::string>{"40 section-order"}));

  // A misspelt key, a seventh row, and a short section.
  F = cleanResultEx();
  F[4].Text = L"Animaton";
  F.push_back(finding(K::ExtendedItemAdded, 26, L"[ResultEx]", L"Image", 6));
  D = CheckFindings(F, solidInjection());
  ASSERT_EQ(codes(D), (std::vector<std::string>{"23 resultex-rows", "26 resultex-rows"}));
  EXPECT_EQ(D[0].Message, "row key 'Animaton' is none of 'Flow-MeltFrontTime', 'PPTTemplate', "
                          "'3DPDF', 'Animation', 'WarpageScale', 'Image': the row fills position "
                          "3 ('Animation') with its output flag only");
  EXPECT_EQ(D[1].Level, Severity::Warning);
  F = cleanResultEx();
  F.resize(3);
  D = CheckFindings(F, solidInjection());
  ASSERT_EQ(codes(D), (std::vector<std::string>{"18 resultex-rows"}));
  EXPECT_EQ(D[0].Message,
            "[ResultEx] gives 2 of the six rows; the document lacks '3DPDF', 'Animation', "
            "'WarpageScale', 'Image'");
}

TEST(ZrvTemplateCheckRules, ItemKeyAdvice) {
  CheckContext C = solidInjection();
  EXPECT_EQ(AdviseItemKey(L"meltFrontTime", L"[FlowResult]", C),
            "did you mean 'MeltFrontTime'? (keys are case-sensitive)");
  EXPECT_EQ(AdviseItemKey(L"XDisplacement", L"[FlowResult]", C),
            "the key belongs to [WarpResult], [MoldDeformationResult] and [StressResult]: move "
            "the line there");
  EXPECT_EQ(AdviseItemKey(L"flatness", L"[FlowResult]", C),
            "'Flatness' of [WarpResult] differs only in letter case");
  EXPECT_EQ(AdviseItemKey(L"WireSweepIndex", L"[FlowResult]", C),
            "it is a key of [WireSweep] for SolidICPackage, not for this project type");
  EXPECT_EQ(AdviseItemKey(L"FillTime", L"[FlowResult]", C),
            "no key list of the catalogue holds it (\"zrvtemplate catalogue\" lists the keys)");
  // The thermoset flag selects the lists searched: a reaction-injection flow
  // key is a key of ICM's [FlowResult] only with the flag.
  C.Loader = ZRV_LOAD_SOLID_ICM;
  C.Thermoset = 1;
  EXPECT_EQ(AdviseItemKey(L"conversion", L"[FlowResult]", C),
            "did you mean 'Conversion'? (keys are case-sensitive)");
}

TEST(ZrvTemplateCheckRules, NamesLinesAndOrder) {
  CZRVReportItemManager Document;
  CZRVReportItem::tagVIEWSETTING View;
  Document.SetViewSetting(L"Iso_Front", View);
  std::vector<ZRVTemplateFinding> F = cleanResultEx();
  F.push_back(finding(K::SectionRead, 8, L"[MeltFrontTimeCapture]"));
  F.push_back(finding(K::LineIgnored, 9, L"[MeltFrontTimeCapture]", L"Quarters,25-50", 2));
  F.push_back(finding(K::LineIgnored, 11, L"[MeltFrontTimeCapture]", L"Thirds", 1));
  F.push_back(finding(K::UnresolvedName, 31, L"[FlowResult]", L"iso_front", 0, 9));
  F.push_back(finding(K::UnresolvedName, 30, L"[FlowResult]", L"Mid_X", 0, 12));
  // A [ResultEx] name: the row's key arrives with the extended item that the
  // same line adds after it.
  F.insert(F.begin() + 4, finding(K::UnresolvedName, 23, L"[ResultEx]", L"Long_Gif", 0, 3));
  F.push_back(finding(K::ValueOutOfRange, 32, L"[FlowResult]", L"Pressure", 0, 15));
  F.back().Accepted = {1, 4};
  F.push_back(finding(K::LineIgnored, 33, L"[FlowResult]", L"a,b", 13));
  F.back().Accepted = {11, 12, 14, 15, 16};
  std::vector<Diagnostic> D = CheckFindings(F, solidInjection(&Document));
  ASSERT_EQ(codes(D),
            (std::vector<std::string>{"9 melt-label", "11 line-shape", "23 unresolved-name",
                                      "30 unresolved-name", "31 unresolved-name", "32 value-range",
                                      "33 field-count"}));
  EXPECT_EQ(D[2].Message, "animation setting 'Long_Gif' of the 'Animation' row is not defined in "
                          "this file's [AnimationSetting], so nothing is attached; define it "
                          "there or correct the name (names are case-sensitive)");
  EXPECT_EQ(D[4].Message, "view 'iso_front' (field 9) is not defined in this file's "
                          "[ViewSetting], so nothing is attached; did you mean 'Iso_Front'?");
  EXPECT_EQ(D[5].Message,
            "items per page 0 (field 15) of 'Pressure' is outside 1 to 4 and reads as 1");
}
