#include "common/appfolders.h"

#include <QDir>
#include <QStandardPaths>

namespace kvadus {

// The program works in its working folder, which holds help/, nastaveni/
// and hry/.
QString helpFolder() { return QStringLiteral("help"); }
QString settingsFolder() { return QStringLiteral("nastaveni"); }
QString gamesFolder() { return QStringLiteral("hry"); }

QString dataFolder() {
  return QDir::fromNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString inFolder(const QString& folder, const QString& fileName) {
  if (folder.isEmpty()) return fileName;
  return folder.endsWith(QLatin1Char('/')) ? folder + fileName : folder + QLatin1Char('/') + fileName;
}

}  // namespace kvadus
