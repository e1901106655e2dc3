#include "plot/screen_views.h"

#include "nctext/status_services.h"
#include "plot/view_transform.h"
#include "settings/file_access.h"
#include "settings/ini_file.h"
#include "settings/number_text.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

// Names are written as the settings hold them ("\" separators included); the file on disk
// is found with either separator and without regard to case.
std::string DiskName(const std::string& name) {
  return FindFileIgnoringCase(name);
}

}  // namespace

std::string ScreenViewSlotName(std::string_view chosen) {
  return chosen.empty() ? std::string("1") : std::string(chosen);
}

std::string ScreenViewPictureName(const std::string& picture_path, std::string_view slot_name) {
  return picture_path + "\\" + std::string(slot_name) + ".gif";
}

std::string ScreenViewIniName(const std::string& picture_path) {
  return picture_path + kScreenViewFile;
}

bool SaveScreenViewState(const ViewState& view, const std::string& ini_name,
                         std::string_view slot_name, std::string& error) {
  const std::string path = DiskName(ini_name);
  IniFile ini;
  ini.Load(path);
  ini.Set(slot_name, "PlotHeight", PlainNumberText(view.plot_height));
  ini.Set(slot_name, "ScreenCenterX", PlainNumberText(view.centre_x));
  ini.Set(slot_name, "ScreenCenterY", PlainNumberText(view.centre_y));
  ini.Set(slot_name, "XPlotOrigin", WholeNumberText(view.off_x));
  ini.Set(slot_name, "YPlotOrigin", WholeNumberText(view.off_y));
  return ini.Save(path, error);
}

void LoadScreenViewState(PlotState& plot, int slot, const std::string& ini_name,
                         std::string_view slot_name) {
  IniFile ini;
  ini.Load(DiskName(ini_name));
  const auto number = [&](const char* key, double fallback) {
    return ReadNumber(ini.Get(slot_name, key, "")).value_or(fallback);
  };
  const auto whole = [&](const char* key) {
    const long long value = ReadWholeNumber(ini.Get(slot_name, key, "")).value_or(0);
    constexpr long long kLimit = 1 << 30;
    return static_cast<int>(value > kLimit ? kLimit : value < -kLimit ? -kLimit : value);
  };
  ViewState& view = plot.Slot(slot);
  view.plot_height = number("PlotHeight", 10);
  view.centre_x = number("ScreenCenterX", 0);
  view.centre_y = number("ScreenCenterY", 0);
  if (!(view.plot_height >= kMinPlotHeight)) view.plot_height = kMinPlotHeight;
  const int half_height = plot.height / 2 > 0 ? plot.height / 2 : 1;
  view.scale_x = half_height / view.plot_height;
  view.scale_y = -view.scale_x;
  view.off_x = whole("XPlotOrigin");
  view.off_y = whole("YPlotOrigin");
}

bool SaveScreenView(Workbench& bench, std::string_view chosen, const PictureFile& write_picture) {
  const std::string slot_name = ScreenViewSlotName(chosen);
  const std::string& dir = bench.settings.picture_path;
  const std::string picture = ScreenViewPictureName(dir, slot_name);
  std::string error;
  if (!write_picture(DiskName(picture)) ||
      !SaveScreenViewState(bench.plot.Current(), ScreenViewIniName(dir), slot_name, error)) {
    ShowPrompt(bench, "Can't Save " + picture);
    return false;
  }
  ShowPrompt(bench, "Saved " + picture);
  return true;
}

bool LoadScreenView(Workbench& bench, std::string_view chosen, const PictureFile& read_picture) {
  const std::string slot_name = ScreenViewSlotName(chosen);
  const std::string& dir = bench.settings.picture_path;
  const std::string picture = ScreenViewPictureName(dir, slot_name);
  if (!read_picture(DiskName(picture))) {
    ShowPrompt(bench, "Can't Load " + picture);
    return false;
  }
  LoadScreenViewState(bench.plot, bench.plot.current, ScreenViewIniName(dir), slot_name);
  ShowPrompt(bench, "Loaded " + picture);
  return true;
}

}  // namespace vormak
