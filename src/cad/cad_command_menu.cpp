#include "cad/cad_command_menu.h"

#include <array>

#include "cad/cmd_analyse.h"
#include "cad/cmd_annotate.h"
#include "cad/cmd_construction.h"
#include "cad/cmd_trim.h"
#include "cad/cmd_xform.h"

namespace vormak {

namespace {

std::string WithoutAmpersand(const std::string& caption) {
  std::string out;
  for (char c : caption) {
    if (c != '&') out += c;
  }
  return out;
}

constexpr std::array<const char*, 9> kHints = {"Pick End Point",
                                               "Pick Intersection",
                                               "Pick at Cursor Location",
                                               "Pick Mid Point",
                                               "Pick Center",
                                               "Pick Only Existing Points",
                                               "Pick Inside Window",
                                               "Pick Closest Point on Element",
                                               "Keyboard Input Position"};

}  // namespace

const std::vector<CadMenuCommand>& CadMenuCommands() {
  static const std::vector<CadMenuCommand> kCommands = {
      {"&Points", "&1. X, Y, Z"},
      {"&Points", "&2. On Arc at Angle"},
      {"&Lines", "&1. 2 Points"},
      {"&Lines", "&2. Point, Angle"},
      {"&Lines", "&3. Point, Tan to Arc"},
      {"&Lines", "&4. Perpendicular, Point"},
      {"&Lines", "&5. Parallel, Point"},
      {"&Lines", "&6. Parallel, Offset"},
      {"&Lines", "&7. Tangent to 2 Arcs"},
      {"&Lines", "&8. Tangent to Arc, Angle"},
      {"&Lines", "&Horizontal"},
      {"&Lines", "&Vertical"},
      {"&Circles", "&1. Center, Radius"},
      {"&Circles", "&2. Center, Tangent"},
      {"&Circles", "&3. Tangent, Through Point"},
      {"&Circles", "&4. Center, Through Point"},
      {"&Circles", "&5. Offset Size"},
      {"&Circles", "&6. Through 3 Points"},
      {"&Circles", "&7. Tangent to 2 Elements"},
      {"&Circles", "&8. Two Points, Radius"},
      {"&Circles", "&9. Tangent, 2 Points, Element"},
      {"&Circles", "&Between 2 points"},
      {"&Circles", "&Tangent 3 Lines"},
      {"", "&Text..."},
      {"", "&Arrowhead"},
      {"Tr&im", "&1 Object"},
      {"Tr&im", "&2 Object"},
      {"Tr&im", "&To Point"},
      {"Tr&im", "&Break"},
      {"Tr&im", "&Fillet"},
      {"Tr&im", "&Chamfer"},
      {"&Xform", "&Rotate"},
      {"&Xform", "&Move"},
      {"&Xform", "&Copy"},
      {"&Xform", "Mirro&r"},
      {"&Xform", "&Scale"},
      {"&Xform", "&Offset..."},
      {"&Analyse", "&Element"},
      {"&Analyse", "&Distance"},
      {"&Analyse", "&Angle"},
      {"&Analyse", "&Point"},
  };
  return kCommands;
}

std::string CadCommandPath(const CadMenuCommand& entry) {
  const std::string item = WithoutAmpersand(entry.item);
  return entry.menu.empty() ? item : WithoutAmpersand(entry.menu) + "/" + item;
}

std::unique_ptr<PickCommand> MakeCadCommand(const std::string& path) {
  const size_t slash = path.find('/');
  const std::string menu = slash == std::string::npos ? std::string{} : path.substr(0, slash);
  const std::string item = slash == std::string::npos ? path : path.substr(slash + 1);
  if (menu.empty()) {
    if (item == "Text" || item == "Text...") return MakeTextCommand();
    if (item == "Arrowhead") return MakeArrowheadCommand();
    return nullptr;
  }
  if (menu == "Points") return MakePointCommand(item);
  if (menu == "Lines") return MakeLineCommand(item);
  if (menu == "Circles") return MakeCircleCommand(item);
  if (menu == "Trim") {
    if (item == "1 Object") return MakeTrimCommand(TrimKind::kOneObject);
    if (item == "2 Object") return MakeTrimCommand(TrimKind::kTwoObjects);
    if (item == "To Point") return MakeTrimCommand(TrimKind::kToPoint);
    if (item == "Break") return MakeTrimCommand(TrimKind::kBreak);
    if (item == "Fillet") return MakeFilletCommand();
    if (item == "Chamfer") return MakeChamferCommand();
  }
  if (menu == "Xform") {
    if (item == "Rotate") return MakeRotateCommand();
    if (item == "Move") return MakeMoveCommand(false);
    if (item == "Copy") return MakeMoveCommand(true);
    if (item == "Mirror") return MakeMirrorCommand();
    if (item == "Scale") return MakeScaleCommand();
    if (item == "Offset" || item == "Offset...") return MakeOffsetGroupCommand();
  }
  if (menu == "Analyse") {
    if (item == "Element") return MakeAnalyseCommand(Analysis::kElement);
    if (item == "Distance") return MakeAnalyseCommand(Analysis::kDistance);
    if (item == "Angle") return MakeAnalyseCommand(Analysis::kAngle);
    if (item == "Point") return MakeAnalyseCommand(Analysis::kPoint);
  }
  return nullptr;
}

std::optional<PickMode> PickModeOfHint(const std::string& hint) {
  for (size_t i = 0; i < kHints.size(); ++i) {
    if (hint == kHints[i]) return static_cast<PickMode>(i);
  }
  return std::nullopt;
}

const char* PickModeHint(PickMode mode) {
  return kHints[static_cast<size_t>(mode)];
}

}  // namespace vormak
