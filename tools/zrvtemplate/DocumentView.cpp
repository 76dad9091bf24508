// DocumentView.cpp - builds the JSON form of a settings document and prints
// the readable layout from it, so that both show the same content.
#include "DocumentView.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "TextUtil.h"
#include "zrvreport/ZRVReportItemManager.h"
#include "zrvreport/ZRVTemplateFormat.h"
using Json = nlohmann::ordered_json;

namespace zrvtool {
namespace {

/// The tag of the result section of \p Module; empty when none has it.
std::wstring moduleTag(int Module) {
  static const std::vector<ZRVTemplateSectionInfo> Sections = ZRVTemplateSections();
  for (const ZRVTemplateSectionInfo& Section : Sections)
    if (Section.Kind == ZRVTemplateSectionKind::Result && Section.Module == Module)
      return Section.Tag;
  return std::wstring();
}

/// A real as the template writes it: shortest of fixed and exponential, six
/// significant digits, whatever the locale.
std::string formatReal(double Value) {
  char Buffer[64];
  auto Result = std::to_chars(Buffer, Buffer + sizeof Buffer, Value, std::chars_format::general, 6);
  return std::string(Buffer, Result.ptr);
}

/// The option-list names of one library.
template <typename CountFn, typename OptionFn>
std::vector<std::wstring> names(const CZRVReportItemManager& Doc, CountFn Count, OptionFn Option) {
  std::vector<std::wstring> Result;
  int Total = (Doc.*Count)();
  for (int Index = 0; Index < Total; ++Index) {
    wchar_t Buffer[256] = {};
    if ((Doc.*Option)(Index, Buffer))
      Result.emplace_back(Buffer);
  }
  return Result;
}

Json header(const CZRVReportItemManager& Doc) {
  wchar_t Buffer[256] = {};
  auto text = [&Buffer](auto Getter) {
    Buffer[0] = L'\0';
    Getter(Buffer);
    return Utf8(Buffer);
  };
  Json H;
  H["fileVersion"] = Doc.GetFileVersion();
  H["fileId"] = text([&Doc](wchar_t* B) { Doc.GetFileID(B); });
  H["name"] = text([&Doc](wchar_t* B) { Doc.GetFileName(B); });
  H["date"] = text([&Doc](wchar_t* B) { Doc.GetFileDate(B); });
  H["projectType"] = Doc.GetFileProjectType();
  H["appType"] = Doc.GetFileAppType();
  H["createdBy"] = text([&Doc](wchar_t* B) { Doc.GetCreateBy(B); });
  H["remark"] = text([&Doc](wchar_t* B) { Doc.GetRemark(B); });
  return H;
}

Json settings(const CZRVReportItemManager& Doc) {
  using M = CZRVReportItemManager;
  Json S;
  Json& Views = S["views"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetViewOptionCount, &M::GetViewOption)) {
    auto R = Doc.GetViewSetting(Name.c_str());
    Views.push_back({{"name", Utf8(Name)},
                     {"angleX", R.AngleX},
                     {"angleY", R.AngleY},
                     {"angleZ", R.AngleZ},
                     {"scale", R.Scale}});
  }
  Json& Clippings = S["clippings"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetClippingOptionCount, &M::GetClippingOption)) {
    auto R = Doc.GetClippingSetting(Name.c_str());
    Clippings.push_back({{"name", Utf8(Name)},
                         {"clipBy", R.ClipBy},
                         {"keepX", R.KeepX},
                         {"keepY", R.KeepY},
                         {"keepZ", R.KeepZ},
                         {"rangeX", R.RangeX},
                         {"rangeY", R.RangeY},
                         {"rangeZ", R.RangeZ},
                         {"inverse", R.Inverse}});
  }
  Json& Slicings = S["slicings"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetSlicingOptionCount, &M::GetSlicingOption)) {
    auto R = Doc.GetSlicingSetting(Name.c_str());
    Slicings.push_back({{"name", Utf8(Name)},
                        {"sliceX", R.SliceX},
                        {"sliceY", R.SliceY},
                        {"sliceZ", R.SliceZ},
                        {"rangeX", R.RangeX},
                        {"rangeY", R.RangeY},
                        {"rangeZ", R.RangeZ}});
  }
  Json& Objects = S["objects"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetObjectOptionCount, &M::GetObjectOption)) {
    auto R = Doc.GetObjectSetting(Name.c_str());
    Objects.push_back({{"name", Utf8(Name)},
                       {"runner", R.ShowRunner},
                       {"part", R.ShowPart},
                       {"partInsert", R.ShowPartInsert},
                       {"coolingChannel", R.ShowCoolChannel},
                       {"moldbase", R.ShowMoldbase},
                       {"moldInsert", R.ShowMoldInsert},
                       {"meltEntrance", R.ShowMeltEntrance},
                       {"coolantEntrance", R.ShowCoolantEntrance},
                       {"heatingRod", R.ShowHeatingRod},
                       {"hotRunnerMetal", R.ShowHotRunnerMetal}});
  }
  Json& Captures = S["focusCaptures"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetCaptureOptionCount, &M::GetCaptureOption)) {
    auto R = Doc.GetCaptureSetting(Name.c_str());
    Captures.push_back(
        {{"name", Utf8(Name)}, {"capture", R.Capture}, {"width", R.Width}, {"height", R.Height}});
  }
  Json& Melts = S["meltFrontCaptures"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetMeltOptionCount, &M::GetMeltOption)) {
    auto R = Doc.GetMeltSetting(Name.c_str());
    Json Percentages = Json::array();
    for (int I = 0; I < R.Count && I < R.MaxCount; ++I)
      Percentages.push_back(R.Percentage[I]);
    Melts.push_back({{"name", Utf8(Name)}, {"percentages", Percentages}});
  }
  Json& Animations = S["animations"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetAnimationOptionCount, &M::GetAnimationOption)) {
    auto R = Doc.GetAnimationSetting(Name.c_str());
    Animations.push_back({{"name", Utf8(Name)},
                          {"output", R.Output},
                          {"time", R.Time},
                          {"fps", R.FPS},
                          {"resolution", R.Resolution}});
  }
  Json& Images = S["images"] = Json::array();
  for (const std::wstring& Name : names(Doc, &M::GetImageOptionCount, &M::GetImageOption)) {
    auto R = Doc.GetImageSetting(Name.c_str());
    Images.push_back({{"name", Utf8(Name)}, {"output", R.Output}, {"resolution", R.Resolution}});
  }
  return S;
}

