#pragma once
// The program's version and its command line:
//   zuzereru [--help] [--version] [results file]
// A results file named on the command line is opened at start, after the
// settings file selection, as if loaded in the disk operations and applied
// with "Pouzit -->" (the file manager opens .kvd files this way).

#include <QString>
#include <QStringList>

namespace kvadus {

// "1.0": the project's version, from the build.
QString programVersion();
// The main window's caption, "Zuzereru Vevizor v " + the version.
QString mainWindowCaption();

struct CommandLine {
  enum class Action { Run, ShowHelp, ShowVersion, Fail };
  Action action = Action::Run;
  QString resultsFile;  // the results file to open at start, empty for none
  QString text;         // what to print: the help, the version line or the error
};

// Reads the arguments (the program's name first). Qt's own options (-platform,
// -style ...) must have been taken out already, as QApplication does; when
// strictly is false, unknown options and extra arguments are let through
// (used to answer --help and --version before any window system is needed).
CommandLine parseCommandLine(const QStringList& arguments, bool strictly = true);

// The results file to open at start, as given on the command line (set once
// by main, read by the main window's first showing).
void setStartFile(const QString& path);
QString startFile();

}  // namespace kvadus
