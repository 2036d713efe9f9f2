#pragma once
// The program's version and its command line:
//   zuzereru [--help] [--help-all] [--version] [results file]
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
  QString platform;     // the window system asked for with -platform, empty for none
};

// Reads the arguments (the program's name first). As the program gets them
// they still hold Qt's own options (-platform, -style ...): with
// `qtOptionsIncluded` the options Qt documents are known and read past, so
// that --help, --version and a wrong option are answered before any window
// system is asked for. Once QApplication has taken Qt's options out, the
// arguments are read as they are left (Qt may know options beyond those).
// "--help-all" also lists Qt's options.
CommandLine parseCommandLine(const QStringList& arguments, bool qtOptionsIncluded = false);

// The results file to open at start, as given on the command line (set once
// by main, read by the main window's first showing).
void setStartFile(const QString& path);
QString startFile();

}  // namespace kvadus
