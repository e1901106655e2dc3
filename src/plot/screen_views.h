#pragma once
// Saved screen views: a picture of the plot window per slot name "1".."9" in the picture
// directory, and the view that goes with it in vorpic.ini, one section per slot name.

#include <functional>
#include <string>
#include <string_view>

#include "plot/view_state.h"
#include "settings/machine_settings.h"

namespace vormak {

class Workbench;

inline constexpr const char* kScreenViewFile = "vorpic.ini";

// An empty choice of the slot combo box selects its first entry.
std::string ScreenViewSlotName(std::string_view chosen);
// The picture directory, "\", the slot name and ".gif".
std::string ScreenViewPictureName(const std::string& picture_path, std::string_view slot_name);
// The picture directory text followed directly by "vorpic.ini".
std::string ScreenViewIniName(const std::string& picture_path);

// Writes PlotHeight, ScreenCenterX, ScreenCenterY, XPlotOrigin and YPlotOrigin of the view
// into the slot's section; false with the system's error text.
bool SaveScreenViewState(const ViewState& view, const std::string& ini_name,
                         std::string_view slot_name, std::string& error);
// Reads the five keys (missing ones: PlotHeight 10, the others 0) into the view and takes
// the scales from PlotHeight; the offsets stay as read.
void LoadScreenViewState(PlotState& plot, int slot, const std::string& ini_name,
                         std::string_view slot_name);

// Writes or reads the window's picture at a file name; false when that failed.
using PictureFile = std::function<bool(const std::string& path)>;

// Save Screen View: the picture, then the view; the prompt says "Saved " and the picture's
// name, or "Can't Save " and the name when the picture could not be written.
bool SaveScreenView(Workbench& bench, std::string_view chosen, const PictureFile& write_picture);
// Load Screen View: the picture into the window, then the view into the current slot;
// "Loaded " or "Can't Load " and the name in the prompt.
bool LoadScreenView(Workbench& bench, std::string_view chosen, const PictureFile& read_picture);

}  // namespace vormak
