#include "cad/drawing_commands.h"

#include "cad/drawing_files.h"
#include "nctext/status_services.h"
#include "settings/file_access.h"
#include "workbench/workbench.h"

namespace vormak {

namespace {

void Call(const std::function<void()>& hook) {
  if (hook) hook();
}

// The hourglass over the plot window while a file is read or written.
class Busy {
 public:
  explicit Busy(const DrawingCommandHooks& hooks) : hooks_(hooks) {
    if (hooks_.busy) hooks_.busy(true);
  }
  ~Busy() {
    if (hooks_.busy) hooks_.busy(false);
  }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  const DrawingCommandHooks& hooks_;
};

CadFileType SettingOf(DrawingFileType type) {
  switch (type) {
    case DrawingFileType::kDxf:
      return CadFileType::kDxf;
    case DrawingFileType::kIges:
      return CadFileType::kIges;
    default:
      return CadFileType::kCdl;
  }
}

// The open dialog's filter and folder follow the CAD file type.
FileDialogRequest OpenRequest(const Workbench& bench, const char* caption) {
  FileDialogRequest request;
  request.caption = caption;
  request.filter = kCadOpenFilter;
  const MachineSettings& s = bench.settings;
  switch (s.cad_file_type) {
    case CadFileType::kDxf:
      request.filter_index = 2;
      request.initial_dir = s.dxf_path;
      request.default_ext = "dxf";
      break;
    case CadFileType::kIges:
      request.filter_index = 3;
      request.initial_dir = s.iges_path;
      request.default_ext = "igs";
      break;
    default:
      request.filter_index = 1;
      request.initial_dir = s.cdl_path;
      request.default_ext = "cdl";
      break;
  }
  const std::string_view file = FileNamePart(bench.cad_file_name);
  if (file.size() < bench.cad_file_name.size()) {
    request.initial_dir = bench.cad_file_name.substr(0, bench.cad_file_name.size() - file.size());
  }
  return request;
}

// Reads with the hourglass of the hooks' window; `type` picks the reader.
bool Read(Workbench& bench, const DrawingCommandHooks& hooks, const std::string& name,
          DrawingFileType type, ReadMode mode) {
  bool read = false;
  {
    const Busy busy(hooks);
    read = ReadDrawing(bench, name, type, mode);
  }
  if (read) Call(hooks.redraw);
  return read;
}

}  // namespace

bool ConfirmDrawingSaved(Workbench& bench, const DrawingCommandHooks& hooks,
                         const std::string& caption) {
  if (!bench.cad.table.modified) return true;
  const std::string name = bench.cad_file_name.empty() ? "New File" : bench.cad_file_name;
  const Answer answer = bench.host().Question(
      "Warning - file not saved.\r\nDo you want to save?\r\n\r\nCAD File: " + name, caption, true);
  if (answer == Answer::kCancel) return false;
  if (answer == Answer::kYes) return SaveCad(bench, hooks);
  return true;
}

bool LoadCadFile(Workbench& bench, const DrawingCommandHooks& hooks, const std::string& name) {
  ShowPrompt(bench, "Loading CAD file:");
  const auto type = DrawingTypeOfName(name);
  const DrawingFileType reader = type.value_or(SettingDrawingType(bench));
  if (!Read(bench, hooks, name, reader, ReadMode::kLoad)) return false;
  if (reader == DrawingFileType::kT4g) {
    // An import has no file of its own to save back to: Save CAD asks for a name.
    bench.cad_file_name.clear();
  } else {
    bench.settings.cad_file_type = SettingOf(reader);
    bench.cad_file_name = name;
    bench.cad.table.modified = false;
  }
  ShowPrompt(bench, "Loaded CAD file");
  Call(hooks.caption);
  if (hooks.add_recent && reader != DrawingFileType::kT4g) hooks.add_recent(name);
  return true;
}

bool LoadCad(Workbench& bench, const DrawingCommandHooks& hooks) {
  if (!ConfirmDrawingSaved(bench, hooks, "Save?")) return false;
  ShowCommand(bench, "Load CAD");
  ShowPrompt(bench, "Get CAD drawing file name");
  const auto name = bench.host().OpenFileDialog(OpenRequest(bench, "Open CAD"));
  if (!name) return false;
  return LoadCadFile(bench, hooks, *name);
}

bool MergeCad(Workbench& bench, const DrawingCommandHooks& hooks) {
  ShowCommand(bench, "Merge CAD");
  ShowPrompt(bench, "Get CAD drawing file name");
  const auto name = bench.host().OpenFileDialog(OpenRequest(bench, "Merge CAD"));
  if (!name) return false;
  ShowPrompt(bench, "Loading CAD file:");
  const DrawingFileType type = DrawingTypeOfName(*name).value_or(SettingDrawingType(bench));
  if (!Read(bench, hooks, *name, type, ReadMode::kMerge)) return false;
  bench.cad.table.modified = true;
  ShowPrompt(bench, "Loaded CAD file");
  return true;
}

bool SaveCad(Workbench& bench, const DrawingCommandHooks& hooks) {
  ShowCommand(bench, "SAVE CAD");
  if (bench.cad_file_name.empty()) return SaveCadAs(bench, hooks);
  const std::string name = bench.cad_file_name;
  // A drawing saved as "PART.DXF" stays DXF whatever the CAD file type says.
  auto type = DrawingTypeOfName(name);
  if (!type || *type == DrawingFileType::kT4g) type = SettingDrawingType(bench);
  const Busy busy(hooks);
  if (!WriteDrawing(bench, name, *type)) return false;
  ShowPrompt(bench, "Saved Cad:" + name);
  bench.cad.table.modified = false;
  Call(hooks.caption);
  return true;
}

bool SaveCadAs(Workbench& bench, const DrawingCommandHooks& hooks) {
  ShowCommand(bench, "Save CAD As");
  ShowPrompt(bench, "Get CAD file name");
  FileDialogRequest request;
  request.caption = "Save CAD As";
  request.filter = kCadSaveFilter;
  request.file_name = bench.cad_file_name;
  const DrawingFileType current = SettingDrawingType(bench);
  request.filter_index = current == DrawingFileType::kDxf    ? 2
                         : current == DrawingFileType::kIges ? 3
                                                             : 1;
  int chosen = request.filter_index;
  request.chosen_filter = &chosen;
  const auto picked = bench.host().SaveFileDialog(request);
  if (!picked) return false;
  const DrawingFileType type = chosen == 2   ? DrawingFileType::kDxf
                               : chosen == 3 ? DrawingFileType::kIges
                                             : DrawingFileType::kCdl;
  std::string name = *picked;
  if (FileNamePart(name).find('.') == std::string_view::npos) {
    name += type == DrawingFileType::kDxf    ? ".DXF"
            : type == DrawingFileType::kIges ? ".IGS"
                                             : ".CDL";
  }
  ShowPrompt(bench, "File:" + name);
  const Busy busy(hooks);
  if (!WriteDrawing(bench, name, type)) return false;
  ShowPrompt(bench, "Saved Cad:" + name);
  bench.cad.table.modified = false;
  Call(hooks.caption);
  return true;
}

bool GetTool(Workbench& bench, const DrawingCommandHooks& hooks) {
  FileDialogRequest request;
  request.caption = "Open Tool";
  request.initial_dir = bench.settings.tool_path;
  request.filter = kToolFilter;
  request.default_ext = "cdl";
  request.file_name = bench.tools.tool_file_name;
  const auto name = bench.host().OpenFileDialog(request);
  if (!name) return false;
  return Read(bench, hooks, *name, DrawingFileType::kCdl, ReadMode::kTool);
}

}  // namespace vormak
