// LibraryApi.cpp - the eight setting libraries through the C interface: one
// table row per library drives every library function, and one field table
// per record kind turns records into lists of numbers and back.
#include "capi/Boundary.h"

#include <cmath>
#include <cstdint>
#include <limits>

using zrv::capi::guarded;
using Item = CZRVReportItem;
using ItemEx = CZRVReportItemEx;
using Manager = CZRVReportItemManager;

namespace {

/// One field of a record kind: an integer or a floating-point member.
template <typename Record> struct RecordField {
  const char* Name;
  std::int32_t Record::*Int;
  double Record::*Real;
};

template <typename Record>
constexpr RecordField<Record> intField(const char* Name, std::int32_t Record::*Member) {
  return {Name, Member, nullptr};
}
template <typename Record>
constexpr RecordField<Record> realField(const char* Name, double Record::*Member) {
  return {Name, nullptr, Member};
}

using Clip = Item::tagCLIPSETTING;
using Slice = Item::tagSLICESETTING;
using View = Item::tagVIEWSETTING;
using Object = Item::tagOBJECTSETTING;
using Capture = Item::tagFOCUSCAPTURE;
using Animation = ItemEx::stAnimationSetting;
using Image = ItemEx::stImageSetting;

constexpr RecordField<Clip> ClipFields[] = {
    intField("ClipBy", &Clip::ClipBy),  intField("KeepX", &Clip::KeepX),
    intField("KeepY", &Clip::KeepY),    intField("KeepZ", &Clip::KeepZ),
    realField("RangeX", &Clip::RangeX), realField("RangeY", &Clip::RangeY),
    realField("RangeZ", &Clip::RangeZ), intField("Inverse", &Clip::Inverse)};
constexpr RecordField<Slice> SliceFields[] = {
    intField("SliceX", &Slice::SliceX),  intField("SliceY", &Slice::SliceY),
    intField("SliceZ", &Slice::SliceZ),  realField("RangeX", &Slice::RangeX),
    realField("RangeY", &Slice::RangeY), realField("RangeZ", &Slice::RangeZ)};
constexpr RecordField<View> ViewFields[] = {
    realField("AngleX", &View::AngleX), realField("AngleY", &View::AngleY),
    realField("AngleZ", &View::AngleZ), realField("Scale", &View::Scale)};
constexpr RecordField<Object> ObjectFields[] = {
    intField("ShowRunner", &Object::ShowRunner),
    intField("ShowPart", &Object::ShowPart),
    intField("ShowPartInsert", &Object::ShowPartInsert),
    intField("ShowCoolChannel", &Object::ShowCoolChannel),
    intField("ShowMoldbase", &Object::ShowMoldbase),
    intField("ShowMoldInsert", &Object::ShowMoldInsert),
    intField("ShowMeltEntrance", &Object::ShowMeltEntrance),
    intField("ShowCoolantEntrance", &Object::ShowCoolantEntrance),
    intField("ShowHeatingRod", &Object::ShowHeatingRod),
    intField("ShowHotRunnerMetal", &Object::ShowHotRunnerMetal)};
constexpr RecordField<Capture> CaptureFields[] = {
    intField("Capture", &Capture::Capture), intField("Width", &Capture::Width),
    intField("Height", &Capture::Height), intField("FocusOn", &Capture::FocusOn)};
constexpr RecordField<Animation> AnimationFields[] = {
    intField("Output", &Animation::Output), realField("Time", &Animation::Time),
    realField("FPS", &Animation::FPS), intField("Resolution", &Animation::Resolution)};
constexpr RecordField<Image> ImageFields[] = {intField("Output", &Image::Output),
                                              intField("Resolution", &Image::Resolution)};

/// True when \p Value can be stored in an integer field (its integer part is
/// a 32-bit integer).
bool fitsInt(double Value) {
  return std::isfinite(Value) && Value > -2147483649.0 && Value < 2147483648.0;
}

/// Reads record \p Name through the document getter \p Get.
template <auto Get, auto& Fields>
void readFixed(const Manager& Document, const std::wstring& Name, std::vector<double>& Values) {
  const auto Record = (Document.*Get)(Name.c_str());
  for (const auto& F : Fields)
    Values.push_back(F.Int ? static_cast<double>(Record.*(F.Int)) : Record.*(F.Real));
}

/// Stores record \p Name through the document setter \p Put; false, with
/// nothing stored, when a value does not fit its field.
template <auto Get, auto Put, auto& Fields>
bool writeFixed(Manager& Document, const std::wstring& Name, const double* Values) {
  auto Record = (Document.*Get)(Name.c_str());
  std::size_t I = 0;
  for (const auto& F : Fields) {
    const double V = Values[I++];
    if (F.Int) {
      if (!fitsInt(V))
        return false;
      Record.*(F.Int) = static_cast<std::int32_t>(V);
    } else {
      if (!std::isfinite(V))
        return false;
      Record.*(F.Real) = V;
    }
  }
  if constexpr (std::is_same_v<decltype(Record.Name), std::wstring>)
    Record.Name = Name;
  (Document.*Put)(Name.c_str(), Record);
  return true;
}

void readMelt(const Manager& Document, const std::wstring& Name, std::vector<double>& Values) {
  const ItemEx::stMeltFrontTimeCapture Record = Document.GetMeltSetting(Name.c_str());
  const int Count =
      Record.Count < 0 ? 0 : std::min(Record.Count, ItemEx::stMeltFrontTimeCapture::MaxCount);
  Values.assign(Record.Percentage, Record.Percentage + Count);
}

bool writeMelt(Manager& Document, const std::wstring& Name, const double* Values,
               std::size_t Count) {
  ItemEx::stMeltFrontTimeCapture Record;
  for (std::size_t I = 0; I < Count; ++I) {
    if (!std::isfinite(Values[I]))
      return false;
    Record.Percentage[I] = Values[I];
  }
  Record.Count = static_cast<std::int32_t>(Count);
  Document.SetMeltSetting(Name.c_str(), Record);
  return true;
}

/// What the interface does with one library.
struct Library {
  const char* Name;
  const char* const* FieldNames;
  int FieldCount;
  bool Variable; ///< the record is a list of up to FieldCount values
  int (Manager::*OptionCount)() const;
  int (Manager::*Option)(int, wchar_t*) const;
  void (*Read)(const Manager&, const std::wstring&, std::vector<double>&);
  bool (*Write)(Manager&, const std::wstring&, const double*, std::size_t);
  int (Manager::*Delete)(const wchar_t*);
  int (Manager::*Used)(const wchar_t*) const;                  ///< null: no usage check
  void (*ToDefault)(Manager&, const wchar_t*, const wchar_t*); ///< null: no default switch
};

template <auto& Fields> struct FieldNames {
  static constexpr std::size_t Count = sizeof(Fields) / sizeof(Fields[0]);
  static const char* const* get() {
    static const auto Names = [] {
      std::vector<const char*> List;
      for (const auto& F : Fields)
        List.push_back(F.Name);
      return List;
    }();
    return Names.data();
  }
};

const char* const MeltFieldNames[] = {"Percentage"};

template <auto Get, auto Put, auto& Fields>
bool writeFixedCounted(Manager& Document, const std::wstring& Name, const double* Values,
                       std::size_t) {
  return writeFixed<Get, Put, Fields>(Document, Name, Values);
}

/// The setter of a record kind (some setters are overloaded).
template <typename Record> constexpr auto putOf(void (Manager::*Put)(const wchar_t*, Record)) {
  return Put;
}

void clippingToDefault(Manager& D, const wchar_t* Name, const wchar_t*) {
  D.ChangeClippingToDefault(Name);
}
void slicingToDefault(Manager& D, const wchar_t* Name, const wchar_t*) {
  D.ChangeSlicingToDefault(Name);
}
void viewToDefault(Manager& D, const wchar_t* Name, const wchar_t* Fallback) {
  D.ChangeViewToDefault(Name, Fallback);
}
void objectToDefault(Manager& D, const wchar_t* Name, const wchar_t* Fallback) {
  D.ChangeObjectToDefault(Name, Fallback);
}
void captureToDefault(Manager& D, const wchar_t* Name, const wchar_t*) {
  D.ChangeCaptureToDefault(Name);
}
void meltToDefault(Manager& D, const wchar_t* Name, const wchar_t*) { D.ChangeMeltToDefault(Name); }

// clang-format off
const Library Libraries[] = {
    {"clipping", FieldNames<ClipFields>::get(), int(FieldNames<ClipFields>::Count), false,
     &Manager::GetClippingOptionCount, &Manager::GetClippingOption,
     readFixed<&Manager::GetClippingSetting, ClipFields>,
     writeFixedCounted<&Manager::GetClippingSetting, putOf<Clip>(&Manager::SetClippingSetting), ClipFields>,
     &Manager::DeleteClippingSetting, &Manager::CheckClippingUsed, clippingToDefault},
    {"slicing", FieldNames<SliceFields>::get(), int(FieldNames<SliceFields>::Count), false,
     &Manager::GetSlicingOptionCount, &Manager::GetSlicingOption,
     readFixed<&Manager::GetSlicingSetting, SliceFields>,
     writeFixedCounted<&Manager::GetSlicingSetting, putOf<Slice>(&Manager::SetSlicingSetting), SliceFields>,
     &Manager::DeleteSlicingSetting, &Manager::CheckSlicingUsed, slicingToDefault},
    {"view", FieldNames<ViewFields>::get(), int(FieldNames<ViewFields>::Count), false,
     &Manager::GetViewOptionCount, &Manager::GetViewOption,
     readFixed<&Manager::GetViewSetting, ViewFields>,
     writeFixedCounted<&Manager::GetViewSetting, putOf<View>(&Manager::SetViewSetting), ViewFields>,
     &Manager::DeleteViewSetting, &Manager::CheckViewUsed, viewToDefault},
    {"object", FieldNames<ObjectFields>::get(), int(FieldNames<ObjectFields>::Count), false,
     &Manager::GetObjectOptionCount, &Manager::GetObjectOption,
     readFixed<&Manager::GetObjectSetting, ObjectFields>,
     writeFixedCounted<&Manager::GetObjectSetting, putOf<Object>(&Manager::SetObjectSetting), ObjectFields>,
     &Manager::DeleteObjectSetting, &Manager::CheckObjectUsed, objectToDefault},
    {"capture", FieldNames<CaptureFields>::get(), int(FieldNames<CaptureFields>::Count), false,
     &Manager::GetCaptureOptionCount, &Manager::GetCaptureOption,
     readFixed<&Manager::GetCaptureSetting, CaptureFields>,
     writeFixedCounted<&Manager::GetCaptureSetting, putOf<Capture>(&Manager::SetCaptureSetting), CaptureFields>,
     &Manager::DeleteCaptureSetting, &Manager::CheckCaptureUsed, captureToDefault},
    {"melt", MeltFieldNames, ItemEx::stMeltFrontTimeCapture::MaxCount, true,
     &Manager::GetMeltOptionCount, &Manager::GetMeltOption, readMelt, writeMelt,
     &Manager::DeleteMeltSetting, &Manager::CheckMeltUsed, meltToDefault},
    {"animation", FieldNames<AnimationFields>::get(), int(FieldNames<AnimationFields>::Count), false,
     &Manager::GetAnimationOptionCount, &Manager::GetAnimationOption,
     readFixed<&Manager::GetAnimationSetting, AnimationFields>,
     writeFixedCounted<&Manager::GetAnimationSetting, putOf<Animation>(&Manager::SetAnimationSetting), AnimationFields>,
     &Manager::DeleteAnimationSetting, nullptr, nullptr},
    {"image", FieldNames<ImageFields>::get(), int(FieldNames<ImageFields>::Count), false,
     &Manager::GetImageOptionCount, &Manager::GetImageOption,
     readFixed<&Manager::GetImageSetting, ImageFields>,
     writeFixedCounted<&Manager::GetImageSetting, putOf<Image>(&Manager::SetImageSetting), ImageFields>,
     &Manager::DeleteImageSetting, nullptr, nullptr},
};
// clang-format on
static_assert(sizeof(Libraries) / sizeof(Libraries[0]) == ZRV_LIBRARY_COUNT, "one row per library");

const Library* libraryOf(int Index) {
  return Index >= 0 && Index < ZRV_LIBRARY_COUNT ? &Libraries[Index] : nullptr;
}

/// The option list of a library.
std::vector<std::wstring> optionsOf(const Manager& Document, const Library& Lib) {
  std::vector<std::wstring> Names;
  const int Count = (Document.*Lib.OptionCount)();
  for (int I = 0; I < Count; ++I) {
    wchar_t Name[zrv::capi::NameBufferSize] = {};
    (Document.*Lib.Option)(I, Name);
    Names.emplace_back(Name);
  }
  return Names;
}

bool hasName(const Manager& Document, const Library& Lib, const std::wstring& Name) {
  for (const std::wstring& Option : optionsOf(Document, Lib))
    if (Option == Name)
      return true;
  return false;
}

} // namespace

