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

#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "zrvreport/ZRVReportItemManager.h"

namespace zrvtest {

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
  static std::string show(const std::wstring& Value) {
    std::string Narrow;
    for (wchar_t C : Value)
      Narrow += (C >= 0x20 && C < 0x7F) ? static_cast<char>(C) : '?';
    return '"' + Narrow + '"';
  }
  static std::string show(const std::vector<std::wstring>& Values) {
    std::string Joined = "{";
    for (const std::wstring& Value : Values)
      Joined += show(Value) + ",";
    return Joined + "}";
  }
  static std::string show(const std::vector<int>& Values) {
    std::string Joined = "{";
    for (int Value : Values)
      Joined += std::to_string(Value) + ",";
    return Joined + "}";
  }

  std::set<std::string> Ignored;
};

namespace detail {

/// Wide text shown in a message: printable ASCII kept, anything else '?'.
inline std::string narrow(const std::wstring& Value) {
  std::string Narrow;
  for (wchar_t C : Value)
    Narrow += (C >= 0x20 && C < 0x7F) ? static_cast<char>(C) : '?';
  return Narrow;
}

/// A text the document hands out through a caller's buffer.
template <typename Getter> std::wstring bufferText(Getter Get) {
  std::vector<wchar_t> Buffer(4096, L'\0');
  Get(Buffer.data());
  return std::wstring(Buffer.data());
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItem::tagCLIPSETTING& A,
                          const CZRVReportItem::tagCLIPSETTING& B) {
  D.field(P, "ClipBy", A.ClipBy, B.ClipBy);
  D.field(P, "KeepX", A.KeepX, B.KeepX);
  D.field(P, "KeepY", A.KeepY, B.KeepY);
  D.field(P, "KeepZ", A.KeepZ, B.KeepZ);
  D.field(P, "RangeX", A.RangeX, B.RangeX);
  D.field(P, "RangeY", A.RangeY, B.RangeY);
  D.field(P, "RangeZ", A.RangeZ, B.RangeZ);
  D.field(P, "Inverse", A.Inverse, B.Inverse);
  D.field(P, "RecordName", A.Name, B.Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItem::tagSLICESETTING& A,
                          const CZRVReportItem::tagSLICESETTING& B) {
  D.field(P, "SliceX", A.SliceX, B.SliceX);
  D.field(P, "SliceY", A.SliceY, B.SliceY);
  D.field(P, "SliceZ", A.SliceZ, B.SliceZ);
  D.field(P, "RangeX", A.RangeX, B.RangeX);
  D.field(P, "RangeY", A.RangeY, B.RangeY);
  D.field(P, "RangeZ", A.RangeZ, B.RangeZ);
  D.field(P, "RecordName", A.Name, B.Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItem::tagVIEWSETTING& A,
                          const CZRVReportItem::tagVIEWSETTING& B) {
  D.field(P, "AngleX", A.AngleX, B.AngleX);
  D.field(P, "AngleY", A.AngleY, B.AngleY);
  D.field(P, "AngleZ", A.AngleZ, B.AngleZ);
  D.field(P, "Scale", A.Scale, B.Scale);
  D.field(P, "RecordName", A.Name, B.Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItem::tagOBJECTSETTING& A,
                          const CZRVReportItem::tagOBJECTSETTING& B) {
  D.field(P, "ShowRunner", A.ShowRunner, B.ShowRunner);
  D.field(P, "ShowPart", A.ShowPart, B.ShowPart);
  D.field(P, "ShowPartInsert", A.ShowPartInsert, B.ShowPartInsert);
  D.field(P, "ShowCoolChannel", A.ShowCoolChannel, B.ShowCoolChannel);
  D.field(P, "ShowMoldbase", A.ShowMoldbase, B.ShowMoldbase);
  D.field(P, "ShowMoldInsert", A.ShowMoldInsert, B.ShowMoldInsert);
  D.field(P, "ShowMeltEntrance", A.ShowMeltEntrance, B.ShowMeltEntrance);
  D.field(P, "ShowCoolantEntrance", A.ShowCoolantEntrance, B.ShowCoolantEntrance);
  D.field(P, "ShowHeatingRod", A.ShowHeatingRod, B.ShowHeatingRod);
  D.field(P, "ShowHotRunnerMetal", A.ShowHotRunnerMetal, B.ShowHotRunnerMetal);
  D.field(P, "RecordName", A.Name, B.Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItem::tagFOCUSCAPTURE& A,
                          const CZRVReportItem::tagFOCUSCAPTURE& B) {
  D.field(P, "Capture", A.Capture, B.Capture);
  D.field(P, "Width", A.Width, B.Width);
  D.field(P, "Height", A.Height, B.Height);
  D.field(P, "FocusOn", A.FocusOn, B.FocusOn);
  D.field(P, "RecordName", A.Name, B.Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItemEx::stMeltFrontTimeCapture& A,
                          const CZRVReportItemEx::stMeltFrontTimeCapture& B) {
  D.field(P, "Count", A.Count, B.Count);
  for (int I = 0; I < CZRVReportItemEx::stMeltFrontTimeCapture::MaxCount; ++I)
    D.field(P, "Percentage[" + std::to_string(I) + "]", A.Percentage[I], B.Percentage[I]);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItemEx::stAnimationSetting& A,
                          const CZRVReportItemEx::stAnimationSetting& B) {
  D.field(P, "Output", A.Output, B.Output);
  D.field(P, "Time", A.Time, B.Time);
  D.field(P, "FPS", A.FPS, B.FPS);
  D.field(P, "Resolution", A.Resolution, B.Resolution);
  D.field(P, "RecordName", A.Name, B.Name);
}

inline void compareRecord(DocumentDiff& D, const std::string& P,
                          const CZRVReportItemEx::stImageSetting& A,
                          const CZRVReportItemEx::stImageSetting& B) {
  D.field(P, "Output", A.Output, B.Output);
  D.field(P, "Resolution", A.Resolution, B.Resolution);
  D.field(P, "RecordName", A.Name, B.Name);
}

inline void compareItem(DocumentDiff& D, const std::string& P, const CZRVReportItem& A,
                        const CZRVReportItem& B) {
  D.field(P, "ItemID", static_cast<int>(A.GetItemID()), static_cast<int>(B.GetItemID()));
  D.field(P, "ModuleID", static_cast<int>(A.GetModuleID()), static_cast<int>(B.GetModuleID()));
  D.field(P, "ItemName", A.GetItemName(), B.GetItemName());
  D.field(P, "SaveName", A.GetItemSaveName(), B.GetItemSaveName());
  D.field(P, "DisItemName", A.GetDisItemName(), B.GetDisItemName());
  D.field(P, "DisModuleName", A.GetDisModuleName(), B.GetDisModuleName());
  D.field(P, "Output", A.GetOutput(), B.GetOutput());
  D.field(P, "DisplayMode", A.GetDisplayMode(), B.GetDisplayMode());
  D.field(P, "ParameterValueX", A.GetParameterValueX(), B.GetParameterValueX());
  D.field(P, "ParameterValueY", A.GetParameterValueY(), B.GetParameterValueY());
  D.field(P, "ParameterValueZ", A.GetParameterValueZ(), B.GetParameterValueZ());
  D.field(P, "FaceNumber", A.GetFaceNumber(), B.GetFaceNumber());
  D.field(P, "ItemCountOf1Page", A.GetItemCountOf1Page(), B.GetItemCountOf1Page());
  D.field(P, "OutputAirTrap", A.GetOutputAirTrap(), B.GetOutputAirTrap());
  D.field(P, "OutputWeldLine", A.GetOutputWeldLine(), B.GetOutputWeldLine());
  D.field(P, "ProjectHasThisItem", A.GetIsProjectHasThisItem(), B.GetIsProjectHasThisItem());
  D.field(P, "ReportOutputThisItem", A.GetIsReportOutputThisItem(), B.GetIsReportOutputThisItem());

  D.field(P, "ClippingName", A.GetClippingName(), B.GetClippingName());
  D.field(P, "HasClipping", A.HasClippingSetting(), B.HasClippingSetting());
  compareRecord(D, P + " clipping", A.GetClipRecord(), B.GetClipRecord());
  D.field(P, "SlicingName", A.GetSlicingName(), B.GetSlicingName());
  D.field(P, "HasSlicing", A.HasSlicingSetting(), B.HasSlicingSetting());
  compareRecord(D, P + " slicing", A.GetSliceRecord(), B.GetSliceRecord());
  D.field(P, "ViewName", A.GetViewName(), B.GetViewName());
  D.field(P, "HasView", A.HasViewSetting(), B.HasViewSetting());
  compareRecord(D, P + " view", A.GetViewRecord(), B.GetViewRecord());
  D.field(P, "ViewNames", A.GetViewNameList(), B.GetViewNameList());
  D.field(P, "ViewRecordCount", A.GetViewRecordList().size(), B.GetViewRecordList().size());
  for (std::size_t I = 0; I < A.GetViewRecordList().size() && I < B.GetViewRecordList().size(); ++I)
    compareRecord(D, P + " view record " + std::to_string(I), A.GetViewRecordList()[I],
                  B.GetViewRecordList()[I]);
  D.field(P, "ObjectName", A.GetObjectName(), B.GetObjectName());
  D.field(P, "HasObject", A.HasObjectSetting(), B.HasObjectSetting());
  compareRecord(D, P + " object", A.GetObjectRecord(), B.GetObjectRecord());
  D.field(P, "CaptureName", A.GetCaptureName(), B.GetCaptureName());
  compareRecord(D, P + " capture", A.GetCaptureRecord(), B.GetCaptureRecord());
  D.field(P, "CaptureFilePath", A.GetCaptureFilePath(), B.GetCaptureFilePath());

  D.field(P, "ResultImagePath", A.GetResultImagePath(), B.GetResultImagePath());
  D.field(P, "StatImagePath", A.GetStatisticImagePath(), B.GetStatisticImagePath());
  D.field(P, "Description", A.GetDescription(), B.GetDescription());
  D.field(P, "TagName", A.GetTagName(), B.GetTagName());
  D.field(P, "LegendMaxValue", A.GetLegendMaxValue(), B.GetLegendMaxValue());
  D.field(P, "LegendMinValue", A.GetLegendMinValue(), B.GetLegendMinValue());
  D.field(P, "LegendMaxColor", A.GetLegendMaxColor(), B.GetLegendMaxColor());
  D.field(P, "LegendMinColor", A.GetLegendMinColor(), B.GetLegendMinColor());
  D.field(P, "LegendUnit", A.GetLegendUnit(), B.GetLegendUnit());
  D.field(P, "LegendDigits", A.GetLegendDight(), B.GetLegendDight());
  D.field(P, "StatMinValue", A.GetStatMinValue(), B.GetStatMinValue());
  D.field(P, "StatMaxValue", A.GetStatMaxValue(), B.GetStatMaxValue());
  D.field(P, "StatAvgValue", A.GetStatAvgValue(), B.GetStatAvgValue());
}

inline void compareItemEx(DocumentDiff& D, const std::string& P, const CZRVReportItemEx& A,
                          const CZRVReportItemEx& B) {
  D.field(P, "Output", A.Output, B.Output);
  compareRecord(D, P + " melt capture", A.MeltCapture, B.MeltCapture);
  compareRecord(D, P + " animation", A.AnimationSetting, B.AnimationSetting);
  compareRecord(D, P + " image", A.ImageSetting, B.ImageSetting);
  D.field(P, "HasMeltCapture", A.HasMeltCapture, B.HasMeltCapture);
  D.field(P, "MeltName", A.MeltName, B.MeltName);
  D.field(P, "PPTTemplatePath", A.PPTTemplatePath, B.PPTTemplatePath);
  D.field(P, "AnimationName", A.AnimationName, B.AnimationName);
  D.field(P, "WarpageScale", A.WarpageScale, B.WarpageScale);
  D.field(P, "ImageName", A.ImageName, B.ImageName);
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

  D.field(H, "ProjectType", A.GetProjectType(), B.GetProjectType());
  D.field(H, "FileVersion", A.GetFileVersion(), B.GetFileVersion());
  D.field(H, "FileProjectType", A.GetFileProjectType(), B.GetFileProjectType());
  D.field(H, "FileAppType", A.GetFileAppType(), B.GetFileAppType());
  D.field(H, "ReportType", A.GetReportType(), B.GetReportType());
  auto text = [&](const char* Field, void (Doc::*Get)(wchar_t*) const) {
    D.field(H, Field, bufferText([&](wchar_t* Out) { (A.*Get)(Out); }),
            bufferText([&](wchar_t* Out) { (B.*Get)(Out); }));
  };
  text("FileID", &Doc::GetFileID);
  text("FileName", &Doc::GetFileName);
  text("FileDate", &Doc::GetFileDate);
  text("CreateBy", &Doc::GetCreateBy);
  text("Remark", &Doc::GetRemark);
  text("CompanyName", &Doc::GetCompanyName);
  text("CompanyWebSite", &Doc::GetComanyWebSite);
  text("AuthorName", &Doc::GetAuthorName);
  text("AuthorEMail", &Doc::GetAuthorEMail);
  text("TemplateName", &Doc::GetTemplateName);

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
