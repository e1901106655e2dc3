// Files from the recent list or dropped on the window are checked before they replace what is
// on the screen: gone, a folder, or binary bytes where an NC program was expected.
#include "ncfiles/file_checks.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ncfiles/recent_files.h"
#include "settings/temp_folder.h"

namespace vormak {
namespace {

TEST(FileChecks, GoneFoldersAndBinaryFilesAreNamed) {
  test::TempFolder dir;
  const std::string program = dir.Write("PART.NC", "G0 X1.\r\nM30\r\n");
  EXPECT_EQ(FileOpenProblem(program, FileKind::kNcProgram), "");
  // Windows-written names find the file in any case, as the loaders do.
  EXPECT_EQ(FileOpenProblem(dir.File("part.nc"), FileKind::kNcProgram), "");
  // Tape bytes with the parity bit set are still a program.
  EXPECT_EQ(FileOpenProblem(dir.Write("ISO.NC", "\xAF\xB1\x8D\x0A"), FileKind::kNcProgram), "");

  EXPECT_EQ(FileOpenProblem(dir.File("GONE.NC"), FileKind::kNcProgram),
            "Cannot open " + dir.File("GONE.NC") + "\r\nThe file no longer exists.");
  std::filesystem::create_directory(dir.File("JOBS"));
  EXPECT_EQ(FileOpenProblem(dir.File("JOBS"), FileKind::kDrawing),
            "Cannot open " + dir.File("JOBS") + "\r\nIt is a folder, not a file.");

  const std::string picture =
      dir.Write("PHOTO.NC", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  EXPECT_EQ(FileOpenProblem(picture, FileKind::kNcProgram),
            "Cannot open " + picture + "\r\nIt is not an NC program: it holds binary data.");
  // A drawing's own reader judges its bytes.
  EXPECT_EQ(FileOpenProblem(picture, FileKind::kDrawing), "");
}

TEST(RecentFilesList, RemoveTakesOneEntryOut) {
  RecentFiles recent;
  for (const char* path : {"/a.nc", "/b.nc", "/c.nc"}) recent.Add(path);
  recent.Remove("/b.nc");
  EXPECT_EQ(recent.paths(), (std::vector<std::string>{"/c.nc", "/a.nc"}));
  EXPECT_EQ(recent.Captions(), (std::vector<std::string>{"&1 /c.nc", "&2 /a.nc"}));
  recent.Remove("/not-listed.nc");
  EXPECT_EQ(recent.paths().size(), 2u);
}

}  // namespace
}  // namespace vormak
