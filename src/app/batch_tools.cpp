// vormak-batch tool TEXT: one "TL ..." or "TM ..." comment line run on a machine, with the
// tool it defines printed: the result, the tool-nose record, the picture entries and the solid
// outline. vormak-batch catalogue: the tool catalogue's tree with the files it names.
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/batch_commands.h"
#include "app/batch_host.h"
#include "app/batch_nc_file.h"
#include "cam/tool_catalogue.h"
#include "interp/block_interpreter.h"
#include "interp/tool_load.h"
#include "nctext/block_words.h"
#include "settings/file_access.h"
#include "settings/number_text.h"
#include "settings/word_format.h"
#include "workbench/machine_file.h"
#include "workbench/workbench.h"

namespace vormak::batch {

namespace {

constexpr const char* kToolUsage = "tool TEXT [--machine M]";
constexpr const char* kCatalogueUsage = "catalogue [--machine M]";

// Says on standard error what the window would show in its prompt panel.
class ToolHost : public ConsoleHost {
 public:
  void SetPromptPanel(const std::string& text) override {
    std::fprintf(stderr, "%s\n", text.c_str() + (text.empty() || text[0] != ' ' ? 0 : 1));
  }
};

// Parses "[--machine M]" and at most one other argument into `text`.
bool ParseArgs(const Args& args, std::string& machine, std::string* text) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--machine" && i + 1 < args.size()) {
      machine = args[++i];
    } else if (text != nullptr && text->empty() && args[i].rfind("--", 0) != 0) {
      *text = args[i];
    } else {
      return false;
    }
  }
  return text == nullptr || !text->empty();
}

std::string Numbers(const std::array<double, 9>& d) {
  std::string line = std::to_string(static_cast<int>(d[0]));
  for (size_t i = 1; i < d.size(); ++i) line += "," + PlainNumberText(d[i]);
  return line;
}

void PrintTool(const Workbench& bench, bool loaded) {
  const size_t t = ToolShapes::Index(bench.interp.run.turret);
  const ToolShapes& tools = bench.tools;
  const ToolNose& nose = tools.turret[t];
  std::printf("%s\n", loaded ? "loaded" : "not loaded");
  std::printf("Name=%s\n", tools.tool_name[t].c_str());
  std::printf("CenterX=%s\nCenterZ=%s\nRadius=%s\nAngleOfWidth=%s\nWidth=%s\n",
              PlainNumberText(nose.centre_x).c_str(), PlainNumberText(nose.centre_z).c_str(),
              PlainNumberText(nose.nose_radius).c_str(), PlainNumberText(nose.angle).c_str(),
              PlainNumberText(nose.width).c_str());
  std::printf("Orientation=%d\nComment=%s\n", nose.orientation, nose.name.c_str());
  if (!loaded) return;
  for (const ToolEntry& e : tools.shape[t].entries) {
    std::printf("%s\n", Numbers(e.d).c_str());
    if (e.Kind() == kToolEnd) break;
  }
  for (const SolidCircle& c : tools.solid[t].circles) {
    std::printf("solid circle,%s,%s,%s\n", PlainNumberText(c.x).c_str(),
                PlainNumberText(c.y).c_str(), PlainNumberText(c.radius).c_str());
  }
  for (const SolidPoint& p : tools.solid[t].points) {
    std::printf("solid point,%s,%s\n", PlainNumberText(p.x).c_str(), PlainNumberText(p.y).c_str());
  }
}

}  // namespace

int RunTool(const Args& args) {
  std::string machine = "lathe", text;
  if (!ParseArgs(args, machine, &text)) {
    std::fprintf(stderr, "usage: vormak-batch %s\n", kToolUsage);
    return 2;
  }
  ToolHost host;
  Workbench bench(host);
  if (!LoadNamedMachine(bench, machine)) return 1;
  // A bare "TL NAME" is run as the comment it stands for in a program.
  const CommentChars chars = CommentCharsOf(bench.settings);
  if (text.find(chars.begin) == std::string::npos) {
    text = std::string(1, chars.begin) + text;
    if (chars.end != 0) text += chars.end;
  }
  InterpretLine(bench, text);
  const size_t t = ToolShapes::Index(bench.interp.run.turret);
  const bool loaded = bench.tools.loaded[t];
  PrintTool(bench, loaded);
  return loaded || bench.tools.tool_name[t] == "0" ? 0 : 1;
}

int RunCatalogue(const Args& args) {
  std::string machine = "lathe";
  if (!ParseArgs(args, machine, nullptr)) {
    std::fprintf(stderr, "usage: vormak-batch %s\n", kCatalogueUsage);
    return 2;
  }
  ConsoleHost host;
  Workbench bench(host);
  if (!LoadNamedMachine(bench, machine)) return 1;
  const std::string path = JoinPath(ToolDirectory(bench), kCatalogueFileName);
  Catalogue catalogue;
  if (!LoadCatalogue(path, catalogue)) {
    std::fprintf(stderr, "vormak-batch: cannot open '%s'\n", path.c_str());
    return 1;
  }
  for (const CatalogueGroup& group : catalogue.groups) {
    std::printf("%s,%d\n", group.caption.c_str(), group.image);
    for (const CatalogueTool& tool : group.tools) {
      const std::string file = ToolFilePath(bench, tool.file);
      std::error_code ec;
      std::printf("  %s,%d,%s -> %s%s\n", tool.caption.c_str(), tool.image, tool.file.c_str(),
                  file.c_str(), std::filesystem::exists(file, ec) ? "" : " (missing)");
    }
  }
  return 0;
}

}  // namespace vormak::batch
