// SettingApi.cpp - the facade through the C interface: project type and
// flags, loading and saving, and the report items.
#include "capi/Boundary.h"

#include "zrvreport/ZRVReportSettingWriter.h"
#include "zrvreport/ZRVStatus.h"

using zrv::capi::guarded;
using zrv::capi::textOut;
using Item = CZRVReportItem;

namespace {

/// One number field of an item: how to read it and, unless it is read only,
/// how to change it.
struct ItemField {
  zrv_item_field Field;
  int (*Get)(const Item&);
  void (*Set)(Item&, int);
};

constexpr ItemField ItemFields[] = {
    {ZRV_ITEM_ID, [](const Item& I) { return static_cast<int>(I.GetItemID()); }, nullptr},
    {ZRV_ITEM_MODULE, [](const Item& I) { return static_cast<int>(I.GetModuleID()); }, nullptr},
    {ZRV_ITEM_OUTPUT, [](const Item& I) { return I.GetOutput(); },
     [](Item& I, int V) { I.SetOutput(V); }},
    {ZRV_ITEM_DISPLAY_MODE, [](const Item& I) { return I.GetDisplayMode(); },
     [](Item& I, int V) { I.SetDisplayMode(V); }},
    {ZRV_ITEM_PARAMETER_X, [](const Item& I) { return I.GetParameterValueX(); },
     [](Item& I, int V) { I.SetParameterX(V); }},
    {ZRV_ITEM_PARAMETER_Y, [](const Item& I) { return I.GetParameterValueY(); },
     [](Item& I, int V) { I.SetParameterY(V); }},
    {ZRV_ITEM_PARAMETER_Z, [](const Item& I) { return I.GetParameterValueZ(); },
     [](Item& I, int V) { I.SetParameterZ(V); }},
    {ZRV_ITEM_FACE_NUMBER, [](const Item& I) { return I.GetFaceNumber(); },
     [](Item& I, int V) { I.SetFaceNumber(V); }},
    {ZRV_ITEM_COUNT_OF_1_PAGE, [](const Item& I) { return I.GetItemCountOf1Page(); },
     [](Item& I, int V) { I.SetItemCountOf1Page(V); }},
    {ZRV_ITEM_OUTPUT_AIR_TRAP, [](const Item& I) { return I.GetOutputAirTrap(); },
     [](Item& I, int V) { I.SetOutputAirTrap(V); }},
    {ZRV_ITEM_OUTPUT_WELD_LINE, [](const Item& I) { return I.GetOutputWeldLine(); },
     [](Item& I, int V) { I.SetOutputWeldLine(V); }},
};
static_assert(sizeof(ItemFields) / sizeof(ItemFields[0]) == ZRV_ITEM_FIELD_COUNT,
              "one row per item field");

/// The setting name an item carries for each item library, and how the
/// document gives an item a setting of that library.
struct ItemLibrary {
  std::wstring (Item::*Name)() const;
  int (CZRVReportItemManager::*Assign)(int, const wchar_t*);
};

constexpr ItemLibrary ItemLibraries[] = {
    {&Item::GetClippingName, &CZRVReportItemManager::SetItemClipping},
    {&Item::GetSlicingName, &CZRVReportItemManager::SetItemSlicing},
    {&Item::GetViewName, &CZRVReportItemManager::SetItemView},
    {&Item::GetObjectName, &CZRVReportItemManager::SetItemObject},
    {&Item::GetCaptureName, &CZRVReportItemManager::SetItemCapture},
};
static_assert(sizeof(ItemLibraries) / sizeof(ItemLibraries[0]) == ZRV_LIBRARY_MELT,
              "the item libraries come first");

/// A copy of item \p Index; ZRV_E_OUT_OF_RANGE when there is none.
zrv_status itemAt(const zrv_setting* Setting, int Index, Item& Out) {
  if (Index < 0 || Index >= Setting->document().GetItemCount())
    return ZRV_E_OUT_OF_RANGE;
  return Setting->document().GetItem(Index, Out) ? ZRV_OK : ZRV_E_OUT_OF_RANGE;
}

/// Status and message of the last load or save, out through the buffer.
template <typename Status>
zrv_status lastOutcome(Status Value, const std::wstring& Message, int* StatusOut, char* Buffer,
                       std::size_t Size, std::size_t* Needed) {
  const zrv_status Result = textOut(std::wstring_view(Message), Buffer, Size, Needed);
  if (Result == ZRV_OK && StatusOut)
    *StatusOut = static_cast<int>(Value);
  return Result;
}

} // namespace

