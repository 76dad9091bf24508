// host_cycle.cpp - the cycle a host application runs through the facade
// CZRVReportSetting: choose the project type, open the project's template
// (here a copy of a sample in a temporary folder), check that it loaded, walk
// its items and named settings, change a setting and an item, save, load the
// saved file again and compare.
//
// Usage: zrvreport_host_cycle [TEMPLATE]   (default examples/templates/SolidInjection.csv)
// Exit status 0 when the saved template loads back as it was changed, 1 when a
// step failed, 2 when the sample cannot be copied.
#include <zrvreport/zrvreport.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The library's texts are wide; this example prints ASCII and shows '?' for
// any other character.
std::string narrow(const std::wstring& Text) {
  std::string Out;
  for (wchar_t C : Text)
    Out += (C >= 32 && C < 127) ? static_cast<char>(C) : '?';
  return Out;
}

// Loads Path as a solid injection project; prints and returns the status.
ZRVLoadStatus open(CZRVReportSetting& Setting, const fs::path& Path) {
  Setting.SetProjectType(0, 0);                   // 0 solid, application type 0 injection
  Setting.SetProjectPath(Path.wstring().c_str()); // stores the path and loads it
  ZRVLoadStatus Status = Setting.GetLastLoadStatus();
  std::printf("load %s: %s\n", narrow(Path.filename().wstring()).c_str(),
              narrow(ZRVLoadStatusText(Status)).c_str());
  if (!ZRVLoadSucceeded(Status))
    std::printf("  why: %s\n", narrow(Setting.GetLastLoadMessage()).c_str());
  return Status;
}

// What a template line holds of an item: id, module, key (save name), output,
// display mode, face number and setting names.
bool sameItem(const CZRVReportItem& A, const CZRVReportItem& B) {
  return A.GetItemID() == B.GetItemID() && A.GetModuleID() == B.GetModuleID() &&
         A.GetItemSaveName() == B.GetItemSaveName() && A.GetOutput() == B.GetOutput() &&
         A.GetDisplayMode() == B.GetDisplayMode() && A.GetFaceNumber() == B.GetFaceNumber() &&
         A.GetViewName() == B.GetViewName() && A.GetClippingName() == B.GetClippingName() &&
         A.GetObjectName() == B.GetObjectName() && A.GetSlicingName() == B.GetSlicingName();
}

} // namespace

