#pragma once
// What is checked before a file reached from the recent-files list or dropped on the window
// replaces the program or drawing on the screen: that it still exists, is a file and not a
// folder, and for an NC program that it holds text.

#include <string>

namespace vormak {

enum class FileKind { kNcProgram, kDrawing };

// Empty when the file may be loaded; otherwise the message for the programmer, beginning with
// "Cannot open " and the name.
std::string FileOpenProblem(const std::string& path, FileKind kind);

}  // namespace vormak