/// The [ResultEx] positions whose extended items carry a value of their own
/// (the order of ZRVTemplateResultExRows).
enum class ResultExPosition { MeltFrontTime, PPTTemplate, PDF3D, Animation, WarpageScale, Image };

Json extendedItems(const CZRVReportItemManager& Doc) {
  static const std::vector<ZRVTemplateResultExRow> Rows = ZRVTemplateResultExRows();
  Json List = Json::array();
  for (int Position = 0; Position < Doc.GetItemExCount(); ++Position) {
    CZRVReportItemEx Entry;
    Doc.GetItemEx(Position, Entry);
    Json E;
    E["position"] = Position;
    // Later positions repeat the last row.
    std::size_t Kind = std::min(static_cast<std::size_t>(Position), Rows.size() - 1);
    E["key"] = Utf8(Rows[Kind].Key);
    E["output"] = Entry.Output;
    switch (static_cast<ResultExPosition>(Kind)) {
    case ResultExPosition::MeltFrontTime: {
      E["setting"] = Utf8(Entry.MeltName);
      Json Percentages = Json::array();
      for (int I = 0; I < Entry.MeltCapture.Count && I < Entry.MeltCapture.MaxCount; ++I)
        Percentages.push_back(Entry.MeltCapture.Percentage[I]);
      E["percentages"] = Percentages;
      break;
    }
    case ResultExPosition::PPTTemplate:
      E["template"] = Utf8(Entry.PPTTemplatePath);
      break;
    case ResultExPosition::Animation:
      E["setting"] = Utf8(Entry.AnimationName);
      break;
    case ResultExPosition::WarpageScale:
      E["scale"] = Entry.WarpageScale;
      break;
    case ResultExPosition::Image:
      E["setting"] = Utf8(Entry.ImageName);
      break;
    default:
      break;
    }
    List.push_back(E);
  }
  return List;
}

