// The menu and toolbar audit: every item and button the window is meant to have is there with
// its caption, shortcut and hint, and each either works (enabled) or is greyed with a tooltip
// saying what it waits for. Nothing is silently dead.
#include "ui/menu_audit.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>
#include <set>

#include "ui/main_form.h"
#include "ui_test_home.h"

namespace vormak {
namespace {

struct Entry {
  QStringList path;
  QKeySequence keys;
};

QKeySequence Key(QKeyCombination key) {
  return QKeySequence(key);
}

// The menus as the programmer knows them (captions with their "&" keys).
const std::vector<Entry>& MenuEntries() {
  static const std::vector<Entry> entries = [] {
    std::vector<Entry> e;
    auto add = [&e](QStringList path, QKeySequence keys = {}) { e.push_back({path, keys}); };
    const QStringList plot{"&File", "&Plot Window"};
    add(plot + QStringList{"&Load CAD"}, Key(Qt::Key_F7));
    add(plot + QStringList{"&Save CAD"}, Key(Qt::ALT | Qt::Key_F7));
    for (const char* item :
         {"Save &As..", "&Merge...", "&Print CAD", "Print &Bitmap", "Save Bitmap", "&New",
          "&Get Tool...", "Save &Tool", "Save Tool As..."}) {
      add(plot + QStringList{item});
    }
    for (const char* item : {"Wmf-&All", "Wmf-&Group", "&Bitmap"}) {
      add(plot + QStringList{"To &Clipboard", item});
    }
    const QStringList edit{"&File", "&Edit Window"};
    add(edit + QStringList{"&Load NC..."}, Key(Qt::Key_F6));
    add(edit + QStringList{"&Save NC"}, Key(Qt::CTRL | Qt::Key_F6));
    add(edit + QStringList{"Save &As..."}, Key(Qt::ALT | Qt::Key_A));
    add(edit + QStringList{"Save Selec&t..."});
    add(edit + QStringList{"&Merge..."}, Key(Qt::ALT | Qt::Key_F8));
    add(edit + QStringList{"&Print NC"}, Key(Qt::ALT | Qt::Key_F10));
    add(edit + QStringList{"Print &W/Tools"}, Key(Qt::CTRL | Qt::Key_F10));
    add(edit + QStringList{"Print &Editor"});
    add(edit + QStringList{"Macro &Out", "&Absolute"});
    add(edit + QStringList{"Macro &Out", "&Incremental"});
    for (const char* item :
         {"Se&t Printer...", "&Script...", "&Recent Files", "Con&figuration...", "&Formats..."}) {
      add({"&File", item});
    }
    add({"&File", "E&xit"}, Key(Qt::ALT | Qt::Key_F4));
    const QStringList keys{"&File", "&Keyboard Macro"};
    add(keys + QStringList{"&Start Recording"});
    add(keys + QStringList{"&End Recording"}, Key(Qt::CTRL | Qt::Key_F4));
    add(keys + QStringList{"&Play"}, Key(Qt::Key_F4));
    for (const char* item : {"&Until Breakpoint", "S&ave...", "&Load...", "Play Demo"}) {
      add(keys + QStringList{item});
    }

    add({"&Edit", "&Undo"}, Key(Qt::CTRL | Qt::Key_Z));
    add({"&Edit", "&Redo"});
    add({"&Edit", "C&ut"}, Key(Qt::CTRL | Qt::Key_X));
    add({"&Edit", "&Copy"}, Key(Qt::CTRL | Qt::Key_C));
    add({"&Edit", "&Paste"}, Key(Qt::CTRL | Qt::Key_V));
    add({"&Edit", "&Select All"}, Key(Qt::CTRL | Qt::Key_A));
    for (const char* item : {"&Delete", "F&ont...", "&New", "Undo All"}) add({"&Edit", item});
    for (const char* item : {"On", "Off", "Remove All"}) add({"&Edit", "Bookmarks", item});
    add({"&Edit", "&Find/Replace"}, Key(Qt::Key_F5));
    add({"&Edit", "Find &Again"}, Key(Qt::ALT | Qt::Key_F5));

    add({"&View", "Zoom", "&Zoom Window"}, Key(Qt::Key_F1));
    add({"&View", "Zoom", "Zoom &All"}, Key(Qt::ALT | Qt::Key_F1));
    add({"&View", "Zoom", "&Last"}, Key(Qt::Key_F2));
    add({"&View", "Zoom", "&Half"}, Key(Qt::ALT | Qt::Key_F2));
    add({"&View", "&Layers..."});
    add({"&View", "&Solid"}, Key(Qt::ALT | Qt::Key_F3));
    add({"&View", "&Redraw"}, Key(Qt::Key_F3));
    add({"&View", "Re&set"});
    add({"&View", "A&xis"}, Key(Qt::Key_F9));
    add({"&View", "&Animation"}, Key(Qt::Key_F8));
    add({"&View", "&Toolbars"});

    add({"CA&M", "&Point"}, Key(Qt::ALT | Qt::Key_P));
    add({"CA&M", "&Tangent"}, Key(Qt::ALT | Qt::Key_T));
    add({"CA&M", "&Arc"});
    add({"CA&M", "Arc Intersect"});
    add({"CA&M", "&Intersection"}, Key(Qt::CTRL | Qt::Key_I));
    add({"CA&M", "Corne&r"}, Key(Qt::ALT | Qt::Key_R));
    add({"CA&M", "Tan&gent-Point"}, Key(Qt::ALT | Qt::Key_G));
    add({"CA&M", "Tangent-&Drag"}, Key(Qt::ALT | Qt::Key_D));
    add({"CA&M", "Contour..."}, Key(Qt::ALT | Qt::Key_C));
    add({"CA&M", "&Offset..."}, Key(Qt::ALT | Qt::Key_O));
    for (const char* item :
         {"Corn&er Radius...", "&Load Tool...", "Plot &Status...", "Calc&ulator..."}) {
      add({"CA&M", item});
    }

    for (const char* item : {"&Points", "&Lines", "&Circles", "&Text...", "&Arrowhead", "Tr&im",
                             "&Xform", "&Analyse", "&Delete", "&Undelete", "C&hange", "&Group"}) {
      add({"&CAD", item});
    }
    for (const char* item :
         {"&1 Object", "&2 Object", "&To Point", "&Break", "&Fillet", "&Chamfer"}) {
      add({"&CAD", "Tr&im", item});
    }
    for (const char* item : {"&Rotate", "&Move", "&Copy", "Mirro&r", "&Scale"}) {
      add({"&CAD", "&Xform", item});
    }
    add({"&CAD", "&Analyse", "&Element"}, Key(Qt::Key_F12));
    add({"&CAD", "&Analyse", "&Distance"}, Key(Qt::ALT | Qt::Key_F12));
    add({"&CAD", "&Analyse", "&Angle"});
    add({"&CAD", "&Analyse", "&Point"});
    add({"&CAD", "&Undelete", "Last"});
    add({"&CAD", "&Undelete", "All"});
    add({"&CAD", "C&hange", "&Color"});
    add({"&CAD", "C&hange", "&Layer"});

    for (const char* item :
         {"&Change Value...", "Shift &NC...", "&Print Columns...", "P&unch/Read", "R&eformat...",
          "Re&move Address...", "Re&number...", "&Rotate NC...", "&Scale NC...", "S&witch X Y Z...",
          "Switch A&ddress...", "Ord&er NC...", "Comp NC...", "Print Tool List..."}) {
      add({"Utilities&1", item});
    }
    for (const char* item :
         {"&Time...", "&Remove Time", "&Add Spaces", "&Comment", "&Uncomment", "Remove &Blanks",
          "&Print To Scale...", "Re&verse Lines", "Remove &Spaces", "Check Synta&x", "&Break Arcs",
          "APT Output", "Line up P#", "Macro Out...", "Bolt Circle.."}) {
      add({"Utilities&2", item});
    }
    add({"&Help", "&Index"}, Key(Qt::ALT | Qt::Key_H));
    for (const char* item : {"&Shortcuts", "&Utilities", "Comment Codes", "&Tutorial", "&About"}) {
      add({"&Help", item});
    }
    return e;
  }();
  return entries;
}

// Toolbars by caption and their buttons by hint.
const std::vector<std::pair<QString, QStringList>>& ToolbarEntries() {
  static const std::vector<std::pair<QString, QStringList>> bars = {
      {"Plot", {"Reset NC", "Plot Selected Text", "Plot Run ", "Plot Auto"}},
      {"Insert",
       {"Insert X Value", "Insert Y Value", "Insert Z Value", "Insert XY Value", "Insert XZ Value",
        "Insert Arc", "Edit Undo", "Auto Insert"}},
      {"Sequence", {"Seq"}},
      {"Animation", {"Animation On/Off"}},
      {"Pick",
       {"Pick End Point", "Pick Intersection", "Pick at Cursor Location", "Pick Mid Point",
        "Pick Center", "Pick Only Existing Points", "Pick Inside Window",
        "Pick Closest Point on Element", "Keyboard Input Position"}},
      {"View", {"Top View", "Front View", "Side View", "Isometric View"}},
      {"Cad",
       {"Undo Last CAD", "Undete Last Element", "Delete Toolpath", "Record Toolpath", "Tool Box"}},
      {"File", {"Load NC File", "Save NC File", "Print NC File", "Save CAD File", "Load Cad"}},
      {"Edit", {"Cut to Clipboard", "Copy to Clipboard", "Paste From Clipboard"}},
      {"Zoom", {"Zoom Window", "Zoom Half", "Zoom All", "Redraw"}},
      {"Cam",
       {"Tool Tangent", "Contour", "Change Tool Offset", "Arc Intersection", "Tool Drag",
        "Tool Tangent at Intersection", "Tool Around Arc", "Tool at Point",
        "Tool Tangent to Line at Point", "Tool Around Corner"}},
      {"Screen", {"Save Screen View", "Load Screen View"}},
  };
  return bars;
}

}  // namespace

class MenuAuditTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<TMainForm> form_;

