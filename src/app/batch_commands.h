#pragma once
// The subcommands of vormak-batch. Each takes the arguments after its name and returns the
// process exit code (0 done, 1 failed, 2 bad usage).

#include <string>
#include <vector>

namespace vormak {
class Workbench;
struct ElementTable;
}  // namespace vormak

namespace vormak::batch {

using Args = std::vector<std::string>;

struct Subcommand {
  const char* name;
  const char* usage;  // one line, shown by `vormak-batch --help`
  int (*run)(const Args& args);
};

// Add new subcommands here, one line each, and list them in batch_main.cpp's table.
int RunSettings(const Args& args);
int RunEval(const Args& args);  // batch_words.cpp
int RunFormat(const Args& args);
int RunPlain(const Args& args);
int RunRead(const Args& args);
int RunWord(const Args& args);
int RunPunch(const Args& args);        // batch_dnc.cpp
int RunReadCommand(const Args& args);  // read --port: the tape reader; otherwise RunRead
int RunConvert(const Args& args);      // batch_drawing.cpp
int RunElements(const Args& args);
// A drawing read by its extension; false with the message on stderr.
bool ReadDrawingFile(Workbench& bench, const std::string& name);
// The table as `elements` prints it; `live_only` leaves deleted elements out.
void PrintElementTable(ElementTable& table, bool live_only);
int RunCad(const Args& args);       // batch_cad.cpp
int RunRenumber(const Args& args);  // batch_utilities.cpp
int RunChange(const Args& args);
int RunShift(const Args& args);
int RunScale(const Args& args);
int RunRemove(const Args& args);
int RunSwitchAxis(const Args& args);
int RunSwitchAddress(const Args& args);
int RunOrder(const Args& args);
int RunComment(const Args& args);  // batch_line_ops.cpp
int RunUncomment(const Args& args);
int RunRemoveSpaces(const Args& args);
int RunAddSpaces(const Args& args);
int RunRemoveBlanks(const Args& args);
int RunReverse(const Args& args);
int RunRemoveTime(const Args& args);
int RunBreakArcs(const Args& args);
extern const char kRotateUsage[];  // batch_rotate_reformat.cpp
extern const char kReformatUsage[];
int RunRotate(const Args& args);
int RunReformat(const Args& args);
extern const char kBoltCircleUsage[];  // batch_bolt_circle.cpp
int RunBoltCircle(const Args& args);
int RunCheck(const Args& args);          // batch_check.cpp
int RunCompNcCommand(const Args& args);  // batch_compnc.cpp
extern const char kPlotUsage[];          // the plot subcommand's options, for the usage texts
int RunPlot(const Args& args);           // batch_plot.cpp
int RunTool(const Args& args);           // batch_tools.cpp
int RunCatalogue(const Args& args);
int RunScriptCommand(const Args& args);  // batch_script.cpp
extern const char kCalcUsage[];
int RunCalc(const Args& args);  // batch_calc.cpp
extern const char kPrintUsage[];
int RunPrint(const Args& args);  // batch_print.cpp
extern const char kAptUsage[];
int RunApt(const Args& args);   // batch_apt.cpp
int RunTwin(const Args& args);  // batch_twin.cpp
int RunToolbox(const Args& args);  // batch_toolbox.cpp
int RunMotionCode(const Args& args);

}  // namespace vormak::batch
