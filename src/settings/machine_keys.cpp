#include "settings/machine_keys.h"

#include <cctype>
#include <utility>

#include "settings/ini_file.h"
#include "settings/number_text.h"
#include "settings/setting_forms.h"

namespace vormak {

namespace {

using S = MachineSettings;
template <typename T>
using Member = T S::*;

MachineKey Key(std::string name, std::function<void(S&, const std::string&)> read,
               std::function<std::string(const S&)> text, KeyGroup group = KeyGroup::kMachine) {
  return MachineKey{std::move(name), group, std::move(read), std::move(text), false};
}

// Text taken as it stands; a limited field keeps its first `limit` characters.
MachineKey TextKey(std::string name, Member<std::string> m, size_t limit = std::string::npos,
                   KeyGroup group = KeyGroup::kMachine) {
  return Key(
      std::move(name), [m, limit](S& s, const std::string& v) { s.*m = v.substr(0, limit); },
      [m](const S& s) { return s.*m; }, group);
}

// A directory is kept without its trailing separator.
MachineKey DirectoryKey(std::string name, Member<std::string> m) {
  return Key(
      std::move(name),
      [m](S& s, const std::string& v) {
        std::string dir = v;
        if (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
        s.*m = dir;
      },
      [m](const S& s) { return s.*m; });
}

MachineKey IntegerKey(std::string name, Member<int> m, KeyGroup group = KeyGroup::kMachine) {
  return Key(
      std::move(name),
      [m](S& s, const std::string& v) {
        if (auto n = ReadIntegerValue(v)) s.*m = *n;
      },
      [m](const S& s) { return WholeNumberText(s.*m); }, group);
}

MachineKey LongIntegerKey(std::string name, Member<long long> m, KeyGroup group) {
  return Key(
      std::move(name),
      [m](S& s, const std::string& v) {
        if (auto n = ReadWholeNumber(v)) s.*m = *n;
      },
      [m](const S& s) { return WholeNumberText(s.*m); }, group);
}

// "Whole-number text": written as decimal digits, read as any number rounded.
MachineKey WholeTextKey(std::string name, Member<long long> m) {
  return Key(
      std::move(name),
      [m](S& s, const std::string& v) {
        if (auto n = ReadRoundedValue(v)) s.*m = *n;
      },
      [m](const S& s) { return WholeNumberText(s.*m); });
}

MachineKey FlagKey(std::string name, Member<bool> m) {
  return Key(
      std::move(name),
      [m](S& s, const std::string& v) {
        if (auto on = ReadFlagValue(v)) s.*m = *on;
      },
      [m](const S& s) { return std::string(s.*m ? "1" : "0"); });
}

MachineKey NumberKey(std::string name, Member<double> m, KeyGroup group = KeyGroup::kMachine) {
  return Key(
      std::move(name),
      [m](S& s, const std::string& v) {
        if (auto n = ReadNumber(v)) s.*m = *n;
      },
      [m](const S& s) { return PlainNumberText(s.*m); }, group);
}

bool SameWord(const std::string& text, const char* word) {
  size_t i = 0;
  for (; i < text.size() && word[i] != '\0'; ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
  }
  return i == text.size() && word[i] == '\0';
}

void AddDirectories(std::vector<MachineKey>& keys) {
  keys.push_back(DirectoryKey("CDLPathName", &S::cdl_path));
  keys.push_back(DirectoryKey("DXFPathName", &S::dxf_path));
  keys.push_back(DirectoryKey("IGESPathName", &S::iges_path));
  keys.push_back(DirectoryKey("NCPathName", &S::nc_path));
  keys.push_back(DirectoryKey("ToolPathName", &S::tool_path));
  keys.push_back(DirectoryKey("PicturePathName", &S::picture_path));
  keys.push_back(DirectoryKey("ScriptPathName", &S::script_path));
  keys.push_back(DirectoryKey("ProjectPathName", &S::project_path));
}

void AddScreenAndMachineWords(std::vector<MachineKey>& keys) {
  keys.push_back(IntegerKey("BackGroundColor", &S::background_color));
  keys.push_back(Key(
      "CADFileType",
      [](S& s, const std::string& v) {
        s.cad_file_type = SameWord(v, "DXF")    ? CadFileType::kDxf
                          : SameWord(v, "IGES") ? CadFileType::kIges
                                                : CadFileType::kCdl;
      },
      [](const S& s) {
        return std::string(s.cad_file_type == CadFileType::kDxf    ? "DXF"
                           : s.cad_file_type == CadFileType::kIges ? "IGES"
                                                                   : "CDL");
      }));
  keys.push_back(Key(
      "Orientation", [](S& s, const std::string& v) { s.vertical_lathe = SameWord(v, "VERT"); },
      [](const S& s) { return std::string(s.vertical_lathe ? "VERT" : "HORZ"); }));
  keys.push_back(Key(
      "XAxisDimension", [](S& s, const std::string& v) { s.x_radius = SameWord(v, "RAD"); },
      [](const S& s) { return std::string(s.x_radius ? "RAD" : "DIA"); }));
  keys.push_back(Key(
      "PlotSpeed",
      [](S& s, const std::string& v) {
        auto n = ReadRoundedValue(v);
        if (n && *n <= 1000000) s.plot_speed = static_cast<int>(*n < 1 ? 1 : *n);
      },
      [](const S& s) { return WholeNumberText(s.plot_speed); }));
  keys.push_back(FlagKey("UpperCase", &S::upper_case));
  const char* mirror_keys[] = {"MirrorX", "MirrorY", "MirrorZ"};
  for (size_t axis = 0; axis < 3; ++axis) {
    keys.push_back(Key(
        mirror_keys[axis],
        [axis](S& s, const std::string& v) {
          if (auto on = ReadFlagValue(v)) s.mirror[axis] = *on;
        },
        [axis](const S& s) { return std::string(s.mirror[axis] ? "1" : "0"); }));
  }
}

void AddPunch(std::vector<MachineKey>& keys) {
  keys.push_back(IntegerKey("PunchType", &S::punch_type));
  keys.push_back(IntegerKey("CommPort", &S::comm_port));
  keys.push_back(IntegerKey("CommBaudRate", &S::comm_baud_rate));
  keys.push_back(Key(
      "CommParity",
      [](S& s, const std::string& v) {
        s.comm_parity = SameWord(v, "ODD") ? 'O' : SameWord(v, "EVEN") ? 'E' : 'N';
      },
      [](const S& s) {
        return std::string(s.comm_parity == 'O' ? "ODD" : s.comm_parity == 'E' ? "EVEN" : "NONE");
      }));
  keys.push_back(IntegerKey("CommDataBits", &S::comm_data_bits));
  keys.push_back(IntegerKey("CommStopBits", &S::comm_stop_bits));
  keys.push_back(IntegerKey("PunchWait", &S::punch_wait));
  keys.push_back(IntegerKey("InchesLeader", &S::inches_leader));
  keys.push_back(IntegerKey("CommHandshake", &S::comm_handshake));
  MachineKey device = TextKey("CommDevice", &S::comm_device);
  device.only_when_set = true;
  keys.push_back(std::move(device));
}

void AddPlotTimeAndFeeds(std::vector<MachineKey>& keys) {
  keys.push_back(NumberKey("PlotSpeedFactor", &S::plot_speed_factor));
  keys.push_back(NumberKey("ClipToolMargin", &S::clip_tool_margin));
  keys.push_back(NumberKey("CornerRadius", &S::corner_radius));
  keys.push_back(IntegerKey("SolidToolColor", &S::solid_tool_color));
  MachineKey decel = NumberKey("DecelFactor", &S::decel_factor);
  decel.text = [](const S& s) { return FullPrecisionText(s.decel_factor); };
  keys.push_back(std::move(decel));
  keys.push_back(WholeTextKey("PrintMargin", &S::print_margin));
  keys.push_back(WholeTextKey("EditWindowSize", &S::edit_window_size));
  keys.push_back(NumberKey("RapidCutoff", &S::rapid_cutoff));
  keys.push_back(NumberKey("RapidFeed", &S::rapid_feed));
  keys.push_back(NumberKey("FeedCutoff", &S::feed_cutoff));
  keys.push_back(WholeTextKey("BlockIncrement", &S::block_increment));
  keys.push_back(WholeTextKey("StartBlock", &S::start_block));
  keys.push_back(Key(
      "SystemType",
      [](S& s, const std::string& v) {
        const auto n = ReadIntegerValue(v);
        if (n && *n >= 1 && *n <= 3) s.system_type = static_cast<SystemType>(*n);
      },
      [](const S& s) { return WholeNumberText(static_cast<int>(s.system_type)); }));
  keys.push_back(NumberKey("RotaryRapid", &S::rotary_rapid));
  const char* rotary_keys[] = {"RotaryA", "RotaryB", "RotaryC"};
  for (size_t axis = 0; axis < 3; ++axis) {
    keys.push_back(Key(
        rotary_keys[axis],
        [axis](S& s, const std::string& v) {
          if (auto n = ReadIntegerValue(v)) s.rotary_axis[axis] = *n;
        },
        [axis](const S& s) { return WholeNumberText(s.rotary_axis[axis]); }));
  }
  keys.push_back(IntegerKey("ArcType", &S::arc_type));
  keys.push_back(IntegerKey("SolidLayer", &S::solid_layer));
}

void AddEditorAndSyntax(std::vector<MachineKey>& keys) {
  keys.push_back(FlagKey("LatheMinus", &S::lathe_minus));
  keys.push_back(FlagKey("TwinTurrets", &S::twin_turrets));
  keys.push_back(FlagKey("RecallFiles", &S::recall_files));
  keys.push_back(IntegerKey("FileSaveStyle", &S::file_save_style));
  keys.push_back(IntegerKey("CodeFormat", &S::code_format));
  keys.push_back(FlagKey("MirrorLatheCad", &S::mirror_lathe_cad));
  keys.push_back(TextKey("AddressOrder", &S::address_order, kMaxAddressOrder));
  keys.push_back(TextKey("CommentChar", &S::comment_char, 1));
  keys.push_back(TextKey("EndCommentChar", &S::end_comment_char, 1));
  keys.push_back(TextKey("MultiAddress", &S::multi_address));
  keys.push_back(TextKey("IgnoreChar", &S::ignore_char));
  const char axes[] = "XYZABC";
  for (size_t i = 0; i < 6; ++i) {
    keys.push_back(Key(
        std::string("SldWrks") + axes[i], [i](S& s, const std::string& v) { s.sldwrks[i] = v; },
        [i](const S& s) { return s.sldwrks[i]; }));
  }
  keys.push_back(TextKey("ModelLinkFile", &S::model_link_file));
  keys.push_back(TextKey("VarPrefix", &S::var_prefix, 1));
  keys.push_back(TextKey("CustomScript", &S::custom_script));
  keys.push_back(TextKey("Stamp", &S::stamp, kMaxStamp));
  keys.push_back(FlagKey("ClipDraw", &S::clip_draw));
  keys.push_back(FlagKey("SaveToolbarPos", &S::save_toolbar_pos));
}

void AddTablesAndFormats(std::vector<MachineKey>& keys) {
  for (size_t i = 0; i < kToolBoxButtons; ++i) {
    MachineKey key = Key(
        "ToolBox" + std::to_string(i + 1),
        [i](S& s, const std::string& v) { s.toolbox[i] = ParseToolBoxButton(v); },
        [i](const S& s) { return ToolBoxButtonText(s.toolbox[i]); });
    key.only_when_set = true;
    keys.push_back(std::move(key));
  }
  keys.push_back(Key(
      "Use", [](S& s, const std::string& v) { s.use = ParseUseFlags(v); },
      [](const S& s) { return UseFlagsText(s.use); }));
  keys.push_back(Key(
      "Highlight", [](S& s, const std::string& v) { s.highlight = ParseHighlight(v); },
      [](const S& s) { return HighlightText(s.highlight); }));
  for (size_t i = 0; i < kMacroCallRows; ++i) {
    MachineKey key = Key(
        "Macro" + std::to_string(i + 1),
        [i](S& s, const std::string& v) { s.macros[i] = ParseMacroCallRow(v); },
        [i](const S& s) { return MacroCallRowText(s.macros[i]); });
    key.only_when_set = true;
    keys.push_back(std::move(key));
  }
  for (size_t i = 0; i < kCustomPrograms; ++i) {
    keys.push_back(Key(
        "EXEC" + std::to_string(i + 1), [i](S& s, const std::string& v) { s.exec[i] = v; },
        [i](const S& s) { return s.exec[i]; }));
  }
  // Letter formats stay text here; the word-format table interprets them.
  for (size_t i = 0; i < kLetterCount; ++i) {
    keys.push_back(Key(
        std::string(1, static_cast<char>('A' + i)),
        [i](S& s, const std::string& v) {
          if (!v.empty()) s.letter_formats[i] = v;
        },
        [i](const S& s) { return s.letter_formats[i]; }));
  }
}

void AddReadOnlySessionAndFont(std::vector<MachineKey>& keys) {
  keys.push_back(NumberKey("MaxRPM", &S::max_rpm, KeyGroup::kReadOnly));
  keys.push_back(IntegerKey("MaxClip", &S::max_clip, KeyGroup::kReadOnly));
  keys.push_back(Key(
      "HomeXYZ", [](S& s, const std::string& v) { s.home_xyz = ParseHomeXyz(v); },
      [](const S& s) { return HomeXyzText(s.home_xyz); }, KeyGroup::kReadOnly));
  keys.push_back(TextKey("CADFile", &S::cad_file, std::string::npos, KeyGroup::kSession));
  keys.push_back(TextKey("NCFile", &S::nc_file, std::string::npos, KeyGroup::kSession));
  keys.push_back(IntegerKey("StartWidth", &S::start_width, KeyGroup::kSession));
  keys.push_back(IntegerKey("StartHeight", &S::start_height, KeyGroup::kSession));
  keys.push_back(IntegerKey("StartLeft", &S::start_left, KeyGroup::kSession));
  keys.push_back(IntegerKey("StartTop", &S::start_top, KeyGroup::kSession));
  keys.push_back(IntegerKey("StartEditWidth", &S::start_edit_width, KeyGroup::kSession));
  keys.push_back(TextKey("FontName", &S::font_name, std::string::npos, KeyGroup::kFont));
  keys.push_back(IntegerKey("FontSize", &S::font_size, KeyGroup::kFont));
  keys.push_back(Key(
      "FontStyle", [](S& s, const std::string& v) { s.font_style = ParseFontStyle(v); },
      [](const S& s) { return FontStyleText(s.font_style); }, KeyGroup::kFont));
  keys.push_back(LongIntegerKey("FontColor", &S::font_color, KeyGroup::kFont));
}

std::vector<MachineKey> BuildKeys() {
  std::vector<MachineKey> keys;
  keys.push_back(TextKey("NCExtension", &S::nc_extension));
  keys.push_back(TextKey("MachineName", &S::machine_name));
  AddDirectories(keys);
  AddScreenAndMachineWords(keys);
  AddPunch(keys);
  AddPlotTimeAndFeeds(keys);
  AddEditorAndSyntax(keys);
  AddTablesAndFormats(keys);
  AddReadOnlySessionAndFont(keys);
  return keys;
}

}  // namespace

const std::vector<MachineKey>& MachineKeys() {
  static const std::vector<MachineKey> keys = BuildKeys();
  return keys;
}

void MendMachineSettings(MachineSettings& s, const std::string& install_dir) {
  if (s.file_save_style < 1 || s.file_save_style > 3) s.file_save_style = 1;
  if (s.solid_layer < 1 || s.solid_layer > 254) s.solid_layer = 254;
  if (s.plot_speed < 1) s.plot_speed = 1;
  if (s.comment_char.empty()) s.comment_char = "(";
  if (s.end_comment_char.empty() && s.comment_char == "(") s.end_comment_char = ")";
  s.use.Set(kUseMacros, true);  // macros are always interpreted
  if (s.system_type == SystemType::kMill) s.x_radius = true;
  if (s.picture_path.empty()) s.picture_path = install_dir;
}

MachineSettings ReadMachineSettings(const IniFile& file, const std::string& install_dir) {
  MachineSettings s;
  s.end_comment_char.clear();  // a missing end character follows the comment character
  for (const auto& key : MachineKeys()) {
    if (auto value = file.Find(kMachineSection, key.name)) key.read(s, *value);
  }
  MendMachineSettings(s, install_dir);
  return s;
}

void WriteMachineKeys(const MachineSettings& settings, KeyGroup group, IniFile& file) {
  for (const auto& key : MachineKeys()) {
    if (key.group == KeyGroup::kReadOnly) continue;
    if (group != KeyGroup::kMachine && key.group != group) continue;
    const std::string text = key.text(settings);
    if (key.only_when_set && text.empty() && !file.Has(kMachineSection, key.name)) continue;
    file.Set(kMachineSection, key.name, text);
  }
}

}  // namespace vormak
