#include "support/fake_host.h"

#include <algorithm>

namespace vormak {

Answer FakeHost::NextAnswer(Answer fallback) {
  if (answers_.empty()) return fallback;
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

Answer FakeHost::Warning(const std::string& text, const std::string& caption) {
  messages.push_back({"warning", text, caption});
  return NextAnswer(Answer::kOk);
}

void FakeHost::Information(const std::string& text, const std::string& caption) {
  messages.push_back({"information", text, caption});
}

Answer FakeHost::Question(const std::string& text, const std::string& caption, bool) {
  messages.push_back({"question", text, caption});
  return NextAnswer(Answer::kNo);
}

std::optional<std::string> FakeHost::OpenFileDialog(const FileDialogRequest& request) {
  dialogs.push_back(request);
  if (file_names_.empty()) return std::nullopt;
  auto name = file_names_.front();
  file_names_.pop_front();
  return name;
}

std::optional<std::string> FakeHost::SaveFileDialog(const FileDialogRequest& request) {
  return OpenFileDialog(request);
}

bool FakeHost::EscapePending() {
  if (escape_after_ < 0) return false;
  if (escape_after_ == 0) {
    escape_after_ = -1;
    return true;
  }
  --escape_after_;
  return false;
}

bool FakeHost::AskForm(FormRequest& form) {
  form.pressed = form.buttons.empty() ? "OK" : form.buttons[0];
  if (!forms_.empty()) {
    FormAnswer answer = std::move(forms_.front());
    forms_.pop_front();
    for (const auto& [name, value] : answer.values) {
      if (FormField* field = form.Field(name)) field->value = value;
    }
    form.pressed = answer.button;
  }
  forms.push_back(form);
  return form.pressed != "Cancel";
}

bool FakeHost::StartProgram(const std::string& command_line) {
  started_programs.push_back(command_line);
  return true;
}

void FakeHost::OpenHelp(const std::string& help_file, const std::string& topic) {
  help_topics.push_back(help_file + "#" + topic);
}

std::vector<std::string> FakeHost::Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

bool FakeHost::Showed(const std::string& text) const {
  return std::any_of(messages.begin(), messages.end(),
                     [&](const Message& m) { return m.text == text; });
}

}  // namespace vormak
