// vormak-batch cad [DRAWING] --commands FILE [--machine M] [-o OUT]: the CAD menu's commands
// driven by a command file of menu picks, mouse picks, windows and dialog answers.
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "app/batch_cam.h"
#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "cad/cad_command_menu.h"
#include "cad/cad_session.h"
#include "cad/drawing_files.h"
#include "cad/element_edit.h"
#include "cad/element_geometry.h"
#include "cad/point_input.h"
#include "plot/plot_cad_view.h"
#include "plot/plot_window.h"
#include "settings/word_format.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::batch {

namespace {

constexpr char kUsage[] =
    "usage: vormak-batch cad [DRAWING] --commands FILE [--machine M] [-o OUT] [--nc-out OUT]\n";

void Say(const char* prefix, const std::string& text) {
  std::string line;
  for (char c : text) {
    if (c == '\r') continue;
    line += c == '\n' ? ' ' : c;
  }
  std::fprintf(stderr, "%s%s\n", prefix, line.c_str());
}

// Panels, messages and read-outs one per line on stderr; dialogs answered from the queue.
class CadHost : public ConsoleHost {
 public:
  struct Answers {
    bool cancel = false;
    std::vector<std::pair<std::string, std::string>> fields;
  };

  Answer Warning(const std::string& text, const std::string&) override {
    Say("message: ", text);
    return Answer::kOk;
  }
  void Information(const std::string& text, const std::string&) override { Say("message: ", text); }
  void SetCommandPanel(const std::string& text) override {
    if (!text.empty()) Say("command: ", text);
  }
  void SetPromptPanel(const std::string& text) override {
    if (!text.empty()) Say("prompt: ", text);
  }
  bool AskForm(FormRequest& form) override {
    if (!form.fields.empty() && form.fields[0].kind == FormField::Kind::kLine) {
      for (const FormField& line : form.fields) Say("analyse: ", line.value);
      form.pressed = form.buttons.empty() ? "OK" : form.buttons[0];
      return true;
    }
    form.pressed = "OK";
    if (queue.empty()) return true;
    const Answers answers = std::move(queue.front());
    queue.pop_front();
    if (answers.cancel && !form.OkOnly()) {
      form.pressed = "Cancel";
      return false;
    }
    for (const auto& [name, value] : answers.fields) {
      if (FormField* field = form.Field(name)) field->value = value;
    }
    return true;
  }

  std::deque<Answers> queue;
};

// The plot window of the run. A pick is given as a drawing point; the window turns it into a
// pixel, and the point itself is handed back for that pixel so that a pick at (1.5, 2) is
// taken there exactly, not at the nearest pixel.
class ExactView : public PlotCadView {
 public:
  using PlotCadView::PlotCadView;
  Point ScreenToView(PixelPoint pixel) const override {
    if (exact_ && pixel.x == pixel_.x && pixel.y == pixel_.y) return point_;
    return PlotCadView::ScreenToView(pixel);
  }
  PixelPoint Aim(const Point& world) {
    pixel_ = WorldToPixel(world);
    point_ = ToViewAxes(CurrentSlot(), world);
    exact_ = true;
    return pixel_;
  }

