#pragma once
#include <QString>

// The folders the program works with, in one place. Every other part asks
// here rather than spelling a folder name itself.
//
// Each returns the folder as the program uses it in paths (with '/' as the
// separator, no trailing separator); show it with QDir::toNativeSeparators.
//
// Where they are:
// - Started from a folder that holds help/ (the source folder, or any copy of
//   it): "help", "nastaveni" and "hry", relative to the working folder.
// - Otherwise the installed program: help/ from the data folder beside the
//   executable (<prefix>/share/zuzereru); the settings files in the user's
//   data folder (<user data>/zuzereru/nastaveni, filled from the shipped
//   settings files the first time it is asked for); the saved evenings in the
//   user's documents (<documents>/zuzereru). A working folder that holds
//   nastaveni/ or hry/ still wins for that folder.
// - Neither found: the relative names, so the help check names what is missing.
namespace kvadus {

// The help folder: the help texts and pictures shipped with the program.
QString helpFolder();

// The folder of the settings files (the tariffs): the files offered at start
// are listed here and settings files are saved here. Created (and filled
// from the shipped ones) when the program runs installed.
QString settingsFolder();

// The shipped settings files: "nastaveni" from the source folder, or the data
// folder's copy when installed. Read only.
QString shippedSettingsFolder();

// The folder the evenings are saved to by default.
QString gamesFolder();

// The user's data folder of the program, <user data>/zuzereru: everything
// the program keeps of the user's by itself lives there (the settings files
// of an installed program in nastaveni/, the recovery copy of the evening).
// <user data> is QStandardPaths::GenericDataLocation: ~/.local/share (or
// $XDG_DATA_HOME) on Linux, the local application data on Windows.
QString dataFolder();

// The folder where earlier versions kept the recovery copy (the application's
// own data folder under its name, "Zuzereru vevizor"); empty when unknown.
// Read only to move what is there into dataFolder().
QString earlierDataFolder();

// folder + '/' + fileName.
QString inFolder(const QString& folder, const QString& fileName);

// The places the folders are looked for in. Tests give their own.
struct FolderPlaces {
  QString workingFolder;  // the working folder (absolute)
  QString dataFolder;     // the installed data folder (<prefix>/share/zuzereru)
  QString userData;       // the user's writable data folder (holds zuzereru/)
  QString userDocuments;  // the user's documents, for the saved evenings
};

struct Folders {
  QString data;  // the user's data folder of the program
  QString help;
  QString settings;
  QString shippedSettings;
  QString games;
  bool installed = false;  // the help comes from the data folder
};

// The folders found in these places (nothing is created).
Folders findFolders(const FolderPlaces& places);

// The places of this run: the current folder, the executable's
// ../share/zuzereru and QStandardPaths.
FolderPlaces standardPlaces();

// Replaces the places of this run (tests); null restores the standard ones.
void setFolderPlaces(const FolderPlaces* places);

// Makes the user's settings folder when it is missing and copies the shipped
// settings files into it; files the user already has are never replaced.
// Does nothing when settings == shippedSettings.
void seedSettingsFolder(const Folders& folders);

}  // namespace kvadus