Json item(const CZRVReportItem& Item) {
  Json I;
  I["key"] = Utf8(Item.GetItemSaveName());
  I["id"] = static_cast<int>(Item.GetItemID());
  I["output"] = Item.GetOutput();
  I["displayMode"] = Item.GetDisplayMode();
  I["x"] = Item.GetParameterValueX();
  I["y"] = Item.GetParameterValueY();
  I["z"] = Item.GetParameterValueZ();
  I["faces"] = Item.GetFaceNumber();
  I["clipping"] = Utf8(Item.GetClippingName());
  I["view"] = Utf8(Item.GetViewName());
  Json Views = Json::array();
  for (const std::wstring& Name : Item.GetViewNameList())
    Views.push_back(Utf8(Name));
  I["views"] = Views;
  I["object"] = Utf8(Item.GetObjectName());
  I["capture"] = Utf8(Item.GetCaptureName());
  I["slicing"] = Utf8(Item.GetSlicingName());
  I["airTrap"] = Item.GetOutputAirTrap();
  I["weldLine"] = Item.GetOutputWeldLine();
  I["itemsPerPage"] = Item.GetItemCountOf1Page();
  I["tag"] = Utf8(Item.GetTagName());
  return I;
}

Json sections(const CZRVReportItemManager& Doc) {
  std::vector<int> Modules;
  Doc.GetModuleIDList(Modules);
  std::vector<CZRVReportItem> Items(static_cast<std::size_t>(Doc.GetItemCount()));
  for (int Index = 0; Index < Doc.GetItemCount(); ++Index)
    Doc.GetItem(Index, Items[static_cast<std::size_t>(Index)]);

  Json List = Json::array();
  std::map<int, bool> Listed;
  for (int Module : Modules) {
    if (Listed[Module])
      continue; // a module listed twice shows its items once
    Listed[Module] = true;
    Json Section;
    std::wstring Tag = moduleTag(Module);
    Section["tag"] = Tag.empty() ? Json() : Json(Utf8(Tag));
    Section["module"] = Module;
    Json& SectionItems = Section["items"] = Json::array();
    for (const CZRVReportItem& Item : Items)
      if (static_cast<int>(Item.GetModuleID()) == Module)
        SectionItems.push_back(item(Item));
    List.push_back(Section);
  }
  Json Others = Json::array();
  for (const CZRVReportItem& Item : Items)
    if (!Listed.count(static_cast<int>(Item.GetModuleID())))
      Others.push_back(item(Item));
  if (!Others.empty())
    List.push_back({{"tag", nullptr}, {"module", nullptr}, {"items", Others}});
  return List;
}

// ---- The readable layout -------------------------------------------------------------

} // namespace

const char* OutputName(int Output) {
  static const char* const Names[] = {"off", "PNG", "GIF", "AVI"};
  return Output >= 0 && Output < 4 ? Names[Output] : "?";
}

const char* DisplayModeName(int Mode) {
  static const char* const Names[] = {"surface result", "slicing", "isosurface", "clipping",
                                      "mode 4"};
  return Mode >= 0 && Mode < 5 ? Names[Mode] : "?";
}

std::string ValueText(const Json& V) {
  if (V.is_string())
    return V.get<std::string>();
  if (V.is_number_float())
    return formatReal(V.get<double>());
  if (V.is_array()) {
    std::string Text;
    for (const Json& Element : V)
      Text += (Text.empty() ? "" : "-") + ValueText(Element);
    return Text;
  }
  return V.dump();
}

