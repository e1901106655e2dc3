#include "nctext/form_dialog.h"

#include "nctext/host.h"

namespace vormak {

std::string FieldName(const std::string& caption) {
  std::string name = caption;
  while (!name.empty() && (name.back() == ' ' || name.back() == ':')) name.pop_back();
  return name;
}

FormField* FormRequest::Field(const std::string& name) {
  for (FormField& field : fields) {
    if (FieldName(field.caption) == name) return &field;
  }
  return nullptr;
}

const FormField* FormRequest::Field(const std::string& name) const {
  return const_cast<FormRequest*>(this)->Field(name);
}

bool Host::AskForm(FormRequest& form) {
  if (form.OkOnly() || !form.buttons.empty()) {
    form.pressed = form.buttons.empty() ? "OK" : form.buttons[0];
    return true;
  }
  form.pressed = "Cancel";
  return false;
}

}  // namespace vormak
