#pragma once
// The backplotter's state: the word registers and modal G and M tables of each turret, the
// machine state both turrets share, the subprogram stack, the run driver's position in the
// program and the few globals the move executor keeps between moves.
//
// The block interpreter (block_interpreter.h, program_flow.h), the move executor (motion.h)
// and the run driver (run_driver.h) all read and write this one structure, held by the
// Workbench as `interp`.

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cad/palette.h"
#include "interp/line_cache.h"

namespace vormak {

class ModelLink;

inline constexpr int kTurretRegisters = 42;
inline constexpr int kGCodeFlags = 226;  // G0..G225
inline constexpr int kMCodeFlags = 376;  // M0..M375
inline constexpr int kSubprogramLevels = 6;
inline constexpr int kNotFound = -999;  // FindBlock / FindSubprogram: no such line

// Register numbers of a turret's word record.
enum TurretRegister : int {
  kRegMotion = 0,  // 0, 1, 2, 3, 100 or 130
  kRegM = 2,
  kRegPrevX = 3,
  kRegPrevY = 4,
  kRegPrevZ = 5,
  kRegX = 9,  // X is always a radius
  kRegY = 10,
  kRegZ = 11,
  kRegPrevA = 12,
  kRegPrevB = 13,
  kRegPrevC = 14,
  kRegRotA = 15,  // A, B, C last applied as a rotation
  kRegRotB = 16,
  kRegRotC = 17,
  kRegA = 18,
  kRegB = 19,
  kRegC = 20,
  kRegI = 21,
  kRegJ = 22,
  kRegK = 23,
  kRegF = 24,
  // A drilling cycle under G91: the level the tool stood at when the cycle began (its R word
  // is measured from there) and the last Z word (measured from the R level).
  kRegCycleInitialZ = 25,
  kRegCycleDepth = 26,
  kRegArcRadius = 28,
  kRegProgram = 30,
  kRegD = 31,
  kRegS = 32,
  kRegL = 33,
  kRegU = 34,
  kRegW = 35,
  kRegE = 36,
  kRegP = 37,
  kRegQ = 38,
  kRegR = 39,
  kRegPrevT = 40,
  kRegT = 41,
};

struct Xyz {
  double x = 0;
  double y = 0;
  double z = 0;
  friend bool operator==(const Xyz&, const Xyz&) = default;
};

// One turret's word registers and modal tables.
struct TurretState {
  std::array<double, kTurretRegisters> reg{};
  std::array<bool, kGCodeFlags> g{};
  std::array<bool, kMCodeFlags> m{};

