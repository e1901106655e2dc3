#pragma once
// Pictures of saved screen views as GIF files: written with giflib, read with Qt.

#include <QImage>
#include <QString>

namespace vormak {

// Up to 256 colours are kept exactly; a picture with more is reduced to a colour cube.
// False when the file cannot be written.
bool WriteGifPicture(const QImage& image, const QString& path);

// A null image when the file cannot be read.
QImage ReadGifPicture(const QString& path);

}  // namespace vormak
