#include "cad/cad_dialogs.h"

#include <charconv>
#include <cmath>

#include "settings/number_text.h"

namespace vormak {

FormField ValueField(const std::string& caption, double value) {
  return {FormField::Kind::kValue, caption, PlainNumberText(value), {}, true};
}

FormField TextField(const std::string& caption, const std::string& value) {
  return {FormField::Kind::kValue, caption, value, {}, true};
}

FormField CheckField(const std::string& caption, bool checked) {
  return {FormField::Kind::kCheck, caption, checked ? "1" : "0", {}, true};
}

double FieldNumber(const FormRequest& form, const std::string& name, double fallback) {
  const FormField* field = form.Field(name);
  if (field == nullptr) return fallback;
  const std::string& text = field->value;
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return fallback;
  if (text[begin] == '+') ++begin;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + begin, text.data() + text.size(), value);
  if (error != std::errc{} || !std::isfinite(value)) return fallback;
  return value;
}

bool FieldChecked(const FormRequest& form, const std::string& name) {
  const FormField* field = form.Field(name);
  return field != nullptr && field->value != "0" && !field->value.empty();
}

namespace {

// One number in a dialog of its own; false when cancelled.
bool AskNumber(CadContext& context, const char* dialog, const char* caption, const char* field,
               bool ok_only, double& value) {
  FormRequest form{dialog, caption, {ValueField(field, value)}, {}, {}};
  if (ok_only) form.buttons = {"OK"};
  if (!context.host.AskForm(form)) return false;
  value = FieldNumber(form, FieldName(field), value);
  return true;
}

}  // namespace

bool AskRadius(CadContext& context) {
  return AskNumber(context, "TRadius", "Radius", "Radius:", true, context.Inputs().radius);
}

bool AskAngle(CadContext& context) {
  return AskNumber(context, "TAngle2", "Angle", "Angle:", false, context.Inputs().angle);
}

bool AskOffset(CadContext& context) {
  return AskNumber(context, "TOffset_Element", "Offset Element", "Offset Distance:", false,
                   context.Inputs().offset);
}

bool AskChamfer(CadContext& context) {
  return AskNumber(context, "TChamfer", "Chamfer", "Chamfer Size:", true, context.Inputs().chamfer);
}

bool AskText(CadContext& context) {
  FormRequest form{"TText", "Text", {TextField("Enter Text:", context.Inputs().text)}, {}, {}};
  if (!context.host.AskForm(form)) return false;
  context.Inputs().text = form.Field("Enter Text")->value;
  return true;
}

std::optional<RotateAnswer> AskRotate(CadContext& context, const Point& centre) {
  FormRequest form{"TRotate_CAD", "Rotate CAD", {}, {}, {}};
  form.fields = {ValueField("Center X:", centre.x), ValueField("Center Y:", centre.y),
                 ValueField("Incremental Degrees:", 0), ValueField("Number of Times:", 1),
                 CheckField("Leave Original", true)};
  if (!context.host.AskForm(form)) return std::nullopt;
  RotateAnswer answer;
  answer.centre = {FieldNumber(form, "Center X", centre.x), FieldNumber(form, "Center Y", centre.y),
                   0};
  answer.degrees = FieldNumber(form, "Incremental Degrees", 0);
  answer.times = static_cast<int>(std::lround(FieldNumber(form, "Number of Times", 1)));
  answer.leave_original = FieldChecked(form, "Leave Original");
  return answer;
}

std::optional<MirrorAnswer> AskMirror(CadContext& context) {
  FormRequest form{"TMirror_CAD", "Mirror CAD", {}, {}, {}};
  form.fields = {
      {FormField::Kind::kChoice, "About:", "X-Axis", {"X-Axis", "Y-Axis", "Z-Axis"}, true},
      CheckField("Copy", true)};
  if (!context.host.AskForm(form)) return std::nullopt;
  MirrorAnswer answer;
  const std::string about = form.Field("About")->value;
  answer.about = about == "Y-Axis"   ? MirrorAxis::kY
                 : about == "Z-Axis" ? MirrorAxis::kZ
                                     : MirrorAxis::kX;
  answer.copy = FieldChecked(form, "Copy");
  return answer;
}

std::optional<double> AskScale(CadContext& context) {
  FormRequest form{"TScale_CAD", "Scale CAD", {ValueField("Scale Factor:", 1)}, {}, {}};
  if (!context.host.AskForm(form)) return std::nullopt;
  return FieldNumber(form, "Scale Factor", 1);
}

std::optional<OffsetGroupAnswer> AskOffsetGroup(CadContext& context) {
  FormRequest form{"TOffset_CAD", "Offset CAD", {}, {}, {}};
  form.fields = {ValueField("X Distance:", 0), ValueField("Y Distance:", 0),
                 ValueField("Z Distance:", 0), CheckField("Leave Original", true),
                 ValueField("Number of Times:", 1)};
  if (!context.host.AskForm(form)) return std::nullopt;
  OffsetGroupAnswer answer;
  answer.by = {FieldNumber(form, "X Distance", 0), FieldNumber(form, "Y Distance", 0),
               FieldNumber(form, "Z Distance", 0)};
  answer.leave_original = FieldChecked(form, "Leave Original");
  answer.times = static_cast<int>(std::lround(FieldNumber(form, "Number of Times", 1)));
  return answer;
}

}  // namespace vormak