int main(int argc, char** argv) {
  const fs::path Sample = argc > 1 ? argv[1] : "examples/templates/SolidInjection.csv";

  // 1. The project's template: a copy of the sample in a temporary folder.
  const fs::path Folder =
      fs::temp_directory_path() /
      ("zrvreport-host-cycle-" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  const fs::path Project = Folder / "Project.csv";
  std::error_code Error;
  fs::create_directories(Folder, Error);
  if (Error || !fs::copy_file(Sample, Project, Error)) {
    std::printf("cannot copy %s into %s\n", Sample.string().c_str(), Folder.string().c_str());
    return 2;
  }

  // 2. Project type, then the path: SetProjectPath loads the template at once.
  CZRVReportSetting Setting;
  wchar_t TypeName[256] = L"";
  Setting.GetProjectTypeName(0, 0, 0, TypeName);
  std::printf("project type: %s\n", narrow(TypeName).c_str());
  if (!ZRVLoadSucceeded(open(Setting, Project)))
    return 1;

  // 3. Walk the document: the view library, then the items.
  CZRVReportItemManager* Document = Setting.GetReportItemManager();
  std::printf("view settings: %d\n", Document->GetViewOptionCount());
  for (int I = 0; I < Document->GetViewOptionCount(); ++I) {
    wchar_t Name[256] = L"";
    Document->GetViewOption(I, Name);
    CZRVReportItem::tagVIEWSETTING View = Document->GetViewSetting(Name);
    std::printf("  %-10s X %g, Y %g, Z %g, scale %g\n", narrow(Name).c_str(), View.AngleX,
                View.AngleY, View.AngleZ, View.Scale);
  }
  std::printf("items: %d in %d result sections\n", Document->GetItemCount(),
              Document->GetModuleCount());
  int WeldLine = -1;
  for (int I = 0; I < Document->GetItemCount(); ++I) {
    CZRVReportItem Item;
    Document->GetItem(I, Item);
    if (Item.GetModuleID() != ZRV_MODULE_FLOW)
      continue; // the example lists the flow section only
    // A loaded item's template key is its save name.
    std::printf("  flow item %-16s output %d, display %d, view '%s', clipping '%s'\n",
                narrow(Item.GetItemSaveName()).c_str(), Item.GetOutput(), Item.GetDisplayMode(),
                narrow(Item.GetViewName()).c_str(), narrow(Item.GetClippingName()).c_str());
    if (Item.GetItemSaveName() == L"WeldLine")
      WeldLine = I;
  }
  if (WeldLine < 0) {
    std::printf("the template has no flow item WeldLine\n");
    return 1;
  }

  // 4. Change a named setting. Items hold copies of the records: the changed
  //    view reaches an item when the setting is assigned to it again.
  CZRVReportItem::tagVIEWSETTING Side = Document->GetViewSetting(L"Side");
  Side.AngleY = 75.0;
  Document->SetViewSetting(L"Side", Side);
  for (int I = 0; I < Document->GetItemCount(); ++I) {
    CZRVReportItem Item;
    if (Document->GetItem(I, Item) && Item.GetViewName() == L"Side")
      Document->SetItemView(I, L"Side");
  }
  std::printf("changed: view Side turned to Y 75\n");

  // 5. Change an item: get a copy, change it, put it back.
  CZRVReportItem Item;
  Document->GetItem(WeldLine, Item);
  Item.SetOutput(CZRVReportItem::ZRV_OUTPUT_AVI);
  Item.SetFaceNumber(20);
  Document->SetItem(WeldLine, Item);
  std::printf("changed: flow item WeldLine to AVI output with 20 faces\n");

  // 6. Save to the project path. SaveTemplate returns 1 whatever happened;
  //    the status tells.
  Setting.SaveTemplate();
  if (Setting.GetLastSaveStatus() != ZRVSaveStatus::Saved) {
    std::printf("save: %s (%s)\n", narrow(ZRVSaveStatusText(Setting.GetLastSaveStatus())).c_str(),
                narrow(Setting.GetLastSaveMessage()).c_str());
    return 1;
  }
  std::printf("save: %s\n", narrow(ZRVSaveStatusText(Setting.GetLastSaveStatus())).c_str());

  // 7. Load the saved file into a second facade and compare.
  CZRVReportSetting Again;
  if (!ZRVLoadSucceeded(open(Again, Project)))
    return 1;
  CZRVReportItemManager* Reloaded = Again.GetReportItemManager();
  int Differences = Reloaded->GetItemCount() == Document->GetItemCount() ? 0 : 1;
  for (int I = 0; I < Document->GetItemCount(); ++I) {
    CZRVReportItem Before, After;
    Document->GetItem(I, Before);
    if (!Reloaded->GetItem(I, After) || !sameItem(Before, After))
      ++Differences;
  }
  CZRVReportItem Saved;
  Reloaded->GetItem(WeldLine, Saved);
  std::printf("reloaded: %d items, %d different; WeldLine output %d, %d faces; view Side Y %g\n",
              Reloaded->GetItemCount(), Differences, Saved.GetOutput(), Saved.GetFaceNumber(),
              Reloaded->GetViewSetting(L"Side").AngleY);
  const bool Same = Differences == 0 && Saved.GetOutput() == 3 && Saved.GetFaceNumber() == 20 &&
                    Reloaded->GetViewSetting(L"Side").AngleY == 75.0;

  fs::remove_all(Folder, Error);
  std::printf("%s\n", Same ? "round trip: the saved template holds the changes"
                           : "round trip: the saved template differs");
  return Same ? 0 : 1;
}
