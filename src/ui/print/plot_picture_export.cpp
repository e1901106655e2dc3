#include "ui/print/plot_picture_export.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include "cad/element_table.h"
#include "nctext/status_services.h"
#include "plot/element_draw.h"
#include "plot/plot_window.h"
#include "ui/gif_picture.h"
#include "ui/print/painter_canvas.h"
#include "ui/print/plot_elsewhere.h"
#include "workbench/workbench.h"

namespace vormak {

QByteArray PlotSvg(Workbench& bench, bool group_only) {
  const int width = std::max(bench.plot.width, 1);
  const int height = std::max(bench.plot.height, 1);
  QByteArray svg;
  QBuffer buffer(&svg);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setTitle("Vormak plot");
  QPainter painter(&generator);
  PainterCanvas canvas(painter, width, height, false);
  {
    PlotElsewhere elsewhere(bench, &canvas, width, height);
    if (group_only) {
      ClearPlotWindow(bench.plot);
      DrawElements(bench, bench.plot.current, kDrawGroup);
    } else {
      Redraw(bench);
    }
  }
  painter.end();
  return svg;
}

bool CopyPlotSvg(Workbench& bench, bool group_only) {
  if (group_only && !GroupExists(bench.cad.table)) {
    ShowPrompt(bench, "No Group");
    return false;
  }
  auto* data = new QMimeData;
  data->setData("image/svg+xml", PlotSvg(bench, group_only));
  QGuiApplication::clipboard()->setMimeData(data);
  return true;
}

void CopyPlotBitmap(const QImage& picture) {
  QGuiApplication::clipboard()->setImage(picture);
}

QString SavePlotBitmap(const QImage& picture, const QString& path) {
  const QString extension = QFileInfo(path).suffix().toLower();
  bool written = false;
  if (extension == "png" || extension == "bmp") {
    written = picture.save(path, extension == "png" ? "PNG" : "BMP");
  } else if (extension == "gif") {
    written = WriteGifPicture(picture, path);
  } else {
    return QString("Save Bitmap: %1 is not a .png, .gif or .bmp file").arg(path);
  }
  return written ? QString() : QString("Cannot write %1").arg(path);
}

}  // namespace vormak