extern "C" {

zrv_status zrv_library_info(int library, const char** name, int* field_count, int* variable) {
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  if (name)
    *name = Lib->Name;
  if (field_count)
    *field_count = Lib->FieldCount;
  if (variable)
    *variable = Lib->Variable ? 1 : 0;
  return ZRV_OK;
}

zrv_status zrv_library_field_name(int library, int field, const char** name) {
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  if (!name)
    return ZRV_E_NULL_ARGUMENT;
  if (field < 0 || field >= Lib->FieldCount)
    return ZRV_E_OUT_OF_RANGE;
  *name = Lib->FieldNames[Lib->Variable ? 0 : field];
  return ZRV_OK;
}

zrv_status zrv_library_count(const zrv_setting* setting, int library, int* count) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  if (!count)
    return ZRV_E_NULL_ARGUMENT;
  return guarded([&] {
    *count = (setting->document().*Lib->OptionCount)();
    return ZRV_OK;
  });
}

zrv_status zrv_library_name(const zrv_setting* setting, int library, int index, char* buffer,
                            size_t size, size_t* needed) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  return guarded([&] {
    if (index < 0 || index >= (setting->document().*Lib->OptionCount)())
      return ZRV_E_OUT_OF_RANGE;
    wchar_t Name[zrv::capi::NameBufferSize] = {};
    (setting->document().*Lib->Option)(index, Name);
    return zrv::capi::textOut(std::wstring_view(Name), buffer, size, needed);
  });
}

