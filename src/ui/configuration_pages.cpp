// What the Configuration dialog's pages share; the pages themselves are in
// configuration_pages_*.cpp.
#include "ui/configuration_pages.h"

#include <QDir>

namespace vormak {

QStringList SerialDevicePaths() {
  const QDir dev("/dev");
  QStringList paths;
  for (const QString& name :
       dev.entryList({"ttyS*", "ttyUSB*", "ttyACM*"}, QDir::System | QDir::Files, QDir::Name)) {
    paths << dev.filePath(name);
  }
  return paths;
}

}  // namespace vormak
