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
  // USB adapters keep their by-id name across replugging, where ttyUSB0 may become ttyUSB1.
  const QDir by_id("/dev/serial/by-id");
  for (const QString& name :
       by_id.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
    paths << by_id.filePath(name);
  }
  return paths;
}

}  // namespace vormak