namespace {

/// "name: key value, key value" from a record, the name left out of the rest.
void printRecord(std::ostream& Out, const Json& Record) {
  Out << "  " << Record["name"].get<std::string>() << ":";
  bool First = true;
  for (const auto& [Key, V] : Record.items()) {
    if (Key == "name")
      continue;
    Out << (First ? " " : ", ") << Key << " " << ValueText(V);
    First = false;
  }
  Out << "\n";
}

void printItem(std::ostream& Out, const Json& I) {
  int Output = I["output"].get<int>();
  int Display = I["displayMode"].get<int>();
  Out << "  " << I["key"].get<std::string>() << " (id " << I["id"].get<int>() << "): output "
      << OutputName(Output) << ", display " << DisplayModeName(Display) << ", X Y Z "
      << I["x"].get<int>() << " " << I["y"].get<int>() << " " << I["z"].get<int>() << ", faces "
      << I["faces"].get<int>();
  auto name = [&Out, &I](const char* Key, const char* Label) {
    std::string Name = I[Key].get<std::string>();
    if (!Name.empty())
      Out << ", " << Label << " " << Name;
  };
  name("clipping", "clipping");
  if (!I["views"].empty()) {
    Out << ", views";
    for (const Json& View : I["views"])
      Out << " " << View.get<std::string>();
  } else {
    name("view", "view");
  }
  name("object", "object");
  name("capture", "capture");
  name("slicing", "slicing");
  Out << ", air trap " << I["airTrap"].get<int>() << ", weld line " << I["weldLine"].get<int>()
      << ", items per page " << I["itemsPerPage"].get<int>();
  name("tag", "tag");
  Out << "\n";
}

} // namespace

Json DocumentJson(const CZRVReportItemManager& Document) {
  Json J;
  J["header"] = header(Document);
  J["settings"] = settings(Document);
  J["extendedItems"] = extendedItems(Document);
  std::vector<int> Modules;
  Document.GetModuleIDList(Modules);
  J["modules"] = Modules;
  J["sections"] = sections(Document);
  return J;
}

void PrintDocument(std::ostream& Out, const CZRVReportItemManager& Document) {
  Json J = DocumentJson(Document);
  static const std::pair<const char*, const char*> HeaderRows[] = {{"fileVersion", "FileVersion"},
                                                                   {"fileId", "FileID"},
                                                                   {"name", "Name"},
                                                                   {"date", "Date"},
                                                                   {"projectType", "ProjectType"},
                                                                   {"appType", "AppType"},
                                                                   {"createdBy", "CreateBy"},
                                                                   {"remark", "Remark"}};
  Out << "[FileHeader]\n";
  for (const auto& [Key, Label] : HeaderRows)
    Out << "  " << Label << ": " << ValueText(J["header"][Key]) << "\n";

  static const std::pair<const char*, const char*> Libraries[] = {
      {"views", "Views"},
      {"clippings", "Clipping settings"},
      {"slicings", "Slicing settings"},
      {"objects", "Object settings"},
      {"focusCaptures", "Focus-capture settings"},
      {"meltFrontCaptures", "Melt-front capture settings"},
      {"animations", "Animation settings"},
      {"images", "Image settings"}};
  for (const auto& [Key, Label] : Libraries) {
    const Json& Records = J["settings"][Key];
    Out << "\n" << Label << " (" << Records.size() << ")\n";
    for (const Json& Record : Records)
      printRecord(Out, Record);
  }

  Out << "\nExtended items (" << J["extendedItems"].size() << ")\n";
  for (const Json& E : J["extendedItems"]) {
    Out << "  " << E["position"].get<int>() << " " << E["key"].get<std::string>() << ": output "
        << E["output"].get<int>();
    for (const char* Key : {"setting", "percentages", "template", "scale"})
      if (E.contains(Key) && !ValueText(E[Key]).empty())
        Out << ", " << Key << " " << ValueText(E[Key]);
    Out << "\n";
  }

  Out << "\nModules:";
  for (const Json& Module : J["modules"])
    Out << " " << Module.get<int>();
  Out << "\n";
  for (const Json& Section : J["sections"]) {
    std::string Tag = Section["tag"].is_string() ? Section["tag"].get<std::string>()
                                                 : std::string("(items of no listed module)");
    std::size_t Count = Section["items"].size();
    Out << "\n" << Tag << " (" << Count << (Count == 1 ? " item)\n" : " items)\n");
    for (const Json& I : Section["items"])
      printItem(Out, I);
  }
}

} // namespace zrvtool
