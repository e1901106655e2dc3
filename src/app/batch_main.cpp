// vormak-batch: the engine's commands without a window.
#include <cstdio>
#include <string>

#include "app/batch_commands.h"

#ifdef VORMAK_PICTURE_PROGRAM
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#endif

namespace vormak::batch {
namespace {

// One line a subcommand; keep them in alphabetical order.
const Subcommand kSubcommands[] = {
    {"add-spaces", "add-spaces FILE [...] [--cancel]", RunAddSpaces},
    {"apt", kAptUsage, RunApt},
    {"bolt-circle", kBoltCircleUsage, RunBoltCircle},
    {"break-arcs", "break-arcs FILE [...] [--cancel]", RunBreakArcs},
    {"cad", "cad [DRAWING] --commands FILE [--machine M] [-o OUT] [--nc-out OUT]", RunCad},
    {"calc", kCalcUsage, RunCalc},
    {"catalogue", "catalogue [--machine M]", RunCatalogue},
    {"change", "change --find TEXT --to TEXT FILE [...]", RunChange},
    {"check", "check FILE [--machine M] [--lines A-B] [-o OUT]", RunCheck},
    {"comment", "comment FILE [...] [--cancel]", RunComment},
    {"compnc", "compnc FILE --offset R --side left|right [--times N] [--leave-original] [...]",
     RunCompNcCommand},
    {"convert", "convert IN OUT", RunConvert},
    {"elements", "elements FILE", RunElements},
    {"eval", "eval EXPR...", RunEval},
    {"format", "format [--machine F] LETTER VALUE...", RunFormat},
    {"motion-code", "motion-code FILE --line N --g 0..3 [--machine M] [-o OUT]", RunMotionCode},
    {"order", "order [--order TEXT] [--sort] [--strip LETTERS] FILE [...]", RunOrder},
    {"plain", "plain VALUE...", RunPlain},
    {"plot", kPlotUsage, RunPlot},
    {"print", kPrintUsage, RunPrint},
    {"punch", "punch FILE --port DEV [--machine M] [--code C] [--without-comments]", RunPunch},
    {"read", "read [--machine F] LETTER TEXT... | read --port DEV -o OUT ...", RunReadCommand},
    {"reformat", kReformatUsage, RunReformat},
    {"remove", "remove --addresses LETTERS FILE [...]", RunRemove},
    {"remove-blanks", "remove-blanks FILE [...] [--cancel]", RunRemoveBlanks},
    {"remove-spaces", "remove-spaces FILE [...] [--cancel]", RunRemoveSpaces},
    {"remove-time", "remove-time FILE [...] [--cancel]", RunRemoveTime},
    {"renumber",
     "renumber [--start N] [--increment N] [--address L] [--existing-only] [--include-comments] "
     "[--include-o] FILE [...]",
     RunRenumber},
    {"reverse", "reverse FILE [...] [--cancel]", RunReverse},
    {"rotate", kRotateUsage, RunRotate},
    {"scale", "scale --addresses LETTERS --factor F FILE [...]", RunScale},
    {"script",
     "script SCRIPT FILE [--machine M] [--caret LINE] [--select A-B] [--vars OUT] [--cancel] "
     "[--max-steps N] [-o OUT]",
     RunScriptCommand},
    {"settings", "settings MACHINE_FILE", RunSettings},
    {"shift", "shift --add L=VALUE [--add L=VALUE ...] FILE [...]", RunShift},
    {"switch-address", "switch-address --a L --b L [--reverse-a] [--reverse-b] FILE [...]",
     RunSwitchAddress},
    {"switch-axis",
     "switch-axis [--x L] [--y L] [--z L] [--reverse-x] [--reverse-y] [--reverse-z] FILE [...]",
     RunSwitchAxis},
    {"tool", "tool TEXT [--machine M]", RunTool},
    {"toolbox", "toolbox FILE --line N --command TEXT [--machine M] [-o OUT]", RunToolbox},
    {"twin", "twin FILE [--machine M] [--panes CSV] [--lineup-only] [--cancel] [-o OUT]", RunTwin},
    {"uncomment", "uncomment FILE [...] [--cancel]", RunUncomment},
    {"word", "word [--machine F] [--implied] [--cancel] ADDRESS BLOCK", RunWord},
};

int Usage(FILE* out) {
  std::fprintf(out, "usage: vormak-batch SUBCOMMAND [options] FILE\n\nsubcommands:\n");
  for (const auto& s : kSubcommands) std::fprintf(out, "  %s\n", s.usage);
  std::fprintf(out,
               "\n[...] after FILE: [--machine M] [--lines A-B] [-o OUT]; M is a machine file or "
               "a machine number of vormak.ini\n");
  return out == stdout ? 0 : 2;
}

#ifdef VORMAK_PICTURE_PROGRAM
// Runs that draw a picture: every print, and a plot to PNG, in the solid view or with the
// crash check (both draw the stock on the raster).
bool DrawsPicture(int argc, char** argv) {
  const std::string_view name = argv[1];
  if (name == "print") return true;
  if (name != "plot") return false;
  for (int i = 2; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--png" || a == "--solid" || a == "--crash-check") return true;
  }
  return false;
}

// Hands the run to the picture program that lies beside this one; returns only when it could
// not be started.
int RunPictureProgram(char** argv) {
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::string program = (self.parent_path() / VORMAK_PICTURE_PROGRAM).string();
  if (!error) execv(program.c_str(), argv);
  std::fprintf(stderr, "vormak-batch: cannot start %s for the picture: %s\n", program.c_str(),
               std::strerror(error ? error.value() : errno));
  return 1;
}
#endif

}  // namespace
}  // namespace vormak::batch

int main(int argc, char** argv) {
  using namespace vormak::batch;
  if (argc < 2) return Usage(stderr);
#ifdef VORMAK_PICTURE_PROGRAM
  if (DrawsPicture(argc, argv)) return RunPictureProgram(argv);
#endif
  const std::string name = argv[1];
  if (name == "--help" || name == "-h") return Usage(stdout);
  for (const auto& s : kSubcommands) {
    if (name == s.name) return s.run(Args(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "vormak-batch: unknown subcommand '%s'\n", name.c_str());
  return Usage(stderr);
}
