#include "ui/gif_picture.h"

#include <gif_lib.h>

#include <QFile>
#include <unordered_map>
#include <vector>

namespace vormak {

namespace {

struct Indexed {
  std::vector<GifColorType> colours;
  std::vector<GifByteType> pixels;
};

// Plot pictures hold a few pen colours; only photographs of many colours need the cube.
Indexed ToIndexed(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  Indexed out;
  out.pixels.resize(static_cast<size_t>(image.width()) * static_cast<size_t>(image.height()));
  std::unordered_map<QRgb, GifByteType> index;
  bool exact = true;
  for (int y = 0; y < image.height() && exact; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb rgb = line[x] & 0xFFFFFFu;
      auto found = index.find(rgb);
      if (found == index.end()) {
        if (index.size() == 256) {
          exact = false;
          break;
        }
        found = index.emplace(rgb, static_cast<GifByteType>(index.size())).first;
        out.colours.push_back({static_cast<GifByteType>(qRed(rgb)),
                               static_cast<GifByteType>(qGreen(rgb)),
                               static_cast<GifByteType>(qBlue(rgb))});
      }
      out.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width()) +
                 static_cast<size_t>(x)] = found->second;
    }
  }
  if (exact) return out;
  // 6 x 7 x 6 levels of red, green and blue.
  out.colours.clear();
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 7; ++g)
      for (int b = 0; b < 6; ++b)
        out.colours.push_back({static_cast<GifByteType>(r * 51), static_cast<GifByteType>(g * 42),
                               static_cast<GifByteType>(b * 51)});
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int r = (qRed(line[x]) * 5 + 127) / 255, g = (qGreen(line[x]) * 6 + 127) / 255;
      const int b = (qBlue(line[x]) * 5 + 127) / 255;
      out.pixels[static_cast<size_t>(y) * static_cast<size_t>(image.width()) +
                 static_cast<size_t>(x)] = static_cast<GifByteType>((r * 7 + g) * 6 + b);
    }
  }
  return out;
}

}  // namespace

bool WriteGifPicture(const QImage& image, const QString& path) {
  if (image.isNull()) return false;
  Indexed indexed = ToIndexed(image);
  int table_size = 2;
  while (table_size < static_cast<int>(indexed.colours.size())) table_size *= 2;
  indexed.colours.resize(static_cast<size_t>(table_size), GifColorType{0, 0, 0});
  int bits = 1;
  while ((1 << bits) < table_size) ++bits;

  int error = 0;
  const QByteArray name = QFile::encodeName(path);
  GifFileType* gif = EGifOpenFileName(name.constData(), false, &error);
  if (gif == nullptr) return false;
  ColorMapObject* map = GifMakeMapObject(table_size, indexed.colours.data());
  bool ok = map != nullptr;
  ok = ok && EGifPutScreenDesc(gif, image.width(), image.height(), bits, 0, map) == GIF_OK;
  ok = ok && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < image.height(); ++y) {
    ok = EGifPutLine(
             gif,
             indexed.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(image.width()),
             image.width()) == GIF_OK;
  }
  if (map != nullptr) GifFreeMapObject(map);
  if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
  if (!ok) QFile::remove(path);
  return ok;
}

QImage ReadGifPicture(const QString& path) {
  QImage image;
  if (!image.load(path, "GIF")) return {};
  return image;
}

}  // namespace vormak