zrv_status zrv_record_get(const zrv_setting* setting, int library, const char* name, double* values,
                          size_t capacity, size_t* count) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  if (!count || (!values && capacity > 0))
    return ZRV_E_NULL_ARGUMENT;
  return guarded([&] {
    std::wstring Name;
    if (const zrv_status Status = zrv::capi::textArg(name, Name); Status != ZRV_OK)
      return Status;
    if (!hasName(setting->document(), *Lib, Name))
      return ZRV_E_NOT_FOUND;
    std::vector<double> Values;
    Lib->Read(setting->document(), Name, Values);
    *count = Values.size();
    if (capacity < Values.size())
      return ZRV_E_BUFFER_TOO_SMALL;
    std::copy(Values.begin(), Values.end(), values);
    return ZRV_OK;
  });
}

zrv_status zrv_record_put(zrv_setting* setting, int library, const char* name, const double* values,
                          size_t count) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  if (!values && count > 0)
    return ZRV_E_NULL_ARGUMENT;
  const auto Fields = static_cast<std::size_t>(Lib->FieldCount);
  if (Lib->Variable ? count > Fields : count != Fields)
    return ZRV_E_INVALID_ARGUMENT;
  return guarded([&] {
    std::wstring Name;
    if (const zrv_status Status = zrv::capi::nameArg(name, Name); Status != ZRV_OK)
      return Status;
    return Lib->Write(setting->document(), Name, values, count) ? ZRV_OK : ZRV_E_INVALID_ARGUMENT;
  });
}

