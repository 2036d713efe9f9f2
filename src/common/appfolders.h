#pragma once
#include <QString>

// The folders the program works with, in one place. Every other part asks
// here rather than spelling a folder name itself.
//
// Each returns the folder as the program uses it in paths (with '/' as the
// separator, no trailing separator); show it with QDir::toNativeSeparators.
namespace kvadus {

// The help folder: the help texts and pictures shipped with the program.
QString helpFolder();

// The folder of the settings files (the tariffs) offered at start.
QString settingsFolder();

// The folder the evenings are saved to by default.
QString gamesFolder();

// The user's data folder of the program (QStandardPaths::AppDataLocation):
// the recovery copy of the evening lives there.
QString dataFolder();

// folder + '/' + fileName.
QString inFolder(const QString& folder, const QString& fileName);

}  // namespace kvadus
