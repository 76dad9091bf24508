// DocumentCompare.h - compares two settings documents field by field through
// their public interface: header and info fields, modules, every report item
// with all its records and engine values, every extended item, and the eight
// setting libraries with their option lists and records.
//
//   EXPECT_TRUE(zrvtest::sameDocument(Loaded, Reloaded));
//   EXPECT_TRUE(zrvtest::sameDocument(A, B, {"TagName"})); // ignore a field
//
// A difference is reported with its place and field name ("item 2
// (Pressure) ViewName: Top | Side"); fields are ignored by that name.
#ifndef ZRVREPORT_TESTS_DOCUMENTCOMPARE_H
#define ZRVREPORT_TESTS_DOCUMENTCOMPARE_H

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "zrvreport/ZRVReportItemManager.h"

namespace zrvtest {

namespace detail {

/// Wide text shown in a message: printable ASCII kept, anything else '?'.
inline std::string narrow(const std::wstring& Value) {
  std::string Narrow;
  for (wchar_t C : Value)
    Narrow += (C >= 0x20 && C < 0x7F) ? static_cast<char>(C) : '?';
  return Narrow;
}

} // namespace detail

/// Collects the differences between two documents.
class DocumentDiff {
public:
  explicit DocumentDiff(std::set<std::string> IgnoredFields) : Ignored(std::move(IgnoredFields)) {}

  std::vector<std::string> Differences;

  template <typename T>
  void field(const std::string& Place, const std::string& Field, const T& Left, const T& Right) {
    if (Ignored.count(Field) || Left == Right)
      return;
    std::ostringstream Out;
    Out << Place << ' ' << Field << ": " << show(Left) << " | " << show(Right);
    Differences.push_back(Out.str());
  }

private:
  template <typename T> static std::string show(const T& Value) {
    std::ostringstream Out;
    Out << Value;
    return Out.str();
  }
  static std::string show(const std::wstring& Value) { return '"' + detail::narrow(Value) + '"'; }
  template <typename T> static std::string show(const std::vector<T>& Values) {
    std::string Joined = "{";
    for (const T& Value : Values)
      Joined += show(Value) + ",";
    return Joined + "}";
  }

