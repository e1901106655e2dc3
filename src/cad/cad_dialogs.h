#pragma once
// The dialogs of the CAD commands, asked through the host: Radius, Angle, Offset Element,
// Chamfer, Text, Rotate CAD, Mirror CAD and Scale CAD. Each keeps its last value where the
// command state keeps it.

#include <optional>
#include <string>

#include "cad/pick_command.h"
#include "nctext/form_dialog.h"

namespace vormak {

FormField ValueField(const std::string& caption, double value);
FormField TextField(const std::string& caption, const std::string& value);
FormField CheckField(const std::string& caption, bool checked);
// The number in a field; `fallback` when the field is missing or holds no number.
double FieldNumber(const FormRequest& form, const std::string& name, double fallback);
bool FieldChecked(const FormRequest& form, const std::string& name);

// Each false when cancelled (the Radius and Chamfer dialogs have only OK).
bool AskRadius(CadContext& context);
bool AskAngle(CadContext& context);
bool AskOffset(CadContext& context);
bool AskChamfer(CadContext& context);
bool AskText(CadContext& context);

struct RotateAnswer {
  Point centre;
  double degrees = 0;
  int times = 1;
  bool leave_original = true;
};
std::optional<RotateAnswer> AskRotate(CadContext& context, const Point& centre);

enum class MirrorAxis { kX, kY, kZ };
struct MirrorAnswer {
  MirrorAxis about = MirrorAxis::kX;
  bool copy = true;
};
std::optional<MirrorAnswer> AskMirror(CadContext& context);

std::optional<double> AskScale(CadContext& context);

struct OffsetGroupAnswer {
  Point by;
  bool leave_original = true;
  int times = 1;
};
std::optional<OffsetGroupAnswer> AskOffsetGroup(CadContext& context);

}  // namespace vormak
