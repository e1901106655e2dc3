#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

namespace vormak {
namespace {

const char* kUserFile =
    "; settings for the big Okuma\r\n"
    "[vormak]\r\n"
    "ncextension = min\r\n"
    "; my own note\r\n"
    "Unknown=keep me\r\n"
    "RapidFeed=400.0\r\n"
    "\r\n"
    "[Toolbar]\r\n"
    "Dock1=3,4\r\n";

TEST(IniFile, UnchangedFileComesBackByteForByte) {
  EXPECT_EQ(IniFile(kUserFile).Text(), kUserFile);
  const std::string mixed = "[A]\nx=1\r\ny=2\r\n\n; end";  // no break after the last line
  EXPECT_EQ(IniFile(mixed).Text(), mixed);
}

TEST(IniFile, SectionsAndKeysMatchWithoutCase) {
  IniFile file(kUserFile);
  EXPECT_EQ(file.Find("VORMAK", "NCExtension"), "min");
  EXPECT_EQ(file.Find("toolbar", "DOCK1"), "3,4");
  EXPECT_FALSE(file.Find("VORMAK", "Dock1"));  // another section's key
  EXPECT_EQ(file.Get("VORMAK", "MachineName", "No Name"), "No Name");
  EXPECT_FALSE(file.Find("VORMAK", "; my own note"));
}

TEST(IniFile, EmptyValueIsPresentAndBlanksAroundValuesGo) {
  IniFile file("[S]\nEmpty=\nPadded =  a b  \nTwice=first\nTwice=second\n");
  EXPECT_EQ(file.Find("S", "Empty"), "");
  EXPECT_EQ(file.Get("S", "Empty", "fallback"), "");
  EXPECT_EQ(file.Find("S", "Padded"), "a b");
  EXPECT_EQ(file.Find("S", "Twice"), "first");
}

TEST(IniFile, SetRewritesOnlyThatLineInTheFilesSpelling) {
  IniFile file(kUserFile);
  file.Set("VORMAK", "NCExtension", "nc");
  file.Set("VORMAK", "RapidFeed", "400.0");  // same value: line untouched
  std::string expected = kUserFile;
  expected.replace(expected.find("ncextension = min"), 17, "ncextension = nc");
  EXPECT_EQ(file.Text(), expected);
}

TEST(IniFile, MissingKeyGoesToTheEndOfItsSection) {
  IniFile file(kUserFile);
  file.Set("VORMAK", "MachineName", "Okuma");
  file.Set("VORMAK", "Stamp", "JB");
  const std::string text = file.Text();
  EXPECT_NE(text.find("RapidFeed=400.0\r\nMachineName=Okuma\r\nStamp=JB\r\n\r\n[Toolbar]"),
            std::string::npos)
      << text;
  EXPECT_EQ(IniFile(text).Find("VORMAK", "Stamp"), "JB");
}

// Keys added to an earlier section push every later line down: lookups after that must still
// land on the right lines, and only the first section of a repeated name is ever read.
TEST(IniFile, LookupsStayRightAfterLinesAreAdded) {
  IniFile file("\xEF\xBB\xBF[A]\na=1\n[B]\nb=2\n[a]\nhidden=3\nb=4\n");
  EXPECT_EQ(file.Find("B", "b"), "2");
  file.Set("A", "new1", "x");
  file.Set("A", "new2", "y");
  file.Set("B", "b", "5");
  file.Set("B", "c", "6");
  file.Set("C", "d", "7");
  EXPECT_EQ(
      file.Text(),
      "\xEF\xBB\xBF[A]\na=1\nnew1=x\nnew2=y\n[B]\nb=5\nc=6\n[a]\nhidden=3\nb=4\n\n[C]\nd=7\n");
  EXPECT_EQ(file.Find("a", "NEW2"), "y");
  EXPECT_FALSE(file.Find("A", "hidden"));  // in the second [a], never read
  EXPECT_EQ(file.Find("c", "D"), "7");
  EXPECT_EQ(IniFile(file.Text()).Find("b", "c"), "6");
}

// Keys added at the end of the file, then lines added above them: every key is still found on
// its own line and rewritten there, and the last line without a break gets one.
TEST(IniFile, KeysAddedAtTheEndMoveWithLinesAddedAboveThem) {
  IniFile file("[A]\na=1\n[B]\nb=2");
  file.Set("B", "c", "3");
  file.Set("B", "d", "4");
  EXPECT_EQ(file.Find("b", "d"), "4");
  file.Set("A", "n", "5");
  file.Set("B", "d", "6");
  file.Set("B", "e", "7");
  file.Set("A", "a", "8");
  EXPECT_EQ(file.Text(), "[A]\na=8\nn=5\n[B]\nb=2\nc=3\nd=6\ne=7\n");
  EXPECT_EQ(file.Find("B", "b"), "2");
  EXPECT_EQ(file.Find("B", "c"), "3");
  EXPECT_EQ(file.Find("A", "n"), "5");
}

TEST(IniFile, MissingSectionGoesToTheEndOfTheFile) {
  IniFile file("[MachineINI]\nMachine1=mill");
  file.Set("Recent", "Recent1", "/nc/part1.nc");
  EXPECT_EQ(file.Text(), "[MachineINI]\nMachine1=mill\n\n[Recent]\nRecent1=/nc/part1.nc\n");

  IniFile empty;
  empty.Set("VORMAK", "NCExtension", "nc");
  EXPECT_EQ(empty.Find("vormak", "ncextension"), "nc");
}

TEST(IniFile, LineBreakInsideAValueCannotAddAKey) {
  IniFile file("[VORMAK]\nStamp=JB\n");
  file.Set("VORMAK", "Stamp", "JB\r\nSystemType=2");
  EXPECT_EQ(file.Text(), "[VORMAK]\nStamp=JB  SystemType=2\n");
  EXPECT_FALSE(file.Has("VORMAK", "SystemType"));
}

TEST(IniFile, SaveReplacesTheFileWholeAndLeavesNoScratchBehind) {
  test::TempFolder folder;
  const std::string path = folder.Write("mill.ini", kUserFile);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  IniFile file;
  ASSERT_TRUE(file.Load(path));
  file.Set("VORMAK", "Unknown", "changed");
  std::string error;
  ASSERT_TRUE(file.Save(path, error)) << error;
  EXPECT_NE(folder.Read("mill.ini").find("Unknown=changed\r\n"), std::string::npos);
  EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
    ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(IniFile, SaveIntoMissingFolderFailsWithTheReason) {
  test::TempFolder folder;
  std::string error;
  EXPECT_FALSE(IniFile("[A]\n").Save(folder.File("no/such/folder/x.ini"), error));
  EXPECT_FALSE(error.empty());
  IniFile file;
  EXPECT_FALSE(file.Load(folder.File("missing.ini")));
  EXPECT_FALSE(file.Load(folder.path()));  // a folder is not a settings file
}

}  // namespace
}  // namespace vormak