extern "C" {

// ---- Facade, project type and flags ------------------------------------------------------

zrv_status zrv_setting_create(zrv_setting** setting) {
  if (!setting)
    return ZRV_E_NULL_ARGUMENT;
  return guarded([&] {
    *setting = new zrv_setting();
    return ZRV_OK;
  });
}

zrv_status zrv_setting_destroy(zrv_setting* setting) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    delete setting;
    return ZRV_OK;
  });
}

zrv_status zrv_setting_set_project_type(zrv_setting* setting, int kind, int app_type) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    return zrv::capi::configure(setting->Facade, kind, app_type,
                                zrv::capi::flagsOf(setting->Facade))
               ? ZRV_OK
               : ZRV_E_INVALID_ARGUMENT;
  });
}

zrv_status zrv_setting_get_project_type(const zrv_setting* setting, int* kind, int* app_type) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  if (kind)
    *kind = setting->Facade.GetPrjoectType();
  if (app_type)
    *app_type = setting->Facade.GetAppType();
  return ZRV_OK;
}

zrv_status zrv_setting_set_flags(zrv_setting* setting, unsigned flags) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    return zrv::capi::configure(setting->Facade, setting->Facade.GetPrjoectType(),
                                setting->Facade.GetAppType(), flags)
               ? ZRV_OK
               : ZRV_E_INVALID_ARGUMENT;
  });
}

zrv_status zrv_setting_get_flags(const zrv_setting* setting, unsigned* flags) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  if (!flags)
    return ZRV_E_NULL_ARGUMENT;
  *flags = zrv::capi::flagsOf(setting->Facade);
  return ZRV_OK;
}

zrv_status zrv_setting_project_type_name(const zrv_setting* setting, char* buffer, size_t size,
                                         size_t* needed) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    wchar_t Name[zrv::capi::NameBufferSize] = {};
    const CZRVReportSetting& F = setting->Facade;
    F.GetProjectTypeName(0, F.GetAppType(), 0, Name);
    return textOut(std::wstring_view(Name), buffer, size, needed);
  });
}

// ---- Loading and saving -------------------------------------------------------------------

zrv_status zrv_setting_load(zrv_setting* setting, const char* path, int* load_status) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    std::wstring Path;
    if (const zrv_status Status = zrv::capi::textArg(path, Path); Status != ZRV_OK)
      return Status;
    setting->Facade.SetProjectPath(Path.c_str());
    const ZRVLoadStatus Outcome = setting->Facade.GetLastLoadStatus();
    if (load_status)
      *load_status = static_cast<int>(Outcome);
    if (ZRVLoadSucceeded(Outcome))
      return ZRV_OK;
    return Outcome == ZRVLoadStatus::NoLoader ? ZRV_E_NO_LOADER : ZRV_E_LOAD_FAILED;
  });
}

zrv_status zrv_setting_save(zrv_setting* setting, const char* path, int* save_status) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    ZRVSaveStatus Outcome = ZRVSaveStatus::NotSaved;
    if (path) {
      std::wstring Path;
      if (const zrv_status Status = zrv::capi::textArg(path, Path); Status != ZRV_OK)
        return Status;
      // The writer writes to the document's project path: it is pointed at
      // the target for this save only, so the project keeps its own template.
      CZRVReportItemManager& Document = setting->document();
      const std::wstring ProjectPath = Document.GetProjectPath();
      Document.SetProjectPath(Path.c_str());
      try {
        CZRVReportSettingWriter Writer(&Document);
        Writer.SaveTemplate(Path.c_str());
        Outcome = Writer.GetLastSaveStatus();
        setting->LastSaveMessage = Writer.GetLastSaveMessage();
      } catch (...) {
        Document.SetProjectPath(ProjectPath.c_str());
        throw;
      }
      Document.SetProjectPath(ProjectPath.c_str());
    } else {
      setting->Facade.SaveTemplate();
      Outcome = setting->Facade.GetLastSaveStatus();
      setting->LastSaveMessage = setting->Facade.GetLastSaveMessage();
    }
    setting->LastSaveStatus = Outcome;
    if (save_status)
      *save_status = static_cast<int>(Outcome);
    return Outcome == ZRVSaveStatus::Saved ? ZRV_OK : ZRV_E_SAVE_FAILED;
  });
}

zrv_status zrv_setting_last_load(const zrv_setting* setting, int* status, char* buffer, size_t size,
                                 size_t* needed) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    return lastOutcome(setting->Facade.GetLastLoadStatus(), setting->Facade.GetLastLoadMessage(),
                       status, buffer, size, needed);
  });
}

