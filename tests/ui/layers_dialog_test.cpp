#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "cad/element_table.h"
#include "ui/layers_dialog.h"

namespace vormak {

class LayersDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void SolidEntryAndField() {
    ElementTable table;
    table.current_layer = 7;
    table.SetLayerVisible(200, false);
    TLayers dialog;
    dialog.Load(table, 200);
    QCOMPARE(dialog.layer_list()->count(), kLayerCount);
    QCOMPARE(dialog.layer_list()->item(199)->text(), QString("SOLID"));
    QCOMPARE(dialog.layer_list()->item(199)->checkState(), Qt::Unchecked);
    QCOMPARE(dialog.current_field()->text(), QString("7"));
    QVERIFY(!dialog.draw_solid()->isChecked());
    dialog.draw_solid()->click();
    QCOMPARE(dialog.current_field()->text(), QString("S"));
    QCOMPARE(dialog.layer_list()->item(199)->checkState(), Qt::Checked);
    QVERIFY(!table.LayerVisible(200));  // nothing taken over before OK
    dialog.ApplyTo(table);
    QCOMPARE(table.current_layer, 200);
    QVERIFY(table.LayerVisible(200));
  }

  void AllOffAndABadNumber() {
    ElementTable table;
    TLayers dialog;
    dialog.Load(table, 254);
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
      if (button->text() == "All Off") button->click();
    }
    dialog.current_field()->setText("255");
    dialog.ApplyTo(table);
    QCOMPARE(table.current_layer, 1);
    QVERIFY(!table.LayerVisible(1));
    QVERIFY(!table.LayerVisible(254));
  }

  void TypedLowerCaseReadsAsCapital() {
    ElementTable table;
    TLayers dialog;
    dialog.Load(table, 250);
    dialog.current_field()->clear();
    QTest::keyClicks(dialog.current_field(), "s");
    QCOMPARE(dialog.current_field()->text(), QString("S"));
    dialog.ApplyTo(table);
    QCOMPARE(table.current_layer, 250);
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::LayersDialogTest)
#include "layers_dialog_test.moc"