  std::set<std::string> Ignored;
};

namespace detail {

/// Compares the fields named in \p Fields, given as pairs of a field name and
/// a member (a record's data member or an item's getter).
template <typename R> void fields(DocumentDiff&, const std::string&, const R&, const R&) {}
template <typename R, typename Member, typename... More>
void fields(DocumentDiff& D, const std::string& P, const R& A, const R& B, const char* Name,
            Member Field, More... Fields) {
  D.field(P, Name, std::invoke(Field, A), std::invoke(Field, B));
  fields(D, P, A, B, Fields...);
}

/// A text the document hands out through a caller's buffer.
template <typename Getter> std::wstring bufferText(Getter Get) {
  std::vector<wchar_t> Buffer(4096, L'\0');
  Get(Buffer.data());
  return std::wstring(Buffer.data());
}

using Item = CZRVReportItem;
using ItemEx = CZRVReportItemEx;

inline void compareRecord(DocumentDiff& D, const std::string& P, const Item::tagCLIPSETTING& A,
                          const Item::tagCLIPSETTING& B) {
  using R = Item::tagCLIPSETTING;
  fields(D, P, A, B, "ClipBy", &R::ClipBy, "KeepX", &R::KeepX, "KeepY", &R::KeepY, "KeepZ",
         &R::KeepZ, "RangeX", &R::RangeX, "RangeY", &R::RangeY, "RangeZ", &R::RangeZ, "Inverse",
         &R::Inverse, "RecordName", &R::Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P, const Item::tagSLICESETTING& A,
                          const Item::tagSLICESETTING& B) {
  using R = Item::tagSLICESETTING;
  fields(D, P, A, B, "SliceX", &R::SliceX, "SliceY", &R::SliceY, "SliceZ", &R::SliceZ, "RangeX",
         &R::RangeX, "RangeY", &R::RangeY, "RangeZ", &R::RangeZ, "RecordName", &R::Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P, const Item::tagVIEWSETTING& A,
                          const Item::tagVIEWSETTING& B) {
  using R = Item::tagVIEWSETTING;
  fields(D, P, A, B, "AngleX", &R::AngleX, "AngleY", &R::AngleY, "AngleZ", &R::AngleZ, "Scale",
         &R::Scale, "RecordName", &R::Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P, const Item::tagOBJECTSETTING& A,
                          const Item::tagOBJECTSETTING& B) {
  using R = Item::tagOBJECTSETTING;
  fields(D, P, A, B, "ShowRunner", &R::ShowRunner, "ShowPart", &R::ShowPart, "ShowPartInsert",
         &R::ShowPartInsert, "ShowCoolChannel", &R::ShowCoolChannel, "ShowMoldbase",
         &R::ShowMoldbase, "ShowMoldInsert", &R::ShowMoldInsert, "ShowMeltEntrance",
         &R::ShowMeltEntrance, "ShowCoolantEntrance", &R::ShowCoolantEntrance, "ShowHeatingRod",
         &R::ShowHeatingRod, "ShowHotRunnerMetal", &R::ShowHotRunnerMetal, "RecordName", &R::Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P, const Item::tagFOCUSCAPTURE& A,
                          const Item::tagFOCUSCAPTURE& B) {
  using R = Item::tagFOCUSCAPTURE;
  fields(D, P, A, B, "Capture", &R::Capture, "Width", &R::Width, "Height", &R::Height, "FocusOn",
         &R::FocusOn, "RecordName", &R::Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const ItemEx::stMeltFrontTimeCapture& A,
                          const ItemEx::stMeltFrontTimeCapture& B) {
  D.field(P, "Count", A.Count, B.Count);
  for (int I = 0; I < ItemEx::stMeltFrontTimeCapture::MaxCount; ++I)
    D.field(P, "Percentage[" + std::to_string(I) + "]", A.Percentage[I], B.Percentage[I]);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const ItemEx::stAnimationSetting& A,
                          const ItemEx::stAnimationSetting& B) {
  using R = ItemEx::stAnimationSetting;
  fields(D, P, A, B, "Output", &R::Output, "Time", &R::Time, "FPS", &R::FPS, "Resolution",
         &R::Resolution, "RecordName", &R::Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P, const ItemEx::stImageSetting& A,
                          const ItemEx::stImageSetting& B) {
  using R = ItemEx::stImageSetting;
  fields(D, P, A, B, "Output", &R::Output, "Resolution", &R::Resolution, "RecordName", &R::Name);
}

inline void compareItem(DocumentDiff& D, const std::string& P, const Item& A, const Item& B) {
  D.field(P, "ItemID", static_cast<int>(A.GetItemID()), static_cast<int>(B.GetItemID()));
  D.field(P, "ModuleID", static_cast<int>(A.GetModuleID()), static_cast<int>(B.GetModuleID()));
  fields(D, P, A, B, "ItemName", &Item::GetItemName, "SaveName", &Item::GetItemSaveName,
         "DisItemName", &Item::GetDisItemName, "DisModuleName", &Item::GetDisModuleName, "Output",
         &Item::GetOutput, "DisplayMode", &Item::GetDisplayMode, "ParameterValueX",
         &Item::GetParameterValueX, "ParameterValueY", &Item::GetParameterValueY, "ParameterValueZ",
         &Item::GetParameterValueZ, "FaceNumber", &Item::GetFaceNumber, "ItemCountOf1Page",
         &Item::GetItemCountOf1Page, "OutputAirTrap", &Item::GetOutputAirTrap, "OutputWeldLine",
         &Item::GetOutputWeldLine, "ProjectHasThisItem", &Item::GetIsProjectHasThisItem,
         "ReportOutputThisItem", &Item::GetIsReportOutputThisItem);

  fields(D, P, A, B, "ClippingName", &Item::GetClippingName, "HasClipping",
         &Item::HasClippingSetting);
  compareRecord(D, P + " clipping", A.GetClipRecord(), B.GetClipRecord());
  fields(D, P, A, B, "SlicingName", &Item::GetSlicingName, "HasSlicing", &Item::HasSlicingSetting);
  compareRecord(D, P + " slicing", A.GetSliceRecord(), B.GetSliceRecord());
  fields(D, P, A, B, "ViewName", &Item::GetViewName, "HasView", &Item::HasViewSetting);
  compareRecord(D, P + " view", A.GetViewRecord(), B.GetViewRecord());
  D.field(P, "ViewNames", A.GetViewNameList(), B.GetViewNameList());
  D.field(P, "ViewRecordCount", A.GetViewRecordList().size(), B.GetViewRecordList().size());
  for (std::size_t I = 0; I < A.GetViewRecordList().size() && I < B.GetViewRecordList().size(); ++I)
    compareRecord(D, P + " view record " + std::to_string(I), A.GetViewRecordList()[I],
                  B.GetViewRecordList()[I]);
  fields(D, P, A, B, "ObjectName", &Item::GetObjectName, "HasObject", &Item::HasObjectSetting);
  compareRecord(D, P + " object", A.GetObjectRecord(), B.GetObjectRecord());
  D.field(P, "CaptureName", A.GetCaptureName(), B.GetCaptureName());
  compareRecord(D, P + " capture", A.GetCaptureRecord(), B.GetCaptureRecord());

  fields(D, P, A, B, "CaptureFilePath", &Item::GetCaptureFilePath, "ResultImagePath",
         &Item::GetResultImagePath, "StatImagePath", &Item::GetStatisticImagePath, "Description",
         &Item::GetDescription, "TagName", &Item::GetTagName, "LegendMaxValue",
         &Item::GetLegendMaxValue, "LegendMinValue", &Item::GetLegendMinValue, "LegendMaxColor",
         &Item::GetLegendMaxColor, "LegendMinColor", &Item::GetLegendMinColor, "LegendUnit",
         &Item::GetLegendUnit, "LegendDigits", &Item::GetLegendDight, "StatMinValue",
         &Item::GetStatMinValue, "StatMaxValue", &Item::GetStatMaxValue, "StatAvgValue",
         &Item::GetStatAvgValue);
}

inline void compareItemEx(DocumentDiff& D, const std::string& P, const ItemEx& A, const ItemEx& B) {
  D.field(P, "Output", A.Output, B.Output);
  compareRecord(D, P + " melt capture", A.MeltCapture, B.MeltCapture);
  compareRecord(D, P + " animation", A.AnimationSetting, B.AnimationSetting);
  compareRecord(D, P + " image", A.ImageSetting, B.ImageSetting);
  fields(D, P, A, B, "HasMeltCapture", &ItemEx::HasMeltCapture, "MeltName", &ItemEx::MeltName,
         "PPTTemplatePath", &ItemEx::PPTTemplatePath, "AnimationName", &ItemEx::AnimationName,
         "WarpageScale", &ItemEx::WarpageScale, "ImageName", &ItemEx::ImageName);
}

/// One library: its count, its option list in order, the record of every
/// listed name and the record stored under the empty name.
template <typename CountOf, typename OptionOf, typename RecordOf>
void compareLibrary(DocumentDiff& D, const std::string& Library, const CZRVReportItemManager& A,
                    const CZRVReportItemManager& B, CountOf Count, OptionOf Option,
                    RecordOf Record) {
  auto options = [&](const CZRVReportItemManager& Doc) {
    std::vector<std::wstring> Names;
    for (int I = 0; I < Count(Doc); ++I) {
      std::vector<wchar_t> Buffer(4096, L'\0');
      if (Option(Doc, I, Buffer.data()))
        Names.push_back(Buffer.data());
    }
    return Names;
  };
  D.field(Library, "OptionCount", Count(A), Count(B));
  std::vector<std::wstring> NamesA = options(A), NamesB = options(B);
  D.field(Library, "Options", NamesA, NamesB);
  NamesA.push_back(std::wstring());
  for (const std::wstring& Name : NamesA)
    compareRecord(D, Library + " record " + narrow(Name), Record(A, Name.c_str()),
                  Record(B, Name.c_str()));
}

} // namespace detail

/// The differences between two documents, fields named in \p IgnoredFields
/// left out; empty when they are the same.
inline std::vector<std::string> documentDifferences(const CZRVReportItemManager& A,
                                                    const CZRVReportItemManager& B,
                                                    std::set<std::string> IgnoredFields = {}) {
  using detail::bufferText;
  using Doc = CZRVReportItemManager;
  DocumentDiff D(std::move(IgnoredFields));
  const std::string H = "document";

  detail::fields(D, H, A, B, "ProjectType", &Doc::GetProjectType, "FileVersion",
                 &Doc::GetFileVersion, "FileProjectType", &Doc::GetFileProjectType, "FileAppType",
                 &Doc::GetFileAppType, "ReportType", &Doc::GetReportType);
  const std::pair<const char*, void (Doc::*)(wchar_t*) const> Texts[] = {
      {"FileID", &Doc::GetFileID},
      {"FileName", &Doc::GetFileName},
      {"FileDate", &Doc::GetFileDate},
      {"CreateBy", &Doc::GetCreateBy},
      {"Remark", &Doc::GetRemark},
      {"CompanyName", &Doc::GetCompanyName},
      {"CompanyWebSite", &Doc::GetComanyWebSite},
      {"AuthorName", &Doc::GetAuthorName},
      {"AuthorEMail", &Doc::GetAuthorEMail},
      {"TemplateName", &Doc::GetTemplateName}};
  for (const auto& Text : Texts)
    D.field(H, Text.first, bufferText([&](wchar_t* Out) { (A.*Text.second)(Out); }),
            bufferText([&](wchar_t* Out) { (B.*Text.second)(Out); }));

  std::vector<int> ModulesA, ModulesB;
  A.GetModuleIDList(ModulesA);
  B.GetModuleIDList(ModulesB);
  D.field(H, "Modules", ModulesA, ModulesB);

  D.field(H, "ItemCount", A.GetItemCount(), B.GetItemCount());
  for (int I = 0; I < A.GetItemCount() && I < B.GetItemCount(); ++I) {
    CZRVReportItem ItemA, ItemB;
    A.GetItem(I, ItemA);
    B.GetItem(I, ItemB);
    const std::wstring Key = ItemA.GetItemSaveName();
    detail::compareItem(D, "item " + std::to_string(I) + " (" + detail::narrow(Key) + ")", ItemA,
                        ItemB);
  }
  D.field(H, "ItemExCount", A.GetItemExCount(), B.GetItemExCount());
  for (int I = 0; I < A.GetItemExCount() && I < B.GetItemExCount(); ++I) {
    CZRVReportItemEx ExA, ExB;
    A.GetItemEx(I, ExA);
    B.GetItemEx(I, ExB);
    detail::compareItemEx(D, "extended item " + std::to_string(I), ExA, ExB);
  }

#define ZRVTEST_COMPARE_LIBRARY(Label, Kind, RecordGetter)                                         \
  detail::compareLibrary(                                                                          \
      D, Label, A, B, [](const Doc& X) { return X.Get##Kind##OptionCount(); },                     \
      [](const Doc& X, int I, wchar_t* Out) { return X.Get##Kind##Option(I, Out); },               \
      [](const Doc& X, const wchar_t* Name) { return X.RecordGetter(Name); })
  ZRVTEST_COMPARE_LIBRARY("clipping library", Clipping, GetClippingSetting);
  ZRVTEST_COMPARE_LIBRARY("slicing library", Slicing, GetSlicingSetting);
  ZRVTEST_COMPARE_LIBRARY("view library", View, GetViewSetting);
  ZRVTEST_COMPARE_LIBRARY("object library", Object, GetObjectSetting);
  ZRVTEST_COMPARE_LIBRARY("capture library", Capture, GetCaptureSetting);
  ZRVTEST_COMPARE_LIBRARY("melt-front library", Melt, GetMeltSetting);
  ZRVTEST_COMPARE_LIBRARY("animation library", Animation, GetAnimationSetting);
  ZRVTEST_COMPARE_LIBRARY("image library", Image, GetImageSetting);
#undef ZRVTEST_COMPARE_LIBRARY

  return D.Differences;
}

/// Success when the two documents are the same in every field (apart from
/// those named in \p IgnoredFields); otherwise a failure listing every
/// difference.
inline ::testing::AssertionResult sameDocument(const CZRVReportItemManager& A,
                                               const CZRVReportItemManager& B,
                                               std::set<std::string> IgnoredFields = {}) {
  std::vector<std::string> Differences = documentDifferences(A, B, std::move(IgnoredFields));
  if (Differences.empty())
    return ::testing::AssertionSuccess();
  ::testing::AssertionResult Failure = ::testing::AssertionFailure();
  Failure << Differences.size() << " difference(s):";
  for (const std::string& Line : Differences)
    Failure << "\n  " << Line;
  return Failure;
}

} // namespace zrvtest

#endif // ZRVREPORT_TESTS_DOCUMENTCOMPARE_H
