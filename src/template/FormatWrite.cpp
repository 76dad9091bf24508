// FormatWrite.cpp - every line of a template file as the writer formats it.
#include "template/Format.h"

#include <algorithm>

namespace zrv::format {

namespace {

/// A [FileHeader] or [Info] line: the row's pattern (the key literal in it)
/// with the number, followed by the row's label in double quotes when it has
/// one, or with the text.
std::wstring formatKeyLine(const KeyRowLayout& Row, int Number, std::wstring_view Text) {
  if (Row.Kind == ValueKind::Text)
    return formatLine(Row.Pattern, {Text});
  if (*Row.Label == '\0')
    return formatLine(Row.Pattern, {Number});
  std::wstring Quoted = L"\"" + widen(Row.Label) + L"\"";
  return formatLine(Row.Pattern, {Number, Quoted});
}

const char* settingPattern(Section Id) { return layoutOf(Id).DataPattern; }

/// An empty name written as "-".
std::wstring_view orNoSetting(std::wstring_view Name) {
  return Name.empty() ? std::wstring_view(NoSetting) : Name;
}

} // namespace

std::wstring writtenName(std::wstring_view Name) {
  std::wstring Written(Name);
  std::replace(Written.begin(), Written.end(), L' ', NameBlankReplacement);
  return Written;
}

std::wstring formatHeaderLine(HeaderField Field, int Number, std::wstring_view Text) {
  return formatKeyLine(HeaderRows[static_cast<std::size_t>(Field)], Number, Text);
}

std::wstring formatInfoLine(InfoField Field, int Number, std::wstring_view Text) {
  return formatKeyLine(InfoRows[static_cast<std::size_t>(Field)], Number, Text);
}

std::wstring formatTagLine(Section Id) { return widen(tagOf(Id)); }

std::wstring formatLabelLine(Section Id) { return widen(layoutOf(Id).Label); }

std::wstring formatViewLine(std::wstring_view Name, const ViewRecord& R) {
  return formatLine(settingPattern(Section::ViewSetting),
                    {writtenName(Name), R.AngleX, R.AngleY, R.AngleZ, R.Scale});
}

std::wstring formatClippingLine(std::wstring_view Name, const ClipRecord& R) {
  return formatLine(settingPattern(Section::ClippingSetting),
                    {writtenName(Name), R.ClipBy, R.KeepX, R.KeepY, R.KeepZ, R.RangeX, R.RangeY,
                     R.RangeZ, R.Inverse});
}

std::wstring formatSlicingLine(std::wstring_view Name, const SliceRecord& R) {
  return formatLine(
      settingPattern(Section::SlicingSetting),
      {writtenName(Name), R.SliceX, R.SliceY, R.SliceZ, R.RangeX, R.RangeY, R.RangeZ});
}

std::wstring formatObjectLine(std::wstring_view Name, const ObjectRecord& R) {
  return formatLine(settingPattern(Section::ObjectSetting),
                    {writtenName(Name), R.ShowRunner, R.ShowPart, R.ShowPartInsert,
                     R.ShowCoolChannel, R.ShowMoldbase, R.ShowMoldInsert, R.ShowMeltEntrance,
                     R.ShowCoolantEntrance, R.ShowHeatingRod, R.ShowHotRunnerMetal});
}

std::wstring formatFocusCaptureLine(std::wstring_view Name, const CaptureRecord& R) {
  return formatLine(settingPattern(Section::FocusCapture),
                    {writtenName(Name), R.Capture, R.Width, R.Height});
}

std::wstring formatPercentages(const MeltRecord& R) {
  int Count = std::clamp(R.Count, 0, MaxPercentages);
  std::wstring Text;
  for (int I = 0; I < Count; ++I) {
    if (I > 0)
      Text += static_cast<wchar_t>(PercentageSeparator);
    Text += formatLine("%.0f", {R.Percentage[I]});
  }
  return Text;
}

std::wstring formatMeltLine(std::wstring_view Name, const MeltRecord& R) {
  return formatLine(settingPattern(Section::MeltFrontTimeCapture),
                    {writtenName(Name), formatPercentages(R)});
}

std::wstring formatAnimationLine(std::wstring_view Name, const AnimationRecord& R) {
  return formatLine(settingPattern(Section::AnimationSetting),
                    {writtenName(Name), R.Output, R.Time, R.FPS, R.Resolution});
}

std::wstring formatImageLine(std::wstring_view Name, const ImageRecord& R) {
  return formatLine(settingPattern(Section::ImageSetting),
                    {writtenName(Name), R.Output, R.Resolution});
}

std::optional<std::wstring> formatResultExRow(std::size_t Position, int Output,
                                              std::wstring_view Setting, double WarpageScale) {
  if (Position >= ResultExRows.size())
    return std::nullopt;
  const ResultExRowLayout& Row = ResultExRows[Position];
  std::wstring Key = widen(Row.Key);
  int Column = Output == 1 ? 1 : 0;
  switch (static_cast<ResultExKey>(Position)) {
  case ResultExKey::PDF3D:
    return formatLine(Row.Pattern, {Key, Column});
  case ResultExKey::WarpageScale:
    return formatLine(Row.Pattern, {Key, Column, WarpageScale});
  default: {
    std::wstring Text = Setting.empty() ? widen(Row.EmptySetting) : std::wstring(Setting);
    return formatLine(Row.Pattern, {Key, Column, Text});
  }
  }
}

std::wstring formatViewList(const std::vector<std::wstring>& Names) {
  std::wstring Field;
  for (const std::wstring& Name : Names) {
    Field += Name;
    Field += ViewListSeparator;
  }
  return Field;
}

std::wstring formatItemLine(const ItemLineRecord& Item, std::wstring_view ProjectViewName,
                            std::wstring_view ProjectSettingName) {
  std::wstring View;
  if (!Item.ManyViewNames.empty())
    View = formatViewList(Item.ManyViewNames);
  else if (Item.ViewName.empty() || Item.ViewName == ProjectViewName)
    View = NoSetting;
  else
    View = writtenName(Item.ViewName);
  std::wstring_view Object = (Item.ObjectName.empty() || Item.ObjectName == ProjectSettingName)
                                 ? std::wstring_view(NoSetting)
                                 : std::wstring_view(Item.ObjectName);
  return formatLine(ItemPattern,
                    {Item.Key, Item.Output, Item.DisplayMode, Item.ParameterX, Item.ParameterY,
                     Item.ParameterZ, Item.FaceNumber, orNoSetting(Item.ClippingName), View, Object,
                     orNoSetting(Item.CaptureName), orNoSetting(Item.SlicingName), Item.AirTrap,
                     Item.WeldLine, Item.ItemCountOf1Page});
}

} // namespace zrv::format
