#pragma once
// A small modal dialog of labelled fields (numbers, texts, check boxes, a choice of options)
// that an engine command fills in through the host: the CAD commands' Radius, Angle, Key In,
// Rotate and similar dialogs, and the read-out dialogs whose buttons the user presses.

#include <string>
#include <vector>

namespace vormak {

struct FormField {
  enum class Kind { kValue, kCheck, kChoice, kLine };
  Kind kind = Kind::kValue;
  std::string caption;  // as shown, colon included ("Radius:")
  std::string value;    // kValue text; kCheck "1"/"0"; kChoice the chosen option; kLine the text
  std::vector<std::string> options;  // kChoice
  bool visible = true;
};

struct FormRequest {
  std::string dialog_class;  // "TRadius", "TKey_In", ...
  std::string caption;       // window caption
  std::vector<FormField> fields;
  // Buttons, first the default; empty means OK and Cancel. A read-out names its own.
  std::vector<std::string> buttons;
  std::string pressed;  // the button the user pressed, set by the host

  // The field whose caption, without its colon, is `name`; nullptr when there is none.
  FormField* Field(const std::string& name);
  const FormField* Field(const std::string& name) const;
  bool OkOnly() const { return buttons.size() == 1 && buttons[0] == "OK"; }
};

// A field's caption without the colon and trailing blanks: the name answers are given by.
std::string FieldName(const std::string& caption);

}  // namespace vormak