 private:
  bool exact_ = false;
  PixelPoint pixel_{};
  Point point_{};
};

// The editor pane as it stands after the run, with CR LF line ends.
bool WriteNcPane(Workbench& bench, const std::string& path) {
  std::ofstream file(path, std::ios::binary);
  const std::string text = bench.Pane(1)->GetText();
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  if (!out.empty() && out.back() != '\n') out += "\r\n";
  file << out;
  if (!file) {
    std::fprintf(stderr, "vormak-batch: cannot write '%s'\n", path.c_str());
    return false;
  }
  return true;
}

bool LoadMachine(Workbench& bench, const std::string& machine) {
  bench.locations = FindLocations("");
  std::string path = machine;
  if (!std::filesystem::exists(path)) {
    path = bench.locations.install_dir + "/machines/" + machine + ".ini";
  }
  if (!std::filesystem::exists(path)) {
    std::fprintf(stderr, "vormak-batch: no machine file '%s'\n", machine.c_str());
    return false;
  }
  bench.machines.Slot(1).path = path;
  if (!LoadMachineSettings(bench, 1)) return false;
  FillFormatSet1(bench.word_formats, bench.settings);
  return true;
}

// FIELD=VALUE pairs; a field's name may hold blanks, a value ends at the next blank except the
// last, which runs to the end of the line (a text to place may hold blanks).
bool ParseAnswers(const std::string& rest, CadHost::Answers& answers) {
  if (rest == "cancel") {
    answers.cancel = true;
    return true;
  }
  size_t at = 0;
  while (at < rest.size()) {
    const size_t eq = rest.find('=', at);
    if (eq == std::string::npos) return false;
    std::string name = rest.substr(at, eq - at);
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    const size_t next_eq = rest.find('=', eq + 1);
    size_t end = rest.size();
    if (next_eq != std::string::npos) {
      end = rest.find(' ', eq + 1);
      if (end == std::string::npos || end > next_eq) return false;
    }
    answers.fields.emplace_back(name, rest.substr(eq + 1, end - eq - 1));
    at = end;
  }
  return !answers.fields.empty();
}

bool Numbers(std::istringstream& in, double* values, int least, int most, int& count) {
  count = 0;
  std::string word;
  while (in >> word) {
    if (count == most) return false;
    char* end = nullptr;
    values[count] = std::strtod(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0') return false;
    ++count;
  }
  return count >= least;
}

class Runner {
 public:
  Runner(Workbench& bench, CadHost& host, ExactView& view)
      : bench_(bench), host_(host), view_(view) {}

  // False with the message on stderr for a line the runner does not understand.
  bool Line(const std::string& line, int number) {
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    std::string rest;
    std::getline(in, rest);
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.erase(0, 1);
    while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\r')) rest.pop_back();
    std::istringstream args(rest);
    double v[4];
    int n = 0;
    std::string cam_error;
    switch (RunCamLine(bench_, view_, verb, rest, cam_error)) {
      case CamLineResult::kDone:
        return true;
      case CamLineResult::kBad:
        return Fail(number, cam_error);
      case CamLineResult::kNotCam:
        break;
    }
    if (verb == "command") {
      auto command = MakeCadCommand(rest);
      if (!command) return Fail(number, "no CAD command '" + rest + "'");
      StartCadCommand(bench_, view_, std::move(command));
    } else if (verb == "mode") {
      const auto mode = PickModeOfHint(rest);
      if (!mode) return Fail(number, "no pick mode '" + rest + "'");
      bench_.cad.pick_mode = *mode;
    } else if (verb == "pick") {
      if (!Numbers(args, v, 2, 3, n)) return Fail(number, "pick X Y [Z]");
      CadPick(bench_, view_, view_.Aim(InView(v[0], v[1], n == 3 ? v[2] : 0)));
    } else if (verb == "window") {
      if (!Numbers(args, v, 4, 4, n)) return Fail(number, "window X1 Y1 X2 Y2");
      CadWindow(bench_, view_, view_.WorldToPixel(InView(v[0], v[1], 0)),
                view_.WorldToPixel(InView(v[2], v[3], 0)));
    } else if (verb == "answer") {
      CadHost::Answers answers;
      if (!ParseAnswers(rest, answers)) return Fail(number, "answer FIELD=VALUE ... or cancel");
      host_.queue.push_back(std::move(answers));
    } else if (verb == "key") {
      if (!Numbers(args, v, 3, 3, n)) return Fail(number, "key X Y Z");
      const bool lathe = bench_.settings.system_type == SystemType::kLathe;
      CadKeyIn(bench_, view_,
               KeyedPoint(v[0], v[1], v[2], lathe, lathe && !bench_.settings.x_radius));
    } else if (verb == "undo" && rest.empty()) {  // the Cad toolbar's "Undo Last CAD"
      UndoLastCad(bench_.cad.table, view_);
    } else if (verb == "escape") {
      CadEscape(bench_);
    } else if (verb == "group" && (rest == "all" || rest == "clear")) {
      if (rest == "all") {
        GroupElements(bench_.cad.table, view_, host_, GroupBy::kAll);
      } else {
        DissolveGroup(bench_.cad.table, view_);
      }
    } else if (verb == "view") {
      const std::map<std::string, int> slots{{"top", 1}, {"front", 2}, {"side", 3}, {"iso", 4}};
      const auto slot = slots.find(rest);
      if (slot == slots.end()) return Fail(number, "view top|front|side|iso");
      SelectView(bench_, slot->second);
    } else {
      return Fail(number, "unknown line '" + line + "'");
    }
    return true;
  }

 private:
  // A drawing point given in the two axes of the current view (and the third, when given).
  Point InView(double a, double b, double c) const {
    switch (bench_.plot.current) {
      case 2:
        return {a, c, b};
      case 3:
        return {c, a, b};
      default:
        return {a, b, c};
    }
  }
  static bool Fail(int number, const std::string& what) {
    std::fprintf(stderr, "vormak-batch: command file line %d: %s\n", number, what.c_str());
    return false;
  }

  Workbench& bench_;
  CadHost& host_;
  ExactView& view_;
};

}  // namespace

int RunCad(const Args& args) {
  std::string drawing, commands, machine = "mill", out, nc_out;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool has_value = i + 1 < args.size();
    if (args[i] == "--commands" && has_value) {
      commands = args[++i];
    } else if (args[i] == "--machine" && has_value) {
      machine = args[++i];
    } else if (args[i] == "-o" && has_value) {
      out = args[++i];
    } else if (args[i] == "--nc-out" && has_value) {
      nc_out = args[++i];
    } else if (drawing.empty() && !args[i].empty() && args[i][0] != '-') {
      drawing = args[i];
    } else {
      std::fputs(kUsage, stderr);
      return 2;
    }
  }
  if (commands.empty()) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  std::optional<DrawingFileType> out_type;
  if (!out.empty()) {
    out_type = DrawingTypeOfName(out);
    if (!out_type || *out_type == DrawingFileType::kT4g) {
      std::fprintf(stderr, "vormak-batch: '%s' is not a .cdl, .dxf or .igs file\n", out.c_str());
      return 2;
    }
  }
  std::ifstream file(commands);
  if (!file) {
    std::fprintf(stderr, "vormak-batch: cannot open '%s'\n", commands.c_str());
    return 1;
  }
  CadHost host;
  Workbench bench(host);
  if (!LoadMachine(bench, machine)) return 1;
  ResizePlotWindow(bench, 800, 600);
  if (!drawing.empty() && !ReadDrawingFile(bench, drawing)) return 1;
  ExactView view(bench);
  Runner runner(bench, host, view);
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    if (!runner.Line(line.substr(first), number)) return 1;
  }
  if (out_type && !WriteDrawing(bench, out, *out_type)) return 1;
  if (!nc_out.empty() && !WriteNcPane(bench, nc_out)) return 1;
  PrintElementTable(bench.cad.table, true);
  return 0;
}

}  // namespace vormak::batch
