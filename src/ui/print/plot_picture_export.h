#pragma once
// The plot window handed on: To Clipboard as a vector picture (SVG) of the whole drawing or of
// the group, or as the window's bitmap; Save Bitmap as a PNG, GIF or BMP file, the format
// chosen by the file's extension.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace vormak {

class Workbench;

// The plot window's view as SVG: with `group_only` just the elements of the group, otherwise
// every visible element and the backplot, on the window's background.
QByteArray PlotSvg(Workbench& bench, bool group_only);

// "Wmf-All" / "Wmf-Group": the SVG on the clipboard. False, said in the prompt panel, when
// the group is asked for and there is none.
bool CopyPlotSvg(Workbench& bench, bool group_only);
// "Bitmap": the window's picture on the clipboard.
void CopyPlotBitmap(const QImage& picture);

// Writes the picture as PNG, GIF or BMP by the extension of `path` (case ignored). An empty
// answer when written, otherwise what went wrong.
QString SavePlotBitmap(const QImage& picture, const QString& path);

}  // namespace vormak
