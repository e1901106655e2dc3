#include "cad/drawing_files.h"

#include "cad/drawing_io.h"
#include "settings/file_access.h"
#include "workbench/workbench.h"

namespace vormak {

std::optional<DrawingFileType> DrawingTypeOfName(std::string_view name) {
  const std::string ext = UpperExtension(name);
  if (ext == "CDL") return DrawingFileType::kCdl;
  if (ext == "DXF") return DrawingFileType::kDxf;
  if (ext == "IGS" || ext == "IGES") return DrawingFileType::kIges;
  if (ext == "T4G") return DrawingFileType::kT4g;
  return std::nullopt;
}

DrawingFileType SettingDrawingType(const Workbench& bench) {
  switch (bench.settings.cad_file_type) {
    case CadFileType::kDxf:
      return DrawingFileType::kDxf;
    case CadFileType::kIges:
      return DrawingFileType::kIges;
    default:
      return DrawingFileType::kCdl;
  }
}

bool ReadDrawing(Workbench& bench, const std::string& name, DrawingFileType type, ReadMode mode) {
  switch (type) {
    case DrawingFileType::kDxf:
      return ReadDxf(bench, name, mode);
    case DrawingFileType::kIges:
      return ReadIges(bench, name, mode);
    case DrawingFileType::kT4g:
      return ReadT4g(bench, name, mode);
    default:
      return ReadCdl(bench, name, mode);
  }
}

bool WriteDrawing(Workbench& bench, const std::string& name, DrawingFileType type) {
  switch (type) {
    case DrawingFileType::kDxf:
      return WriteDxf(bench, name);
    case DrawingFileType::kIges:
      return WriteIges(bench, name);
    case DrawingFileType::kCdl:
      return WriteCdl(bench, name, false);
    default:
      return false;
  }
}

bool LoadDrawingFromComment(Workbench& bench, std::string_view text) {
  std::string name(text);
  const std::string& end = bench.settings.end_comment_char;
  if (!end.empty()) {
    const size_t cut = name.find(end);
    if (cut != std::string::npos) name.resize(cut);
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
  size_t first = 0;
  while (first < name.size() && (name[first] == ' ' || name[first] == '\t')) ++first;
  name.erase(0, first);
  if (name.empty()) return false;
  if (FileNamePart(name).find('.') == std::string_view::npos) name += ".cdl";
  if (!IsAbsolutePath(name)) name = JoinPath(bench.settings.cdl_path, name);
  const DrawingFileType type = DrawingTypeOfName(name).value_or(DrawingFileType::kCdl);
  return ReadDrawing(bench, name, type, ReadMode::kLoad);
}

}  // namespace vormak
