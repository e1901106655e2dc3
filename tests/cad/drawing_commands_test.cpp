#include "cad/drawing_commands.h"
#include "drawing_fixture.h"

namespace vormak::test {
namespace {

class DrawingCommandsTest : public DrawingTest {
 protected:
  DrawingCommandsTest() {
    hooks.redraw = [this] { ++redraws; };
    hooks.add_recent = [this](const std::string& name) { recent.push_back(name); };
  }
  DrawingCommandHooks hooks;
  int redraws = 0;
  std::vector<std::string> recent;
};

TEST_F(DrawingCommandsTest, LoadAsksAboutAModifiedDrawing) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  host.QueueAnswer(Answer::kCancel);
  EXPECT_FALSE(LoadCad(bench, hooks));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, "Save?");
  EXPECT_EQ(host.messages[0].text,
            "Warning - file not saved.\r\nDo you want to save?\r\n\r\nCAD File: New File");
  EXPECT_TRUE(host.dialogs.empty());

  const std::string file = folder.Write("b.DXF", "0\nPOINT\n10\n1\n0\nEOF\n");
  host.QueueAnswer(Answer::kNo);
  host.QueueFileName(file);
  bench.settings.dxf_path = "/dxf";
  bench.settings.cad_file_type = CadFileType::kDxf;
  ASSERT_TRUE(LoadCad(bench, hooks));
  EXPECT_EQ(host.dialogs.back().caption, "Open CAD");
  EXPECT_EQ(host.dialogs.back().initial_dir, "/dxf");
  EXPECT_EQ(host.dialogs.back().filter_index, 2);
  EXPECT_EQ(host.command_panel, " Load CAD");
  EXPECT_EQ(host.prompt_panel, " Loaded CAD file");
  EXPECT_EQ(bench.cad_file_name, file);
  EXPECT_EQ(Elements().size(), 1u);
  EXPECT_FALSE(table.modified);
  EXPECT_EQ(redraws, 1);
  EXPECT_EQ(recent, std::vector<std::string>{file});
}

TEST_F(DrawingCommandsTest, ExtensionSetsTheTypeAndAFailedLoadKeepsTheDrawing) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  table.modified = false;
  bench.cad_file_name = "shown.cdl";
  const std::string file = folder.Write("a.igs", "");
  host.QueueFileName(file);
  ASSERT_TRUE(LoadCad(bench, hooks));
  EXPECT_EQ(bench.settings.cad_file_type, CadFileType::kIges);
  EXPECT_TRUE(Elements().empty());
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  table.modified = false;
  host.QueueFileName(folder.File("missing.dxf"));
  EXPECT_FALSE(LoadCad(bench, hooks));
  EXPECT_EQ(Elements().size(), 1u);
  EXPECT_EQ(bench.cad_file_name, file);
  EXPECT_EQ(bench.settings.cad_file_type, CadFileType::kIges);
}

TEST_F(DrawingCommandsTest, MergeReadsByItsOwnExtensionAndKeepsTheDrawing) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  bench.cad_file_name = "part.cdl";
  table.modified = false;
  host.QueueFileName(folder.Write("m.dxf", "0\nPOINT\n10\n1\n0\nEOF\n"));
  ASSERT_TRUE(MergeCad(bench, hooks));
  EXPECT_EQ(host.dialogs.back().caption, "Merge CAD");
  EXPECT_EQ(Elements().size(), 2u);
  EXPECT_EQ(bench.cad_file_name, "part.cdl");
  EXPECT_EQ(bench.settings.cad_file_type, CadFileType::kCdl);
  EXPECT_TRUE(table.modified);
  EXPECT_TRUE(recent.empty());
}

TEST_F(DrawingCommandsTest, SaveAsAddsTheFilterExtensionAndKeepsTheSetting) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  bench.settings.cad_file_type = CadFileType::kDxf;  // the dialog opens on the DXF filter
  host.QueueFileName(folder.File("out"));
  ASSERT_TRUE(SaveCad(bench, hooks));  // unnamed: Save As
  EXPECT_EQ(host.dialogs.back().caption, "Save CAD As");
  EXPECT_EQ(host.dialogs.back().filter, kCadSaveFilter);
  EXPECT_EQ(bench.cad_file_name, folder.File("out.DXF"));
  EXPECT_EQ(folder.Read("out.DXF").substr(0, 5), "  0\r\n");
  EXPECT_EQ(host.prompt_panel, " Saved Cad:" + folder.File("out.DXF"));
  EXPECT_FALSE(table.modified);
  // Saved again under the CDL setting, a .DXF drawing is still written as DXF.
  bench.settings.cad_file_type = CadFileType::kCdl;
  Add(ElementKind::kPoint, {1, 1, 0, 0, 0, 0});
  ASSERT_TRUE(SaveCad(bench, hooks));
  EXPECT_NE(folder.Read("out.DXF").find("POINT\r\n"), std::string::npos);
  EXPECT_EQ(folder.Read("out.DXF").substr(0, 5), "  0\r\n");
}

TEST_F(DrawingCommandsTest, QuitDialogYesSavesAndAFailedSaveHoldsTheClose) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  bench.cad_file_name = folder.File("no/dir/x.cdl");
  host.QueueAnswer(Answer::kYes);
  EXPECT_FALSE(ConfirmDrawingSaved(bench, hooks, "Quit"));
  bench.cad_file_name = folder.File("x.cdl");
  host.QueueAnswer(Answer::kYes);
  EXPECT_TRUE(ConfirmDrawingSaved(bench, hooks, "Quit"));
  EXPECT_FALSE(table.modified);
  EXPECT_TRUE(ConfirmDrawingSaved(bench, hooks, "Quit"));  // nothing to ask now
}

TEST_F(DrawingCommandsTest, GetToolReadsTheToolFolder) {
  bench.settings.tool_path = folder.path();
  host.QueueFileName(folder.Write("t.cdl", "$TOOL=\"DNMG\"\r\nCENTER_X=1.5\r\n"));
  ASSERT_TRUE(GetTool(bench, hooks));
  EXPECT_EQ(host.dialogs.back().caption, "Open Tool");
  EXPECT_EQ(host.dialogs.back().initial_dir, folder.path());
  EXPECT_EQ(bench.tools.Current().name, "DNMG");
  EXPECT_EQ(bench.tools.Current().centre_x, 1.5);
}

}  // namespace
}  // namespace vormak::test
