#include "ui/toolbar_layout.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QMainWindow>
#include <QToolBar>

// The glyphs live in a static library: their resource must be registered by hand.
static void RegisterToolbarGlyphs() {
  Q_INIT_RESOURCE(toolbar);
}

namespace vormak {
namespace {

constexpr int kGlyphSize = 20;

QString GlyphName(const QString& hint) {
  QString name;
  for (const QChar c : hint.trimmed().toLower()) {
    if (c.isLetterOrNumber()) {
      name += c;
    } else if (!name.endsWith('_')) {
      name += '_';
    }
  }
  while (name.endsWith('_')) name.chop(1);
  return name;
}

}  // namespace

QIcon ToolbarGlyph(const QString& hint) {
  static const bool registered = (RegisterToolbarGlyphs(), true);
  (void)registered;
  const QString path = ":/toolbar/" + GlyphName(hint) + ".svg";
  return QFile::exists(path) ? QIcon(path) : QIcon();
}

void ArrangeToolbars(QMainWindow* window, int row_width) {
  int used = 0;
  for (QToolBar* bar : window->findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
    if (window->toolBarArea(bar) != Qt::TopToolBarArea) continue;
    bar->setIconSize(QSize(kGlyphSize, kGlyphSize));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (QAction* action : bar->actions()) {
      if (!action->icon().isNull()) continue;
      const QIcon glyph = ToolbarGlyph(action->toolTip());
      if (!glyph.isNull()) action->setIcon(glyph);
    }
    const int width = bar->sizeHint().width();
    if (used > 0 && used + width > row_width) {
      window->insertToolBarBreak(bar);
      used = 0;
    }
    used += width;
  }
}

}  // namespace vormak
