#include "ncfiles/nc_file_names.h"

#include <gtest/gtest.h>

#include "ncfiles/recent_files.h"
#include "settings/ini_file.h"
#include "settings/temp_folder.h"

namespace vormak {
namespace {

TEST(NcFileNames, BackupNameLooksAtTheFileNameOnly) {
  EXPECT_EQ(BackupName("C:\\NC\\PART.NC"), "C:\\NC\\PART.bak");
  EXPECT_EQ(BackupName("/nc/part.0.nc"), "/nc/part.0.bak");
  EXPECT_EQ(BackupName("/nc/PART"), "/nc/PART.bak");
  EXPECT_EQ(BackupName("/nc/.part"), "/nc/.part.bak");
  // A dotted folder is not where the extension starts.
  EXPECT_EQ(BackupName("/jobs.2026/PART"), "/jobs.2026/PART.bak");
}

TEST(NcFileNames, RevisionsCountUpInTheMiddleOfTheName) {
  EXPECT_EQ(RevisionName("/nc/PART"), "/nc/PART.0");
  EXPECT_EQ(RevisionName("/nc/PART.NC"), "/nc/PART.0.NC");
  EXPECT_EQ(RevisionName("/nc/PART.0.NC"), "/nc/PART.1.NC");
  EXPECT_EQ(RevisionName("/nc/PART.7.NC"), "/nc/PART.8.NC");
  EXPECT_EQ(RevisionName("/nc/PART.9.NC.OLD"), "/nc/PART.10.NC.OLD");
  EXPECT_EQ(RevisionName("/v1.2/PART.NC"), "/v1.2/PART.0.NC");
  EXPECT_EQ(RevisionName("C:\\v1.2\\PART"), "C:\\v1.2\\PART.0");
}

TEST(NcFileNames, FilterExtensionAndMergeName) {
  EXPECT_EQ(NcFileFilter("nc"),
            "NC Files (*.nc)|*.nc|Text files (*.TXT)|*.TXT|All files (*.*)|*.*");
  EXPECT_EQ(NcFileFilter(""), "NC Files (*.*)|*.*|Text files (*.TXT)|*.TXT|All files (*.*)|*.*");
  EXPECT_EQ(WithNcExtension("/a.b/part", "tap"), "/a.b/part.tap");
  EXPECT_EQ(WithNcExtension("/nc/part.txt", "tap"), "/nc/part.txt");

  test::TempFolder dir;
  const std::string found = dir.Write("PART2.NC", "G0\r\n");
  // A bare name is looked for in the NC directory with ".nc", whatever case the disk has.
  EXPECT_EQ(MergeFileName("part2", dir.path()), found);
  EXPECT_EQ(MergeFileName(dir.path() + "/part2.nc", "/elsewhere"), found);
  EXPECT_EQ(MergeFileName("other.txt", "/nc"), "/nc/other.txt");
}

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostFifteen) {
  RecentFiles recent;
  for (int i = 1; i <= 16; ++i) recent.Add("/nc/p" + std::to_string(i) + ".nc");
  ASSERT_EQ(recent.paths().size(), 15u);
  EXPECT_EQ(recent.paths().front(), "/nc/p16.nc");
  EXPECT_EQ(recent.paths().back(), "/nc/p2.nc");  // the oldest fell off
  recent.Add("/nc/p9.nc");
  EXPECT_EQ(recent.paths().size(), 15u);
  EXPECT_EQ(recent.paths()[0], "/nc/p9.nc");
  EXPECT_EQ(std::count(recent.paths().begin(), recent.paths().end(), "/nc/p9.nc"), 1);

  const auto captions = recent.Captions();
  EXPECT_EQ(captions[0], "&1 /nc/p9.nc");
  EXPECT_EQ(captions[9].substr(0, 3), "&0 ");
  EXPECT_EQ(captions[14].substr(0, 3), "&E ");
  EXPECT_EQ(RecentPathOfCaption(captions[3]), recent.paths()[3]);

  IniFile ini("[Machines]\nMachineINI1=mill.ini\n");
  recent.Write(ini);
  EXPECT_EQ(ini.Get("Recent", "Recent1", ""), "/nc/p9.nc");
  EXPECT_EQ(ini.Get("Recent", "Recent15", ""), "/nc/p2.nc");
  RecentFiles shorter;
  shorter.Add("/nc/only.nc");
  shorter.Write(ini);  // the keys of the longer list are emptied
  RecentFiles back;
  back.Read(ini);
  EXPECT_EQ(back.paths(), std::vector<std::string>{"/nc/only.nc"});
}

TEST(RecentFiles, DrawingsAreKnownByTheirExtension) {
  EXPECT_EQ(RecentKindOf("/cad/part.cdl"), RecentKind::kCdl);
  EXPECT_EQ(RecentKindOf("C:\\CAD\\PART.DXF"), RecentKind::kDxf);
  EXPECT_EQ(RecentKindOf("/cad/part.igs"), RecentKind::kIges);
  EXPECT_EQ(RecentKindOf("/a.cdl/part.nc"), RecentKind::kNc);
  EXPECT_EQ(RecentKindOf("/nc/part"), RecentKind::kNc);
}

}  // namespace
}  // namespace vormak