zrv_status zrv_setting_last_save(const zrv_setting* setting, int* status, char* buffer, size_t size,
                                 size_t* needed) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    return lastOutcome(setting->LastSaveStatus, setting->LastSaveMessage, status, buffer, size,
                       needed);
  });
}

zrv_status zrv_load_status_text(int status, char* buffer, size_t size, size_t* needed) {
  if (status < 0 || status > static_cast<int>(ZRVLoadStatus::InvalidArgument))
    return ZRV_E_OUT_OF_RANGE;
  return guarded([&] {
    return textOut(std::wstring_view(ZRVLoadStatusText(static_cast<ZRVLoadStatus>(status))), buffer,
                   size, needed);
  });
}

zrv_status zrv_save_status_text(int status, char* buffer, size_t size, size_t* needed) {
  if (status < 0 || status > static_cast<int>(ZRVSaveStatus::ReplaceFailed))
    return ZRV_E_OUT_OF_RANGE;
  return guarded([&] {
    return textOut(std::wstring_view(ZRVSaveStatusText(static_cast<ZRVSaveStatus>(status))), buffer,
                   size, needed);
  });
}

// ---- Items ------------------------------------------------------------------------------------

zrv_status zrv_item_count(const zrv_setting* setting, int* count) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  if (!count)
    return ZRV_E_NULL_ARGUMENT;
  *count = setting->document().GetItemCount();
  return ZRV_OK;
}

zrv_status zrv_item_name(const zrv_setting* setting, int index, char* buffer, size_t size,
                         size_t* needed) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  return guarded([&] {
    Item Copy;
    if (const zrv_status Status = itemAt(setting, index, Copy); Status != ZRV_OK)
      return Status;
    return textOut(std::wstring_view(Copy.GetItemSaveName()), buffer, size, needed);
  });
}

zrv_status zrv_item_get(const zrv_setting* setting, int index, int field, int* value) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  if (!value)
    return ZRV_E_NULL_ARGUMENT;
  if (field < 0 || field >= ZRV_ITEM_FIELD_COUNT)
    return ZRV_E_INVALID_ARGUMENT;
  return guarded([&] {
    Item Copy;
    if (const zrv_status Status = itemAt(setting, index, Copy); Status != ZRV_OK)
      return Status;
    *value = ItemFields[field].Get(Copy);
    return ZRV_OK;
  });
}

zrv_status zrv_item_set(zrv_setting* setting, int index, int field, int value) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  if (field < 0 || field >= ZRV_ITEM_FIELD_COUNT)
    return ZRV_E_INVALID_ARGUMENT;
  if (!ItemFields[field].Set)
    return ZRV_E_NOT_SUPPORTED;
  return guarded([&] {
    Item Copy;
    if (const zrv_status Status = itemAt(setting, index, Copy); Status != ZRV_OK)
      return Status;
    ItemFields[field].Set(Copy, value);
    return setting->document().SetItem(index, Copy) ? ZRV_OK : ZRV_E_FAILED;
  });
}

zrv_status zrv_item_setting_name(const zrv_setting* setting, int index, int library, char* buffer,
                                 size_t size, size_t* needed) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  if (library < 0 || library >= ZRV_LIBRARY_COUNT)
    return ZRV_E_INVALID_ARGUMENT;
  if (library >= ZRV_LIBRARY_MELT)
    return ZRV_E_NOT_SUPPORTED;
  return guarded([&] {
    Item Copy;
    if (const zrv_status Status = itemAt(setting, index, Copy); Status != ZRV_OK)
      return Status;
    const auto Getter = ItemLibraries[library].Name;
    const std::wstring Name = (Copy.*Getter)();
    return textOut(std::wstring_view(Name), buffer, size, needed);
  });
}

zrv_status zrv_item_set_setting_name(zrv_setting* setting, int index, int library,
                                     const char* name) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  if (library < 0 || library >= ZRV_LIBRARY_COUNT)
    return ZRV_E_INVALID_ARGUMENT;
  if (library >= ZRV_LIBRARY_MELT)
    return ZRV_E_NOT_SUPPORTED;
  return guarded([&] {
    std::wstring Name;
    if (const zrv_status Status = zrv::capi::nameArg(name, Name); Status != ZRV_OK)
      return Status;
    if (index < 0 || index >= setting->document().GetItemCount())
      return ZRV_E_OUT_OF_RANGE;
    return (setting->document().*ItemLibraries[library].Assign)(index, Name.c_str()) ? ZRV_OK
                                                                                     : ZRV_E_FAILED;
  });
}

} // extern "C"
