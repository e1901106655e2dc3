#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "interp/tool_load.h"
#include "plot/plot_window.h"
#include "plot/tool_picture.h"
#include "plot/view_transform.h"
#include "support/fake_host.h"
#include "ui/load_tool_dialog.h"
#include "ui/raster_canvas.h"
#include "ui/sci_edit_control.h"
#include "workbench/workbench.h"

namespace vormak {

class LoadToolDialogTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    FakeHost host;
    Workbench bench{host};
    QTemporaryDir dir;
    Fixture() {
      bench.settings.system_type = SystemType::kLathe;
      bench.settings.tool_path = dir.path().toStdString();
      Write("tools.txt", "Turning,1\r\n  Rough OD,3,TOOL5\r\n");
      Write("TOOL5.CDL",
            "TOOLNOSE_RADIUS=.031\r\nTOOLNOSE_WIDTH=.2\r\nTOOLNOSE_ANGLE=80\r\n$TOOL=\"ROUGH\"\r\n"
            "LINE   .0,.0,.0,1.0,.0,.0,15,1,0,1\r\n");
    }
    void Write(const std::string& name, const std::string& text) {
      std::ofstream(dir.path().toStdString() + "/" + name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) {
      std::ifstream in(dir.path().toStdString() + "/" + name, std::ios::binary);
      return std::string(std::istreambuf_iterator<char>(in), {});
    }
  };

 private slots:
  void TreeFromCatalogueAndToolPreview() {
    Fixture f;
    TLoad_Tool window(f.bench);
    window.show();
    QCOMPARE(window.tree->topLevelItemCount(), 1);
    QTreeWidgetItem* group = window.tree->topLevelItem(0);
    QCOMPARE(group->text(0), QString("Turning"));
    QCOMPARE(group->childCount(), 1);
    QTreeWidgetItem* tool = group->child(0);
    QCOMPARE(tool->text(0), QString("Rough OD"));
    window.TreeClick(tool);
    QCOMPARE(window.file_name->text(), QString("TOOL5"));
    QCOMPARE(window.description->text(), QString("Rough OD"));
    QCOMPARE(window.orientation->checkedId(), 3);
    QCOMPARE(window.radius_label->text(), QString("Rad: .031"));
    QCOMPARE(window.width_label->text(), QString("Width: .2"));
    QCOMPARE(window.text_label->text(), QString("ROUGH"));
    // The preview: white with the tool's line in black from the centre a quarter width out.
    const QImage image = window.picture->pixmap().toImage();
    QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    QCOMPARE(image.pixel(100, 80) & 0xFFFFFF, 0x000000u);
    QVERIFY(window.print_catalog->isEnabled());
    QVERIFY(window.print_list->isEnabled());
  }

  void EditsAreSavedOnOkAndTheToolLoads() {
    Fixture f;
    TLoad_Tool window(f.bench);
    window.show();
    window.tree->setCurrentItem(window.tree->topLevelItem(0));
    window.description->setText("Finish OD");
    window.file_name->setText("TOOL5");
    window.orientation->button(4)->setChecked(true);
    window.AddNewClick();
    QVERIFY(window.changed);
    window.description->setText("");
    window.AddNewClick();  // an empty field adds nothing
    QCOMPARE(window.tree->topLevelItem(0)->childCount(), 2);
    window.OKClick();
    QVERIFY(!window.isVisible());
    QCOMPARE(QString::fromStdString(f.Read("tools.txt")),
             QString("Turning,1\r\n Rough OD,3,TOOL5\r\n Finish OD,4,TOOL5\r\n"));
    QVERIFY(f.bench.tools.loaded[0]);
    QCOMPARE(f.bench.tools.turret[0].nose_radius, .031);

    // A "TM " text builds a cutter; Remove takes a whole group.
    window.file_name->setText("TM 10");
    window.OKClick();
    QCOMPARE(f.bench.tools.turret[0].nose_radius, 5.0);
    window.show();
    window.tree->setCurrentItem(window.tree->topLevelItem(0));
    window.RemoveClick();
    QCOMPARE(window.tree->topLevelItemCount(), 0);
  }

  void InsertWritesTheToolCallAtTheCaret() {
    Fixture f;
    SciEditControl pane;
    f.bench.SetPane(1, &pane);
    pane.SetText("G0 X1\r\nG1 Z-1");
    pane.SetSelection({{2, 0}, {2, 0}});
    TLoad_Tool window(f.bench);
    window.file_name->setText("TOOL5");
    window.InsertClick();
    QCOMPARE(QString::fromStdString(pane.GetLine(2)), QString("(TL TOOL5)"));
    QCOMPARE(QString::fromStdString(pane.GetLine(3)), QString("G1 Z-1"));
    f.bench.SetPane(1, nullptr);
  }

  // The picture drawn twice with the inverting pen leaves every pixel as it was.
  void PictureDrawnTwiceLeavesThePlotByteIdentical() {
    FakeHost host;
    Workbench bench(host);
    bench.settings.system_type = SystemType::kMill;
    RasterCanvas canvas(400, 300);
    bench.plot.canvas = &canvas;
    ResizePlotWindow(bench, 400, 300);
    ClearPlotWindow(bench.plot);
    canvas.SetPen({0x00FFFF, PenStyle::kSolid, PenMode::kCopy, 1});
    canvas.Line({0, 150}, {400, 150});
    canvas.Ellipse(150, 100, 250, 200, true, 0xC0C0C0);
    DefineMillTool(bench, "TM 3,1");
    bench.tools.shape[0].entries[3].d = {kToolLine, -1, -1, 0, 1, 1, 0, 0, 1};
    bench.tools.shape[0].entries[4].d = {kToolPoint, .5, .5, 0, 0, 0, 0, 0, 1};
    const QImage before = canvas.Image().copy();
    for (int slot : {kTopSlot, kIsometricSlot}) {
      DrawToolShape(bench, 1, slot, true, {.3, -.2, 0});
      QVERIFY(canvas.Image() != before);
      DrawToolShape(bench, 1, slot, false, {.3, -.2, 0});
      QVERIFY(canvas.Image() == before);
    }
    bench.plot.canvas = nullptr;
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::LoadToolDialogTest)
#include "load_tool_dialog_test.moc"