 private slots:
  void init() {
    home_ = test::MakeTestHome();
    QVERIFY(home_->isValid());
    form_ = std::make_unique<TMainForm>();
    QVERIFY(form_->Start(QCoreApplication::applicationFilePath().toStdString(), ""));
  }

  void cleanup() {
    form_.reset();
    home_.reset();
  }

  void EveryMenuItemIsThereWithItsShortcut() {
    for (const Entry& entry : MenuEntries()) {
      QAction* action = test::MenuItem(form_->menuBar(), entry.path);
      QVERIFY2(action != nullptr, qPrintable(entry.path.join(" > ")));
      if (!entry.keys.isEmpty()) {
        QVERIFY2(action->shortcuts().contains(entry.keys), qPrintable(entry.path.join(" > ")));
      }
    }
    // Alt+A belongs to Save As, which comes first: CAM's Arc has no key.
    QVERIFY(test::MenuItem(form_->menuBar(), {"CA&M", "&Arc"})->shortcut().isEmpty());
  }

  void EveryToolbarButtonIsThereByItsHint() {
    std::set<QString> titles;
    for (QToolBar* bar : form_->findChildren<QToolBar*>()) {
      QVERIFY2(titles.insert(bar->windowTitle()).second, qPrintable(bar->windowTitle()));
    }
    for (const auto& [title, hints] : ToolbarEntries()) {
      QToolBar* bar = nullptr;
      for (QToolBar* candidate : form_->findChildren<QToolBar*>()) {
        if (candidate->windowTitle() == title) bar = candidate;
      }
      QVERIFY2(bar != nullptr, qPrintable(title));
      for (const QString& hint : hints) {
        bool found = false;
        for (QAction* action : bar->actions()) {
          found = found || action->text() == hint || action->toolTip().startsWith(hint) ||
                  action->iconText() == hint;
        }
        QVERIFY2(found, qPrintable(title + ": " + hint));
      }
    }
  }

  // Each action works or says what it waits for.
  void NothingIsSilentlyDead() {
    int greyed = 0;
    for (QAction* action : AllCommandActions(form_.get())) {
      if (action->isEnabled()) continue;
      ++greyed;
      QVERIFY2(action->toolTip().startsWith("Waits for "),
               qPrintable(action->text() + " / " + action->toolTip()));
    }
    // Menus show those tooltips.
    for (QMenu* menu : form_->menuBar()->findChildren<QMenu*>()) {
      QVERIFY2(menu->toolTipsVisible(), qPrintable(menu->title()));
    }
    qInfo("%d items wait for their commands", greyed);
  }

  void WaitingTextsNameWhatTheyWaitFor() {
    QCOMPARE(WaitingFor("&Print NC"), QString("Waits for printing (print preview and PDF)"));
    QCOMPARE(WaitingFor("Tan&gent-Point"), QString("Waits for the CAM tool-path commands"));
    QCOMPARE(WaitingFor("&Load NC..."), QString());
  }
};

}  // namespace vormak

QTEST_MAIN(vormak::MenuAuditTest)
#include "menu_audit_test.moc"
