#include "plot/screen_views.h"

#include <fstream>
#include <sstream>

#include "../settings/temp_folder.h"
#include "plot_fixture.h"

namespace vormak {
namespace {

class ScreenViewsTest : public PlotTest {
 protected:
  ScreenViewsTest() { settings().picture_path = folder.path() + "/"; }

  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  PictureFile Writer(bool ok = true) {
    return [this, ok](const std::string& path) {
      pictures.push_back(path);
      return ok;
    };
  }

  test::TempFolder folder;
  std::vector<std::string> pictures;
};

TEST_F(ScreenViewsTest, FileNamesAsTheSettingsGiveThem) {
  EXPECT_EQ(ScreenViewPictureName("C:\\VORMAK\\PICS", "3"), "C:\\VORMAK\\PICS\\3.gif");
  // No separator is put in front of the view file.
  EXPECT_EQ(ScreenViewIniName("C:\\VORMAK\\PICS"), "C:\\VORMAK\\PICSvorpic.ini");
  EXPECT_EQ(ScreenViewSlotName(""), "1");
  EXPECT_EQ(ScreenViewSlotName("7"), "7");
}

TEST_F(ScreenViewsTest, SaveWritesThePictureAndTheFiveKeys) {
  view().plot_height = 2.5;
  view().centre_x = -1.25;
  view().centre_y = 0.5;
  RecomputeScales(plot(), settings(), kTopSlot);
  ASSERT_TRUE(SaveScreenView(bench, "3", Writer()));
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0], folder.path() + "//3.gif");
  EXPECT_EQ(host.prompt_panel, " Saved " + folder.path() + "/\\3.gif");
  EXPECT_EQ(Read(folder.File("vorpic.ini")),
            "[3]\nPlotHeight=2.5\nScreenCenterX=-1.25\nScreenCenterY=.5\nXPlotOrigin=550\n"
            "YPlotOrigin=360\n");
  // A second slot goes into its own section; the first stays.
  ASSERT_TRUE(SaveScreenView(bench, "", Writer()));
  const std::string text = Read(folder.File("vorpic.ini"));
  EXPECT_NE(text.find("[3]\nPlotHeight=2.5\n"), std::string::npos);
  EXPECT_NE(text.find("[1]\nPlotHeight=2.5\n"), std::string::npos);
}

TEST_F(ScreenViewsTest, PictureThatCannotBeWrittenIsReported) {
  EXPECT_FALSE(SaveScreenView(bench, "2", Writer(false)));
  EXPECT_EQ(host.prompt_panel, " Can't Save " + folder.path() + "/\\2.gif");
  EXPECT_EQ(Read(folder.File("vorpic.ini")), "");
}

TEST_F(ScreenViewsTest, LoadTakesTheKeysAndKeepsTheOffsets) {
  folder.Write("vorpic.ini", "[2]\r\nPlotHeight=5\r\nScreenCenterX=1.5\r\nXPlotOrigin=123\r\n");
  ASSERT_TRUE(LoadScreenView(bench, "2", Writer()));
  EXPECT_EQ(view().plot_height, 5);
  EXPECT_EQ(view().centre_x, 1.5);
  EXPECT_EQ(view().centre_y, 0);
  EXPECT_DOUBLE_EQ(view().scale_x, 60);
  EXPECT_EQ(view().off_x, 123);  // as read, not from the centre
  EXPECT_EQ(view().off_y, 0);
  EXPECT_EQ(host.prompt_panel, " Loaded " + folder.path() + "/\\2.gif");
  // A slot never saved reads the defaults.
  ASSERT_TRUE(LoadScreenView(bench, "9", Writer()));
  EXPECT_EQ(view().plot_height, 10);
  EXPECT_EQ(view().centre_x, 0);
}

TEST_F(ScreenViewsTest, MissingPictureLeavesTheView) {
  folder.Write("vorpic.ini", "[4]\nPlotHeight=5\n");
  EXPECT_FALSE(LoadScreenView(bench, "4", Writer(false)));
  EXPECT_EQ(view().plot_height, 10);
  EXPECT_EQ(host.prompt_panel, " Can't Load " + folder.path() + "/\\4.gif");
}

TEST_F(ScreenViewsTest, SavedViewComesBack) {
  ZoomWindow(plot(), settings(), kTopSlot, {100, 100}, {300, 250});
  const ViewState saved = view();
  ASSERT_TRUE(SaveScreenView(bench, "5", Writer()));
  ZoomCommand(bench, ZoomMode::kHalf);
  ASSERT_TRUE(LoadScreenView(bench, "5", Writer()));
  EXPECT_NEAR(view().plot_height, saved.plot_height, 1e-4);
  EXPECT_NEAR(view().centre_x, saved.centre_x, 1e-4);
  EXPECT_EQ(view().off_x, saved.off_x);
  EXPECT_EQ(view().off_y, saved.off_y);
}

}  // namespace
}  // namespace vormak
