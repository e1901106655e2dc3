// The tool catalogue's index: read, written back, and lines the tree cannot show kept.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cam/tool_catalogue.h"
#include "support/fake_host.h"
#include "support/test_paths.h"

namespace vormak {
namespace {

namespace fs = std::filesystem;

class CatalogueTest : public ::testing::Test {
 protected:
  CatalogueTest() {
    dir = fs::temp_directory_path() /
          ("vormak_catalogue_" + std::to_string(::getpid()) + "_" +
           std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(dir);
    path = (dir / "tools.txt").string();
  }
  ~CatalogueTest() override {
    std::error_code ignored;
    fs::remove_all(dir, ignored);
  }
  void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string Read() const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir;
  std::string path;
  FakeHost host;
};

TEST_F(CatalogueTest, GroupAndIndentedToolReadAndSaveWithOneBlank) {
  Write("Turning,1\n  Rough OD,3,TOOL5\n\nMilling\n Face Mill,0,TM 50\n");
  Catalogue c;
  ASSERT_TRUE(LoadCatalogue(path, c));
  ASSERT_EQ(c.groups.size(), 2u);
  EXPECT_EQ(c.groups[0].caption, "Turning");
  EXPECT_EQ(c.groups[0].image, 1);
  ASSERT_EQ(c.groups[0].tools.size(), 1u);
  EXPECT_EQ(c.groups[0].tools[0].caption, "Rough OD");
  EXPECT_EQ(c.groups[0].tools[0].image, 3);
  EXPECT_EQ(c.groups[0].tools[0].file, "TOOL5");
  EXPECT_EQ(c.groups[1].caption, "Milling");  // no comma: as if it ended with one
  EXPECT_EQ(c.groups[1].image, 0);
  EXPECT_EQ(c.groups[1].tools[0].file, "TM 50");

  ASSERT_TRUE(SaveCatalogue(host, path, c));
  EXPECT_EQ(Read(), "Turning,1\r\n Rough OD,3,TOOL5\r\nMilling,0\r\n Face Mill,0,TM 50\r\n");
  Catalogue again;
  ASSERT_TRUE(LoadCatalogue(path, again));
  EXPECT_EQ(CatalogueText(again), CatalogueText(c));
}

TEST_F(CatalogueTest, OddLinesAreKeptThroughASave) {
  Write("  Loose tool,2,T0\r\n\x01junk\r\nGroup,x\r\n\tTabbed,4,T1\r\n Bare\r\n\x02more\r\n");
  Catalogue c;
  ASSERT_TRUE(LoadCatalogue(path, c));
  ASSERT_EQ(c.groups.size(), 1u);
  EXPECT_EQ(c.groups[0].image, 0);
  ASSERT_EQ(c.groups[0].tools.size(), 2u);
  EXPECT_EQ(c.groups[0].tools[0].file, "T1");
  EXPECT_EQ(c.groups[0].tools[1].caption, "Bare");
  ASSERT_TRUE(SaveCatalogue(host, path, c));
  const std::string saved = Read();
  for (const char* kept : {"  Loose tool,2,T0\r\n", "\x01junk\r\n", "\x02more\r\n"}) {
    EXPECT_NE(saved.find(kept), std::string::npos) << kept;
  }
}

TEST_F(CatalogueTest, MissingIndexIsAnEmptyTreeAndAFailedSaveKeepsTheOld) {
  Catalogue c;
  EXPECT_FALSE(LoadCatalogue((dir / "none.txt").string(), c));
  EXPECT_TRUE(c.Empty());
  c.groups.push_back({"G", 1, {{"T", 2, "F"}}, {}});
  EXPECT_FALSE(SaveCatalogue(host, (dir / "no" / "such" / "tools.txt").string(), c));
  EXPECT_FALSE(host.messages.empty());  // the file error was reported
}

TEST_F(CatalogueTest, ShippedCatalogueNamesShippedFiles) {
  Catalogue c;
  ASSERT_TRUE(LoadCatalogue(test::SourceDataDir() + "/tools/tools.txt", c));
  int tools = 0;
  for (const CatalogueGroup& g : c.groups) {
    for (const CatalogueTool& t : g.tools) {
      ++tools;
      EXPECT_TRUE(fs::exists(test::SourceDataDir() + "/tools/" + t.file + ".CDL")) << t.file;
    }
  }
  EXPECT_GE(tools, 9);
}

}  // namespace
}  // namespace vormak
