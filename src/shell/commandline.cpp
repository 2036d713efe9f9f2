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

namespace {

// The options Qt's application and its X11 window system take from the
// command line (the value name empty for an option without a value).
struct QtOption {
  const char* name;
  const char* value;
  const char* description;
};
constexpr QtOption kQtOptions[] = {
    {"platform", "nazev[:volby]", "okenni system (xcb, wayland, offscreen ...)"},
    {"platformpluginpath", "cesta", "slozka s moduly okennich systemu"},
    {"platformtheme", "nazev", "motiv okenniho systemu"},
    {"plugin", "nazev", "dalsi modul (napr. vstupni zarizeni)"},
    {"qwindowgeometry", "geometrie", "velikost a poloha prvniho okna"},
    {"geometry", "geometrie", "totez co -qwindowgeometry"},
    {"qwindowtitle", "titulek", "titulek prvniho okna"},
    {"title", "titulek", "totez co -qwindowtitle"},
    {"qwindowicon", "soubor", "ikona oken"},
    {"icon", "soubor", "totez co -qwindowicon"},
    {"reverse", "", "okna zprava doleva"},
    {"session", "relace", "obnoveni relace spravce sezeni"},
    {"testability", "", "rozhrani pro automaticke testy"},
    {"style", "styl", "vzhled ovladacich prvku (napr. fusion)"},
    {"stylesheet", "soubor", "soubor se stylem ovladacich prvku"},
    {"widgetcount", "", "na konci vypise pocet ovladacich prvku"},
    {"qmljsdebugger", "volby", "ladeni QML"},
    {"display", "displej", "displej X11 (misto promenne DISPLAY)"},
    {"name", "jmeno", "jmeno aplikace pro X11"},
    {"visual", "cislo", "vizual X11"},
    {"nograb", "", "nikdy nezachytavat mys ani klavesnici"},
    {"dograb", "", "zachytavat mys i klavesnici i pri ladeni"},
};

struct Parser {
  QCommandLineParser parser;
  QCommandLineOption help = parser.addHelpOption();  // -h, -?, --help and --help-all
  QCommandLineOption helpAll{QStringLiteral("help-all")};
  QCommandLineOption version = parser.addVersionOption();
  QCommandLineOption platform{QStringLiteral("platform")};

  // With Qt's options they are read (one dash or two, as Qt takes them),
  // and listed in the help when `listQtOptions`.
  Parser(bool qtOptions, bool listQtOptions) {
    parser.setApplicationDescription(QStringLiteral("Zuzereru vevizor: zapis a vyuctovani vecera kvadusu."));
    parser.addPositionalArgument(QStringLiteral("soubor"),
                                 QStringLiteral("Soubor s vysledky (.kvd), ktery se po startu "
                                                "nahraje a pouzije."),
                                 QStringLiteral("[soubor]"));
    if (!qtOptions) return;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QtOption& o : kQtOptions) {
      QCommandLineOption option(QLatin1String(o.name), QStringLiteral("(Qt) ") + QLatin1String(o.description),
                                QLatin1String(o.value));
      if (!listQtOptions) option.setFlags(QCommandLineOption::HiddenFromHelp);
      if (option.names().first() == platform.names().first()) platform = option;
      parser.addOption(option);
    }
  }
};

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments, bool qtOptionsIncluded) {
  Parser p(qtOptionsIncluded, false);
  CommandLine result;
  const bool parsed = p.parser.parse(arguments);
  // --help and --version answer whatever else is on the line.
  if (p.parser.isSet(p.helpAll)) {
    Parser listing(true, true);
    result.action = CommandLine::Action::ShowHelp;
    result.text = listing.parser.helpText();
    return result;
  }
  if (p.parser.isSet(p.help)) {
    result.action = CommandLine::Action::ShowHelp;
    result.text = p.parser.helpText();
    return result;
  }
  if (p.parser.isSet(p.version)) {
    result.action = CommandLine::Action::ShowVersion;
    result.text = QStringLiteral("Zuzereru vevizor ") + programVersion() + QLatin1Char('\n');
    return result;
  }
  // Qt takes the window system only as "-platform name", never with "=".
  if (qtOptionsIncluded && p.parser.isSet(p.platform) &&
      (arguments.contains(QStringLiteral("-platform")) || arguments.contains(QStringLiteral("--platform"))))
    result.platform = p.parser.value(p.platform);
  const QStringList files = p.parser.positionalArguments();
  if (!parsed) {
    result.action = CommandLine::Action::Fail;
    result.text = p.parser.errorText() + QLatin1Char('\n');
    return result;
  }
  if (files.size() > 1) {
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
