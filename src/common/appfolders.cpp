#include "common/appfolders.h"

#include "common/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

#ifndef ZUZERERU_DATA_FROM_BIN
#define ZUZERERU_DATA_FROM_BIN "../share/zuzereru"
#endif

namespace kvadus {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kSettings = QStringLiteral("nastaveni");
const QString kGames = QStringLiteral("hry");
// The name of the program's folders in the data folders of the system and the user.
const QString kProgramFolder = QStringLiteral("zuzereru");

std::optional<FolderPlaces>& placesOverride() {
  static std::optional<FolderPlaces> places;
  return places;
}

bool isFolder(const QString& parent, const QString& name) {
  return !parent.isEmpty() && QFileInfo(inFolder(parent, name)).isDir();
}

Folders currentFolders() { return findFolders(placesOverride() ? *placesOverride() : standardPlaces()); }

}  // namespace

Folders findFolders(const FolderPlaces& p) {
  Folders f;
  if (!p.userData.isEmpty()) f.data = inFolder(p.userData, kProgramFolder);
  // A working folder with help/ is a source folder (or a copy of one): the
  // program keeps everything there, as it always did.
  const bool local = isFolder(p.workingFolder, kHelp);
  f.installed = !local && isFolder(p.dataFolder, kHelp);
  if (!f.installed) {
    f.help = kHelp;
    f.settings = kSettings;
    f.shippedSettings = kSettings;
    f.games = kGames;
    return f;
  }
  f.help = inFolder(p.dataFolder, kHelp);
  f.shippedSettings = inFolder(p.dataFolder, kSettings);
  if (isFolder(p.workingFolder, kSettings)) f.settings = kSettings;
  else f.settings = inFolder(f.data, kSettings);
  if (isFolder(p.workingFolder, kGames)) f.games = kGames;
  else if (!p.userDocuments.isEmpty()) f.games = inFolder(p.userDocuments, kProgramFolder);
  else f.games = inFolder(f.data, kGames);
  return f;
}

FolderPlaces standardPlaces() {
  FolderPlaces p;
  p.workingFolder = QDir::currentPath();
  // Beside the executable, so that an installation moved elsewhere as a whole
  // (another prefix, an unpacked package) still finds its data.
  if (QCoreApplication::instance())
    p.dataFolder = QDir::cleanPath(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                   QStringLiteral(ZUZERERU_DATA_FROM_BIN));
  p.userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  p.userDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return p;
}

void setFolderPlaces(const FolderPlaces* places) {
  if (places) placesOverride() = *places;
  else placesOverride().reset();
}

void seedSettingsFolder(const Folders& folders) {
  if (folders.settings == folders.shippedSettings || QFileInfo::exists(folders.settings)) return;
  if (!QDir().mkpath(folders.settings)) return;
  QDirIterator it(folders.shippedSettings, QDir::Files);
  while (it.hasNext()) {
    it.next();
    const QString target = inFolder(folders.settings, it.fileName());
    if (QFileInfo::exists(target)) continue;
    // Written whole and synced, as every file of the program: a copy cut
    // short by a power cut would stay the user's for good. The copy is the
    // user's own, so writable whatever the shipped file's rights.
    QFile shipped(it.filePath());
    if (shipped.open(QIODevice::ReadOnly)) writeFileBytes(target, shipped.readAll());
  }
}

QString helpFolder() { return currentFolders().help; }

QString settingsFolder() {
  const Folders f = currentFolders();
  seedSettingsFolder(f);
  return f.settings;
}

QString shippedSettingsFolder() { return currentFolders().shippedSettings; }

QString gamesFolder() { return currentFolders().games; }

QString dataFolder() { return currentFolders().data; }

QString earlierDataFolder() {
  // QStandardPaths::AppDataLocation is <base>/[<organisation>/]<application>;
  // earlier versions ran under the application name "Zuzereru vevizor", as
  // the program still does, and name no organisation.
  QString base = QDir::fromNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  if (base.isEmpty()) return {};
  if (!QCoreApplication::applicationName().isEmpty()) base = QFileInfo(base).path();
  if (!QCoreApplication::organizationName().isEmpty()) base = QFileInfo(base).path();
  return inFolder(base, QStringLiteral("Zuzereru vevizor"));
}

QString inFolder(const QString& folder, const QString& fileName) {
  if (folder.isEmpty()) return fileName;
  return folder.endsWith(QLatin1Char('/')) ? folder + fileName : folder + QLatin1Char('/') + fileName;
}

}  // namespace kvadus
