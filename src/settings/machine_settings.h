#pragma once
// The current machine's settings: everything the machine tool dictates. Filled from the
// machine file (section "VORMAK") and written back to it; member defaults are the values a
// missing key reads as.

#include <array>
#include <string>

namespace vormak {

enum class SystemType { kLathe = 1, kMill = 2, kEdm = 3 };
enum class CadFileType { kCdl, kDxf, kIges };

// Option flags of the `Use` key, by field number (1..29).
enum UseFlag : int {
  kUseCodes = 1,
  kUseTools = 2,
  kUseSubprograms = 3,
  kUseG92G50 = 4,
  kUseRotary = 5,
  kUseCoolant = 6,
  kUseOffsets = 7,
  kUseBlockSkip = 8,
  kUseMacros = 9,
  kUseRapid45 = 10,
  kUseVariables = 11,
  kUseStopM00 = 12,
  kUseCrashCheck = 13,
  kUseField14 = 14,  // kept in its place, read by nothing
  kUseStepSubs = 15,
  kUseSaveBackup = 16,
  kUseCheckSyntax = 17,
  kUseStopBreakpoints = 18,
  kUseHighlight = 19,
  kUseCutterComp = 20,
  kUseArcOutputR = 21,
  kUseSpindle = 22,
  kUseSolidworks = 23,
  kUseWarnNoCoolant = 24,
  kUseWarnNoSpindle = 25,
  kUseUpperCase = 26,
  kUseStopTlTm = 27,
  kUseRevisions = 28,
  kUseStopM01 = 29,
};
inline constexpr int kUseFlagCount = 29;

class UseFlags {
 public:
  UseFlags() {
    on_[kUseCodes] = true;  // "1,1": Codes and Tools on
    on_[kUseTools] = true;
  }
  bool operator[](int field) const { return field >= 1 && field <= kUseFlagCount && on_[field]; }
  void Set(int field, bool value) {
    if (field >= 1 && field <= kUseFlagCount) on_[field] = value;
  }
  friend bool operator==(const UseFlags&, const UseFlags&) = default;

 private:
  std::array<bool, kUseFlagCount + 1> on_{};
};

// One highlight pair: a character and a colour number (1 red, 2 blue, 3 green, 4 magenta,
// 5 orange, 0 none). Pairs 1..6 colour address letters, pair 7 is the comment pair.
struct HighlightPair {
  char character = 0;
  int colour = 0;
  friend bool operator==(const HighlightPair&, const HighlightPair&) = default;
};

struct ToolBoxButton {
  std::string command;
  std::string bitmap;
  friend bool operator==(const ToolBoxButton&, const ToolBoxButton&) = default;
};

// A "Macro Call" row: a search name, a value and the program it calls.
struct MacroCallRow {
  std::string name;
  double value = 0;
  int program = 0;
  friend bool operator==(const MacroCallRow&, const MacroCallRow&) = default;
};

inline constexpr int kToolBoxButtons = 20;
inline constexpr int kMacroCallRows = 6;
inline constexpr int kCustomPrograms = 4;
inline constexpr int kLetterCount = 26;
inline constexpr const char* kDefaultLetterFormat = "000.0000,1,0,0";

struct MachineSettings {
  std::string nc_extension = "nc";
  std::string machine_name;
  std::string cdl_path;
  std::string dxf_path;
  std::string iges_path;
  std::string nc_path;
  std::string tool_path;
  std::string picture_path;  // empty at load becomes the installation directory
  std::string script_path;
  std::string project_path;
  int background_color = 0;  // 0 black, 1 white, 2 and 3 further schemes
  CadFileType cad_file_type = CadFileType::kCdl;
  bool vertical_lathe = false;  // Orientation "VERT"
  bool x_radius = false;        // XAxisDimension "RAD"
  int plot_speed = 50;          // 1..100
  bool upper_case = false;
  std::array<bool, 3> mirror{};  // X, Y, Z
  int punch_type = 1;            // 1 ASCII, 2 EIA, 3 ISO
  int comm_port = 2;             // 1..4
  int comm_baud_rate = 600;
  char comm_parity = 'N';  // O, E or N
  int comm_data_bits = 8;
  int comm_stop_bits = 1;
  int punch_wait = 0;
  int inches_leader = 20;
  int comm_handshake = 0;   // 0 none, 1 hardware, 2 XON/XOFF
  std::string comm_device;  // serial device path chosen on the Punch page; empty: from CommPort
  double plot_speed_factor = 5;
  double clip_tool_margin = 0.75;
  double corner_radius = 0.003;
  int solid_tool_color = 0;
  double decel_factor = 0.00002;
  long long print_margin = 5;
  // The editor side's share of the window at first: wide enough for a mill block.
  long long edit_window_size = 35;
  double rapid_cutoff = 0.05;
  double rapid_feed = 400.0;
  double feed_cutoff = 0.03;
  long long block_increment = 5;
  long long start_block = 5;
  SystemType system_type = SystemType::kLathe;
  double rotary_rapid = 2500;
  std::array<int, 3> rotary_axis{1, 2, 3};  // A, B, C rotate around 1 X, 2 Y, 3 Z
  int arc_type = 1;                         // 1 incremental centre, 2 absolute centre
  int solid_layer = 254;
  bool lathe_minus = false;
  bool twin_turrets = false;
  bool recall_files = false;
  int file_save_style = 1;  // 1 CR-LF, 2 CR, 3 LF
  int code_format = 0;      // 0 Fanuc, 1 Heidenhain, 2 Okuma
  bool mirror_lathe_cad = false;
  std::string address_order;  // at most 32 characters
  std::string comment_char = "(";
  std::string end_comment_char = ")";  // empty with "(" becomes ")"
  std::string multi_address;
  std::string ignore_char;
  std::array<std::string, 6> sldwrks{};  // X, Y, Z, A, B, C
  // Where the model link writes its "DIMENSION=value" lines; empty: no link.
  std::string model_link_file;
  std::string var_prefix = "#";
  std::string custom_script;
  std::string stamp;  // at most 30 characters
  bool clip_draw = false;
  bool save_toolbar_pos = false;
  std::array<ToolBoxButton, kToolBoxButtons> toolbox{};
  UseFlags use;
  std::array<HighlightPair, 7> highlight{};
  std::array<MacroCallRow, kMacroCallRows> macros{};
  std::array<std::string, kCustomPrograms> exec{"None", "None", "None", "None"};
  // Stored letter formats A..Z as written in the file; the word-format table reads them.
  std::array<std::string, kLetterCount> letter_formats{
      kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat,
      kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat,
      kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat,
      kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat,
      kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat,
      kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat, kDefaultLetterFormat,
      kDefaultLetterFormat, kDefaultLetterFormat};
  // Read only: never written back.
  double max_rpm = 3000.0;
  int max_clip = 0;
  std::array<double, 3> home_xyz{100.0, 100.0, 100.0};
  // Session keys, written at shut-down.
  std::string cad_file;
  std::string nc_file;
  int start_width = 0;
  int start_height = 0;
  int start_left = 0;
  int start_top = 0;
  // Width of the editor side in pixels as the programmer left it; 0 when never placed.
  int start_edit_width = 0;
  // Editor font.
  std::string font_name = "system";
  int font_size = 8;
  std::array<bool, 4> font_style{};  // bold, italic, underline, strike-out
  long long font_color = 16711680;   // Windows colour value 0x00BBGGRR (FF0000: blue)
  // Shown by the Configuration dialog but never written: last until the next load.
  std::string tool_library_file;

  friend bool operator==(const MachineSettings&, const MachineSettings&) = default;
};

}  // namespace vormak
