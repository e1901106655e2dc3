#pragma once
// Drawing files: CDL, the system's own, DXF and IGES for exchange, and T4G (read only). The
// readers fill the element table, the writers save it; both name the drawing as the caption
// and Save CAD use it.

#include <optional>
#include <string>
#include <string_view>

namespace vormak {

class Workbench;

// The codes the readers are dispatched by.
enum class DrawingFileType { kDxf = 1, kCdl = 2, kIges = 3, kT4g = 4 };

enum class ReadMode {
  kLoad,   // clears the drawing first and names it after the file
  kMerge,  // adds to the drawing; its name stays
  kTool,   // a CDL tool file: the header fills the current turret's tool-nose record
};

// By the extension: .CDL, .DXF, .IGS or .IGES, .T4G (any case); none for others.
std::optional<DrawingFileType> DrawingTypeOfName(std::string_view name);
// The CAD file type setting as a reader code.
DrawingFileType SettingDrawingType(const Workbench& bench);

// Reads a drawing with the reader of `type`. False when the file could not be opened: the
// message was shown and the drawing is as it was.
bool ReadDrawing(Workbench& bench, const std::string& name, DrawingFileType type,
                 ReadMode mode = ReadMode::kLoad);
// Writes the drawing as `type` (T4G is not written: false). CDL, DXF and IGES name the drawing
// after the file.
bool WriteDrawing(Workbench& bench, const std::string& name, DrawingFileType type);

bool WriteCdl(Workbench& bench, const std::string& name, bool tool);
bool ReadCdl(Workbench& bench, const std::string& name, ReadMode mode);
bool WriteDxf(Workbench& bench, const std::string& name);
bool ReadDxf(Workbench& bench, const std::string& name, ReadMode mode);
bool WriteIges(Workbench& bench, const std::string& name);
bool ReadIges(Workbench& bench, const std::string& name, ReadMode mode);
bool ReadT4g(Workbench& bench, const std::string& name, ReadMode mode);

// The "CDL " comment code of an NC program: `text` is what follows "CDL" up to the end of the
// comment. Loads the drawing it names (".cdl" added without an extension, relative to the
// drawing folder); false when it could not be read.
bool LoadDrawingFromComment(Workbench& bench, std::string_view text);

}  // namespace vormak
