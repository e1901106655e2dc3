// vormak-batch comment, uncomment, remove-spaces, add-spaces, remove-blanks, reverse,
// remove-time and break-arcs: the line operations of the Utilities2 menu on a program file.
#include <string>

#include "app/batch_commands.h"
#include "app/batch_nc_file.h"
#include "utilities/break_arcs.h"
#include "utilities/line_operations.h"

namespace vormak::batch {

namespace {

constexpr const char* kCommonOptions = " FILE [--machine M] [--lines A-B] [-o OUT] [--cancel]";

// Every line operation takes only the common options (and --cancel, for the warnings).
template <typename Operation>
int RunLineOperation(const Args& args, const char* name, Operation operation) {
  const std::string usage = std::string(name) + kCommonOptions;
  const NcOptionNames names{{}, {"--cancel"}};
  return RunOnFile(args, names, usage.c_str(), [&](const NcFileOptions& o, NcFileSession& s) {
    s.host().AnswerWarningsCancel(o.Has("--cancel"));
    operation(s.bench(), s.Range());
    return true;
  });
}

}  // namespace

int RunComment(const Args& args) {
  return RunLineOperation(args, "comment", [](Workbench& bench, LineRange range) {
    CommentLines(bench, 1, range, CommentMode::kComment);
  });
}

int RunUncomment(const Args& args) {
  return RunLineOperation(args, "uncomment", [](Workbench& bench, LineRange range) {
    CommentLines(bench, 1, range, CommentMode::kUncomment);
  });
}

int RunRemoveSpaces(const Args& args) {
  return RunLineOperation(args, "remove-spaces",
                          [](Workbench& bench, LineRange range) { RemoveSpaces(bench, 1, range); });
}

int RunAddSpaces(const Args& args) {
  return RunLineOperation(args, "add-spaces",
                          [](Workbench& bench, LineRange range) { AddSpaces(bench, 1, range); });
}

int RunRemoveBlanks(const Args& args) {
  return RunLineOperation(args, "remove-blanks", [](Workbench& bench, LineRange range) {
    RemoveBlankLines(bench, 1, range);
  });
}

int RunReverse(const Args& args) {
  return RunLineOperation(args, "reverse", [](Workbench& bench, LineRange range) {
    ReverseRange(bench, 1, range.first, range.last);
  });
}

int RunRemoveTime(const Args& args) {
  return RunLineOperation(args, "remove-time", [](Workbench& bench, LineRange range) {
    RemoveTimeComments(bench, 1, range);
  });
}

int RunBreakArcs(const Args& args) {
  return RunLineOperation(args, "break-arcs",
                          [](Workbench& bench, LineRange range) { BreakArcs(bench, 1, range); });
}

}  // namespace vormak::batch
