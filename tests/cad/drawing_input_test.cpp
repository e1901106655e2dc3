// Every reader on input found in the wild: cut short, binary, endless lines, absurd numbers.
#include <random>

#include "cad/drawing_text.h"
#include "drawing_fixture.h"

namespace vormak::test {
namespace {

using DrawingInputTest = DrawingTest;

constexpr DrawingFileType kTypes[] = {DrawingFileType::kCdl, DrawingFileType::kDxf,
                                      DrawingFileType::kIges, DrawingFileType::kT4g};

TEST_F(DrawingInputTest, TypesByExtension) {
  EXPECT_EQ(DrawingTypeOfName("C:\\a.b\\PART.Dxf"), DrawingFileType::kDxf);
  EXPECT_EQ(DrawingTypeOfName("/x/part.igs"), DrawingFileType::kIges);
  EXPECT_EQ(DrawingTypeOfName("part.IGES"), DrawingFileType::kIges);
  EXPECT_EQ(DrawingTypeOfName("part.t4g"), DrawingFileType::kT4g);
  EXPECT_EQ(DrawingTypeOfName("tool5.CDL"), DrawingFileType::kCdl);
  EXPECT_EQ(DrawingTypeOfName("dir.cdl/part"), std::nullopt);
}

TEST_F(DrawingInputTest, CutShortFilesReadWhatIsWhole) {
  AddEveryKind();
  const std::string texts[] = {CdlText(bench, false), DxfText(bench), IgesText(bench, "x")};
  for (int t = 0; t < 3; ++t) {
    for (size_t cut = 0; cut < texts[t].size(); cut += 13) {
      const std::string file = folder.Write("cut", texts[t].substr(0, cut));
      ASSERT_TRUE(ReadDrawing(bench, file, kTypes[t])) << t << " " << cut;
      EXPECT_LE(Elements().size(), 11u);
    }
  }
}

TEST_F(DrawingInputTest, BinaryAndHostileBytesNeverCrash) {
  std::mt19937 random(7);
  std::string noise(200000, '\0');
  for (char& c : noise) c = static_cast<char>(random() & 0xFF);
  const std::string hostile[] = {
      noise,
      std::string(3000000, 'A'),  // one endless line
      "LINE   1e308,1e308,nan,inf,-1e400,5,99999999999,-7,1e30,1\r\n"
      "ARC    1,2,3,1e300,1e300,-1e300,1e30,1,1,1,1\r\n"
      "TEXT  `\r\nTEXT  '\r\n'\r\nVIEW   99999,1,0,0,0,1,0,0,0,1\r\nLEADER 1\r\n",
      "0\nLINE\n10\n1e999\n62\n99999999999999\n8\n-5\n0\nPOLYLINE\n70\n1\n0\nSEQEND\n0\nVERTEX\n",
      std::string(81, 'D') + "\n" + std::string(72, ' ') + "P9999999999\n" +
          "     110-99999999       0       0       0       0       0       0       0D0000001\n" +
          "     110       0 9999999       1       0                               0D0000002\n",
      "OBJ Curve\n0,102,0,0,1e308,-1e308,\nOBJ Surface\nOBJ CircArc\n0,0\n",
  };
  for (const std::string& bytes : hostile) {
    const std::string file = folder.Write("h", bytes);
    for (DrawingFileType type : kTypes) {
      ASSERT_TRUE(ReadDrawing(bench, file, type));
      for (const CadElement& e : Elements()) {
        for (double v : e.d) EXPECT_TRUE(std::isfinite(v));
      }
    }
  }
}

TEST_F(DrawingInputTest, AFullTableStopsEveryReader) {
  std::string cdl;
  std::string dxf;
  std::string t4g;
  for (int i = 0; i < kTableSlots + 50; ++i) {
    cdl += "POINT  1.0,2.0,.0,12,1,0\r\n";
    dxf += "0\nPOINT\n10\n1\n0\nPOINT\n";
    t4g += "OBJ Line\nh\n0,0,0,0,0,0,\n0,0,0,0,1,1,\n";
  }
  const std::pair<DrawingFileType, std::string> files[] = {
      {DrawingFileType::kCdl, cdl}, {DrawingFileType::kDxf, dxf}, {DrawingFileType::kT4g, t4g}};
  for (const auto& [type, text] : files) {
    host.command_panel.clear();
    ASSERT_TRUE(ReadDrawing(bench, folder.Write("f", text), type));
    EXPECT_EQ(Elements().size(), static_cast<size_t>(kTableSlots));
    EXPECT_TRUE(table.full);
    EXPECT_EQ(host.command_panel, "Maximum number of elements");
  }
}

TEST_F(DrawingInputTest, EscapeStopsALongRead) {
  std::string cdl;
  for (int i = 0; i < 1000; ++i) cdl += "POINT  1.0,2.0,.0,12,1,0\r\n";
  host.QueueEscape(0);
  ASSERT_TRUE(ReadDrawing(bench, folder.Write("e.cdl", cdl), DrawingFileType::kCdl));
  EXPECT_LT(Elements().size(), 1000u);
  EXPECT_TRUE(bench.stop_requested);
}

TEST_F(DrawingInputTest, WritersNameTheDrawingAndT4gIsNotWritten) {
  Add(ElementKind::kLine, {0, 0, 0, 1, 1, 0});
  EXPECT_FALSE(WriteDrawing(bench, folder.File("x.t4g"), DrawingFileType::kT4g));
  EXPECT_TRUE(WriteDrawing(bench, folder.File("x.igs"), DrawingFileType::kIges));
  EXPECT_EQ(bench.cad_file_name, folder.File("x.igs"));
}

}  // namespace
}  // namespace vormak::test
