#include "app/batch_cam.h"

#include <cstdlib>
#include <map>
#include <sstream>

#include "cad/cad_session.h"
#include "cam/cam_commands.h"
#include "cam/contour.h"
#include "cam/lathe_rough.h"
#include "interp/block_interpreter.h"
#include "interp/run_driver.h"
#include "ncfiles/nc_files.h"
#include "nctext/block_words.h"
#include "nctext/pane_services.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::batch {

namespace {

bool Number(const std::string& text, double& value) {
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return !text.empty() && end != text.c_str() && *end == '\0';
}

// NAME=VALUE words; false for a word without "=" or a name not in `names`.
bool Pairs(const std::string& rest, std::initializer_list<const char*> names,
           std::map<std::string, std::string>& out) {
  std::istringstream in(rest);
  std::string word;
  while (in >> word) {
    const size_t eq = word.find('=');
    if (eq == std::string::npos) return false;
    const std::string name = word.substr(0, eq);
    bool known = false;
    for (const char* n : names) known = known || name == n;
    if (!known) return false;
    out[name] = word.substr(eq + 1);
  }
  return true;
}

void Start(Workbench& bench, CadView& view, std::unique_ptr<PickCommand> command) {
  StartCadCommand(bench, view, std::move(command));
}

}  // namespace

CamLineResult RunCamLine(Workbench& bench, CadView& view, const std::string& verb,
                         const std::string& rest, std::string& error) {
  const auto bad = [&](const char* usage) {
    error = usage;
    return CamLineResult::kBad;
  };
  if (verb == "command" && rest.rfind("CAM/", 0) == 0) {
    auto command = MakeCamCommand(bench, rest.substr(4));
    if (!command) return bad("no CAM command");
    Start(bench, view, std::move(command));
  } else if (verb == "nc") {
    if (rest.empty() || !LoadNCFile(bench, rest)) return bad("nc FILE: cannot load it");
  } else if (verb == "tool") {
    std::string text = rest;
    const CommentChars chars = CommentCharsOf(bench.settings);
    if (text.find(chars.begin) == std::string::npos) {
      text = std::string(1, chars.begin) + text;
      if (chars.end != 0) text += chars.end;
    }
    InterpretLine(bench, text);
  } else if (verb == "offset") {
    double r = 0;
    if (!Number(rest, r)) return bad("offset R");
    bench.interp.comp.radius_offset[ToolShapes::Index(bench.tools.current_turret)] = r;
  } else if (verb == "caret") {
    double line = 0;
    if (!Number(rest, line) || line < 1) return bad("caret LINE");
    GoToLine(bench, bench.active_pane, static_cast<int>(line));
  } else if (verb == "insert") {
    static const std::map<std::string, InsertCommand> kInserts{
        {"X", InsertCommand::kX},   {"Y", InsertCommand::kY},   {"Z", InsertCommand::kZ},
        {"XY", InsertCommand::kXY}, {"XZ", InsertCommand::kXZ}, {"Arc", InsertCommand::kArc}};
    const auto which = kInserts.find(rest);
    if (which == kInserts.end()) return bad("insert X|Y|Z|XY|XZ|Arc");
    InsertCommandValue(bench, which->second);
  } else if (verb == "auto-insert") {
    if (rest != "on" && rest != "off") return bad("auto-insert on|off");
    bench.cam.auto_insert = rest == "on";
  } else if (verb == "contour") {
    if (rest == "insert") {
      CadEscape(bench);
      InsertContour(bench);
      return CamLineResult::kDone;
    }
    if (rest == "end") {
      Start(bench, view, MakeEndEntityCommand(bench));
      return CamLineResult::kDone;
    }
    std::map<std::string, std::string> pairs;
    ContourChoices& c = bench.cam.contour;
    double stock = 0, radius = 0;
    const char* usage = "contour side=left|right stock=S radius=R, contour end, contour insert";
    if (!Pairs(rest, {"side", "stock", "radius"}, pairs)) return bad(usage);
    if (pairs.count("side") && pairs["side"] != "left" && pairs["side"] != "right") {
      return bad(usage);
    }
    if (pairs.count("stock") && !Number(pairs["stock"], stock)) return bad(usage);
    if (pairs.count("radius") && !Number(pairs["radius"], radius)) return bad(usage);
    c.right = pairs["side"] == "right";
    c.leave_stock = pairs.count("stock") != 0;
    c.stock = stock;
    if (pairs.count("radius")) c.tool_radius = radius;
    Start(bench, view, MakeContourCommand(bench));
  } else if (verb == "rough") {
    std::map<std::string, std::string> pairs;
    RoughChoices& r = bench.cam.rough;
    double z = 0, lo = r.min_depth, hi = r.max_depth;
    const char* usage = "rough z=Z min=DEPTH max=DEPTH";
    if (!Pairs(rest, {"z", "min", "max"}, pairs) || !pairs.count("z") || !Number(pairs["z"], z)) {
      return bad(usage);
    }
    if (pairs.count("min") && !Number(pairs["min"], lo)) return bad(usage);
    if (pairs.count("max") && !Number(pairs["max"], hi)) return bad(usage);
    r.boundary = z;
    r.have_boundary = true;
    // The dialog exchanges a minimum above the maximum.
    r.min_depth = std::min(lo, hi);
    r.max_depth = std::max(lo, hi);
    Start(bench, view, MakeRoughingCommand(bench));
  } else {
    return CamLineResult::kNotCam;
  }
  return CamLineResult::kDone;
}

}  // namespace vormak::batch
