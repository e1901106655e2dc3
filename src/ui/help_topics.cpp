#include "ui/help_topics.h"

#include <cctype>

namespace vormak {
namespace {

struct TopicPage {
  const char* topic;  // lower case
  const char* page;
};

constexpr TopicPage kTopics[] = {
    {"idh_contents", "index.html"},
    {"idh_accelerators", "shortcuts.html"},
    {"idh_utilities", "utilities.html"},
    {"idh_comment_code", "comment_codes.html"},
    {"idh_tutorial", "tutorial.html"},
    {"idh_load_cad_file", "tutorial.html"},
    {"idh_configuration", "configuration.html"},
    {"idh_directories", "configuration.html"},
    {"idh_format", "configuration.html"},
    {"idh_configure_plotting", "configuration.html"},
    {"idh_configure_rotary_axis", "configuration.html"},
    {"idh_macros", "configuration.html"},
    {"idh_feedrates", "configuration.html"},
    {"idh_configure_time", "configuration.html"},
    {"idh_configure_tools", "configuration.html"},
    {"idh_configure_machine", "configuration.html"},
    {"idh_configure_screen", "configuration.html"},
    {"idh_configure_editor", "configuration.html"},
    {"idh_set_punch", "configuration.html"},
    {"idh_configure_syntax", "configuration.html"},
    {"idh_configure_variables", "configuration.html"},
    {"idh_dialogs", "dialogs.html"},
    {"idh_script", "dialogs.html"},
    {"idh_toolbox", "dialogs.html"},
    {"idh_tool_nose_info", "dialogs.html"},
    {"idh_offset_nc", "dialogs.html"},
    {"idh_xform_rotate_nc", "dialogs.html"},
    {"idh_bolt_circle", "dialogs.html"},
    {"idh_time", "dialogs.html"},
    {"idh_plot_status", "dialogs.html"},
    {"idh_find_replace", "dialogs.html"},
    {"idh_punch", "dialogs.html"},
    {"idh_formats", "dialogs.html"},
    {"idh_layers", "dialogs.html"},
    {"idh_load_tool", "dialogs.html"},
    {"idh_calculator", "dialogs.html"},
    {"idh_utility_dialogs", "dialogs.html"},
};

struct CaptionTopic {
  const char* caption;
  const char* topic;
};

// Dialogs without a Help button of their own still answer F1.
constexpr CaptionTopic kDialogTopics[] = {
    {"Find/Replace", "idh_find_replace"},
    {"Punch - Reader", "idh_punch"},
    {"Formats", "idh_formats"},
    {"Machines", "idh_formats"},
    {"Layers", "idh_layers"},
    {"Load Tool", "idh_load_tool"},
    {"Plot Status", "idh_plot_status"},
    {"Calculator", "idh_calculator"},
    {"Time", "idh_time"},
    {"Bolt Circle", "idh_bolt_circle"},
    {"ToolBox", "idh_toolbox"},
    {"Lathe Toolnose Info", "idh_tool_nose_info"},
    {"Script", "idh_script"},
    {"Configuration", "idh_configuration"},
    {"Change Value", "idh_utility_dialogs"},
    {"Renumber", "idh_utility_dialogs"},
    {"Scale NC", "idh_utility_dialogs"},
    {"Switch X Y Z", "idh_utility_dialogs"},
    {"Switch Address", "idh_utility_dialogs"},
    {"Order NC", "idh_utility_dialogs"},
    {"Remove Address", "idh_utility_dialogs"},
    {"Reformat", "idh_utility_dialogs"},
    {"Shift NC", "idh_offset_nc"},
    {"Rotate NC", "idh_xform_rotate_nc"},
    {"Comp NC", "idh_utility_dialogs"},
    {"Tool Radius Offset", "idh_utility_dialogs"},
    {"Macro Out", "idh_time"},
};

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsTutorial(const std::string& help_file) {
  return Lower(help_file).find("vortutor") != std::string::npos;
}

}  // namespace

HelpPlace HelpPlaceOf(const std::string& help_file, const std::string& topic) {
  const std::string id = Lower(topic);
  for (const TopicPage& entry : kTopics) {
    if (id == entry.topic) return {entry.page, id};
  }
  return {IsTutorial(help_file) ? "tutorial.html" : "index.html", ""};
}

std::vector<std::string> KnownHelpTopics() {
  std::vector<std::string> topics;
  for (const TopicPage& entry : kTopics) topics.emplace_back(entry.topic);
  return topics;
}

std::string DialogHelpTopic(const std::string& caption) {
  std::string plain;
  for (char c : caption) {
    if (c != '&') plain += c;
  }
  // "Configuration - Mill", "Script:part.scr": the dialog's name comes before the document's.
  for (const char* separator : {" - ", ":"}) {
    const size_t at = plain.find(separator);
    if (at != std::string::npos) plain.resize(at);
  }
  while (!plain.empty() && (plain.back() == '.' || plain.back() == ' ')) plain.pop_back();
  for (const CaptionTopic& entry : kDialogTopics) {
    if (plain == entry.caption) return entry.topic;
  }
  return {};
}

}  // namespace vormak