  double& operator[](TurretRegister r) { return reg[static_cast<size_t>(r)]; }
  double operator[](TurretRegister r) const { return reg[static_cast<size_t>(r)]; }
  // Out-of-range codes read as clear and are never set.
  bool G(int code) const { return code >= 0 && code < kGCodeFlags && g[static_cast<size_t>(code)]; }
  bool M(int code) const { return code >= 0 && code < kMCodeFlags && m[static_cast<size_t>(code)]; }
  void SetG(int code, bool on) {
    if (code >= 0 && code < kGCodeFlags) g[static_cast<size_t>(code)] = on;
  }
  void SetM(int code, bool on) {
    if (code >= 0 && code < kMCodeFlags) m[static_cast<size_t>(code)] = on;
  }
};

// A rotation of the plot about one machine axis: angle in degrees and the centre in the plane
// normal to the axis (about X: Y, Z; about Y: X, Z; about Z: X, Y).
struct AxisRotation {
  double angle = 0;
  double c1 = 0;
  double c2 = 0;
};

// Machine state shared by both turrets.
struct MachineState {
  bool spindle_on = false;
  bool coolant_on = false;
  bool feed_per_rev = true;
  bool cycle_active = false;
  bool cancel_pending = false;   // G40 given, compensation to be cancelled on the next move
  bool lead_in_pending = false;  // G41/G42 while the contour command runs
  bool contour_mode = false;     // the contour command of the CAM module is running
  int work_offset_code = 54;
  std::array<Xyz, 6> work_offsets{};  // G54..G59
  Xyz common_offset;
  Xyz coordinate_shift;           // G92 (G50 on a lathe is the home position)
  Xyz home{100.0, 100.0, 100.0};  // HomeXYZ; G50 overwrites, G28 moves to it
  // Axis words present in the current block.
  bool word_x = false, word_y = false, word_z = false;
  bool word_i = false, word_j = false, word_k = false;
  bool rotary_word = false;  // the block holds an A, B or C word read with "Rotary" on
  // G28: the intermediate point the block names (its axis words as the current G90/G91 mode
  // reads them; axes not named stay where they are), passed on the way home.
  Xyz reference_via;
  std::array<AxisRotation, 3> rotation{};  // about X, Y, Z
  bool axis_swap = false;
  char swap_a = 'X';
  char swap_b = 'Y';
  Xyz program_shift;          // "TOF " X, Y, Z
  Xyz program_shift_ijk;      // "TOF " I, J, K
  bool ignore_block = false;  // "TIB " .. "TIE "
  bool trt_flag = false;      // "TRT " .. "TRO "
  bool comp_nc_mode = false;  // a compensation output mode is rewriting blocks
};

struct SubprogramEntry {
  int start_line = 1;
  int program = 0;
  int kind = 0;  // 98 for M98, 65 for G65
  int return_line = 0;
};

struct FlowState {
  std::array<SubprogramEntry, kSubprogramLevels> stack{};
  int level = 0;  // entries in use; 0 in the main program
  // A jump's target line is interpreted at once; a jump made by that line is left to the run
  // loop, so jumping back and forth never nests deeper.
  int jump_nesting = 0;
  int file_depth = 0;  // subprogram files and included files being run, one inside the other
};

// Where the run driver stands.
struct RunState {
  int current_line = 1;  // next line to interpret in the source pane
  int last_line = 0;     // last line of the run
  int line_count = 0;    // the pane's line count when the run started
  int mode = 0;          // 1 single line, 2 selected lines, 3 caret to end
  int repeat_count = 0;  // from the L word
  int turret = 1;        // the current turret
  int source_pane = 1;   // 1, or 4 while the contour dialog runs its own text
  bool running = false;
  long long lines_run = 0;        // lines interpreted since the run command started
  long long line_limit = 0;       // a run stops after this many lines; 0 for no limit
  bool stopped_at_limit = false;  // the last run had lines left when it met the limit
  // The program stop (0 for M00, 1 for M01) and its line that ended the last run; -1 for none.
  int program_stop = -1;
  int program_stop_line = 0;
  // Called every few hundred lines of a run so the window can repaint and stay responsive.
  std::function<void()> on_progress;
  // Called when a run ends: the plot status window shows the state it left.
  std::function<void()> on_run_end;
  // The room each turret's line is read into, kept from line to line.
  std::array<std::string, 2> line_room;
};

// One move as it was drawn, handed to whoever watches the plot (the batch trace, tests).
// Points as the executor received them (a lathe's (Z, X radius, 0)); centre and radius only
// for arcs.
enum class MoveKind { kRapid, kFeed, kArc };
struct DrawnMove {
  int line = 0;  // editor line of the block
  int turret = 1;
  MoveKind kind = MoveKind::kRapid;
  Xyz start;
  Xyz end;
  Xyz centre;
  double radius = 0;
  int direction = 0;  // 2 clockwise, 3 counter-clockwise; 0 for lines
  int plane = 1;      // arcs: 1 X-Y, 2 X-Z, 3 Y-Z
  // Arcs: degrees turned about the centre as the control turns them, negative clockwise (G2),
  // positive counter-clockwise (G3); a full circle is 360.
  double sweep = 0;
  std::int32_t colour = 0;
  int style = 1;
};

// What the move executor keeps between moves.
struct MotionState {
  std::int32_t pen_colour = palette::kAqua;
  std::int32_t rapid_colour = palette::kYellow;
  std::int32_t feed_colour = palette::kAqua;
  std::int32_t fast_feed_colour = palette::kRed;
  double last_end_x = 0;  // LastEndPoint: end of the last move after compensation
  double last_end_y = 0;
  bool skip_next_move = false;
  int rotary_axis_moved = 0;  // 1, 2, 3 for A, B, C
  bool rotary_feed_move = false;
  bool rotary_reverse = false;
  bool record_toolpath = false;
  bool solid_view = false;  // stock polygon drawn, the tool sweeps its solid outline
  bool animation = false;
  bool macro_out_incremental = false;  // Macro Out echo: absolute (start-up) or incremental
  // Where each turret's tool last stood, in the executor's coordinates (a lathe's (Z, X));
  // the insert commands read it.
  std::array<Xyz, 2> tool_position{};
  // The last arc of each turret as programmed (in its own plane, not mirrored below a lathe's
  // axis), for the status window.
  struct ArcShown {
    double radius = 0;
    double start_angle = 0;
    double end_angle = 0;
    // 2 clockwise, 3 counter-clockwise, as drawn with the plane's first axis to the right;
    // 0 before the first arc
    int direction = 0;
  };
  std::array<ArcShown, 2> last_arc{};
  // Called for every move that draws; empty when nobody watches.
  std::function<void(const DrawnMove&)> move_observer;
  std::string last_arc_block;  // the arc block the tool-path arc construction built last
};

// Cutter compensation between moves: the radius offset of each turret and what the look-ahead
// and the previous compensated move left behind.
struct CompensationState {
  std::array<double, 2> radius_offset{};  // "Tool Radius Offset" dialog and "TOR "
  int side = 41;                          // Comp NC: 41 left, 42 right of the direction of travel
  double amount = 0;                      // Comp NC: "Offset Amount"
  bool no_next_move = false;              // NoNextMove: the look-ahead found no further block
  bool active = false;    // the last move of turret 1 was compensated and ended at last_end
  double last_end_x = 0;  // that compensated end in the plot plane, work offsets included,
  double last_end_y = 0;  // kept apart from the second turret's moves
  Xyz program_end;        // the same point in program coordinates (a lathe's X as a radius)
  std::vector<int> passed_arc_lines;  // inside arcs the look-ahead passed over: not drawn
  int lines_removed = 0;  // Comp NC: inside-arc blocks deleted from the text in this pass
};

// Cycle 200 of the Q-parameter dialect: levels and feeds from the last G200 block, shared by
// both turrets and kept until the next G200.
struct Cycle200Parameters {
  double clearance_level = 0;   // Q203 + Q200: every plunge starts here
  double depth_level = 0;       // Q203 + Q201: the hole bottom
  double plunge_depth = 0;      // Q202: depth of each pass
  double plunge_feed = 0;       // Q206
  double dwell_top = 0;         // Q210, kept only
  double second_clearance = 0;  // Q204 as written: every retract and the tool after the cycle
  double surface = 0;           // Q203
};

struct CycleState {
  Cycle200Parameters cycle200;
  bool cycle200_called = false;    // M99 in that dialect; cleared when the hole is drilled
  bool drill_apt_pending = false;  // a drilling G word was read: its APT line follows the words
};

// Machining time of the run, in minutes, and the Time dialog's reports.
struct TimeState {
  // Time is counted only while this is on: the plot status window is open or the Time dialog's
  // run is going. Breakpoints and M00/M01 stops pass and M30 only stops the run while it is on.
  bool accounting = false;
  double block_time = 0;       // the block being interpreted
  double total_time = 0;       // since the last "Reset NC"
  double total_at_report = 0;  // the total when the last time report was written
  // What the Time dialog's run reports between the lines: 0 nothing, 489 asked for with no
  // choice (matches nothing), 490 after every M06, 491 before every T word, 492 before every
  // line holding `report_text`.
  int report_mode = 0;
  std::string report_text;
  bool insert_every_line = false;      // each timed line gets its block time in front
  bool infinite_speed_warned = false;  // a move of infinite speed was reported in this run
  // Called after each line of a run that took time, with its editor line and minutes; empty
  // when nobody watches (the batch block-time list does).
  std::function<void(int line, double minutes)> block_observer;
};

// The Macro Out file: while it is open every move of the plotter is echoed into it as a plain
// motion block.
struct MacroOutState {
  std::shared_ptr<std::FILE> file;
  std::string path;
  int plane = 1;  // the arc plane the file's blocks are in: 1 X-Y (G17), 2 X-Z, 3 Y-Z
};

// The APT file of the "APT Output" command: written under a scratch name while the program
// is plotted and renamed to the chosen name at the end.
struct AptOutputState {
  std::shared_ptr<std::FILE> file;
  std::string path;
  std::string scratch;
  int write_error = 0;  // errno of the first failed write; nothing more is written after it
};

struct InterpState {
  std::array<TurretState, 2> turret{};  // turret 1 at index 0
  MachineState machine;
  FlowState flow;
  RunState run;
  MotionState motion;
  CompensationState comp;
  CycleState cycles;
  TimeState time;
  MacroOutState macro_out;
  AptOutputState apt;
  ModelLink* model_link = nullptr;  // the CAD model that follows the plot; not owned, usually none
  LineCache line_cache;             // lines met again in loops and subprograms

  TurretState& Turret(int t) { return turret[t == 2 ? 1 : 0]; }
  const TurretState& Turret(int t) const { return turret[t == 2 ? 1 : 0]; }
  TurretState& Current() { return Turret(run.turret); }
};

}  // namespace vormak