zrv_status zrv_record_delete(zrv_setting* setting, int library, const char* name) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  return guarded([&] {
    std::wstring Name;
    if (const zrv_status Status = zrv::capi::textArg(name, Name); Status != ZRV_OK)
      return Status;
    return (setting->document().*Lib->Delete)(Name.c_str()) ? ZRV_OK : ZRV_E_NOT_FOUND;
  });
}

zrv_status zrv_record_used(const zrv_setting* setting, int library, const char* name, int* used) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  if (!Lib->Used)
    return ZRV_E_NOT_SUPPORTED;
  if (!used)
    return ZRV_E_NULL_ARGUMENT;
  return guarded([&] {
    std::wstring Name;
    if (const zrv_status Status = zrv::capi::textArg(name, Name); Status != ZRV_OK)
      return Status;
    *used = (setting->document().*Lib->Used)(Name.c_str()) ? 1 : 0;
    return ZRV_OK;
  });
}

zrv_status zrv_record_change_to_default(zrv_setting* setting, int library, const char* name,
                                        const char* fallback) {
  if (!setting)
    return ZRV_E_NULL_HANDLE;
  const Library* Lib = libraryOf(library);
  if (!Lib)
    return ZRV_E_INVALID_ARGUMENT;
  if (!Lib->ToDefault)
    return ZRV_E_NOT_SUPPORTED;
  return guarded([&] {
    std::wstring Name;
    std::wstring Fallback;
    if (const zrv_status Status = zrv::capi::textArg(name, Name); Status != ZRV_OK)
      return Status;
    const bool TakesFallback = library == ZRV_LIBRARY_VIEW || library == ZRV_LIBRARY_OBJECT;
    if (TakesFallback) {
      if (const zrv_status Status = zrv::capi::nameArg(fallback, Fallback); Status != ZRV_OK)
        return Status;
    }
    Lib->ToDefault(setting->document(), Name.c_str(), Fallback.c_str());
    return ZRV_OK;
  });
}

} // extern "C"
