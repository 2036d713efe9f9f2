#include "shell/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#ifndef ZUZERERU_VERSION
#error "ZUZERERU_VERSION comes from the project's version in CMake"
#endif

namespace kvadus {

namespace {
QString& startFileStore() {
  static QString path;
  return path;
}
}  // namespace

QString programVersion() { return QStringLiteral(ZUZERERU_VERSION); }

QString mainWindowCaption() { return QStringLiteral("Zuzereru Vevizor v ") + programVersion(); }

CommandLine parseCommandLine(const QStringList& arguments, bool strictly) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Zuzereru vevizor: zapis a vyuctovani vecera kvadusu."));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("soubor"),
                               QStringLiteral("Soubor s vysledky (.kvd), ktery se po startu "
                                              "nahraje a pouzije."),
                               QStringLiteral("[soubor]"));

  CommandLine result;
  const bool parsed = parser.parse(arguments);
  // --help and --version answer whatever else is on the line.
  if (parser.isSet(help)) {
    result.action = CommandLine::Action::ShowHelp;
    result.text = parser.helpText();
    return result;
  }
  if (parser.isSet(version)) {
    result.action = CommandLine::Action::ShowVersion;
    result.text = QStringLiteral("Zuzereru vevizor ") + programVersion() + QLatin1Char('\n');
    return result;
  }
  const QStringList files = parser.positionalArguments();
  if (strictly && !parsed) {
    result.action = CommandLine::Action::Fail;
    result.text = parser.errorText() + QLatin1Char('\n');
    return result;
  }
  if (strictly && files.size() > 1) {
    result.action = CommandLine::Action::Fail;
    result.text = QStringLiteral("Lze otevrit jen jeden soubor s vysledky.\n");
    return result;
  }
  if (!files.isEmpty()) result.resultsFile = files.first();
  return result;
}

void setStartFile(const QString& path) { startFileStore() = path; }
QString startFile() { return startFileStore(); }

}  // namespace kvadus
