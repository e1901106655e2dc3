// vormak-batch calc: the machinist's calculator without its window. A formula page is filled,
// one of its buttons pressed, and every field printed as the window would show it; the Calc
// page takes its input lines one after another and prints the running list.
#include <cstdio>
#include <string>

#include "app/batch_commands.h"
#include "calc/calc_list.h"
#include "calc/calc_pages.h"

namespace vormak::batch {

const char kCalcUsage[] = "calc PAGE BUTTON [FIELD=VALUE ...] | calc Calc LINE...";

namespace {

int CalcUsage(const std::string& complaint) {
  std::fprintf(stderr, "vormak-batch: %s\nusage: vormak-batch %s\npages:", complaint.c_str(),
               kCalcUsage);
  for (const CalcPageDef& page : CalcPages()) std::fprintf(stderr, " \"%s\"", page.caption);
  std::fprintf(stderr, " \"Calc\"\n");
  return 2;
}

bool HasField(const CalcPageDef& page, const std::string& key) {
  for (const CalcFieldDef& field : page.fields) {
    if (key == field.key) return true;
  }
  return false;
}

int RunCalcList(const Args& args) {
  CalcList list;
  for (size_t i = 1; i < args.size(); ++i) EnterCalcLine(list, args[i]);
  for (const std::string& line : list.lines) std::printf("%s\n", line.c_str());
  return 0;
}

}  // namespace

int RunCalc(const Args& args) {
  if (args.empty()) return CalcUsage("no page named");
  if (args[0] == "Calc") return RunCalcList(args);
  const CalcPageDef* page = FindCalcPage(args[0]);
  if (page == nullptr) return CalcUsage("no page '" + args[0] + "'");
  if (args.size() < 2 || FindCalcButton(*page, args[1]) == nullptr) {
    std::string buttons;
    for (const CalcButtonDef& b : page->buttons) buttons += std::string(" ") + b.key;
    return CalcUsage("the buttons of " + args[0] + " are" + buttons);
  }
  CalcFieldTexts fields;
  for (size_t i = 2; i < args.size(); ++i) {
    const size_t equals = args[i].find('=');
    const std::string key = args[i].substr(0, equals);
    if (equals == std::string::npos || !HasField(*page, key)) {
      return CalcUsage("no field '" + key + "' on " + args[0]);
    }
    fields[key] = args[i].substr(equals + 1);
  }
  const CalcPress press = PressCalcButton(*page, args[1], fields);
  for (const CalcFieldDef& field : page->fields) {
    std::printf("%s=%s\n", field.key, fields[field.key].c_str());
  }
  if (!press.message.empty()) std::printf("message=%s\n", press.message.c_str());
  return 0;
}

}  // namespace vormak::batch
